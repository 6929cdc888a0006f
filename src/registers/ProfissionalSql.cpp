// SPDX-License-Identifier: GPL-3.0-or-later
// The professional register's statements.

#include "registers/ProfissionalSql.h"

#include "platform/db/Keys.h"

namespace profissionalsql {

QString insertSql() {
    return QStringLiteral(
        "insert into profissional (Id_Profissional, Id_Unidade_Trabalho, Nome, Telefone_residencial, "
        "Telefone_celular, Telefone_Recado, Email, Inativo, Bloqueado, Ind_Status, "
        "Inserido_Por, Inserido_Em, Modificado_Por, Modificado_Em) "
        "values (:Id_Profissional, :Id_Unidade_Trabalho, :Nome, :Telefone_residencial, "
        ":Telefone_celular, :Telefone_Recado, :Email, :Inativo, :Bloqueado, :Ind_Status, "
        ":Inserido_Por, :Inserido_Em, :Modificado_Por, :Modificado_Em)");
}

QString modifySql() {
    return QStringLiteral(
        "update profissional set Id_Unidade_Trabalho = :Id_Unidade_Trabalho, Nome = :Nome, "
        "Telefone_residencial = :Telefone_residencial, Telefone_celular = :Telefone_celular, "
        "Telefone_Recado = :Telefone_Recado, Email = :Email, Inativo = :Inativo, "
        "Bloqueado = :Bloqueado, Ind_Status = :Ind_Status, Inserido_Por = :Inserido_Por, "
        "Inserido_Em = :Inserido_Em, Modificado_Por = :Modificado_Por, Modificado_Em = :Modificado_Em "
        "where Id_Profissional = :OLD_Id_Profissional");
}

void prepareReport(db::Query& q) {
    // The professionals without a unit come first on both engines.
    q << "select b.nome as nome_unidade_trabalho, a.id_profissional, a.id_unidade_trabalho, "
      << "a.nome as nome_profissional,a.telefone_residencial,a.telefone_celular,a.telefone_recado, "
         "a.email, a.ind_status "
      << "from profissional a"
      << "left join unidade_trabalho b on (a.id_unidade_trabalho = b.id_unidade_trabalho )"
      << "order by case when a.id_unidade_trabalho is null then 0 else 1 end, a.id_unidade_trabalho, "
         "a.id_profissional";
}

namespace {

// One of the three list tables.
struct ListTable {
    QString table;
    QString key;
};

const ListTable kJornada{QStringLiteral("jornada_trabalho"), QStringLiteral("Id_Jornada_Trabalho")};
const ListTable kImpedimento{QStringLiteral("impedimento"), QStringLiteral("Id_Impedimento")};
const ListTable kHoraExtra{QStringLiteral("jornada_trabalho_execao"), QStringLiteral("Id_Jornada_Trabalho_Execao")};

QList<ScheduleEntry> read(const ListTable& t, const QVariant& professional) {
    const bool working = t.table == kJornada.table;
    db::Query q;
    q << QStringLiteral(
             " select a.Id_Unidade_Trabalho, b.nome as nome_unidade, a.Data_Hora_Inicial, a.Data_Hora_Final, ")
      << (working ? QStringLiteral(" c.nome as nome_dia ") : QStringLiteral(" null as nome_dia "))
      << QStringLiteral(" from %1 a ").arg(t.table)
      << QStringLiteral(" left join unidade_trabalho b on (b.id_Unidade_Trabalho = a.id_Unidade_Trabalho) ");
    if (working)
        q << QStringLiteral(" left join dia_semana c on (c.id_dia_semana = a.id_dia_semana) ");
    q << QStringLiteral(" where a.id_Profissional = :id ");
    if (working)
        q << QStringLiteral(" and fold(trim(a.status_registro)) = 'ativo' ");
    q << QStringLiteral(" order by a.%1 ").arg(t.key);
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

int highestKey(const ListTable& t) { return db::nextKey(t.table, t.key) - 1; }

const QString kOfProfessional = QStringLiteral("id_Profissional = :id");
const std::array<const ListTable*, 3> kLists{&kJornada, &kImpedimento, &kHoraExtra};

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
    return {read(kJornada, professional), read(kImpedimento, professional), read(kHoraExtra, professional)};
}

StoredSchedule stored(const QVariant& professional) {
    StoredSchedule out;
    for (size_t i = 0; i < kLists.size(); ++i)
        out[i] = db::readRows(kLists[i]->table, kOfProfessional, {{QStringLiteral("id"), professional}});
    return out;
}

void save(const QVariant& professional, const Schedule& schedule, const StoredSchedule& asRead) {
    const QVariantHash id{{QStringLiteral("id"), professional}};
    const int controle = db::nextKey(QStringLiteral("jornada_trabalho"), QStringLiteral("controle"),
                                     QStringLiteral("id_profissional = :id"), id);
    // Keys read before the deletes: a rewritten row never takes back the key it had.
    int jornadaKey = highestKey(kJornada);
    int impedimentoKey = highestKey(kImpedimento);
    int horaExtraKey = highestKey(kHoraExtra);
    for (size_t i = 0; i < kLists.size(); ++i)
        db::deleteRowsAsRead(kLists[i]->table, {kLists[i]->key}, kOfProfessional, id, asRead[i]);

    for (const ScheduleEntry& e : schedule.workingHours) {
        db::Query q;
        q << QStringLiteral(
                 " insert into jornada_trabalho (Id_Jornada_Trabalho, Id_Profissional, Id_Unidade_Trabalho, ")
          << QStringLiteral(" Data_Hora_Inicial, Data_Hora_Final, Id_Dia_Semana, Status_Registro, Controle) ")
          << QStringLiteral(" values (:key, :id, :unit, :from, :to, :day, 'ATIVO', :controle) ");
        q.bind(QStringLiteral("key"), ++jornadaKey)
            .bind(QStringLiteral("id"), professional)
            .bind(QStringLiteral("unit"), e.unit)
            .bind(QStringLiteral("from"), moment(e.firstDay, e.start))
            .bind(QStringLiteral("to"), moment(e.lastDay, e.end))
            .bind(QStringLiteral("day"), weekdayKey(e.weekday))
            .bind(QStringLiteral("controle"), controle);
        q.exec();
    }
    const auto writePlain = [&professional](const ListTable& t, const QList<ScheduleEntry>& rows, int key) {
        for (const ScheduleEntry& e : rows) {
            db::Query q;
            q << QStringLiteral(" insert into %1 (%2, Id_Profissional, Id_Unidade_Trabalho, ").arg(t.table, t.key)
              << QStringLiteral(" Data_Hora_Inicial, Data_Hora_Final) values (:key, :id, :unit, :from, :to) ");
            q.bind(QStringLiteral("key"), ++key)
                .bind(QStringLiteral("id"), professional)
                .bind(QStringLiteral("unit"), e.unit)
                .bind(QStringLiteral("from"), moment(e.firstDay, e.start))
                .bind(QStringLiteral("to"), moment(e.lastDay, e.end));
            q.exec();
        }
    };
    writePlain(kImpedimento, schedule.impediments, impedimentoKey);
    writePlain(kHoraExtra, schedule.extraHours, horaExtraKey);
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
    db::runGuarded(QStringLiteral(" delete from profissional where id_profissional = :id "),
                   {{QStringLiteral("id"), professional}}, read);
    for (const ListTable* t : kLists) {
        db::Query q;
        q << QStringLiteral(" delete from %1 ").arg(t->table) << QStringLiteral(" where ") + kOfProfessional;
        q.bind(QStringLiteral("id"), professional);
        q.exec();
    }
}

}  // namespace profissionalsql
