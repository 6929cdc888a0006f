// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An animal as the animal page hands it back, typed, and its save, a plain function over it: the checks in their
// fixed order, then, in one transaction, a new animal with its address, address link, group and first owner, or
// a change of the animal and its address.

#include "platform/db/EditedRow.h"
#include "registry/animal/AnimalRules.h"

#include <optional>

// An animal as typed, for the owner it was typed for.
struct TypedAnimal {
    AnimalValues checked;  // what the checks read
    bool inserting = false;
    int ownerId = 0;            // the owner of a new animal
    int animalId = 0;           // the animal changed; 0 for a new one
    db::RowValues animal;       // the animal's row as typed, by column (db::typedValues())
    db::RowValues animalRead;   // and as read; empty for a new animal
    db::RowValues address;      // the animal's address as typed
    db::RowValues addressRead;  // and as read; empty when the address is new
};

struct AnimalSaved {
    std::optional<FieldRefusal> refusal;  // the first check that failed; nothing was written
    int animalId = 0;                     // the animal stored
};

// A failure of the database rolls everything back and is thrown (kRegistroAlterado when another workstation
// changed the animal or its address since they were read, or deleted the owner a new animal is typed for).
AnimalSaved saveAnimal(const TypedAnimal& animal);
