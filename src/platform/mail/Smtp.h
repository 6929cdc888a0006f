// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sending one e-mail through an SMTP relay: plain SMTP without authentication or TLS, synchronous, every
// wait of the exchange bounded.

#include <QString>
#include <QStringList>
#include <stdexcept>

namespace mail {

// A failure of the relay or of the message; what() is UTF-8.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

inline const QString kErroConexao = QStringLiteral("Erro de conexão");
inline const QString kAnexoNaoEncontrado = QStringLiteral("Anexo não encontrado: ");
// The relay's failures that have a known cause, as the user is told them.
inline const QString kDestinatarioRecusado = QStringLiteral(
    "O servidor de e-mail recusou o destinatário. Peça ao administrador que confira o endereço \"to\" da "
    "seção [mail] do arquivo de configuração.");
inline const QString kRemetenteRecusado = QStringLiteral(
    "O servidor de e-mail recusou o remetente. Peça ao administrador que confira o endereço \"from\" da "
    "seção [mail] do arquivo de configuração.");
inline const QString kServidorNaoRespondeu = QStringLiteral(
    "O servidor de e-mail não respondeu a tempo. Tente novamente mais tarde; se persistir, avise o administrador "
    "da rede.");
inline const QString kRespostaInesperada = QStringLiteral(
    "O servidor de e-mail respondeu de forma inesperada. Peça ao administrador que confira \"host\" e \"port\" "
    "da seção [mail] do arquivo de configuração.");
inline const QString kConexaoInterrompida =
    QStringLiteral("A conexão com o servidor de e-mail caiu durante o envio. Tente novamente mais tarde.");
// Any other failure: the library's own words go to the standard error stream only.
inline const QString kEnvioFalhou = QStringLiteral(
    "O servidor de e-mail não aceitou a mensagem. Peça ao administrador que confira a seção [mail] do arquivo de "
    "configuração.");

struct Relay {
    QString host;
    int port = 587;
    QString helo;  // the name the client gives itself; empty: the library's default
    // Seconds the whole exchange may take; the connection and each reply of the relay wait at most half of
    // it (at least a second), so a relay that stops answering fails the send within this time.
    int timeout = 20;
};

struct Message {
    QString fromAddress;
    QString fromName;
    QStringList to;
    QString subject;
    QString body;             // sent as UTF-8 text/plain
    QStringList attachments;  // file paths, Qt resources (":/...") included
};

// Header lines as sent, without their CRLF: folded before a blank wherever a line would reach 78
// characters; the words that are not plain ASCII (in a display name also those with specials) and those too
// long for a line as RFC 2047 encoded words of at most 75 characters, cut at blanks, with the plain words
// around them as they are; a plain ASCII display name with specials quoted when its words fit their lines.
QByteArray textHeader(const QByteArray& name, const QString& text);
QByteArray mailboxHeader(const QByteArray& name, const QString& displayName, const QString& address);
// An attachment's Content-Disposition value, folded for a line that starts "Content-Disposition: ": a plain
// ASCII name quoted, any other name and one too long for a line in RFC 2231's encoded form, continued over
// several parameters when long.
QByteArray attachmentDisposition(const QString& fileName);

// What the user is told for a failed dialogue: the library's result code, its text of the relay's last
// reply, and whether the connection had been made. A relay that cannot be reached is kErroConexao; the
// other known causes have their sentence above; any other failure is kEnvioFalhou.
QString relayFailure(int curlCode, const QString& reply, bool connected);

// Sends the message. Failures throw relayFailure()'s text, the library's own text then going to the
// standard error stream; a relay that stops answering fails within the relay's timeout. Safe to call from
// a thread of its own.
void send(const Relay& relay, const Message& message);

}  // namespace mail
