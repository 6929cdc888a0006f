// SPDX-License-Identifier: GPL-3.0-or-later
// The users register: the password is typed, never shown, and stored only as its digest.
#include "shell/users/UUsuario.h"

#include "common/FormWindows.h"
#include "common/Prompts.h"
#include "common/access/PasswordDigest.h"
#include "common/register/RegisterControls.h"
#include "common/schema/Tables.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/FieldLink.h"
#include "platform/ui/GridRows.h"
#include "shell/users/URelUsuario.h"
#include "shell/users/UUsuarioConsultar.h"
#include "shell/users/UsuarioSql.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <functional>

namespace {
const QString kNomeExiste = QStringLiteral("Já existe um usuário cadastrado com este nome.");
const QString kFaltaSenha = QStringLiteral("Falta digitar a senha!");
const QString kDeProprietario = QStringLiteral("Este usuário pertence a um proprietário e não pode ser excluído.");
const QString kConfirmaExclusao =
    QStringLiteral("Você esta preste a deletar a definitivamento o usuário nº: %1\n deseje continuar?");
const QString kSim = QStringLiteral("SIM");
const QString kNao = QStringLiteral("NAO");

// The key of each row of a look-up list against the text its hint shows.
QHash<QString, QString> hintsOf(const db::Query& list, const QString& key, const std::function<QString(int)>& hint) {
    QHash<QString, QString> hints;
    for (int r = 0; r < list.rowCount(); ++r)
        hints.insert(db::toText(list.value(r, key)), hint(r));
    return hints;
}
}  // namespace

TfrmUsuario::TfrmUsuario(QWidget* parent) : RegisterForm(parent) {
    setObjectName(QStringLiteral("frmUsuario"));
    setWindowTitle(QStringLiteral("003 - Cadastro de Usuário."));
    describeRegister();
    createFields();
    QWidget* access = createAccess();
    QWidget* flags = createFlags();
    for (QWidget* w :
         {static_cast<QWidget*>(dblUnidade), static_cast<QWidget*>(dblPerfil), static_cast<QWidget*>(dbeSenha),
          static_cast<QWidget*>(dbcBloqueado), static_cast<QWidget*>(dbcInativo)})
        ui::EnterAsTab::install(w);
    layoutPrincipal(access, flags);
    setFirstFocus(dblUnidade);

    // The password edit is empty on every row and writable only while inserting or editing.
    const auto resetPassword = [this] {
        dbeSenha->clear();
        dbeSenha->setReadOnly(!qryPrincipal->isEditing());
    };
    connect(qryPrincipal, &db::DataSet::stateChanged, this, resetPassword);
    connect(qryPrincipal, &db::DataSet::currentChanged, this, resetPassword);
    resetPassword();
}

void TfrmUsuario::describeRegister() {
    setTable(tables::usuario());
    setNewRowDefaults({{QStringLiteral("Inativo"), kNao},
                       {QStringLiteral("Bloqueado"), kNao},
                       {QStringLiteral("Status_Registro"), QStringLiteral("ATIVO")}});
    setDeleteTexts(kConfirmaExclusao, QString());
    setGridColumns({{QStringLiteral("Usuário"), QStringLiteral("Id_Usuario"), 60, ui::readOnlyColour(), true},
                    {QStringLiteral("Nome"), QStringLiteral("Nome"), 220},
                    {QStringLiteral("Usuário bloqueado"), QStringLiteral("Bloqueado"), 100},
                    {QStringLiteral("Usuário inativo"), QStringLiteral("Inativo"), 100},
                    {QStringLiteral("Grupo de usuário"), QStringLiteral("nome_perfil"), 160},
                    {QStringLiteral("Unidade"), QStringLiteral("nome_unidade"), 200}});
}

void TfrmUsuario::createFields() {
    dblUnidade = new QComboBox(tbsPrincipal);
    dblUnidade->setObjectName(QStringLiteral("dblUnidade"));
    ui::bindLookupCombo(dblUnidade, qryPrincipal, QStringLiteral("Id_Unidade_Trabalho"),
                        QStringLiteral("id_unidade_trabalho"), QStringLiteral("nome"));

    dbeCodigo = makeKeyEdit(tbsPrincipal, qryPrincipal, QStringLiteral("Id_Usuario"));
    dbeCodigo->setFocusPolicy(Qt::ClickFocus);  // skipped by Tab
    dbeNome = makeNameEdit(QStringLiteral("dbeNome"), tbsPrincipal, qryPrincipal, QStringLiteral("Nome"), 50);

    dblPerfil = new QComboBox(tbsPrincipal);
    dblPerfil->setObjectName(QStringLiteral("dblPerfil"));
    ui::bindLookupCombo(dblPerfil, qryPrincipal, QStringLiteral("Id_Perfil"), QStringLiteral("id_perfil"),
                        QStringLiteral("nome"));
}

QWidget* TfrmUsuario::createAccess() {
    auto* access = new QGroupBox(QStringLiteral(" Acesso: "), tbsPrincipal);
    dbeUsuario = makeNameEdit(QStringLiteral("dbeUsuario"), access, qryPrincipal, QStringLiteral("Login"), 50);
    // The password is not a field of the row: an edit left blank keeps the stored digest.
    dbeSenha = new QLineEdit(access);
    dbeSenha->setObjectName(QStringLiteral("dbeSenha"));
    dbeSenha->setEchoMode(QLineEdit::Password);
    ui::setColumnLength(dbeSenha, 50);
    ui::Capitals::install(dbeSenha);
    ui::GridRows rows(new QGridLayout(access));
    rows.row().labelled(QStringLiteral("Login:"), dbeUsuario);
    rows.row().labelled(QStringLiteral("Senha:"), dbeSenha);
    return access;
}

