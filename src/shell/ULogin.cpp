#include "shell/ULogin.h"

#include "common/Guard.h"
#include "common/PasswordDigest.h"
#include "common/Process.h"
#include "common/Prompts.h"
#include "common/Session.h"
#include "platform/db/Query.h"
#include "platform/ui/EnterAsTab.h"
#include "shell/UMenuPrincipal.h"

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
    wl->addWidget(new QLabel(QStringLiteral("Ver.: 14.07.01 (27/05/2024) Homologação"), welcome));
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
    db::Query q;
    q << "select id_unidade_Trabalho, cast(id_unidade_Trabalho as varchar(10)) || ' - ' || upper(nome) as nome  from unidade_trabalho"
      << "where ind_status = 'ATIVO'";
    q.open();
    dblUnidade->clear();
    for (q.first(); !q.eof(); q.next())
        dblUnidade->addItem(q.str("nome"), q.str("id_unidade_Trabalho"));
    dblUnidade->setCurrentIndex(-1);
}

void TfrmLogin_2::dblUnidadeClick() {
    const QString unidade = dblUnidade->currentData().toString().trimmed();
    if (unidade.isEmpty())
        return;
    dblUsuario->clear();
    db::Query q;
    q << " select Id_Usuario, id_perfil, "
      << " upper(Nome) as nome, Senha, senha_crip from usuario"
      << " where  Id_Unidade_Trabalho = :unidade "
      << " and trim(Bloqueado) = 'NAO' "
      << " and trim(inativo) = 'NAO' "
      << " and (login is not null) and (trim(login) <> '') "
      << " and (nome is not null) and (trim(nome) <> '') "
      << " and Id_Unidade_Trabalho <> 15 "
      << " and trim(Status_Registro) = 'ATIVO'"
      // Owners' web accounts share the table; they are never operators.
      << " and id_proprietario is null "
      << " and not exists (select 1 from proprietario p where p.id_usu_web = usuario.Id_Usuario) "
      << " order by nome ";
    q.bind("unidade", unidade.toInt());
    q.open();
    for (q.first(); !q.eof(); q.next())
        dblUsuario->addItem(q.str("nome"), QVariantList{q.str("Id_Usuario"), q.str("id_perfil")});
    dblUsuario->setCurrentIndex(-1);
}

void TfrmLogin_2::dblUsuarioClick() {
    const QVariantList data = dblUsuario->currentData().toList();
    if (data.size() < 2)
        return;
    m_panels[0]->setText(data[0].toString() + QStringLiteral(" - ") + dblUsuario->currentText().toUpper());
    const QString perfil = data[1].toString().trimmed();
    if (perfil.isEmpty())
        return;
    db::Query q;
    q << " select upper(nome)as nome from perfil " << " where id_perfil = :perfil";
    q.bind("perfil", perfil.toInt());
    q.open();
    if (!q.isEmpty())
        m_panels[1]->setText(q.str("nome"));
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
    const QVariantList user = dblUsuario->currentData().toList();
    db::Query q;
    q << " select Id_Usuario, Id_Unidade_Trabalho, Id_Perfil, upper(Nome) as nome, Login, Senha, senha_crip  "
      << " from usuario "
      << " where Id_Usuario = :usuario "
      << " and senha_crip = :digest "
      << " and id_unidade_trabalho = :unidade "
      << " and trim(Bloqueado) = 'NAO' "
      << " and trim(inativo) = 'NAO' "
      << " and trim(Status_Registro) = 'ATIVO' "
      << " and id_proprietario is null "
      << " and not exists (select 1 from proprietario p where p.id_usu_web = usuario.Id_Usuario) ";
    q.bind("usuario", user.value(0).toString().toInt())
        .bind("digest", digest)
        .bind("unidade", dblUnidade->currentData().toString().trimmed().toInt());
    q.open();
    if (q.isEmpty() || q.str("id_usuario").trimmed().isEmpty()) {
        Prompts::information(QStringLiteral("Senha invalida!"));
        return;
    }
    const QString usuario = q.str("Id_Usuario");
    const QString perfil = q.str("Id_Perfil");
    const QString unidadeLogada = q.str("Id_Unidade_Trabalho");
    const QString nome = q.str("nome");
    const QString login = q.str("Login");

    db::Query names;
    names << " select nome from unidade_Trabalho " << " where id_unidade_trabalho = :unidade ";
    names.bind("unidade", unidadeLogada.toInt());
    names.open();
    const QString nomeUnidade = names.str("nome");
    names.clear();
    names << " select nome from perfil " << " where id_perfil = :perfil ";
    names.bind("perfil", perfil.toInt());
    names.open();
    const QString nomePerfil = names.str("nome");

    // No window of the previous user may outlive her session: each closes as its own close does, and one
    // that the operator keeps (a row being typed) cancels the switch with the previous session in force.
    if (frmMenuPrincipal && !frmMenuPrincipal->closeForms(this)) {
        edtSenha->clear();
        if (!isModal())
            hide();
        return;
    }

    UsuarioLogado = usuario;
    PerfilLogado = perfil;
    UnidadeLogada = unidadeLogada;
    NomeUsuarioLogado = nome;
    LoginUsuarioLogado = login;
    NomeUnidadeLogada = nomeUnidade;
    NomePerfilLogado = nomePerfil;

    m_succeeded = true;
    if (frmMenuPrincipal)
        frmMenuPrincipal->configuraMenu();
    edtSenha->clear();
    if (isModal())
        accept();
    else
        hide();
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
