// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An owner as the owner page hands it back, typed, and its save, a plain function over it: the checks in their
// fixed order, then the address, the owner and the web account in one transaction, where the duplicate checks
// run again while the document, e-mail and login are held against every other workstation's save.

#include "platform/db/EditedRow.h"
#include "registry/owner/OwnerRules.h"
#include "registry/owner/WebAccountSql.h"

#include <optional>

// An owner as typed. `checked.inserting` or `checked.editing` says which save; the web login is the document
// and the password is `checked.password`, written only while `checked.passwordOpen`.
struct TypedOwner {
    OwnerValues checked;               // what the checks read
    int ownerId = 0;                   // the owner edited; 0 for a new one
    db::RowValues owner;               // the owner's row as typed, by column (db::typedValues())
    db::RowValues ownerRead;           // and as it was read; empty for a new owner
    db::RowValues address;             // the address as typed
    db::RowValues addressRead;         // and as read; empty when the address is new
    bool blocked = false;              // "Bloquear acesso." ticked
    bool keepBlock = false;            // an edit leaves Bloqueado as stored (the web system's block is kept)
    webaccountsql::Accounts accounts;  // the owner's web accounts as read
};

struct OwnerSaved {
    std::optional<FieldRefusal> refusal;  // the first check that failed; nothing was written
    int ownerId = 0;                      // the owner stored
};

// The checks of the owner's fields in their order, the duplicates looked up as the database holds them now.
std::optional<FieldRefusal> checkOwner(const TypedOwner& owner);

// A failure of the database rolls everything back and is thrown (kRegistroAlterado when another workstation
// changed the owner, its address or its account since they were read).
OwnerSaved saveOwner(const TypedOwner& owner);
