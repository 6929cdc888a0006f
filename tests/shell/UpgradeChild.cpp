// SPDX-License-Identifier: GPL-3.0-or-later
// The upgrade of a database in a process of its own, so that a test can give it a full disk (a file-size limit)
// or start ten together. Prints how it ended: "complete", or the refusal, the steps left and the reason.
//   upgrade_child <SQLite folder | PostgreSQL database (NURV_TEST_ENGINE=postgres)> <size limit in bytes, 0: none>

#include "FullDisk.h"
#include "TestDatabase.h"

#include "common/schema/SchemaScripts.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    limitFileSize(args.value(2).toULongLong());
    db::Settings settings;
    if (testingPostgres())
        settings = postgresTestSettings(args.value(1));
    else
        settings.directory = args.value(1);
    const db::UpgradeOutcome outcome = db::upgradeSchema(settings, upgradeSteps());
    QTextStream out(stdout);
    if (outcome.complete()) {
        out << "complete";
        return 0;
    }
    out << "refused " << int(outcome.refusal) << " missing";
    for (const db::UpgradeStep& step : outcome.missing)
        out << ' ' << step.number;
    out << (outcome.foldMissing ? " fold" : "") << ": " << outcome.reason;
    return 0;
}
