// SPDX-License-Identifier: GPL-3.0-or-later
// Table extractor (049).

#include "exports/UExportaTabelas.h"

#include "common/ExportStatus.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "exports/ExportsSql.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/DateEdit.h"
#include "platform/ui/GridRows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

using namespace common;
using namespace exports;

namespace {

const QString kAnimalAtendimento = QStringLiteral("Animal e atendimento");

ui::DateEdit* datePicker(QWidget* parent, const char* name, const QDate& start) {
    auto* edit = new ui::DateEdit(start, parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

}  // namespace

TfrmExportaTabelas::TfrmExportaTabelas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmExportaTabelas"));
    setWindowTitle(QStringLiteral("Exportação de tabelas"));
    setAttribute(Qt::WA_DeleteOnClose, true);
    qryPrincipal = new db::DataSet(db::kMain, this);
    qryPrincipal->setObjectName(QStringLiteral("qryPrincipal"));

    cbbTabela = new QComboBox(this);
    cbbTabela->setObjectName(QStringLiteral("cbbTabela"));
    cbbTabela->addItem(kAnimalAtendimento);
    cbbTabela->setCurrentIndex(-1);
    dtpInicial = datePicker(this, "dtpInicial", QDate(2000, 1, 1));
    dtpFinal = datePicker(this, "dtpFinal", QDate::currentDate());
    cbbStatusAtendimento = new QComboBox(this);
    cbbStatusAtendimento->setObjectName(QStringLiteral("cbbStatusAtendimento"));
    cbbStatusAtendimento->setMinimumWidth(200);
    rdbDtAtendimento = new QRadioButton(QStringLiteral("Dt. atendimento."), this);
    rdbDtAtendimento->setObjectName(QStringLiteral("rdbDtAtendimento"));
    rdbCriacaoRegistro = new QRadioButton(QStringLiteral("Dt. criação do reg."), this);
    rdbCriacaoRegistro->setObjectName(QStringLiteral("rdbCriacaoRegistro"));
    rdbCriacaoRegistro->setChecked(true);
    BitBtn1 = new QPushButton(QStringLiteral("&Pesquisar"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    bpmExportacao = new QPushButton(QStringLiteral("&Exportar"), this);
    bpmExportacao->setObjectName(QStringLiteral("bpmExportacao"));
    bpmExportacao->setEnabled(false);

    grbDados = new QGroupBox(this);
    grbDados->setObjectName(QStringLiteral("grbDados"));
    dbgDados = new QTableView(grbDados);
    dbgDados->setObjectName(QStringLiteral("dbgDados"));
    ui::bindGrid(dbgDados, qryPrincipal, {});
    (new QVBoxLayout(grbDados))->addWidget(dbgDados);
    StatusBar1 = makeExportStatusBar(this, 2);

    auto* criteria = new QGridLayout;
    ui::GridRows rows(criteria);
    rows.row()
        .label(QStringLiteral("Selecionar tabela:"))
        .label(QStringLiteral("Dt inicial:"))
        .label(QStringLiteral("Dt final:"))
        .label(QStringLiteral("Status do atendimento:"))
        .add(rdbDtAtendimento);
    rows.row()
        .add(cbbTabela)
        .add(dtpInicial)
        .add(dtpFinal)
        .add(cbbStatusAtendimento)
        .add(rdbCriacaoRegistro)
        .add(BitBtn1)
        .add(bpmExportacao);
    criteria->setColumnStretch(7, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(criteria);
    layout->addWidget(grbDados, 1);
    layout->addWidget(StatusBar1);
    resize(1000, 600);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { search(); }); });
    connect(bpmExportacao, &QPushButton::clicked, this, [this] { guarded([this] { exportRows(); }); });
}

void TfrmExportaTabelas::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    guarded([this] {
        cbbStatusAtendimento->clear();
        cbbStatusAtendimento->addItem(QString());
        cbbStatusAtendimento->addItems(exportssql::attendanceStatuses());
        dtpFinal->setDate(QDate::currentDate());
    });
}

void TfrmExportaTabelas::search() {
    if (cbbTabela->currentText().trimmed().isEmpty()) {
        Prompts::information(kFaltaSelecionarTabela);
        return;
    }
    if (dtpFinal->date() < dtpInicial->date()) {
        Prompts::information(kDataInicialMaior);
        return;
    }
    noticeWaiting(StatusBar1, 0);
    grbDados->setTitle(QStringLiteral("Tabela: ") + cbbTabela->currentText());
    int found = 0;
    try {
        exportssql::StagingFilter filter;
        filter.period = wholeDays(dtpInicial->date(), dtpFinal->date());
        filter.byAttendanceDate = rdbDtAtendimento->isChecked();
        filter.status = cbbStatusAtendimento->currentText();
        found = exportssql::countStaging(filter);
        exportssql::openStaging(*qryPrincipal, filter);
    } catch (const std::exception&) {
        // A failed search leaves nothing to export.
        qryPrincipal->close();
        bpmExportacao->setEnabled(false);
        clearNotice(StatusBar1, 0);
        Prompts::error(kErroAoPesquisar);
        return;
    }
    QList<ui::GridColumn> columns;
    for (const StagingColumn& c : stagingColumns())
        if (!c.title.isEmpty())
            columns << ui::GridColumn::fixedAt(c.title, c.field.name, c.width);
    ui::gridModelOf(dbgDados)->setColumns(columns);
    noticeDone(StatusBar1, 0, QStringLiteral("Pesquisa realizada com sucesso. %1 registros").arg(found));
    m_found = found;
    bpmExportacao->setEnabled(true);
    if (found > kExportLimit) {
        Prompts::warning(limitWarning(found));
        bpmExportacao->setEnabled(false);
    }
}

void TfrmExportaTabelas::exportRows() {
    const QString chosen = Prompts::saveFileName(windowTitle(), {Prompts::kArquivoDbase});
    if (chosen.trimmed().isEmpty())
        return;
    const QString table = dbase::tableFileName(chosen);
    try {
        // The last search's rows, read again from the server as they are written.
        writeWithNotice(
            StatusBar1, 1,
            [&](const dbase::Progress& progress) {
                dbase::writeSelect(table, stagingFields(), qryPrincipal->query(), {}, progress);
            },
            m_found);
    } catch (const std::exception& e) {
        Prompts::error(exportFailure(kErroBatchMove, e));
        return;
    }
    try {
        writeTextLines(dictionaryFileName(table), stagingDictionary());
    } catch (const std::exception& e) {
        Prompts::error(exportFailure(kErroExportarVelmoran, e));
        return;
    }
    Prompts::information(kExportacaoConcluidaModelo + dictionaryFileName(table));
}
