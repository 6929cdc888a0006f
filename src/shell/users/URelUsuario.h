// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// REL027: the users, with their profile's and unit's names.

#include "platform/db/Query.h"
#include "platform/report/Report.h"

#include <QHash>

class TfrmRelUsuario : public report::Report {
public:
    TfrmRelUsuario();  // opens the user query before the first preview

    db::Query qryUsuario;
    db::Query qryAuxiliar;

private:
    QString lookup(const QString& table, const QString& key, const QVariant& id) const;
    mutable QHash<QString, QString> m_names;  // looked-up names by table and id
};
