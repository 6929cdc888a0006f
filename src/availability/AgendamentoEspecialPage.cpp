// SPDX-License-Identifier: GPL-3.0-or-later
// Special bookings: the grant list, the owner's information, adding and withdrawing grants, and the owner
// search.

#include "availability/AgendamentoEspecialPage.h"

#include "availability/EspecialSql.h"
#include "availability/MapaWidgets.h"
#include "common/FormWindows.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/GridRows.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace availability;

namespace {

const QString kCodigoFalta =
    QStringLiteral("Código do proprietário não informado. Por favor, realize uma nova pesquisa.");
const QString kNomeFalta = QStringLiteral("Falta informa o nome do proprietário.");
const QString kDocumentoFalta = QStringLiteral("Falta informa o nçumero do CPF/CNPJ.");
const QString kQuantidadeFalta = QStringLiteral("Falta informar a quantidade.");
const QString kQuantidadeInvalida = QStringLiteral("Quantidade inválida.");
const QString kNaoEncontrado = QStringLiteral("Código do proprietário não encontrado na base de dados.");
const QString kConfirmaIncluir = QStringLiteral("Você está preste a inserir %1 vagas para %2 deseja continuar?");
const QString kUsadaMaior = QStringLiteral(
    "Não é possivel excluir, a quantidade de agendamento já utilizada é maior que a quantidade que esta tentando "
    "exclúir.");
const QString kConfirmaRetirar = QStringLiteral("Deseja realmente excluir o registro?");
const QString kErroExcluir = QStringLiteral("Erro ao tentar excluir o registro.");
const QString kFaltaOpcao = QStringLiteral("Falta selecionar uma opção de pesquisa.");
const QString kFaltaDigitar = QStringLiteral("Falta digitar o %1.");

}  // namespace

AgendamentoEspecialPage::AgendamentoEspecialPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tbsAgendamentoEspecial"));
    auto* owner = new QGroupBox(QStringLiteral("Proprietário "), this);
    createFields(owner);
    createInformation();
    QLayout* buttons = createButtons(owner);
    createGrid();
    layOut(owner, buttons);
    connectGrid();
    openList();
}

void AgendamentoEspecialPage::createFields(QGroupBox* owner) {
    edtCodigo = lineEdit(owner, "edtCodigo");
    edtNome = lineEdit(owner, "edtNome");
    edtDocumento = lineEdit(owner, "edtDocumento");
    edtQuantidade = lineEdit(owner, "edtQuantidade");
    edtTotal = lineEdit(owner, "edtTotal");
    edtTotal->setReadOnly(true);
    for (QLineEdit* e : {edtCodigo, edtNome, edtDocumento, edtQuantidade})
        e->installEventFilter(this);
}

void AgendamentoEspecialPage::createInformation() {
    memInformacoes = new QPlainTextEdit(this);
    memInformacoes->setObjectName(QStringLiteral("memInformacoes"));
    memInformacoes->setReadOnly(true);
}

QLayout* AgendamentoEspecialPage::createButtons(QGroupBox* owner) {
    const auto onClick = [this, owner](const char* name, const QString& caption, void (AgendamentoEspecialPage::*f)()) {
        QPushButton* b = button(owner, name, caption);
        connect(b, &QPushButton::clicked, this, [this, f] { guarded([this, f] { (this->*f)(); }); });
        return b;
    };
    auto* row = new QHBoxLayout;
    row->addWidget(
        onClick("btnPesquisar", QStringLiteral("&Pesquisar proprietário"), &AgendamentoEspecialPage::search));
    row->addWidget(onClick("btnIncluir", QStringLiteral("&Incluir"), &AgendamentoEspecialPage::add));
    row->addWidget(onClick("btnExcluir", QStringLiteral("&Excluir"), &AgendamentoEspecialPage::remove));
    row->addWidget(onClick("btnLimpar", QStringLiteral("&Limpar"), &AgendamentoEspecialPage::clear));
    return row;
}

