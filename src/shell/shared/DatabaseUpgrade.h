// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The upgrade of the database at start: its progress before the login, and what the administrator is told
// after logging in when the server refused a step.

#include "platform/db/Upgrade.h"

#include <QString>

namespace shell {

inline const QString kAtualizandoBanco = QStringLiteral("Atualizando o banco de dados...");
inline const QString kAtualizacaoIncompleta =
    QStringLiteral("A atualização do banco de dados para esta versão do NURV não foi concluída.");
inline const QString kComoDonoDasTabelas = QStringLiteral(
    "Inicie o NURV uma vez com o usuário dono das tabelas do banco de dados (o que as criou) para concluí-la.");
inline const QString kComGravacao =
    QStringLiteral("Inicie o NURV uma vez com permissão de gravação no banco de dados e na sua pasta para concluí-la.");
inline const QString kLibereEspaco =
    QStringLiteral("Libere espaço no disco do banco de dados e inicie o NURV novamente para concluí-la.");
inline const QString kInicieNovamente = QStringLiteral(
    "Inicie o NURV novamente para concluí-la; se este aviso voltar, inicie-o uma vez com o usuário dono das tabelas "
    "do banco de dados.");
inline const QString kAteLa = QStringLiteral("Até lá as pesquisas funcionam, porém mais lentas.");

}  // namespace shell

// Brings the connected database up to this version when it lacks anything: the three connections are closed
// meanwhile (the upgrade works on one of its own, so the start holds no more than the program keeps) and
// opened again after it, and "Atualizando o banco de dados..." shows its progress once it takes a moment. It
// cannot be cancelled: every step is recorded only when whole, and one that a killed start left half done is
// done again by the next. With nothing missing it reads the version row and nothing else.
void upgradeAtStart();

// What the administrator is told of an upgrade left unfinished (what is missing, why, what to do); empty when
// the upgrade was complete.
QString upgradeNotice(const db::UpgradeOutcome& outcome);

// After the start-up login: a user with the administrator's profile is told, once, that the upgrade of this
// start was left unfinished.
void tellAdministratorOfUpgrade();
