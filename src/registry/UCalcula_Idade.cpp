// The age calculation of the owner and animal register.

#include "registry/UCalcula_Idade.h"

#include "common/FormOpening.h"
#include "common/Guard.h"
#include "platform/db/Database.h"
#include "platform/ui/EnterAsTab.h"
#include "registry/IdadeRules.h"
#include "registry/UPropAnimal.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

TfrmCalcula_Idade::TfrmCalcula_Idade(TfrmPropAnimal* opener, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint), m_opener(opener) {
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

void TfrmCalcula_Idade::open(TfrmPropAnimal* opener) {
    frmCalcula_Idade = new TfrmCalcula_Idade(opener);
    showForm(frmCalcula_Idade, ShowAs::Window, opener);
}

void TfrmCalcula_Idade::calculate() {
    const QDate born = birthDateFromAge(db::serverTime().date(), edtAno->text(), edtMeses->text());
    if (born.isValid())
        mkeDataNescimento->setText(born.toString(QStringLiteral("dd/MM/yyyy")));
}

void TfrmCalcula_Idade::accept() {
    const QString text = mkeDataNescimento->text();
    const QDate born = QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
    if (m_opener && m_opener->qryAnimal->isEditing() && born.isValid()) {
        m_opener->qryAnimal->setField(QStringLiteral("Data_Nascimento"), born.startOfDay());
        // The page writes the birth date from its box when the animal is saved.
        if (auto* box = m_opener->findChild<QLineEdit*>(QStringLiteral("dbeDt_Nascimento")))
            box->setText(text);
    }
    close();
}
