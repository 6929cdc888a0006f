-- SQLite: the owners' names anywhere in the text, a full-text table (trigram tokenizer) of fold() of the names
-- under the owner's key. Its fill runs in parts, so that other workstations save meanwhile: the row of
-- nurv_preenchimento says which owners it holds (up to the key `ate`), the triggers keep those, and every owner
-- once the fill is over and the row gone. What an earlier start left is made again from nothing.
create table if not exists nurv_preenchimento (tabela varchar(40) primary key, ate integer not null) @SQLITE@;
drop trigger if exists tr_proprietario_fold_insert @SQLITE@;
drop trigger if exists tr_proprietario_fold_delete @SQLITE@;
drop trigger if exists tr_proprietario_fold_update @SQLITE@;
drop table if exists proprietario_fold @SQLITE@;
delete from nurv_preenchimento where tabela = 'proprietario_fold' @SQLITE@;
insert into nurv_preenchimento (tabela, ate) select 'proprietario_fold', coalesce(min(Id_Proprietario), 0) - 1 from proprietario @SQLITE@;
create virtual table proprietario_fold using fts5(nome, content='', tokenize='trigram') @SQLITE@;
create trigger tr_proprietario_fold_insert after insert on proprietario begin insert into proprietario_fold (rowid, nome) select new.Id_Proprietario, fold(new.Nome) where new.Id_Proprietario <= coalesce((select ate from nurv_preenchimento where tabela = 'proprietario_fold'), new.Id_Proprietario); end @SQLITE@;
create trigger tr_proprietario_fold_delete after delete on proprietario begin insert into proprietario_fold (proprietario_fold, rowid, nome) select 'delete', old.Id_Proprietario, fold(old.Nome) where old.Id_Proprietario <= coalesce((select ate from nurv_preenchimento where tabela = 'proprietario_fold'), old.Id_Proprietario); end @SQLITE@;
create trigger tr_proprietario_fold_update after update of Id_Proprietario, Nome on proprietario begin insert into proprietario_fold (proprietario_fold, rowid, nome) select 'delete', old.Id_Proprietario, fold(old.Nome) where old.Id_Proprietario <= coalesce((select ate from nurv_preenchimento where tabela = 'proprietario_fold'), old.Id_Proprietario); insert into proprietario_fold (rowid, nome) select new.Id_Proprietario, fold(new.Nome) where new.Id_Proprietario <= coalesce((select ate from nurv_preenchimento where tabela = 'proprietario_fold'), new.Id_Proprietario); end @SQLITE@;
insert into proprietario_fold (rowid, nome) select Id_Proprietario, fold(Nome) from proprietario where Id_Proprietario > :ate order by Id_Proprietario limit 10000 @SQLITE@ @PARTS@;
