#pragma once
// Statements of the special bookings: grants of extra web bookings to an owner, and the owner's history.

#include "platform/db/DataSet.h"
#include "platform/db/EditedRow.h"

namespace especial {

// The standing grants with their owners' names.
void abreConcessoes(db::DataSet& dados);
// Owners by key and/or part of the name (either may be empty).
db::RowSet proprietarios(const QString& codigo, const QString& nome);
// The search dialog: by document or by part of the name.
void pesquisa(db::DataSet& dados, bool porDocumento, const QString& dado);
bool existeProprietario(int id);
// Attendances per status (not status 7): name and count.
db::RowSet atendimentosPorStatus(int proprietario);
// Every attendance: animal, status, date-time, unit, by date.
db::RowSet atendimentos(int proprietario);
int totalReservado(int proprietario);
// Granted (standing) and used (attendances not of status 7).
struct Saldo {
    int acrescida = 0, usada = 0;
};
Saldo saldo(int proprietario);
void concede(int proprietario, int quantidade);      // reads its key: call inside a transaction
// Marks the grant as read (`lida`) removed; kRegistroAlterado when another workstation changed it meanwhile.
void retira(int concessao, const db::RowValues& lida);

}  // namespace especial
