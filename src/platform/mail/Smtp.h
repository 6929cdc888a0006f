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

// Encodes a header text as RFC 2047 words when it is not plain ASCII.
QByteArray headerWords(const QString& text);

// Sends the message. A relay that cannot be reached throws kErroConexao; any other failure (a relay that
// stops answering included) throws the library's text with the relay's last reply. Safe to call from a
// thread of its own.
void send(const Relay& relay, const Message& message);

}  // namespace mail
