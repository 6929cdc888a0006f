// SPDX-License-Identifier: GPL-3.0-or-later
// The login dialog's lists, the password check and the session it writes.
#include "shell/login/ULogin.h"

#include "common/Guard.h"
#include "common/Process.h"
#include "common/Prompts.h"
#include "common/access/PasswordDigest.h"
#include "common/access/Session.h"
#include "platform/ui/EnterAsTab.h"
#include "shell/login/LoginSql.h"
#include "shell/menu/UMenuPrincipal.h"
#include "shell/shared/DatabaseUpgrade.h"
#include "shell/shared/Version.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QStatusBar>
#include <QVBoxLayout>

TfrmLogin_2::TfrmLogin_2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmLogin_2"));
    setWindowTitle(QStringLiteral("VELMORAN"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* layout = new QVBoxLayout(this);
    auto* welcome = new QGroupBox(QStringLiteral(" Bem vindo ao sistema : "), this);
    auto* wl = new QVBoxLayout(welcome);
    wl->addWidget(new QLabel(QStringLiteral("Nurvalia - NURV"), welcome));
    wl->addWidget(new QLabel(shell::kVersaoAtual, welcome));
    layout->addWidget(welcome);

    auto* ident = new QGroupBox(QStringLiteral(" Identificação "), this);
    auto* form = new QFormLayout(ident);
    dblUnidade = new QComboBox(ident);
    dblUnidade->setObjectName(QStringLiteral("dblUnidade"));
    dblUnidade->view()->setMinimumWidth(360);
    dblUsuario = new QComboBox(ident);
    dblUsuario->setObjectName(QStringLiteral("dblUsuario"));
    dblUsuario->view()->setMinimumWidth(200);
    edtSenha = new QLineEdit(ident);
    edtSenha->setObjectName(QStringLiteral("edtSenha"));
    edtSenha->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("Unidade de trabalho: "), dblUnidade);
    form->addRow(QStringLiteral("Usuário : "), dblUsuario);
    form->addRow(QStringLiteral("Senha : "), edtSenha);
    layout->addWidget(ident);

    auto* buttons = new QHBoxLayout;
    bmpOK = new QPushButton(QStringLiteral("&OK"), this);
    bmpOK->setObjectName(QStringLiteral("bmpOK"));
    bmpSair = new QPushButton(QStringLiteral("&Sair"), this);
    bmpSair->setObjectName(QStringLiteral("bmpSair"));
    buttons->addStretch();
    buttons->addWidget(bmpOK);
    buttons->addWidget(bmpSair);
    layout->addLayout(buttons);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    const int widths[2] = {200, 130};
    for (int i = 0; i < 2; ++i) {
        m_panels[i] = new QLabel(status);
        m_panels[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        m_panels[i]->setMinimumWidth(widths[i]);
        m_panels[i]->setAlignment(Qt::AlignCenter);
        status->addWidget(m_panels[i]);
    }
    layout->addWidget(status);

    // Enter moves on from the two lists; in the password it presses OK, the dialog's default button.
    ui::EnterAsTab::install(dblUnidade);
    ui::EnterAsTab::install(dblUsuario);
    bmpOK->setDefault(true);

    connect(dblUnidade, &QComboBox::activated, this, [this] { guarded([this] { dblUnidadeClick(); }); });
    connect(dblUsuario, &QComboBox::activated, this, [this] { guarded([this] { dblUsuarioClick(); }); });
    connect(bmpOK, &QPushButton::clicked, this, [this] { guarded([this] { bmpOKClick(); }); });
    connect(bmpSair, &QPushButton::clicked, this, [this] { bmpSairClick(); });
}

void TfrmLogin_2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (dblUnidade->count() == 0)
        guarded([this] { FormShow(); });
}

void TfrmLogin_2::FormShow() {
    const QList<loginsql::Unit> units = loginsql::activeUnits();
    dblUnidade->clear();
    for (const loginsql::Unit& unit : units)
        dblUnidade->addItem(unit.caption, unit.key);
    dblUnidade->setCurrentIndex(-1);
}

void TfrmLogin_2::dblUnidadeClick() {
    const QString unit = dblUnidade->currentData().toString().trimmed();
    if (unit.isEmpty())
        return;
    dblUsuario->clear();
    for (const loginsql::Operator& user : loginsql::operatorsOf(unit.toInt()))
        dblUsuario->addItem(user.name, QVariantList{user.key, user.profile});
    dblUsuario->setCurrentIndex(-1);
}

void TfrmLogin_2::dblUsuarioClick() {
    const QVariantList data = dblUsuario->currentData().toList();
    if (data.size() < 2)
        return;
    m_panels[0]->setText(data[0].toString() + QStringLiteral(" - ") + dblUsuario->currentText().toUpper());
    const QString profile = data[1].toString().trimmed();
    if (profile.isEmpty())
        return;
    if (const auto caption = loginsql::profileCaption(profile.toInt()))
        m_panels[1]->setText(*caption);
}

void TfrmLogin_2::bmpOKClick() {
    const QString digest = GeraHashSenha(edtSenha->text().trimmed());
    if (dblUnidade->currentText().trimmed().isEmpty()) {
        Prompts::information(QStringLiteral("Selecione a unidade de trabalho!"));
        return;
    }
    if (dblUsuario->currentText().trimmed().isEmpty()) {
        Prompts::information(QStringLiteral("Selecione o usuário!"));
        return;
    }
    if (edtSenha->text().trimmed().isEmpty()) {
        Prompts::information(QStringLiteral("Falta digitar a senha!"));
        return;
    }
    const QVariantList chosen = dblUsuario->currentData().toList();
    const auto user = loginsql::check(chosen.value(0).toString().toInt(), digest,
                                      dblUnidade->currentData().toString().trimmed().toInt());
    if (!user) {
        Prompts::information(QStringLiteral("Senha invalida!"));
        return;
    }
    const QString unitName = loginsql::unitName(user->unit.toInt());
    const QString profileName = loginsql::profileName(user->profile.toInt());

    // No window of the previous user may outlive her session: each closes as its own close does, and one
    // that the operator keeps (a row being typed) cancels the switch with the previous session in force.
    if (frmMenuPrincipal && !frmMenuPrincipal->closeForms(this)) {
        edtSenha->clear();
        if (!isModal())
            hide();
        return;
    }

    UsuarioLogado = user->key;
    PerfilLogado = user->profile;
    UnidadeLogada = user->unit;
    NomeUsuarioLogado = user->name;
    LoginUsuarioLogado = user->login;
    NomeUnidadeLogada = unitName;
    NomePerfilLogado = profileName;

    m_succeeded = true;
    if (frmMenuPrincipal)
        frmMenuPrincipal->configuraMenu();
    edtSenha->clear();
    if (isModal()) {
        tellAdministratorOfUpgrade();
        accept();
    } else {
        hide();
    }
}

void TfrmLogin_2::bmpSairClick() { endProcess(0); }

void TfrmLogin_2::reject() {}

void TfrmLogin_2::closeEvent(QCloseEvent* event) {
    // The start-up login closes only on success. A switch of user may be closed, as the next switch closes
    // every window: it is hidden without its password, and the session stays as it was. (QDialog's own close
    // goes through reject(), which does nothing here.)
    if (isModal() && !m_succeeded) {
        event->ignore();
        return;
    }
    edtSenha->clear();
    event->accept();
}
