-- Addresses by street; the animals that live there.
create index if not exists ix_endereco_fold_nom_logr on endereco (fold(NOM_LOGR) @PATTERN@);
create index if not exists ix_endereco_animal_endereco on endereco_animal (Id_Endereco);
