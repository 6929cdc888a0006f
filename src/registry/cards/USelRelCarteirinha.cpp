// SPDX-License-Identifier: GPL-3.0-or-later
// Printing of identification cards (041).

#include "registry/cards/USelRelCarteirinha.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/DataGrid.h"
#include "registry/cards/CarteirinhaSql.h"
#include "registry/cards/URelCarteirinha_Verdical.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace registry;

namespace {

const QString kPorNome = QStringLiteral("Nome proprietário");
const QString kPorCodigo = QStringLiteral("Cód. proprietário");

}  // namespace

TfrmSelRelCarteirinha::TfrmSelRelCarteirinha(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmSelRelCarteirinha"));
    setWindowTitle(QStringLiteral("Impressão de carteira de identificação..."));
    setAttribute(Qt::WA_DeleteOnClose, true);
    qryPrincipal = new db::DataSet(db::kMain, this);
    qryPrincipal->setObjectName(QStringLiteral("qryPrincipal"));
    cbbSelecao = new QComboBox(this);
    cbbSelecao->setObjectName(QStringLiteral("cbbSelecao"));
    cbbSelecao->addItems({kPorNome, kPorCodigo});
    cbbSelecao->setCurrentIndex(-1);
    edtTexto = new QLineEdit(this);
    edtTexto->setObjectName(QStringLiteral("edtTexto"));
    ui::Capitals::install(edtTexto);
    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    QPushButton* localizar = button("btnLocalizar", QStringLiteral("&Localizar"));
    QPushButton* horizontal = button("btnImpHorizontal", QStringLiteral("Imp. &Horizontal..."));
    QPushButton* vertical = button("btnImpVertical", QStringLiteral("&Imp. &Verdical..."));
    QPushButton* sair = button("btnSair", QStringLiteral("&Sair"));
    dbgPrincipal = new QTableView(this);
    dbgPrincipal->setObjectName(QStringLiteral("dbgPrincipal"));
    ui::bindGrid(dbgPrincipal, qryPrincipal,
                 {{"Proprietário", "Nome_Prop", 200},
                  {"CPF / CNPJ", "Num_CPF_CNPJ", 100},
                  {"Identidade", "Num_CI", 80},
                  {"Animal", "Nome_animal", 150},
                  {"Tipo", "TIP_LOGR", 40},
                  {"Logradouro", "NOM_LOGR", 180},
                  {"Nº", "NUM_IMOV_LOGR", 50},
                  {"Complemento", "DES_CMPL_ENDR", 120},
                  {"Bairro", "NOM_BAIR", 120},
                  {"CEP", "NUM_CEP", 70}});

    auto* criteria = new QHBoxLayout;
    criteria->addWidget(new QLabel(QStringLiteral("Consultar por:"), this));
    criteria->addWidget(cbbSelecao);
    criteria->addWidget(edtTexto, 1);
    criteria->addWidget(localizar);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {horizontal, vertical, sair})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(criteria);
    layout->addWidget(dbgPrincipal, 1);
    layout->addLayout(buttons);
    resize(900, 450);

    connect(localizar, &QPushButton::clicked, this, [this] { guarded([this] { search(); }); });
    connect(horizontal, &QPushButton::clicked, this, [this] { guarded([this] { previewCard(true); }); });
    connect(vertical, &QPushButton::clicked, this, [this] { guarded([this] { previewCard(false); }); });
    connect(sair, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmSelRelCarteirinha::search() {
    if (cbbSelecao->currentText().trimmed().isEmpty()) {
        Prompts::information(kFaltaTipoConsulta);
        cbbSelecao->setFocus();
        return;
    }
    const QString text = edtTexto->text().trimmed();
    if (text.isEmpty()) {
        Prompts::information(kFaltaTextoConsulta);
        edtTexto->setFocus();
        return;
    }
    std::optional<int> code;
    if (cbbSelecao->currentText() == kPorCodigo) {
        bool number = false;
        code = text.toInt(&number);
        if (!number) {
            Prompts::information(kCodigoProprietarioInvalido);
            edtTexto->setFocus();
            return;
        }
    }
    carteirinhasql::openOwners(*qryPrincipal, code, text);
    if (qryPrincipal->isEmpty())
        Prompts::information(kProprietarioNaoEncontrado);
}

void TfrmSelRelCarteirinha::previewCard(bool portrait) {
    const QVariant animal = qryPrincipal->isActive() ? qryPrincipal->field(QStringLiteral("Id_Animal")) : QVariant();
    if (animal.isNull()) {
        Prompts::information(kAnimalNaoEncontrado);
        return;
    }
    const int id = db::toInt(animal);
    if (portrait)
        Prompts::preview(std::make_shared<TfrmRelCarteirinha_Verdical>(id), false);
    else
        Prompts::preview(std::make_shared<TfrmRelCarteirinha>(id), false);
}
