// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh database for every test, on the engine that NURV_TEST_ENGINE names (sqlite by default;
// postgres reaches the throwaway cluster of the test script through NURV_TEST_PGHOST and NURV_TEST_PGPORT).

#include "PromptRecorder.h"
#include "platform/db/Query.h"

#include <gtest/gtest.h>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <memory>

// The settings of the engine under test; each call for PostgreSQL names the same per-process database.
db::Settings testSettings();
bool testingPostgres();
// The settings of `database` on the server of the tests (NURV_TEST_PGHOST, NURV_TEST_PGPORT, NURV_TEST_PGUSER).
db::Settings postgresTestSettings(const QString& database);

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
    // Writes rows into the street register, read only for the system: "{p}" in a statement stands for its
    // schema. The tests write it by a connection of their own (SQLite) or through the schema (PostgreSQL).
    static void writePadrao(const QStringList& statements);

    PromptRecorder prompts;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

// Another workstation: a connection of its own to the database under test (the same SQLite file, the same
// PostgreSQL database), usable from the thread that makes it. Its statements wait `waitMs` for a lock.
class OtherWorkstation {
public:
    explicit OtherWorkstation(int waitMs = 50);
    // The same on the database of `settings`.
    OtherWorkstation(const db::Settings& settings, int waitMs);
    ~OtherWorkstation();
    OtherWorkstation(const OtherWorkstation&) = delete;
    OtherWorkstation& operator=(const OtherWorkstation&) = delete;

    // Runs a statement with its values in order ("?"); false, with the server's text in `error`, when refused.
    bool exec(const QString& sql, const QVariantList& values = {}, QString* error = nullptr);
    QVariant scalar(const QString& sql, const QVariantList& values = {});
    QSqlDatabase database() const;

private:
    QString m_name;
};

// A database of its own beside the one under test, on the same engine (a SQLite folder, a PostgreSQL database of
// the same server) with the schema of a new one and none of the upgrade's steps; gone with the object.
class ScratchDatabase {
public:
    ScratchDatabase();
    ~ScratchDatabase();
    ScratchDatabase(const ScratchDatabase&) = delete;
    ScratchDatabase& operator=(const ScratchDatabase&) = delete;
    const db::Settings& settings() const { return m_settings; }

private:
    QTemporaryDir m_dir;
    db::Settings m_settings;
};
