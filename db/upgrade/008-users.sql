-- Users and web accounts: name and e-mail whole; the operators of a work unit.
create index if not exists ix_usuario_fold_trim_nome on usuario (fold(trim(Nome)));
create index if not exists ix_usuario_fold_trim_email on usuario (fold(trim(Email_usu)));
create index if not exists ix_usuario_unidade on usuario (Id_Unidade_Trabalho);
