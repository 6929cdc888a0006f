// SPDX-License-Identifier: GPL-3.0-or-later
// Scheduling-table export (060).

#include "exports/UExportaTabelaAgendamento.h"

#include "common/ExportStatus.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "exports/ExportsSql.h"
#include "platform/ui/DateEdit.h"
#include "platform/ui/GridRows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>

using namespace common;
using namespace exports;

TfrmExportaTabelaAgendamento::TfrmExportaTabelaAgendamento(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmExportaTabelaAgendamento"));
    setWindowTitle(QStringLiteral("Exporta Agendamento"));
    setAttribute(Qt::WA_DeleteOnClose, true);

    dtpDataInicio = new ui::DateEdit(QDate::currentDate(), this);
    dtpDataInicio->setObjectName(QStringLiteral("dtpDataInicio"));
    dtpDataFim = new ui::DateEdit(QDate::currentDate(), this);
    dtpDataFim->setObjectName(QStringLiteral("dtpDataFim"));
    dbcUnidade = new QComboBox(this);
    dbcUnidade->setObjectName(QStringLiteral("dbcUnidade"));
    dbcUnidade->setMinimumWidth(250);
    bmpGeral = new QPushButton(QStringLiteral("Exportar..."), this);
    bmpGeral->setObjectName(QStringLiteral("bmpGeral"));
    bmpCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    bmpCancelar->setObjectName(QStringLiteral("bmpCancelar"));
    StatusBar1 = makeExportStatusBar(this, 1);

    ui::GridRows rows(new QGridLayout(this));
    rows.row().labelled(QStringLiteral("Inico:"), dtpDataInicio).labelled(QStringLiteral("Fim:"), dtpDataFim);
    rows.row().labelled(QStringLiteral("Unidade:"), dbcUnidade, 3);
    rows.row().skip(2).add(bmpGeral).add(bmpCancelar);
    rows.row().add(StatusBar1, 4);

    connect(bmpGeral, &QPushButton::clicked, this, [this] { guarded([this] { exportAttendances(); }); });
    connect(bmpCancelar, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmExportaTabelaAgendamento::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    guarded([this] {
        dbcUnidade->clear();
        dbcUnidade->addItem(QString(), QVariant());
        const db::RowSet units = exportssql::workUnits();
        const int id = units.indexOrThrow(QStringLiteral("id_unidade_trabalho"));
        const int nome = units.indexOrThrow(QStringLiteral("nome"));
        for (int r = 0; r < units.count(); ++r)
            dbcUnidade->addItem(db::toText(units.row(r)[nome]), units.row(r)[id]);
    });
}

void TfrmExportaTabelaAgendamento::exportAttendances() {
    // No filter: any file is offered, and the table it names is written with ".dbf" all the same.
    const QString chosen = Prompts::saveFileName(windowTitle(), {{QString(), Prompts::kArquivoDbase.suffix}});
    if (chosen.trimmed().isEmpty())
        return;
    db::Query select;
    exportssql::prepareAttendances(select, wholeDays(dtpDataInicio->date(), dtpDataFim->date()),
                                   dbcUnidade->currentData());
    const QList<dbase::Field> fields = schedulingFields();
    int when = 0;
    while (fields[when].name != QLatin1String("Data_Hora_Atendimento"))
        ++when;
    try {
        writeWithNotice(StatusBar1, 0, [&](const dbase::Progress& progress) {
            // The two last fields: the year and the month of the attendance.
            const auto yearAndMonth = [&](QVector<QVariant>& values) {
                const QDateTime at = db::toDateTime(values[when]);
                values[fields.size() - 2] = at.isValid() ? QVariant(at.date().year()) : QVariant();
                values[fields.size() - 1] = at.isValid() ? QVariant(at.date().month()) : QVariant();
            };
            dbase::writeSelect(dbase::tableFileName(chosen), fields, select, yearAndMonth, progress);
        });
    } catch (const db::Error&) {
        throw;  // the database's own error, in the standard error box
    } catch (const std::exception& e) {
        Prompts::error(exportFailure(kErroExportarVelmoran, e));
        return;
    }
    Prompts::information(kExportacaoConcluida);
}
