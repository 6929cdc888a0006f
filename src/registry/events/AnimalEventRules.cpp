// SPDX-License-Identifier: GPL-3.0-or-later
// Occurrence hints, the vaccination's consistency and the transfer list's animal ids.
#include "registry/events/AnimalEventRules.h"

#include "platform/db/Database.h"

#include <QStringList>

using namespace registry;

QString occurrenceTypeHint(bool closesCase, const QString& name, const QString& description) {
    return (closesCase ? kFinalizaCaso : QString()) + QStringLiteral("\n") + name + QStringLiteral("\n") +
           QStringLiteral(" : ") + description;
}

bool vaccinationConsistent(const QString& vaccine, const QString& reason, const QString& intercurrence) {
    int chosen = 0;
    for (const QString& name : {vaccine, reason, intercurrence})
        chosen += db::sameText(name, kNaoSeAplica) ? 0 : 1;
    return chosen == 1;
}

int transferAnimalId(const QString& caption) {
    const int dash = caption.indexOf(QLatin1Char('-'));
    return (dash < 0 ? caption : caption.left(dash)).trimmed().toInt();
}
