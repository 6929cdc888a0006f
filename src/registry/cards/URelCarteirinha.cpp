// SPDX-License-Identifier: GPL-3.0-or-later
// The identification card layouts.

#include "registry/cards/URelCarteirinha.h"

#include "common/ReportParts.h"
#include "common/access/Session.h"
#include "platform/db/Database.h"
#include "registry/cards/CarteirinhaRules.h"
#include "registry/cards/CarteirinhaSql.h"

#include <QFile>

namespace {

const QStringList kHeading{QStringLiteral("PREFEITURA MUNICIPAL DE MORVANA "),
                           QStringLiteral("SECRETÁRIA MUNICIPAL DE SAÚDE"),
                           QStringLiteral("UNIDADE DE CONTROLE DE ZOONOSES")};

}  // namespace

QByteArray cardLogo() {
    QFile file(QStringLiteral(":/images/brasao.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TfrmRelCarteirinha::TfrmRelCarteirinha(int animalId, bool portrait) {
    setTitle(QStringLiteral("Carteira de identificação"));
    setOrientation(portrait ? report::Orientation::Portrait : report::Orientation::Landscape);
    setMargins(10);
    carteirinhasql::prepareCard(qryCarteirinha, animalId);
    setData(reportData(qryCarteirinha));

    const QRectF body = bodyRectMm();
    const qreal cardW = portrait ? 150 : (body.width() - 8) / 2;
    const qreal cardH = 95;
    report::Band& card = addBand(report::BandType::Detail, portrait ? 2 * cardH + 10 : cardH);
    const QByteArray logo = cardLogo();
    const auto dashed = [portrait](const char* field) {
        const QString name = QString::fromLatin1(field);
        return [portrait, name](const report::Context& c) {
            const QString value = c.text(name).trimmed();
            return QVariant(portrait ? dashedWhenBlank(value) : value);
        };
    };
    const auto plain = [](const char* field) {
        const QString name = QString::fromLatin1(field);
        return [name](const report::Context& c) { return QVariant(c.text(name).trimmed()); };
    };

    // Each side: a frame, the logo and the heading, then caption-value pairs on a grid of two columns.
    const auto side = [&](qreal x, qreal y, const QList<std::pair<QString, report::Expression>>& values) {
        card.addShape(QRectF(x, y, cardW, cardH), report::Shape::Rectangle);
        if (!logo.isEmpty())
            card.addImage(QRectF(x + 3, y + 3, 16, 16), logo);
        card.addMemo(QRectF(x + 20, y + 3, cardW - 23, 15), kHeading.join(QLatin1Char('\n')))
            .setAlignment(Qt::AlignHCenter)
            .setBold()
            .setFontSize(8);
        const qreal columnW = (cardW - 6) / 2;
        for (int i = 0; i < values.size(); ++i) {
            const bool wide = values[i].first == QStringLiteral("Endereço");
            const qreal vx = x + 3 + (wide ? 0 : (i % 2) * columnW);
            const qreal vy = y + 21 + (i / 2) * 10;
            // A millimetre between the two columns.
            card.addLabel(QRectF(vx, vy, columnW - 1, 4), values[i].first).setFontSize(6).setBold();
            card.addExpression(QRectF(vx, vy + 4, wide ? cardW - 6 : columnW - 1, 5), values[i].second).setFontSize(8);
        }
    };
    side(0, 0,
         {{QStringLiteral("RGA"),
           [](const report::Context& c) { return QVariant(registrationCode(db::toInt(c.value("id_Animal")))); }},
          {QStringLiteral("Nome do Animal"), plain("nomeAnimal")},
          {QStringLiteral("Microchip"), dashed("Num_Microchip")},
          {QStringLiteral("Espécie"), dashed("nomeEspecie")},
          {QStringLiteral("Raça"), plain("nomeRaca")},
          {QStringLiteral("Sexo"), plain("Sexo")},
          {QStringLiteral("Pêlo"), dashed("nomePelo")},
          {QStringLiteral("Cor"), plain("Cor")},
          {QStringLiteral("Esterilizado"), dashed("Esterilizado")},
          {QStringLiteral("Data de Nascimento"), [](const report::Context& c) {
               const QVariant v = c.value("Data_Nascimento");
               return QVariant(v.isNull() ? QString() : db::toDateTime(v).toString(QStringLiteral("dd/MM/yyyy")));
           }}});
    side(portrait ? 0 : cardW + 8, portrait ? cardH + 10 : 0,
         {{QStringLiteral("Proprietário"), plain("nomeProprietario")},
          {QStringLiteral("RG"), dashed("Num_ci")},
          {QStringLiteral("CPF/CNPJ"), plain("num_cpf_cnpj")},
          {QString(), [](const report::Context&) { return QVariant(); }},
          {QStringLiteral("Endereço"),
           [](const report::Context& c) {
               return QVariant(cardAddress(!c.value("Id_Endereco").isNull(), c.text("TIP_LOGR"), c.text("NOM_LOGR"),
                                           c.text("NUM_IMOV_LOGR"), c.text("DES_CMPL_ENDR"), c.text("NOM_BAIR")));
           }},
          {QString(), [](const report::Context&) { return QVariant(); }},
          {QStringLiteral("Telefone"),
           [](const report::Context& c) {
               return QVariant(
                   cardPhones(c.text("Telefone_Residencial"), c.text("Telefone_Celular"), c.text("Telefone_Recado")));
           }},
          {QStringLiteral("Emitido por:"),
           [](const report::Context&) { return QVariant(UsuarioLogado + QStringLiteral("-") + NomeUsuarioLogado); }},
          {QStringLiteral("Data da Expedição"), [](const report::Context&) {
               return QVariant(db::serverTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")));
           }}});
}
