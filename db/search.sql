-- Indexes of the searches, of the saves' checks and of the periods the reports count on the large tables,
-- made at every start where they are missing (a database of an earlier version gets them then). Each serves
-- one expression exactly as the statements write it.
-- @PATTERN@ names PostgreSQL's pattern operator class, which lets a `like 'abc%'` use the index (SQLite
-- searches a prefix as a range instead); a statement marked @POSTGRESQL@ runs on PostgreSQL only, one marked
-- @SQLITE@ on SQLite only.
-- A text anywhere in a column: PostgreSQL's trigram index (pg_trgm); on SQLite a full-text table of the
-- trigram tokenizer holding fold() of the texts under the row's key, kept by triggers (filled once when made).
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

-- SQLite's full-text tables of the owners' and animals' names and microchips.
create virtual table if not exists proprietario_fold using fts5(nome, content='', tokenize='trigram') @SQLITE@;
insert into proprietario_fold (rowid, nome) select Id_Proprietario, fold(Nome) from proprietario where not exists (select 1 from proprietario_fold_docsize) @SQLITE@;
create trigger if not exists tr_proprietario_fold_insert after insert on proprietario begin insert into proprietario_fold (rowid, nome) values (new.Id_Proprietario, fold(new.Nome)); end @SQLITE@;
create trigger if not exists tr_proprietario_fold_delete after delete on proprietario begin insert into proprietario_fold (proprietario_fold, rowid, nome) values ('delete', old.Id_Proprietario, fold(old.Nome)); end @SQLITE@;
create trigger if not exists tr_proprietario_fold_update after update of Id_Proprietario, Nome on proprietario begin insert into proprietario_fold (proprietario_fold, rowid, nome) values ('delete', old.Id_Proprietario, fold(old.Nome)); insert into proprietario_fold (rowid, nome) values (new.Id_Proprietario, fold(new.Nome)); end @SQLITE@;
create virtual table if not exists animal_fold using fts5(nome, microchip, content='', tokenize='trigram') @SQLITE@;
insert into animal_fold (rowid, nome, microchip) select Id_Animal, fold(Nome), fold(replace(Num_Microchip, ' ', '')) from animal where not exists (select 1 from animal_fold_docsize) @SQLITE@;
create trigger if not exists tr_animal_fold_insert after insert on animal begin insert into animal_fold (rowid, nome, microchip) values (new.Id_Animal, fold(new.Nome), fold(replace(new.Num_Microchip, ' ', ''))); end @SQLITE@;
create trigger if not exists tr_animal_fold_delete after delete on animal begin insert into animal_fold (animal_fold, rowid, nome, microchip) values ('delete', old.Id_Animal, fold(old.Nome), fold(replace(old.Num_Microchip, ' ', ''))); end @SQLITE@;
create trigger if not exists tr_animal_fold_update after update of Id_Animal, Nome, Num_Microchip on animal begin insert into animal_fold (animal_fold, rowid, nome, microchip) values ('delete', old.Id_Animal, fold(old.Nome), fold(replace(old.Num_Microchip, ' ', ''))); insert into animal_fold (rowid, nome, microchip) values (new.Id_Animal, fold(new.Nome), fold(replace(new.Num_Microchip, ' ', ''))); end @SQLITE@;

-- Users and web accounts: name, e-mail and login whole; the operators of a work unit.
create index if not exists ix_usuario_fold_trim_nome on usuario (fold(trim(Nome)));
create index if not exists ix_usuario_fold_trim_email on usuario (fold(trim(Email_usu)));
create index if not exists ix_usuario_fold_trim_login on usuario (fold(trim(Login)));
create index if not exists ix_usuario_unidade on usuario (Id_Unidade_Trabalho);

-- Periods the consolidated statistics count: animals and procedures by their insertion, occurrences by their
-- date (attendances by their moment: ix_atendimento_data_hora, made with the table).
create index if not exists ix_animal_inserido_em on animal (Inserido_Em);
create index if not exists ix_ocorrencia_dt_ocorrencia on ocorrencia (Dt_Ocorrencia);
create index if not exists ix_procedimento_inserido_em on procedimento (Inserido_Em);
