// Special bookings: the grant list, the owner's information, adding and withdrawing grants, and the owner
// search.

#include "availability/AgendamentoEspecialPage.h"

#include "availability/EspecialSql.h"
#include "availability/MapaWidgets.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/EnterAsTab.h"

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

using namespace mapa;

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
    auto* grupo = new QGroupBox(QStringLiteral("Proprietário "), this);
    edtCodigo = edicao(grupo, "edtCodigo");
    edtNome = edicao(grupo, "edtNome");
    edtDocumento = edicao(grupo, "edtDocumento");
    edtQuantidade = edicao(grupo, "edtQuantidade");
    edtTotal = edicao(grupo, "edtTotal");
    edtTotal->setReadOnly(true);
    for (QLineEdit* e : {edtCodigo, edtNome, edtDocumento, edtQuantidade})
        e->installEventFilter(this);
    memInformacoes = new QPlainTextEdit(this);
    memInformacoes->setObjectName(QStringLiteral("memInformacoes"));
    memInformacoes->setReadOnly(true);
    auto* pesquisarB = botao(grupo, "btnPesquisar", QStringLiteral("&Pesquisar proprietário"));
    auto* incluirB = botao(grupo, "btnIncluir", QStringLiteral("&Incluir"));
    auto* excluirB = botao(grupo, "btnExcluir", QStringLiteral("&Excluir"));
    auto* limparB = botao(grupo, "btnLimpar", QStringLiteral("&Limpar"));

    qryEspecial = new db::DataSet(db::kMain, this);
    dbgEspecial = new QTableView(this);
    dbgEspecial->setObjectName(QStringLiteral("dbgEspecial"));
    ui::bindGrid(dbgEspecial, qryEspecial,
                 {{QStringLiteral("Código do proprietário"), QStringLiteral("Id_Proprietario"), 120},
                  {QStringLiteral("Proprietário"), QStringLiteral("nome"), 250},
                  {QStringLiteral("Qt. acrecido"), QStringLiteral("Qt_Agendamento_Reservado"), 90},
                  {QStringLiteral("Data da inserção"), QStringLiteral("Inserido_Em"), 140}});

    auto* g = new QGridLayout(grupo);
    int linha = 0;
    for (auto [texto, w] : std::initializer_list<std::pair<const char*, QLineEdit*>>{
             {"Código: ", edtCodigo}, {"Nome:", edtNome}, {"CPF/CNPJ:", edtDocumento},
             {"Qt. agend.", edtQuantidade}, {"Total acrecido:", edtTotal}}) {
        g->addWidget(new QLabel(QString::fromUtf8(texto), grupo), linha, 0);
        g->addWidget(w, linha++, 1);
    }
    auto* botoes = new QHBoxLayout;
    for (QPushButton* b : {pesquisarB, incluirB, excluirB, limparB})
        botoes->addWidget(b);
    g->addLayout(botoes, linha, 0, 1, 2);
    auto* topo = new QHBoxLayout;
    topo->addWidget(grupo);
    auto* info = new QVBoxLayout;
    info->addWidget(new QLabel(QStringLiteral("Informações adicionais:"), this));
    info->addWidget(memInformacoes);
    topo->addLayout(info, 1);
    auto* col = new QVBoxLayout(this);
    col->addLayout(topo);
    col->addWidget(dbgEspecial, 1);

    const auto liga = [this](QPushButton* b, void (AgendamentoEspecialPage::*f)()) {
        connect(b, &QPushButton::clicked, this, [this, f] { guarded([this, f] { (this->*f)(); }); });
    };
    liga(pesquisarB, &AgendamentoEspecialPage::pesquisar);
    liga(incluirB, &AgendamentoEspecialPage::incluir);
    liga(excluirB, &AgendamentoEspecialPage::excluir);
    liga(limparB, &AgendamentoEspecialPage::limpar);
    connect(qryEspecial, &db::DataSet::currentChanged, this, [this] {
        if (qryEspecial->recNo() < 0 || qryEspecial->isEmpty() || qryEspecial->field(QStringLiteral("Id_Proprietario")).isNull())
            return;
        edtCodigo->setText(qryEspecial->str(QStringLiteral("Id_Proprietario")));
        for (QLineEdit* e : {edtNome, edtDocumento, edtQuantidade, edtTotal})
            e->clear();
        guarded([this] { carregaInformacoesProprietario(); });
    });
    abreLista();
}

