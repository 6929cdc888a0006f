// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every table of db/main.sql that the program writes, described once: its inserts, guarded updates and deletes
// are generated from these (platform/db/Table.h, EditedRow.h). The reference registers' tables are described
// with their forms (registers/ReferenceTables.cpp), the auxiliary vaccination tables with theirs
// (exports/UQuorvantaPrincipal.cpp).

#include "platform/db/Table.h"

namespace tables {

// Who writes: the logged-in user (null when none is), at `at`; without a time each statement takes the
// server's.
db::Stamp byUser(const QDateTime& at = {});

// Access control.
const db::Table& unidadeTrabalho();
const db::Table& usuario();  // the operators and the owners' web accounts
const db::Table& perfil();
const db::Table& form();
const db::Table& perfilForm();  // a profile's rights, found by profile and form

// Owners, animals and addresses.
const db::Table& endereco();
const db::Table& proprietario();
const db::Table& animal();
const db::Table& enderecoAnimal();
const db::Table& grupoAnimalAnimal();
const db::Table& histoMudaProprietario();
const db::Table& vacina();
const db::Table& ocorrencia();

// Attendances.
const db::Table& atendimento();
const db::Table& atendimentoProfissional();
const db::Table& procedimento();
const db::Table& medicamentoGasto();
const db::Table& receituario();
const db::Table& receituarioPadrao();  // one row, key 1
const db::Table& atendimentoParticular();

// Professionals and their hours; the lists' keys are read by their save before it deletes the rows it rewrites.
const db::Table& profissional();
const db::Table& jornadaTrabalho();
const db::Table& impedimento();
const db::Table& jornadaTrabalhoExecao();

// Availability map: its statements take the server's time each (a stamp without a time).
const db::Table& mapaDisponibilidadeAgenda();
const db::Table& mapaRascunho();
const db::Table& agendamentoEspecial();

}  // namespace tables
