// SPDX-License-Identifier: GPL-3.0-or-later
// Data export (044).

#include "exports/UExportarDados.h"

#include "common/ExportStatus.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "exports/ExportsSql.h"
#include "platform/ui/ColumnWidths.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace exports;

TfrmExportarDados::TfrmExportarDados(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmExportarDados"));
    setWindowTitle(QStringLiteral("044 - Exportação de dados."));
    setProperty("Tag", 44);
    setAttribute(Qt::WA_DeleteOnClose, true);

    ltvCampos = new QTreeWidget(this);
    ltvCampos->setObjectName(QStringLiteral("ltvCampos"));
    ltvCampos->setHeaderLabels({QStringLiteral("Campo"), QStringLiteral("Descrição")});
    ltvCampos->setRootIsDecorated(false);
    ltvCampos->setColumnWidth(0, 180);
    ui::ColumnFitter::fitList(ltvCampos);
    ccbSeleciona_tuto = new QCheckBox(QStringLiteral("Selecionar todos."), this);
    ccbSeleciona_tuto->setObjectName(QStringLiteral("ccbSeleciona_tuto"));
    BitBtn2 = new QPushButton(QStringLiteral("&Exportar dados..."), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn1 = new QPushButton(QStringLiteral("&Fechar"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    StatusBar1 = makeExportStatusBar(this, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ccbSeleciona_tuto);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ltvCampos, 1);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
    resize(640, 520);

    connect(ccbSeleciona_tuto, &QCheckBox::clicked, this, [this](bool on) {
        for (int i = 0; i < ltvCampos->topLevelItemCount(); ++i)
            ltvCampos->topLevelItem(i)->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
    });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded([this] { exportData(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmExportarDados::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        fillList();
}

void TfrmExportarDados::fillList() {
    ltvCampos->clear();
    for (const AnimalColumn& c : animalColumns()) {
        auto* item = new QTreeWidgetItem(ltvCampos, {c.caption, c.description});
        item->setCheckState(0, Qt::Unchecked);
    }
}

QList<int> TfrmExportarDados::tickedRows() const {
    QList<int> rows;
    for (int i = 0; i < ltvCampos->topLevelItemCount(); ++i)
        if (ltvCampos->topLevelItem(i)->checkState(0) == Qt::Checked)
            rows << i;
    return rows;
}

void TfrmExportarDados::exportData() {
    const QList<int> ticked = tickedRows();
    if (ticked.isEmpty()) {
        Prompts::information(kErroExportacao);
        return;
    }
    const QString chosen = Prompts::saveFileName(windowTitle(), {Prompts::kArquivoDbase});
    if (chosen.trimmed().isEmpty())
        return;
    db::Query select;
    exportssql::prepareAnimals(select, animalSelectList(ticked));
    try {
        writeWithNotice(StatusBar1, 0, [&](const dbase::Progress& progress) {
            dbase::writeSelect(dbase::tableFileName(chosen), animalFields(ticked), select, {}, progress);
        });
    } catch (const std::exception& e) {
        Prompts::error(exportFailure(kErroExportacao, e));
    }
}
