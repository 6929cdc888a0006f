// SPDX-License-Identifier: GPL-3.0-or-later
// The professional register's statements.

#include "registers/ProfissionalSql.h"

#include "common/schema/Tables.h"
#include "platform/db/Keys.h"

namespace profissionalsql {

void prepareReport(db::Query& q) {
    // The professionals without a unit come first on both engines.
    q << "select b.nome as nome_unidade_trabalho, a.id_profissional, a.id_unidade_trabalho, "
      << "a.nome as nome_profissional,a.telefone_residencial,a.telefone_celular,a.telefone_recado, "
         "a.email, a.ind_status "
      << "from profissional a"
      << "left join unidade_trabalho b on (a.id_unidade_trabalho = b.id_unidade_trabalho )"
      << R"(
          order by case when a.id_unidade_trabalho is null then 0 else 1 end, a.id_unidade_trabalho,
              a.id_profissional
      )";
}

namespace {

QList<ScheduleEntry> read(const db::Table& t, const QVariant& professional) {
    const bool working = &t == &tables::jornadaTrabalho();
    db::Query q;
    q << QStringLiteral(
             " select a.Id_Unidade_Trabalho, b.nome as nome_unidade, a.Data_Hora_Inicial, a.Data_Hora_Final, ")
      << (working ? QStringLiteral(" c.nome as nome_dia ") : QStringLiteral(" null as nome_dia "))
      << QStringLiteral(" from %1 a ").arg(t.name)
      << QStringLiteral(" left join unidade_trabalho b on (b.id_Unidade_Trabalho = a.id_Unidade_Trabalho) ");
    if (working)
        q << QStringLiteral(" left join dia_semana c on (c.id_dia_semana = a.id_dia_semana) ");
    q << QStringLiteral(" where a.id_Profissional = :id ");
    if (working)
        q << QStringLiteral(" and fold(trim(a.status_registro)) = 'ativo' ");
    q << QStringLiteral(" order by a.%1 ").arg(t.keyColumn());
    q.bind(QStringLiteral("id"), professional);
    q.open();
    QList<ScheduleEntry> out;
    for (q.first(); !q.eof(); q.next()) {
        const QDateTime from = q.dateTime(QStringLiteral("Data_Hora_Inicial"));
        const QDateTime to = q.dateTime(QStringLiteral("Data_Hora_Final"));
        out << ScheduleEntry{.unit = q.value(QStringLiteral("Id_Unidade_Trabalho")),
                             .unitName = q.str(QStringLiteral("nome_unidade")).trimmed(),
                             .firstDay = from.date(),
                             .lastDay = to.date(),
                             .start = from.time(),
                             .end = to.time(),
                             .weekday = q.str(QStringLiteral("nome_dia")).trimmed()};
    }
    return out;
}

const QString kOfProfessional = QStringLiteral("id_Profissional = :id");

// The three lists' tables, in list order.
std::array<const db::Table*, 3> lists() {
    return {&tables::jornadaTrabalho(), &tables::impedimento(), &tables::jornadaTrabalhoExecao()};
}

// The key of the weekday of that name; null for a name `dia_semana` does not hold.
QVariant weekdayKey(const QString& name) {
    db::Query q;
    q << QStringLiteral(" select id_Dia_Semana from dia_semana ")
      << QStringLiteral(" where fold(trim(nome)) = fold(:name) ");
    q.bind(QStringLiteral("name"), name.trimmed());
    q.open();
    return q.isEmpty() ? QVariant() : q.value(QStringLiteral("id_Dia_Semana"));
}

QVariant moment(const QDate& day, const QTime& time) { return QDateTime(day, time); }

}  // namespace

db::RowSet activeUnits() {
    db::Query q;
    q << QStringLiteral(" select id_Unidade_trabalho,upper(nome)as nome from Unidade_trabalho ")
      << QStringLiteral(" where fold(trim(ind_status)) = 'ativo'");
    q.open();
    return q.rows();
}

Schedule load(const QVariant& professional) {
    return {read(tables::jornadaTrabalho(), professional), read(tables::impedimento(), professional),
            read(tables::jornadaTrabalhoExecao(), professional)};
}

StoredSchedule stored(const QVariant& professional) {
    StoredSchedule out;
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = db::readRows(*lists()[i], kOfProfessional, {{QStringLiteral("id"), professional}});
    return out;
}

void save(const QVariant& professional, const Schedule& schedule, const StoredSchedule& asRead) {
    const QVariantHash id{{QStringLiteral("id"), professional}};
    const int controle = db::nextKey(QStringLiteral("jornada_trabalho"), QStringLiteral("controle"),
                                     QStringLiteral("id_profissional = :id"), id);
    // Keys read before the deletes: a rewritten row never takes back the key it had.
    std::array<int, 3> highest{};
    for (size_t i = 0; i < highest.size(); ++i)
        highest[i] = db::nextKey(lists()[i]->name, lists()[i]->keyColumn()) - 1;
    for (size_t i = 0; i < highest.size(); ++i)
        db::deleteRowsAsRead(*lists()[i], kOfProfessional, id, asRead[i]);

    const std::array<const QList<ScheduleEntry>*, 3> entries{&schedule.workingHours, &schedule.impediments,
                                                             &schedule.extraHours};
    for (size_t i = 0; i < entries.size(); ++i) {
        const db::Table& t = *lists()[i];
        for (const ScheduleEntry& e : *entries[i]) {
            db::RowValues row{{t.keyColumn(), ++highest[i]},
                              {QStringLiteral("Id_Profissional"), professional},
                              {QStringLiteral("Id_Unidade_Trabalho"), e.unit},
                              {QStringLiteral("Data_Hora_Inicial"), moment(e.firstDay, e.start)},
                              {QStringLiteral("Data_Hora_Final"), moment(e.lastDay, e.end)}};
            if (&t == &tables::jornadaTrabalho()) {
                row.insert(QStringLiteral("Id_Dia_Semana"), weekdayKey(e.weekday));
                row.insert(QStringLiteral("Status_Registro"), QStringLiteral("ATIVO"));
                row.insert(QStringLiteral("Controle"), controle);
            }
            db::insertRow(t, row);
        }
    }
}

bool hasAttendance(const QVariant& professional) {
    db::Query q;
    q << QStringLiteral(" select id_Profissional from atendimento_profissional ")
      << QStringLiteral(" where id_Profissional = :id limit 1 ");
    q.bind(QStringLiteral("id"), professional);
    q.open();
    return !q.isEmpty();
}

void remove(const QVariant& professional, const db::RowValues& read) {
    db::deleteRow({.table = tables::profissional(), .key = professional, .read = read});
    // The lists go with the professional, whatever they hold now.
    for (const db::Table* t : lists()) {
        db::Query q;
        q << QStringLiteral(" delete from %1 ").arg(t->name) << QStringLiteral(" where ") + kOfProfessional;
        q.bind(QStringLiteral("id"), professional);
        q.exec();
    }
}

}  // namespace profissionalsql
