// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The advanced search's export: the 50 columns of its result as the fields of the dBase table, and the data
// dictionary written beside it.

#include "platform/dbase/DbfWriter.h"

#include <QList>
#include <QStringList>

// The result's 50 columns in order, as the fields of the exported table.
const QList<dbase::Field>& advancedResultFields();

// The 46 lines of the data dictionary.
QStringList advancedDictionary();
