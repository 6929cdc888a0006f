// SPDX-License-Identifier: GPL-3.0-or-later
// The upgrade of the database at start, its progress window and the administrator's notice of a refused step.
#include "shell/shared/DatabaseUpgrade.h"

#include "common/Prompts.h"
#include "common/access/Session.h"
#include "common/schema/SchemaScripts.h"

using namespace shell;

namespace {

db::UpgradeOutcome g_outcome;  // of this start's upgrade
bool g_told = false;

QString stepNumber(const db::UpgradeStep& step) { return QStringLiteral("%1").arg(step.number, 3, 10, QChar(u'0')); }

}  // namespace

void upgradeAtStart() {
    g_outcome = {};
    g_told = false;
    const QList<db::UpgradeStep> steps = upgradeSteps();
    if (db::pendingUpgrade(steps).empty())
        return;
    const db::Settings settings = db::settings();
    db::disconnectAll();
    Prompts::runAside(kAtualizandoBanco, [&](const Prompts::AsideProgress& progress) {
        g_outcome = db::upgradeSchema(settings, steps, progress);
    });
    db::connectAll(settings);
}

QString upgradeNotice(const db::UpgradeOutcome& outcome) {
    if (outcome.complete())
        return {};
    QStringList missing;
    if (!outcome.missing.isEmpty()) {
        const QString first = stepNumber(outcome.missing.first()), last = stepNumber(outcome.missing.last());
        missing << (first == last ? QStringLiteral("o passo %1").arg(first)
                                  : QStringLiteral("os passos %1 a %2").arg(first, last)) +
                       QStringLiteral(" (db/upgrade)");
    }
    if (outcome.foldMissing)
        missing << QStringLiteral("a reconstrução dos índices sobre fold()");
    QString todo;
    switch (outcome.refusal) {
    case db::UpgradeRefusal::Privilege: todo = kComoDonoDasTabelas; break;
    case db::UpgradeRefusal::ReadOnly: todo = kComGravacao; break;
    case db::UpgradeRefusal::DiskFull: todo = kLibereEspaco; break;
    default: todo = kInicieNovamente; break;
    }
    return QStringLiteral("%1\nFalta: %2.\nMotivo: %3\n%4 %5")
        .arg(kAtualizacaoIncompleta, missing.join(QStringLiteral(" e ")), outcome.reason, todo, kAteLa);
}

void tellAdministratorOfUpgrade() {
    const QString notice = upgradeNotice(g_outcome);
    if (notice.isEmpty() || g_told || PerfilLogado.trimmed() != QLatin1String("1000"))
        return;
    g_told = true;
    Prompts::warning(notice);
}
