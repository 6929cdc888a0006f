-- SQLite: the animals' names and microchips (without blanks) anywhere in the text, filled in parts and kept
-- by triggers as the owners' names are (006).
create table if not exists nurv_preenchimento (tabela varchar(40) primary key, ate integer not null) @SQLITE@;
drop trigger if exists tr_animal_fold_insert @SQLITE@;
drop trigger if exists tr_animal_fold_delete @SQLITE@;
drop trigger if exists tr_animal_fold_update @SQLITE@;
drop table if exists animal_fold @SQLITE@;
delete from nurv_preenchimento where tabela = 'animal_fold' @SQLITE@;
insert into nurv_preenchimento (tabela, ate) select 'animal_fold', coalesce(min(Id_Animal), 0) - 1 from animal @SQLITE@;
create virtual table animal_fold using fts5(nome, microchip, content='', tokenize='trigram') @SQLITE@;
create trigger tr_animal_fold_insert after insert on animal begin insert into animal_fold (rowid, nome, microchip) select new.Id_Animal, fold(new.Nome), fold(replace(new.Num_Microchip, ' ', '')) where new.Id_Animal <= coalesce((select ate from nurv_preenchimento where tabela = 'animal_fold'), new.Id_Animal); end @SQLITE@;
create trigger tr_animal_fold_delete after delete on animal begin insert into animal_fold (animal_fold, rowid, nome, microchip) select 'delete', old.Id_Animal, fold(old.Nome), fold(replace(old.Num_Microchip, ' ', '')) where old.Id_Animal <= coalesce((select ate from nurv_preenchimento where tabela = 'animal_fold'), old.Id_Animal); end @SQLITE@;
create trigger tr_animal_fold_update after update of Id_Animal, Nome, Num_Microchip on animal begin insert into animal_fold (animal_fold, rowid, nome, microchip) select 'delete', old.Id_Animal, fold(old.Nome), fold(replace(old.Num_Microchip, ' ', '')) where old.Id_Animal <= coalesce((select ate from nurv_preenchimento where tabela = 'animal_fold'), old.Id_Animal); insert into animal_fold (rowid, nome, microchip) select new.Id_Animal, fold(new.Nome), fold(replace(new.Num_Microchip, ' ', '')) where new.Id_Animal <= coalesce((select ate from nurv_preenchimento where tabela = 'animal_fold'), new.Id_Animal); end @SQLITE@;
insert into animal_fold (rowid, nome, microchip) select Id_Animal, fold(Nome), fold(replace(Num_Microchip, ' ', '')) from animal where Id_Animal > :ate order by Id_Animal limit 10000 @SQLITE@ @PARTS@;
