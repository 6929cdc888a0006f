-- Indexes of the searches and of the saves' checks on the large tables, made at every start where they are
-- missing (a database of an earlier version gets them then). Each serves one expression exactly as the
-- statements write it.
-- @PATTERN@ names PostgreSQL's pattern operator class, which lets a `like 'abc%'` use the index (SQLite
-- searches a prefix as a range instead); a statement marked @POSTGRESQL@ runs on PostgreSQL only.
-- On SQLite an index over fold() needs fold() on every connection that writes the table: a tool other than
-- NURV that writes these tables in nurv.db must define fold() first (NURV's own connections do).

-- Reference tables searched by name
create index if not exists ix_tipo_procedimento_fold_nome on tipo_procedimento (fold(Nome) @PATTERN@);
create index if not exists ix_atendimento_status_fold_nome on atendimento_status (fold(Nome) @PATTERN@);
create index if not exists ix_medicamento_fold_nome on medicamento (fold(Nome) @PATTERN@);

-- Owners: name, identity and document by their beginning; name, e-mail and identity whole; the address
-- and web account that lead to them.
create index if not exists ix_proprietario_fold_nome on proprietario (fold(Nome) @PATTERN@);
create index if not exists ix_proprietario_fold_trim_nome on proprietario (fold(trim(Nome)));
create index if not exists ix_proprietario_fold_trim_email on proprietario (fold(trim(Email_Proprietario)));
create index if not exists ix_proprietario_fold_num_ci on proprietario (fold(Num_CI) @PATTERN@);
create index if not exists ix_proprietario_fold_trim_num_ci on proprietario (fold(trim(Num_CI)));
create index if not exists ix_proprietario_num_ci on proprietario (Num_CI);
create index if not exists ix_proprietario_fold_num_cpf_cnpj on proprietario (fold(Num_CPF_CNPJ) @PATTERN@);
create index if not exists ix_proprietario_digits_cpf_cnpj on proprietario
    (replace(replace(replace(replace(Num_CPF_CNPJ, '.', ''), '-', ''), '/', ''), ' ', ''));
create index if not exists ix_proprietario_id_endereco on proprietario (Id_Endereco);
create index if not exists ix_proprietario_id_usu_web on proprietario (id_usu_web);
create index if not exists ix_proprietario_trgm_nome on proprietario using gin (fold(Nome) gin_trgm_ops) @POSTGRESQL@;
-- Most owners are active: without this the server takes "trim(Status_Registro) = 'ATIVO'" for a rare value
-- and starts the searches from the owners instead of from the index of what was typed.
create statistics if not exists st_proprietario_status on (trim(Status_Registro)) from proprietario @POSTGRESQL@;

-- Addresses by street; the animals that live there.
create index if not exists ix_endereco_fold_nom_logr on endereco (fold(NOM_LOGR) @PATTERN@);
create index if not exists ix_endereco_animal_endereco on endereco_animal (Id_Endereco);

-- Animals: name by its beginning, pedigree whole; name and microchip anywhere in the text.
create index if not exists ix_animal_fold_nome on animal (fold(Nome) @PATTERN@);
create index if not exists ix_animal_fold_trim_num_pedigree on animal (fold(trim(Num_Pedigree)));
create index if not exists ix_animal_trgm_nome on animal using gin (fold(Nome) gin_trgm_ops) @POSTGRESQL@;
create index if not exists ix_animal_trgm_microchip on animal
    using gin (fold(replace(Num_Microchip, ' ', '')) gin_trgm_ops) @POSTGRESQL@;

-- Users and web accounts: name and e-mail whole; the operators of a work unit.
create index if not exists ix_usuario_fold_trim_nome on usuario (fold(trim(Nome)));
create index if not exists ix_usuario_fold_trim_email on usuario (fold(trim(Email_usu)));
create index if not exists ix_usuario_unidade on usuario (Id_Unidade_Trabalho);
