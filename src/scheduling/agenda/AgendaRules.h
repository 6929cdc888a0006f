// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pure rules of the agenda and its reports: the period a filter covers, the status bar's text, the id of
// a selection entry and the contact phone the daily agenda prints.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>
#include <utility>

enum class AgendaPeriod { Dia, Mes, Ano };

// The half-open range [from, to) of the day, month or year holding `day`.
std::pair<QDateTime, QDateTime> periodRange(const QDate& day, AgendaPeriod period);

// Whole days from `first` to `last`: [first 00:00, last + 1 00:00).
std::pair<QDateTime, QDateTime> daysRange(const QDate& first, const QDate& last);

// "Total registro do dia :3 Total de registro na semana: 9" ("dia", "mês" or "ano").
QString weekStatusText(AgendaPeriod period, int dayCount, int weekCount);

// The statistics' heading: "Dados dos dia dd/mm/yyyy", "Dados do mês mm/yyyy" or "Dados anual :yyyy".
QString statisticsHeading(const QDate& day, AgendaPeriod period);

// The id of a selection entry "12 - CENTRO": the text before its first " - ", trimmed. "0 - Todos" gives 0
// and the bare text "Todos" gives -1 (both: all). Blank text or an id that is no whole number: none.
std::optional<int> entryId(const QString& text);

// The contact phone of the daily agenda: the first phone holding a digit among home, mobile and message,
// without its area code (10 characters from the 5th), a mobile or message phone after ";", then "...".
// Empty without a phone.
QString contactPhone(const QString& home, const QString& mobile, const QString& message);
