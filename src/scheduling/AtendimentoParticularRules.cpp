// The private attendances' date rule.
#include "scheduling/AtendimentoParticularRules.h"

#include <QStringList>

QDate parseDataRealizacao(const QString& text, int currentYear) {
    QString clean = text;
    clean.remove(QLatin1Char('_')).remove(QLatin1Char(' '));
    const QStringList parts = clean.split(QLatin1Char('/'));
    if (parts.size() != 3 || parts[0].size() != 2 || parts[1].size() != 2 || parts[2].size() != 2)
        return {};
    bool okDay = false, okMonth = false, okYear = false;
    const int day = parts[0].toInt(&okDay), month = parts[1].toInt(&okMonth), yy = parts[2].toInt(&okYear);
    if (!okDay || !okMonth || !okYear)
        return {};
    const int year = 2000 + yy > currentYear ? 1900 + yy : 2000 + yy;
    return QDate(year, month, day);
}
