// SPDX-License-Identifier: GPL-3.0-or-later
// The registry the bench searches, saves and exports: names, addresses, animals and attendances as they are.
#include "RealisticData.h"

#include "BenchSetup.h"

#include "common/rules/EpiWeeks.h"
#include "platform/db/Query.h"

#include <QDateTime>
#include <QStringList>

#include <utility>
#include <vector>

namespace benchdata {

namespace {

using Weighted = std::vector<std::pair<const char*, int>>;

// First names of Brazilian people with how often they come, per thousand; MARIA's share is set below.
const Weighted kFirstNames{
    {"JOSÉ", 40},     {"ANA", 35},     {"JOÃO", 30},    {"ANTÔNIO", 25},  {"FRANCISCO", 20}, {"CARLOS", 18},
    {"PAULO", 16},    {"PEDRO", 15},   {"LUCAS", 14},   {"LUIZ", 13},     {"FRANCISCA", 12}, {"MARCOS", 12},
    {"LUÍS", 10},     {"GABRIEL", 10}, {"RAFAEL", 10},  {"DANIEL", 10},   {"MARCELO", 10},   {"JULIANA", 10},
    {"BRUNO", 9},     {"EDUARDO", 9},  {"FELIPE", 9},   {"RAIMUNDO", 9},  {"FERNANDA", 9},   {"PATRÍCIA", 9},
    {"ADRIANA", 9},   {"CAMILA", 9},   {"RODRIGO", 8},  {"MANOEL", 8},    {"MATEUS", 8},     {"ANDRÉ", 8},
    {"FERNANDO", 8},  {"FÁBIO", 8},    {"LEONARDO", 8}, {"GUSTAVO", 8},   {"GUILHERME", 8},  {"MÁRCIA", 8},
    {"ALINE", 8},     {"SANDRA", 8},   {"AMANDA", 8},   {"BRUNA", 8},     {"JÉSSICA", 8},    {"JÚLIA", 8},
    {"LUCIANA", 8},   {"MARIANA", 8},  {"ANTÔNIA", 8},  {"LETÍCIA", 7},   {"VANESSA", 7},    {"GABRIELA", 7},
    {"CLÁUDIA", 7},   {"BEATRIZ", 7},  {"RENATA", 7},   {"ALEXANDRE", 7}, {"RICARDO", 7},    {"VERA", 6},
    {"VITÓRIA", 6},   {"LARISSA", 6},  {"RITA", 6},     {"SÔNIA", 6},     {"ELIANE", 6},     {"ADRIANO", 6},
    {"SEBASTIÃO", 6}, {"JORGE", 6},    {"ROBERTO", 6},  {"SÉRGIO", 6},    {"SIMONE", 6},     {"TEREZINHA", 6},
    {"ÂNGELA", 6},    {"LUANA", 5},    {"CLÁUDIO", 5},  {"EDSON", 5},     {"SILVANA", 5},    {"DÉBORA", 5},
    {"CONCEIÇÃO", 5}, {"HELENA", 5},   {"ISABELA", 5},  {"RAQUEL", 5},    {"TATIANE", 5},    {"ÉRICA", 4},
    {"CÍNTIA", 4},    {"CAUÃ", 4},     {"LÚCIA", 4},    {"MÔNICA", 4},    {"NATÁLIA", 4},    {"CÉSAR", 4},
    {"VÍTOR", 4},     {"ÍTALO", 3},    {"OTÁVIO", 3},   {"GRAÇA", 3},     {"INÊS", 3},       {"JOSUÉ", 3},
    {"NÚBIA", 3},     {"ÁLVARO", 3},   {"BENEDITO", 3}, {"DORALICE", 2},  {"EUCLIDES", 2},
};

// Surnames, some with their particle, with how often they come.
const Weighted kSurnames{
    {"SILVA", 40},   {"DA SILVA", 25}, {"SANTOS", 25},       {"DOS SANTOS", 20},  {"OLIVEIRA", 22}, {"DE OLIVEIRA", 12},
    {"SOUZA", 20},   {"DE SOUZA", 10}, {"RODRIGUES", 25},    {"FERREIRA", 25},    {"ALVES", 25},    {"PEREIRA", 25},
    {"LIMA", 22},    {"GOMES", 20},    {"COSTA", 20},        {"RIBEIRO", 18},     {"MARTINS", 18},  {"CARVALHO", 16},
    {"ALMEIDA", 15}, {"LOPES", 15},    {"SOARES", 14},       {"FERNANDES", 14},   {"VIEIRA", 14},   {"BARBOSA", 13},
    {"ARAÚJO", 12},  {"ROCHA", 12},    {"DIAS", 12},         {"NASCIMENTO", 12},  {"ANDRADE", 11},  {"MOREIRA", 11},
    {"NUNES", 11},   {"DE JESUS", 10}, {"MARQUES", 10},      {"MACHADO", 10},     {"MENDES", 10},   {"FREITAS", 10},
    {"CARDOSO", 9},  {"RAMOS", 9},     {"GONÇALVES", 9},     {"SANTANA", 8},      {"TEIXEIRA", 8},  {"BATISTA", 7},
    {"MOURA", 7},    {"REIS", 7},      {"CONCEIÇÃO", 6},     {"PINTO", 6},        {"AZEVEDO", 6},   {"CORREIA", 6},
    {"BEZERRA", 6},  {"CASTRO", 6},    {"CRUZ", 6},          {"CAVALCANTI", 5},   {"CAMPOS", 5},    {"FARIAS", 5},
    {"MONTEIRO", 5}, {"PIRES", 5},     {"TAVARES", 5},       {"BRAGA", 4},        {"FONSECA", 4},   {"GUIMARÃES", 4},
    {"SALES", 4},    {"XAVIER", 4},    {"ASSUNÇÃO", 3},      {"SAMPAIO", 3},      {"SIQUEIRA", 3},  {"BRANDÃO", 3},
    {"FALCÃO", 3},   {"MAGALHÃES", 3}, {"DO NASCIMENTO", 3}, {"DA CONCEIÇÃO", 3},
};

const Weighted kAnimalNames{
    {"REX", 20},    {"BOB", 18},  {"MEL", 18},   {"LUNA", 16},   {"THOR", 15},  {"NINA", 14},  {"PRETA", 12},
    {"PIPOCA", 10}, {"LOLA", 10}, {"BIDU", 9},   {"SIMBA", 9},   {"MIA", 9},    {"TOBY", 8},   {"FRIDA", 8},
    {"BELINHA", 7}, {"JOLIE", 6}, {"PAÇOCA", 6}, {"NEGÃO", 5},   {"FUMAÇA", 5}, {"JUJUBA", 5}, {"TIÃO", 4},
    {"CANELA", 6},  {"AMORA", 6}, {"MAGALI", 4}, {"BOLINHA", 7}, {"PITUCO", 4}, {"ZECA", 4},   {"LULU", 5},
};

// The repeated names of a list as the rows of a table, i from 0: each name as many rows as its weight.
int fillWeighted(const QString& table, const Weighted& names, int firstWeight = 0, const char* first = nullptr) {
    exec(QStringLiteral("create table %1 (i integer not null primary key, nome varchar(40))").arg(table));
    int row = 0;
    auto add = [&](const char* name, int weight) {
        for (int w = 0; w < weight; ++w)
            db::run(db::kMain, QStringLiteral("insert into %1 (i, nome) values (:i, :nome)").arg(table),
                    {{QStringLiteral("i"), row++}, {QStringLiteral("nome"), QString::fromUtf8(name)}});
    };
    if (first)
        add(first, firstWeight);
    for (const auto& [name, weight] : names)
        add(name, weight);
    return row;
}

// Moments as each engine stores them: i from 0.
void fillMoments(const QString& table, const QList<QDateTime>& moments) {
    exec(QStringLiteral("create table %1 (i integer not null primary key, momento timestamp)").arg(table));
    for (int i = 0; i < moments.size(); ++i)
        db::run(db::kMain, QStringLiteral("insert into %1 (i, momento) values (:i, :m)").arg(table),
                {{QStringLiteral("i"), i}, {QStringLiteral("m"), moments[i]}});
}

// A pseudo-random row of a table of `rows` rows for n.i, the same on both engines.
QString pick(int rows, int salt) {
    return QStringLiteral("((n.i % 9973) * %1 + %2) % %3").arg(7919 + salt).arg(salt).arg(rows);
}

}  // namespace

QString newCpf(int n) {
    QString digits = QStringLiteral("%1").arg(n, 9, 10, QLatin1Char('0'));
    for (int round = 0; round < 2; ++round) {
        int sum = 0;
        for (int i = 0; i < digits.size(); ++i)
            sum += digits[i].digitValue() * (digits.size() + 1 - i);
        const int rest = sum % 11;
        digits += QString::number(rest < 2 ? 0 : 11 - rest);
    }
    return digits;
}

void fillRegistry() {
    db::Transaction t;
    exec(QStringLiteral("insert into especie (Id_Especie, Nome) values (1, 'CANINA'), (2, 'FELINA'), (3, 'AVE')"));
    exec(QStringLiteral(R"(
        insert into raca (Id_Raca, Nome)
        values (1, 'SRD'), (2, 'POODLE'), (3, 'PINSCHER'), (4, 'SIAMÊS'), (5, 'PERSA'), (6, 'CALOPSITA')
    )"));
    exec(QStringLiteral("insert into pelo (Id_Pelo, Descricao) values (1, 'CURTO'), (2, 'MÉDIO'), (3, 'LONGO')"));
    exec(QStringLiteral("insert into porte (Id_Porte, Descricao) values (1, 'PEQUENO'), (2, 'MÉDIO'), (3, 'GRANDE')"));
    exec(QStringLiteral("insert into grupo_animal (Id_Grupo_Animal, Nome) values (1, 'DOMICILIADO'), (2, 'ADOTADO')"));
    exec(QStringLiteral("insert into distrito (Id_Distrito, Nome) values (1, 'DS1 NORTE'), (2, 'DS2 SUL')"));
    exec(QStringLiteral(R"(
        insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status)
        values (1, 'CENTRAL', 'ATIVO'), (2, 'NORTE', 'ATIVO'), (3, 'SUL', 'ATIVO'),
            (4, 'LESTE', 'ATIVO'), (5, 'OESTE', 'ATIVO')
    )"));
    exec(QStringLiteral(R"(
        insert into atendimento_status (Id_Atendimento_Status, Nome, Descricao, Ind_Status)
        values (1, 'AGENDADO', 'Agendado', 'ATIVO'), (2, 'REALIZADO', 'Realizado', 'ATIVO'),
            (3, 'CANCELADO', 'Cancelado', 'ATIVO'), (4, 'FALTOU', 'O animal não veio', 'ATIVO')
    )"));
    for (int year = kAttendanceYear - 1; year <= kAttendanceYear + 1; ++year)
        for (const EpiWeek& w : epiWeeksOfYear(year))
            db::run(db::kMain, QStringLiteral(R"(
                insert into semana_epidemiologica (nrideano, nridesep, dtinisep, dtfimsep, dsidesep)
                values (:a, :n, :i, :f, :d)
            )"),
                    {{QStringLiteral("a"), year},
                     {QStringLiteral("n"), w.week},
                     {QStringLiteral("i"), w.first.startOfDay()},
                     {QStringLiteral("f"), w.last.startOfDay()},
                     {QStringLiteral("d"), QStringLiteral("SEMANA %1/%2").arg(w.week).arg(year)}});

    // MARIA starts 7 % of the names.
    int others = 0;
    for (const auto& entry : kFirstNames)
        others += entry.second;
    const int firstNames = fillWeighted(QStringLiteral("bench_nome"), kFirstNames, others * 7 / 93, "MARIA");
    const int surnames = fillWeighted(QStringLiteral("bench_sobrenome"), kSurnames);
    const int animalNames = fillWeighted(QStringLiteral("bench_nome_animal"), kAnimalNames);
    QList<QDateTime> births, moments;
    for (QDate d(2005, 1, 1); d < QDate(2025, 1, 1); d = d.addDays(3))
        births << d.startOfDay();
    // The slots of the day, 07:00 to 18:30, on every day of the year.
    for (QDate d(kAttendanceYear, 1, 1); d.year() == kAttendanceYear; d = d.addDays(1))
        for (int slot = 0; slot < 24; ++slot)
            moments << QDateTime(d, QTime(7, 0).addSecs(slot * 1800));
    fillMoments(QStringLiteral("bench_nascimento"), births);
    fillMoments(QStringLiteral("bench_momento"), moments);

    // Owners' addresses 1..kOwners; the animals' later ones above them.
    exec(numbers(kOwners + kAnimals / 3) +
         QStringLiteral(R"(insert into endereco (Id_Endereco, Id_Distrito, COD_AREA_ABRN, NUM_LOGR, NUM_SEQU_LOGR,
                 TIP_LOGR, NOM_LOGR, NUM_IMOV_LOGR, NUM_BAIR, NOM_BAIR, NUM_CEP)
             select n.i, 1 + n.i % 2, 1 + n.i % 40, 1 + n.i % 700, 1, 'R',
                 'RUA ' || s.nome || ' ' || (n.i % 50), 1 + n.i % 900, 1 + n.i % 60, 'BAIRRO ' || (n.i % 60),
                 '7' || (1000000 + n.i % 9000000)
             from n
             join bench_sobrenome s on s.i = %1
         )")
             .arg(pick(surnames, 3)));
    exec(numbers(kOwners) + QStringLiteral(
                                R"(insert into proprietario (Id_Proprietario, Nome, Num_CPF_CNPJ, Tipo_Pessoa, Num_CI,
                     Status_Registro, Id_Endereco, Telefone_Residencial, Telefone_Celular, Email_Proprietario,
                     id_Unidade_Trabalho, id_usu_web, Inserido_Por)
                 select n.i, f.nome || ' ' || s1.nome || ' ' || s2.nome, cast(10000000000 + n.i as varchar(15)),
                     'FÍSICA', cast(n.i as varchar(10)) || 'SSP',
                     case when n.i % 10 = 0 then 'INATIVO' else 'ATIVO' end, n.i, '6133334444', '61999990000',
                     case when n.i % 2 = 0 then 'dono' || n.i || '@exemplo.com.br' end, 1 + n.i % 5,
                     case when n.i % 4 = 0 then n.i / 4 end, 1
                 from n
                 join bench_nome f on f.i = %1
                 join bench_sobrenome s1 on s1.i = %2
                 join bench_sobrenome s2 on s2.i = %3
             )")
                                .arg(pick(firstNames, 0), pick(surnames, 11), pick(surnames, 29)));
    // A web account for every fourth owner, under the owner's document and e-mail.
    exec(QStringLiteral(R"(
        insert into usuario (Id_Usuario, Id_Unidade_Trabalho, Id_Perfil, Nome, Login, Bloqueado,
            Inativo, Status_Registro, Id_proprietario, Num_CPF_CNPJ, Email_usu)
        select Id_Proprietario / 4, id_Unidade_Trabalho, 2, substr(Nome, 1, 50), Num_CPF_CNPJ, 'NAO',
            'NAO', 'ATIVO', Id_Proprietario, Num_CPF_CNPJ, Email_Proprietario
        from proprietario
        where id_usu_web is not null
    )"));
    exec(numbers(kAnimals) +
         QStringLiteral(R"(insert into animal (Id_Animal, Id_Proprietario, Id_Especie, Id_Raca, Id_Pelo, Id_Porte,
                 Id_Grupo_Animal, Nome, Sexo, Data_Nascimento, Esterilizado, Num_Microchip, Cor, Sinais,
                 Ind_End_Animal_Prop)
             select n.i, 1 + n.i % %1, 1 + n.i % 3, 1 + n.i % 6, 1 + n.i % 3, 1 + n.i % 3, 1 + n.i % 2,
                 a.nome, case when n.i % 2 = 0 then 'M' else 'F' end, b.momento,
                 case when n.i % 3 = 0 then 'SIM' else 'NAO' end,
                 case when n.i % 4 <> 0 then '9820' || (10000000 + n.i) end,
                 case when n.i % 5 = 0 then 'CARAMELO' else 'PRETO E BRANCO' end,
                 case when n.i % 7 = 0 then 'MANCHA NA ORELHA' end, 'S'
             from n
             join bench_nome_animal a on a.i = %2
             join bench_nascimento b on b.i = %3
         )")
             .arg(kOwners)
             .arg(pick(animalNames, 5), pick(births.size(), 17)));
    // Each animal at its owner's address; a third of them moved since to an address of their own.
    exec(numbers(kAnimals) + QStringLiteral(R"(insert into endereco_animal (Id_Animal, Id_Endereco)
             select i, 1 + i % %1
             from n
             union all
             select i, %1 + i / 3
             from n
             where i % 3 = 0
         )")
                                 .arg(kOwners));
    exec(numbers(kAnimals) +
         QStringLiteral(R"(insert into grupo_animal_animal (Id_Grupo_Animal_Animal, Id_Grupo_Animal, Id_Animal,
                 Dt_Entrada_Grupo)
             select n.i, 1, n.i, b.momento
             from n
             join bench_nascimento b on b.i = %1
             union all
             select %2 + n.i, 2, n.i, b.momento
             from n
             join bench_nascimento b on b.i = %1
             where n.i % 2 = 0
         )")
             .arg(pick(births.size(), 23))
             .arg(kAnimals));
    // A year of attendances at the slots' times: the animal's owner, the unit that booked and the one that
    // performs, four statuses.
    exec(numbers(kAttendances) +
         QStringLiteral(R"(insert into atendimento (Id_Atendimento, Id_Proprietario, Id_Animal, Id_Unidade_Trabalho,
                 Id_Unidade_Agendada, Data_Hora_Atendimento, Id_Atendimento_Status, Ind_Autoriza_Cirurgia,
                 Inserido_Por, Inserido_Em)
             select n.i, 1 + (1 + n.i % %1) % %2, 1 + n.i % %1, 1 + n.i % 5, 1 + (n.i / 5) % 5, m.momento,
                 1 + n.i % 4, case when n.i % 2 = 0 then 'SIM' else 'NAO' end, 1, m.momento
             from n
             join bench_momento m on m.i = %3
         )")
             .arg(kAnimals)
             .arg(kOwners)
             .arg(pick(moments.size(), 31)));
    if (db::engine() == db::Engine::PostgreSQL) {
        // The keys the server makes go on after the rows written with theirs.
        for (const char* table :
             {"proprietario", "endereco", "usuario", "animal", "atendimento", "grupo_animal_animal"})
            exec(QStringLiteral("select setval(pg_get_serial_sequence('%1', 'id_%1'), (select max(id_%1) from %1))")
                     .arg(QLatin1String(table)));
    }
    t.commit();
}

}  // namespace benchdata
