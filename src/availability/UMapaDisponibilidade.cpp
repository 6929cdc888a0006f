// The availability map form: its three pages and the status bar they share.

#include "availability/UMapaDisponibilidade.h"

#include "availability/AgendamentoEspecialPage.h"
#include "availability/MapaPrincipalPage.h"

#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

TfrmMapaDisponibilidade::TfrmMapaDisponibilidade(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmMapaDisponibilidade"));
    setWindowTitle(QStringLiteral("48 - Mapa disponibilidade"));
    setProperty("Tag", 48);

    stbPrincipal = new QStatusBar(this);
    stbPrincipal->setObjectName(QStringLiteral("stbPrincipal"));
    pgcPrincipal = new QTabWidget(this);
    pgcPrincipal->setObjectName(QStringLiteral("pgcPrincipal"));
    principal = new MapaPrincipalPage(stbPrincipal, pgcPrincipal);
    auto* email = new QWidget(pgcPrincipal);
    email->setObjectName(QStringLiteral("tbsEmail"));
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
