-- Periods the consolidated statistics count: animals and procedures by their insertion, occurrences by their
-- date (attendances by their moment: ix_atendimento_data_hora, made with the table).
create index if not exists ix_animal_inserido_em on animal (Inserido_Em);
create index if not exists ix_ocorrencia_dt_ocorrencia on ocorrencia (Dt_Ocorrencia);
create index if not exists ix_procedimento_inserido_em on procedimento (Inserido_Em);
