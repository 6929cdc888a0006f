// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced search's list items, columns and data dictionary.

#include "registry/search/PesquisaAvancadoRules.h"

using dbase::dateField;
using dbase::integerField;
using dbase::textField;

bool listItemId(const QString& item, int* id) {
    bool number = false;
    *id = item.section(QLatin1Char('-'), 0, 0).trimmed().toInt(&number);
    return number;
}

QString districtItem(int id, const QString& name) { return QString::number(id) + " - " + name.mid(4, 20); }

const QList<AdvancedGridColumn>& advancedGridColumns() {
    static const QList<AdvancedGridColumn> columns{
        {"stRegist", "Situação registro.", 85},
        {"nome_especie", "Especie", 108},
        {"nome_raca", "Raça", 92},
        {"nome_animal", "Animal", 102},
        {"Id_Proprietario", "Cód. prop."},
        {"nome_Prop", "Proprietário", 147},
        {"desc_pelo", "Pelo", 109},
        {"Sexo", "Sexo"},
        {"Data_Nascimento", "Dt. nasc.", 68, true},
        {"Esterilizado", "Esterilizado"},
        {"desc_porte", "Porte", 87},
        {"Num_Microchip", "Microchip", 112},
        {"Cor", "Cor", 128},
        {"Sinais", "Sinais", 200},
        {"Num_Pedigree", "Pedigree", 150},
        {"Obs_animal", "Obs animal", 234},
        {"Ind_End_Animal_Prop", "End. mesmo prop.", 92},
        {"Telefone_Residencial", "Tel. residencial"},
        {"Telefone_Celular", "Tel. celular"},
        {"Telefone_Recado", "Tel. recado"},
        {"Tipo_Pessoa", "Tipo pessoa"},
        {"Num_CPF_CNPJ", "CPF / CNPJ"},
        {"Num_CI", "Identidade"},
        {"Dt_Entrada_Grupo", "Dt. entrada grupo"},
        {"COD_AREA_ABRN", "Área"},
        {"nom_locl", "Localidade", 183},
        {"nome_distrito", "Distrito de origem", 172},
        {"NUM_LOGR", "Núm. lograd."},
        {"TIP_LOGR", "Tipo lograd."},
        {"NOM_LOGR", "Logradouro", 231},
        {"NUM_IMOV_LOGR", "Núm. Imóvel"},
        {"DES_CMPL_ENDR", "Complemento", 230},
        {"NOM_BAIR", "Bairro", 184},
        {"NUM_CEP", "CEP"},
    };
    return columns;
}

const QList<dbase::Field>& advancedResultFields() {
    static const QList<dbase::Field> fields{
        textField("stRegist", 20),
        integerField("Id_Animal"),
        integerField("Id_Proprietario"),
        integerField("Id_Especie"),
        integerField("Id_Raca"),
        integerField("Id_Grupo_Animal"),
        textField("nome_animal", 100),
        integerField("Id_Pelo"),
        textField("Sexo", 1),
        dateField("Data_Nascimento"),
        textField("Esterilizado", 3),
        integerField("Id_Porte"),
        textField("Num_Microchip", 20),
        textField("Cor", 100),
        textField("Sinais", 250),
        textField("Num_Pedigree", 50),
        textField("Obs_animal", 250),
        textField("Ind_End_Animal_Prop", 1),
        integerField("Id_Proprietario"),
        textField("nome_Prop", 50),
        textField("Telefone_Residencial", 15),
        textField("Telefone_Celular", 15),
        textField("Telefone_Recado", 15),
        textField("Num_CPF_CNPJ", 15),
        textField("Tipo_Pessoa", 8),
        textField("Num_CI", 15),
        dateField("Dt_Entrada_Grupo"),
        integerField("id_especie"),
        textField("nome_especie", 100),
        integerField("id_raca"),
        textField("nome_raca", 60),
        integerField("id_pelo"),
        textField("desc_pelo", 250),
        integerField("id_porte"),
        textField("desc_porte", 250),
        integerField("Id_Endereco"),
        integerField("Id_Distrito"),
        integerField("COD_AREA_ABRN"),
        integerField("NUM_LOGR"),
        integerField("NUM_SEQU_LOGR"),
        textField("TIP_LOGR", 10),
        textField("NOM_LOGR", 80),
        integerField("NUM_IMOV_LOGR"),
        textField("DES_CMPL_ENDR", 80),
        integerField("NUM_BAIR"),
        textField("NOM_BAIR", 50),
        textField("NUM_CEP", 10),
        integerField("num_locl"),
        textField("nom_locl", 45),
        textField("nome_distrito", 50),
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
