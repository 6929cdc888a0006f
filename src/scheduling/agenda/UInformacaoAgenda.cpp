// SPDX-License-Identifier: GPL-3.0-or-later
// The agenda's statistics window and its text.
#include "scheduling/agenda/UInformacaoAgenda.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

QStringList agendaStatistics(const agendasql::Filter& filter) {
    QStringList lines{QString(), statisticsHeading(filter.day, filter.period)};
    const db::RowSet rows = agendasql::statisticsRows(filter);
    const auto text = [&rows](int r, const char* field) {
        return db::toText(rows.row(r)[rows.indexOrThrow(QLatin1String(field))]);
    };
    QVariant unit;
    for (int r = 0; r < rows.count(); ++r) {
        const QVariant rowUnit = rows.row(r)[rows.indexOrThrow(QStringLiteral("id_unidade_agendada"))];
        if (r == 0 || db::toText(rowUnit) != db::toText(unit)) {
            unit = rowUnit;
            lines << QStringLiteral(" ") << QStringLiteral(" ")
                  << QStringLiteral("___________________  ") + text(r, "nome_unidade_agendada") +
                         QStringLiteral("  ___________________");
            const db::RowSet counts = agendasql::statusCounts(filter, rowUnit);
            for (int c = 0; c < counts.count(); ++c)
                if (!db::toText(counts.row(c)[0]).trimmed().isEmpty())
                    lines << db::toText(counts.row(c)[0]) + QStringLiteral(" : ") + db::toText(counts.row(c)[1]);
            lines << QStringLiteral("Detalhes:");
        }
        const QDateTime when = db::toDateTime(rows.row(r)[rows.indexOrThrow(QStringLiteral("Data_Hora_Atendimento"))]);
        lines << when.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) + QLatin1Char(' ') +
                     text(r, "nome_atendimento_status") + QStringLiteral(", ") + text(r, "especie") +
                     QStringLiteral(", ") + text(r, "Sexo") + QStringLiteral(", ") + text(r, "porte") +
                     QStringLiteral(" : ") + text(r, "qt");
    }
    return lines;
}

TfrmInformacaoAgenda::TfrmInformacaoAgenda(const QStringList& lines, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmInformacaoAgenda"));
    setWindowTitle(QStringLiteral("Informação de agendamento."));
    setAttribute(Qt::WA_DeleteOnClose);
    memPrincipal = new QPlainTextEdit(this);
    memPrincipal->setObjectName(QStringLiteral("memPrincipal"));
    memPrincipal->setReadOnly(true);
    memPrincipal->setPlainText(lines.join(QLatin1Char('\n')));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memPrincipal);
    resize(520, 420);
}
