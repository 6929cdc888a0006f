// SPDX-License-Identifier: GPL-3.0-or-later
// The daily, monthly, annual and professionals' agenda reports.
#include "scheduling/agenda/AgendaReports.h"

#include "common/Prompts.h"
#include "common/ReportParts.h"
#include "common/access/Session.h"
#include "scheduling/agenda/AgendaRules.h"
#include "scheduling/agenda/AgendaSql.h"

#include <QList>

using namespace scheduling;

namespace {

// One cell of a row of columns: where it starts (a share of the width) and what it prints.
struct Cell {
    qreal from;
    report::Expression text;
};

report::Expression fixed(const QString& text) {
    return [text](const report::Context&) { return QVariant(text); };
}

report::Expression joined(const char* id, const char* name) {
    return [id, name](const report::Context& c) {
        return QVariant(c.text(QLatin1String(id)).trimmed() + QStringLiteral(" - ") +
                        c.text(QLatin1String(name)).trimmed());
    };
}

report::Expression dateTime(const char* field, const QString& pattern) {
    return [field, pattern](const report::Context& c) {
        return QVariant(db::toDateTime(c.value(QLatin1String(field))).toString(pattern));
    };
}

report::Expression trimmedField(const char* field) {
    return [field](const report::Context& c) { return QVariant(c.text(QLatin1String(field)).trimmed()); };
}

enum class RowStyle { Plain, Bold, Wrapped };

// A row of cells across the band at height y, each up to the next one's start. Wrapped: a text longer than its
// cell goes on over further lines, the band growing with it.
void addRow(report::Band& band, qreal y, qreal width, const QList<Cell>& cells, RowStyle style = RowStyle::Plain) {
    if (style == RowStyle::Wrapped)
        band.setGrows();
    for (int i = 0; i < cells.size(); ++i) {
        const qreal left = cells[i].from * width;
        const qreal right = i + 1 < cells.size() ? cells[i + 1].from * width : width;
        report::Item& item = band.addExpression(QRectF(left, y, right - left - 1, 5), cells[i].text);
        if (style == RowStyle::Bold)
            item.setBold();
        else if (style == RowStyle::Wrapped)
            item.setWordWrap();
    }
}

report::Expression countOf() {
    return [](const report::Context& c) { return QVariant(c.count()); };
}

report::Expression sumOf(const char* field) {
    return [field](const report::Context& c) { return QVariant(qRound(c.sum(QLatin1String(field)))); };
}

// A footer line: the label, then what follows it.
void addTotal(report::Band& band, const QString& label, report::Expression value) {
    band.addLabel(QRectF(0, 1, 40, 5), label).setBold();
    band.addExpression(QRectF(40, 1, 30, 5), std::move(value)).setBold();
}

QString day(const QDateTime& d) { return d.date().toString(QStringLiteral("dd/MM/yyyy")); }

}  // namespace

