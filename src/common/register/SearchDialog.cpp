// SPDX-License-Identifier: GPL-3.0-or-later
// The register's search dialog: its controls, the search as the user types and the hand-back of the row.
#include "common/register/SearchDialog.h"

#include "common/FormWindows.h"
#include "common/Guard.h"
#include "common/register/RegisterSql.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/FieldLink.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

using namespace common;

SearchDialog::SearchDialog(RegisterForm* target, const QString& key, const QString& selectionLabel, QWidget* parent)
    : QWidget(parent), m_target(target), m_key(key) {
    setAttribute(Qt::WA_DeleteOnClose, true);

    qryPrincipal = new db::DataSet(db::kMain, this);
    qryPrincipal->setObjectName(QStringLiteral("qryPrincipal"));

    cbbSelecao = new QComboBox(this);
    cbbSelecao->setObjectName(QStringLiteral("cbbSelecao"));
    cbbSelecao->addItems({kSearchByCode, kSearchByName});
    edtTexto = new QLineEdit(this);
    edtTexto->setObjectName(QStringLiteral("edtTexto"));
    ui::Capitals::install(edtTexto);

    dbgPrincipal = new QTableView(this);
    dbgPrincipal->setObjectName(QStringLiteral("dbgPrincipal"));
    ui::bindGrid(dbgPrincipal, qryPrincipal,
                 {{kSearchByCode, key, 60, ui::readOnlyColour()}, {kSearchByName, QStringLiteral("nome"), 300}});
    ui::onTitleClick(dbgPrincipal, [this](int column) { sortBy(column); });

    auto* fields = new QFormLayout;
    fields->addRow(selectionLabel, cbbSelecao);
    fields->addRow(QStringLiteral("Texto:"), edtTexto);
    m_layout = new QVBoxLayout(this);
    m_layout->addLayout(fields);
    m_layout->addWidget(dbgPrincipal, 1);
    resize(420, 360);
}

void SearchDialog::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (std::exchange(m_placed, true))
        return;
    int columns = 0;
    for (int i = 0; i < dbgPrincipal->horizontalHeader()->count(); ++i)
        columns += dbgPrincipal->columnWidth(i);
    // Room for the row header of a five-digit count and for the scroll bar.
    const int rowHeader = std::max(dbgPrincipal->verticalHeader()->sizeHint().width(),
                                   dbgPrincipal->fontMetrics().horizontalAdvance(QStringLiteral("99999")) + 8);
    dbgPrincipal->setMinimumWidth(columns + rowHeader + dbgPrincipal->verticalScrollBar()->sizeHint().width() +
                                  2 * dbgPrincipal->frameWidth());
    QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!frame)
        frame = this;
    frame->resize(frame->sizeHint().expandedTo(frame->size()));
    centreOverWorkspace(this);
}

void SearchDialog::showInRegister() {
    if (!m_target || !qryPrincipal->isActive() || qryPrincipal->recNo() < 0)
        return;
    const QVariant key = qryPrincipal->field(m_key);
    if (key.isNull())
        return;
    try {
        m_target->openKey(key);
    } catch (const std::exception&) {
        // A row that cannot be shown leaves the register on the row it held; the search goes on.
    }
}

void SearchDialog::sortBy(int column) {
    db::Query& select = qryPrincipal->query();
    const QString before = select.text();
    if (before.isEmpty())
        return;
    try {
        select.setSql(registersql::withOrderBy(before, ui::gridModelOf(dbgPrincipal)->columns().value(column).field));
        qryPrincipal->open();
    } catch (const std::exception&) {
        select.setSql(before);
    }
}