void AgendamentoEspecialPage::createGrid() {
    qryEspecial = new db::DataSet(db::kMain, this);
    dbgEspecial = new QTableView(this);
    dbgEspecial->setObjectName(QStringLiteral("dbgEspecial"));
    ui::bindGrid(dbgEspecial, qryEspecial,
                 {{QStringLiteral("Código do proprietário"), QStringLiteral("Id_Proprietario"), 120},
                  {QStringLiteral("Proprietário"), QStringLiteral("nome"), 250},
                  {QStringLiteral("Qt. acrecido"), QStringLiteral("Qt_Agendamento_Reservado"), 90},
                  {QStringLiteral("Data da inserção"), QStringLiteral("Inserido_Em"), 140}});
}

void AgendamentoEspecialPage::layOut(QGroupBox* owner, QLayout* buttons) {
    ui::GridRows rows(new QGridLayout(owner));
    for (auto [caption, w] : std::initializer_list<std::pair<const char*, QLineEdit*>>{{"Código: ", edtCodigo},
                                                                                       {"Nome:", edtNome},
                                                                                       {"CPF/CNPJ:", edtDocumento},
                                                                                       {"Qt. agend.", edtQuantidade},
                                                                                       {"Total acrecido:", edtTotal}})
        rows.row().labelled(QString::fromUtf8(caption), w);
    rows.row().add(buttons, 2);
    auto* top = new QHBoxLayout;
    top->addWidget(owner);
    auto* info = new QVBoxLayout;
    info->addWidget(new QLabel(QStringLiteral("Informações adicionais:"), this));
    info->addWidget(memInformacoes);
    top->addLayout(info, 1);
    auto* col = new QVBoxLayout(this);
    col->addLayout(top);
    col->addWidget(dbgEspecial, 1);
}

void AgendamentoEspecialPage::connectGrid() {
    connect(qryEspecial, &db::DataSet::currentChanged, this, [this] {
        if (qryEspecial->recNo() < 0 || qryEspecial->isEmpty() ||
            qryEspecial->field(QStringLiteral("Id_Proprietario")).isNull())
            return;
        edtCodigo->setText(qryEspecial->str(QStringLiteral("Id_Proprietario")));
        for (QLineEdit* e : {edtNome, edtDocumento, edtQuantidade, edtTotal})
            e->clear();
        guarded([this] { CarregaInformacoesProprietario(); });
    });
}

void AgendamentoEspecialPage::openList() {
    const QString code = edtCodigo->text().trimmed();
    especialsql::openGrants(*qryEspecial);
    if (!code.isEmpty())
        qryEspecial->locate(QStringLiteral("Id_Proprietario"), code.toInt());
}

