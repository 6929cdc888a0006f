// Controls shared by the availability map's forms.

#include "availability/MapaWidgets.h"

#include "platform/ui/EnterAsTab.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace mapa {

QPushButton* botao(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QLineEdit* edicao(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    ui::EnterAsTab::install(e);
    return e;
}

QComboBox* listaCombo(QWidget* parent, const char* name, const db::RowSet& rows, bool maiusculas) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    for (int i = 0; i < rows.count(); ++i) {
        const QString nome = db::toText(rows.row(i)[1]);
        c->addItem(maiusculas ? nome.toUpper() : nome, db::toInt(rows.row(i)[0]));
        c->setItemData(i, db::toText(rows.row(i)[2]), Qt::ToolTipRole);
    }
    c->setCurrentIndex(-1);
    QObject::connect(c, &QComboBox::currentIndexChanged, c,
                     [c](int i) { c->setToolTip(i < 0 ? QString() : c->itemData(i, Qt::ToolTipRole).toString()); });
    ui::EnterAsTab::install(c);
    return c;
}

void pinta(QWidget* control, const QColor& colour) {
    QPalette p = control->palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Button, colour);
    control->setPalette(p);
}

QColor corJanela() { return QApplication::palette().color(QPalette::Base); }

ui::GridColumn colunaNome(const QString& titulo, int largura, const QHash<int, QString>& nomes, const char* campo) {
    return ui::GridColumn::calculated(titulo, largura, [&nomes, campo](const db::DataSet& d, int row) {
        const QVariant key = d.cell(row, QString::fromLatin1(campo));
        return key.isNull() ? QString() : nomes.value(db::toInt(key));
    });
}

ui::GridColumn colunaDataHora(const QString& titulo, int largura, const char* campo) {
    return ui::GridColumn::calculated(titulo, largura, [campo](const db::DataSet& d, int row) {
        return db::toDateTime(d.cell(row, QString::fromLatin1(campo))).toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    });
}

}  // namespace mapa
