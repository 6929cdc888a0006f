// SPDX-License-Identifier: GPL-3.0-or-later
// The code-or-name search dialog of the user and profile registers.
#include "shell/shared/LocateDialog.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/register/RegisterSql.h"
#include "platform/ui/EnterAsTab.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

using namespace common;

namespace {
const QString kFaltaSelecionar = QStringLiteral("Falta selecionar o campo ou o texto para a pesquisa. ");
const QString kNenhumRegistro = QStringLiteral("Nenhum registro localizado!");
const QString kEncontrados = QStringLiteral("%1 registros encontrado.");
}  // namespace

LocateDialog::LocateDialog(const LocateDialogShape& shape, QWidget* parent)
    : SearchDialog(nullptr, shape.key, QStringLiteral("Selecione:"), parent), m_shape(shape) {
    setObjectName(shape.objectName);
    setWindowTitle(shape.caption);
    cbbSelecao->setCurrentIndex(-1);
    ui::gridModelOf(dbgPrincipal)->setColumns(shape.columns);
    dbgPrincipal->installEventFilter(this);
    connect(dbgPrincipal, &QTableView::doubleClicked, this, [this] { guarded([this] { ok(); }); });

    bmpLocalizar = new QPushButton(QStringLiteral("&Localizar"), this);
    bmpLocalizar->setObjectName(QStringLiteral("bmpLocalizar"));
    bmpOK = new QPushButton(QStringLiteral("&OK"), this);
    bmpOK->setObjectName(QStringLiteral("bmpOK"));
    connect(bmpLocalizar, &QPushButton::clicked, this, [this] { guarded([this] { locate(); }); });
    ui::EnterAsTab::pressOnEnter(edtTexto, bmpLocalizar);
    connect(bmpOK, &QPushButton::clicked, this, [this] { guarded([this] { ok(); }); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bmpLocalizar);
    buttons->addWidget(bmpOK);
    mainLayout()->insertLayout(1, buttons);

    stbPrincipal = new QStatusBar(this);
    stbPrincipal->setObjectName(QStringLiteral("StatusBar1"));
    stbPrincipal->setSizeGripEnabled(false);
    auto* panel = new QLabel(stbPrincipal);
    panel->setObjectName(QStringLiteral("StatusBar1Panel0"));
    stbPrincipal->addWidget(panel, 1);
    mainLayout()->addWidget(stbPrincipal);
    resize(560, 380);
}

void LocateDialog::locate() {
    const QString kind = cbbSelecao->currentText();
    const QString text = edtTexto->text().trimmed();
    if ((kind != kSearchByCode && kind != kSearchByName) || text.isEmpty()) {
        Prompts::information(kFaltaSelecionar);
        return;
    }
    qryPrincipal->close();
    qryPrincipal->setSql(m_shape.select);
    registersql::addCodeOrNameFilter(qryPrincipal->query(), kind == kSearchByCode, text, m_shape.key);
    qryPrincipal->open();
    findChild<QLabel*>(QStringLiteral("StatusBar1Panel0"))->setText(kEncontrados.arg(qryPrincipal->recordCount()));
}

void LocateDialog::ok() {
    if (!qryPrincipal->isActive() || qryPrincipal->recNo() < 0)
        Prompts::information(kNenhumRegistro);
    else
        emit chosen(qryPrincipal->field(m_shape.key));
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

bool LocateDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dbgPrincipal && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded([this] { ok(); });
            return true;
        }
    }
    return SearchDialog::eventFilter(watched, event);
}
