-- Sibling zoonoses system (read only for NURV): sample collection bulletins
-- and their samples with the leishmaniasis results.

create table sa001041 (
    numinca integer not null,
    numdistrito integer not null,
    numboletim integer not null,
    dtcoleta timestamp,
    catboletim varchar(10),
    numproto varchar(20),
    codlab varchar(10),
    primary key (numinca, numdistrito, numboletim)
);

-- resultamostra: PO/RE positive, NR non reactive, IN/MO; confamostra "OK" when
-- the result is confirmed.
create table sa001042 (
    numinca integer not null,
    numdistrito integer not null,
    numboletim integer not null,
    codAmostra varchar(9) not null,
    nompropri varchar(30),
    tipolograd varchar(3),
    desclograd varchar(50),
    numendprop integer,
    aptocomprop varchar(30),
    nomecao varchar(30),
    caosexo varchar(1),
    resultamostra varchar(2),
    confamostra varchar(2),
    dtconfamostra timestamp,
    numquart varchar(10),
    tpocorlaudo varchar(10),
    primary key (numinca, numdistrito, numboletim, codAmostra)
);
