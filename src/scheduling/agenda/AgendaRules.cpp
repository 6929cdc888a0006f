// SPDX-License-Identifier: GPL-3.0-or-later
// The agenda's periods, status text, selection entries and contact phones.
#include "scheduling/agenda/AgendaRules.h"

#include <QList>

std::pair<QDateTime, QDateTime> periodRange(const QDate& day, AgendaPeriod period) {
    QDate first = day, next = day.addDays(1);
    if (period == AgendaPeriod::Mes) {
        first = QDate(day.year(), day.month(), 1);
        next = first.addMonths(1);
    } else if (period == AgendaPeriod::Ano) {
        first = QDate(day.year(), 1, 1);
        next = first.addYears(1);
    }
    return {QDateTime(first, QTime(0, 0)), QDateTime(next, QTime(0, 0))};
}

std::pair<QDateTime, QDateTime> daysRange(const QDate& first, const QDate& last) {
    return {QDateTime(first, QTime(0, 0)), QDateTime(last.addDays(1), QTime(0, 0))};
}

QString weekStatusText(AgendaPeriod period, int dayCount, int weekCount) {
    const QString unit = period == AgendaPeriod::Dia   ? QStringLiteral("dia")
                         : period == AgendaPeriod::Mes ? QStringLiteral("mês")
                                                       : QStringLiteral("ano");
    return QStringLiteral("Total registro do %1 :%2 Total de registro na semana: %3")
        .arg(unit)
        .arg(dayCount)
        .arg(weekCount);
}

QString statisticsHeading(const QDate& day, AgendaPeriod period) {
    switch (period) {
    case AgendaPeriod::Dia: return QStringLiteral("Dados dos dia ") + day.toString(QStringLiteral("dd/MM/yyyy"));
    case AgendaPeriod::Mes: return QStringLiteral("Dados do mês ") + day.toString(QStringLiteral("MM/yyyy"));
    case AgendaPeriod::Ano: break;
    }
    return QStringLiteral("Dados anual :") + day.toString(QStringLiteral("yyyy"));
}

std::optional<int> entryId(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed == QLatin1String("Todos"))
        return -1;
    const int dash = trimmed.indexOf(QLatin1String(" - "));
    bool number = false;
    const int id = (dash < 0 ? trimmed : trimmed.left(dash)).trimmed().toInt(&number);
    if (!number)
        return std::nullopt;
    return id;
}

QString contactPhone(const QString& home, const QString& mobile, const QString& message) {
    const auto hasDigit = [](const QString& s) {
        for (QChar c : s)
            if (c.isDigit())
                return true;
        return false;
    };
    const QList<std::pair<QString, QString>> phones{
        {home, QString()}, {mobile, QStringLiteral(";")}, {message, QStringLiteral(";")}};
    for (const auto& [phone, prefix] : phones)
        if (hasDigit(phone)) {
            const QString taken = prefix + phone.mid(4, 10);
            return taken.trimmed().isEmpty() ? QString() : taken + QStringLiteral("...");
        }
    return {};
}
