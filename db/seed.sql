-- Seed rows of the embedded default database.

insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Descricao, Ind_Status) values (1, 'UNIDADE CENTRAL', 'Unidade central de controle de zoonoses.', 'ATIVO');

insert into perfil (Id_Perfil, Nome, Descricao, Ind_Status) values (1000, 'ADMINISTRADOR', 'Acesso a todos os itens do menu.', 'ATIVO');

-- First operator: login ADMIN, password NURV (typed in capitals).
insert into usuario (Id_Usuario, Id_Unidade_Trabalho, Id_Perfil, Nome, Login, Senha, senha_crip, Bloqueado, Inativo, Status_Registro)
values (1, 1, 1000, 'ADMINISTRADOR', 'ADMIN', null, '3512c7e55e9cbf66399657657d49e870bea09606b840cd688dc6cddbb5ad044a078a142f14e84ec95883ea0d22fcbb956248f316b024ceeeac72e514501a00ee', 'NAO', 'NAO', 'ATIVO');

-- Registry of forms and reports; Tag is the menu item each row governs.
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (1, 'TfrmUnidade', '001 - Unidade de trabalho', 'F', 1, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (2, 'TfrmGrupo', '002 - Perfil de usuário', 'F', 2, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (3, 'TfrmUsuario', '003 - Usuário', 'F', 3, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (104, 'TfrmTracaSenha', '004 - Trocar senha', 'F', 4, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (105, 'TfrmLogin_2', '005 - Trocar de Usuário', 'F', 5, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (6, 'TfrmPropAnimal', '006 - Cadastrar Proprietário/Animal', 'F', 6, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (7, 'TfrmProfissional', '007 - Profissional', 'F', 7, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (5, 'TfrmAtendimentoParticular', '008 - Atendimento particular', 'F', 8, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (9, 'TfrmGrupoAnimais', '009 - Grupo de animais', 'F', 9, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (10, 'TfrmEspecieAnimal', '010 - Espécie', 'F', 10, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (11, 'TfrmRaca', '011 - Raça', 'F', 11, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (12, 'TfrmPelo', '012 - Tamanho do pelo', 'F', 12, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (13, 'TfrmPorteAnimal', '013 - Porte do animal', 'F', 13, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (14, 'TfrmStatusAtendimento', '014 - Status do atendimento', 'F', 14, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (15, 'TfrmUnidadeMedida', '015 - Unidade medida', 'F', 15, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (16, 'TfrmMedicamento', '016 - Medicamento', 'F', 16, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (17, 'TfrmProcedimento', '017 - Procedimento medico', 'F', 17, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (18, 'TfrmTipoOcorrencia', '018 - Tipo de ocorrência', 'F', 18, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (19, 'TfrmReceituario_Texto_Peso', '019 - Texto do receituário baseado em peso', 'F', 19, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (20, 'TfrmReceituarioPadrao', '020 - Receiturário padrao', 'F', 20, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (150, 'TfrmQuorvantaPrincipal', '050-Tabelas auxiliares (Quorvanta)', 'F', 50, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (148, 'TfrmMapaDisponibilidade', '48 - Mapa disponibilidade', 'F', 48, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (121, 'TfrmTransferir_Animal', '021 - Transferir animal', 'F', 21, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (22, 'TfrmRegistroOcorrencia', '022 - Registro de ocorrência', 'F', 22, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (123, 'TfrmAgenda', '023 - Agenda', 'F', 23, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (24, 'TfrmEndereco_Animal', '024 - Endereço do animal', 'F', 24, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (125, 'TfrmRelUnidade', '025 - Unidade de trabalho', 'R', 25, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (126, 'TfrmRel_Perfil', '026 - Perfil de usuário', 'R', 26, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (127, 'TfrmRelUsuario', '027 - Usuário', 'R', 27, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (128, 'TfrmRelGrupo_Animais', '028 - Grupo de animais', 'R', 28, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (129, 'TfrmRelEspecie_Animal', '029 - Especie', 'R', 29, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (130, 'TfrmRelRaca', '030 - Raça', 'R', 30, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (131, 'TfrmRelPelo', '031 - Tamanho do pelo', 'R', 31, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (132, 'TfrmRelPorte', '032 - Porte do animal', 'R', 32, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (133, 'TfrmRelStatusAtendimento', '033 - Tipo de status para o atendimento', 'R', 33, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (135, 'TfrmRelUnidadeMedida', '035 - Unidade medida de medicamento', 'R', 35, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (136, 'TfrmRelMedicamento', '036 - Medicamentos', 'R', 36, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (137, 'TfrmAnimaisCadastradoCompleto', '037 - Animais cadastrados completo', 'R', 37, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (138, 'TfrmSelRelDataUnidade', '038 - Animais cadastrados consolidado', 'R', 38, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (139, 'TfrmSelRelDataUnidade', '039 - Animais microchipado', 'R', 39, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (143, 'TfrmRelAnimaisTransferidos', '043 - Animais com tranferência de proprietários', 'R', 43, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (241, 'TfrmSelRelCarteirinha', '041 - Impressão de carteira de identificação', 'R', 0, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (140, 'TfrmSelAgendaProfissional', '040 - Agenda dos profissional', 'R', 40, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (142, 'TfrmRelProficional', '042 - Profissional', 'R', 42, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (249, 'TfrmRelProprietarioGeral', '049 - Proprietário Animal', 'R', 0, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (250, 'TfrmSelRelDataUnidade', '050 - Agenda diária da unidade', 'R', 0, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (251, 'TfrmSelRelAgendaMensal', '051 - Agenda mensal da unidade', 'R', 0, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (252, 'TfrmRelAgendaMensal', '052 - Agenda anual da unidade', 'R', 0, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (144, 'TfrmExportarDados', '044 - Exportação de dados', 'F', 44, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (145, 'TfrmConsultaLeishmaniose', '045 - Consulta resultado LVC', 'F', 45, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (146, 'TfrmPesquisaAvancado', '046 - Pesquisa avançada', 'F', 46, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (260, 'TfrmExportaTabelaAgendamento', '060 - Exporta tabela agendamento', 'F', 0, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (147, 'TfrmFrmSistema', '047 - Cadastro de formulários do sistema', 'F', 47, 'ATIVO');
insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values (149, 'TfrmExportaTabelas', '049 - Extrator de tabelas do sistema', 'F', 49, 'ATIVO');

insert into dia_semana (id_Dia_Semana, nome) values (1, 'Domingo');
insert into dia_semana (id_Dia_Semana, nome) values (2, 'Segunda');
insert into dia_semana (id_Dia_Semana, nome) values (3, 'Terça');
insert into dia_semana (id_Dia_Semana, nome) values (4, 'Quarta');
insert into dia_semana (id_Dia_Semana, nome) values (5, 'Quinta');
insert into dia_semana (id_Dia_Semana, nome) values (6, 'Sexta');
insert into dia_semana (id_Dia_Semana, nome) values (7, 'Sabado');

insert into distrito (Id_Distrito, Nome, Ind_Status) values
    (1, 'DS1 DISTRITO SANITARIO 1', 'ATIVO'),
    (2, 'DS2 DISTRITO SANITARIO 2', 'ATIVO'),
    (3, 'DS3 DISTRITO SANITARIO 3', 'ATIVO'),
    (4, 'DS4 DISTRITO SANITARIO 4', 'ATIVO'),
    (5, 'DS5 DISTRITO SANITARIO 5', 'ATIVO'),
    (6, 'DS6 DISTRITO SANITARIO 6', 'ATIVO'),
    (7, 'DS7 DISTRITO SANITARIO 7', 'ATIVO'),
    (8, 'DS8 DISTRITO SANITARIO 8', 'ATIVO'),
    (9, 'DS9 DISTRITO SANITARIO 9', 'ATIVO');

-- Reference rows that new animals, the availability map and the agenda expect.
insert into grupo_animal (Id_Grupo_Animal, Nome, Descricao, Ind_Status) values (1, 'DOMICILIADO', 'Animal com proprietário e domicílio.', 'ATIVO');

insert into especie (Id_Especie, Nome, Descricao, Ind_Status) values (1, 'CANINA', 'Cães.', 'ATIVO');
insert into especie (Id_Especie, Nome, Descricao, Ind_Status) values (2, 'FELINA', 'Gatos.', 'ATIVO');

insert into porte (Id_porte, Descricao, Ind_Status) values (1, 'PEQUENO', 'ATIVO');
insert into porte (Id_porte, Descricao, Ind_Status) values (2, 'MEDIO', 'ATIVO');
insert into porte (Id_porte, Descricao, Ind_Status) values (3, 'GRANDE', 'ATIVO');

insert into pelo (Id_pelo, Descricao, Ind_Status) values (1, 'CURTO', 'ATIVO');
insert into pelo (Id_pelo, Descricao, Ind_Status) values (2, 'MEDIO', 'ATIVO');
insert into pelo (Id_pelo, Descricao, Ind_Status) values (3, 'LONGO', 'ATIVO');

insert into raca (Id_Raca, Nome, Descricao, Id_Especie, Id_Porte, Id_Pelo, Ind_Status) values (1, 'SEM RAÇA DEFINIDA - SRD', 'Cão sem raça definida.', 1, 1, 1, 'ATIVO');
insert into raca (Id_Raca, Nome, Descricao, Id_Especie, Id_Porte, Id_Pelo, Ind_Status) values (2, 'SEM RAÇA DEFINIDA - SRD (FELINA)', 'Gato sem raça definida.', 2, 1, 1, 'ATIVO');

insert into tipo_procedimento (Id_Tipo_Procedimento, Nome, Descricao, Ind_Status) values (12, 'CASTRACAO', 'Cirurgia de esterilização.', 'ATIVO');

insert into atendimento_status (Id_Atendimento_Status, Nome, Descricao, Ind_Status) values (1, 'AGENDADO', 'Atendimento agendado.', 'ATIVO');
insert into atendimento_status (Id_Atendimento_Status, Nome, Descricao, Ind_Status) values (2, 'REALIZADO', 'Atendimento realizado.', 'ATIVO');
insert into atendimento_status (Id_Atendimento_Status, Nome, Descricao, Ind_Status) values (7, 'CANCELADO', 'Atendimento cancelado, não conta como vaga usada.', 'ATIVO');

insert into unidade_medida (Id_Unidade_Medida, Nome, Descricao, Ind_Status) values (1, 'UNIDADE', 'Unidade.', 'ATIVO');
insert into unidade_medida (Id_Unidade_Medida, Nome, Descricao, Ind_Status) values (2, 'ML', 'Mililitro.', 'ATIVO');
insert into unidade_medida (Id_Unidade_Medida, Nome, Descricao, Ind_Status) values (3, 'MG', 'Miligrama.', 'ATIVO');
insert into unidade_medida (Id_Unidade_Medida, Nome, Descricao, Ind_Status) values (4, 'COMPRIMIDO', 'Comprimido.', 'ATIVO');

-- The vaccination page stands for no choice with the rows named "Não se aplica".
insert into tipo_vacina (Id_tipo_vacina, Nome, Descricao, Ind_registro_ativo) values (1, 'Não se aplica', 'Nenhuma vacina aplicada.', 'ATIVO');
insert into tipo_vacina (Id_tipo_vacina, Nome, Descricao, Ind_registro_ativo) values (2, 'ANTIRRÁBICA', 'Vacina contra a raiva.', 'ATIVO');
insert into tipo_motivo_nao_vacina (Id_tipo_motivo_nao_vacina, Nome, Descricao, Ind_registro_ativo) values (1, 'Não se aplica', 'Sem motivo de não vacinação.', 'ATIVO');
insert into tipo_vacina_ocorrencia (Id_tipo_vacina_ocorrencia, Nome, Descricao, Ind_registro_ativo) values (1, 'Não se aplica', 'Sem intercorrência vacinal.', 'ATIVO');

insert into receituario_padrao (Id_Receituario_padrao, descricao) values (1, '');

-- Orientation text of the notification e-mail: each <br>, with the line break right after it, becomes " - ".
insert into orientacao_padrao_atend (Id_Orientacao_Padrao_Atend, Texto_padrao_orientacao) values (1, 'Manter o animal em jejum alimentar de 12 horas e hídrico de 6 horas antes da cirurgia.<br>
Trazer o animal em caixa de transporte (gatos) ou com coleira e guia (cães).<br>
O proprietário ou responsável maior de 18 anos deve comparecer com documento de identidade.<br>
Chegar com 30 minutos de antecedência ao local do atendimento.');
