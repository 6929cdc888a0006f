-- Animals: name by its beginning, pedigree whole; on PostgreSQL name and microchip anywhere in the text.
create index if not exists ix_animal_fold_nome on animal (fold(Nome) @PATTERN@);
create index if not exists ix_animal_fold_trim_num_pedigree on animal (fold(trim(Num_Pedigree)));
create index if not exists ix_animal_trgm_nome on animal using gin (fold(Nome) gin_trgm_ops) @POSTGRESQL@;
create index if not exists ix_animal_trgm_microchip on animal
    using gin (fold(replace(Num_Microchip, ' ', '')) gin_trgm_ops) @POSTGRESQL@;
