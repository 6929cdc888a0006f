// Statements of the availability map, every value bound.

#include "availability/MapaSql.h"

#include "common/Session.h"
#include "platform/db/EditedRow.h"
#include "platform/db/Keys.h"

namespace mapa {

namespace {

QVariant semValor() { return QVariant(QMetaType(QMetaType::Int)); }

QVariant chaveOuNada(const QVariant& area) { return area.isNull() ? semValor() : QVariant(area.toInt()); }

// The values that every slot statement binds.
QVariantHash valores(const Vaga& v) {
    return {{"unidade", v.unidade},       {"procedimento", v.procedimento}, {"especie", v.especie},
            {"pdatahora", v.dataHora},    {"geral", v.geral},               {"femea", v.femea},
            {"usadageral", v.usadaGeral}, {"usadafemea", v.usadaFemea},     {"area", chaveOuNada(v.area)},
            {"usuario", auditUser().isNull() ? semValor() : auditUser()},   {"agora", db::serverTime()},
            {"autor", v.autor.isNull() ? (auditUser().isNull() ? semValor() : auditUser()) : v.autor}};
}

// The four values that make two slots the same, in a where clause.
const QString kMesmaVaga = QStringLiteral(
    " where Id_unidade_trabalho = :unidade and Id_especie = :especie and Data_hora_disponibilidade = :pdataHora "
    " and id_Tipo_Procedimento = :procedimento");

}  // namespace

int valorInteiro(const QString& sql, const QVariantHash& params) {
    const db::RowSet rows = db::run(db::kMain, sql, params);
    return rows.count() ? db::toInt(rows.row(0)[0]) : 0;
}

int proximaChave(const QString& tabela, const QString& chave) { return db::nextKey(tabela, chave); }

db::RowSet unidadesAtivas() {
    return db::run(db::kMain,
                   "select Id_Unidade_Trabalho, Nome as nome, descricao from Unidade_Trabalho where Ind_Status = 'ATIVO'"
                   " order by nome", {});
}

db::RowSet procedimentosCirurgia() {
    return db::run(db::kMain,
                   "select Id_Tipo_Procedimento, Nome as nome, descricao from Tipo_Procedimento"
                   " where Ind_Status = 'ATIVO' and Id_Tipo_Procedimento = 12", {});
}

db::RowSet especies(bool soAtivas) {
    if (soAtivas)
        return db::run(db::kMain, "select Id_Especie, Nome as nome, Descricao from Especie where Ind_Status = 'ATIVO'", {});
    return db::run(db::kMain, "select Id_Especie, Nome as nome, Descricao from especie", {});
}

namespace {

QHash<int, QString> nomes(const QString& tabela, const QString& chave) {
    QHash<int, QString> out;
    const db::RowSet rows = db::run(db::kMain, QStringLiteral("select %1, nome from %2").arg(chave, tabela), {});
    for (int i = 0; i < rows.count(); ++i)
        out.insert(db::toInt(rows.row(i)[0]), db::toText(rows.row(i)[1]).toUpper());
    return out;
}

}  // namespace

NomesMapa leNomes() {
    return NomesMapa{nomes(QStringLiteral("unidade_trabalho"), QStringLiteral("id_unidade_trabalho")),
                     nomes(QStringLiteral("tipo_procedimento"), QStringLiteral("id_tipo_procedimento")),
                     nomes(QStringLiteral("especie"), QStringLiteral("id_especie")),
                     nomes(QStringLiteral("usuario"), QStringLiteral("id_usuario"))};
}

void abreDia(db::DataSet& dados, const QDate& dia) {
    dados.close();
    db::Query& q = dados.query();
    q.clear();
    q << QStringLiteral(" select * from  Mapa_disponibilidade_agenda where 1=1")
      << QStringLiteral(" and Data_hora_disponibilidade >= :dia and Data_hora_disponibilidade < :proximoDia")
      << QStringLiteral(" order by Data_hora_disponibilidade, Id_Mapa_disponibilidade_agenda");
    q.bind(QStringLiteral("dia"), dia.startOfDay()).bind(QStringLiteral("proximoDia"), dia.addDays(1).startOfDay());
    dados.open();
}

int contaIguais(const Vaga& v, const QVariant& exceto) {
    QString sql = QStringLiteral("select count(*) as valor from Mapa_disponibilidade_agenda ") + kMesmaVaga;
    QVariantHash p = valores(v);
    if (!exceto.isNull()) {
        sql += QStringLiteral(" and id_Mapa_disponibilidade_agenda <> :exceto");
        p.insert(QStringLiteral("exceto"), exceto.toInt());
    }
    return valorInteiro(sql, p);
}

void insereVaga(int id, const Vaga& v) {
    QVariantHash p = valores(v);
    p.insert(QStringLiteral("id"), id);
    db::run(db::kMain,
            "insert into Mapa_disponibilidade_agenda (Id_Mapa_disponibilidade_agenda,Id_unidade_trabalho,"
            "Id_tipo_procedimento, Data_hora_disponibilidade,Qt_vaga_disponivel_geral,Qt_vaga_disp_f_grande_porte,"
            "Qt_vaga_usada_geral,Qt_vaga_usada_f_grande_porte, Inserido_por,Inserido_em,Id_especie,COD_AREA_ABRN)"
            " values (:id, :unidade, :procedimento, :pdataHora, :geral, :femea, :usadaGeral, :usadaFemea,"
            " :autor, :agora, :especie, :area)",
            p);
}

bool alteraVaga(int id, const Vaga& v) {
    QVariantHash p = valores(v);
    p.insert(QStringLiteral("id"), id);
    int affected = 0;
    db::run(db::kMain,
            "update Mapa_disponibilidade_agenda set Id_unidade_trabalho = :unidade, Id_tipo_procedimento = :procedimento,"
            " Data_hora_disponibilidade = :pdataHora, Qt_vaga_disponivel_geral = :geral,"
            " Qt_vaga_disp_f_grande_porte = :femea, Modificado_por = :usuario, Modificado_em = :agora,"
            " Id_especie = :especie\n"
            "where id_Mapa_disponibilidade_agenda = :id"
            " and coalesce(Qt_vaga_usada_geral,0) <= :geral and coalesce(Qt_vaga_usada_f_grande_porte,0) <= :femea"
            " and ((coalesce(Qt_vaga_usada_geral,0) = 0 and coalesce(Qt_vaga_usada_f_grande_porte,0) = 0)"
            "  or (Id_unidade_trabalho = :unidade and Id_tipo_procedimento = :procedimento"
            "      and Id_especie = :especie and Data_hora_disponibilidade = :pdataHora))",
            p, &affected);
    return affected > 0;
}

bool excluiVaga(int id) {
    int affected = 0;
    db::run(db::kMain,
            "delete from Mapa_disponibilidade_agenda where id_Mapa_disponibilidade_agenda = :id"
            " and coalesce(Qt_vaga_usada_geral,0) = 0 and coalesce(Qt_vaga_usada_f_grande_porte,0) = 0",
            {{"id", id}}, &affected);
    return affected > 0;
}

Usadas leVaga(int id) {
    const db::RowSet rows = db::run(db::kMain,
                                    "select * from Mapa_disponibilidade_agenda where Id_Mapa_disponibilidade_agenda = :id",
                                    {{"id", id}});
    Usadas u;
    if (!rows.count())
        return u;
    const auto f = [&](const char* name) { return rows.row(0)[rows.indexOrThrow(QString::fromLatin1(name))]; };
    u.existe = true;
    u.geral = db::toInt(f("Qt_vaga_usada_geral"));
    u.femea = db::toInt(f("Qt_vaga_usada_f_grande_porte"));
    u.vaga = Vaga{db::toInt(f("Id_unidade_trabalho")), db::toInt(f("Id_tipo_procedimento")), db::toInt(f("Id_Especie")),
                  db::toDateTime(f("Data_hora_disponibilidade")), db::toInt(f("Qt_vaga_disponivel_geral")),
                  db::toInt(f("Qt_vaga_disp_f_grande_porte")), u.geral, u.femea, f("COD_AREA_ABRN"), {}};
    return u;
}

db::RowSet areas(int distrito) {
    if (distrito == 0)
        return db::run(db::kMain,
                       "select COD_AREA_ABRN, DES_AREA_ABRN, COD_DITR_SANI from padrao.AreaAbrang where SIT_REGT = 'A'"
                       " order by COD_DITR_SANI, COD_AREA_ABRN", {});
    return db::run(db::kMain,
                   "select COD_AREA_ABRN, DES_AREA_ABRN, COD_DITR_SANI from padrao.AreaAbrang where SIT_REGT = 'A'"
                   " and COD_DITR_SANI = :distrito order by COD_AREA_ABRN",
                   {{"distrito", distrito}});
}

QList<LinhaResumo> linhasResumo(const QDate& inicio) {
    const db::RowSet rows = db::run(
        db::kMain,
        " select ut.Nome, md.Id_unidade_trabalho, md.Data_hora_disponibilidade, md.COD_AREA_ABRN, aa.DES_AREA_ABRN,"
        " coalesce(sum(md.Qt_vaga_disponivel_geral),0) as geral, coalesce(sum(md.Qt_vaga_disp_f_grande_porte),0) as femea,"
        " coalesce(sum(md.Qt_vaga_usada_geral),0) as usada_geral,"
        " coalesce(sum(md.Qt_vaga_usada_f_grande_porte),0) as usada_femea"
        " from Mapa_disponibilidade_agenda md"
        " left join Unidade_Trabalho ut on (ut.Id_Unidade_Trabalho = md.Id_unidade_trabalho)"
        " left join padrao.AreaAbrang aa on (md.COD_AREA_ABRN = aa.COD_AREA_ABRN)"
        " where md.Data_hora_disponibilidade >= :inicio and md.Data_hora_disponibilidade < :fim"
        " group by ut.Nome, md.Id_unidade_trabalho, md.Data_hora_disponibilidade, md.COD_AREA_ABRN, aa.DES_AREA_ABRN"
        " order by ut.Nome, md.Id_unidade_trabalho, md.Data_hora_disponibilidade, md.COD_AREA_ABRN",
        {{"inicio", inicio.startOfDay()}, {"fim", inicio.addMonths(1).startOfDay()}});
    QList<LinhaResumo> out;
    for (int i = 0; i < rows.count(); ++i) {
        const auto& r = rows.row(i);
        out << LinhaResumo{db::toText(r[0]), db::toInt(r[1]), db::toDateTime(r[2]), r[3], db::toText(r[4]),
                           db::toInt(r[5]), db::toInt(r[6]), db::toInt(r[7]), db::toInt(r[8])};
    }
    return out;
}

db::RowSet unidadesClone() {
    return db::run(db::kMain,
                   " select Id_Unidade_Trabalho, Nome from Unidade_Trabalho where Ind_Status = 'ATIVO'"
                   " and nome <> :central order by Id_Unidade_Trabalho",
                   {{"central", QStringLiteral("NÍVEL CENTRAL")}});
}

int contaIguaisRascunho(const Vaga& v, const QVariant& exceto) {
    QString sql = QStringLiteral("select count(*) as valor from Mapa_rascunho ") + kMesmaVaga +
                  QStringLiteral(" and Status_Registro <> 'INATIVO'");
    QVariantHash p = valores(v);
    if (!exceto.isNull()) {
        sql += QStringLiteral(" and id_Mapa_rascunho <> :exceto");
        p.insert(QStringLiteral("exceto"), exceto.toInt());
    }
    return valorInteiro(sql, p);
}

void insereRascunho(int id, const Vaga& v) {
    QVariantHash p = valores(v);
    p.insert(QStringLiteral("id"), id);
    db::run(db::kMain,
            " insert into Mapa_rascunho (Id_Mapa_rascunho, Id_unidade_trabalho, Id_tipo_procedimento,"
            " Data_hora_disponibilidade, Qt_vaga_disponivel_geral, Qt_vaga_disp_f_grande_porte, Inserido_por,"
            " Id_Especie, Status_Registro, inserido_em, Qt_vaga_usada_geral, Qt_vaga_usada_f_grande_porte)"
            " values (:id, :unidade, :procedimento, :pdataHora, :geral, :femea, :usuario, :especie, 'ATIVO',"
            " :agora, 0, 0)",
            p);
}

const QStringList kColunasRascunho{"Id_unidade_trabalho", "Id_tipo_procedimento", "Data_hora_disponibilidade",
                                   "Qt_vaga_disponivel_geral", "Qt_vaga_disp_f_grande_porte", "Id_Especie",
                                   "Status_Registro"};

void alteraRascunho(int id, const Vaga& v, const db::RowValues& lida) {
    QVariantHash p = valores(v);
    p.insert(QStringLiteral("id"), id);
    db::runGuarded(" update Mapa_rascunho set Id_unidade_trabalho = :unidade, Id_tipo_procedimento = :procedimento,"
                   " Data_hora_disponibilidade = :pdataHora, Qt_vaga_disponivel_geral = :geral,"
                   " Qt_vaga_disp_f_grande_porte = :femea, Id_Especie = :especie, modificado_por = :usuario,"
                   " modificado_em = :agora where id_mapa_rascunho = :id",
                   p, lida, kColunasRascunho);
}

void inativaRascunho(int id, const db::RowValues& lida) {
    db::runGuarded(" update Mapa_rascunho set Status_Registro = 'INATIVO' where id_mapa_rascunho = :id", {{"id", id}},
                   lida, kColunasRascunho);
}

db::RowSet rascunhosAtivos() {
    return db::run(db::kMain, "select * from Mapa_rascunho where Status_Registro = 'ATIVO' order by Id_Mapa_rascunho", {});
}

void marcaTransferido(int idRascunho, int idPublicado) {
    db::run(db::kMain,
            " update Mapa_rascunho set status_registro = 'INATIVO', ID_Mapa_disponibilidade_agenda = :publicado"
            " where id_mapa_rascunho = :id",
            {{"publicado", idPublicado}, {"id", idRascunho}});
}

db::Query relatorioRascunho() {
    db::Query q;
    q << " select mr.Id_unidade_trabalho, ut.Nome as unidade_trabalho, mr.Id_tipo_procedimento,"
         " tp.Nome as tipo_procedimento, Data_hora_disponibilidade, Qt_vaga_disponivel_geral,"
         " Qt_vaga_disp_f_grande_porte, mr.Id_Especie, ep.Nome as especie"
      << " from Mapa_rascunho mr left join Unidade_Trabalho ut on (mr.id_unidade_trabalho = ut.Id_Unidade_Trabalho)"
      << " left join Tipo_Procedimento tp on (mr.id_tipo_procedimento = tp.Id_Tipo_Procedimento)"
      << " left join Especie ep on (mr.id_especie = ep.Id_Especie)"
      << " where Status_Registro = 'ATIVO' order by Data_hora_disponibilidade, mr.Id_Mapa_rascunho";
    return q;
}

}  // namespace mapa
