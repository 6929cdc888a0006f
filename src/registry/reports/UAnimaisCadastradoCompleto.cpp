// SPDX-License-Identifier: GPL-3.0-or-later
// REL037: animals registered, complete.

#include "registry/reports/UAnimaisCadastradoCompleto.h"

#include "common/ReportParts.h"
#include "registry/reports/AnimalReportsRules.h"
#include "registry/reports/AnimalReportsSql.h"

namespace {

// The two figures of a level: chipped and sterilised, each with its share of the level's animals.
void addShares(report::Band& band, qreal width, const QString& chipped, const QString& sterilised) {
    band.addExpression(QRectF(0, 1, width / 2, 5),
                       [chipped](const report::Context& c) {
                           return QVariant(chipped + shareText(int(c.sum(QStringLiteral("chipado"))), c.count()));
                       })
        .setBold();
    band.addExpression(
            QRectF(width / 2, 1, width / 2, 5),
            [sterilised](const report::Context& c) {
                return QVariant(sterilised + shareText(int(c.sum(QStringLiteral("esterilizado_sim"))), c.count()));
            })
        .setBold();
}

}  // namespace

TfrmAnimaisCadastradoCompleto::TfrmAnimaisCadastradoCompleto() {
    setTitle(QStringLiteral("Animais Cadastrados Completo"));
    setOrientation(report::Orientation::Portrait);
    setMargins(10);
    const qreal w = bodyRectMm().width();
    animalreportssql::prepareComplete(qryPrincipal);
    setData(largeReportData(qryPrincipal));

    addReportHeading(addBand(report::BandType::Title, 16), QStringLiteral("REL037"),
                     QStringLiteral("Animais Cadastrados Completo"), w);

    report::Group& species = addGroup(QStringLiteral("Id_Especie"));
    species.addHeader(8).addField(QRectF(0, 1, w, 6), QStringLiteral("nome_especie")).setBold().setFontSize(11);
    report::Group& group = addGroup([](const report::Context& c) {
        return QVariant(c.text(QStringLiteral("Id_Especie")) + QLatin1Char('/') +
                        c.text(QStringLiteral("Id_Grupo_Animal")));
    });
    group.addHeader(7)
        .addExpression(QRectF(4, 1, w - 4, 5),
                       [](const report::Context& c) {
                           return QVariant(c.text(QStringLiteral("Id_Grupo_Animal")) + QStringLiteral(" - ") +
                                           c.text(QStringLiteral("nome_grupo")));
                       })
        .setBold();

    report::Band& detail = addBand(report::BandType::Detail, 22);
    // A caption and its value from x up to a millimetre before the next column at `right`.
    auto line = [&detail](qreal x, qreal right, qreal y, const QString& caption, const char* field) {
        const QString name = QString::fromLatin1(field);
        detail.addExpression(QRectF(x, y, right - x - 1, 5), [caption, name](const report::Context& c) {
            return QVariant(caption + c.text(name).trimmed());
        });
    };
    line(8, w * 0.45, 1, QStringLiteral("Nome do Animal :"), "nome_animal");
    line(w * 0.45, w * 0.65, 1, QStringLiteral("Sexo : "), "Sexo");
    line(w * 0.65, w, 1, QStringLiteral("Data Nasc. : "), "Data_Nascimento");
    line(8, w * 0.45, 6, QStringLiteral("Proprietario :"), "nome_proprietario");
    line(w * 0.45, w * 0.75, 6, QStringLiteral("Raça :"), "nome_raca");
    line(w * 0.75, w, 6, QStringLiteral("Cor : "), "Cor");
    line(8, w * 0.45, 11, QStringLiteral("Pedigree :"), "Num_Pedigree");
    line(w * 0.45, w * 0.65, 11, QStringLiteral("Esterilizado :"), "Esterilizado");
    line(w * 0.65, w, 11, QStringLiteral("Microchip :"), "Num_Microchip");
    line(8, w, 16, QStringLiteral("Obs:"), "OBS");

    addShares(group.addFooter(7), w, QStringLiteral("Chipados : "), QStringLiteral("Esterilizados : "));
    addShares(species.addFooter(7), w, QStringLiteral("Total de Chipados da Espécie : "),
              QStringLiteral("Total de Esterilizados da Espécie : "));
    addShares(addBand(report::BandType::Summary, 7), w, QStringLiteral("Total de Chipados : "),
              QStringLiteral("Total de Esterilizados da Espécie : "));
    addPageNumber(addBand(report::BandType::PageFooter, 7), w);
}
