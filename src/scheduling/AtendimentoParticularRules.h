#pragma once
// The rules of the private attendances over plain values: the date typed as dd/mm/yy.

#include <QDate>
#include <QString>

// The date of "dd/mm/yy" (the mask's blanks and underscores ignored): the year 20yy, or 19yy when 20yy would
// lie after `currentYear`. An invalid date for an incomplete or impossible text.
QDate parseDataRealizacao(const QString& text, int currentYear);
