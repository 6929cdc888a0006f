// SPDX-License-Identifier: GPL-3.0-or-later
// The profiles search dialog: its select and columns.
#include "shell/profiles/UPerfilUsuarioPesquisa.h"

#include "shell/profiles/PerfilSql.h"

namespace {
const LocateDialogShape kShape{
    QStringLiteral("frmPerfilUsuarioPesquisa"),
    QStringLiteral("Pesquisa"),
    perfilsql::searchSql(),
    QStringLiteral("id_perfil"),
    {{QStringLiteral("Códico"), QStringLiteral("id_perfil"), 60},
     {QStringLiteral("Nome"), QStringLiteral("nome"), 200},
     {QStringLiteral("Descrição"), QStringLiteral("descricao"), 260}},
};
}  // namespace

TfrmPerfilUsuarioPesquisa::TfrmPerfilUsuarioPesquisa(QWidget* parent) : LocateDialog(kShape, parent) {}
