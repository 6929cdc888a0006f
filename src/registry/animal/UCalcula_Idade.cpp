// SPDX-License-Identifier: GPL-3.0-or-later
// The age calculation of the owner and animal register.

#include "registry/animal/UCalcula_Idade.h"

#include "common/FormWindows.h"
#include "common/Guard.h"
#include "platform/db/Database.h"
#include "platform/ui/EnterAsTab.h"
#include "registry/animal/IdadeRules.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

TfrmCalcula_Idade::TfrmCalcula_Idade(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmCalcula_Idade"));
    setWindowTitle(QStringLiteral("Calcula Idade"));
    setAttribute(Qt::WA_DeleteOnClose, true);
    setWindowModality(Qt::ApplicationModal);
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,4}")), this);
    auto edit = [this, digits](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setValidator(digits);
        ui::EnterAsTab::install(e);
        return e;
    };
    edtAno = edit("edtAno");
    edtMeses = edit("edtMeses");
    mkeDataNescimento = edit("mkeDataNescimento");
    mkeDataNescimento->setValidator(nullptr);
    mkeDataNescimento->setReadOnly(true);
    auto* calcular = new QPushButton(QStringLiteral("&Calcular"), this);
    calcular->setObjectName(QStringLiteral("btnCalcular"));
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Ano :"), edtAno);
    form->addRow(QStringLiteral("Mêses :"), edtMeses);
    form->addRow(QStringLiteral("Data de Nascimanto :"), mkeDataNescimento);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calcular);
    buttons->addWidget(ok);
    form->addRow(buttons);

    connect(calcular, &QPushButton::clicked, this, [this] { guarded([this] { calculate(); }); });
    connect(ok, &QPushButton::clicked, this, [this] { guarded([this] { accept(); }); });
}

TfrmCalcula_Idade* TfrmCalcula_Idade::open(QWidget* opener) {
    frmCalcula_Idade = new TfrmCalcula_Idade;
    showForm(frmCalcula_Idade, ShowAs::Window, opener);
    return frmCalcula_Idade;
}

void TfrmCalcula_Idade::calculate() {
    const QDate born = birthDateFromAge(db::serverTime().date(), edtAno->text(), edtMeses->text());
    if (born.isValid())
        mkeDataNescimento->setText(born.toString(QStringLiteral("dd/MM/yyyy")));
}

void TfrmCalcula_Idade::accept() {
    const QDate born = QDate::fromString(mkeDataNescimento->text(), QStringLiteral("dd/MM/yyyy"));
    if (born.isValid())
        emit birthDateChosen(born);
    close();
}
