// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The advanced search's statements: the items of its eight lists, its criteria as conditions with bound
// values, the search itself and the expression each column of its grid sorts by.

#include "platform/db/DataSet.h"
#include "platform/db/Search.h"
#include "registry/search/PesquisaAvancadoRules.h"

#include <QStringList>
#include <QVariantHash>

// Conditions appended after the joins of a search, each on a line of its own, with their values.
struct SearchFilter {
    QStringList lines;
    QVariantHash params;
    bool folds = false;  // some condition compares folded texts

    // Adds a condition over folded texts (db::foldedPattern() and its kin) after " and ".
    void andFolded(const db::Condition& condition) {
        lines << QStringLiteral(" and ") + condition.sql;
        params.insert(condition.values);
        folds = true;
    }
};

namespace pesquisaavancadosql {

// The items of each list, in the order the server gives the rows.
QStringList districtItems();
QStringList areaItems();
QStringList neighbourhoodItems();
QStringList groupItems();
QStringList speciesItems();
QStringList breedItems();
QStringList sizeItems();
QStringList coatItems();

// One criterion: its control, the caption named when its value is refused, the column it compares and how.
enum class Match { Equal, Prefix, Contains, ListId, Number, Document, Microchip };
struct Criterion {
    QString control;
    QString caption;
    QString column;
    Match match;
};
const QList<Criterion>& advancedCriteria();

// The conditions of the criteria, starting with the owner status. Text criteria compare folded on both sides
// as LIKE patterns whose "%" and "_" typed stay wildcards; numbers and list ids are parsed first. Throws
// InvalidCriterion.
SearchFilter searchFilter(const AdvancedCriteria& criteria);

// The search's select list and joins, one line each; the conditions follow them.
const QStringList& selectLines();

// The expression of the search statement that the grid column showing `field` sorts by; empty for none.
QString sortExpression(const QString& field);

// The rows the search with `filter` finds, counted by a statement of its own over the same joins.
int count(const SearchFilter& filter);

// Opens `data` on the search with `filter`, ordered by the grid column showing `sortField`, else by owner
// and animal.
void open(db::DataSet& data, const SearchFilter& filter, const QString& sortField = {});

}  // namespace pesquisaavancadosql
