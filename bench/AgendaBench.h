// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The agenda's Atualizar over a year of attendances: for a day and for the whole year.

bool agendaDayScenario();
bool agendaYearScenario();
