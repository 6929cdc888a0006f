// SPDX-License-Identifier: GPL-3.0-or-later
// The look-up dialogs' common construction, title-click order and choosing keys.
#include "registry/shared/PickDialog.h"

#include "common/Guard.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/EnterAsTab.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

PickDialog::PickDialog(const PickDialogShape& shape, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), m_countText(shape.countText) {
    setAttribute(Qt::WA_DeleteOnClose, true);
    setObjectName(shape.objectName);
    setWindowTitle(shape.caption);
    cbbSelecao = new QComboBox(this);
    cbbSelecao->setObjectName(QStringLiteral("cbbSelecao"));
    cbbSelecao->addItems(shape.criteria);
    if (shape.blankCriterion)
        cbbSelecao->setCurrentIndex(-1);
    m_text = new QLineEdit(this);
    m_text->setObjectName(shape.textName);
    ui::dropControlsAsTyped(m_text);
    m_search = new QPushButton(shape.searchCaption, this);
    m_search->setObjectName(QStringLiteral("btn") + QString(shape.searchCaption).remove(QLatin1Char('&')));
    ui::EnterAsTab::install(cbbSelecao);
    ui::EnterAsTab::pressOnEnter(m_text, m_search);
    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    qryPrincipal = new db::DataSet(shape.connection, this);
    qryPrincipal->setObjectName(QStringLiteral("qryPrincipal"));
    dbgPrincipal = new QTableView(this);
    dbgPrincipal->setObjectName(QStringLiteral("dbgPrincipal"));
    m_grid = ui::bindGrid(dbgPrincipal, qryPrincipal, shape.columns);
    dbgPrincipal->installEventFilter(this);
    for (int i = 0; i < shape.statusPanels; ++i) {
        m_panels << new QLabel(this);
        m_panels.last()->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
    }
    connect(m_search, &QPushButton::clicked, this, [this] { guarded([this] { search(); }); });
    connect(m_ok, &QPushButton::clicked, this, [this] { confirm(); });
    connect(dbgPrincipal, &QTableView::doubleClicked, this, [this] { confirm(); });
    ui::onTitleClick(dbgPrincipal, [this](int column) { guarded([this, column] { sortBy(column); }); });

    auto* top = new QHBoxLayout;
    top->addWidget(cbbSelecao);
    top->addWidget(m_text, 1);
    top->addWidget(m_search);
    auto* bottom = new QHBoxLayout;
    if (m_panels.isEmpty())
        bottom->addStretch(1);
    for (QLabel* panel : m_panels)
        bottom->addWidget(panel, panel == m_panels.last() ? 1 : 0);
    bottom->addWidget(m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(dbgPrincipal, 1);
    layout->addLayout(bottom);
    resize(shape.size);
}

ui::GridColumn PickDialogShape::column(const char* title, const char* field, int width) {
    return ui::GridColumn(QString::fromUtf8(title), QString::fromLatin1(field), width);
}

void PickDialog::openRows(Search search) {
    m_lastSearch = std::move(search);
    m_lastSearch(qryPrincipal->query(), {});
    qryPrincipal->open();
    showCount();
}

void PickDialog::showCount() {
    if (QLabel* panel = statusPanel(0))
        panel->setText(m_countText.arg(qryPrincipal->recordCount()));
}

void PickDialog::sortBy(int column) {
    const QList<ui::GridColumn>& columns = m_grid->columns();
    if (!m_lastSearch || column < 0 || column >= columns.size() || columns[column].field.isEmpty())
        return;
    m_lastSearch(qryPrincipal->query(), columns[column].field);
    qryPrincipal->open();
    m_grid->markSortColumn(column);
}

void PickDialog::confirm() {
    guarded([this] { choose(); });
}

bool PickDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dbgPrincipal && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            confirm();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
