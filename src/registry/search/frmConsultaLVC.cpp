// SPDX-License-Identifier: GPL-3.0-or-later
// 045 - leishmaniasis results of the sibling system.

#include "registry/search/frmConsultaLVC.h"

#include "common/ExportStatus.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/DataGrid.h"
#include "registry/search/LeishmanioseRules.h"
#include "registry/search/LeishmanioseSql.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

using namespace registry;

namespace {

QLabel* legend(QWidget* parent, const QString& caption, const QColor& colour) {
    auto* box = new QLabel(caption, parent);
    box->setAlignment(Qt::AlignCenter);
    box->setMinimumWidth(110);
    box->setStyleSheet(QStringLiteral("background-color: %1; color: white; padding: 2px;").arg(colour.name()));
    return box;
}

}  // namespace

TfrmConsultaLeishmaniose::TfrmConsultaLeishmaniose(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmConsultaLeishmaniose"));
    setWindowTitle(QStringLiteral("045 - Consulta resultado de Leishmaniose Visceral Canina."));
    setAttribute(Qt::WA_DeleteOnClose, true);
    qryPrincipal = new db::DataSet(db::kKelvo, this);
    qryPrincipal->setObjectName(QStringLiteral("qryPrincipal"));
    auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        ui::Capitals::install(e);
        return e;
    };
    edtNomeAnimal = edit("edtNomeAnimal");
    edtLogradouro = edit("edtLogradouro");
    edtNumero = edit("edtNumero");
    edtNumero->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,9}")), this));
    edtCodAmostra = edit("edtCodAmostra");
    auto* consultar = new QPushButton(QStringLiteral("&Consultar"), this);
    consultar->setObjectName(QStringLiteral("btnConsultar"));

    dbgPrincipal = new QTableView(this);
    dbgPrincipal->setObjectName(QStringLiteral("dbgPrincipal"));
    QList<ui::GridColumn> columns;
    for (const LvcColumn& c : lvcColumns())
        columns << ui::GridColumn(c.title, c.field, 100);
    ui::DataGridModel* model = ui::bindGrid(dbgPrincipal, qryPrincipal, columns);
    model->setRowForeground([](const db::DataSet& data, int row) {
        return lvcColour(db::toText(data.cell(row, QStringLiteral("resultamostra"))),
                         db::toText(data.cell(row, QStringLiteral("confamostra"))));
    });
    StatusBar1 = makeExportStatusBar(this, 3);

    auto* criteria = new QFormLayout;
    criteria->addRow(QStringLiteral("Nome do animal:"), edtNomeAnimal);
    criteria->addRow(QStringLiteral("Logradouro:"), edtLogradouro);
    criteria->addRow(QStringLiteral("Numero:"), edtNumero);
    criteria->addRow(QStringLiteral("Cód. amostra:"), edtCodAmostra);
    auto* top = new QHBoxLayout;
    top->addLayout(criteria, 1);
    top->addWidget(consultar, 0, Qt::AlignBottom);
    auto* legendRow = new QHBoxLayout;
    legendRow->addWidget(legend(this, QStringLiteral("Positivo"), Qt::red));
    legendRow->addWidget(legend(this, QStringLiteral("Não Reagente"), Qt::blue));
    legendRow->addWidget(legend(this, QStringLiteral("IN / MO"), Qt::darkGreen));
    legendRow->addWidget(legend(this, QStringLiteral("Outros"), Qt::black));
    legendRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(legendRow);
    layout->addWidget(dbgPrincipal, 1);
    layout->addWidget(StatusBar1);
    resize(1000, 600);

    connect(consultar, &QPushButton::clicked, this, [this] { guarded([this] { search(); }); });
    ui::onTitleClick(dbgPrincipal, [this](int column) { guarded([this, column] { sortBy(column); }); });
}

void TfrmConsultaLeishmaniose::search() {
    const LvcCriteria c{edtNomeAnimal->text(), edtLogradouro->text(), edtNumero->text(), edtCodAmostra->text()};
    if (c.blank()) {
        Prompts::information(kFaltaTextoPesquisa);
        return;
    }
    const SearchFilter filter = leishmaniosesql::lvcFilter(c);
    m_last.reset();
    leishmaniosesql::open(*qryPrincipal, filter);
    m_last = filter;
    ui::gridModelOf(dbgPrincipal)->markSortColumn(-1);
    showNotice(StatusBar1, 2, QString::number(qryPrincipal->recordCount()) + kRegistrosEncontrados,
               StatusBar1->palette().color(QPalette::Window));
}

void TfrmConsultaLeishmaniose::sortBy(int column) {
    const QString field = lvcColumns().value(column).field;
    if (!m_last || leishmaniosesql::sortExpression(field).isEmpty())
        return;
    leishmaniosesql::open(*qryPrincipal, *m_last, field);
    ui::gridModelOf(dbgPrincipal)->markSortColumn(column);
}