QWidget* TfrmUsuario::createFlags() {
    auto* flags = new QGroupBox(QStringLiteral(" Usuário: "), tbsPrincipal);
    dbcBloqueado = new QCheckBox(QStringLiteral("Bloqueado."), flags);
    dbcBloqueado->setObjectName(QStringLiteral("dbcBloqueado"));
    ui::bindCheckBox(dbcBloqueado, qryPrincipal, QStringLiteral("Bloqueado"), kSim, kNao);
    dbcInativo = new QCheckBox(QStringLiteral("Inativo."), flags);
    dbcInativo->setObjectName(QStringLiteral("dbcInativo"));
    ui::bindCheckBox(dbcInativo, qryPrincipal, QStringLiteral("Inativo"), kSim, kNao);
    auto* layout = new QVBoxLayout(flags);
    layout->addWidget(dbcBloqueado);
    layout->addWidget(dbcInativo);
    return flags;
}

void TfrmUsuario::layoutPrincipal(QWidget* access, QWidget* flags) {
    ui::GridRows rows(new QGridLayout(tbsPrincipal));
    rows.row().labelled(QStringLiteral("Unidade de trabalho:"), dblUnidade);
    rows.row().labelled(QStringLiteral("Código:"), dbeCodigo, 1, Qt::AlignLeft);
    rows.row().labelled(QStringLiteral("Nome:"), dbeNome);
    rows.row().labelled(QStringLiteral("Perfil:"), dblPerfil);
    rows.row().add(access, 2);
    rows.row().add(flags, 2);
    rows.row().stretch();
}

QString TfrmUsuario::selectAllSql() const { return usuariosql::selectSql(); }

void TfrmUsuario::openUser(const QVariant& id) { usuariosql::selectUser(*qryPrincipal, id); }

void TfrmUsuario::opening() {
    db::Query units;
    usuariosql::openUnits(units);
    static_cast<ui::LookupComboLink*>(ui::linkOf(dblUnidade))->setList(units.rows());
    const auto unitHints = hintsOf(units, QStringLiteral("id_unidade_trabalho"), [&units](int r) {
        return units.value(r, QStringLiteral("nome")).toString() + QStringLiteral(" : ") +
               units.value(r, QStringLiteral("descricao")).toString();
    });

    db::Query profiles;
    usuariosql::openProfiles(profiles);
    static_cast<ui::LookupComboLink*>(ui::linkOf(dblPerfil))->setList(profiles.rows());
    const auto profileHints = hintsOf(profiles, QStringLiteral("id_perfil"), [&profiles](int r) {
        return profiles.value(r, QStringLiteral("descricao")).toString();
    });

    connect(dblUnidade, &QComboBox::currentIndexChanged, this,
            [this, unitHints] { dblUnidade->setToolTip(unitHints.value(db::toText(dblUnidade->currentData()))); });
    connect(dblPerfil, &QComboBox::currentIndexChanged, this,
            [this, profileHints] { setToolTip(profileHints.value(db::toText(dblPerfil->currentData()))); });
    RegisterForm::opening();
}

void TfrmUsuario::cancel() {
    RegisterForm::cancel();
    refresh();
}

bool TfrmUsuario::validate() {
    const bool inserting = qryPrincipal->state() == db::DataSet::State::Insert;
    if (inserting && usuariosql::nameTaken(qryPrincipal->str(QStringLiteral("Nome"))))
        return refuse(kNomeExiste, dbeNome);
    if (inserting && dbeSenha->text().trimmed().isEmpty())
        return refuse(kFaltaSenha, dbeSenha);
    return true;
}

void TfrmUsuario::beforePost(bool) {
    const QString password = dbeSenha->text().trimmed();
    if (!password.isEmpty())
        qryPrincipal->setField(QStringLiteral("senha_crip"), GeraHashSenha(password));
}

bool TfrmUsuario::checkReferences(const QVariant& key) {
    if (!key.isNull() && usuariosql::belongsToOwner(key)) {
        Prompts::information(kDeProprietario);
        return false;
    }
    return true;
}

QString TfrmUsuario::sortField(int column) const {
    // The names of profile and unit sort by their keys; every field is the user's own.
    if (column == 4)
        return QStringLiteral("u.id_perfil");
    if (column == 5)
        return QStringLiteral("u.Id_Unidade_Trabalho");
    const QString field = RegisterForm::sortField(column);
    return field.isEmpty() ? field : QStringLiteral("u.") + field;
}

void TfrmUsuario::print() { Prompts::preview(std::make_shared<TfrmRelUsuario>(), true); }

void TfrmUsuario::search() {
    frmUsuarioConsultar = new TfrmUsuarioConsultar;
    connect(frmUsuarioConsultar, &LocateDialog::chosen, this, &TfrmUsuario::openUser);
    showForm(frmUsuarioConsultar, ShowAs::MdiChild, this);
}
