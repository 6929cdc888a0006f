// SPDX-License-Identifier: GPL-3.0-or-later
// The animal's save checks, the house geocoder and a whole number typed.
#include "registry/animal/AnimalRules.h"

#include "platform/ui/DateEdit.h"

#include <algorithm>
#include <cmath>

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

namespace {

std::optional<int> houseOf(const QString& stored, int length) {
    bool ok = false;
    const int n = stored.left(length).trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

}  // namespace

Coordinates geocode(int number, const QList<Building>& buildings) {
    for (const Building& b : buildings) {
        if (houseOf(b.number.trimmed(), b.number.trimmed().size()) == number)
            return {b.x, b.y, kGradeExato};
    }
    struct Candidate {
        int house;
        const Building* building;
    };
    auto candidates = [&](bool sameSide) {
        QList<Candidate> list;
        for (const Building& b : buildings) {
            const std::optional<int> h = houseOf(b.number, 5);
            if (!h || *h < number - 100 || *h > number + 100)
                continue;
            if (sameSide && (std::abs(*h) % 2) != (std::abs(number) % 2))
                continue;
            list.append({*h, &b});
        }
        std::stable_sort(list.begin(), list.end(),
                         [](const Candidate& l, const Candidate& r) { return l.house < r.house; });
        return list;
    };
    QList<Candidate> list = candidates(true);
    if (list.isEmpty())
        list = candidates(false);
    Coordinates found;
    int lower = 0, higher = 0;
    for (const Candidate& c : list) {
        found.x = c.building->x;
        found.y = c.building->y;
        if (c.house <= number) {
            lower = c.house;
        } else {
            higher = c.house;
            break;
        }
    }
    const int d1 = std::abs(number - lower), d2 = std::abs(higher - number);
    const bool holds = d1 >= d2 ? higher <= number + 100 : lower >= number - 100;
    if (holds) {
        found.grade = kGradeAproximado;
        return found;
    }
    return {0, 0, kGradeDistancia};
}

QVariant wholeNumber(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? QVariant(n) : QVariant();
}
