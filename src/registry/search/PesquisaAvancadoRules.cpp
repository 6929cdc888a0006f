// The advanced search's criteria, columns and data dictionary.

#include "registry/search/PesquisaAvancadoRules.h"

#include "common/Documents.h"
#include "common/TextIndexes.h"
#include "platform/db/Database.h"

using namespace registry;

using dbase::dateField;
using dbase::integerField;
using dbase::textField;

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

bool listItemId(const QString& item, int* id) {
    bool number = false;
    *id = item.section(QLatin1Char('-'), 0, 0).trimmed().toInt(&number);
    return number;
}

QString districtItem(int id, const QString& name) { return QString::number(id) + " - " + name.mid(4, 20); }

SearchFilter searchFilter(const AdvancedCriteria& criteria) {
    SearchFilter f;
    f.lines << (criteria.inactiveOwners ? QStringLiteral(" where trim(b.Status_Registro) = 'INATIVO'")
                                        : QStringLiteral(" where trim(b.Status_Registro) = 'ATIVO'"));
    for (const Criterion& c : advancedCriteria()) {
        const QString text = criteria.texts.value(c.control);
        if (text.trimmed().isEmpty())
            continue;
        const QString param = QLatin1Char(':') + c.control;
        auto folded = [&](const QString& comparison, const QString& value) {
            f.lines << QStringLiteral(" and %1").arg(comparison.arg(c.column, param));
            f.params.insert(c.control, value);
            f.folds = true;
        };
        switch (c.match) {
        // "(column || '') >= ''" (true for every text, never for null, served by no index) lets the planners
        // start from the index of an outer-joined table.
        case Match::Equal:
            folded(QStringLiteral("(%1 || '') >= '' and fold(trim(%1)) = fold(%2)"), text.trimmed());
            break;
        case Match::Prefix: {
            const db::Condition condition = db::foldedPattern(c.column, c.control, text, false);
            f.lines << QStringLiteral(" and ") + condition.sql;
            f.params.insert(condition.values);
            f.folds = true;
            break;
        }
        case Match::Contains:
        case Match::Microchip: {
            const db::Condition condition =
                c.match == Match::Contains
                    ? db::foldedPattern(c.column, c.control, text, true)
                    : db::foldedPattern(QStringLiteral("replace(%1, ' ', '')").arg(c.column), c.control,
                                        QString(text).remove(QLatin1Char(' ')), true,
                                        textindex::microchip(QStringLiteral("a.Id_Animal")));
            f.lines << QStringLiteral(" and ") + condition.sql;
            f.params.insert(condition.values);
            f.folds = true;
            break;
        }
        case Match::Document:
            f.lines << QStringLiteral(" and (%1 || '') >= '' and "
                                      "replace(replace(replace(replace(%1, '.', ''), '-', ''), '/', ''), ' ', '') = %2")
                           .arg(c.column, param);
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

const QList<AdvancedGridColumn>& advancedGridColumns() {
    static const QList<AdvancedGridColumn> columns{
        {"stRegist", "Situação registro.", 85, "b.Status_Registro"},
        {"nome_especie", "Especie", 108, "e.nome"},
        {"nome_raca", "Raça", 92, "f.nome"},
        {"nome_animal", "Animal", 102, "a.Nome"},
        {"Id_Proprietario", "Cód. prop.", 64, "a.Id_Proprietario"},
        {"nome_Prop", "Proprietário", 147, "b.nome"},
        {"desc_pelo", "Pelo", 109, "g.descricao"},
        {"Sexo", "Sexo", 64, "a.Sexo"},
        {"Data_Nascimento", "Dt. nasc.", 68, "a.Data_Nascimento", true},
        {"Esterilizado", "Esterilizado", 64, "a.Esterilizado"},
        {"desc_porte", "Porte", 87, "h.descricao"},
        {"Num_Microchip", "Microchip", 112, "a.Num_Microchip"},
        {"Cor", "Cor", 128, "a.Cor"},
        {"Sinais", "Sinais", 200, "a.Sinais"},
        {"Num_Pedigree", "Pedigree", 150, "a.Num_Pedigree"},
        {"Obs_animal", "Obs animal", 234, "a.OBS"},
        {"Ind_End_Animal_Prop", "End. mesmo prop.", 92, "a.Ind_End_Animal_Prop"},
        {"Telefone_Residencial", "Tel. residencial", 64, "b.Telefone_Residencial"},
        {"Telefone_Celular", "Tel. celular", 64, "b.Telefone_Celular"},
        {"Telefone_Recado", "Tel. recado", 64, "b.Telefone_Recado"},
        {"Tipo_Pessoa", "Tipo pessoa", 64, "b.Tipo_Pessoa"},
        {"Num_CPF_CNPJ", "CPF / CNPJ", 64, "b.Num_CPF_CNPJ"},
        {"Num_CI", "Identidade", 64, "b.Num_CI"},
        {"Dt_Entrada_Grupo", "Dt. entrada grupo", 64, "d.Dt_Entrada_Grupo"},
        {"COD_AREA_ABRN", "Área", 64, "j.COD_AREA_ABRN"},
        {"nom_locl", "Localidade", 183, "j.nom_locl"},
        {"nome_distrito", "Distrito de origem", 172, "l.nome"},
        {"NUM_LOGR", "Núm. lograd.", 64, "j.NUM_LOGR"},
        {"TIP_LOGR", "Tipo lograd.", 64, "j.TIP_LOGR"},
        {"NOM_LOGR", "Logradouro", 231, "j.NOM_LOGR"},
        {"NUM_IMOV_LOGR", "Núm. Imóvel", 64, "j.NUM_IMOV_LOGR"},
        {"DES_CMPL_ENDR", "Complemento", 230, "j.DES_CMPL_ENDR"},
        {"NOM_BAIR", "Bairro", 184, "j.NOM_BAIR"},
        {"NUM_CEP", "CEP", 64, "j.NUM_CEP"},
    };
    return columns;
}

const QList<dbase::Field>& advancedResultFields() {
    static const QList<dbase::Field> fields{
        textField("stRegist", 20),        integerField("Id_Animal"),         integerField("Id_Proprietario"),
        integerField("Id_Especie"),       integerField("Id_Raca"),           integerField("Id_Grupo_Animal"),
        textField("nome_animal", 100),    integerField("Id_Pelo"),           textField("Sexo", 1),
        dateField("Data_Nascimento"),     textField("Esterilizado", 3),      integerField("Id_Porte"),
        textField("Num_Microchip", 20),   textField("Cor", 100),             textField("Sinais", 250),
        textField("Num_Pedigree", 50),    textField("Obs_animal", 250),      textField("Ind_End_Animal_Prop", 1),
        integerField("Id_Proprietario"),  textField("nome_Prop", 50),        textField("Telefone_Residencial", 15),
        textField("Telefone_Celular", 15), textField("Telefone_Recado", 15), textField("Num_CPF_CNPJ", 15),
        textField("Tipo_Pessoa", 8),      textField("Num_CI", 15),           dateField("Dt_Entrada_Grupo"),
        integerField("id_especie"),       textField("nome_especie", 100),    integerField("id_raca"),
        textField("nome_raca", 60),       integerField("id_pelo"),           textField("desc_pelo", 250),
        integerField("id_porte"),         textField("desc_porte", 250),      integerField("Id_Endereco"),
        integerField("Id_Distrito"),      integerField("COD_AREA_ABRN"),     integerField("NUM_LOGR"),
        integerField("NUM_SEQU_LOGR"),    textField("TIP_LOGR", 10),         textField("NOM_LOGR", 80),
        integerField("NUM_IMOV_LOGR"),    textField("DES_CMPL_ENDR", 80),    integerField("NUM_BAIR"),
        textField("NOM_BAIR", 50),        textField("NUM_CEP", 10),          integerField("num_locl"),
        textField("nom_locl", 45),        textField("nome_distrito", 50),
    };
    return fields;
}

QStringList advancedDictionary() {
    return {
        "----------------- Dicionário de dados---------------",
        "stRegist: Status do registro no banco de dados. Pode ser ATIVO ou INATIVO. ",
        "Id_Animal: Código identificador do animal.",
        "IdProp: Identificador do proprietário, serve como chave primário para identificar o proprietário de forma "
        "única.",
        "IdEspecie: Identificador da espécie, um número único para cada registro.",
        "IdRaca: Número identificador da raça do animal.",
        "IdGrupoAni:  Número identificador do grupo atual do animal.",
        "NomeAnimal: Nome do animal.",
        "IdPelo:  Número identificador do pelo do animal.",
        "Sexo: Sexo do animal.",
        "DataNasc: Data de nascimento do animal.",
        "Esteril: Informação se o animal é esterilizado ou não.",
        "IdPorte: Número identificador do porte do animal.",
        "Microchip: Número do microchip do animal.",
        "Cor: Cor do animal.",
        "Sinais: Sinais, características do animal.",
        "Pedigree: Número do pedigree do animal.",
        "ObsAni: Observação atribuída ao animal.",
        "IndEnd: Informação se o endereço do tutor é o mesmo do animal.",
        "NomeProp: Nome completo do tutor do animal.",
        "TelRes: Número do telefone residencial do tutor.",
        "TelCel: Número do telefone celular do tutor.",
        "TelRec: Número do telefone de recado do tutor.",
        "CpfCnpj: Número de identificação da pessoa física ou jurídica.",
        "TpPessoa: Identifica se o proprietário é pessoa física ou jurídica.",
        "Num_CI: Número da carteira de identidade.",
        "DtEntGrup: Data de entrada no de animal.",
        "Especie: Espécie do animal.",
        "Raca: Raça do animal.",
        "Pelo: Tamanho do pelo do animal.",
        "Porte: Porte do animal.",
        "IdEnd: Número identificador do endereço do tutor.",
        "IdDist: Número identificador do distrito do tutor.",
        "AreaAbran: Código da área de abrangência.",
        "NumLograd: Código do logradouro do proprietário.",
        "SeqLograd: Código de identificação da sequência de nomes do logradouro.",
        "TipoLograd: Tipo de logradouro do proprietário.",
        "NomLograd: Descrição do logradouro no proprietário.",
        "NumImov: Número do imóvel.",
        "Complem: Complemento do endereço do proprietário.",
        "NUM_BAIR: Código de identificação do bairro do tutor.",
        "NOM_BAIR: Descrição ou nome do bairro do tutor.",
        "NUM_CEP: número do CEP do proprietário.",
        "num_locl: Código da localidade do tutor.",
        "nom_locl: Descrição ou nome da localidade do tutor.",
        "Distrito: Distrito do tutor.",
    };
}
