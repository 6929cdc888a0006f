// Builders of the detail-page controls that registers share.
#include "common/RegisterControls.h"

#include "platform/ui/Capitals.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/FieldLink.h"

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
    edit->setMaxLength(maxLength);
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
