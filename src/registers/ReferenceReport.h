// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list report of a reference table: the common heading, one entry per row (key " - " name, the
// status, any extra lines, the description), a summary with the number of rows and the page number.
// Each table describes its own (ReferenceReports.h).

#include "platform/db/Query.h"
#include "platform/report/Report.h"

#include <QList>
#include <functional>

struct ReferenceListReport {
    QString code;
    QString title;
    QString sql;
    QString key;
    QString name;
    QString description;
    QString status;
    QString statusPrefix;  // printed before the status
    // The name as printed, when it is more than the name field (the weight texts print the weight).
    std::function<QString(const report::Context&)> nameText;
    QList<std::function<QString(const report::Context&)>> extraLines;
    QString summary;
    // The statement is opened just before printing rather than when the report is made.
    bool opensWhenPrinting = false;
};

class ReferenceReport : public report::Report {
public:
    explicit ReferenceReport(const ReferenceListReport& list);

    db::Query qryPrincipal;
};
