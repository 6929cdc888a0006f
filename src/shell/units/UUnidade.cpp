// SPDX-License-Identifier: GPL-3.0-or-later
// The work-unit register's pages, checks and search.
#include "shell/units/UUnidade.h"

#include "common/FormWindows.h"
#include "common/access/FormOpening.h"
#include "common/register/RegisterControls.h"
#include "common/schema/Tables.h"
#include "platform/ui/FieldLink.h"
#include "shell/units/UUnidadeConsultar.h"
#include "shell/units/UnidadeSql.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

TfrmUnidade::TfrmUnidade(QWidget* parent) : RegisterForm(parent) {
    setObjectName(QStringLiteral("frmUnidade"));
    setWindowTitle(QStringLiteral("001 - Cadastro de unidade de trabalho."));

    setTable(tables::unidadeTrabalho());
    setNewRowDefaults({{QStringLiteral("Ind_Status"), QStringLiteral("ATIVO")}});
    const QString column = QStringLiteral("id_unidade_trabalho");
    setReferenceChecks(
        {{QStringLiteral("unidade_trabalho_profissional"), column},
         {QStringLiteral("atendimento"), column},
         {QStringLiteral("jornada_trabalho"), column},
         {QStringLiteral("impedimento"), column},
         {QStringLiteral("profissional"), column},
         {QStringLiteral("usuario"), column},
         {QStringLiteral("jornada_trabalho_execao"), column}},
        QStringLiteral("A unidade de trabalho não pode ser excluída, ela esta sendo usado pelo sistema."));
    setDeleteTexts(QStringLiteral("Você esta preste a deletar a unidade nº: %1\n deseje continuar?"),
                   QStringLiteral("O registro esta sendo usado pelo sistema e não pode ser excluído!"));
    setGridColumns({{QStringLiteral("Código"), QStringLiteral("Id_Unidade_Trabalho"), 60, ui::readOnlyColour(), true},
                    {QStringLiteral("Nome"), QStringLiteral("Nome"), 250},
                    {QStringLiteral("Status"), QStringLiteral("Ind_Status"), 80},
                    {QStringLiteral("Descrição"), QStringLiteral("Descricao"), 300}});

    dbeCodigo = makeKeyEdit(tbsPrincipal, qryPrincipal, QStringLiteral("Id_Unidade_Trabalho"));
    dbeNome = makeNameEdit(QStringLiteral("dbeNome"), tbsPrincipal, qryPrincipal, QStringLiteral("Nome"), 100);
    dbmDescricao = makeDescriptionMemo(tbsPrincipal, qryPrincipal, QStringLiteral("Descricao"), 250);

    dbcAtivo = makeInactiveBox(tbsPrincipal, qryPrincipal, QStringLiteral("Ind_Status"));

    layoutKeyNameDescription(tbsPrincipal, dbeCodigo, dbeNome, dbmDescricao).row().skip().add(dbcAtivo);
    setFirstFocus(dbeCodigo);
}

bool TfrmUnidade::validate() {
    if (qryPrincipal->str(QStringLiteral("Nome")).trimmed().isEmpty())
        return refuse(QStringLiteral("Falta preencher o nome da unidade!"), dbeNome);
    return true;
}

void TfrmUnidade::print() {
    if (auto open = openerFor(QStringLiteral("actRelUnidadeTrabalho")))
        open();
}

void TfrmUnidade::search() {
    frmUnidadeConsultar = new TfrmUnidadeConsultar(this);
    showForm(frmUnidadeConsultar, ShowAs::MdiChild, this);
}
