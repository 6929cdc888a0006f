// The profiles search dialog: its select and columns.
#include "shell/UPerfilUsuarioPesquisa.h"

#include "shell/PerfilSql.h"
#include "shell/UGrupo.h"

namespace {
const LocateDialogShape kShape{
    QStringLiteral("frmPerfilUsuarioPesquisa"),
    QStringLiteral("Pesquisa"),
    perfilsql::searchSql(),
    QStringLiteral("id_perfil"),
    {{QStringLiteral("Códico"), QStringLiteral("id_perfil"), 60},
     {QStringLiteral("Nome"), QStringLiteral("nome"), 200},
     {QStringLiteral("Descrição"), QStringLiteral("descricao"), 260}},
    {},
};
}  // namespace

TfrmPerfilUsuarioPesquisa::TfrmPerfilUsuarioPesquisa(TfrmGrupo* form, QWidget* parent)
    : LocateDialog(kShape, form, parent) {}
