// REL049: owners and the animals they have had, one group per owner, for one owner or for all.
#include "registry/owner/URelProprietarioGeral.h"

#include "common/ReportParts.h"

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
    qryPrincipal
        << "select a.id_proprietario, a.nome, a.Telefone_Residencial, a.Telefone_Celular, a.Telefone_Recado,"
        << " a.Num_CPF_CNPJ, a.Tipo_Pessoa, a.Num_CI, a.Id_Endereco,"
        << " e.Id_Distrito, e.COD_AREA_ABRN, e.NUM_LOGR, e.NUM_SEQU_LOGR, e.TIP_LOGR, e.NOM_LOGR, e.NUM_IMOV_LOGR,"
        << " e.DES_CMPL_ENDR, e.NUM_BAIR, e.NOM_BAIR, e.NUM_CEP, e.num_locl, e.nom_locl,"
        << " h.Id_Histo_Muda_Proprietario, h.id_animal, h.dt_muda_proprietario, h.Id_Proprietario as idProprietarioAtual,"
        << " n.Id_Animal as Animal, n.Id_Especie, n.Id_Raca, n.Id_Grupo_Animal, n.Nome as NomeAnimal, n.Sexo,"
        << " n.Data_Nascimento, n.Esterilizado, n.Num_Microchip,"
        << " s.Nome as nome_especie, r.Nome as nome_raca, g.Nome as nome_grupo_animal"
        << " from proprietario a"
        << " left join endereco e on (a.Id_Endereco = e.Id_Endereco)"
        << " left join histo_muda_proprietario h on (h.Id_Proprietario = a.id_proprietario)"
        << " left join animal n on (n.Id_Animal = h.id_animal)"
        << " left join especie s on (s.Id_Especie = n.Id_Especie)"
        << " left join raca r on (r.Id_Raca = n.Id_Raca)"
        << " left join grupo_animal g on (g.Id_Grupo_Animal = n.Id_Grupo_Animal)"
        << " where 1=1";
    if (ownerId) {
        qryPrincipal << " and a.id_proprietario = :owner";
        qryPrincipal.bind(QStringLiteral("owner"), *ownerId);
    }
    qryPrincipal << " order by a.nome, a.id_proprietario, h.Id_Histo_Muda_Proprietario";
    setData(largeReportData(qryPrincipal));

    addReportHeading(addBand(report::BandType::Title, 16), QStringLiteral("REL049"),
                     QStringLiteral("Relatório de Animais por Proprietário"), w);

    report::Band& header = addGroup(QStringLiteral("id_proprietario")).addHeader(30);
    header.addField(QRectF(0, 1, w * 0.7 - 1, 5), QStringLiteral("nome")).setBold();
    header.addExpression(QRectF(w * 0.7, 1, w * 0.3, 5), [](const report::Context& c) {
        return QVariant(QStringLiteral("Pessoa ") + c.text(QStringLiteral("Tipo_Pessoa")));
    });
    header.addExpression(QRectF(0, 7, w, 5), [](const report::Context& c) {
        return QVariant(QStringLiteral("Telefones : ") +
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
    auto line = [&detail](qreal x, qreal right, qreal y, const QString& caption, std::initializer_list<const char*> fields) {
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
