// SPDX-License-Identifier: GPL-3.0-or-later
// Controls shared by the availability map's forms.

#include "availability/MapaWidgets.h"

#include "platform/ui/EnterAsTab.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace availability {

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QLineEdit* lineEdit(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    ui::EnterAsTab::install(e);
    return e;
}

QComboBox* lookupCombo(QWidget* parent, const char* name, const db::RowSet& rows, bool capitals) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    for (int i = 0; i < rows.count(); ++i) {
        const QString name = db::toText(rows.row(i)[1]);
        c->addItem(capitals ? name.toUpper() : name, db::toInt(rows.row(i)[0]));
        c->setItemData(i, db::toText(rows.row(i)[2]), Qt::ToolTipRole);
    }
    c->setCurrentIndex(-1);
    QObject::connect(c, &QComboBox::currentIndexChanged, c,
                     [c](int i) { c->setToolTip(i < 0 ? QString() : c->itemData(i, Qt::ToolTipRole).toString()); });
    ui::EnterAsTab::install(c);
    return c;
}

void paint(QWidget* control, const QColor& colour) {
    QPalette p = control->palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Button, colour);
    control->setPalette(p);
}

QColor windowColour() { return QApplication::palette().color(QPalette::Base); }

ui::GridColumn nameColumn(const QString& title, int width, const QHash<int, QString>& names, const char* field) {
    return ui::GridColumn::calculated(title, width, [&names, field](const db::DataSet& d, int row) {
        const QVariant key = d.cell(row, QString::fromLatin1(field));
        return key.isNull() ? QString() : names.value(db::toInt(key));
    });
}

ui::GridColumn dateTimeColumn(const QString& title, int width, const char* field) {
    return ui::GridColumn::calculated(title, width, [field](const db::DataSet& d, int row) {
        return db::toDateTime(d.cell(row, QString::fromLatin1(field))).toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    });
}

}  // namespace availability
