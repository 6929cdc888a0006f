// SPDX-License-Identifier: GPL-3.0-or-later
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
QWidget* emailPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("tbsEmail"));
    const auto named = [](QWidget* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    auto* filter = new QFormLayout;
    filter->addRow(QStringLiteral("Status do atendimento:"), named(new QComboBox(page), "cbbStatusAtendimento"));
    filter->addRow(QStringLiteral("Data inicial:"), named(new ui::DateEdit(QDate(2000, 1, 1), page), "dtpDataInicial"));
    filter->addRow(QStringLiteral("Data final:"), named(new ui::DateEdit(QDate(2000, 1, 1), page), "dtpDataFinal"));
    filter->addRow(QStringLiteral("Assunto:"), named(new QLineEdit(page), "edtAssunto"));
    filter->addRow(QStringLiteral("Mensagem:"), named(new QPlainTextEdit(page), "memMensagem"));
    auto* buttons = new QHBoxLayout;
    for (auto [name, caption] :
         std::initializer_list<std::pair<const char*, const char*>>{{"btnPesquisarEmail", "Pesquisar"},
                                                                    {"btnLimparEmail", "Limpar"},
                                                                    {"btnAnexar", "Enexar arquivo"},
                                                                    {"btnEnviar", "Enviar"}})
        buttons->addWidget(named(new QPushButton(QString::fromUtf8(caption), page), name));
    auto* col = new QVBoxLayout(page);
    col->addLayout(filter);
    col->addLayout(buttons);
    col->addWidget(named(new QListWidget(page), "cklProprietarios"), 1);
    col->addWidget(named(new QCheckBox(QStringLiteral("Selecionar todos"), page), "chkSelecionarTodosEmail"));
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
    mainPage = new MapaPrincipalPage(stbPrincipal, pgcPrincipal);
    QWidget* email = emailPage(pgcPrincipal);
    specialPage = new AgendamentoEspecialPage(pgcPrincipal);
    pgcPrincipal->addTab(mainPage, QStringLiteral("Principal"));
    pgcPrincipal->addTab(email, QStringLiteral("Envio de e-mail"));
    pgcPrincipal->addTab(specialPage, QStringLiteral("Agendamento especial"));
    pgcPrincipal->setTabToolTip(2, QStringLiteral("Usuário especial"));
    pgcPrincipal->setTabEnabled(1, false);

    auto* col = new QVBoxLayout(this);
    col->addWidget(pgcPrincipal, 1);
    col->addWidget(stbPrincipal);
    resize(1000, 680);
}
