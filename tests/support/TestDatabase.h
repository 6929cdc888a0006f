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

class DbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Logs a session in as user 1 of unit 1 with profile 1000, as most forms expect.
    void loginAsAdmin();

    void exec(const QString& sql, const QVariantHash& params = {});
    QVariant scalar(const QString& sql, const QVariantHash& params = {});
    int count(const QString& table);
    // Writes rows into the street register, read only for the system: "{p}" in a statement stands for its
    // schema. The tests write it by a connection of their own (SQLite) or through the schema (PostgreSQL).
    static void writePadrao(const QStringList& statements);

    PromptRecorder prompts;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};
