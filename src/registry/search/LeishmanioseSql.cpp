// SPDX-License-Identifier: GPL-3.0-or-later
// The leishmaniasis results query's statement and conditions.

#include "registry/search/LeishmanioseSql.h"

#include "platform/db/Search.h"

using namespace registry;

namespace leishmaniosesql {

SearchFilter lvcFilter(const LvcCriteria& c) {
    SearchFilter f;
    auto add = [&f](const QString& line, const char* name, const QVariant& value) {
        f.lines << line;
        f.params.insert(QString::fromLatin1(name), value);
    };
    if (!c.sample.trimmed().isEmpty())
        add(QStringLiteral(" and fold(trim(b.codAmostra)) = fold(:amostra)"), "amostra", c.sample.trimmed());
    // The name at the beginning, the street anywhere; a % or _ typed stands for any text or character.
    if (!c.animal.trimmed().isEmpty())
        f.andFolded(
            db::foldedPattern(QStringLiteral("b.nomecao"), QStringLiteral("nomecao"), c.animal.trimmed(), false));
    if (!c.street.trimmed().isEmpty())
        f.andFolded(
            db::foldedPattern(QStringLiteral("b.desclograd"), QStringLiteral("lograd"), c.street.trimmed(), true));
    if (!c.number.trimmed().isEmpty()) {
        bool number = false;
        const int value = c.number.trimmed().toInt(&number);
        if (!number)
            throw InvalidCriterion(QStringLiteral("edtNumero"), kValorInvalido.arg(QStringLiteral("Numero")));
        add(QStringLiteral(" and b.numendprop = :numero"), "numero", value);
    }
    f.folds = !f.lines.isEmpty();
    return f;
}

QString sortExpression(const QString& field) {
    static const QHash<QString, QString> expressions{
        {"resultamostra", "b.resultamostra"},
        {"confamostra", "b.confamostra"},
        {"numinca", "b.numinca"},
        {"numdistrito", "a.numdistrito"},
        {"codAmostra", "b.codAmostra"},
        {"nompropri", "b.nompropri"},
        {"nomecao", "b.nomecao"},
        {"caosexo", "b.caosexo"},
        {"tipolograd", "b.tipolograd"},
        {"desclograd", "b.desclograd"},
        {"numendprop", "b.numendprop"},
        {"aptocomprop", "b.aptocomprop"},
        {"numboletim", "b.numboletim"},
        {"numquart", "b.numquart"},
        {"dtconfamostra", "b.dtconfamostra"},
        {"tpocorlaudo", "b.tpocorlaudo"},
        {"codlab", "a.codlab"},
    };
    return expressions.value(field);
}

void open(db::DataSet& data, const SearchFilter& filter, const QString& sortField) {
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
    if (const QString sorted = sortExpression(sortField); !sorted.isEmpty())
        q << QStringLiteral(" order by ") + sorted;
    for (auto it = filter.params.begin(); it != filter.params.end(); ++it)
        q.bind(it.key(), it.value());
    data.open();
}

}  // namespace leishmaniosesql
