// SPDX-License-Identifier: GPL-3.0-or-later
// The bench's databases, printed prompts and Qt's model floor.
#include "BenchSetup.h"

#include "BenchMethod.h"

#include "common/schema/SchemaScripts.h"
#include "platform/db/Query.h"
#include "platform/db/Schema.h"
#include "platform/db/Upgrade.h"
#include "platform/files/Replacement.h"

#include <QApplication>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>

void PrintedPrompts::message(Prompts::Kind, const QString&, const QString& text) {
    if (expected.contains(text))
        return;
    std::fprintf(stderr, "  message: %s\n", qPrintable(text));
    failed = true;
}

QString PrintedPrompts::fileName(Prompts::Kind, const QString&, const QList<Prompts::FileType>& types, const QString&) {
    return savedFile.isEmpty() || types.isEmpty() ? savedFile : files::withSuffix(savedFile, types.first().suffix);
}

void drawn(QAbstractItemView* view) {
    QCoreApplication::processEvents();
    view->viewport()->repaint();
}

void exec(const QString& sql) { db::run(db::kMain, sql, {}); }

QString numbers(int count) {
    return QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) ").arg(count);
}

BenchDatabase::BenchDatabase(db::Engine engine, const std::function<void()>& fill) : engine_(engine) {
    if (engine == db::Engine::SQLite) {
        settings_.directory = dir_.path();
    } else {
        settings_ = postgresSettings(QStringLiteral("nurv_bench_%1").arg(QCoreApplication::applicationPid()));
        adminExec(QStringLiteral("drop database if exists %1").arg(settings_.database));
        adminExec(QStringLiteral("create database %1 encoding 'UTF8' template template0").arg(settings_.database));
    }
    db::installSchema(settings_, schemaScripts(false));
    db::connectAll(settings_);
    fill();
    db::upgradeSchema(upgradeSteps());
    exec(engine == db::Engine::SQLite ? QStringLiteral("analyze main") : QStringLiteral("analyze"));
}

BenchDatabase::~BenchDatabase() {
    db::disconnectAll();
    if (engine_ == db::Engine::PostgreSQL)
        adminExec(QStringLiteral("drop database if exists %1").arg(settings_.database));
}

bool onEachEngine(const std::function<void()>& fill, const std::function<bool(const BenchDatabase&)>& scenario) {
    bool ok = true;
    for (db::Engine engine : benchEngines()) {
        const BenchDatabase database(engine, fill);
        std::printf("  %s\n", database.name());
        std::fflush(stdout);
        ok = scenario(database) && ok;
    }
    return ok;
}

ModelFloor::ModelFloor() {
    view_.setModel(&model_);
    view_.resize(900, 560);
    view_.show();
}

void ModelFloor::run(const QString& sql, bool everyRow) {
    model_.setQuery(sql, db::connection(db::kMain));
    while (everyRow && model_.canFetchMore())
        model_.fetchMore();
    drawn(&view_);
}

void ModelFloor::run(const QString& sql, const QVariantHash& values, bool everyRow) {
    QSqlQuery q(db::connection(db::kMain));
    q.prepare(sql);
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QVariant v = it.value();
        // A date-time as each engine stores it, as a developer binds it on SQLite.
        q.bindValue(QLatin1Char(':') + it.key(),
                    v.typeId() == QMetaType::QDateTime ? QVariant(db::storedDateTime(v.toDateTime())) : v);
    }
    q.exec();
    model_.setQuery(std::move(q));
    while (everyRow && model_.canFetchMore())
        model_.fetchMore();
    drawn(&view_);
}

bool timeSearch(const QString& name, QWidget& dialog, const std::function<void()>& search, QAbstractItemView* grid,
                const std::function<int()>& found, const QString& floorSql, bool everyRow, double goal) {
    PrintedPrompts prompts;
    dialog.resize(900, 560);
    dialog.show();
    ModelFloor floor;
    const Pairs p = pairsOf(
        kPairs,
        [&] {
            search();
            drawn(grid);
        },
        [&] { floor.run(floorSql, everyRow); });
    const int rows = found();
    printTimes(QStringLiteral("%1 rows found (the floor's %2 %3)")
                   .arg(rows)
                   .arg(everyRow ? QStringLiteral("rows") : QStringLiteral("first screen"))
                   .arg(floor.rows()),
               p, kPairs);
    return printRatio(name, p.ratio, goal) && !prompts.failed && rows > 0 && (!everyRow || rows == floor.rows());
}
