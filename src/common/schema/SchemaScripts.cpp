// SPDX-License-Identifier: GPL-3.0-or-later
// The schema scripts read from the program's resources, and the rows of the epidemiological weeks.
#include "common/schema/SchemaScripts.h"

#include "common/rules/EpiWeeks.h"

#include <QDir>
#include <QFile>

namespace {

QString resource(const QString& name) {
    QFile f(QStringLiteral(":/db/") + name);
    if (!f.open(QIODevice::ReadOnly))
        throw db::Error(QStringLiteral("Script não encontrado: %1").arg(name));
    return QString::fromUtf8(f.readAll());
}

}  // namespace

QString epidemiologicalWeeksScript(int firstYear, int lastYear) {
    QString sql;
    for (int year = firstYear; year <= lastYear; ++year) {
        for (const EpiWeek& w : epiWeeksOfYear(year)) {
            sql +=
                QStringLiteral(
                    R"(
                        insert into semana_epidemiologica (nrideano, nridesep, dtinisep, dtfimsep, dsidesep)
                        values (%1, %2, '%3 00:00:00', '%4 00:00:00', 'SEMANA %2/%1');
                    )")
                    .arg(year)
                    .arg(w.week)
                    .arg(w.first.toString(QStringLiteral("yyyy-MM-dd")), w.last.toString(QStringLiteral("yyyy-MM-dd")));
        }
    }
    return sql;
}

QList<db::UpgradeStep> upgradeSteps() {
    QList<db::UpgradeStep> steps;
    const QString folder = QStringLiteral("upgrade");
    for (const QString& file :
         QDir(QStringLiteral(":/db/") + folder).entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name)) {
        const QString name = file.chopped(4);
        steps.append({name.section(QLatin1Char('-'), 0, 0).toInt(), name, resource(folder + QLatin1Char('/') + file)});
    }
    return steps;
}

QList<db::Script> schemaScripts(bool seed) {
    QList<db::Script> scripts{{db::Target::Main, resource(QStringLiteral("main.sql"))},
                              {db::Target::Padrao, resource(QStringLiteral("padrao.sql"))},
                              {db::Target::Kelvo, resource(QStringLiteral("zzoo01.sql"))}};
    if (seed) {
        scripts.append({db::Target::Main, resource(QStringLiteral("seed.sql"))});
        scripts.append({db::Target::Padrao, resource(QStringLiteral("padrao_seed.sql"))});
        scripts.append({db::Target::Main, epidemiologicalWeeksScript(2000, 2040)});
    }
    return scripts;
}
