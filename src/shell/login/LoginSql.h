// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The login's statements: the units and operators the dialog lists, the check of the password and the
// names the session keeps.

#include <QList>
#include <QString>
#include <optional>

namespace loginsql {

// A unit of the list: its key and "key - NAME".
struct Unit {
    QString key, caption;
};
// The active units, in the server's order.
QList<Unit> activeUnits();

// An operator the login offers: key, profile and name in capitals.
struct Operator {
    QString key, profile, name;
};
// The operators of the unit that may log in (not blocked, not inactive, with a login and a name, active), by
// name; owners' web accounts share the table and are never operators.
QList<Operator> operatorsOf(int unit);

// The profile's name in capitals; nothing without the profile.
std::optional<QString> profileCaption(int profile);

// The operator as the session keeps it.
struct LoggedUser {
    QString key, profile, unit, name, login;
};
// The operator when `digest` is her password's and she may log in at the unit; nothing otherwise.
std::optional<LoggedUser> check(int user, const QString& digest, int unit);

// The names of a unit and of a profile as stored; empty when there is none.
QString unitName(int unit);
QString profileName(int profile);

}  // namespace loginsql
