// SPDX-License-Identifier: GPL-3.0-or-later
// The exports' column lists, periods, data dictionary and limit.

#include "exports/ExportsRules.h"

using dbase::dateField;
using dbase::integerField;
using dbase::numberField;
using dbase::textField;

const QList<AnimalColumn>& animalColumns() {
    static const QList<AnimalColumn> columns{
        {"id_Proprietario", "Código do Proprietário.", "a.id_Proprietario", integerField("id_Proprietario")},
        {"Nome_Proprietario", "Nome do proprietário.", "b.nome as nome_Prop", textField("nome_Prop", 50)},
        {"Telefone_Residencial", "Número do telefone residencial.", "b.Telefone_Residencial",
         textField("Telefone_Residencial", 15)},
        {"Telefone_Celular", "Número do telefone celular.", "b.Telefone_Celular", textField("Telefone_Celular", 15)},
        {"Telefone_Recado", "Número do  telefone para recado.", "b.Telefone_Recado", textField("Telefone_Recado", 15)},
        {"Num_CPF_CNPJ", "Número do CPF ou CNPJ.", "b.Num_CPF_CNPJ", textField("Num_CPF_CNPJ", 15)},
        {"Tipo_Pessoa", "Tipo de pessoa, física ou jurídica.", "b.Tipo_Pessoa", textField("Tipo_Pessoa", 8)},
        {"Num_CI", "Número da carteira de identidade.", "b.Num_CI", textField("Num_CI", 15)},
        {"End_X", "Coordenada X.", "h.End_X", numberField("End_X")},
        {"End_Y", "Coordenada Y.", "h.End_Y", numberField("End_Y")},
        {"NUM_LOGR", "Código do logradouro.", "h.NUM_LOGR", integerField("NUM_LOGR")},
        {"NUM_SEQU_LOGR", "Seqüência do logradouro.", "h.NUM_SEQU_LOGR", integerField("NUM_SEQU_LOGR")},
        {"TIP_LOGR", "Tipo do logradouro.", "h.TIP_LOGR", textField("TIP_LOGR", 10)},
        {"NOM_LOGR", "Descrição do logradouro.", "h.NOM_LOGR", textField("NOM_LOGR", 80)},
        {"NUM_IMOV_LOGR", "Número do imóvel.", "h.NUM_IMOV_LOGR", integerField("NUM_IMOV_LOGR")},
        {"DES_CMPL_ENDR", "Complemento do imóvel.", "h.DES_CMPL_ENDR", textField("DES_CMPL_ENDR", 80)},
        {"NUM_BAIR", "Código do bairro.", "h.NUM_BAIR", integerField("NUM_BAIR")},
        {"NOM_BAIR", "Descrição do bairro. ", "h.NOM_BAIR", textField("NOM_BAIR", 50)},
        {"NUM_CEP", "Número do CEP.", "h.NUM_CEP", textField("NUM_CEP", 10)},
        {"Id_Animal", "Código do animal.", "a.Id_Animal", integerField("Id_Animal")},
        {"Id_Especie", "Código da espécie. ", "a.Id_Especie", integerField("Id_Especie")},
        {"Espécie", "Espécie", "c.nome as nome_especie", textField("nome_especie", 100)},
        {"Id_Raca", "Código da  raça.", "a.Id_Raca", integerField("Id_Raca")},
        {"Raca", "Raça", "d.nome as nome_raca", textField("nome_raca", 60)},
        {"Id_Grupo_Animais", "Código da categoria.", "i.id_grupo_animal", integerField("id_grupo_animal")},
        {"Grupo_Animal", "Grupo do animal.", "j.nome", textField("nome", 100)},
        {"Nome_Animal", "Nome do animal.", "a.Nome as nome_animal", textField("nome_animal", 100)},
        {"Id_Pelo", "Código do tipo do pelo do animal.", "a.Id_Pelo", integerField("Id_Pelo")},
        {"Pelo", "Pelo", "e.descricao as desc_pelo", textField("desc_pelo", 50)},
        {"Sexo", "Sexo do animal, F para feminino ou M para masculino.", "a.Sexo", textField("Sexo", 1)},
        {"Data_Nascimento", "Data de nascimento do animal.", "a.Data_Nascimento", dateField("Data_Nascimento")},
        {"Esterilizado",
         "Informação que indica se o animal foi esterilizado ou não, SIM para esterilizado ou NAO para não "
         "esterilizado.",
         "a.Esterilizado", textField("Esterilizado", 10)},
        {"Id_Porte", "Código do porte do animal.", "a.Id_Porte", integerField("Id_Porte")},
        {"Porte", "Porte do animal", "f.descricao as nome_porte", textField("nome_porte", 50)},
        {"Num_Microchip", "Número do microchip.", "a.Num_Microchip", textField("Num_Microchip", 20)},
        {"Cor", "Descrição da cor do animal.", "a.Cor", textField("Cor", 100)},
        {"Sinais", "Características fisicas que podem ajudar a identificar o animal.", "a.Sinais",
         textField("Sinais", 250)},
        {"Num_Pedigree", "Número do pedigree do animal.", "a.Num_Pedigree", textField("Num_Pedigree", 50)},
        {"OBS", "Observação atribuída ao animal.", "a.OBS as Obs_animal", textField("Obs_animal", 250)},
    };
    return columns;
}