TfrmRelAgendaDiaria::TfrmRelAgendaDiaria() {
    setTitle(QStringLiteral("Agenda Diária"));
    setTextExports(false);
    setOrientation(report::Orientation::Landscape);
    setMargins(8);
    setNow(db::serverTime());
    const QDateTime first = DataInicialRel, last = DataFinalRel;
    const int unit = UnidadeRel;
    const auto [from, to] = daysRange(first.date(), last.date());
    agendasql::prepareDailyReport(qryPrincipal, from, to, unit);
    setData(reportData(qryPrincipal));

    const qreal w = bodyRectMm().width();
    report::Band& header = addBand(report::BandType::PageHeader, 28);
    addReportHeading(header, QStringLiteral("REL050"), QStringLiteral("Agenda Diária"), w);
    header.addLabel(QRectF(0, 15, w, 5), day(first) + QStringLiteral(" a ") + day(last));
    // Each column holds its title and, but for the names, what it usually prints in full.
    const QList<qreal> at{0, 0.146, 0.27, 0.374, 0.47, 0.559, 0.669, 0.726, 0.794, 0.833, 0.918};
    const QStringList titles{"Proprietário:", "Animal:", "Hora:", "Autor. cirurgia:", "Status atend.:", "Prof. marcou:",
                             "Espécie:",      "Porte:",  "Sexo:", "Tel. Contato:",    "Status prop.:"};
    QList<Cell> headings;
    for (int i = 0; i < at.size(); ++i)
        headings << Cell{at[i], fixed(titles[i])};
    addRow(header, 21, w, headings, RowStyle::Bold);

    report::Group& units = addGroup(QStringLiteral("Id_Unidade_Agendada"));
    addRow(units.addHeader(7), 1, w, {{0, trimmedField("nome_Unidade_Agendada")}}, RowStyle::Bold);
    report::Group& days = addGroup([](const report::Context& c) {
        return QVariant(db::toDateTime(c.value(QStringLiteral("Data_Hora_Atendimento"))).date());
    });

    report::Band& detail = addBand(report::BandType::Detail, 6);
    addRow(detail, 0.5, w,
           {{at[0], joined("Id_Proprietario", "nome_Prop")},
            {at[1], joined("Id_Animal", "nome_Animal")},
            {at[2], dateTime("Data_Hora_Atendimento", QStringLiteral("dd/MM/yyyy HH:mm"))},
            {at[3], trimmedField("Ind_Autoriza_Cirurgia")},
            {at[4], trimmedField("nome_Status")},
            {at[5],
             [](const report::Context& c) {
                 const QVariant name = c.value(QStringLiteral("nome_usuario"));
                 return QVariant(name.isNull() ? QStringLiteral("----") : db::toText(name));
             }},
            {at[6], trimmedField("especie")},
            {at[7], trimmedField("porte")},
            {at[8], trimmedField("sexo")},
            {at[9],
             [](const report::Context& c) {
                 return QVariant(contactPhone(c.text(QStringLiteral("Telefone_Residencial")),
                                              c.text(QStringLiteral("Telefone_Celular")),
                                              c.text(QStringLiteral("Telefone_Recado"))));
             }},
            {at[10], trimmedField("Status_Registro_prop")}},
           RowStyle::Wrapped);

    addTotal(days.addFooter(7), QStringLiteral("Total dia:"), countOf());
    addTotal(units.addFooter(8), QStringLiteral("Total unidade:"), countOf());
    addPageNumber(addBand(report::BandType::PageFooter, 7), w);
}

std::shared_ptr<TfrmRelAgendaRelatorioMensal> TfrmRelAgendaRelatorioMensal::create() {
    bool yearOk = false, monthOk = false, unitOk = false;
    const int year = AnoRel.trimmed().toInt(&yearOk);
    const int month = MesRel.trimmed().toInt(&monthOk);
    const int unit = UnidadeRelMensal.trimmed().toInt(&unitOk);
    if (!yearOk || !monthOk || !unitOk || year < 1 || month < 1 || month > 12) {
        Prompts::information(kRelatorioNaoConstruido);
        return nullptr;
    }
    return std::make_shared<TfrmRelAgendaRelatorioMensal>(year, month,
                                                          UnidadeRelMensal.trimmed().startsWith('0') ? 0 : unit);
}

TfrmRelAgendaRelatorioMensal::TfrmRelAgendaRelatorioMensal(int year, int month, int unit) {
    setTitle(QStringLiteral("Relatório Mensal"));
    setMargins(8);
    setNow(db::serverTime());
    const auto [from, to] = periodRange(QDate(year, month, 1), AgendaPeriod::Mes);
    agendasql::prepareMonthlyReport(qryPrincipal, from, to, unit);
    setData(reportData(qryPrincipal));

    const qreal w = bodyRectMm().width();
    report::Band& header = addBand(report::BandType::PageHeader, 34);
    addReportHeading(header, QStringLiteral("REL051"), QStringLiteral("Relatório Mensal"), w);
    header.addLabel(QRectF(0, 15, w, 5),
                    QStringLiteral("Mês/Ano agenda : %1/%2").arg(month, 2, 10, QLatin1Char('0')).arg(year));
    addRow(header, 21, w, {{0, trimmedField("nome_Unidade_Agendada")}}, RowStyle::Bold);
    addRow(header, 28, w,
           {{0, fixed(QStringLiteral("Profissional:"))},
            {0.3, fixed(QStringLiteral("Procedimento:"))},
            {0.85, fixed(QStringLiteral("Quant.:"))}},
           RowStyle::Bold);

    report::Group& units = addGroup(QStringLiteral("id_unidade_Agendada"));
    report::Group& professionals = addGroup(QStringLiteral("id_profissional"));
    addRow(professionals.addHeader(7), 1, w, {{0, trimmedField("nome")}}, RowStyle::Bold);
    addRow(addBand(report::BandType::Detail, 6), 0.5, w,
           {{0.3, joined("id_tipo_procedimento", "nomeTipoProc")}, {0.85, trimmedField("qt")}});
    addTotal(professionals.addFooter(7), QStringLiteral("Total o profissional:"), sumOf("qt"));
    addTotal(units.addFooter(8), QStringLiteral("total unidade:"), sumOf("qt"));
    addTotal(addBand(report::BandType::Summary, 8), QStringLiteral("Total geral:"), sumOf("qt"));
    addPageNumber(addBand(report::BandType::PageFooter, 7), w);
}

