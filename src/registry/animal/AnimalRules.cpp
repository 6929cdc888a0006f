// SPDX-License-Identifier: GPL-3.0-or-later
// The animal's save checks and a typed date.
#include "registry/animal/AnimalRules.h"

#include "platform/ui/DateEdit.h"

using namespace registry;

TypedDate typedDate(const QString& text) {
    const ui::DateReading read = ui::readDate(text, {}, true);
    return {read.kind == ui::DateReading::Empty, read.date};
}

std::optional<FieldRefusal> checkAnimal(const AnimalValues& a) {
    auto blank = [](const QString& s) { return s.trimmed().isEmpty(); };
    const TypedDate birth = typedDate(a.birthDate);
    const struct {
        bool failed;
        const char* control;
        const QString& message;
    } checks[] = {
        {blank(a.name), "dbeNomeAnimal", kFaltaNomeAnimal},
        {blank(a.group), "dblGrupo_Animais", kSelecioneGrupo},
        {blank(a.species), "dblEspecie", kSelecioneEspecie},
        {blank(a.breed), "dblRaca", kSelecioneRaca},
        {blank(a.size), "dblPorte", kSelecionePorte},
        {blank(a.coat), "dblPelo", kSelecionePelo},
        {birth.blank || !birth.date.isValid(), "dbeDt_Nascimento", kFaltaNascimento},
        {blank(a.sex), "dbcSexo", kFaltaSexo},
        {blank(a.sterilised), "dbcEsterilizado", kFaltaEsterilizado},
        {blank(a.district), "dblAnimalDistrito", kSelecioneDistritoAnimal},
        {blank(a.neighbourhood), "dblAnimalBairro", kFaltaBairroAnimal},
        {blank(a.streetType), "dblAnimalTipoLograd", kFaltaTipoLogradouro},
        {blank(a.streetName), "dbeAnimalLograd", kFaltaLogradouro},
        {blank(a.houseNumber), "dbeAnimalNumEndereco", kFaltaNumeroImovel},
    };
    int number = 0;
    for (const auto& c : checks) {
        ++number;
        if (c.failed)
            return FieldRefusal{number, QString::fromLatin1(c.control), c.message, true};
    }
    return std::nullopt;
}
