// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// REL001: the profiles with their rights on every form.

#include "platform/db/Query.h"
#include "platform/report/Report.h"

class TfrmRel_Perfil : public report::Report {
public:
    TfrmRel_Perfil();  // opens its query
    db::Query qryPerfil;
};

// The form's name as the rights line prints it: prefixed by its type, dashes when no form stands behind.
QString rightsFormName(const QString& formType, const QString& formName);
