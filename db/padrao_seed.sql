-- A small sample street register for the embedded default database: enough to enter and save addresses.

insert into TipoLogradouro (Tip_Logr, Des_Tip_Logr) values ('R', 'RUA'), ('AV', 'AVENIDA'), ('TV', 'TRAVESSA'), ('PC', 'PRACA');

insert into bairro (num_bair, nom_bair, tip_bair, tip_clss_bair) values
    (1, 'CENTRO', 'B', 'P'),
    (2, 'JARDIM DAS FLORES', 'B', 'P'),
    (3, 'VILA NOVA', 'B', 'P'),
    (4, 'SANTA LUZIA', 'B', 'P');

insert into logradouro (num_logr, nom_logr) values
    (101, 'DAS PALMEIRAS'),
    (102, 'SETE DE SETEMBRO'),
    (103, 'DOS IPES'),
    (104, 'DA MATRIZ'),
    (105, 'JOAO PESSOA'),
    (106, 'DAS ACACIAS');

insert into logradouroNome (num_logr, num_sequ_logr, tip_logr, nom_logr) values
    (101, 1, 'R', 'DAS PALMEIRAS'),
    (102, 1, 'AV', 'SETE DE SETEMBRO'),
    (103, 1, 'R', 'DOS IPES'),
    (104, 1, 'PC', 'DA MATRIZ'),
    (105, 1, 'AV', 'JOAO PESSOA'),
    (106, 1, 'TV', 'DAS ACACIAS');

insert into BairroLogradouro (num_logr, num_bair) values
    (101, 1), (102, 1), (102, 2), (103, 2), (104, 1), (105, 3), (106, 4);

insert into pesquisaLograd (num_logr, num_sequ_logr, tip_logr, nom_logr, tip_bair, num_bair, nom_bair, tip_clss_bair, ind_bair_cord) values
    (101, 1, 'R', 'DAS PALMEIRAS', 'B', 1, 'CENTRO', 'P', 'N'),
    (102, 1, 'AV', 'SETE DE SETEMBRO', 'B', 1, 'CENTRO', 'P', 'N'),
    (102, 1, 'AV', 'SETE DE SETEMBRO', 'B', 2, 'JARDIM DAS FLORES', 'P', 'N'),
    (103, 1, 'R', 'DOS IPES', 'B', 2, 'JARDIM DAS FLORES', 'P', 'N'),
    (104, 1, 'PC', 'DA MATRIZ', 'B', 1, 'CENTRO', 'P', 'N'),
    (105, 1, 'AV', 'JOAO PESSOA', 'B', 3, 'VILA NOVA', 'P', 'N'),
    (106, 1, 'TV', 'DAS ACACIAS', 'B', 4, 'SANTA LUZIA', 'P', 'N');

insert into cepLogradouro (num_logr, num_cep, ind_lado_logr, num_imov_inic, num_imov_fina) values
    (101, '70000101', 'I', '1', '999'),
    (101, '70000102', 'P', '2', '998'),
    (102, '70000201', 'I', '1', '1999'),
    (102, '70000202', 'P', '2', '1998'),
    (103, '70000301', 'I', '1', '499'),
    (103, '70000302', 'P', '2', '498'),
    (104, '70000401', 'I', '1', '199'),
    (104, '70000402', 'P', '2', '198'),
    (105, '70000501', 'I', '1', '2999'),
    (105, '70000502', 'P', '2', '2998'),
    (106, '70000601', 'I', '1', '299'),
    (106, '70000602', 'P', '2', '298');

insert into AreaAbrang (cod_area_abrn, des_area_abrn, cod_ditr_sani, sit_regt) values
    (11, 'AREA 11 - DS1', 1, 'A'),
    (21, 'AREA 21 - DS2', 2, 'A'),
    (31, 'AREA 31 - DS3', 3, 'A'),
    (41, 'AREA 41 - DS4', 4, 'A'),
    (51, 'AREA 51 - DS5', 5, 'A'),
    (61, 'AREA 61 - DS6', 6, 'A'),
    (71, 'AREA 71 - DS7', 7, 'A'),
    (81, 'AREA 81 - DS8', 8, 'A'),
    (91, 'AREA 91 - DS9', 9, 'A');

insert into localidade (num_locl, nom_locl) values (1, 'SEDE');

insert into LogradouroImovel (num_logr, num_imov, val_cood_x, val_cood_y) values
    (101, '00010', 180100.50, 9120100.50),
    (101, '00051', 180140.00, 9120110.00),
    (101, '00100', 180190.00, 9120125.00),
    (102, '00015', 180300.00, 9120400.00),
    (102, '00200', 180480.00, 9120420.00),
    (103, '00020', 181000.00, 9121000.00),
    (105, '01000', 182000.00, 9122000.00);
