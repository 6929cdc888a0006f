// The availability map form: its three pages and the status bar they share.

#include "availability/UMapaDisponibilidade.h"

#include "availability/AgendamentoEspecialPage.h"
#include "availability/MapaPrincipalPage.h"
#include "platform/ui/DateEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The e-mail page: its controls are shown, and the page stays disabled.
QWidget* paginaEmail(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("tbsEmail"));
    const auto nomeado = [](QWidget* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    auto* filtro = new QFormLayout;
    filtro->addRow(QStringLiteral("Status do atendimento:"), nomeado(new QComboBox(page), "cbbStatusAtendimento"));
    filtro->addRow(QStringLiteral("Data inicial:"), nomeado(new ui::DateEdit(QDate(2000, 1, 1), page), "dtpDataInicial"));
    filtro->addRow(QStringLiteral("Data final:"), nomeado(new ui::DateEdit(QDate(2000, 1, 1), page), "dtpDataFinal"));
    filtro->addRow(QStringLiteral("Assunto:"), nomeado(new QLineEdit(page), "edtAssunto"));
    filtro->addRow(QStringLiteral("Mensagem:"), nomeado(new QPlainTextEdit(page), "memMensagem"));
    auto* botoes = new QHBoxLayout;
    for (auto [name, caption] : std::initializer_list<std::pair<const char*, const char*>>{
             {"btnPesquisarEmail", "Pesquisar"}, {"btnLimparEmail", "Limpar"}, {"btnAnexar", "Enexar arquivo"},
             {"btnEnviar", "Enviar"}})
        botoes->addWidget(nomeado(new QPushButton(QString::fromUtf8(caption), page), name));
    auto* col = new QVBoxLayout(page);
    col->addLayout(filtro);
    col->addLayout(botoes);
    col->addWidget(nomeado(new QListWidget(page), "cklProprietarios"), 1);
    col->addWidget(nomeado(new QCheckBox(QStringLiteral("Selecionar todos"), page), "chkSelecionarTodosEmail"));
    return page;
}

}  // namespace

TfrmMapaDisponibilidade::TfrmMapaDisponibilidade(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmMapaDisponibilidade"));
    setWindowTitle(QStringLiteral("48 - Mapa disponibilidade"));
    setProperty("Tag", 48);

    stbPrincipal = new QStatusBar(this);
    stbPrincipal->setObjectName(QStringLiteral("stbPrincipal"));
    pgcPrincipal = new QTabWidget(this);
    pgcPrincipal->setObjectName(QStringLiteral("pgcPrincipal"));
    principal = new MapaPrincipalPage(stbPrincipal, pgcPrincipal);
    QWidget* email = paginaEmail(pgcPrincipal);
    especial = new AgendamentoEspecialPage(pgcPrincipal);
    pgcPrincipal->addTab(principal, QStringLiteral("Principal"));
    pgcPrincipal->addTab(email, QStringLiteral("Envio de e-mail"));
    pgcPrincipal->addTab(especial, QStringLiteral("Agendamento especial"));
    pgcPrincipal->setTabToolTip(2, QStringLiteral("Usuário especial"));
    pgcPrincipal->setTabEnabled(1, false);

    auto* col = new QVBoxLayout(this);
    col->addWidget(pgcPrincipal, 1);
    col->addWidget(stbPrincipal);
    resize(1000, 680);
}
