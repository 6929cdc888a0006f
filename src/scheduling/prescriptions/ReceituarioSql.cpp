// SPDX-License-Identifier: GPL-3.0-or-later
// The prescriptions' statements.
#include "scheduling/prescriptions/ReceituarioSql.h"

#include "common/schema/Tables.h"
#include "platform/db/EditedRow.h"
#include "platform/db/Keys.h"

namespace receituariosql {

namespace {

db::RowSet run(const QString& sql, const QVariantHash& params = {}, int* affected = nullptr) {
    return db::run(db::kMain, sql, params, affected);
}

}  // namespace

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
    db::deleteRow({.table = tables::receituario(), .key = key, .read = read});
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
    const db::Table& standard = tables::receituarioPadrao();
    const db::Stamp stamp = tables::byUser(db::serverTime());
    const db::RowValues typed{{QStringLiteral("descricao"), text}};
    if (!read.isEmpty()) {
        // The text as read is compared too: a change saved meanwhile by another workstation is not overwritten.
        db::updateRow(
            {.table = standard, .key = 1, .columns = standard.columns, .typed = typed, .read = read, .stamp = stamp});
        return;
    }
    // Row 1 that another workstation inserted meanwhile is taken as this one's insert.
    const db::RowValues inserted = db::stamped(standard, typed, db::Write::Insert, stamp);
    const db::Statement takeOver =
        db::updateStatement({.table = standard,
                             .key = 1,
                             .columns = standard.columns + QStringList{db::kInseridoPor, db::kInseridoEm},
                             .typed = inserted});
    int affected = 0;
    run(takeOver.sql, takeOver.params, &affected);
    if (affected == 0) {
        db::RowValues row = inserted;
        row.insert(QStringLiteral("id_receituario_padrao"), 1);
        db::insertRow(standard, row);
    }
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
