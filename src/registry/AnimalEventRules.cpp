// Occurrence dates and hints, the vaccination's consistency and the transfer list's animal ids.
#include "registry/AnimalEventRules.h"

#include <QStringList>

using namespace registry;

QDate occurrenceDate(const QString& typed, const QDate& today) {
    const QStringList parts = typed.trimmed().split(QLatin1Char('/'));
    if (parts.size() != 3)
        return {};
    bool okDay = false, okMonth = false, okYear = false;
    const int day = parts[0].trimmed().toInt(&okDay);
    const int month = parts[1].trimmed().toInt(&okMonth);
    const int year = parts[2].trimmed().toInt(&okYear);
    if (!okDay || !okMonth || !okYear || parts[2].trimmed().size() != 2)
        return {};
    const int full = 2000 + year > today.year() ? 1900 + year : 2000 + year;
    return QDate(full, month, day);  // invalid for an impossible day or month
}

bool dateBoxEmpty(const QString& typed) {
    for (const QChar c : typed) {
        if (c != QLatin1Char('/') && c != QLatin1Char('_') && !c.isSpace())
            return false;
    }
    return true;
}

QString occurrenceTypeHint(bool closesCase, const QString& name, const QString& description) {
    return (closesCase ? kFinalizaCaso : QString()) + QStringLiteral("\n") + name + QStringLiteral("\n") +
           QStringLiteral(" : ") + description;
}

bool vaccinationConsistent(const QString& vaccine, const QString& reason, const QString& intercurrence) {
    int chosen = 0;
    for (const QString& name : {vaccine, reason, intercurrence})
        chosen += name.trimmed() != kNaoSeAplica ? 1 : 0;
    return chosen == 1;
}

int transferAnimalId(const QString& caption) {
    const int dash = caption.indexOf(QLatin1Char('-'));
    return (dash < 0 ? caption : caption.left(dash)).trimmed().toInt();
}
