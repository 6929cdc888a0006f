// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statement of a profile's rights on one form, which every opener that hides actions reads.

#include <QHash>
#include <QString>
#include <optional>

namespace rightssql {

// The profile's row of perfil_form for the form: "visualizar", "incluir", "alterar", "excluir" and
// "imprimir", each as stored ("S" or "N"); nothing when the profile has no row for the form.
std::optional<QHash<QString, QString>> formRights(int idPerfil, int idForm);

}  // namespace rightssql
