-- Owners: name, identity and document by their beginning; name, e-mail and identity whole; the address and
-- web account that lead to them; on PostgreSQL the name anywhere in the text.
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
