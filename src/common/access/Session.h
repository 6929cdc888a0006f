// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Session and hand-off variables: written by a successful login (and by the owner register for the
// attendance hand-off), read by every form that saves or checks rights.

#include <QDateTime>
#include <QString>
#include <QVariant>

inline QString UsuarioLogado;
inline QString PerfilLogado;
inline QString UnidadeLogada;
inline QString NomeUsuarioLogado;
inline QString LoginUsuarioLogado;
inline QString NomeUnidadeLogada;
inline QString NomePerfilLogado;

inline int ModoAgendamento = 0;
inline QString ProprietarioAgendamento;
inline QString AnimalAgendamento;

inline int IdProprietarioAtual = 0;

// The user of the audit columns: UsuarioLogado as a number, null when no one is logged in.
inline QVariant auditUser() {
    bool ok = false;
    const int id = UsuarioLogado.trimmed().toInt(&ok);
    return ok ? QVariant(id) : QVariant();
}

// Parameters that the report selection dialogs hand to the reports they open.
inline QDateTime DataInicialRel;
inline QDateTime DataFinalRel;
inline int UnidadeRel = 0;

inline QString AnoRel;             // four digits
inline QString MesRel;             // two digits
inline QString UnidadeRelMensal;   // a unit id; starting with "0": every unit
inline QDateTime DataInicialProf;  // at 00:00
inline QDateTime DataFinalProf;    // at 00:00
inline QString ProfissionalRel;    // a professional id; "0": every professional