QString animalSelectList(const QList<int>& ticked) {
    QStringList items;
    for (int row : ticked)
        items << animalColumns().value(row).select;
    return items.join(QStringLiteral(", "));
}

QList<dbase::Field> animalFields(const QList<int>& ticked) {
    QList<dbase::Field> fields;
    for (int row : ticked)
        fields << animalColumns().value(row).field;
    return fields;
}

Period wholeDays(const QDate& start, const QDate& end) { return {start.startOfDay(), end.addDays(1).startOfDay()}; }

const QList<StagingColumn>& stagingColumns() {
    static const QList<StagingColumn> columns{
        {integerField("id_prop"), "Identificador do proprietário"},
        {textField("tp_pes", 30), "Tp pessoa"},
        {textField("CPF_CNPJ", 15), "Nº CPF/CNPJ"},
        {textField("RG", 15), "Nº RG"},
        {textField("prop", 150), "Nome proprietário"},
        {textField("P_dist", 50), "Dist. prop."},
        {integerField("P_CDArea"), "cód. área"},
        {textField("P_DSArea", 80), "Desc. área"},
        {textField("P_DSBair", 80), "Bairro"},
        {textField("P_CEP", 10), "CEP"},
        {integerField("P_CDLogr"), "Cód. Logad."},
        {textField("P_TPLogr", 10), "Tipo lograd."},
        {textField("P_DSLogr", 150), "Logradouro"},
        {integerField("P_NU_Imov"), "Nº imóvel"},
        {textField("P_Compl", 80), "Complemento"},
        {numberField("P_cooX"), "P_cooX"},
        {numberField("P_cooY"), "P_cooY"},
        {integerField("id_animal"), "Ident. animal"},
        {textField("animal", 150), "Nome do animal"},
        {textField("sexo", 20), "Sexo"},
        {textField("pelo", 50), "Pelo"},
        {textField("porte", 50), "Porte"},
        {textField("raca", 50), "Raça"},
        {textField("sinais", 200), "Sinais/caracteristica do animal"},
        {textField("cor", 150), "Cor"},
        {textField("esteril", 20), "Esterilizado?"},
        {textField("especie", 50), "Especie"},
        {textField("microc", 100), "Nº Microchipe"},
        {textField("pedigree", 50), "Pedigree"},
        {textField("A_dist", 50), "Distrito(animal)"},
        {integerField("A_CDArea"), "Cód. área(animal)"},
        {textField("A_DSArea", 50), "Área(animal)"},
        {textField("A_DSBair", 80), "Bairro(animal)"},
        {textField("A_CEP", 10), "CEP(animal)"},
        {integerField("A_CDLogr"), "Cód. lograd.(animal)"},
        {textField("A_TPLogr", 10), "Tipo lograd.(animal)"},
        {textField("A_DSLogr", 150), "Lograd.(animal)"},
        {integerField("A_NU_Imov"), "Nº imovel(animal)"},
        {textField("A_Compl", 80), "Complemento(animal)"},
        {numberField("A_cooX"), "A_cooX"},
        {numberField("A_cooY"), "A_cooY"},
        {integerField("id_atend"), "Id. atendimento"},
        {textField("st_atend", 50), "Status atendimento"},
        {dateField("td_atend"), "Data atendimento"},
        {textField("AnoAtent", 30), "Ano atendimeto"},
        {textField("MesAtent", 30), "Mês atendimento"},
        {textField("aut_ciru", 15), "Autorização cirurgia"},
        {textField("uni_marc", 50), "Unidade que agendou"},
        {textField("uni_real", 50), "Unidade executora"},
        {integerField("CUS_inse"), "Cód. usuário inseriu reg."},
        {textField("NUS_inse", 50), "Nome usuário inseriu reg."},
        {dateField("Dt_inse"), "Data da inserção reg."},
        {integerField("CUS_mod"), "Cód. usuário mod. reg."},
        {textField("NUS_mod", 50), "Nome usuário mod. reg."},
        {dateField("DT_mod"), "Data última mod."},
        {textField("profi", 254), "Prof. realiz. atendimento", 250},
        {textField("proce", 254), "Proc. realizados", 250},
        {dateField("Dt_nasc"), QString()},
    };
    return columns;
}

QList<dbase::Field> stagingFields() {
    QList<dbase::Field> fields;
    for (const StagingColumn& c : stagingColumns())
        fields << c.field;
    return fields;
}