void AgendamentoEspecialPage::CarregaInformacoesProprietario() {
    const QString code = edtCodigo->text().trimmed();
    if (!code.isEmpty() || !edtNome->text().trimmed().isEmpty()) {
        const db::RowSet owners = especialsql::owners(code, edtNome->text().trimmed());
        if (owners.count() == 1) {
            const auto f = [&owners](const char* n) {
                return db::toText(owners.row(0)[owners.indexOrThrow(QString::fromLatin1(n))]);
            };
            edtCodigo->setText(f("id_proprietario"));
            edtNome->setText(f("Nome"));
            edtDocumento->setText(f("Num_CPF_CNPJ"));
            memInformacoes->clear();
            memInformacoes->appendPlainText(QStringLiteral("Proprietário:") + f("Nome"));
            const QString personType = f("Tipo_Pessoa");
            const QString label = db::sameText(personType, QStringLiteral("FÍSICA"))     ? QStringLiteral("CPF:")
                                  : db::sameText(personType, QStringLiteral("JURÍDICA")) ? QStringLiteral("CNPJ:")
                                                                                         : QStringLiteral("CNPJ/CPF:");
            memInformacoes->appendPlainText(label + f("Num_CPF_CNPJ"));
            const QString email = f("Email_Proprietario").trimmed();
            memInformacoes->appendPlainText(email.isEmpty()
                                                ? QStringLiteral("E-Mail: Não informado no cadastro de proprietário. ")
                                                : QStringLiteral("E-Mail:") + f("Email_Proprietario"));
            memInformacoes->appendPlainText(
                QStringLiteral("Registro inserido na data ") +
                db::toDateTime(owners.row(0)[owners.indexOrThrow(QStringLiteral("Inserido_Em"))])
                    .toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")));
        }
    }
    const QString key = edtCodigo->text().trimmed();
    if (key.isEmpty())
        return;
    const int owner = key.toInt();
    const db::RowSet status = especialsql::attendancesByStatus(owner);
    for (int i = 0; i < status.count(); ++i)
        memInformacoes->appendPlainText(db::toText(status.row(i)[0]) + QStringLiteral(" = ") +
                                        QString::number(db::toInt(status.row(i)[1])));
    edtTotal->setText(QString::number(especialsql::SomaReservadoProprietario(owner)));
    const db::RowSet list = especialsql::attendances(owner);
    if (list.count() && !db::toText(list.row(0)[0]).trimmed().isEmpty()) {
        memInformacoes->appendPlainText(
            QStringLiteral("Animal | Status do atendimento | Data do atendimento | Unidade de atendimento"));
        for (int i = 0; i < list.count(); ++i)
            memInformacoes->appendPlainText(
                QStringList{db::toText(list.row(i)[0]), db::toText(list.row(i)[1]),
                            db::toDateTime(list.row(i)[2]).toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")),
                            db::toText(list.row(i)[3])}
                    .join(QStringLiteral(" | ")));
    }
}

void AgendamentoEspecialPage::search() {
    IdProprietarioPesquisa = 0;
    MapaDisponibilidadePesquisa = new TMapaDisponibilidadePesquisa(this);
    connect(MapaDisponibilidadePesquisa, &QDialog::finished, this, [this] { guarded([this] { searched(); }); });
    openDialog(MapaDisponibilidadePesquisa);
}

void AgendamentoEspecialPage::searched() {
    if (IdProprietarioPesquisa == 0)
        return;
    edtCodigo->setText(QString::number(IdProprietarioPesquisa));
    edtNome->clear();
    edtDocumento->clear();
    CarregaInformacoesProprietario();
}

bool AgendamentoEspecialPage::refuse(const QString& message, QLineEdit* field) {
    paint(field, Qt::yellow);
    field->setFocus();
    Prompts::information(message);
    return false;
}

void AgendamentoEspecialPage::add() {
    if (edtCodigo->text().trimmed().isEmpty())
        return void(refuse(kCodigoFalta, edtCodigo));
    if (edtNome->text().trimmed().isEmpty())
        return void(refuse(kNomeFalta, edtNome));
    if (edtDocumento->text().trimmed().isEmpty())
        return void(refuse(kDocumentoFalta, edtDocumento));
    if (edtQuantidade->text().trimmed().isEmpty())
        return void(refuse(kQuantidadeFalta, edtQuantidade));
    bool ok = false;
    const int quantity = edtQuantidade->text().trimmed().toInt(&ok);
    if (!ok || quantity < 1 || quantity > 999)
        return void(refuse(kQuantidadeInvalida, edtQuantidade));
    const int owner = edtCodigo->text().trimmed().toInt();
    if (!especialsql::ownerExists(owner))
        return void(refuse(kNaoEncontrado, edtCodigo));
    if (!Prompts::confirm(kConfirmaIncluir.arg(quantity).arg(edtNome->text())))
        return;
    {
        db::Transaction t;
        especialsql::grant(owner, quantity);
        t.commit();
    }
    openList();
}

void AgendamentoEspecialPage::remove() {
    if (qryEspecial->isEmpty() || qryEspecial->recNo() < 0)
        return;
    const int owner = db::toInt(qryEspecial->field(QStringLiteral("Id_Proprietario")));
    const especialsql::Balance s = especialsql::balance(owner);
    if (db::toInt(qryEspecial->field(QStringLiteral("Qt_Agendamento_Reservado"))) < s.used - s.granted) {
        Prompts::information(kUsadaMaior);
        return;
    }
    if (!Prompts::confirm(kConfirmaRetirar))
        return;
    try {
        especialsql::withdraw(db::toInt(qryEspecial->field(QStringLiteral("Id_Agendamento_Especial"))),
                              db::readValues(*qryEspecial));
    } catch (const std::exception& e) {
        Prompts::error(failureText(e, kErroExcluir));
        return;
    }
    openList();
}

void AgendamentoEspecialPage::clear() {
    openList();
    for (QLineEdit* e : {edtCodigo, edtNome, edtDocumento, edtQuantidade, edtTotal})
        e->clear();
    memInformacoes->clear();
}

bool AgendamentoEspecialPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        for (QLineEdit* e : {edtCodigo, edtNome, edtDocumento, edtQuantidade})
            if (!e->text().isEmpty())
                paint(e, windowColour());
    return QWidget::eventFilter(watched, event);
}

