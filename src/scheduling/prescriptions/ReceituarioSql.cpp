// SPDX-License-Identifier: GPL-3.0-or-later
// The prescriptions' statements.
#include "scheduling/prescriptions/ReceituarioSql.h"

#include "common/access/Session.h"
#include "platform/db/EditedRow.h"
#include "platform/db/Keys.h"

namespace receituariosql {

namespace {

db::RowSet run(const QString& sql, const QVariantHash& params = {}, int* affected = nullptr) {
    return db::run(db::kMain, sql, params, affected);
}

}  // namespace

const QString kInsert = QStringLiteral(
    "insert into receituario (Id_Receituario, Id_Atendimento, Descricao, OBS, Inserido_Por, Inserido_Em, "
    "Modificado_Por, Modificado_Em) values (:Id_Receituario, :Id_Atendimento, :Descricao, :OBS, :Inserido_Por, "
    ":Inserido_Em, :Modificado_Por, :Modificado_Em)");

const QString kModify = QStringLiteral(
    "update receituario set Id_Atendimento = :Id_Atendimento, Descricao = :Descricao, OBS = :OBS, "
    "Inserido_Por = :Inserido_Por, Inserido_Em = :Inserido_Em, Modificado_Por = :Modificado_Por, "
    "Modificado_Em = :Modificado_Em where Id_Receituario = :OLD_Id_Receituario");

void selectOf(db::DataSet& data, const QVariant& attendanceId) {
    data.close();
    data.setSql(QStringLiteral(" select * from receituario "));
    if (db::toText(attendanceId).trimmed().isEmpty()) {
        data.query().add(QStringLiteral(" where 1=2"));
    } else {
        data.query().add(QStringLiteral(" where id_atendimento = :id order by Id_Receituario"));
        data.query().bind(QStringLiteral("id"), attendanceId);
    }
    data.open();
}

int nextKey() { return db::nextKey(QStringLiteral("Receituario"), QStringLiteral("Id_Receituario")); }

void remove(const QVariant& key, const db::RowValues& read) {
    db::runGuarded(QStringLiteral("delete from receituario where Id_Receituario = :key"),
                   {{QStringLiteral("key"), key}}, read);
}

db::RowSet weightTexts() {
    return run(QStringLiteral("select id_receituario_texto_peso,peso, texto from Receituario_Texto_Peso"));
}

void selectStandard(db::DataSet& data) {
    data.close();
    data.setSql(QStringLiteral("select * from receituario_Padrao where Id_Receituario_padrao = 1"));
    data.open();
}

void selectNoStandard(db::DataSet& data) {
    data.close();
    data.setSql(QStringLiteral(" select * from receituario_Padrao  \n where 1=2 "));
    data.open();
}

QString standardText() {
    const db::RowSet r =
        run(QStringLiteral(" select descricao from receituario_padrao where Id_Receituario_padrao = 1"));
    return r.count() == 0 ? QString() : db::toText(r.row(0)[0]);
}

void writeStandard(const QString& text, const db::RowValues& read) {
    const QVariantHash params{
        {QStringLiteral("text"), text}, {QStringLiteral("por"), auditUser()}, {QStringLiteral("em"), db::serverTime()}};
    if (!read.isEmpty()) {
        // The text as read is compared too: a change saved meanwhile by another workstation is not overwritten.
        db::runGuarded(QStringLiteral(" update receituario_Padrao set descricao = :text, Modificado_Por = :por, "
                                      "Modificado_Em = :em where Id_Receituario_padrao = 1"),
                       params, read, {QStringLiteral("descricao")});
        return;
    }
    int affected = 0;
    run(QStringLiteral(" update receituario_Padrao set descricao = :text, Inserido_Por = :por, "
                       "Inserido_Em = :em where Id_Receituario_padrao = 1"),
        params, &affected);
    if (affected == 0)
        run(QStringLiteral(
                "insert into receituario_Padrao (Id_Receituario_padrao, descricao, Inserido_Por, Inserido_Em) "
                "values (1, :text, :por, :em)"),
            params);
}

QString unitName(const QVariant& unitId) {
    if (unitId.isNull())
        return {};
    const db::RowSet r = run(QStringLiteral(" select nome from unidade_trabalho where id_unidade_trabalho = :id"),
                             {{QStringLiteral("id"), unitId}});
    return r.count() == 0 ? QString() : db::toText(r.row(0)[0]);
}

void prepareStandardReport(db::Query& q) { q << " select descricao from receituario_padrao "; }

}  // namespace receituariosql
