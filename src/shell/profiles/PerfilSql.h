// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statements of the profiles and their rights on the system's forms and reports.

#include "platform/db/EditedRow.h"
#include "platform/db/Query.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <array>
#include <optional>

namespace perfilsql {

// Every profile's code, name and description, for the search dialog.
QString searchSql();

// REL001: every right of every profile, with the profile's and the form's names, by profile.
void prepareRightsReport(db::Query& q);

// One form or report of a profile's list, with its five rights ("S" or "N"): visualizar, incluir,
// alterar, excluir, imprimir.
struct FormRight {
    QVariant formId;
    QString formType;  // "F" or "R"
    QString name;
    QString description;
    std::array<QString, 5> rights;
};

// The profile's rows of perfil_form, with the form's type and name (none when the form is gone).
QList<FormRight> rights(const QVariant& profileId);

// The profile's rows of perfil_form as stored, every column.
QList<db::RowValues> storedRights(const QVariant& profileId);

// Replaces the profile's rows of perfil_form as read (`read`, from storedRights(); none for a new profile) by
// `rights`, in the order given; a row another workstation changed, added or deleted meanwhile throws
// kRegistroAlterado. The caller holds the transaction.
void writeRights(const QVariant& profileId, const QList<FormRight>& rights, const QList<db::RowValues>& read);

// Whether a profile bears the name, trimmed and compared ignoring case and accents.
bool nameTaken(const QString& name);

// The name of a user (any row of usuario) holding the profile; nothing when none does.
std::optional<QString> userOf(const QVariant& profileId);

// Deletes the rights of a profile deleted. The caller holds the transaction.
void deleteRights(const QVariant& profileId);

// The forms ("F") or reports ("R") of the registry, with their key, name and description.
db::RowSet formsOfType(const QString& formType);

}  // namespace perfilsql
