// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the scenarios share: a fresh database of each engine filled for them, the prompts a form would show
// printed, and Qt's own model and view as the floor of a grid.

#include "BenchServer.h"
#include "common/Prompts.h"
#include "platform/db/Database.h"

#include <QSqlQueryModel>
#include <QStringList>
#include <QTableView>
#include <QTemporaryDir>

#include <functional>

class QAbstractItemView;

// Messages a form would show go to the standard error stream and fail the scenario, but those `expected`;
// a save dialog answers `savedFile` with its type's suffix; the bench never waits on a dialog.
class PrintedPrompts : public Prompts::Handler {
public:
    PrintedPrompts() { Prompts::setHandler(this); }
    ~PrintedPrompts() override { Prompts::setHandler(nullptr); }
    void message(Prompts::Kind, const QString&, const QString& text) override;
    bool confirm(const QString&, const QString&) override { return false; }
    QString fileName(Prompts::Kind, const QString&, const QList<Prompts::FileType>& types, const QString&) override;
    void preview(const std::shared_ptr<report::Report>&, bool) override {}

    QStringList expected;
    QString savedFile;
    bool failed = false;
};

// Lets the window take its events and paints the view's visible rows.
void drawn(QAbstractItemView* view);

// A statement without values on the main connection.
void exec(const QString& sql);
// n(i) for i = 1..count, on both engines: the head of an "insert ... select ... from n".
QString numbers(int count);

// A fresh database of the engine, filled by `fill` before the search indexes are made (as an upgrade at the
// start makes them on a database that has its rows), then analysed; dropped on destruction.
class BenchDatabase {
public:
    BenchDatabase(db::Engine engine, const std::function<void()>& fill);
    ~BenchDatabase();
    BenchDatabase(const BenchDatabase&) = delete;
    BenchDatabase& operator=(const BenchDatabase&) = delete;

    db::Engine engine() const { return engine_; }
    const char* name() const { return engineName(engine_); }

private:
    db::Engine engine_;
    QTemporaryDir dir_;
    db::Settings settings_;
};

// Runs `scenario` on SQLite, then on PostgreSQL where NURV_BENCH_PG names a server (libpq's "key=value" words:
// host, port, user, password; the bench makes and drops a database of its own).
bool onEachEngine(const std::function<void()>& fill, const std::function<bool(const BenchDatabase&)>& scenario);

// Qt's own model and view over a select: lazy (its first screen) or every row fetched.
class ModelFloor {
public:
    ModelFloor();
    void run(const QString& sql, bool everyRow);
    // Runs a statement with its values bound.
    void run(const QString& sql, const QVariantHash& values, bool everyRow);
    void clear() { model_.clear(); }
    int rows() const { return model_.rowCount(); }

private:
    QSqlQueryModel model_;
    QTableView view_;
};

// The pairs most scenarios time.
constexpr int kPairs = 7;

// A look-up dialog, shown with its criterion and text chosen, searched and painted, against the floor's
// statement in Qt's own model and view: its first screen, or every row where the dialog counts them all.
bool timeSearch(const QString& name, QWidget& dialog, const std::function<void()>& search, QAbstractItemView* grid,
                const std::function<int()>& found, const QString& floorSql, bool everyRow = false, double goal = 2);
