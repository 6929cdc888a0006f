// SPDX-License-Identifier: GPL-3.0-or-later
// Every subsystem reads a status or flag that another program stored in lower case, padded or without its
// accent as the program's own: the lists of active rows offer it, and leave out a row stored inactive so.

#include "TestDatabase.h"

#include "availability/EspecialSql.h"
#include "availability/MapaSql.h"
#include "registry/address/AddressSql.h"
#include "registry/address/StreetSql.h"
#include "registry/animal/AnimalSql.h"
#include "registry/events/OccurrenceSql.h"
#include "registry/events/VaccinationSql.h"
#include "registry/owner/OwnerSql.h"
#include "scheduling/booking/AtendimentoSql.h"
#include "shell/login/LoginSql.h"

namespace {

QStringList names(const db::RowSet& rows, const char* field) {
    QStringList all;
    for (int r = 0; r < rows.count(); ++r)
        all << db::toText(rows.row(r)[rows.indexOrThrow(QString::fromLatin1(field))]).trimmed();
    return all;
}

class StoredSpellings : public DbTest {};

}  // namespace

TEST_F(StoredSpellings, ListsAndFlagsOfEverySubsystemReadStatusesInAnySpelling) {
    for (const char* row : {
             R"(
                 insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status)
                 values (1, 'CENTRAL', ' ativo'), (2, 'NORTE', 'Inativo '), (3, 'nivel central', 'Ativo')
             )",
             "insert into distrito (Id_Distrito, Nome, Ind_Status) values (1, 'DS1', 'ativo '), (2, 'DS2', 'inativo')",
             R"(
                 insert into especie (Id_Especie, Nome, Ind_Status)
                 values (1, 'CANINA', 'Ativo'), (2, 'FELINA', ' INATIVO')
             )",
             R"(
                 insert into raca (Id_Raca, Nome, Id_Especie, Ind_Status)
                 values (1, 'SRD', 1, 'ativo'), (2, 'POODLE', 1, 'inativo')
             )",
             R"(
                 insert into tipo_procedimento (Id_Tipo_Procedimento, Nome, Ind_Status)
                 values (12, 'CASTRACAO', ' ativo ')
             )",
             "insert into tipo_vacina (Nome, Ind_registro_ativo) values ('RAIVA', 'ativo'), ('V8', 'Inativo')",
             R"(
                 insert into usuario (Id_Unidade_Trabalho, Nome, Login, Bloqueado, Inativo, Status_Registro)
                 values (1, 'ANA', 'ANA', ' nao', 'Não', 'ativo'), (1, 'BIA', 'BIA', 'sim', 'nao', 'ativo'),
                     (1, 'CAIO', 'CAIO', 'nao', 'nao', 'inativo ')
             )",
             R"(
                 insert into profissional (Id_Profissional, Nome, Inativo)
                 values (1, 'DRA. ANA', ' nao'), (2, 'DR. BIA', 'Sim ')
             )",
             "insert into tipo_ocorrencia (Id_Tipo_Ocorrencia, Nome, Ind_Finaliza_Caso) values (1, 'OBITO', ' sim')",
             "insert into ocorrencia (Id_Ocorrencia, Id_Animal, Id_Tipo_Ocorrencia) values (1, 5, 1)",
             "insert into mapa_rascunho (Id_Mapa_rascunho, Status_Registro) values (1, 'ativo'), (2, 'inativo ')",
             R"(
                 insert into agendamento_especial (Id_Agendamento_Especial, Id_Proprietario,
                     Qt_Agendamento_Reservado, Ind_Registro_Excluido)
                 values (1, 7, 3, ' false'), (2, 7, 5, 'True')
             )",
         })
        exec(QString::fromUtf8(row));
    writePadrao({R"(
        insert into {p}AreaAbrang (cod_area_abrn, des_area_abrn, cod_ditr_sani, sit_regt)
        values (11, 'A11', 1, 'a'), (12, 'A12', 1, 'i')
    )"});

    QStringList units, operators;
    for (const loginsql::Unit& u : loginsql::activeUnits())
        units << u.caption;
    for (const loginsql::Operator& o : loginsql::operatorsOf(1))
        operators << o.name;
    const struct {
        const char* what;
        QStringList read, expected;
    } lists[] = {
        {"login's units", units, {"1 - CENTRAL", "3 - NIVEL CENTRAL"}},
        {"login's operators", operators, {"ANA"}},
        {"owner's units", names(ownersql::units(), "nome"), {"CENTRAL", "nivel central"}},
        {"districts", names(addresssql::districts(), "nome"), {"DS1"}},
        {"breeds", names(animalsql::breeds(1), "nome"), {"SRD"}},
        {"vaccines", names(vaccinationsql::vaccines(), "nome"), {"RAIVA"}},
        {"coverage areas", names(streetsql::areas(1, true), "des_area_abrn"), {"A11"}},
        {"booking's professionals",
         names(atendimentosql::memberChoices(atendimentosql::professionalStatements()), "nome"),
         {"DRA. ANA"}},
        {"map's units", names(mapasql::activeUnits(), "nome"), {"CENTRAL", "nivel central"}},
        {"map's species", names(mapasql::speciesList(true), "nome"), {"CANINA"}},
        {"map's surgery", names(mapasql::surgeryProcedures(), "nome"), {"CASTRACAO"}},
        {"map's areas", names(mapasql::areas(0), "DES_AREA_ABRN"), {"A11"}},
        {"clone's units, the central level aside", names(mapasql::cloneUnits(), "Nome"), {"CENTRAL"}},
        {"provisional map", names(mapasql::activeProvisionals(), "Id_Mapa_rascunho"), {"1"}},
    };
    for (const auto& l : lists)
        EXPECT_EQ(l.read, l.expected) << l.what;
    EXPECT_EQ(occurrencesql::closingOccurrence(5), "OBITO");
    EXPECT_EQ(especialsql::SomaReservadoProprietario(7), 3);
}
