// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reference tables' statements: the search select built from a table's description, the look-up lists and
// names of the registers, and the selects of the list reports.

#include "platform/db/Query.h"

#include <QString>
#include <QStringList>
#include <QVariant>

namespace referencesql {

// The search dialog's rows: the key and the name in capitals.
QString searchSql(const QString& key, const QString& table);

// A look-up list of the registers, opened into `q`.
void openList(db::Query& q, const QString& listSql);
// The first column of a name look-up (":id" takes `id`), trimmed; empty without a row.
QString lookedUpText(const QString& lookupSql, const QVariant& id);

// The look-up lists: species (id_especie, nome, descricao), sizes and coats (key, descricao) and measure
// units (id_Unidade_Medida, nome, descricao); the name of a measure unit by its key.
QString speciesList();
QString sizeList();
QString coatList();
QString measureUnitList();
QString measureUnitName();

// The list reports' selects.
QString groupReport();
QString speciesReport();
QString breedReport();
QString coatReport();
QString sizeReport();
QString attendanceStatusReport();
QString measureUnitReport();
QString medicineReport();
QString procedureTypeReport();
QString occurrenceTypeReport();
QString weightTextReport();

}  // namespace referencesql
