#pragma once
// The availability map's pure rules: the editor's states, the field checks and the save's check order, the
// provisional slot's checks, the clone's month grid and the month summary's text.

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>
#include <array>
#include <optional>

namespace mapa {

// The editor's state (EstadoMapa) and what moves it.
enum class EstadoMapa { Vazio, Novo, Alterar, Cancelar, NovoComArea };
enum class EventoMapa { NovasVagas, Alterar, Cancelar, Excluir, GravouComAreas, FimGravar };
EstadoMapa proximoEstado(EstadoMapa atual, EventoMapa evento);
QString estadoTexto(EstadoMapa estado);  // "", "novo", "alterar", "cancelar", "novoComArea"
// Calendar and combo clicks reload the day unless a slot is being typed.
bool recarregaDia(EstadoMapa estado);

// A typed "HH:MM" as a time; "24:00" and anything else that is no clock time is invalid.
std::optional<QTime> horaValida(const QString& text);
// Whole number of a quantity text, or nothing when it is not one.
std::optional<int> numero(const QString& text);

// The check on leaving the hour: the message, or nothing when the text passes (or nothing was typed).
std::optional<QString> checaSaidaHora(const QString& text);
// Hour text of a stored slot ("HH:mm"; "00:00" at midnight).
QString horaDaVaga(const QDateTime& value);
// Leaving a quantity: Aceita, or the message with whether the field is to be emptied.
enum class SaidaQuantidade { Aceita, Limpa, Mantem };
SaidaQuantidade checaSaidaQuantidade(const QString& text);

// The fields a check refers to.
enum class Campo { Nenhum, Unidade, Procedimento, Especie, Data, Hora, Geral, Femea };

struct Recusa {
    QString mensagem;
    Campo campo = Campo::Nenhum;
    bool zeraFemea = false;  // the large-female field is set to "0" (and locked, in the editor)
    bool aviso = false;      // a warning box rather than an information box
};

// What the editor's save checks, as typed.
struct VagaDigitada {
    QString unidade, procedimento, especie;  // the combos' texts
    int idEspecie = -1;
    QString data;                            // the provisional map's date field ("dd/mm/yyyy")
    QString hora, geral, femea;
};

// The map editor's save: the first refusal in the order the operator is told, or nothing. Empty quantities
// become "0" first (written back into `vaga`).
std::optional<Recusa> checaGravarMapa(VagaDigitada& vaga);
// The provisional map's save (quantities 0 to 99); an empty large-female quantity of species 2 counts 0.
std::optional<Recusa> checaGravarRascunho(VagaDigitada& vaga);

// The slot's date-time: the day at the typed hour, seconds 0.
QDateTime dataHora(const QDate& dia, const QString& hora);

// A used count raised above the new quantity: the refusal of an update, checking general first.
std::optional<QString> checaUsadas(int usadaGeral, int usadaFemea, int geral, int femea);

// The clone's month: row 0 the weekday names, rows 1 to 6 the day numbers from the weekday of the 1st.
using GradeMes = std::array<std::array<QString, 7>, 7>;
GradeMes gradeMes(int ano, int mes);
QString nomeMes(int mes);
// The month `deslocamento` months from `hoje` (the first of it).
QDate mesDeslocado(const QDate& hoje, int deslocamento);
// A cell toggled by a click: marked with the hour, or back to its day. Cells without a day stay as they are.
QString alternaMarca(const QString& celula, const QString& hora);
bool marcada(const QString& celula);
// Marked days in generation order: columns Sunday to Saturday, rows top to bottom.
QList<int> diasMarcados(const GradeMes& grade);

// One row of the month summary: a unit, day-hour and area with its sums.
struct LinhaResumo {
    QString unidade;
    int idUnidade = 0;
    QDateTime dataHora;
    QVariant area;        // null: the whole region
    QString nomeArea;
    int geral = 0, femea = 0, usadaGeral = 0, usadaFemea = 0;
};
QString textoResumoMes(const QList<LinhaResumo>& linhas);

}  // namespace mapa
