// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statements of the prescriptions of an attendance, the texts by weight and the standard text (row 1
// of receituario_padrao).

#include "platform/db/DataSet.h"

namespace receituariosql {

// The attendance's prescriptions; none for a blank id.
void selectOf(db::DataSet& data, const QVariant& attendanceId);
// Inside the caller's transaction: the highest key plus one (1 on an empty table), db::nextKey().
int nextKey();
// The prescription as read (kRegistroAlterado when another workstation changed it meanwhile).
void remove(const QVariant& key, const db::RowValues& read);

db::RowSet weightTexts();  // id_receituario_texto_peso, peso, texto; in the server's order

// The standard text: its data set (row 1, or none), its text, and the save of "&Gravar" (inside the caller's
// transaction). Row 1 as read (`read`) is written only while unchanged; without it, row 1 is inserted when
// it is missing.
void selectStandard(db::DataSet& data);
void selectNoStandard(db::DataSet& data);
QString standardText();
void writeStandard(const QString& text, const db::RowValues& read);

// The name of a work unit, empty when none.
QString unitName(const QVariant& unitId);

// REL001: the standard prescription's text.
void prepareStandardReport(db::Query& q);

}  // namespace receituariosql
