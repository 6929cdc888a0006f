// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the exports decide without a database: the columns an operator may export and their dBase fields,
// the whole-day periods, the staging table's columns and data dictionary, and the export limit.

#include "platform/dbase/DbfWriter.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// --- the animal export (044) ---

// One row of the check list: what it shows, the select-list item it stands for and the field it becomes.
struct AnimalColumn {
    QString caption;
    QString description;
    QString select;  // "b.nome as nome_Prop"
    dbase::Field field;
};

// The 39 rows, in the list's order.
const QList<AnimalColumn>& animalColumns();

// The select list of the ticked rows, in row order; empty when none is ticked.
QString animalSelectList(const QList<int>& ticked);
QList<dbase::Field> animalFields(const QList<int>& ticked);

// --- periods ---

// Whole days from `start` to `end`, both included: from start 00:00 up to (not including) the day after end.
struct Period {
    QDateTime from;
    QDateTime before;
};
Period wholeDays(const QDate& start, const QDate& end);

// --- the staging table Exportacao2 (049) ---

namespace exports {
inline constexpr int kExportLimit = 120000;
}  // namespace exports

// A column of Exportacao2 in the table's order: its field and, for the 57 the grid shows, title and width.
struct StagingColumn {
    dbase::Field field;
    QString title;  // empty: exported but not shown
    int width = 150;
};
const QList<StagingColumn>& stagingColumns();
QList<dbase::Field> stagingFields();

// The text file that describes the export's columns, one line each.
QStringList stagingDictionary();

// The warning of a search that found more rows than an export may hold.
QString limitWarning(int rows);

// The dictionary's file beside a table file.
inline QString dictionaryFileName(const QString& tableFile) { return tableFile + QStringLiteral(".txt"); }

// --- the scheduling export (060) ---

// The 32 fields, in order; the two last are the year and the month of the attendance.
QList<dbase::Field> schedulingFields();
