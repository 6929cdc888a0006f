// The advanced search's statements.

#include "registry/search/PesquisaAvancadoSql.h"

namespace PesquisaAvancadoSql {

namespace {

QStringList items(const QString& connection, const QString& sql) {
    const db::RowSet rows = db::run(connection, sql, {});
    QStringList list;
    for (int i = 0; i < rows.count(); ++i)
        list << db::toText(rows.row(i)[0]).trimmed() + QStringLiteral(" - ") + db::toText(rows.row(i)[1]);
    return list;
}

}  // namespace

QStringList districtItems() {
    const db::RowSet rows = db::run(db::kMain, QStringLiteral(" select id_distrito, nome from distrito "), {});
    QStringList list;
    for (int i = 0; i < rows.count(); ++i)
        list << districtItem(db::toInt(rows.row(i)[0]), db::toText(rows.row(i)[1]));
    return list;
}

QStringList areaItems() {
    return items(db::kPadrao, QStringLiteral(" select cod_area_abrn, des_area_abrn from areaAbrang "));
}
QStringList neighbourhoodItems() {
    return items(db::kPadrao, QStringLiteral(" select num_bair, nom_bair from bairro "));
}
QStringList groupItems() { return items(db::kMain, QStringLiteral(" select id_grupo_Animal, nome from grupo_Animal ")); }
QStringList speciesItems() { return items(db::kMain, QStringLiteral(" select id_especie, nome from especie ")); }
QStringList breedItems() { return items(db::kMain, QStringLiteral(" select id_raca, nome from raca ")); }
QStringList sizeItems() { return items(db::kMain, QStringLiteral(" select id_porte,descricao from porte ")); }
QStringList coatItems() { return items(db::kMain, QStringLiteral(" select id_pelo,descricao from pelo ")); }

const QStringList& selectLines() {
    static const QStringList lines{
        " select b.Status_Registro  as stRegist, ",
        "  a.Id_Animal, a.Id_Proprietario, a.Id_Especie, a.Id_Raca, a.Id_Grupo_Animal, a.Nome as nome_animal, a.Id_Pelo, ",
        "  a.Sexo, a.Data_Nascimento, a.Esterilizado, a.Id_Porte, a.Num_Microchip, a.Cor, a.Sinais, ",
        "  a.Num_Pedigree, a.OBS as Obs_animal, a.Ind_End_Animal_Prop, ",
        "  b.Id_Proprietario,b.nome as nome_Prop,  b.Telefone_Residencial, b.Telefone_Celular, b.Telefone_Recado, ",
        "  b.Num_CPF_CNPJ, b.Tipo_Pessoa, b.Num_CI, ",
        "  d.Dt_Entrada_Grupo, ",
        "  e.id_especie, e.nome as nome_especie, ",
        "  f.id_raca, f.nome as nome_raca, ",
        "  g.id_pelo, g.descricao as desc_pelo, ",
        "  h.id_porte, h.descricao as desc_porte, ",
        "  j.Id_Endereco, j.Id_Distrito, j.COD_AREA_ABRN, j.NUM_LOGR,j.NUM_SEQU_LOGR, j.TIP_LOGR, j.NOM_LOGR, ",
        "  j.NUM_IMOV_LOGR, j.DES_CMPL_ENDR, j.NUM_BAIR, j.NOM_BAIR, j.NUM_CEP, j.num_locl, j.nom_locl,",
        "  l.nome as nome_distrito ",
        "  from animal a ",
        "left outer join proprietario b on (a.id_proprietario = b.id_proprietario) ",
        "left outer join grupo_animal_animal d on (a.Id_animal = d.id_animal ",
        "                 and d.Id_Grupo_Animal_Animal =(select max(y.Id_Grupo_Animal_Animal) ",
        "                 from Grupo_Animal_Animal y where a.Id_animal = y.id_animal)) ",
        "left outer join  especie e on (a.Id_especie = e.id_especie) ",
        "left outer join  raca f on (a.Id_raca = f.id_raca) ",
        "left outer join  pelo g on (a.Id_pelo = g.id_pelo) ",
        "left outer join  porte h on (a.Id_porte = h.id_porte) ",
        "left outer join  endereco_animal i on (a.Id_animal = i.id_animal ",
        "                 and i.id_endereco = (select max(z.id_endereco) ",
        "                 from endereco_animal z where a.Id_animal = z.id_animal)) ",
        "left outer join  endereco j on (i.Id_endereco = j.id_endereco ) ",
        "left outer join  distrito l on (j.Id_distrito = l.Id_distrito ) ",
    };
    return lines;
}

void open(db::DataSet& data, const SearchFilter& filter, const QString& orderBy) {
    db::Query& q = data.query();
    q.clear();
    for (const QString& line : selectLines())
        q << line;
    for (const QString& line : filter.lines)
        q << line;
    q << QStringLiteral(" order by ") + orderBy;
    for (auto it = filter.params.begin(); it != filter.params.end(); ++it)
        q.bind(it.key(), it.value());
    data.open();
}

}  // namespace PesquisaAvancadoSql
