// SPDX-License-Identifier: GPL-3.0-or-later
// Builders of the detail-page controls that registers share.
#include "common/register/RegisterControls.h"

#include "platform/ui/Capitals.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/FieldLink.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

QLineEdit* makeKeyEdit(QWidget* page, db::DataSet* data, const QString& field) {
    auto* edit = new QLineEdit(page);
    edit->setObjectName(QStringLiteral("dbeCodigo"));
    edit->setMaximumWidth(90);
    ui::setReadOnlyLook(edit);
    ui::bindLineEdit(edit, data, field, ui::ValueKind::Integer)->setAlwaysReadOnly(true);
    ui::EnterAsTab::install(edit);
    return edit;
}

QLineEdit* makeNameEdit(const QString& objectName, QWidget* page, db::DataSet* data, const QString& field,
                        int maxLength) {
    auto* edit = new QLineEdit(page);
    edit->setObjectName(objectName);
    ui::setColumnLength(edit, maxLength);
    ui::Capitals::install(edit);
    ui::bindLineEdit(edit, data, field);
    ui::EnterAsTab::install(edit);
    return edit;
}

QPlainTextEdit* makeDescriptionMemo(QWidget* page, db::DataSet* data, const QString& field, int maxLength) {
    auto* memo = new QPlainTextEdit(page);
    memo->setObjectName(QStringLiteral("dbmDescricao"));
    ui::bindMemo(memo, data, field, maxLength);
    return memo;
}

QCheckBox* makeInactiveBox(QWidget* page, db::DataSet* data, const QString& field) {
    auto* box = new QCheckBox(QStringLiteral("Registro inativo."), page);
    box->setObjectName(QStringLiteral("dbcAtivo"));
    ui::bindCheckBox(box, data, field, QStringLiteral("INATIVO"), QStringLiteral("ATIVO"));
    return box;
}

ui::GridRows layoutKeyNameDescription(QWidget* page, QWidget* key, QWidget* name, QWidget* description) {
    ui::GridRows rows(new QGridLayout(page));
    rows.row().labelled(QStringLiteral("Código:"), key, 1, Qt::AlignLeft);
    rows.row().labelled(QStringLiteral("Nome:"), name);
    rows.row().label(QStringLiteral("Descrição:"), 1, Qt::AlignTop).add(description).stretch();
    return rows;
}
