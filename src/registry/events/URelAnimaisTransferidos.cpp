// SPDX-License-Identifier: GPL-3.0-or-later
// REL043 on Letter paper: a shaded, framed header per animal with its current owner, and a line per change
// of owner; nothing at all without history rows.
#include "registry/events/URelAnimaisTransferidos.h"

#include "common/ReportParts.h"
#include "common/rules/Formats.h"
#include "registry/events/TransferSql.h"

#include <QPalette>

namespace {

QString text(const report::Context& c, const char* field) { return c.text(QString::fromLatin1(field)).trimmed(); }

QString dateText(const report::Context& c, const char* field) {
    return fmt::date(db::toDateTime(c.value(QString::fromLatin1(field))));
}

}  // namespace

TfrmRelAnimaisTransferidos::TfrmRelAnimaisTransferidos() {
    setTitle(QStringLiteral("REL043"));
    setPaperSize(QSizeF(215.9, 279.4));
    setOrientation(report::Orientation::Portrait);
    setMargins(10);
    setPrintIfEmpty(false);
    setNow(db::serverTime());
    const qreal w = bodyRectMm().width();
    transfersql::prepareHistory(qryAnimal);
    setData(reportData(qryAnimal));

    report::Band& title = addBand(report::BandType::Title, 16);
    title.addSystem(QRectF(0, 0, 45, 4), report::SystemField::DateTime).setFontSize(7);
    title.addLabel(QRectF(0, 1, w, 6), QStringLiteral("Nurvalia - NURV")).setBold().setAlignment(Qt::AlignHCenter);
    title.addLabel(QRectF(0, 8, w, 6), QStringLiteral("Animais com Transferência")).setAlignment(Qt::AlignHCenter);
    title.addLabel(QRectF(w - 30, 1, 30, 5), QStringLiteral("REL043")).setAlignment(Qt::AlignRight);
    title.addShape(QRectF(0, 15, w, 0.5), report::Shape::HorizontalLine);

    report::Band& header = addGroup(QStringLiteral("Id_Animal")).addHeader(22);
    header.addShape(QRectF(0, 0, w, 22), report::Shape::Rectangle).setFill(QPalette().color(QPalette::Button));
    struct Pair {
        qreal x, y, captionWidth, valueWidth;
        const char* caption;
        std::function<QString(const report::Context&)> value;
        bool right = false;
    };
    auto field = [](const char* name) { return [name](const report::Context& c) { return text(c, name); }; };
    const Pair pairs[] = {
        {1, 1, 30, 70, "Nome do Animal :", field("NomeAnimal")},
        {102, 1, 12, 20, "Sexo : ", field("Sexo")},
        {135, 1, 22, 30, "Data Nasc. : ", [](const report::Context& c) { return dateText(c, "Data_Nascimento"); }},
        {1, 6, 18, 40, "Espécie :", field("NomeEspecie")},
        {60, 6, 12, 40, "Raça :", field("NomeRaca")},
        {113, 6, 22, 10, "Esterilizado :", field("Esterilizado"), true},
        {147, 6, 20, 30, "Microchip :", field("Num_Microchip")},
        {1, 11, 25, 80, "Proprietário :", field("nomeproprietarioAtu")},
        {107, 11, 10, 30, "CPF :", field("CpfAtu")},
        {148, 11, 16, 30, "Celular : ", field("TelCelAtu")},
        {1, 16, 20, 30, "Telefone :", field("TelResAtu")},
        {52, 16, 0, w - 53, "",
         [](const report::Context& c) {
             return text(c, "TIP_LOGR") + QStringLiteral(" ") + text(c, "NOM_LOGR") + QStringLiteral(" ") +
                    text(c, "NUM_IMOV_LOGR") + QStringLiteral(" - ") + text(c, "NOM_BAIR") + QStringLiteral("  -  ") +
                    text(c, "NUM_CEP");
         }},
    };
    for (const Pair& p : pairs) {
        if (p.captionWidth > 0)
            header.addLabel(QRectF(p.x, p.y, p.captionWidth, 5), QString::fromUtf8(p.caption)).setBold();
        auto value = p.value;
        header
            .addExpression(QRectF(p.x + p.captionWidth, p.y, p.valueWidth, 5),
                           [value](const report::Context& c) { return QVariant(value(c)); })
            .setAlignment(p.right ? Qt::AlignRight : Qt::AlignLeft);
    }

    report::Band& detail = addBand(report::BandType::Detail, 6);
    detail
        .addExpression(QRectF(0, 0, w, 6),
                       [](const report::Context& c) {
                           return QVariant(dateText(c, "Dt_Muda_Proprietario") + QStringLiteral(" - Transferido de ") +
                                           text(c, "nomeproprietarioAnt2") + QStringLiteral(" para ") +
                                           text(c, "nomeproprietarioAnt1"));
                       })
        .setFrame(Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
}
