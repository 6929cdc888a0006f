// The leishmaniasis results query's criteria, colours and columns.

#include "registry/search/LeishmanioseRules.h"

#include "platform/db/Database.h"

using namespace registry;

bool LvcCriteria::blank() const {
    return animal.trimmed().isEmpty() && street.trimmed().isEmpty() && number.trimmed().isEmpty() &&
           sample.trimmed().isEmpty();
}

SearchFilter lvcFilter(const LvcCriteria& c) {
    SearchFilter f;
    auto add = [&f](const QString& line, const char* name, const QVariant& value) {
        f.lines << line;
        f.params.insert(QString::fromLatin1(name), value);
    };
    if (!c.sample.trimmed().isEmpty())
        add(QStringLiteral(" and fold(trim(b.codAmostra)) = fold(:amostra)"), "amostra", c.sample.trimmed());
    if (!c.animal.trimmed().isEmpty())
        add(QStringLiteral(" and ") + db::foldedLike(QStringLiteral("b.nomecao"), QStringLiteral("nomecao")), "nomecao",
            db::likePrefix(c.animal.trimmed()));
    if (!c.street.trimmed().isEmpty())
        add(QStringLiteral(" and ") + db::foldedLike(QStringLiteral("b.desclograd"), QStringLiteral("lograd")), "lograd",
            db::likeContains(c.street.trimmed()));
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

QColor lvcColour(const QString& result, const QString& confirmation) {
    if (confirmation.trimmed() != QLatin1String("OK"))
        return {};
    const QString r = result.trimmed();
    if (r == QLatin1String("PO") || r == QLatin1String("RE"))
        return Qt::red;
    if (r == QLatin1String("NR"))
        return Qt::blue;
    if (r == QLatin1String("IN") || r == QLatin1String("MO"))
        return Qt::darkGreen;
    return {};
}

const QList<LvcColumn>& lvcColumns() {
    static const QList<LvcColumn> columns{
        {"Resultado exame.", "resultamostra", "b.resultamostra"},
        {"Conf. resultado", "confamostra", "b.confamostra"},
        {"Inquerito", "numinca", "b.numinca"},
        {"Distrito", "numdistrito", "a.numdistrito"},
        {"Cód. Amostra", "codAmostra", "b.codAmostra"},
        {"Proprietário", "nompropri", "b.nompropri"},
        {"Animal", "nomecao", "b.nomecao"},
        {"Sexo", "caosexo", "b.caosexo"},
        {"Tipo Lograd.:", "tipolograd", "b.tipolograd"},
        {"Logradouro", "desclograd", "b.desclograd"},
        {"Nº Imovel", "numendprop", "b.numendprop"},
        {"Complemento", "aptocomprop", "b.aptocomprop"},
        {"Boletim", "numboletim", "b.numboletim"},
        {"Quadra", "numquart", "b.numquart"},
        {"Dt. confirmação", "dtconfamostra", "b.dtconfamostra"},
        {"tpocorlaudo", "tpocorlaudo", "b.tpocorlaudo"},
        {"Sexo", "caosexo", "b.caosexo"},
        {"Cód. lab.", "codlab", "a.codlab"},
    };
    return columns;
}
