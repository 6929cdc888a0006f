// SPDX-License-Identifier: GPL-3.0-or-later
// The professionals report.

#include "registers/URelProfissional.h"

#include "common/ReportParts.h"
#include "registers/ProfissionalSql.h"

namespace {

QString trimmed(const report::Context& c, const char* field) { return c.text(QString::fromLatin1(field)).trimmed(); }

}  // namespace

TfrmRelProficional::TfrmRelProficional() {
    setTitle(QStringLiteral("Profissionais cadastrados."));
    setMargins(2.6);
    const qreal w = bodyRectMm().width();
    profissionalsql::prepareReport(qryPrincipal);
    setData(reportData(qryPrincipal));

    report::Band& header = addBand(report::BandType::PageHeader, 22);
    addReportHeading(header, QStringLiteral("Rel.:042"), QStringLiteral("Profissionais cadastrados."), w);
    header
        .addExpression(QRectF(0, 15, w, 5),
                       [](const report::Context& c) { return QVariant(trimmed(c, "nome_unidade_trabalho")); })
        .setBold();

    // Room for three phones.
    const qreal phones = w * 0.30, mail = w * 0.72, status = w * 0.92;
    report::Group& group = addGroup(QStringLiteral("id_unidade_trabalho"));
    report::Band& groupHeader = group.addHeader(13);
    groupHeader
        .addExpression(QRectF(0, 1, w, 5),
                       [](const report::Context& c) { return QVariant(trimmed(c, "nome_unidade_trabalho")); })
        .setBold();
    // Each column a millimetre short of the next.
    groupHeader.addLabel(QRectF(0, 7, phones - 1, 5), QStringLiteral("Profissional:")).setBold();
    groupHeader.addLabel(QRectF(phones, 7, mail - phones - 1, 5), QStringLiteral("Telefones")).setBold();
    groupHeader.addLabel(QRectF(mail, 7, status - mail - 1, 5), QStringLiteral("E-mail")).setBold();
    groupHeader.addLabel(QRectF(status, 7, w - status, 5), QStringLiteral("Status")).setBold();

    report::Band& detail = addBand(report::BandType::Detail, 6);
    detail.addExpression(QRectF(0, 0.5, phones - 1, 5), [](const report::Context& c) {
        return QVariant(trimmed(c, "id_profissional") + QStringLiteral(" - ") + trimmed(c, "nome_profissional"));
    });
    detail.addExpression(QRectF(phones, 0.5, mail - phones - 1, 5), [](const report::Context& c) {
        return QVariant(QStringList{trimmed(c, "telefone_residencial"), trimmed(c, "telefone_celular"),
                                    trimmed(c, "telefone_recado")}
                            .join(QStringLiteral(" / ")));
    });
    detail.addField(QRectF(mail, 0.5, status - mail - 1, 5), QStringLiteral("email"));
    detail.addField(QRectF(status, 0.5, w - status, 5), QStringLiteral("ind_status"));

    report::Band& groupFooter = group.addFooter(7);
    groupFooter.addLabel(QRectF(0, 1, 40, 5), QStringLiteral("Total na unidade:")).setBold();
    groupFooter.addExpression(QRectF(40, 1, 30, 5), [](const report::Context& c) { return QVariant(c.count()); });

    report::Band& summary = addBand(report::BandType::Summary, 8);
    summary.addLabel(QRectF(0, 2, 40, 5), QStringLiteral("Total geral:")).setBold();
    summary.addExpression(QRectF(40, 2, 30, 5), [](const report::Context& c) { return QVariant(c.count()); });

    addPageNumber(addBand(report::BandType::PageFooter, 7), w);
}
