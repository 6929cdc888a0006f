#pragma once
// The availability map's statements: published slots, provisional slots, coverage areas, the month
// summary and special bookings. Nothing here commits: the user's action holds the transaction.

#include "availability/MapaRules.h"
#include "platform/db/DataSet.h"
#include "platform/db/EditedRow.h"

#include <QHash>

namespace mapa {

// A client key: the table's highest key plus one (1 for an empty table), db::nextKey(). Call it inside the
// transaction of the insert that uses it. Table and column come from the code.
int proximaChave(const QString& tabela, const QString& chave);
// The first column of the first row of a count or sum, 0 without rows or for null.
int valorInteiro(const QString& sql, const QVariantHash& params);

// One published or provisional slot, as written.
struct Vaga {
    int unidade = 0, procedimento = 0, especie = 0;
    QDateTime dataHora;
    int geral = 0, femea = 0, usadaGeral = 0, usadaFemea = 0;
    QVariant area;     // null: the whole region
    QVariant autor;    // who inserted it; null: the logged-in user
};

// Look-up lists (key, name as stored and description; the editor shows them in capitals) and upper-case names by key
// for the lists' computed columns (upper-cased here: SQLite's upper() knows no accents).
db::RowSet unidadesAtivas();
db::RowSet procedimentosCirurgia();
db::RowSet especies(bool soAtivas);
// Upper-case names by key of the tables the slot lists show.
struct NomesMapa {
    QHash<int, QString> unidades, procedimentos, especies, usuarios;
};
NomesMapa leNomes();

// The day's slots, every unit, procedure and species.
void abreDia(db::DataSet& dados, const QDate& dia);

// Slots with the same unit, species, date-hour and procedure (any area), leaving out the key `exceto`.
int contaIguais(const Vaga& v, const QVariant& exceto = {});
void insereVaga(int id, const Vaga& v);
// The update leaves a slot whose used counts exceed the new quantities, or a used slot that would move.
bool alteraVaga(int id, const Vaga& v);
// The delete leaves a used slot.
bool excluiVaga(int id);
struct Usadas {
    bool existe = false;
    int geral = 0, femea = 0;
    Vaga vaga;
};
Usadas leVaga(int id);

// Coverage areas of a health district (0: every district), active only.
db::RowSet areas(int distrito);

// The summary rows of the month that begins on `inicio`.
QList<LinhaResumo> linhasResumo(const QDate& inicio);

// Units the clone offers: active ones, without the central level.
db::RowSet unidadesClone();

// Provisional slots.
int contaIguaisRascunho(const Vaga& v, const QVariant& exceto);
void insereRascunho(int id, const Vaga& v);
// Change and inactivate a provisional slot as read (`lida`): kRegistroAlterado when another workstation
// changed it meanwhile.
void alteraRascunho(int id, const Vaga& v, const db::RowValues& lida);
void inativaRascunho(int id, const db::RowValues& lida);
db::RowSet rascunhosAtivos();
void marcaTransferido(int idRascunho, int idPublicado);
db::Query relatorioRascunho();

}  // namespace mapa
