// The animal's save checks, the house geocoder and the owner consult's filters.
#include "registry/animal/AnimalRules.h"

#include "common/Documents.h"
#include "common/TextIndexes.h"
#include "platform/db/Database.h"
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
        std::stable_sort(list.begin(), list.end(), [](const Candidate& l, const Candidate& r) { return l.house < r.house; });
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

ConsultFilter consultFilter(const QString& criterion, const QString& text) {
    ConsultFilter f;
    f.matched = true;
    f.shownText = text;
    const QString c = criterion.trimmed();
    auto prefix = [&](const QString& column) {
        const db::Condition condition = db::foldedPrefix(column, QStringLiteral("valor"), text);
        f.clause = QStringLiteral(" and ") + condition.sql;
        f.params.insert(condition.values);
    };
    auto number = [&](const QString& column) {
        f.clause = QStringLiteral(" and %1 = :valor ").arg(column);
        f.params.insert(QStringLiteral("valor"), wholeNumber(text));
    };
    if (c == kConsultaCodigoProp) {
        f.fromOwner = true;
        number(QStringLiteral("b.id_proprietario"));
    } else if (c == kConsultaNomeProp) {
        f.fromOwner = true;
        prefix(QStringLiteral("b.nome"));
    } else if (c == kConsultaDocumento) {
        f.fromOwner = true;
        f.shownText = documentKey(text);
        // The folded prefix finds the owners through its index; the plain comparison keeps the match exact.
        const db::Condition condition = db::foldedPrefix(QStringLiteral("b.Num_CPF_CNPJ"), QStringLiteral("digitos"),
                                                         f.shownText);
        f.clause = QStringLiteral(" and %1 and substr(b.Num_CPF_CNPJ, 1, length(:valor)) = :valor ").arg(condition.sql);
        f.params.insert(condition.values);
        f.params.insert(QStringLiteral("valor"), f.shownText);
    } else if (c == kConsultaIdentidade) {
        prefix(QStringLiteral("b.Num_CI"));
    } else if (c == kConsultaLogradouro) {
        prefix(QStringLiteral("c.NOM_LOGR"));
    } else if (c == kConsultaCodAnimal) {
        number(QStringLiteral("a.id_animal"));
    } else if (c == kConsultaNomeAnimal) {
        prefix(QStringLiteral("a.nome"));
    } else if (c == kConsultaMicrochip) {
        const db::Condition condition =
            db::foldedContains(QStringLiteral("replace(a.Num_Microchip, ' ', '')"), QStringLiteral("valor"),
                               QString(text).remove(QLatin1Char(' ')), textindex::microchip(QStringLiteral("a.Id_Animal")));
        f.clause = QStringLiteral(" and ") + condition.sql;
        f.params.insert(condition.values);
    } else {
        f.matched = false;
    }
    return f;
}
