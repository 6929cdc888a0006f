// Scheduling-table export (060).

#include "exports/UExportaTabelaAgendamento.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/ExportStatus.h"
#include "exports/ExportsSql.h"
#include "platform/ui/DateEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
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

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Inico:"), this), 0, 0);
    layout->addWidget(dtpDataInicio, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Fim:"), this), 0, 2);
    layout->addWidget(dtpDataFim, 0, 3);
    layout->addWidget(new QLabel(QStringLiteral("Unidade:"), this), 1, 0);
    layout->addWidget(dbcUnidade, 1, 1, 1, 3);
    layout->addWidget(bmpGeral, 2, 2);
    layout->addWidget(bmpCancelar, 2, 3);
    layout->addWidget(StatusBar1, 3, 0, 1, 4);

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
        const db::RowSet units = ExportsSql::workUnits();
        const int id = units.indexOrThrow(QStringLiteral("id_unidade_trabalho"));
        const int nome = units.indexOrThrow(QStringLiteral("nome"));
        for (int r = 0; r < units.count(); ++r)
            dbcUnidade->addItem(db::toText(units.row(r)[nome]), units.row(r)[id]);
    });
}

void TfrmExportaTabelaAgendamento::exportAttendances() {
    const QString chosen = Prompts::saveFileName(windowTitle(), QString());
    if (chosen.trimmed().isEmpty())
        return;
    noticeWaiting(StatusBar1, 0);
    db::RowSet rows;
    try {
        rows = ExportsSql::attendances(wholeDays(dtpDataInicio->date(), dtpDataFim->date()), dbcUnidade->currentData());
    } catch (...) {
        clearNotice(StatusBar1, 0);
        throw;  // the database's own error, in the standard error box
    }
    try {
        const QList<dbase::Field> fields = schedulingFields();
        const int when = rows.indexOrThrow(QStringLiteral("Data_Hora_Atendimento"));
        dbase::Writer writer(dbase::tableFileName(chosen), fields);
        QVector<QVariant> values(fields.size());
        for (int r = 0; r < rows.count(); ++r) {
            const QVector<QVariant>& row = rows.row(r);
            std::copy(row.begin(), row.end(), values.begin());
            const QDateTime at = db::toDateTime(row[when]);
            values[fields.size() - 2] = at.isValid() ? QVariant(at.date().year()) : QVariant();
            values[fields.size() - 1] = at.isValid() ? QVariant(at.date().month()) : QVariant();
            writer.addRow(values);
        }
        writer.close();
    } catch (const std::exception&) {
        clearNotice(StatusBar1, 0);
        Prompts::error(kErroExportarVelmoran);
        return;
    }
    noticeDone(StatusBar1, 0);
    Prompts::information(kExportacaoConcluida);
}
