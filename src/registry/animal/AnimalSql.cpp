// SPDX-License-Identifier: GPL-3.0-or-later
// Statements on animal and its companion tables for the animal page and the animal-address form.
#include "registry/animal/AnimalSql.h"

#include "common/schema/Tables.h"
#include "common/schema/TextIndexes.h"
#include "platform/db/Keys.h"
#include "platform/db/Search.h"
#include "registry/shared/TypedNumber.h"

#include <QStringList>

namespace animalsql {

namespace {

QVariantHash byAnimal(int animalId) { return {{QStringLiteral("animal"), animalId}}; }

bool any(const QString& sql, int animalId) { return db::run(db::kMain, sql, byAnimal(animalId)).count() > 0; }

int count(const QString& sql, int animalId) {
    const db::RowSet rows = db::run(db::kMain, sql, byAnimal(animalId));
    return rows.count() ? db::toInt(rows.row(0)[0]) : 0;
}

// The key of the row of a reference table whose shown column equals the name, case and accents aside.
QVariant keyNamed(const QString& table, const QString& key, const QString& column, const QString& name) {
    // Table and column names come from this unit's own code, never from what is typed.
    const db::RowSet rows =
        db::run(db::kMain,
                QStringLiteral(" select %1 from %2 where fold(trim(%3)) = fold(:name) order by %1 limit 1 ")
                    .arg(key, table, column),
                {{QStringLiteral("name"), name}});
    return rows.count() ? rows.row(0)[0] : QVariant();
}

}  // namespace

void selectAnimals(db::DataSet& animals, int ownerId) {
    if (ownerId > 0) {
        animals.setSql(QStringLiteral(" select * from animal where id_proprietario = :owner order by id_animal "));
        animals.query().bind(QStringLiteral("owner"), ownerId);
    } else {
        animals.setSql(QStringLiteral(" select * from animal where 1=2 "));
    }
    animals.open();
}

db::RowSet groups() {
    return db::run(db::kMain,
                   QStringLiteral(" select id_grupo_Animal, nome, descricao from grupo_Animal order by nome "), {});
}

db::RowSet species() {
    return db::run(db::kMain, QStringLiteral(" select id_especie, nome, descricao from especie order by nome "), {});
}

db::RowSet breeds(const QVariant& speciesId, const QVariant& kept) {
    if (db::toText(speciesId).trimmed().isEmpty())
        return db::run(db::kMain, QStringLiteral(" select id_raca, nome, descricao from raca order by nome "), {});
    QVariantHash params{{QStringLiteral("species"), speciesId}};
    QString keptBreed;
    if (!db::toText(kept).trimmed().isEmpty()) {
        keptBreed = QStringLiteral(" or id_raca = :kept");
        params.insert(QStringLiteral("kept"), kept);
    }
    return db::run(db::kMain,
                   QStringLiteral(R"(
                       select id_raca, nome, descricao
                       from raca
                       where 1=1
                         and (id_especie = :species and fold(trim(Ind_Status)) = 'ativo')") +
                       keptBreed + QStringLiteral(") order by nome "),
                   params);
}

db::RowSet sizes() {
    return db::run(db::kMain, QStringLiteral(" select id_porte, descricao from porte order by descricao "), {});
}

db::RowSet coats() {
    return db::run(db::kMain, QStringLiteral(" select id_pelo, descricao from pelo order by descricao "), {});
}

QList<std::pair<QString, QVariant>> newAnimalKeys() {
    const struct {
        const char *field, *table, *key, *column;
        QString name;
    } defaults[] = {
        {"Id_Grupo_Animal", "grupo_animal", "id_grupo_animal", "nome", QStringLiteral("DOMICILIADO")},
        {"Id_Especie", "especie", "id_especie", "nome", QStringLiteral("CANINA")},
        {"Id_Raca", "raca", "id_raca", "nome", QStringLiteral("SEM RAÇA DEFINIDA - SRD")},
        {"Id_Porte", "porte", "id_porte", "descricao", QStringLiteral("PEQUENO")},
        {"Id_Pelo", "pelo", "id_pelo", "descricao", QStringLiteral("CURTO")},
    };
    QList<std::pair<QString, QVariant>> keys;
    for (const auto& d : defaults) {
        const QVariant key =
            keyNamed(QString::fromLatin1(d.table), QString::fromLatin1(d.key), QString::fromLatin1(d.column), d.name);
        if (!db::toText(key).trimmed().isEmpty())
            keys.append({QString::fromLatin1(d.field), key});
    }
    return keys;
}

std::pair<QVariant, QVariant> breedDefaults(const QVariant& breedId) {
    const db::RowSet rows =
        db::run(db::kMain, QStringLiteral(" select id_porte, id_pelo from raca where id_raca = :breed "),
                {{QStringLiteral("breed"), breedId}});
    if (!rows.count())
        return {};
    return {rows.row(0)[0], rows.row(0)[1]};
}

int insertAnimal(const db::RowValues& animal, int ownerId, const db::Stamp& stamp) {
    db::holdRow(QStringLiteral("proprietario"), QStringLiteral("Id_Proprietario"), ownerId);
    db::RowValues values = db::lowered(animal);
    values.insert(QStringLiteral("id_proprietario"), ownerId);
    values.insert(QStringLiteral("id_faixa_peso_animal"), 1);
    return db::insertRow(tables::animal(), values, stamp);
}

void updateAnimal(const db::RowValues& typed, const db::RowValues& read, int animalId, const db::Stamp& stamp) {
    db::updateRow({.table = tables::animal(), .key = animalId, .typed = typed, .read = read, .stamp = stamp});
}

void insertGroup(const QVariant& groupId, int animalId, const QDateTime& when) {
    db::insertRow(tables::grupoAnimalAnimal(), {{QStringLiteral("id_grupo_animal"), groupId},
                                                {QStringLiteral("id_animal"), animalId},
                                                {QStringLiteral("dt_entrada_grupo"), when}});
}

void insertFirstOwner(int animalId, int ownerId, const QDateTime& when) {
    insertOwnerChange(animalId, 0, ownerId, when, when);
}

void insertOwnerChange(int animalId, const QVariant& previousOwner, int ownerId, const QDateTime& date,
                       const QDateTime& now) {
    db::insertRow(tables::histoMudaProprietario(),
                  {{QStringLiteral("id_animal"), animalId},
                   {QStringLiteral("id_anterior_proprietario"), previousOwner},
                   {QStringLiteral("id_proprietario"), ownerId},
                   {QStringLiteral("dt_muda_proprietario"), date}},
                  tables::byUser(now));
}

int historyCount(int animalId) {
    return count(QStringLiteral(R"(
        select count(id_histo_muda_proprietario) as valor
        from histo_muda_proprietario
        where id_animal = :animal
    )"),
                 animalId);
}

bool hasPrivateAttendance(int animalId) {
    return any(QStringLiteral(" select id_animal from Atendimento_Particular where id_animal = :animal limit 1 "),
               animalId);
}

bool hasAttendance(int animalId) {
    return any(QStringLiteral(" select id_animal from Atendimento where id_animal = :animal limit 1 "), animalId);
}

bool hasVaccination(int animalId) {
    return any(QStringLiteral(" select id_animal from vacina where id_animal = :animal limit 1 "), animalId);
}

bool hasOccurrence(int animalId) {
    return any(QStringLiteral(" select id_animal from ocorrencia where id_animal = :animal limit 1 "), animalId);
}

void deleteAnimal(int animalId, const db::RowValues& read) {
    db::deleteRow({.table = tables::animal(), .key = animalId, .read = read});
    // Its links go with it, whatever they hold now.
    const db::RowSet addresses =
        db::run(db::kMain, QStringLiteral(" select id_endereco from endereco_animal where id_animal = :animal "),
                byAnimal(animalId));
    db::run(db::kMain, QStringLiteral(" delete from endereco_animal where id_animal = :animal "), byAnimal(animalId));
    for (int i = 0; i < addresses.count(); ++i)
        db::run(db::kMain, QStringLiteral(" delete from endereco where id_endereco = :address "),
                {{QStringLiteral("address"), addresses.row(i)[0]}});
    for (const char* table : {"grupo_animal_animal", "Histo_Muda_Proprietario"})
        db::run(db::kMain, QStringLiteral(" delete from %1 where id_animal = :animal ").arg(QLatin1String(table)),
                byAnimal(animalId));
}

db::RowSet insertedAndChanged(int animalId) {
    return db::run(db::kMain, QStringLiteral(R"(
        select b.nome as Nome_inseriu, c.nome as Nome_alterou, a.inserido_em, a.Modificado_Em,
            a.Modificado_por
        from animal a
        left join usuario b on (a.inserido_Por = b.id_usuario)
        left join usuario c on (a.Modificado_por = c.id_usuario)
        where b.nome is not null
          and a.Id_Animal = :animal
    )"),
                   byAnimal(animalId));
}

db::RowSet animalsOf(int ownerId) {
    return db::run(db::kMain, QStringLiteral(R"(
        select id_animal, id_proprietario, nome
        from animal
        where id_proprietario = :owner
        order by id_animal
    )"),
                   {{QStringLiteral("owner"), ownerId}});
}

void prepareAnimalSearch(db::Query& query, const QString& criterion, const QString& text, const QString& orderBy) {
    query.clear();
    query << QStringLiteral(" select a.Id_Animal, c.nome as nome_raca, a.Nome as nome_animal, a.Sexo, a.Esterilizado, ")
          << QStringLiteral(" a.Num_Microchip, a.Cor, a.Sinais, a.Num_Pedigree, b.Id_Proprietario as Id_Proprietario, ")
          << QStringLiteral(" b.Nome as nome_Proprietario, b.Telefone_Residencial, b.Telefone_Celular, ")
          << QStringLiteral(" b.Telefone_Recado, b.Num_CPF_CNPJ, b.Num_CI from animal a ")
          << QStringLiteral(" left join proprietario b on (a.id_proprietario = b.id_proprietario) ")
          << QStringLiteral(" left join raca c on (a.id_raca = c.id_raca) ") << QStringLiteral(" where 1=1 ");
    const QString c = criterion.trimmed(), t = text.trimmed();
    // Each text through the index of its own table: the owner's name is not the animal's.
    auto contains = [&](const QString& column, const QString& value, const db::TextIndex& index) {
        query.andWhere(db::foldedContains(column, QStringLiteral("texto"), value, index));
    };
    auto equals = [&](const QString& column) {
        query << QStringLiteral(" and %1 = :codigo ").arg(column);
        query.bind(QStringLiteral("codigo"), wholeNumber(t));
    };
    if (c == kBuscaNomeAnimal)
        contains(QStringLiteral("a.Nome"), t, textindex::animalName(QStringLiteral("a.Id_Animal")));
    else if (c == kBuscaCodigoAnimal)
        equals(QStringLiteral("a.id_animal"));
    else if (c == kBuscaNomeProprietario)
        contains(QStringLiteral("b.Nome"), t, textindex::ownerName(QStringLiteral("b.Id_Proprietario")));
    else if (c == kBuscaCodigoProprietario)
        equals(QStringLiteral("a.id_proprietario"));
    else if (c == kBuscaMicrochip)
        contains(QStringLiteral("replace(a.num_microchip, ' ', '')"), QString(t).remove(QLatin1Char(' ')),
                 textindex::microchip(QStringLiteral("a.Id_Animal")));
    if (!orderBy.isEmpty())
        query << QStringLiteral(" order by ") + orderBy;  // a column of the search's grid, never what is typed
}

void prepareNoAnimal(db::Query& query) {
    prepareAnimalSearch(query, {}, {});
    query << QStringLiteral(" and 1=2 ");
}

void prepareExport(db::Query& query) {
    query.clear();
    query << QStringLiteral(
        R"(
            select a.Id_Animal, c.nome as nome_raca, a.Nome, a.Sexo, a.Esterilizado, a.Num_Microchip, a.Cor,
                a.Sinais, a.Num_Pedigree, b.Id_Proprietario, b.Nome as nome_Proprietario,
                b.Telefone_Residencial, b.Telefone_Celular, b.Telefone_Recado, b.Num_CPF_CNPJ, b.Num_CI
            from animal a
            inner join proprietario b on (a.id_proprietario = b.id_proprietario)
            left join raca c on (a.id_raca = c.id_raca)
            order by a.Id_Animal
        )");
}

}  // namespace animalsql
