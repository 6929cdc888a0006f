// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "REL001" - the prescription sheet of one prescription of an attendance, with its owner, animal and
// performing unit as they were when the sheet was made.

#include "platform/report/Report.h"
#include "scheduling/prescriptions/ReceituarioRules.h"

class TfrmRelReceituario : public report::Report {
public:
    explicit TfrmRelReceituario(ReceituarioSheet sheet);

    const ReceituarioSheet& sheet() const { return m_sheet; }

private:
    ReceituarioSheet m_sheet;
};