void AgendamentoEspecialPage::abreLista() {
    const QString codigo = edtCodigo->text().trimmed();
    especial::abreConcessoes(*qryEspecial);
    if (!codigo.isEmpty())
        qryEspecial->locate(QStringLiteral("Id_Proprietario"), codigo.toInt());
}

void AgendamentoEspecialPage::carregaInformacoesProprietario() {
    const QString codigo = edtCodigo->text().trimmed();
    if (!codigo.isEmpty() || !edtNome->text().trimmed().isEmpty()) {
        const db::RowSet donos = especial::proprietarios(codigo, edtNome->text().trimmed());
        if (donos.count() == 1) {
            const auto f = [&donos](const char* n) { return db::toText(donos.row(0)[donos.indexOrThrow(QString::fromLatin1(n))]); };
            edtCodigo->setText(f("id_proprietario"));
            edtNome->setText(f("Nome"));
            edtDocumento->setText(f("Num_CPF_CNPJ"));
            memInformacoes->clear();
            memInformacoes->appendPlainText(QStringLiteral("Proprietário:") + f("Nome"));
            const QString tipo = f("Tipo_Pessoa").trimmed();
            const QString rotulo = tipo == QStringLiteral("FÍSICA")     ? QStringLiteral("CPF:")
                                   : tipo == QStringLiteral("JURÍDICA") ? QStringLiteral("CNPJ:")
                                                                        : QStringLiteral("CNPJ/CPF:");
            memInformacoes->appendPlainText(rotulo + f("Num_CPF_CNPJ"));
            const QString email = f("Email_Proprietario").trimmed();
            memInformacoes->appendPlainText(email.isEmpty()
                                                ? QStringLiteral("E-Mail: Não informado no cadastro de proprietário. ")
                                                : QStringLiteral("E-Mail:") + f("Email_Proprietario"));
            memInformacoes->appendPlainText(
                QStringLiteral("Registro inserido na data ") +
                db::toDateTime(donos.row(0)[donos.indexOrThrow(QStringLiteral("Inserido_Em"))])
                    .toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")));
        }
    }
    const QString chave = edtCodigo->text().trimmed();
    if (chave.isEmpty())
        return;
    const int dono = chave.toInt();
    const db::RowSet status = especial::atendimentosPorStatus(dono);
    for (int i = 0; i < status.count(); ++i)
        memInformacoes->appendPlainText(db::toText(status.row(i)[0]) + QStringLiteral(" = ") +
                                        QString::number(db::toInt(status.row(i)[1])));
    edtTotal->setText(QString::number(especial::totalReservado(dono)));
    const db::RowSet lista = especial::atendimentos(dono);
    if (lista.count() && !db::toText(lista.row(0)[0]).trimmed().isEmpty()) {
        memInformacoes->appendPlainText(
            QStringLiteral("Animal | Status do atendimento | Data do atendimento | Unidade de atendimento"));
        for (int i = 0; i < lista.count(); ++i)
            memInformacoes->appendPlainText(
                QStringList{db::toText(lista.row(i)[0]), db::toText(lista.row(i)[1]),
                            db::toDateTime(lista.row(i)[2]).toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")),
                            db::toText(lista.row(i)[3])}
                    .join(QStringLiteral(" | ")));
    }
}

void AgendamentoEspecialPage::pesquisar() {
    IdProprietarioPesquisa = 0;
    MapaDisponibilidadePesquisa = new TMapaDisponibilidadePesquisa(this);
    connect(MapaDisponibilidadePesquisa, &QDialog::finished, this, [this] { guarded([this] { pesquisou(); }); });
    MapaDisponibilidadePesquisa->open();
}

void AgendamentoEspecialPage::pesquisou() {
    if (IdProprietarioPesquisa == 0)
        return;
    edtCodigo->setText(QString::number(IdProprietarioPesquisa));
    edtNome->clear();
    edtDocumento->clear();
    carregaInformacoesProprietario();
}

bool AgendamentoEspecialPage::recusa(const QString& mensagem, QLineEdit* campo) {
    pinta(campo, Qt::yellow);
    campo->setFocus();
    Prompts::information(mensagem);
    return false;
}

void AgendamentoEspecialPage::incluir() {
    if (edtCodigo->text().trimmed().isEmpty())
        return void(recusa(kCodigoFalta, edtCodigo));
    if (edtNome->text().trimmed().isEmpty())
        return void(recusa(kNomeFalta, edtNome));
    if (edtDocumento->text().trimmed().isEmpty())
        return void(recusa(kDocumentoFalta, edtDocumento));
    if (edtQuantidade->text().trimmed().isEmpty())
        return void(recusa(kQuantidadeFalta, edtQuantidade));
    bool ok = false;
    const int quantidade = edtQuantidade->text().trimmed().toInt(&ok);
    if (!ok || quantidade < 1 || quantidade > 999)
        return void(recusa(kQuantidadeInvalida, edtQuantidade));
    const int dono = edtCodigo->text().trimmed().toInt();
    if (!especial::existeProprietario(dono))
        return void(recusa(kNaoEncontrado, edtCodigo));
    if (!Prompts::confirm(kConfirmaIncluir.arg(quantidade).arg(edtNome->text())))
        return;
    {
        db::Transaction t;
        especial::concede(dono, quantidade);
        t.commit();
    }
    abreLista();
}

void AgendamentoEspecialPage::excluir() {
    if (qryEspecial->isEmpty() || qryEspecial->recNo() < 0)
        return;
    const int dono = db::toInt(qryEspecial->field(QStringLiteral("Id_Proprietario")));
    const especial::Saldo s = especial::saldo(dono);
    if (db::toInt(qryEspecial->field(QStringLiteral("Qt_Agendamento_Reservado"))) < s.usada - s.acrescida) {
        Prompts::information(kUsadaMaior);
        return;
    }
    if (!Prompts::confirm(kConfirmaRetirar))
        return;
    try {
        especial::retira(db::toInt(qryEspecial->field(QStringLiteral("Id_Agendamento_Especial"))),
                         db::readValues(*qryEspecial));
    } catch (const std::exception& e) {
        Prompts::error(failureText(e, kErroExcluir));
        return;
    }
    abreLista();
}

void AgendamentoEspecialPage::limpar() {
    abreLista();
    for (QLineEdit* e : {edtCodigo, edtNome, edtDocumento, edtQuantidade, edtTotal})
        e->clear();
    memInformacoes->clear();
}

bool AgendamentoEspecialPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        for (QLineEdit* e : {edtCodigo, edtNome, edtDocumento, edtQuantidade})
            if (!e->text().isEmpty())
                pinta(e, corJanela());
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
    auto* pesquisarB = botao(this, "btnPesquisar", QStringLiteral("&Pesquisar"));
    auto* okB = botao(this, "btnOK", QStringLiteral("&OK"));
    auto* linha = new QHBoxLayout;
    linha->addWidget(new QLabel(QStringLiteral("Selecione:"), this));
    linha->addWidget(cbbSelecione);
    linha->addWidget(new QLabel(QStringLiteral("Dados:"), this));
    linha->addWidget(edtDados, 1);
    linha->addWidget(pesquisarB);
    auto* col = new QVBoxLayout(this);
    col->addLayout(linha);
    col->addWidget(dbgPesquisa, 1);
    col->addWidget(okB, 0, Qt::AlignRight);
    resize(720, 420);
    connect(pesquisarB, &QPushButton::clicked, this, [this] { guarded([this] { pesquisar(); }); });
    connect(okB, &QPushButton::clicked, this, [this] { ok(); });
}

void TMapaDisponibilidadePesquisa::pesquisar() {
    if (cbbSelecione->currentIndex() < 0) {
        pinta(cbbSelecione, Qt::yellow);
        cbbSelecione->setFocus();
        Prompts::information(kFaltaOpcao);
        return;
    }
    if (edtDados->text().trimmed().isEmpty()) {
        Prompts::information(kFaltaDigitar.arg(cbbSelecione->currentText()));
        return;
    }
    especial::pesquisa(*qryPesquisa, cbbSelecione->currentIndex() == 0, edtDados->text().trimmed());
}

void TMapaDisponibilidadePesquisa::ok() {
    if (qryPesquisa->isActive() && !qryPesquisa->isEmpty() && qryPesquisa->recNo() >= 0)
        IdProprietarioPesquisa = db::toInt(qryPesquisa->field(QStringLiteral("Id_Proprietario")));
    accept();
}
