-- City street and address register (read only for NURV).

create table TipoLogradouro (
    Tip_Logr varchar(3) not null primary key,
    Des_Tip_Logr varchar(50)
);

create table logradouro (
    num_logr integer not null primary key,
    nom_logr varchar(80)
);
create index ix_logradouro_nom_logr on logradouro (nom_logr);

-- Names a street has had; sequence 1 is the current name.
create table logradouroNome (
    num_logr integer not null,
    num_sequ_logr integer not null,
    tip_logr varchar(10),
    nom_logr varchar(80),
    primary key (num_logr, num_sequ_logr)
);

-- House-number ranges per postal code and side of the street
-- (ind_lado_logr "I" odd, "P" even). The range bounds are text.
create table cepLogradouro (
    num_logr integer not null,
    num_cep varchar(10) not null,
    ind_lado_logr varchar(1),
    num_imov_inic varchar(6),
    num_imov_fina varchar(6)
);
create index ix_ceplogradouro_num_cep on cepLogradouro (num_cep);
create index ix_ceplogradouro_num_logr on cepLogradouro (num_logr);

create table bairro (
    num_bair integer not null primary key,
    nom_bair varchar(50),
    tip_bair varchar(10),
    tip_clss_bair varchar(1)
);

create table BairroLogradouro (
    num_logr integer not null,
    num_bair integer not null,
    primary key (num_logr, num_bair)
);

-- Search set: one row per street name and neighbourhood.
create table pesquisaLograd (
    num_logr integer not null,
    num_sequ_logr integer,
    tip_logr varchar(10),
    nom_logr varchar(80),
    tip_bair varchar(10),
    num_bair integer,
    nom_bair varchar(50),
    tip_clss_bair varchar(1),
    ind_bair_cord varchar(1)
);
create index ix_pesquisalograd_num_logr on pesquisaLograd (num_logr);
create index ix_pesquisalograd_nom_logr on pesquisaLograd (nom_logr);

-- Coverage areas by health district (sit_regt "A" active).
create table AreaAbrang (
    cod_area_abrn integer not null primary key,
    des_area_abrn varchar(40),
    cod_ditr_sani integer,
    sit_regt varchar(1)
);

create table localidade (
    num_locl integer not null primary key,
    nom_locl varchar(45)
);

-- Buildings of a street with their coordinates. The first five characters of
-- num_imov are the house number.
create table LogradouroImovel (
    num_logr integer not null,
    num_imov varchar(10) not null,
    val_cood_x numeric(18,8),
    val_cood_y numeric(18,8),
    primary key (num_logr, num_imov)
);