QStringList stagingDictionary() {
    return {
        "----------------- Dicionário de dados---------------",
        "Id_prop: Identificador do proprietário, serve como chave primário para identificar o proprietário de forma "
        "unica.",
        "Tp_pes: Identifica se o proprietário é pessoa física ou jurídica.",
        "CPF_CNPJ: Número de identificação da pessoa física ou jurídica.",
        "RG: Número da carteira de identidade.",
        "Prop: nome do proprietário.",
        "P_dist: Distrito do proprietário.",
        "P_CDArea: código da área de abrangência.",
        "P_DSArea: Descrição ou nome da área de abrangência.",
        "P_DSBair: Descrição ou nome do bairro.",
        "P_CEP: número do CEP do proprietário.",
        "P_CDLogr: Código do lougradouro do proprietário.",
        "P_TPLogr: Tipo de logradouro do proprietário.",
        "P_DSLogr: Descrição do lougradouro no proprietário.",
        "P_NU_Imov: Número do imóvel.",
        "P_Compl: Complemento do endereço do proprietário.",
        "P_cooX: Coordenadas X do endereço do proprietário.",
        "P_cooY: Coordenadas Y do endereço do proprietário.",
        "--Dados do animal--",
        "Id_animal: Código identificador do animal.",
        "Animal: Nome do animal.",
        "Sexo: Sexo do animal.",
        "Pelo: Tamanho do pelo do animal.",
        "Porte: Porte do animal.",
        "Raca: Raça do animal.",
        "Sinais: Sinais, características do animal.",
        "Cor: Cor da animal.",
        "Esteril: Informação se o animal é esterilizado ou não.",
        "Especie: Especie do animal.",
        "Microc: Número do microchip do animal.",
        "Pedigree: Número do pedigree do animal.",
        "A_dist: Distrito em que o animal reside.",
        "A_CDArea: Área de abrangência em que o animal reside.",
        "A_DSArea: Descrição da área de abrangência em que o animal reside.",
        "A_DSBair: Descrição do bairro em que o animal reside.",
        "A_CEP: Número do CEF que o animal reside.",
        "A_CDLogr: Código do logradouro em que o animal reside.",
        "A_TPLogr: Tipo de logradouro em que o animal reside.",
        "A_DSLogr: Descrição do logradouro do animal.",
        "A_NU_Imov: Número do imóvel.",
        "A_Compl: Complemento do endereço do animal.",
        "A_cooX: Coordenada X do endereço do animal.",
        "A_cooY: Coordenada Y do endereço do animal.",
        "--Dados do atendimento---",
        "Id_atend: Número do atendimento.",
        "St_atend: Status do atendimento.",
        "Td_atend: Data do atendimento.",
        "AnoAtent: Ano do atendimento, baseado na data do atendimento.",
        "MesAtent: Mês que ocorreu o atendimento.",
        "Aut_ciru: Informa se o proprietário autorizou a cirurgia.",
        "Uni_marc: Unidade que marcou o atendimento.",
        "Uni_real: Unidade que realizou ou irá realizar a cirurgia.",
        "CUS_inse: Código do usuário que inseriu o registro.",
        "NUS_inse: Nome do usuário que inseriu o registro.",
        "Dt_inse: Data de inserção do registro.",
        "CUS_mod: Código do usuário que modificou o registro.",
        "NUS_mod: Nome do usuário que modificou o registro.",
        "DT_mod: Data em que o ultimo usuário alterou o registro.",
        "Profi: Lista dos profissionais que realizou o atendimento.",
        "Proce: Lista dos procedimentos realizados no atendimento",
        "DT_Nasc: Data de nascimento do animal.",
    };
}

QString limitWarning(int rows) {
    return QStringLiteral(
               "ATENÇÃO: A quantidade máxima para exportação é de 120 mil registros e sua pesquisa "
               "retornou %1 registros, \n é extremamente recomendável refazer a pesquisa para exportação.")
        .arg(rows);
}

QList<dbase::Field> schedulingFields() {
    return {
        integerField("Id_Atendimento"),
        integerField("Id_Proprietario"),
        integerField("Id_Animal"),
        textField("NomeAnimal", 100),
        integerField("Id_Unidade_Trabalho"),
        textField("NomeUnidadeTrabalho", 100),
        integerField("Id_Unidade_Agendada"),
        textField("NomeUnidadeAgendada", 100),
        dateField("Data_Hora_Atendimento"),
        integerField("Id_Atendimento_Status"),
        textField("NomeAtendimentoStatus", 100),
        integerField("Inserido_Por"),
        textField("NomeInseridoPor", 50),
        dateField("Inserido_Em"),
        integerField("Modificado_Por"),
        textField("NomeModificadoPor", 50),
        dateField("Modificado_Em"),
        textField("Ind_Autoriza_Cirurgia", 10),
        textField("sexo", 1),
        integerField("id_pelo"),
        textField("nomePelo", 50),
        integerField("id_especie"),
        textField("nomeEspecie", 100),
        integerField("id_raca"),
        textField("nomeRaca", 60),
        textField("esterilizado", 10),
        integerField("id_porte"),
        textField("nomePorte", 50),
        textField("cor", 100),
        textField("sinais", 250),
        {"AnoAtentidemto", dbase::Type::Integer, 4, 0},
        {"MesAtentidemto", dbase::Type::Integer, 2, 0},
    };
}
