// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rules of an animal's record without a database: the checks before a save in their fixed order and a typed
// date.

#include "registry/owner/OwnerRules.h"

#include <QDate>
#include <QString>
#include <optional>

namespace registry {
inline const QString kFaltaNomeAnimal = QStringLiteral("Falta digitar o nome do animal.");
inline const QString kSelecioneGrupo = QStringLiteral("Selecione o grupo de animal.");
inline const QString kSelecioneEspecie = QStringLiteral("Selecione a espécie do animal.");
inline const QString kSelecioneRaca = QStringLiteral("Selecione a raça do animal.");
inline const QString kSelecionePorte = QStringLiteral("Selecione o porte do animal.");
inline const QString kSelecionePelo = QStringLiteral("Selecione o pelo do animal.");
inline const QString kFaltaNascimento = QStringLiteral("Falta informar a data de nascimento do animal.");
inline const QString kFaltaSexo = QStringLiteral("Falta informar o sexo do animal.");
inline const QString kFaltaEsterilizado = QStringLiteral("Falta informar se o animal foi esterilizado.");
inline const QString kSelecioneDistritoAnimal = QStringLiteral("Selecione o distrito onde o animal reside.");
inline const QString kFaltaBairroAnimal = QStringLiteral("Falta informar o bairro onde o animal reside.");
inline const QString kFaltaTipoLogradouro = QStringLiteral("Falta informar o tipo de logradouro.");
inline const QString kFaltaLogradouro = QStringLiteral("Falta informar o logradouro.");
inline const QString kFaltaNumeroImovel = QStringLiteral("Falta informar o número do imóvel.");
}  // namespace registry

// The animal as the page holds it when saving: the texts its controls show.
struct AnimalValues {
    QString name, group, species, breed, size, coat, birthDate, sex, sterilised;
    QString district, neighbourhood, streetType, streetName, houseNumber;
};

// The first of the fourteen checks that fails. A birth date that is no complete, possible date counts as
// missing.
std::optional<FieldRefusal> checkAnimal(const AnimalValues& animal);

// A date typed in a date box (ui::readDate(), once typing is over): null when blank, invalid when incomplete or
// impossible.
struct TypedDate {
    bool blank = true;
    QDate date;
};
TypedDate typedDate(const QString& text);