TMapaDisponibilidadePesquisa::TMapaDisponibilidadePesquisa(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("MapaDisponibilidadePesquisa"));
    setWindowTitle(QStringLiteral("Pesquisa"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    cbbSelecione = new QComboBox(this);
    cbbSelecione->setObjectName(QStringLiteral("cbbSelecione"));
    cbbSelecione->addItems({QStringLiteral("CPF/CNPJ"), QStringLiteral("Nome")});
    cbbSelecione->setCurrentIndex(-1);
    edtDados = new QLineEdit(this);
    edtDados->setObjectName(QStringLiteral("edtDados"));
    qryPesquisa = new db::DataSet(db::kMain, this);
    dbgPesquisa = new QTableView(this);
    dbgPesquisa->setObjectName(QStringLiteral("dbgPesquisa"));
    ui::bindGrid(dbgPesquisa, qryPesquisa,
                 {{QStringLiteral("Nome"), QStringLiteral("Nome"), 250},
                  {QStringLiteral("Tipo pessoa"), QStringLiteral("Tipo_Pessoa"), 90},
                  {QStringLiteral("CPF/CNPJ"), QStringLiteral("Num_CPF_CNPJ"), 120},
                  {QStringLiteral("E-mail"), QStringLiteral("Email_Proprietario"), 200}});
    auto* searchB = button(this, "btnPesquisar", QStringLiteral("&Pesquisar"));
    auto* okB = button(this, "btnOK", QStringLiteral("&OK"));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Selecione:"), this));
    row->addWidget(cbbSelecione);
    row->addWidget(new QLabel(QStringLiteral("Dados:"), this));
    row->addWidget(edtDados, 1);
    row->addWidget(searchB);
    auto* col = new QVBoxLayout(this);
    col->addLayout(row);
    col->addWidget(dbgPesquisa, 1);
    col->addWidget(okB, 0, Qt::AlignRight);
    resize(720, 420);
    connect(searchB, &QPushButton::clicked, this, [this] { guarded([this] { search(); }); });
    connect(okB, &QPushButton::clicked, this, [this] { ok(); });
}

void TMapaDisponibilidadePesquisa::search() {
    if (cbbSelecione->currentIndex() < 0) {
        paint(cbbSelecione, Qt::yellow);
        cbbSelecione->setFocus();
        Prompts::information(kFaltaOpcao);
        return;
    }
    if (edtDados->text().trimmed().isEmpty()) {
        Prompts::information(kFaltaDigitar.arg(cbbSelecione->currentText()));
        return;
    }
    especialsql::searchOwners(*qryPesquisa, cbbSelecione->currentIndex() == 0, edtDados->text().trimmed());
}

void TMapaDisponibilidadePesquisa::ok() {
    if (qryPesquisa->isActive() && !qryPesquisa->isEmpty() && qryPesquisa->recNo() >= 0)
        IdProprietarioPesquisa = db::toInt(qryPesquisa->field(QStringLiteral("Id_Proprietario")));
    accept();
}
