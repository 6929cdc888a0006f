-- Stored texts compared as the old server compared them: a document by its key (documentKeySql()), whole or by
-- its beginning, however another program stored it; web logins whole; the street register's streets by name (on
-- SQLite its file is another program's, and stays as it is given).
create index if not exists ix_proprietario_key_cpf_cnpj on proprietario
    (upper(replace(replace(replace(replace(Num_CPF_CNPJ, '.', ''), '-', ''), '/', ''), ' ', '')) @PATTERN@);
drop index if exists ix_proprietario_digits_cpf_cnpj;
create index if not exists ix_usuario_fold_trim_login on usuario (fold(trim(Login)));
create index if not exists ix_logradouro_fold_trim_nom_logr on padrao.logradouro (fold(trim(nom_logr))) @POSTGRESQL@;
-- Most owners are active: without this the server takes "fold(trim(Status_Registro)) = 'ativo'" for a rare
-- value and starts the searches from the owners instead of from the index of what was typed.
create statistics if not exists st_proprietario_fold_status on (fold(trim(Status_Registro))) from proprietario @POSTGRESQL@;
drop statistics if exists st_proprietario_status @POSTGRESQL@;
