// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statements of the surgery authorisation: the attendance with its owner, animal and address, and the
// procedure types it declares.

#include "scheduling/booking/AutorizaCirurgiaRules.h"

namespace autorizacirurgiasql {

// The attendance of that owner (status 'ATIVO') and animal; the reference tables, the address and the size
// and coat read where they exist.
QList<CirurgiaRow> rows(const QVariant& ownerId, const QVariant& animalId, const QVariant& attendanceId);

// Name and description of each procedure type of the attendance, in the order they were recorded.
QList<QPair<QString, QString>> procedures(const QVariant& attendanceId);

}  // namespace autorizacirurgiasql
