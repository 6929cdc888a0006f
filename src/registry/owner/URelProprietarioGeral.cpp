// SPDX-License-Identifier: GPL-3.0-or-later
// REL049: owners and the animals they have had, one group per owner, for one owner or for all.
#include "registry/owner/URelProprietarioGeral.h"

#include "common/ReportParts.h"
#include "registry/owner/OwnerSql.h"

namespace {

QString joined(const report::Context& c, std::initializer_list<const char*> fields, const QString& separator) {
    QStringList parts;
    for (const char* f : fields)
        parts << c.text(QString::fromLatin1(f)).trimmed();
    return parts.join(separator);
}

}  // namespace

TfrmRelProprietarioGeral::TfrmRelProprietarioGeral(std::optional<int> ownerId) {
    setTitle(QStringLiteral("Relatório de Animais por Proprietário"));
    setOrientation(report::Orientation::Portrait);
    setMargins(10);
    const qreal w = bodyRectMm().width();
    ownersql::prepareOwnersReport(qryPrincipal, ownerId);
    setData(largeReportData(qryPrincipal));

    addReportHeading(addBand(report::BandType::Title, 16), QStringLiteral("REL049"),
                     QStringLiteral("Relatório de Animais por Proprietário"), w);

    report::Band& header = addGroup(QStringLiteral("id_proprietario")).addHeader(30);
    header.addField(QRectF(0, 1, w * 0.7 - 1, 5), QStringLiteral("nome")).setBold();
    header.addExpression(QRectF(w * 0.7, 1, w * 0.3, 5), [](const report::Context& c) {
        return QVariant(QStringLiteral("Pessoa ") + c.text(QStringLiteral("Tipo_Pessoa")));
    });
    header.addExpression(QRectF(0, 7, w, 5), [](const report::Context& c) {
        return QVariant(
            QStringLiteral("Telefones : ") +
            joined(c, {"Telefone_Residencial", "Telefone_Celular", "Telefone_Recado"}, QStringLiteral(" / ")));
    });
    header.addExpression(QRectF(0, 13, w * 0.5 - 1, 5), [](const report::Context& c) {
        return QVariant(QStringLiteral("RG : ") + c.text(QStringLiteral("Num_CI")));
    });
    header.addExpression(QRectF(w * 0.5, 13, w * 0.5, 5), [](const report::Context& c) {
        return QVariant(QStringLiteral("CPF/CNPJ : ") + c.text(QStringLiteral("Num_CPF_CNPJ")));
    });
    header.addExpression(QRectF(0, 19, w, 5), [](const report::Context& c) {
        return QVariant(joined(c, {"TIP_LOGR", "NOM_LOGR", "NUM_IMOV_LOGR", "DES_CMPL_ENDR"}, QStringLiteral(" ")));
    });
    header.addExpression(QRectF(0, 24, w * 0.6 - 1, 5), [](const report::Context& c) {
        return QVariant(QStringLiteral("BAIRRO : ") + c.text(QStringLiteral("NOM_BAIR")));
    });
    header.addExpression(QRectF(w * 0.6, 24, w * 0.4, 5), [](const report::Context& c) {
        return QVariant(QStringLiteral("CEP : ") + c.text(QStringLiteral("NUM_CEP")));
    });

    report::Band& detail = addBand(report::BandType::Detail, 18);
    // A caption and its values from x up to a millimetre before the next column at `right`.
    auto line = [&detail](qreal x, qreal right, qreal y, const QString& caption,
                          std::initializer_list<const char*> fields) {
        QStringList names;
        for (const char* f : fields)
            names << QString::fromLatin1(f);
        detail.addExpression(QRectF(x, y, right - x - 1, 5), [caption, names](const report::Context& c) {
            QStringList parts;
            for (const QString& n : names)
                parts << c.text(n).trimmed();
            return QVariant(caption + parts.join(QStringLiteral(" ")));
        });
    };
    line(4, w * 0.6, 1, QStringLiteral("Animal : "), {"id_animal", "NomeAnimal"});
    line(w * 0.6, w, 1, QStringLiteral("Data de Nasc : "), {"Data_Nascimento"});
    line(4, w * 0.3, 6, QStringLiteral("Sexo : "), {"Sexo"});
    line(w * 0.3, w * 0.65, 6, QStringLiteral("Grupo Animal : "), {"nome_grupo_animal"});
    line(w * 0.65, w, 6, QStringLiteral("Especie : "), {"nome_especie"});
    line(4, w * 0.3, 11, QStringLiteral("Raca : "), {"nome_raca"});
    line(w * 0.3, w * 0.65, 11, QStringLiteral("Esterilizado : "), {"Esterilizado"});
    line(w * 0.65, w, 11, QStringLiteral("Num Microchip : "), {"Num_Microchip"});

    addPageNumber(addBand(report::BandType::PageFooter, 7), w);
}
