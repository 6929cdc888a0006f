// SPDX-License-Identifier: GPL-3.0-or-later
// Statements of the availability map, every value bound.

#include "availability/MapaSql.h"

#include "common/schema/Tables.h"
#include "platform/db/EditedRow.h"

namespace mapasql {

namespace {

QVariant keyOrNull(const QVariant& area) {
    return area.isNull() ? QVariant(QMetaType(QMetaType::Int)) : QVariant(area.toInt());
}

// The values that the slot conditions bind.
QVariantHash slotValues(const Slot& v) {
    return {{"unidade", v.unit},       {"procedimento", v.procedure}, {"especie", v.species},
            {"pdatahora", v.dateTime}, {"geral", v.general},          {"femea", v.female}};
}

// A slot's columns as the map writes them, with its key.
db::RowValues slotRow(const db::Table& table, int id, const Slot& v) {
    return {{table.keyColumn(), id},
            {"Id_unidade_trabalho", v.unit},
            {"Id_tipo_procedimento", v.procedure},
            {"Data_hora_disponibilidade", v.dateTime},
            {"Qt_vaga_disponivel_geral", v.general},
            {"Qt_vaga_disp_f_grande_porte", v.female},
            {"Id_Especie", v.species},
            {"Qt_vaga_usada_geral", v.usedGeneral},
            {"Qt_vaga_usada_f_grande_porte", v.usedFemale}};
}

// What the editor changes of a slot; the area and the used counts stay.
const QStringList kEditedColumns{"Id_unidade_trabalho",      "Id_tipo_procedimento",        "Data_hora_disponibilidade",
                                 "Qt_vaga_disponivel_geral", "Qt_vaga_disp_f_grande_porte", "Id_Especie"};

// The four values that make two slots the same, in a where clause.
const QString kSameSlot = QStringLiteral(
    R"(
        where Id_unidade_trabalho = :unidade
          and Id_especie = :especie
          and Data_hora_disponibilidade = :pdataHora
          and id_Tipo_Procedimento = :procedimento
    )");

}  // namespace

int intValue(const QString& sql, const QVariantHash& params) {
    const db::RowSet rows = db::run(db::kMain, sql, params);
    return rows.count() ? db::toInt(rows.row(0)[0]) : 0;
}

db::RowSet activeUnits() {
    return db::run(db::kMain,
                   R"(
                       select Id_Unidade_Trabalho, Nome as nome, descricao
                       from Unidade_Trabalho
                       where fold(trim(Ind_Status)) = 'ativo'
                       order by nome
                   )",
                   {});
}

db::RowSet surgeryProcedures() {
    return db::run(db::kMain,
                   R"(
                       select Id_Tipo_Procedimento, Nome as nome, descricao
                       from Tipo_Procedimento
                       where fold(trim(Ind_Status)) = 'ativo'
                         and Id_Tipo_Procedimento = 12
                   )",
                   {});
}

db::RowSet speciesList(bool activeOnly) {
    if (activeOnly)
        return db::run(db::kMain,
                       "select Id_Especie, Nome as nome, Descricao from Especie where fold(trim(Ind_Status)) = 'ativo'",
                       {});
    return db::run(db::kMain, "select Id_Especie, Nome as nome, Descricao from especie", {});
}

namespace {

QHash<int, QString> namesOf(const QString& table, const QString& key) {
    QHash<int, QString> out;
    const db::RowSet rows = db::run(db::kMain, QStringLiteral("select %1, nome from %2").arg(key, table), {});
    for (int i = 0; i < rows.count(); ++i)
        out.insert(db::toInt(rows.row(i)[0]), db::toText(rows.row(i)[1]).toUpper());
    return out;
}

}  // namespace

MapNames readNames() {
    return MapNames{namesOf(QStringLiteral("unidade_trabalho"), QStringLiteral("id_unidade_trabalho")),
                    namesOf(QStringLiteral("tipo_procedimento"), QStringLiteral("id_tipo_procedimento")),
                    namesOf(QStringLiteral("especie"), QStringLiteral("id_especie")),
                    namesOf(QStringLiteral("usuario"), QStringLiteral("id_usuario"))};
}

void openDay(db::DataSet& data, const QDate& day) {
    data.close();
    db::Query& q = data.query();
    q.clear();
    q << QStringLiteral(" select * from  Mapa_disponibilidade_agenda where 1=1")
      << QStringLiteral(" and Data_hora_disponibilidade >= :dia and Data_hora_disponibilidade < :proximoDia")
      << QStringLiteral(" order by Data_hora_disponibilidade, Id_Mapa_disponibilidade_agenda");
    q.bind(QStringLiteral("dia"), day.startOfDay()).bind(QStringLiteral("proximoDia"), day.addDays(1).startOfDay());
    data.open();
}

int countSame(const Slot& v, const QVariant& other) {
    QString sql = QStringLiteral("select count(*) as valor from Mapa_disponibilidade_agenda ") + kSameSlot;
    QVariantHash p = slotValues(v);
    if (!other.isNull()) {
        sql += QStringLiteral(" and id_Mapa_disponibilidade_agenda <> :exceto");
        p.insert(QStringLiteral("exceto"), other.toInt());
    }
    return intValue(sql, p);
}

