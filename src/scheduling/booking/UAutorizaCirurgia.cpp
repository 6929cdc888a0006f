// SPDX-License-Identifier: GPL-3.0-or-later
// The surgery authorisation report.
#include "scheduling/booking/UAutorizaCirurgia.h"

#include "platform/db/Query.h"
#include "scheduling/booking/AutorizaCirurgiaSql.h"

namespace {

// The rows of the report: their number only; the lines come from the rows kept by the report.
class CountData : public report::DataSource {
public:
    explicit CountData(int rows) : m_rows(rows) {}
    int rowCount() const override { return m_rows; }
    QVariant value(int, const QString&) const override { return {}; }

private:
    int m_rows;
};

const QStringList kConsent = {
    QStringLiteral(
        "Declaro ainda que o animal está em jejum hídrico e alimentar, de acordo com as orientações recebidas."),
    QString(),
    QStringLiteral("Estou ciente de que, por se tratar de um programa de castração em massa, não são oferecidas "
                   "consultas nem exames "),
    QStringLiteral("pré-operatórios, mas apenas uma triagem clínica de alcance diagnóstico limitado, e que problemas "
                   "de saúde não "),
    QStringLiteral("diagnosticados e/ou não relatados podem representar risco adicional ao procedimento cirúrgico."),
    QString(),
    QStringLiteral("Estou ciente de que meu animal será submetido a anestesia geral e dos riscos inerentes a esta, "
                   "assim como ao próprio "),
    QStringLiteral("procedimento cirúrgico. Portanto, autorizo o(a) veterinário(a) a adotar todos os procedimentos "
                   "necessários caso haja "),
    QStringLiteral("alguma emergência."),
    QString(),
    QStringLiteral("Estou ciente da obrigatoriedade da retirada do animal após alta médica e dos cuidados "
                   "pós-operatórios (medicação, uso "),
    QStringLiteral("do colar elizabetano, limpeza da ferida), que serão de minha inteira responsabilidade. Caso não "
                   "siga corretamente as "),
    QStringLiteral("determinações médico-veterinárias, serei unicamente o responsável pelas intercorrências que "
                   "porventura vierem a "),
    QStringLiteral("acontecer.")};

struct Question {
    QString text;
    bool which;  // followed by "QUAL? " and a line
};

const QList<Question> kQuestions = {
    {QStringLiteral("O animal está sob algum tratamento?"), true},
    {QStringLiteral("O animal possui alguma doença crônica?"), true},
    {QStringLiteral("O animal tomou algum medicamento nos últimos 15 dias?"), true},
    {QStringLiteral("Se fêmea, data último cio: ____________data último parto_____________, presença de corrimento? "),
     false},
    {QStringLiteral("O animal esteve ou está com infestação de pulgas e/ou carrapatos?"), false},
    {QStringLiteral("O animal está apático?"), false},
    {QStringLiteral("Está com apetite normal?"), false},
    {QStringLiteral("O animal vomitou ou teve diarréia nos últimos 10 dias?"), false},
    {QStringLiteral("O animal já foi anestesiado alguma vez? "), false},
    {QStringLiteral("O animal já fez alguma cirurgia?"), true}};

bool blank(const QVariant& v) { return db::toText(v).trimmed().isEmpty(); }

}  // namespace

