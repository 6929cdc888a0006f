// SPDX-License-Identifier: GPL-3.0-or-later
// The forms registry: a register of the table form; a form that a profile grants cannot be deleted, which
// the delete says once its question is answered.
#include "shell/forms/UFrmSistema.h"

#include "common/register/RegisterControls.h"
#include "common/schema/Tables.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/FieldLink.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QIntValidator>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolBar>

namespace {
const QString kFaltaNome = QStringLiteral("Falta preencher o nome do formulário!");
const QString kEmUso = QStringLiteral("O formulário está sendo usado por um perfil e não pode ser excluído.");
const QString kConfirmaExclusao = QStringLiteral("O registro será excluído definitivamente.\nDeseja continuar?");
}  // namespace

TfrmFrmSistema::TfrmFrmSistema(QWidget* parent) : RegisterForm(parent) {
    setObjectName(QStringLiteral("frmFrmSistema"));
    setWindowTitle(QStringLiteral("047 - Formulário do sistema "));

    setTable(tables::form());
    setOpenOnShow(OpenOnShow::Nothing);
    setDeleteOrder(DeleteOrder::QuestionFirst);
    setNewRowDefaults({{QStringLiteral("Ind_Status"), QStringLiteral("ATIVO")}});
    setReferenceChecks({{QStringLiteral("perfil_form"), QStringLiteral("id_form")}}, kEmUso);
    setDeleteTexts(kConfirmaExclusao, QString());
    setGridColumns({{QStringLiteral("Nome"), QStringLiteral("Nome"), 200},
                    {QStringLiteral("Tag"), QStringLiteral("Tag"), 50},
                    {QStringLiteral("Tipo formulário"), QStringLiteral("Tipo_Form"), 90},
                    {QStringLiteral("Status"), QStringLiteral("Ind_Status"), 70},
                    {QStringLiteral("Descrição"), QStringLiteral("Descricao"), 300}});
    for (QAction* removed : {actPrint, actPesquisar}) {
        tlbPrincipal->removeAction(removed);
        removed->setVisible(false);
    }

    dbeCodigo = makeKeyEdit(tbsPrincipal, qryPrincipal, QStringLiteral("Id_Form"));
    dbeNome = makeNameEdit(QStringLiteral("dbeNome"), tbsPrincipal, qryPrincipal, QStringLiteral("Nome"), 80);
    dbmDescricao = makeDescriptionMemo(tbsPrincipal, qryPrincipal, QStringLiteral("Descricao"), 250);
    dbeTag = new QLineEdit(tbsPrincipal);
    dbeTag->setObjectName(QStringLiteral("dbeTag"));
    dbeTag->setMaximumWidth(90);
    dbeTag->setValidator(new QIntValidator(dbeTag));
    ui::bindLineEdit(dbeTag, qryPrincipal, QStringLiteral("Tag"), ui::ValueKind::Integer);
    dbcTipoForm = new QComboBox(tbsPrincipal);
    dbcTipoForm->setObjectName(QStringLiteral("dbcTipoForm"));
    dbcTipoForm->setEditable(true);
    dbcTipoForm->addItems({QStringLiteral("F"), QStringLiteral("R")});
    ui::setColumnLength(dbcTipoForm->lineEdit(), 1);
    ui::Capitals::install(dbcTipoForm->lineEdit());
    ui::bindComboBox(dbcTipoForm, qryPrincipal, QStringLiteral("Tipo_Form"));
    dbcAtivo = makeInactiveBox(tbsPrincipal, qryPrincipal, QStringLiteral("Ind_Status"));
    ui::EnterAsTab::install(dbeTag);
    ui::EnterAsTab::install(dbcTipoForm);

    ui::GridRows rows = layoutKeyNameDescription(tbsPrincipal, dbeCodigo, dbeNome, dbmDescricao);
    rows.row().labelled(QStringLiteral("Tag:"), dbeTag, 1, Qt::AlignLeft);
    rows.row().labelled(QStringLiteral("Tipo formul.:"), dbcTipoForm, 1, Qt::AlignLeft);
    rows.row().skip().add(dbcAtivo);
    setFirstFocus(dbeNome);
}

bool TfrmFrmSistema::validate() {
    if (qryPrincipal->str(QStringLiteral("Nome")).trimmed().isEmpty())
        return refuse(kFaltaNome, dbeNome);
    return true;
}
