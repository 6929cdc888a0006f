// SPDX-License-Identifier: GPL-3.0-or-later
// The reference registers' search dialog: the search by code or name and the hand-back of the row.
#include "registers/ReferenceSearch.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/register/RegisterForm.h"
#include "common/register/RegisterSql.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/FieldLink.h"
#include "registers/ReferenceSql.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace common;

ReferenceSearch::ReferenceSearch(const ReferenceSearchDialog& dialog, RegisterForm* form, QWidget* parent)
    : SearchDialog(form, dialog.key, dialog.selectionLabel, parent), m_dialog(dialog) {
    setObjectName(dialog.objectName);
    setWindowTitle(dialog.caption);
    cbbSelecao->setEditable(dialog.freeKind);
    cbbSelecao->setCurrentIndex(-1);
    if (dialog.listsAllOnOpen) {
        qryPrincipal->setSql(baseSql());
        qryPrincipal->open();
    }
    if (dialog.followsCursor)
        connect(qryPrincipal, &db::DataSet::currentChanged, this, &ReferenceSearch::showInRegister);

    bmpPesquisar = new QPushButton(dialog.searchCaption, this);
    bmpPesquisar->setObjectName(QStringLiteral("bmpPesquisar"));
    bmpOK = new QPushButton(QStringLiteral("&OK"), this);
    bmpOK->setObjectName(QStringLiteral("bmpOK"));
    connect(bmpPesquisar, &QPushButton::clicked, this, [this] { guarded([this] { search(); }); });
    ui::EnterAsTab::pressOnEnter(edtTexto, bmpPesquisar);
    connect(bmpOK, &QPushButton::clicked, this, [this] { guarded([this] { ok(); }); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bmpPesquisar);
    buttons->addWidget(bmpOK);
    mainLayout()->addLayout(buttons);
}

QString ReferenceSearch::baseSql() const { return referencesql::searchSql(m_dialog.key, m_dialog.table); }

void ReferenceSearch::search() {
    const QString kind = cbbSelecao->currentText().trimmed();
    const QString text = edtTexto->text().trimmed();
    if (kind.isEmpty() && !m_dialog.noKindMessage.isEmpty()) {
        Prompts::information(m_dialog.noKindMessage);
        cbbSelecao->setFocus();
        return;
    }
    if (text.isEmpty() && !m_dialog.noTextMessage.isEmpty()) {
        Prompts::information(m_dialog.noTextMessage);
        edtTexto->setFocus();
        return;
    }
    if (kind != kSearchByCode && kind != kSearchByName)
        return;
    qryPrincipal->close();
    qryPrincipal->setSql(baseSql());
    registersql::addCodeOrNameFilter(qryPrincipal->query(), kind == kSearchByCode, text, m_dialog.key);
    qryPrincipal->open();
}

void ReferenceSearch::ok() {
    if (m_dialog.okNeedsRow && (qryPrincipal->recNo() < 0 || qryPrincipal->field(keyField()).isNull()))
        return;
    if (!m_dialog.followsCursor)
        showInRegister();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}
