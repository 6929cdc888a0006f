#pragma once
// The statements of the private attendances: the lists the form offers, the animal's rows, the insert
// with its key and the delete.

#include "platform/db/DataSet.h"

#include <QDate>

namespace AtendimentoParticularSql {

db::RowSet owners();                           // id_proprietario, nome; every owner, whatever its status
db::RowSet animalsOf(const QVariant& ownerId);  // id_animal, nome
db::RowSet procedureTypes();                   // Id_Tipo_Procedimento, Nome, descricao

// The animal's private attendances with the type's name as Cal_Tipo_Atendimento; none for a null animal.
void selectOfAnimal(db::DataSet& data, const QVariant& animalId);

// Inside the caller's transaction: the highest key plus one; returns it.
int insert(const QVariant& animalId, const QVariant& typeId, const QDate& done);
void remove(const QVariant& key);

}  // namespace AtendimentoParticularSql
