// SPDX-License-Identifier: GPL-3.0-or-later
// The profiles register: the profile and its rights rows are saved, and deleted, in one transaction.
#include "shell/profiles/UGrupo.h"

#include "common/FormWindows.h"
#include "common/Prompts.h"
#include "common/register/RegisterControls.h"
#include "common/schema/Tables.h"
#include "shell/profiles/PerfilFormPage.h"
#include "shell/profiles/PerfilSql.h"
#include "shell/profiles/UPerfilUsuarioPesquisa.h"
#include "shell/profiles/URel_Perfil.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace {
const QString kFaltaFormularios = QStringLiteral("Falta selecionar os formulários e relatórios deste perfil.");
const QString kNomeExiste = QStringLiteral("Já existe um perfil com este nome.");
const QString kEmUso = QStringLiteral("Você não pode excluir este perfil.\nEle esta sendo usado pelo usuário.");
const QString kConfirmaExclusao = QStringLiteral("Você esta preste a deletar o registro nº: %1\n deseje continuar?");
const QString kErroExclusao = QStringLiteral("Erro ao tentar excluir registro, entre em contato com administrador! ");
}  // namespace

TfrmGrupo::TfrmGrupo(QWidget* parent) : RegisterForm(parent) {
    setObjectName(QStringLiteral("frmGrupo"));
    setWindowTitle(QStringLiteral("002 - Perfil de usuário"));

    setTable(tables::perfil());
    setNewRowDefaults({{QStringLiteral("Ind_Status"), QStringLiteral("ATIVO")}});
    setDeleteTexts(kConfirmaExclusao, kErroExclusao);
    setGridColumns({{QStringLiteral("Nome"), QStringLiteral("Nome"), 200},
                    {QStringLiteral("Descrição"), QStringLiteral("Descricao"), 360}});

    dbeCodigo = makeKeyEdit(tbsPrincipal, qryPrincipal, QStringLiteral("Id_Perfil"));
    dbeNome = makeNameEdit(QStringLiteral("dbeNome"), tbsPrincipal, qryPrincipal, QStringLiteral("Nome"), 50);
    dbmDescricao = makeDescriptionMemo(tbsPrincipal, qryPrincipal, QStringLiteral("Descricao"), 0);

    layoutKeyNameDescription(tbsPrincipal, dbeCodigo, dbeNome, dbmDescricao);

    tbsFormulario = new PerfilFormPage(qryPrincipal, pgcPrincipal);
    tbsFormulario->setObjectName(QStringLiteral("tbsFormulario"));
    pgcPrincipal->insertTab(1, tbsFormulario, QStringLiteral("Formulário / Relatório"));
    setFirstFocus(dbeCodigo);
    resize(760, 480);
}

bool TfrmGrupo::validate() {
    if (tbsFormulario->isEmpty())
        return refuse(kFaltaFormularios);
    const bool inserting = qryPrincipal->state() == db::DataSet::State::Insert;
    if (inserting && perfilsql::nameTaken(qryPrincipal->str(QStringLiteral("Nome"))))
        return refuse(kNomeExiste, dbeNome);
    return true;
}

void TfrmGrupo::beforePost(bool inserting) {
    // Inside the save's transaction, the key already set: the rights go or stay with the profile.
    perfilsql::writeRights(qryPrincipal->field(keyField()), tbsFormulario->rights(),
                           inserting ? QList<db::RowValues>{} : tbsFormulario->storedRights());
}

void TfrmGrupo::afterCommit(bool inserting) {
    if (!inserting)
        refresh();
    else
        tbsFormulario->load();  // the rights as stored, which the next save replaces
}

bool TfrmGrupo::checkReferences(const QVariant& key) {
    if (key.isNull())
        return true;
    if (const auto user = perfilsql::userOf(key)) {
        Prompts::information(kEmUso + *user);
        return false;
    }
    return true;
}

void TfrmGrupo::deleteRow(const QVariant& key) {
    RegisterForm::deleteRow(key);  // the profile as read, then its rights
    perfilsql::deleteRights(key);
}

void TfrmGrupo::print() { Prompts::preview(std::make_shared<TfrmRel_Perfil>(), true); }

void TfrmGrupo::search() {
    frmPerfilUsuarioPesquisa = new TfrmPerfilUsuarioPesquisa;
    connect(frmPerfilUsuarioPesquisa, &LocateDialog::chosen, this, &TfrmGrupo::openKey);
    showForm(frmPerfilUsuarioPesquisa, ShowAs::Window, this);
}