TfrmAutorizaCirurgia::TfrmAutorizaCirurgia(const QVariant& ownerId, const QVariant& animalId,
                                           const QVariant& attendanceId) {
    setTitle(QStringLiteral("CADASTRO E TERMO DE AUTORIZAÇÃO DE CASTRAÇÃO DE ANIMAIS"));
    setMargins(2.6);
    setNow(db::serverTime());
    if (!blank(ownerId) && !blank(animalId) && !blank(attendanceId))
        m_rows = autorizacirurgiasql::rows(ownerId, animalId, attendanceId);
    m_declaration = declarationText(attendanceId, blank(attendanceId) ? QList<QPair<QString, QString>>()
                                                                      : autorizacirurgiasql::procedures(attendanceId));
    setData(std::make_shared<CountData>(int(m_rows.size())));
    const qreal w = bodyRectMm().width();

    report::Band& title = addBand(report::BandType::Title, 22);
    title.addMemo(QRectF(0, 0, 40, 10), QStringLiteral("Velmoran\nRel:0053")).setFontSize(8);
    title.addLabel(QRectF(45, 0, w - 95, 6), QStringLiteral("Kelvora - Kelvo")).setAlignment(Qt::AlignHCenter);
    title.addSystem(QRectF(w - 50, 0, 50, 5), report::SystemField::DateTime).setAlignment(Qt::AlignRight);
    title.addLabel(QRectF(0, 12, w, 7), QStringLiteral("CADASTRO E TERMO DE AUTORIZAÇÃO DE CASTRAÇÃO DE ANIMAIS"))
        .setBold()
        .setFontSize(12)
        .setAlignment(Qt::AlignHCenter);
    title.addShape(QRectF(0, 21, w, 0.5), report::Shape::HorizontalLine);

    report::Band& detail = addBand(report::BandType::Detail, 262);
    qreal y = 1;
    const auto line = [&](QString (*text)(const CirurgiaRow&), const QString& label = {}) {
        detail
            .addExpression(
                QRectF(0, y, w, 5),
                [this, text, label](const report::Context& c) { return QVariant(label + text(m_rows.at(c.row()))); })
            .setFontSize(9);
        y += 5.5;
    };
    line(attendanceLine, QStringLiteral("Atendimento: "));
    line(ownerLine, QStringLiteral("Prop.: "));
    line(phoneLine);
    line(addressLine, QStringLiteral("Endereço prop.: "));
    line(animalLine, QStringLiteral("Animal: "));
    line(detailsLine);
    line(colourLine);
    detail.addShape(QRectF(0, y + 1, w, 0.5), report::Shape::HorizontalLine);
    y += 3;

    const qreal boxes = w - 77;  // right of the longest question
    for (const Question& q : kQuestions) {
        detail.addLabel(QRectF(0, y, boxes, 5), q.text).setFontSize(8);
        detail.addShape(QRectF(boxes, y + 0.5, 3.5, 3.5), report::Shape::Rectangle);
        detail.addLabel(QRectF(boxes + 4.5, y, 9, 5), QStringLiteral("SIM")).setFontSize(8);
        detail.addShape(QRectF(boxes + 14, y + 0.5, 3.5, 3.5), report::Shape::Rectangle);
        detail.addLabel(QRectF(boxes + 18.5, y, 9, 5), QStringLiteral("Não")).setFontSize(8);
        if (q.which) {
            detail.addLabel(QRectF(boxes + 29, y, 12, 5), QStringLiteral("QUAL? ")).setFontSize(8);
            detail.addShape(QRectF(boxes + 41, y + 4, w - boxes - 41, 0.3), report::Shape::HorizontalLine);
        }
        y += 6;
    }
    y += 1;
    detail.addLabel(QRectF(0, y, w, 5), QStringLiteral("Observações relevantes:") + QString(100, QLatin1Char('_')))
        .setFontSize(8);
    y += 5;
    detail.addLabel(QRectF(0, y, w, 5), QString(130, QLatin1Char('_'))).setFontSize(8);
    y += 7;
    detail.addExpression(QRectF(0, y, w, 14), [this](const report::Context&) { return QVariant(m_declaration); })
        .setWordWrap()
        .setFontSize(9);
    y += 16;
    detail.addRichText(QRectF(0, y, w, 64), kConsent.join(QStringLiteral("<br>"))).setFontSize(8);
    y += 66;
    const QStringList signature = {QStringLiteral("Morvana,_____de_____________________________de_________"),
                                   QString(),
                                   QString(),
                                   QString(),
                                   QString(60, QLatin1Char('_')),
                                   QString(),
                                   QStringLiteral("Assinatura do proprietário ou responsável pelo animal")};
    for (const QString& s : signature) {
        if (!s.isEmpty())
            detail.addLabel(QRectF(0, y, w, 5), s).setFontSize(9).setAlignment(Qt::AlignHCenter);
        y += 4.5;
    }
    detail.setHeight(y + 1);
}
