// SPDX-License-Identifier: GPL-3.0-or-later
// The users search dialog: its select and columns.
#include "shell/users/UUsuarioConsultar.h"

#include "shell/users/UsuarioSql.h"

namespace {
const LocateDialogShape kShape{
    QStringLiteral("frmUsuarioConsultar"),
    QStringLiteral("Consultar"),
    usuariosql::consultSql(),
    QStringLiteral("id_usuario"),
    {{QStringLiteral("Código"), QStringLiteral("id_usuario"), 60},
     {QStringLiteral("Nome"), QStringLiteral("nome"), 220},
     {QStringLiteral("Login"), QStringLiteral("login"), 120},
     {QStringLiteral("Bloqueado"), QStringLiteral("bloqueado"), 70},
     {QStringLiteral("Inativo"), QStringLiteral("inativo"), 70}},
};
}  // namespace

TfrmUsuarioConsultar::TfrmUsuarioConsultar(QWidget* parent) : LocateDialog(kShape, parent) {}
