#pragma once
// A fresh database for every test, on the engine that NURV_TEST_ENGINE names (sqlite by default;
// postgres reaches the throwaway cluster of the test script through NURV_TEST_PGHOST and NURV_TEST_PGPORT).

#include "PromptRecorder.h"
#include "platform/db/Query.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// The settings of the engine under test; each call for PostgreSQL names the same per-process database.
db::Settings testSettings();
bool testingPostgres();

// Deletes every window a test left (popups and dialogs go with the window they belong to).
void deleteTopLevelWindows();
// Writes `bytes` into the file at `path`, replacing it; fails the test when it cannot.
void writeFile(const QString& path, const QByteArray& bytes);

class DbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Logs a session in as user 1 of unit 1 with profile 1000, as most forms expect.
    void loginAsAdmin();

    void exec(const QString& sql, const QVariantHash& params = {});
    QVariant scalar(const QString& sql, const QVariantHash& params = {});
    int count(const QString& table);

    PromptRecorder prompts;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};
