// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads of the city's street register (the read-only padrao database): streets by code and by name, postal
// codes, the postal code of a house number, the neighbourhoods of a street, the coverage areas of a
// district, the buildings of a street with the coordinates of a house, and the street search.

#include "platform/db/Query.h"
#include "registry/address/AddressRules.h"

#include <QString>
#include <optional>

namespace streetsql {

// A street of the register as an address takes it.
struct Street {
    QVariant code;           // NUM_LOGR
    QVariant sequence;       // NUM_SEQU_LOGR
    QString type;            // TIP_LOGR
    QString name;            // NOM_LOGR
    QVariant neighbourhood;  // NUM_BAIR, null when the row has none
    QString neighbourhoodName;
};

// Streets whose current name (sequence 1) has the code: distinct num_logr, nom_logr.
db::RowSet byCode(const QString& code);

// How many streets carry exactly that name.
int countByName(const QString& name);
// The street of that name with a neighbourhood of class "O" or "P", when exactly one street has the name.
std::optional<Street> uniqueByName(const QString& name);

// The postal code's digits: the typed text without its "-".
QString postalDigits(const QString& typed);
// The street a postal code of eight digits belongs to.
std::optional<int> streetOfPostalCode(const QString& digits);
// The current name of a street (type, code, sequence, name).
std::optional<Street> currentName(int streetCode);

// The postal code whose house-number range holds the number. `sameSideOnly`: only the side of the
// number's parity ("I" odd, "P" even); else that side is preferred and any side in range taken after it.
// Empty when none holds it.
QString postalCodeByNumber(int streetCode, int number, bool sameSideOnly);

// Neighbourhoods (NUM_BAIR, NOM_BAIR, TIP_BAIR) of class "P" of a street; every one of that class when the
// street has none or no code is given.
db::RowSet neighbourhoods(const QString& streetCode);

// Neighbourhoods (num_bair, nom_bair, tip_bair) of classes "O" and "P": each name and type once, with its
// lowest number, by name and type.
db::RowSet neighbourhoodsByName();

// Coverage areas (cod_area_abrn, des_area_abrn) of a health district, the active ones only when asked; all
// areas without a district.
db::RowSet areas(const QVariant& district = {}, bool activeOnly = true);

// Street types (Tip_Logr, Des_Tip_Logr).
db::RowSet streetTypes();

// The buildings of a street with their coordinates.
QList<Building> buildings(int streetCode);

// The street search: the criterion ("Núm lograd.", "Logradouro", "Núm. bairro", "Bairro") and its text.
inline const QString kCriterionCode = QStringLiteral("Núm lograd.");
inline const QString kCriterionName = QStringLiteral("Logradouro");
inline const QString kCriterionNeighbourhoodCode = QStringLiteral("Núm. bairro");
inline const QString kCriterionNeighbourhood = QStringLiteral("Bairro");
// Fills `query` (on the register's connection) with the search statement, by street name or by the result's
// column `orderBy` when one is given.
void prepareSearch(db::Query& query, const QString& criterion, const QString& text, const QString& orderBy = {});

}  // namespace streetsql

// The coordinates of a house of a street of the register, with their grade (see geocode); a failure to read
// the register gives "NÃO ENCONTRADO" at 0, 0.
Coordinates CalculaCoordenadas(int streetCode, int number);
