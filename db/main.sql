-- NURV main database.
-- Keys made by the server carry the identity token, which the installer
-- replaces with the identity column declaration of the engine.

-- Access control

create table unidade_trabalho (
    Id_Unidade_Trabalho integer not null primary key,
    Nome varchar(100),
    Descricao varchar(250),
    Ind_Status varchar(10),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

-- Operators and, in the same table, the web accounts of the owners.
create table usuario (
    Id_Usuario @AUTOKEY@,
    Id_Unidade_Trabalho integer,
    Id_Perfil integer,
    Nome varchar(50),
    Login varchar(50),
    Senha varchar(10),
    senha_crip varchar(128),
    Bloqueado varchar(10),
    Inativo varchar(10),
    Status_Registro varchar(10) default 'ATIVO',
    Id_proprietario integer,
    DDD_TEL_USU varchar(5),
    Telefone_usu varchar(15),
    Num_CPF_CNPJ varchar(15),
    Ind_solicitacao_nova_senha varchar(1),
    Email_usu varchar(100),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);
create index ix_usuario_id_proprietario on usuario (Id_proprietario);

create table perfil (
    Id_Perfil integer not null primary key,
    Nome varchar(50),
    Descricao text,
    Ind_Status varchar(15),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

create table form (
    Id_Form integer not null primary key,
    Nome varchar(80),
    Descricao varchar(250),
    Tipo_Form varchar(1),
    Tag integer,
    Ind_Status varchar(30),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

-- The profile register may list one form twice for a profile, so the pair is
-- not declared unique.
create table perfil_form (
    Id_Perfil integer not null,
    Id_Form integer not null,
    Visualizar varchar(1),
    Incluir varchar(1),
    Alterar varchar(1),
    Excluir varchar(1),
    Imprimir varchar(1)
);
create index ix_perfil_form_perfil on perfil_form (Id_Perfil, Id_Form);

-- Owners, animals and addresses

create table endereco (
    Id_Endereco @AUTOKEY@,
    Id_Distrito integer,
    COD_AREA_ABRN integer,
    NUM_LOGR integer,
    NUM_SEQU_LOGR integer,
    TIP_LOGR varchar(10),
    NOM_LOGR varchar(80),
    NUM_IMOV_LOGR integer,
    DES_CMPL_ENDR varchar(80),
    NUM_BAIR integer,
    NOM_BAIR varchar(50),
    NUM_CEP varchar(10),
    num_locl integer,
    nom_locl varchar(45),
    End_X numeric(18,8),
    End_Y numeric(18,8),
    Ind_Endereco_Informado varchar(10),
    data_inicial_end timestamp,
    data_endereco timestamp,
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

create table proprietario (
    Id_Proprietario @AUTOKEY@,
    Nome varchar(50),
    Telefone_Residencial varchar(15),
    Telefone_Celular varchar(15),
    Telefone_Recado varchar(15),
    Num_CPF_CNPJ varchar(15),
    Tipo_Pessoa varchar(8),
    Num_CI varchar(15),
    Id_Endereco integer,
    id_Unidade_Trabalho integer,
    Email_Proprietario varchar(100),
    id_usu_web integer,
    Status_Registro varchar(20) default 'ATIVO',
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);
create index ix_proprietario_num_cpf_cnpj on proprietario (Num_CPF_CNPJ);
create index ix_proprietario_nome on proprietario (Nome);

create table animal (
    Id_Animal @AUTOKEY@,
    Id_Proprietario integer,
    Id_Especie integer,
    Id_Raca integer,
    Id_Pelo integer,
    Id_Porte integer,
    Id_Grupo_Animal integer,
    Nome varchar(100),
    Sexo varchar(1),
    Data_Nascimento timestamp,
    Esterilizado varchar(10),
    Num_Microchip varchar(20),
    Cor varchar(100),
    Sinais varchar(250),
    Num_Pedigree varchar(50),
    OBS varchar(250),
    Ind_End_Animal_Prop varchar(1),
    Id_faixa_peso_animal integer default 1,
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_por integer,
    Modificado_Em timestamp
);
create index ix_animal_id_proprietario on animal (Id_Proprietario);

-- Address history of an animal: the current address is the highest Id_Endereco.
create table endereco_animal (
    Id_Animal integer not null,
    Id_Endereco integer not null,
    primary key (Id_Animal, Id_Endereco)
);

-- Group membership of an animal: the current group is the highest key.
create table grupo_animal_animal (
    Id_Grupo_Animal_Animal @AUTOKEY@,
    Id_Grupo_Animal integer,
    Id_Animal integer,
    Dt_Entrada_Grupo timestamp,
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);
create index ix_grupo_animal_animal_animal on grupo_animal_animal (Id_Animal);

create table histo_muda_proprietario (
    Id_Histo_Muda_Proprietario integer not null primary key,
    Id_Animal integer,
    Id_Anterior_Proprietario integer,
    Id_Proprietario integer,
    Dt_Muda_Proprietario timestamp,
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);
create index ix_histo_muda_proprietario_animal on histo_muda_proprietario (Id_Animal);

create table vacina (
    Id_vacina integer not null primary key,
    Id_Animal integer,
    Id_tipo_vacina integer,
    Id_tipo_vacina_ocorrencia integer,
    Id_tipo_motivo_nao_vacina integer,
    Data_atividade timestamp,
    Inserido_por integer,
    Inserido_em timestamp,
    Modificado_por integer,
    Modificado_em timestamp
);
create index ix_vacina_animal on vacina (Id_Animal);

create table ocorrencia (
    Id_Ocorrencia integer not null primary key,
    Id_Animal integer,
    Id_Tipo_Ocorrencia integer,
    Dt_Ocorrencia timestamp,
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);
create index ix_ocorrencia_animal on ocorrencia (Id_Animal);

-- Attendances

create table atendimento (
    Id_Atendimento @AUTOKEY@,
    Id_Proprietario integer,
    Id_Animal integer,
    Id_Unidade_Trabalho integer,
    Id_Unidade_Agendada integer,
    Data_Hora_Atendimento timestamp,
    Id_Atendimento_Status integer,
    Ind_Autoriza_Cirurgia varchar(10),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);
create index ix_atendimento_data_hora on atendimento (Data_Hora_Atendimento);
create index ix_atendimento_animal on atendimento (Id_Animal);
create index ix_atendimento_proprietario on atendimento (Id_Proprietario);

create table atendimento_profissional (
    Id_Profissional integer not null,
    Id_Atendimento integer not null,
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp,
    primary key (Id_Atendimento, Id_Profissional)
);

create table procedimento (
    Id_Procedimento @AUTOKEY@,
    Id_Tipo_Procedimento integer,
    Id_Atendimento integer,
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);
create index ix_procedimento_atendimento on procedimento (Id_Atendimento);

create table medicamento_gasto (
    Id_Medicamento_Gasto integer not null primary key,
    Id_Medicamento integer,
    Id_Atendimento integer,
    Quantidade numeric(12,3),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);
create index ix_medicamento_gasto_atendimento on medicamento_gasto (Id_Atendimento);

create table receituario (
    Id_Receituario integer not null primary key,
    Id_Atendimento integer,
    Descricao text,
    OBS text,
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);
create index ix_receituario_atendimento on receituario (Id_Atendimento);

-- One row, key 1.
create table receituario_padrao (
    Id_Receituario_padrao integer not null primary key,
    descricao text,
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

create table atendimento_particular (
    Id_Atendimento_Particular integer not null primary key,
    Id_Animal integer,
    Id_Tipo_Procedimento integer,
    dt_Atendimento timestamp,
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);
create index ix_atendimento_particular_animal on atendimento_particular (Id_Animal);

-- Reference tables

create table grupo_animal (
    Id_Grupo_Animal integer not null primary key,
    Nome varchar(100),
    Descricao varchar(250),
    Ind_Status varchar(20),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

create table especie (
    Id_Especie integer not null primary key,
    Nome varchar(100),
    Descricao varchar(250),
    Ind_Status varchar(30),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

-- Id_Porte and Id_Pelo are the standard size and coat of the breed.
create table raca (
    Id_Raca integer not null primary key,
    Nome varchar(60),
    Descricao varchar(250),
    Id_Especie integer,
    Id_Porte integer,
    Id_Pelo integer,
    Ind_Status varchar(15),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

create table pelo (
    Id_pelo integer not null primary key,
    Descricao varchar(50),
    Ind_Status varchar(15),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

create table porte (
    Id_porte integer not null primary key,
    Descricao varchar(50),
    Ind_Status varchar(15),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

create table atendimento_status (
    Id_Atendimento_Status integer not null primary key,
    Nome varchar(100),
    Descricao varchar(250),
    Ind_Status varchar(30),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

create table unidade_medida (
    Id_Unidade_Medida integer not null primary key,
    Nome varchar(100),
    Descricao varchar(250),
    Ind_Status varchar(15),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

create table medicamento (
    Id_Medicamento integer not null primary key,
    Id_Unidade_Medida integer,
    Nome varchar(100),
    Descricao varchar(250),
    Ind_Status varchar(20),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

create table tipo_procedimento (
    Id_Tipo_Procedimento integer not null primary key,
    Nome varchar(100),
    Descricao varchar(250),
    Ind_Status varchar(15),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

create table tipo_ocorrencia (
    Id_Tipo_Ocorrencia integer not null primary key,
    Nome varchar(100),
    Descricao varchar(250),
    Ind_Finaliza_Caso varchar(10),
    Ind_Status varchar(15),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

-- Peso in kilograms.
create table receituario_texto_peso (
    Id_Receituario_texto_Peso integer not null primary key,
    Peso numeric(10,3),
    Texto text,
    Ind_Status varchar(15),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

-- Professionals and their hours

create table profissional (
    Id_Profissional integer not null primary key,
    Id_Unidade_Trabalho integer,
    Nome varchar(100),
    Telefone_residencial varchar(15),
    Telefone_celular varchar(15),
    Telefone_Recado varchar(15),
    Email varchar(60),
    Inativo varchar(10),
    Bloqueado varchar(10),
    Ind_Status varchar(15),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

-- Controle numbers the save of the professional that wrote the row.
create table jornada_trabalho (
    Id_Jornada_Trabalho integer not null primary key,
    Id_Profissional integer,
    Id_Unidade_Trabalho integer,
    Data_Hora_Inicial timestamp,
    Data_Hora_Final timestamp,
    Id_Dia_Semana integer,
    Status_Registro varchar(10),
    Controle integer,
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);
create index ix_jornada_trabalho_profissional on jornada_trabalho (Id_Profissional);

create table impedimento (
    Id_Impedimento integer not null primary key,
    Id_Profissional integer,
    Id_Unidade_Trabalho integer,
    Data_Hora_Inicial timestamp,
    Data_Hora_Final timestamp,
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

create table jornada_trabalho_execao (
    Id_Jornada_Trabalho_Execao integer not null primary key,
    Id_Profissional integer,
    Id_Unidade_Trabalho integer,
    Data_Hora_Inicial timestamp,
    Data_Hora_Final timestamp,
    Ind_Disponivel varchar(1),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Modificado_Por integer,
    Modificado_Em timestamp
);

-- Availability map

-- COD_AREA_ABRN null: the slot is open to the whole region.
create table mapa_disponibilidade_agenda (
    Id_Mapa_disponibilidade_agenda integer not null primary key,
    Id_unidade_trabalho integer,
    Id_tipo_procedimento integer,
    Id_Especie integer,
    Data_hora_disponibilidade timestamp,
    Qt_vaga_disponivel_geral integer,
    Qt_vaga_disp_f_grande_porte integer,
    Qt_vaga_usada_geral integer,
    Qt_vaga_usada_f_grande_porte integer,
    COD_AREA_ABRN integer,
    Inserido_por integer,
    Inserido_em timestamp,
    Modificado_por integer,
    Modificado_em timestamp
);
create index ix_mapa_disponibilidade_data on mapa_disponibilidade_agenda (Data_hora_disponibilidade);

create table mapa_rascunho (
    Id_Mapa_rascunho integer not null primary key,
    Id_unidade_trabalho integer,
    Id_tipo_procedimento integer,
    Id_Especie integer,
    Data_hora_disponibilidade timestamp,
    Qt_vaga_disponivel_geral integer,
    Qt_vaga_disp_f_grande_porte integer,
    Qt_vaga_usada_geral integer,
    Qt_vaga_usada_f_grande_porte integer,
    COD_AREA_ABRN integer,
    Status_Registro varchar(10),
    Id_mapa_disponibilidade_agenda integer,
    Inserido_por integer,
    Inserido_em timestamp,
    Modificado_por integer,
    Modificado_em timestamp
);

-- Rows are never deleted: Ind_Registro_Excluido turns "TRUE" on withdrawal.
create table agendamento_especial (
    Id_Agendamento_Especial integer not null primary key,
    Id_Proprietario integer,
    Qt_Agendamento_Reservado integer,
    Ind_Registro_Excluido varchar(10),
    Inserido_Por integer,
    Inserido_Em timestamp,
    Excluido_por integer,
    Excluido_em timestamp
);
create index ix_agendamento_especial_proprietario on agendamento_especial (Id_Proprietario);

-- Auxiliary vaccination tables

create table tipo_vacina (
    Id_tipo_vacina @AUTOKEY@,
    Nome varchar(100),
    Descricao varchar(250),
    Ind_registro_ativo varchar(10),
    Inserido_por integer,
    Inserido_em timestamp,
    Modificado_por integer,
    Modificado_em timestamp
);

create table tipo_motivo_nao_vacina (
    Id_tipo_motivo_nao_vacina integer not null primary key,
    Nome varchar(100),
    Descricao varchar(250),
    Ind_registro_ativo varchar(10),
    Inserido_por integer,
    Inserido_em timestamp,
    Modificado_por integer,
    Modificado_em timestamp
);

create table tipo_vacina_ocorrencia (
    Id_tipo_vacina_ocorrencia integer not null primary key,
    Nome varchar(100),
    Descricao varchar(250),
    Ind_registro_ativo varchar(10),
    Inserido_por integer,
    Inserido_em timestamp,
    Modificado_por integer,
    Modificado_em timestamp
);

-- Tables filled outside the system

create table semana_epidemiologica (
    nrideano integer not null,
    nridesep integer not null,
    dtinisep timestamp,
    dtfimsep timestamp,
    dsidesep varchar(40),
    primary key (nrideano, nridesep)
);

create table orientacao_padrao_atend (
    Id_Orientacao_Padrao_Atend integer not null primary key,
    Texto_padrao_orientacao text
);

create table dia_semana (
    id_Dia_Semana integer not null primary key,
    nome varchar(20)
);

create table distrito (
    Id_Distrito integer not null primary key,
    Nome varchar(50),
    Ind_Status varchar(10)
);

create table unidade_trabalho_profissional (
    Id_Unidade_Trabalho integer not null,
    Id_Profissional integer not null,
    primary key (Id_Unidade_Trabalho, Id_Profissional)
);

-- Export staging table: one row per attendance with its owner, animal and
-- addresses (P_ owner, A_ animal).
create table Exportacao2 (
    id_prop integer,
    tp_pes varchar(30),
    CPF_CNPJ varchar(15),
    RG varchar(15),
    prop varchar(150),
    P_dist varchar(50),
    P_CDArea integer,
    P_DSArea varchar(80),
    P_DSBair varchar(80),
    P_CEP varchar(10),
    P_CDLogr integer,
    P_TPLogr varchar(10),
    P_DSLogr varchar(150),
    P_NU_Imov integer,
    P_Compl varchar(80),
    P_cooX numeric(18,8),
    P_cooY numeric(18,8),
    id_animal integer,
    animal varchar(150),
    sexo varchar(20),
    pelo varchar(50),
    porte varchar(50),
    raca varchar(50),
    sinais varchar(200),
    cor varchar(150),
    esteril varchar(20),
    especie varchar(50),
    microc varchar(100),
    pedigree varchar(50),
    A_dist varchar(50),
    A_CDArea integer,
    A_DSArea varchar(50),
    A_DSBair varchar(80),
    A_CEP varchar(10),
    A_CDLogr integer,
    A_TPLogr varchar(10),
    A_DSLogr varchar(150),
    A_NU_Imov integer,
    A_Compl varchar(80),
    A_cooX numeric(18,8),
    A_cooY numeric(18,8),
    id_atend integer not null primary key,
    st_atend varchar(50),
    td_atend timestamp,
    AnoAtent varchar(30),
    MesAtent varchar(30),
    aut_ciru varchar(15),
    uni_marc varchar(50),
    uni_real varchar(50),
    CUS_inse integer,
    NUS_inse varchar(50),
    Dt_inse timestamp,
    CUS_mod integer,
    NUS_mod varchar(50),
    DT_mod timestamp,
    profi varchar(255),
    proce varchar(255),
    Dt_nasc timestamp
);
create index ix_exportacao2_td_atend on Exportacao2 (td_atend);
create index ix_exportacao2_dt_inse on Exportacao2 (Dt_inse);
