// SPDX-License-Identifier: GPL-3.0-or-later
// The agenda's statements, every value bound.
#include "scheduling/agenda/AgendaSql.h"

#include "common/rules/Documents.h"
#include "common/schema/TextIndexes.h"
#include "platform/db/Search.h"

namespace agendasql {

namespace {

db::RowSet rows(const QString& sql, const QVariantHash& params = {}) { return db::run(db::kMain, sql, params); }

// The select and joins of the daily list, up to its where clause.
void addDailySelect(db::Query& q) {
    q << " select b.nome as nome_proprietario, c.nome as nome_animal, "
      << " d.nome nome_unidade_trabalho, e.nome nome_unidade_agendada, "
      << " f.nome nome_atendimento_status, a.* "
      << " , g.descricao as porte, h.nome as especie, c.sexo  "
      << " from atendimento a "
      << " left join proprietario b on (a.id_proprietario = b.id_proprietario) "
      << " left join animal c on (a.id_animal = c.id_animal) "
      << " left join unidade_trabalho d on (a.id_unidade_trabalho = d.id_unidade_trabalho) "
      << " left join unidade_trabalho e on (a.id_unidade_agendada = e.id_unidade_trabalho) "
      << " left join atendimento_status f on (a.id_atendimento_status = f.id_atendimento_status) "
      << " left join porte g on (c.id_porte = g.id_porte) "
      << " left join especie h on (c.id_especie = h.id_especie) ";
}

// The unit, status and period lines of a filter.
void addFilter(db::Query& q, const Filter& f, bool withPeriod = true) {
    if (!f.unit.isNull())
        q << " and a.id_unidade_agendada = :unidade ";
    if (!f.status.isNull())
        q << " and a.id_atendimento_status = :status ";
    q.bind(QStringLiteral("unidade"), f.unit).bind(QStringLiteral("status"), f.status);
    if (withPeriod) {
        const auto [from, to] = periodRange(f.day, f.period);
        q << " and a.data_hora_atendimento >= :inicio and a.data_hora_atendimento < :fim ";
        q.bind(QStringLiteral("inicio"), from).bind(QStringLiteral("fim"), to);
    }
}

const char* const kActiveOwner = " where fold(trim(b.status_registro)) = 'ativo' and 1=1 ";

QVariantHash weekParams(const QDate& day) {
    return {{QStringLiteral("dia"), QDateTime(day, QTime(0, 0))},
            {QStringLiteral("seguinte"), QDateTime(day.addDays(1), QTime(0, 0))}};
}

}  // namespace

db::RowSet units() {
    return rows(QStringLiteral("select id_unidade_trabalho,upper(nome) as nome from unidade_trabalho"));
}

db::RowSet activeUnits() {
    return rows(QStringLiteral(
        " select id_unidade_trabalho, nome from unidade_trabalho  where fold(trim(ind_status)) = 'ativo'"));
}

db::RowSet unitsAsStored() { return rows(QStringLiteral(" select id_unidade_trabalho, nome from unidade_trabalho ")); }

db::RowSet statuses() {
    return rows(QStringLiteral(R"(
        select id_atendimento_status, nome, descricao, ind_status
        from Atendimento_status
        where fold(trim(coalesce(ind_status, ''))) <> 'inativo'
    )"));
}

db::RowSet professionals() { return rows(QStringLiteral(" select id_profissional, nome from profissional  ")); }

void selectDailyList(db::DataSet& data, const Filter& filter) {
    db::Query& q = data.query();
    q.clear();
    addDailySelect(q);
    q << kActiveOwner;
    addFilter(q, filter);
    data.open();
}

int dailyCount(const Filter& filter) {
    // The other joins of the list are on their tables' keys: they add no row.
    db::Query q;
    q << " select count(*) as valor from atendimento a "
      << " left join proprietario b on (a.id_proprietario = b.id_proprietario) " << kActiveOwner;
    addFilter(q, filter);
    q.open();
    return q.integer(QStringLiteral("valor"));
}

void selectDailyListOf(db::DataSet& data, const QVariant& attendanceId) {
    db::Query& q = data.query();
    q.clear();
    addDailySelect(q);
    q << " where a.id_atendimento = :atendimento ";
    q.bind(QStringLiteral("atendimento"), attendanceId);
    data.open();
}

void selectCleared(db::DataSet& data) {
    data.close();
    data.setSql(QStringLiteral(
        " select  id_atendimento_status, nome, descricao, ind_status  from Atendimento_status where 1=2"));
}

db::RowSet weekRows(const QDate& day) {
    return rows(QStringLiteral(R"(
        select nrideano, nridesep, dtinisep, dtfimsep, dsidesep
        from semana_epidemiologica
        where dtinisep < :seguinte
          and dtfimsep >= :dia
        order by dtinisep
    )"),
                weekParams(day));
}

QList<WeekGrid::Moment> weekMoments(const Filter& filter, const QDate& sunday) {
    // Attendances are booked at the slots' times: a week of thousands comes as a few hundred moments.
    db::Query q;
    q << " select a.Data_Hora_Atendimento, count(*) as qt from atendimento a "
      << " where  1=1 ";
    addFilter(q, filter, false);
    q << " and a.data_hora_atendimento >= :inicio and a.data_hora_atendimento < :fim "
      << " group by a.Data_Hora_Atendimento order by a.Data_Hora_Atendimento ";
    q.bind(QStringLiteral("inicio"), QDateTime(sunday, QTime(0, 0)));
    q.bind(QStringLiteral("fim"), QDateTime(sunday.addDays(7), QTime(0, 0)));
    q.open();
    QList<WeekGrid::Moment> moments;
    moments.reserve(q.rowCount());
    for (int r = 0; r < q.rowCount(); ++r)
        moments.append({db::toDateTime(q.rows().row(r)[0]), db::toInt(q.rows().row(r)[1])});
    return moments;
}

db::RowSet statisticsRows(const Filter& filter) {
    db::Query q;
    q << " select a.id_unidade_agendada, b.nome nome_unidade_agendada,a.Data_Hora_Atendimento, "
      << " c.nome nome_atendimento_status,e.Nome AS especie, d.Sexo, f.Descricao AS porte, "
      << " count(a.id_atendimento) as qt "
      << " from atendimento a "
      << " left join unidade_trabalho b on (a.id_unidade_agendada = b.id_unidade_trabalho) "
      << " left join atendimento_status c on (a.id_atendimento_status = c.id_atendimento_status) "
      << " LEFT JOIN Animal d ON (a.Id_Animal = d.Id_Animal) "
      << " LEFT JOIN Especie e ON (d.id_especie = e.Id_Especie) "
      << " LEFT JOIN Porte f ON (d.Id_porte = f.Id_porte) "
      << " where 1=1 ";
    addFilter(q, filter);
    q << " group by a.id_unidade_agendada, b.nome,a.Data_Hora_Atendimento,e.Nome, d.Sexo, f.Descricao, c.nome "
      << " order by a.id_unidade_agendada, b.nome,a.Data_Hora_Atendimento,e.Nome, d.Sexo, f.Descricao, c.nome ";
    q.open();
    return q.rows();
}

db::RowSet statusCounts(const Filter& filter, const QVariant& unitId) {
    db::Query q;
    q << " select f.nome, count(*) as qt"
      << " from atendimento a "
      << " left join proprietario b on (a.id_proprietario = b.id_proprietario) "
      << " left join animal c on (a.id_animal = c.id_animal) "
      << " left join unidade_trabalho d on (a.id_unidade_trabalho = d.id_unidade_trabalho) "
      << " left join unidade_trabalho e on (a.id_unidade_agendada = e.id_unidade_trabalho) "
      << " left join atendimento_status f on (a.id_atendimento_status = f.id_atendimento_status) " << kActiveOwner;
    Filter ofUnit = filter;
    ofUnit.unit = unitId;
    addFilter(q, ofUnit);
    q << " group by f.nome "
      << " order by f.nome ";
    q.open();
    return q.rows();
}

void selectLocated(db::DataSet& data, LocateBy by, const QVariant& value) {
    db::Query& q = data.query();
    q.clear();
    q << R"(
        select b.nome as nome_proprietario, c.nome as nome_animal, a.id_proprietario, a.id_animal,
            a.id_atendimento, b.Num_CPF_CNPJ, b.Num_CI, c.Num_Microchip
        from atendimento a
        left join proprietario b on (a.id_proprietario = b.id_proprietario)
        left join animal c on (a.id_animal = c.id_animal)
    )" << kActiveOwner;
    switch (by) {
    case LocateBy::OwnerName:
        q.andWhere(db::foldedPrefix(QStringLiteral("b.nome"), QStringLiteral("texto"), db::toText(value)));
        break;
    case LocateBy::AnimalName:
        q.andWhere(db::foldedPrefix(QStringLiteral("c.nome"), QStringLiteral("texto"), db::toText(value)));
        break;
    case LocateBy::Attendance: q << " and a.id_atendimento = :texto "; break;
    case LocateBy::Owner: q << " and a.id_proprietario = :texto "; break;
    case LocateBy::Animal: q << " and a.id_animal = :texto "; break;
    case LocateBy::Cpf: {
        // Each form the typed text may be stored as, compared with the stored document's key.
        const QStringList documents = value.toStringList();
        QStringList params;
        for (qsizetype i = 0; i < documents.size(); ++i) {
            params << QStringLiteral(":documento%1").arg(i);
            q.bind(params.last(), documents[i]);
        }
        q << QStringLiteral(" and (b.Num_CPF_CNPJ || '') >= '' and %1 in (%2) ")
                 .arg(documentKeySql(QStringLiteral("b.Num_CPF_CNPJ")), params.join(QStringLiteral(", ")));
        break;
    }
    case LocateBy::Identity:
        q.andWhere(db::foldedEqual(QStringLiteral("b.Num_CI"), QStringLiteral("texto"), db::toText(value)));
        break;
    case LocateBy::Microchip:
        q.andWhere(db::foldedContains(QStringLiteral("replace(c.Num_Microchip, ' ', '')"), QStringLiteral("texto"),
                                      db::toText(value), textindex::microchip(QStringLiteral("c.Id_Animal"))));
        break;
    }
    if (by == LocateBy::Attendance || by == LocateBy::Owner || by == LocateBy::Animal)
        q.bind(QStringLiteral("texto"), value);
    data.open();
}

// --- reports ---

void prepareDailyReport(db::Query& q, const QDateTime& from, const QDateTime& to, int unit) {
    q << " select a.Id_Atendimento, a.Id_Proprietario, a.Id_Animal, a.Id_Unidade_Trabalho, a.Id_Unidade_Agendada,"
      << " a.Data_Hora_Atendimento, a.Id_Atendimento_Status, a.Inserido_Por, a.Ind_Autoriza_Cirurgia,"
      << " b.nome as nome_Prop, c.nome as nome_Animal, d.nome as nome_Unidade_Agendada, e.nome as nome_Status"
      << " ,f.descricao as porte, g.nome as especie, c.sexo, b.Telefone_Residencial, b.Telefone_Celular, "
         "b.Telefone_Recado, b.Status_Registro as Status_Registro_prop, u.nome as nome_usuario "
      << "  from atendimento a"
      << " left join proprietario b on (a.id_proprietario = b.id_proprietario)"
      << " left join animal c on (a.id_animal = c.id_animal)"
      << " left join unidade_trabalho d on (d.id_unidade_trabalho = a.id_unidade_agendada)"
      << " left join Atendimento_Status e on (a.id_Atendimento_Status = e.id_Atendimento_Status)"
      << " left join porte f on (c.id_porte = f.id_porte)"
      << " left join especie g on (c.id_especie = g.id_especie)"
      << " left join usuario u on (u.id_usuario = a.inserido_por)"
      << " where 1=1"
      << " and a.Data_Hora_Atendimento >= :dataInicia and a.Data_Hora_Atendimento < :dataFim ";
    if (unit > 0)
        q << " and  a.Id_Unidade_Agendada = :unidade ";
    q << "order by a.Id_Unidade_Agendada,a.Data_Hora_Atendimento";
    q.bind(QStringLiteral("dataInicia"), from).bind(QStringLiteral("dataFim"), to);
    q.bind(QStringLiteral("unidade"), unit);
}

void prepareMonthlyReport(db::Query& q, const QDateTime& from, const QDateTime& to, int unit) {
    q << " select  a.id_unidade_Agendada, b.nome as nome_Unidade_Agendada, d.id_tipo_procedimento, "
      << " w.id_profissional, c.nome, e.nome  as nomeTipoProc,  count(*) as qt "
      << " from atendimento a "
      << " left join atendimento_profissional w on (a.id_atendimento = w.id_atendimento) "
      << " left join unidade_trabalho b on (a.id_unidade_Agendada = b.id_unidade_trabalho) "
      << " left join profissional c on (w.id_profissional = c.id_profissional) "
      << " left join procedimento d on (a.id_atendimento = d.id_atendimento) "
      << " left join Tipo_procedimento e on (d.id_tipo_procedimento = e.id_tipo_procedimento) "
      << " where a.Data_Hora_Atendimento >= :inicio and a.Data_Hora_Atendimento < :fim ";
    if (unit != 0)
        q << " and (a.id_unidade_Agendada = :unidade) ";
    q << " and w.id_profissional is not null "
      << " and d.id_procedimento is not null "
      << " group by  a.id_unidade_Agendada, b.nome,w.id_profissional, c.nome, d.id_tipo_procedimento,e.nome "
      << " order by a.id_unidade_Agendada, c.nome, d.id_tipo_procedimento";
    q.bind(QStringLiteral("inicio"), from).bind(QStringLiteral("fim"), to).bind(QStringLiteral("unidade"), unit);
}

void prepareYearReport(db::Query& q) {
    q << "select a.Id_Atendimento, a.Id_Proprietario, a.Id_Animal, a.Id_Unidade_Agendada,"
      << "a.Data_Hora_Atendimento, a.Id_Atendimento_Status, a.Ind_Autoriza_Cirurgia,"
      << "b.nome as nome_proprietario, c.nome as nome_animal, d.nome as nome_unidade_agendada,"
      << "e.nome as nome_status_atendimento"
      << "from atendimento a"
      << "left join proprietario b on (a.id_proprietario = b.id_proprietario )"
      << "left join animal c on (a.id_animal = c.id_animal )"
      << "left join Unidade_trabalho d on (a.Id_Unidade_Agendada = d.id_Unidade_trabalho )"
      << "left join Atendimento_Status e on (a.Id_Atendimento_Status = e.Id_Atendimento_Status )"
      << "order by a.Id_Unidade_Agendada,a.Id_Atendimento_Status,a.Data_Hora_Atendimento";
}

void prepareProfessionalReport(db::Query& q, const QDateTime& from, const QDateTime& to, const QString& professional) {
    q << " select w.Data_Hora_Atendimento, y.id_profissional, f.nome as Nome_Prof, "
      << " w.Id_Atendimento, w.Id_Proprietario, w.Id_Animal, w.Id_Unidade_Trabalho, w.Id_Unidade_Agendada, "
      << " e.Id_Atendimento_Status, w.Inserido_Por, w.Ind_Autoriza_Cirurgia, "
      << " b.nome as nome_Prop, c.nome as nome_Animal, d.nome as nome_Unidade_Agendada, e.nome as nome_Status "
      << " from atendimento_profissional y "
      << " left join Atendimento w on (y.id_Atendimento = w.id_Atendimento) "
      << " left join proprietario b on (w.id_proprietario = b.id_proprietario) "
      << " left join animal c on (w.id_animal = c.id_animal) "
      << " left join unidade_trabalho d on (d.id_unidade_trabalho = w.id_unidade_agendada) "
      << " left join Atendimento_Status e on (e.id_Atendimento_Status = w.id_Atendimento_Status) "
      << " left join Profissional f on (y.id_Profissional = f.id_profissional) "
      << " where w.Data_Hora_Atendimento >= :DataInicial and w.Data_Hora_Atendimento < :DataFinal ";
    if (professional != QLatin1String("0"))
        q << " and y.id_profissional = :profissional ";
    q << " order by f.nome, w.Data_Hora_Atendimento ";
    q.bind(QStringLiteral("DataInicial"), from).bind(QStringLiteral("DataFinal"), to);
    q.bind(QStringLiteral("profissional"), professional.toInt());
}

}  // namespace agendasql
