// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statements of the private attendances: the lists the form offers, the animal's rows, the insert
// with its key and the delete.

#include "platform/db/DataSet.h"
#include "platform/db/EditedRow.h"

#include <QDate>

namespace atendimentoparticularsql {

db::RowSet owners();                            // id_proprietario, nome; every owner, whatever its status
db::RowSet animalsOf(const QVariant& ownerId);  // id_animal, nome
db::RowSet procedureTypes();                    // Id_Tipo_Procedimento, Nome, descricao

// The animal's private attendances with the type's name as Cal_Tipo_Atendimento; none for a null animal.
void selectOfAnimal(db::DataSet& data, const QVariant& animalId);

// Inside the caller's transaction, with the key db::nextKey() gives; returns it (kRegistroAlterado when another
// program deleted the animal meanwhile).
int insert(const QVariant& animalId, const QVariant& typeId, const QDate& done);
// The row as read (kRegistroAlterado when another workstation changed it meanwhile).
void remove(const QVariant& key, const db::RowValues& read);

}  // namespace atendimentoparticularsql
