// SPDX-License-Identifier: GPL-3.0-or-later
// The leishmaniasis results query's criteria, colours and columns.

#include "registry/search/LeishmanioseRules.h"

#include "platform/db/Database.h"

bool LvcCriteria::blank() const {
    return animal.trimmed().isEmpty() && street.trimmed().isEmpty() && number.trimmed().isEmpty() &&
           sample.trimmed().isEmpty();
}

QColor lvcColour(const QString& result, const QString& confirmation) {
    if (!db::sameText(confirmation, QStringLiteral("OK")))
        return {};
    const QString r = db::fold(result.trimmed());
    if (r == QLatin1String("po") || r == QLatin1String("re"))
        return Qt::red;
    if (r == QLatin1String("nr"))
        return Qt::blue;
    if (r == QLatin1String("in") || r == QLatin1String("mo"))
        return Qt::darkGreen;
    return {};
}

const QList<LvcColumn>& lvcColumns() {
    static const QList<LvcColumn> columns{
        {"Resultado exame.", "resultamostra"},
        {"Conf. resultado", "confamostra"},
        {"Inquerito", "numinca"},
        {"Distrito", "numdistrito"},
        {"Cód. Amostra", "codAmostra"},
        {"Proprietário", "nompropri"},
        {"Animal", "nomecao"},
        {"Sexo", "caosexo"},
        {"Tipo Lograd.:", "tipolograd"},
        {"Logradouro", "desclograd"},
        {"Nº Imovel", "numendprop"},
        {"Complemento", "aptocomprop"},
        {"Boletim", "numboletim"},
        {"Quadra", "numquart"},
        {"Dt. confirmação", "dtconfamostra"},
        {"tpocorlaudo", "tpocorlaudo"},
        {"Sexo", "caosexo"},
        {"Cód. lab.", "codlab"},
    };
    return columns;
}
