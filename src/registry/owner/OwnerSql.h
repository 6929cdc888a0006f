// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The owner's statements: the owner selects, the insert and update, the duplicate look-ups, the delete, REL049
// and the owner consult.

#include "platform/db/DataSet.h"
#include "platform/db/EditedRow.h"
#include "registry/owner/OwnerRules.h"

#include <QString>
#include <QVariantHash>
#include <optional>

namespace ownersql {

// The active work units an owner belongs to (id_Unidade_Trabalho, nome), by name.
db::RowSet units();

// Selects of the owner data set.
void selectNone(db::DataSet& owner);                         // an empty result, as before a new owner
void selectActive(db::DataSet& owner);                       // every active owner
void selectOwner(db::DataSet& owner, int ownerId);           // the active owner of that id
void selectOwnerAnyStatus(db::DataSet& owner, int ownerId);  // the owner of that id, active or not

// Writes an owner from its values by column (db::typedValues() of a data set), stamped: the insert (an active
// owner) answers the key the server made; the update writes the row only while it still holds the values read
// (`read`), else throws kRegistroAlterado.
int insertOwner(const db::RowValues& owner, const QVariant& addressId, const db::Stamp& stamp);
void updateOwner(const db::RowValues& typed, const db::RowValues& read, int ownerId, const QVariant& addressId,
                 const db::Stamp& stamp);
// The owner's web account, on the owner the save has just written.
void setWebUser(int ownerId, int userId);

// Another active owner with the document (ownerId aside; 0 for a new owner).
bool documentTaken(const QString& document, int ownerId);
// The active owner whose document begins as the typed one does: by 9 digits for 11, by 12 for 14.
std::optional<int> ownerByDocumentPrefix(const QString& document);

// An active owner of the same name (case, accents and outer blanks aside), with what the question shows.
struct NameMatch {
    int id = 0;
    QString name, residential, mobile, message, streetType, streetName, houseNumber, complement;
};
std::optional<NameMatch> ownerNamed(const QString& name);

// Other active owners with the e-mail (trimmed, case and accents aside).
int ownerEmailCount(const QString& email, int ownerId);

// The duplicate look-ups of the owner's checks, for the owner of that id (0 for a new owner).
OwnerLookups lookups(const OwnerValues& owner, int ownerId);
// Inside the owner save's transaction, before anything is written: holds the owner's document, e-mail and
// web login until the transaction ends, so that no other workstation saves the same meanwhile and the
// duplicate look-ups read what every earlier save stored.
void holdDuplicates(const OwnerValues& owner);

// Rows that keep an owner from being deleted.
bool hasHistory(int ownerId);
bool hasAnimals(int ownerId);
// Delete the owner as read; kRegistroAlterado when another workstation changed it meanwhile.
void deleteOwner(int ownerId, const db::RowValues& read);

// --- REL049 ---

// Fills `query` with the owners by name (the one owner when given), each with the owner's address and every
// animal the owner has received, in the order of the history.
void prepareOwnersReport(db::Query& query, std::optional<int> ownerId);

// --- the owner consult ---

// A criterion of the consult as a filter: the clause with its bound values, whether the rows start from the
// owner (so owners without animals or address are listed), and the text the search box shows afterwards.
struct ConsultFilter {
    bool matched = false;
    bool fromOwner = false;
    QString clause;
    QVariantHash params;
    QString shownText;
};
ConsultFilter consultFilter(const QString& criterion, const QString& text);
// Fills `query` with the consult of active owners with their animals and address that `filter` keeps (no
// row for a criterion it does not know), ordered by the result's column `orderBy` when one is given.
void prepareConsult(db::Query& query, const ConsultFilter& filter, const QString& orderBy = {});

}  // namespace ownersql
