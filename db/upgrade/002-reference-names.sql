-- Reference tables searched by name. Each index serves one expression exactly as the statements write it;
-- @PATTERN@ lets PostgreSQL's `like 'abc%'` use it (SQLite searches a prefix as a range instead).
create index if not exists ix_tipo_procedimento_fold_nome on tipo_procedimento (fold(Nome) @PATTERN@);
create index if not exists ix_atendimento_status_fold_nome on atendimento_status (fold(Nome) @PATTERN@);
create index if not exists ix_medicamento_fold_nome on medicamento (fold(Nome) @PATTERN@);