TfrmRelAgendaMensal::TfrmRelAgendaMensal() {
    setTitle(QStringLiteral("Agenda Anual das Unidades"));
    setOrientation(report::Orientation::Landscape);
    setMargins(8);
    setNow(db::serverTime());
    agendasql::prepareYearReport(qryPrincipal);
    setData(reportData(qryPrincipal));

    const qreal w = bodyRectMm().width();
    const QList<qreal> at{0, 0.18, 0.45, 0.72, 0.86};
    report::Band& header = addBand(report::BandType::PageHeader, 28);
    addReportHeading(header, QStringLiteral("REL052"), QStringLiteral("Agenda Anual das Unidades"), w);
    addRow(header, 15, w, {{0, trimmedField("nome_unidade_agendada")}}, RowStyle::Bold);
    addRow(header, 21, w,
           {{at[0], fixed(QStringLiteral("Data/hora"))},
            {at[1], fixed(QStringLiteral("Animal:"))},
            {at[2], fixed(QStringLiteral("Propriétario:"))},
            {at[3], fixed(QStringLiteral("Aut. cirurgia:"))},
            {at[4], fixed(QStringLiteral("Cód. Atendimento:"))}},
           RowStyle::Bold);

    report::Group& units = addGroup(QStringLiteral("Id_Unidade_Agendada"));
    report::Group& statuses = addGroup(QStringLiteral("Id_Atendimento_Status"));
    addRow(statuses.addHeader(7), 1, w, {{0, trimmedField("nome_status_atendimento")}}, RowStyle::Bold);
    addRow(addBand(report::BandType::Detail, 6), 0.5, w,
           {{at[0], dateTime("Data_Hora_Atendimento", QStringLiteral("dd/MM/yyyy HH:mm:ss"))},
            {at[1], joined("Id_Animal", "nome_animal")},
            {at[2], joined("Id_Proprietario", "nome_proprietario")},
            {at[3], trimmedField("Ind_Autoriza_Cirurgia")},
            {at[4], trimmedField("Id_Atendimento")}});
    addTotal(statuses.addFooter(7), QStringLiteral("Total do status"), countOf());
    addTotal(units.addFooter(8), QStringLiteral("Total Unidade:"), countOf());
    addPageNumber(addBand(report::BandType::PageFooter, 7), w);
}

TfrmRelAgendaProfissional::TfrmRelAgendaProfissional() {
    setTitle(QStringLiteral("Agenda do Profissionai"));
    setOrientation(report::Orientation::Landscape);
    setMargins(8);
    const QDateTime first = DataInicialProf, last = DataFinalProf;
    const QString professional = ProfissionalRel.trimmed();
    const auto [from, to] = daysRange(first.date(), last.date());
    agendasql::prepareProfessionalReport(qryPrincipal, from, to, professional);
    setData(reportData(qryPrincipal));

    const qreal w = bodyRectMm().width();
    report::Band& header = addBand(report::BandType::PageHeader, 22);
    addReportHeading(header, QStringLiteral("Rel.:042"), QStringLiteral("Agenda do Profissionai"), w);
    header.addLabel(QRectF(0, 15, w, 5), QStringLiteral("De") + day(first) + QStringLiteral(" à ") + day(last));

    const QList<qreal> at{0, 0.2, 0.45, 0.75};
    report::Group& professionals = addGroup(QStringLiteral("id_profissional"));
    report::Band& groupHeader = professionals.addHeader(14);
    addRow(groupHeader, 1, w, {{0, trimmedField("Nome_Prof")}}, RowStyle::Bold);
    addRow(groupHeader, 8, w,
           {{at[0], fixed(QStringLiteral("Data/Hora:"))},
            {at[1], fixed(QStringLiteral("Proprietário / Animal:"))},
            {at[2], fixed(QStringLiteral("Unidade agendada:"))},
            {at[3], fixed(QStringLiteral("Status do atend.:"))}},
           RowStyle::Bold);
    addRow(addBand(report::BandType::Detail, 6), 0.5, w,
           {{at[0], dateTime("Data_Hora_Atendimento", QStringLiteral("dd/MM/yyyy HH:mm:ss"))},
            {at[1], trimmedField("Id_Proprietario")},
            {at[2], trimmedField("nome_Unidade_Agendada")},
            {at[3], trimmedField("nome_Status")}});
    addTotal(professionals.addFooter(8), QStringLiteral("Total:"), countOf());
    addPageNumber(addBand(report::BandType::PageFooter, 7), w);
}
