// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The attendance scheduling's menu actions. The booking form is opened through its own entries
// (TfrmAgendaNovoAtendimento::openPreset, openFromAgenda) by the owner register and the agenda.

void registerSchedulingForms();
