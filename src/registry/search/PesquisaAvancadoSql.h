#pragma once
// The advanced search's statements: the items of its eight lists and the search itself.

#include "platform/db/DataSet.h"
#include "registry/search/PesquisaAvancadoRules.h"

#include <QStringList>

namespace PesquisaAvancadoSql {

// The items of each list, in the order the server gives the rows.
QStringList districtItems();
QStringList areaItems();
QStringList neighbourhoodItems();
QStringList groupItems();
QStringList speciesItems();
QStringList breedItems();
QStringList sizeItems();
QStringList coatItems();

// The search's select list and joins, one line each; the conditions follow them.
const QStringList& selectLines();

// Opens `data` on the search with `filter`, ordered by `orderBy`.
void open(db::DataSet& data, const SearchFilter& filter, const QString& orderBy);

}  // namespace PesquisaAvancadoSql
