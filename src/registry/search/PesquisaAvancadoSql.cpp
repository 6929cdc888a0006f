// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced search's statements and conditions.

#include "registry/search/PesquisaAvancadoSql.h"

#include "common/rules/Documents.h"
#include "common/schema/TextIndexes.h"

#include <algorithm>

using namespace registry;

namespace pesquisaavancadosql {

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
QStringList groupItems() {
    return items(db::kMain, QStringLiteral(" select id_grupo_Animal, nome from grupo_Animal "));
}
QStringList speciesItems() { return items(db::kMain, QStringLiteral(" select id_especie, nome from especie ")); }
QStringList breedItems() { return items(db::kMain, QStringLiteral(" select id_raca, nome from raca ")); }
QStringList sizeItems() { return items(db::kMain, QStringLiteral(" select id_porte,descricao from porte ")); }
QStringList coatItems() { return items(db::kMain, QStringLiteral(" select id_pelo,descricao from pelo ")); }

const QList<Criterion>& advancedCriteria() {
    static const QList<Criterion> criteria{
        {"cbbEsterilizado", "Esterilizado", "a.Esterilizado", Match::Equal},
        {"cbbDistrito", "Distrito", "j.Id_Distrito", Match::ListId},
        {"cbbArea", "Área", "j.COD_AREA_ABRN", Match::ListId},
        {"cbbBairro", "Bairro", "j.NUM_BAIR", Match::ListId},
        {"mkeLogradouro", "Logradouro", "j.NOM_LOGR", Match::Prefix},
        {"mkeNum_Imivel", "Nº imóvel", "j.NUM_IMOV_LOGR", Match::Number},
        {"mkeComplemento", "Complemento", "j.DES_CMPL_ENDR", Match::Contains},
        {"mkeCodAnimal", "Cód. animal", "a.Id_Animal", Match::Number},
        {"mkeNomeAnimal", "Nome do animal", "a.Nome", Match::Prefix},
        {"cbbGrupo", "Grupo", "a.Id_Grupo_Animal", Match::ListId},
        {"cbbEspecie", "Espécie", "a.Id_Especie", Match::ListId},
        {"cbbRaca", "Raça", "a.Id_Raca", Match::ListId},
        {"cbbPorte", "Porte", "a.Id_Porte", Match::ListId},
        {"cbbPelo", "Pelo", "a.Id_Pelo", Match::ListId},
        {"edtCor", "Cor", "a.Cor", Match::Prefix},
        {"cbbSexo", "Sexo", "a.Sexo", Match::Contains},
        {"mkePedigree", "Pedigree", "a.Num_Pedigree", Match::Equal},
        {"mkeMicrochip", "Microchip", "a.Num_Microchip", Match::Microchip},
        {"mkeSinais", "Sinais", "a.Sinais", Match::Contains},
        {"mkeCodProprietario", "Cód. proprietário", "b.Id_Proprietario", Match::Number},
        {"edtNome", "Nome do proprietário", "b.nome", Match::Prefix},
        {"cbbTipoPessoa", "Tipo pessoa", "b.Tipo_Pessoa", Match::Equal},
        {"mkeNumCPF_CNPJ", "CPF / CNPJ", "b.Num_CPF_CNPJ", Match::Document},
        {"mkeIdentidade", "Identidade", "b.Num_CI", Match::Equal},
    };
    return criteria;
}

SearchFilter searchFilter(const AdvancedCriteria& criteria) {
    SearchFilter f;
    f.lines << (criteria.inactiveOwners ? QStringLiteral(" where fold(trim(b.Status_Registro)) = 'inativo'")
                                        : QStringLiteral(" where fold(trim(b.Status_Registro)) = 'ativo'"));
    for (const Criterion& c : advancedCriteria()) {
        const QString text = criteria.texts.value(c.control);
        if (text.trimmed().isEmpty())
            continue;
        const QString param = QLatin1Char(':') + c.control;
        switch (c.match) {
        case Match::Equal: f.andFolded(db::foldedEqual(c.column, c.control, text)); break;
        case Match::Prefix: f.andFolded(db::foldedPattern(c.column, c.control, text, false)); break;
        case Match::Contains: f.andFolded(db::foldedPattern(c.column, c.control, text, true)); break;
        case Match::Microchip:
            f.andFolded(db::foldedPattern(QStringLiteral("replace(%1, ' ', '')").arg(c.column), c.control,
                                          QString(text).remove(QLatin1Char(' ')), true,
                                          textindex::microchip(QStringLiteral("a.Id_Animal"))));
            break;
        // "(column || '') >= ''" (true for every text, never for null, served by no index) lets the planners
        // start from the index of an outer-joined table.
        case Match::Document:
            f.lines
                << QStringLiteral(" and (%1 || '') >= '' and %2 = %3").arg(c.column, documentKeySql(c.column), param);
            f.params.insert(c.control, documentKey(text));
            break;
        case Match::Number:
        case Match::ListId: {
            int id = 0;
            bool number = false;
            if (c.match == Match::Number)
                id = text.trimmed().toInt(&number);
            else
                number = listItemId(text, &id);
            if (!number)
                throw InvalidCriterion(c.control, kValorInvalido.arg(c.caption));
            f.lines << QStringLiteral(" and %1 = %2").arg(c.column, param);
            f.params.insert(c.control, id);
            break;
        }
        }
    }
    const QString chip = criteria.texts.value(QStringLiteral("cbbComSemMicrochipe")).trimmed();
    if (chip == QLatin1String("NAO"))
        f.lines << QStringLiteral(" and ((a.num_microchip is null) or (trim(a.num_microchip) = ''))");
    else if (chip == QLatin1String("SIM"))
        f.lines << QStringLiteral(" and ((a.num_microchip is not null) and (trim(a.num_microchip) <> ''))");
    if (criteria.birthDate) {
        f.lines << QStringLiteral(" and a.Data_Nascimento >= :dataInicia and a.Data_Nascimento < :dataFim");
        f.params.insert(QStringLiteral("dataInicia"), criteria.bornFrom.startOfDay());
        f.params.insert(QStringLiteral("dataFim"), criteria.bornTo.addDays(1).startOfDay());
    }
    return f;
}

const QStringList& selectLines() {
    static const QStringList lines{
        " select b.Status_Registro  as stRegist, ",
        "  a.Id_Animal, a.Id_Proprietario, a.Id_Especie, a.Id_Raca, a.Id_Grupo_Animal, a.Nome as nome_animal, "
        "a.Id_Pelo, ",
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

QString sortExpression(const QString& field) {
    static const QHash<QString, QString> expressions{
        {"stRegist", "b.Status_Registro"},
        {"nome_especie", "e.nome"},
        {"nome_raca", "f.nome"},
        {"nome_animal", "a.Nome"},
        {"Id_Proprietario", "a.Id_Proprietario"},
        {"nome_Prop", "b.nome"},
        {"desc_pelo", "g.descricao"},
        {"Sexo", "a.Sexo"},
        {"Data_Nascimento", "a.Data_Nascimento"},
        {"Esterilizado", "a.Esterilizado"},
        {"desc_porte", "h.descricao"},
        {"Num_Microchip", "a.Num_Microchip"},
        {"Cor", "a.Cor"},
        {"Sinais", "a.Sinais"},
        {"Num_Pedigree", "a.Num_Pedigree"},
        {"Obs_animal", "a.OBS"},
        {"Ind_End_Animal_Prop", "a.Ind_End_Animal_Prop"},
        {"Telefone_Residencial", "b.Telefone_Residencial"},
        {"Telefone_Celular", "b.Telefone_Celular"},
        {"Telefone_Recado", "b.Telefone_Recado"},
        {"Tipo_Pessoa", "b.Tipo_Pessoa"},
        {"Num_CPF_CNPJ", "b.Num_CPF_CNPJ"},
        {"Num_CI", "b.Num_CI"},
        {"Dt_Entrada_Grupo", "d.Dt_Entrada_Grupo"},
        {"COD_AREA_ABRN", "j.COD_AREA_ABRN"},
        {"nom_locl", "j.nom_locl"},
        {"nome_distrito", "l.nome"},
        {"NUM_LOGR", "j.NUM_LOGR"},
        {"TIP_LOGR", "j.TIP_LOGR"},
        {"NOM_LOGR", "j.NOM_LOGR"},
        {"NUM_IMOV_LOGR", "j.NUM_IMOV_LOGR"},
        {"DES_CMPL_ENDR", "j.DES_CMPL_ENDR"},
        {"NOM_BAIR", "j.NOM_BAIR"},
        {"NUM_CEP", "j.NUM_CEP"},
    };
    return expressions.value(field);
}

int count(const SearchFilter& filter) {
    db::Query q;
    q << QStringLiteral(" select count(*) as valor from animal a ");
    const QStringList& select = selectLines();
    auto joins = std::find_if(select.begin(), select.end(),
                              [](const QString& line) { return line.startsWith(QLatin1String("left")); });
    for (; joins != select.end(); ++joins)
        q << *joins;
    for (const QString& line : filter.lines)
        q << line;
    q.bind(filter.params);
    q.open();
    return q.integer(QStringLiteral("valor"));
}

void open(db::DataSet& data, const SearchFilter& filter, const QString& sortField) {
    db::Query& q = data.query();
    q.clear();
    for (const QString& line : selectLines())
        q << line;
    for (const QString& line : filter.lines)
        q << line;
    const QString sorted = sortExpression(sortField);
    q << QStringLiteral(" order by ") + (sorted.isEmpty() ? QStringLiteral("a.Id_Proprietario, a.Id_Animal") : sorted);
    q.bind(filter.params);
    data.open();
}

}  // namespace pesquisaavancadosql