void insertSlot(int id, const Slot& v) {
    db::RowValues row = slotRow(tables::mapaDisponibilidadeAgenda(), id, v);
    row.insert("cod_area_abrn", keyOrNull(v.area));
    db::insertRow(tables::mapaDisponibilidadeAgenda(), row,
                  db::Stamp{v.author.isNull() ? tables::byUser().by : v.author});
}

// Another workstation's change to any column of a slot is never overwritten. The used counts are the web
// system's, which the statements' own conditions weigh.
void updateSlot(int id, const Slot& v, const db::RowValues& read) {
    db::updateRow(
        {.table = tables::mapaDisponibilidadeAgenda(),
         .key = id,
         .columns = kEditedColumns,
         .typed = slotRow(tables::mapaDisponibilidadeAgenda(), id, v),
         .read = read,
         .stamp = tables::byUser(),
         .alsoCompared = {"COD_AREA_ABRN"},
         .condition = {
             "coalesce(Qt_vaga_usada_geral,0) <= :geral and coalesce(Qt_vaga_usada_f_grande_porte,0) <= :femea"
             " and ((coalesce(Qt_vaga_usada_geral,0) = 0 and coalesce(Qt_vaga_usada_f_grande_porte,0) = 0)"
             "  or (Id_unidade_trabalho = :unidade and Id_tipo_procedimento = :procedimento"
             "      and Id_especie = :especie and Data_hora_disponibilidade = :pdataHora))",
             slotValues(v)}});
}

void deleteSlot(int id, const db::RowValues& read) {
    db::deleteRow(
        {.table = tables::mapaDisponibilidadeAgenda(),
         .key = id,
         .read = read,
         .condition = {"coalesce(Qt_vaga_usada_geral,0) = 0 and coalesce(Qt_vaga_usada_f_grande_porte,0) = 0", {}}});
}

SlotUse readSlot(int id) {
    const db::RowSet rows =
        db::run(db::kMain, "select * from Mapa_disponibilidade_agenda where Id_Mapa_disponibilidade_agenda = :id",
                {{"id", id}});
    SlotUse u;
    if (!rows.count())
        return u;
    const auto f = [&](const char* name) { return rows.row(0)[rows.indexOrThrow(QString::fromLatin1(name))]; };
    u.exists = true;
    u.general = db::toInt(f("Qt_vaga_usada_geral"));
    u.female = db::toInt(f("Qt_vaga_usada_f_grande_porte"));
    u.slot = Slot{db::toInt(f("Id_unidade_trabalho")),
                  db::toInt(f("Id_tipo_procedimento")),
                  db::toInt(f("Id_Especie")),
                  db::toDateTime(f("Data_hora_disponibilidade")),
                  db::toInt(f("Qt_vaga_disponivel_geral")),
                  db::toInt(f("Qt_vaga_disp_f_grande_porte")),
                  u.general,
                  u.female,
                  f("COD_AREA_ABRN"),
                  {}};
    return u;
}

db::RowSet areas(int district) {
    if (district == 0)
        return db::run(db::kMain,
                       R"(
                           select COD_AREA_ABRN, DES_AREA_ABRN, COD_DITR_SANI
                           from padrao.AreaAbrang
                           where fold(trim(SIT_REGT)) = 'a'
                           order by COD_DITR_SANI, COD_AREA_ABRN
                       )",
                       {});
    return db::run(db::kMain,
                   R"(
                       select COD_AREA_ABRN, DES_AREA_ABRN, COD_DITR_SANI
                       from padrao.AreaAbrang
                       where fold(trim(SIT_REGT)) = 'a'
                         and COD_DITR_SANI = :distrito
                       order by COD_AREA_ABRN
                   )",
                   {{"distrito", district}});
}

QList<availability::SummaryLine> summaryLines(const QDate& monthStart) {
    const db::RowSet rows =
        db::run(db::kMain,
                R"(
                    select ut.Nome, md.Id_unidade_trabalho, md.Data_hora_disponibilidade, md.COD_AREA_ABRN,
                        aa.DES_AREA_ABRN, coalesce(sum(md.Qt_vaga_disponivel_geral),0) as geral,
                        coalesce(sum(md.Qt_vaga_disp_f_grande_porte),0) as femea,
                        coalesce(sum(md.Qt_vaga_usada_geral),0) as usada_geral,
                        coalesce(sum(md.Qt_vaga_usada_f_grande_porte),0) as usada_femea
                    from Mapa_disponibilidade_agenda md
                    left join Unidade_Trabalho ut on (ut.Id_Unidade_Trabalho = md.Id_unidade_trabalho)
                    left join padrao.AreaAbrang aa on (md.COD_AREA_ABRN = aa.COD_AREA_ABRN)
                    where md.Data_hora_disponibilidade >= :inicio
                      and md.Data_hora_disponibilidade < :fim
                    group by ut.Nome, md.Id_unidade_trabalho, md.Data_hora_disponibilidade, md.COD_AREA_ABRN,
                        aa.DES_AREA_ABRN
                    order by ut.Nome, md.Id_unidade_trabalho, md.Data_hora_disponibilidade, md.COD_AREA_ABRN
                )",
                {{"inicio", monthStart.startOfDay()}, {"fim", monthStart.addMonths(1).startOfDay()}});
    QList<availability::SummaryLine> out;
    for (int i = 0; i < rows.count(); ++i) {
        const auto& r = rows.row(i);
        out << availability::SummaryLine{db::toText(r[0]), db::toInt(r[1]), db::toDateTime(r[2]), r[3],
                                         db::toText(r[4]), db::toInt(r[5]), db::toInt(r[6]),      db::toInt(r[7]),
                                         db::toInt(r[8])};
    }
    return out;
}

