// SPDX-License-Identifier: GPL-3.0-or-later
// The private attendances' statements.
#include "scheduling/private/AtendimentoParticularSql.h"

#include "common/schema/Tables.h"
#include "platform/db/EditedRow.h"
#include "platform/db/Keys.h"

namespace atendimentoparticularsql {

db::RowSet owners() {
    return db::run(db::kMain, QStringLiteral("select id_proprietario, nome from proprietario order by nome"), {});
}

db::RowSet animalsOf(const QVariant& ownerId) {
    return db::run(
        db::kMain,
        QStringLiteral(" select id_animal, nome from animal \n where id_proprietario = :id \n order by nome "),
        {{QStringLiteral("id"), ownerId}});
}

db::RowSet procedureTypes() {
    return db::run(db::kMain, QStringLiteral("select Id_Tipo_Procedimento, Nome, descricao from tipo_procedimento"),
                   {});
}

void selectOfAnimal(db::DataSet& data, const QVariant& animalId) {
    data.close();
    data.setSql(QStringLiteral(R"(
        select a.*, b.nome as Cal_Tipo_Atendimento
        from atendimento_particular a
        left join tipo_procedimento b on (a.id_tipo_procedimento = b.id_tipo_procedimento)
        where a.id_animal = :id
        order by a.Id_Atendimento_Particular
    )"));
    data.query().bind(QStringLiteral("id"), animalId);
    data.open();
}

int insert(const QVariant& animalId, const QVariant& typeId, const QDate& done) {
    db::holdRow(QStringLiteral("animal"), QStringLiteral("Id_Animal"), animalId);
    return db::insertRow(tables::atendimentoParticular(),
                         {{QStringLiteral("id_animal"), animalId},
                          {QStringLiteral("id_tipo_procedimento"), typeId},
                          {QStringLiteral("dt_atendimento"), QDateTime(done, QTime(0, 0))}},
                         tables::byUser(db::serverTime()));
}

void remove(const QVariant& key, const db::RowValues& read) {
    db::deleteRow({.table = tables::atendimentoParticular(), .key = key, .read = read});
}

}  // namespace atendimentoparticularsql
