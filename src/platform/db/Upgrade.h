// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Brings a database made by an earlier version up to this one while other workstations keep working on it:
// numbered steps, each applied once and recorded only when whole, and fold()'s indexes built again when its
// mapping changed. The version row (table nurv_versao: the last step applied and fold()'s version) says what
// is missing; a database without it (one made before it existed) lacks every step.

#include "platform/db/Database.h"

#include <QList>
#include <QString>

#include <functional>

namespace db {

// One numbered step: statements in the notation of splitStatements() (@POSTGRESQL@, @SQLITE@, @PATTERN@).
// On PostgreSQL a "create index if not exists" is built concurrently, outside any transaction (an invalid
// index that an interrupted build left is dropped and built again), and a "drop index if exists" dropped so;
// every other statement is a transaction of its own. The table of an index may be named with its schema. A statement marked @PARTS@ (SQLite) fills a table in parts, a transaction each: "insert into
// <table> ... where <key> > :ate order by <key> limit <n>", run again from where the row of nurv_preenchimento
// named after <table> says the fill has reached, until a part fills fewer than <n> rows; then that row goes.
struct UpgradeStep {
    int number = 0;
    QString name;  // what the step makes, for the people told that it is missing
    QString sql;
};

// What the connected database lacks of this version, as its version row says.
struct PendingUpgrade {
    QList<UpgradeStep> steps;  // not yet applied, in order
    bool fold = false;         // fold() changed, or is not known to be the one its indexes were built with
    bool empty() const { return steps.isEmpty() && !fold; }
};

// Reads the version row on the main connection; takes no lock and changes nothing.
PendingUpgrade pendingUpgrade(const QList<UpgradeStep>& steps);

// Why a step was not done.
// Why a step was refused when the login may not change the tables: the server's own words go to the standard
// error stream only.
inline const QString kSemPermissaoNasTabelas =
    QStringLiteral("O usuário do banco de dados não tem permissão para alterar as tabelas: não é o dono delas.");

enum class UpgradeRefusal {
    None,
    Privilege,  // the login may not change the tables (PostgreSQL: it does not own them)
    ReadOnly,   // the database or its folder takes no writes
    DiskFull,
    Busy,  // another workstation held what the step needed for longer than the start waits
    Other,
};

// How an upgrade ended. A refused step stops it: that step and those after it stay missing, and each start
// tries them again.
struct UpgradeOutcome {
    QList<UpgradeStep> missing;
    bool foldMissing = false;
    UpgradeRefusal refusal = UpgradeRefusal::None;
    QString reason;  // the user's sentence of the cause, in Portuguese
    bool complete() const { return missing.isEmpty() && !foldMissing; }
};

// How far the upgrade has gone, called from the thread it runs on: `done` of `total`.
using UpgradeProgress = std::function<void(qint64 done, qint64 total)>;

// Brings the database of `settings` up to this version on a connection of its own, opened in the calling thread
// (which may be any) and closed at the end. The version row is read first: with nothing missing, nothing is
// locked and no DDL runs. Otherwise one upgrade at a time (PostgreSQL: an advisory lock, waited for without
// holding a snapshot; SQLite: a lock file beside nurv.db), in short transactions, then `analyze` of every
// table that got an index. What the server refuses goes to the standard error stream and into the outcome.
UpgradeOutcome upgradeSchema(const Settings& settings, const QList<UpgradeStep>& steps,
                             const UpgradeProgress& progress = {});
// The same on the database the named connections are open on.
UpgradeOutcome upgradeSchema(const QList<UpgradeStep>& steps);

// SQLite: the lock file beside nurv.db that one upgrade at a time holds.
QString upgradeLockFile(const Settings& settings);

// SQLite: whether the full-text table `table` holds every row of its table (made, and its fill over). A
// search reads the searched table instead while it does not. Without a connection: true.
bool textIndexReady(const QString& table);

}  // namespace db