db::RowSet cloneUnits() {
    return db::run(db::kMain,
                   R"(
                       select Id_Unidade_Trabalho, Nome
                       from Unidade_Trabalho
                       where fold(trim(Ind_Status)) = 'ativo'
                         and fold(trim(nome)) <> fold(:central)
                       order by Id_Unidade_Trabalho
                   )",
                   {{"central", QStringLiteral("NÍVEL CENTRAL")}});
}

QString provisionalSelect() {
    return QStringLiteral(
        " select * from Mapa_rascunho where fold(trim(Status_Registro)) <> 'inativo' order by Id_Mapa_rascunho");
}

QString provisionalNone() { return QStringLiteral(" select * from Mapa_rascunho  where 1=2 "); }

int countSameProvisional(const Slot& v, const QVariant& other) {
    QString sql = QStringLiteral("select count(*) as valor from Mapa_rascunho ") + kSameSlot +
                  QStringLiteral(" and fold(trim(Status_Registro)) <> 'inativo'");
    QVariantHash p = slotValues(v);
    if (!other.isNull()) {
        sql += QStringLiteral(" and id_Mapa_rascunho <> :exceto");
        p.insert(QStringLiteral("exceto"), other.toInt());
    }
    return intValue(sql, p);
}

void insertProvisional(int id, const Slot& v) {
    db::RowValues row = slotRow(tables::mapaRascunho(), id, v);
    row.insert("status_registro", QStringLiteral("ATIVO"));
    row.insert("qt_vaga_usada_geral", 0);
    row.insert("qt_vaga_usada_f_grande_porte", 0);
    db::insertRow(tables::mapaRascunho(), row, tables::byUser());
}

void updateProvisional(int id, const Slot& v, const db::RowValues& read) {
    db::updateRow({.table = tables::mapaRascunho(),
                   .key = id,
                   .columns = kEditedColumns,
                   .typed = slotRow(tables::mapaRascunho(), id, v),
                   .read = read,
                   .stamp = tables::byUser(),
                   .alsoCompared = {"Status_Registro"}});
}

namespace {

// A provisional slot made inactive, with the published slot it became when it did, while it holds every column
// as read.
void closeProvisional(int id, const db::RowValues& read, const QVariant& published = {}) {
    db::EditedRow row{.table = tables::mapaRascunho(),
                      .key = id,
                      .columns = {"Status_Registro"},
                      .typed = {{"status_registro", QStringLiteral("INATIVO")}},
                      .read = read,
                      .alsoCompared = tables::mapaRascunho().columns};
    if (published.isValid()) {
        row.columns << "ID_Mapa_disponibilidade_agenda";
        row.typed.insert("id_mapa_disponibilidade_agenda", published);
    }
    db::updateRow(row);
}

}  // namespace

void deactivateProvisional(int id, const db::RowValues& read) { closeProvisional(id, read); }

db::RowSet activeProvisionals() {
    return db::run(db::kMain,
                   "select * from Mapa_rascunho where fold(trim(Status_Registro)) = 'ativo' order by Id_Mapa_rascunho",
                   {});
}

void markTransferred(int provisionalId, int publishedId, const db::RowValues& read) {
    closeProvisional(provisionalId, read, publishedId);
}

db::Query provisionalReport() {
    db::Query q;
    q << R"(
        select mr.Id_unidade_trabalho, ut.Nome as unidade_trabalho, mr.Id_tipo_procedimento,
            tp.Nome as tipo_procedimento, Data_hora_disponibilidade, Qt_vaga_disponivel_geral,
            Qt_vaga_disp_f_grande_porte, mr.Id_Especie, ep.Nome as especie
    )"
      << " from Mapa_rascunho mr left join Unidade_Trabalho ut on (mr.id_unidade_trabalho = ut.Id_Unidade_Trabalho)"
      << " left join Tipo_Procedimento tp on (mr.id_tipo_procedimento = tp.Id_Tipo_Procedimento)"
      << " left join Especie ep on (mr.id_especie = ep.Id_Especie)"
      << " where fold(trim(Status_Registro)) = 'ativo' order by Data_hora_disponibilidade, mr.Id_Mapa_rascunho";
    return q;
}

}  // namespace mapasql
