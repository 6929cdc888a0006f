// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rules of an animal's events (occurrences, vaccinations, changes of owner) over plain values.

#include <QDate>
#include <QString>

// The hint of a chosen occurrence type: the closing note when it closes the case, its name, its description.
QString occurrenceTypeHint(bool closesCase, const QString& name, const QString& description);

// A vaccination records exactly one of a vaccine given, a reason for not vaccinating or an intercurrence:
// exactly one of the three chosen names differs from "Não se aplica".
bool vaccinationConsistent(const QString& vaccine, const QString& reason, const QString& intercurrence);

// The animal of an item of the transfer lists: the number before the first "-" of "id - nome"; 0 when none.
int transferAnimalId(const QString& caption);

namespace registry {
inline const QString kNaoSeAplica = QStringLiteral("Não se aplica");
inline const QString kFinalizaCaso = QStringLiteral("Esta ocorrência finaliza o caso.");
}  // namespace registry
