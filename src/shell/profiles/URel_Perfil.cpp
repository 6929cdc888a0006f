// SPDX-License-Identifier: GPL-3.0-or-later
// REL001's layout: the profiles and their rights on every form.
#include "shell/profiles/URel_Perfil.h"

#include "common/ReportParts.h"
#include "platform/db/Database.h"
#include "shell/profiles/PerfilSql.h"

QString rightsFormName(const QString& formType, const QString& formName) {
    if (db::sameText(formType, QStringLiteral("F")))
        return QStringLiteral("Formulário :") + formName;
    if (db::sameText(formType, QStringLiteral("R")))
        return QStringLiteral("Relatório :") + formName;
    return QStringLiteral("-----------------");
}

TfrmRel_Perfil::TfrmRel_Perfil() {
    setTitle(QStringLiteral("Grupo de usuário cadastrado"));
    setOrientation(report::Orientation::Landscape);
    setMargins(2.6);
    const qreal w = bodyRectMm().width();
    perfilsql::prepareRightsReport(qryPerfil);
    setData(reportData(qryPerfil));

    static const char* rights[5] = {"visualizar", "incluir", "alterar", "excluir", "imprimir"};
    static const char* headings[5] = {"Visualizar:", "Incluir:", "Alterar:", "Excluir:", "Imprimir:"};
    const qreal first = w * 0.55, step = (w - first) / 5;

    report::Band& header = addBand(report::BandType::PageHeader, 22);
    addReportHeading(header, QStringLiteral("REL001"), QStringLiteral("Grupo de usuário cadastrado"), w);
    for (int i = 0; i < 5; ++i)
        header.addLabel(QRectF(first + i * step, 16, step, 5), QString::fromLatin1(headings[i])).setBold();

    report::Group& group = addGroup(QStringLiteral("nome_perfil"));
    report::Band& groupHeader = group.addHeader(13).setGrows();
    groupHeader.addField(QRectF(0, 1, w, 5), QStringLiteral("nome_perfil")).setBold();
    groupHeader
        .addExpression(QRectF(0, 7, w, 5),
                       [](const report::Context& c) {
                           return QVariant(QStringLiteral("Descrição: ") + c.text(QStringLiteral("desc_perfil")));
                       })
        .setWordWrap();

    report::Band& detail = addBand(report::BandType::Detail, 6);
    detail.addExpression(QRectF(4, 0.5, first - 6, 5), [](const report::Context& c) {
        return QVariant(rightsFormName(c.text(QStringLiteral("tipo_form")), c.text(QStringLiteral("nome_form"))));
    });
    for (int i = 0; i < 5; ++i)
        detail.addField(QRectF(first + i * step, 0.5, step, 5), QString::fromLatin1(rights[i]));

    addPageNumber(addBand(report::BandType::PageFooter, 7), w);
}
