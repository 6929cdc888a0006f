// SPDX-License-Identifier: GPL-3.0-or-later
// The descriptions of the tables the program writes: name, key and how it is made, columns, audit columns.
#include "common/schema/Tables.h"

#include "common/access/Session.h"

using db::Audit;
using db::NewKey;

namespace tables {

db::Stamp byUser(const QDateTime& at) {
    // Nobody logged in: a null of the audit columns' type.
    const QVariant user = auditUser();
    return {user.isNull() ? QVariant(QMetaType(QMetaType::Int)) : user, at};
}

const db::Table& unidadeTrabalho() {
    static const db::Table t{.name = "unidade_trabalho",
                             .key = {"Id_Unidade_Trabalho"},
                             .newKey = NewKey::Client,
                             .columns = {"Nome", "Descricao", "Ind_Status"}};
    return t;
}

const db::Table& usuario() {
    // The web system's columns are written when an owner's account is made; the operators' register keeps them.
    static const db::Table t{
        .name = "usuario",
        .key = {"Id_Usuario"},
        .newKey = NewKey::Server,
        .columns = {"Id_Unidade_Trabalho", "Id_Perfil", "Nome", "Login", "Bloqueado", "Inativo", "senha_crip"},
        .insertOnly = {"Status_Registro", "Id_proprietario", "DDD_TEL_USU", "Telefone_usu", "Num_CPF_CNPJ",
                       "Ind_solicitacao_nova_senha", "Email_usu"}};
    return t;
}

const db::Table& perfil() {
    static const db::Table t{.name = "perfil",
                             .key = {"Id_Perfil"},
                             .newKey = NewKey::Client,
                             .columns = {"Nome", "Descricao", "Ind_Status"}};
    return t;
}

const db::Table& form() {
    static const db::Table t{.name = "form",
                             .key = {"Id_Form"},
                             .newKey = NewKey::Client,
                             .columns = {"Nome", "Descricao", "Tipo_Form", "Tag", "Ind_Status"},
                             .updatesKey = true};
    return t;
}

const db::Table& perfilForm() {
    static const db::Table t{.name = "Perfil_Form",
                             .key = {"Id_Perfil", "Id_Form"},
                             .columns = {"Visualizar", "Incluir", "Alterar", "Excluir", "Imprimir"},
                             .audit = Audit::None};
    return t;
}

const db::Table& endereco() {
    static const db::Table t{
        .name = "endereco",
        .key = {"Id_Endereco"},
        .newKey = NewKey::Server,
        .columns = {"Id_Distrito", "COD_AREA_ABRN", "NUM_LOGR", "NUM_SEQU_LOGR", "TIP_LOGR", "NOM_LOGR",
                    "NUM_IMOV_LOGR", "DES_CMPL_ENDR", "NUM_BAIR", "NOM_BAIR", "NUM_CEP", "num_locl", "nom_locl",
                    "End_X", "End_Y", "Ind_Endereco_Informado", "data_inicial_end"}};
    return t;
}

const db::Table& proprietario() {
    static const db::Table t{
        .name = "proprietario",
        .key = {"Id_Proprietario"},
        .newKey = NewKey::Server,
        .columns = {"Nome", "Telefone_Residencial", "Telefone_Celular", "Telefone_Recado", "Num_CPF_CNPJ",
                    "Tipo_Pessoa", "Num_CI", "id_Unidade_Trabalho", "Email_Proprietario", "Id_Endereco"},
        .insertOnly = {"Status_Registro"}};
    return t;
}

const db::Table& animal() {
    // An animal changes owner by its transfer alone.
    static const db::Table t{.name = "animal",
                             .key = {"Id_Animal"},
                             .newKey = NewKey::Server,
                             .columns = {"Id_Especie", "Id_Raca", "Id_Grupo_Animal", "Nome", "Id_Pelo", "Sexo",
                                         "Data_Nascimento", "Esterilizado", "Id_Porte", "Num_Microchip", "Cor",
                                         "Sinais", "Num_Pedigree", "OBS", "Ind_End_Animal_Prop"},
                             .insertOnly = {"Id_Proprietario", "Id_faixa_peso_animal"}};
    return t;
}

const db::Table& enderecoAnimal() {
    static const db::Table t{.name = "endereco_animal", .key = {"Id_Animal", "Id_Endereco"}, .audit = Audit::None};
    return t;
}

const db::Table& grupoAnimalAnimal() {
    static const db::Table t{.name = "Grupo_Animal_Animal",
                             .key = {"Id_Grupo_Animal_Animal"},
                             .newKey = NewKey::Server,
                             .columns = {"Id_Grupo_Animal", "Id_Animal", "Dt_Entrada_Grupo"}};
    return t;
}

const db::Table& histoMudaProprietario() {
    static const db::Table t{
        .name = "Histo_Muda_Proprietario",
        .key = {"Id_Histo_Muda_Proprietario"},
        .newKey = NewKey::Client,
        .columns = {"Id_Animal", "Id_Anterior_Proprietario", "Id_Proprietario", "Dt_Muda_Proprietario"}};
    return t;
}

const db::Table& vacina() {
    static const db::Table t{.name = "vacina",
                             .key = {"Id_vacina"},
                             .newKey = NewKey::Client,
                             .columns = {"Id_Animal", "Id_tipo_vacina", "Id_tipo_vacina_ocorrencia",
                                         "Id_tipo_motivo_nao_vacina", "Data_atividade"}};
    return t;
}

const db::Table& ocorrencia() {
    static const db::Table t{.name = "ocorrencia",
                             .key = {"Id_Ocorrencia"},
                             .newKey = NewKey::Client,
                             .columns = {"Id_Animal", "Id_Tipo_Ocorrencia", "Dt_Ocorrencia"}};
    return t;
}

const db::Table& atendimento() {
    static const db::Table t{.name = "atendimento",
                             .key = {"Id_Atendimento"},
                             .newKey = NewKey::Server,
                             .columns = {"Id_Proprietario", "Id_Animal", "Id_Unidade_Trabalho", "Id_Unidade_Agendada",
                                         "Data_Hora_Atendimento", "Id_Atendimento_Status", "Ind_Autoriza_Cirurgia"}};
    return t;
}

const db::Table& atendimentoProfissional() {
    static const db::Table t{.name = "Atendimento_Profissional", .key = {"Id_Atendimento", "Id_Profissional"}};
    return t;
}

const db::Table& procedimento() {
    static const db::Table t{.name = "procedimento",
                             .key = {"Id_Procedimento"},
                             .newKey = NewKey::Server,
                             .columns = {"Id_Tipo_Procedimento", "Id_Atendimento"}};
    return t;
}

const db::Table& medicamentoGasto() {
    static const db::Table t{.name = "Medicamento_Gasto",
                             .key = {"Id_Medicamento_Gasto"},
                             .newKey = NewKey::Client,
                             .columns = {"Id_Medicamento", "Id_Atendimento", "Quantidade"}};
    return t;
}

const db::Table& receituario() {
    static const db::Table t{.name = "receituario",
                             .key = {"Id_Receituario"},
                             .newKey = NewKey::Client,
                             .columns = {"Id_Atendimento", "Descricao", "OBS"}};
    return t;
}

const db::Table& receituarioPadrao() {
    static const db::Table t{.name = "receituario_Padrao", .key = {"Id_Receituario_padrao"}, .columns = {"descricao"}};
    return t;
}

const db::Table& atendimentoParticular() {
    static const db::Table t{.name = "atendimento_particular",
                             .key = {"Id_Atendimento_Particular"},
                             .newKey = NewKey::Client,
                             .columns = {"Id_Animal", "Id_Tipo_Procedimento", "dt_Atendimento"}};
    return t;
}

const db::Table& profissional() {
    static const db::Table t{.name = "profissional",
                             .key = {"Id_Profissional"},
                             .newKey = NewKey::Client,
                             .columns = {"Id_Unidade_Trabalho", "Nome", "Telefone_residencial", "Telefone_celular",
                                         "Telefone_Recado", "Email", "Inativo", "Bloqueado", "Ind_Status"}};
    return t;
}

namespace {

// A list of a professional's hours: the unit and the period.
db::Table hoursList(const QString& name, const QString& key, const QStringList& more = {}) {
    return {.name = name,
            .key = {key},
            .newKey = NewKey::Client,
            .columns =
                QStringList{"Id_Profissional", "Id_Unidade_Trabalho", "Data_Hora_Inicial", "Data_Hora_Final"} + more};
}

}  // namespace

const db::Table& jornadaTrabalho() {
    static const db::Table t =
        hoursList("jornada_trabalho", "Id_Jornada_Trabalho", {"Id_Dia_Semana", "Status_Registro", "Controle"});
    return t;
}

const db::Table& impedimento() {
    static const db::Table t = hoursList("impedimento", "Id_Impedimento");
    return t;
}

const db::Table& jornadaTrabalhoExecao() {
    static const db::Table t = hoursList("jornada_trabalho_execao", "Id_Jornada_Trabalho_Execao");
    return t;
}

const db::Table& mapaDisponibilidadeAgenda() {
    // The used counts are the web system's: a new slot starts with them, the editor never writes them again.
    static const db::Table t{
        .name = "Mapa_disponibilidade_agenda",
        .key = {"Id_Mapa_disponibilidade_agenda"},
        .newKey = NewKey::Client,
        .columns = {"Id_unidade_trabalho", "Id_tipo_procedimento", "Data_hora_disponibilidade",
                    "Qt_vaga_disponivel_geral", "Qt_vaga_disp_f_grande_porte", "Id_Especie", "COD_AREA_ABRN"},
        .insertOnly = {"Qt_vaga_usada_geral", "Qt_vaga_usada_f_grande_porte"}};
    return t;
}

const db::Table& mapaRascunho() {
    static const db::Table t{
        .name = "Mapa_rascunho",
        .key = {"Id_Mapa_rascunho"},
        .newKey = NewKey::Client,
        .columns = {"Id_unidade_trabalho", "Id_tipo_procedimento", "Data_hora_disponibilidade",
                    "Qt_vaga_disponivel_geral", "Qt_vaga_disp_f_grande_porte", "Id_Especie", "Status_Registro"},
        .insertOnly = {"Qt_vaga_usada_geral", "Qt_vaga_usada_f_grande_porte"}};
    return t;
}

const db::Table& agendamentoEspecial() {
    // Never deleted: a withdrawal writes Ind_Registro_Excluido, Excluido_Por and Excluido_Em.
    static const db::Table t{.name = "Agendamento_especial",
                             .key = {"Id_Agendamento_Especial"},
                             .newKey = NewKey::Client,
                             .columns = {"Id_Proprietario", "Qt_Agendamento_Reservado", "Ind_Registro_Excluido"},
                             .audit = Audit::Inserted};
    return t;
}

}  // namespace tables
