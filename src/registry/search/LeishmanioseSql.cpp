// The leishmaniasis results query's statement.

#include "registry/search/LeishmanioseSql.h"

namespace LeishmanioseSql {

void open(db::DataSet& data, const SearchFilter& filter, const QString& orderBy) {
    db::Query& q = data.query();
    q.clear();
    q << " select b.codAmostra, b.numboletim, b.nompropri, b.tipolograd, b.desclograd, b.numendprop, "
      << " b.aptocomprop, b.nomecao, b.resultamostra, b.confamostra, b.dtconfamostra, "
      << " b.numinca, b.numquart, b.tpocorlaudo, "
      << " a.numdistrito, a.dtcoleta, a.catboletim, a.numproto, a.codlab, b.caosexo  "
      << " from sa001041 a, sa001042 b "
      << " where a.numinca = b.numinca "
      << " and a.numdistrito = b.numdistrito "
      << " and  a.numboletim = b.numboletim ";
    for (const QString& line : filter.lines)
        q << line;
    if (!orderBy.isEmpty())
        q << QStringLiteral(" order by ") + orderBy;
    for (auto it = filter.params.begin(); it != filter.params.end(); ++it)
        q.bind(it.key(), it.value());
    data.open();
}

}  // namespace LeishmanioseSql
