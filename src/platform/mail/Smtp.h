#pragma once
// Sending one e-mail through an SMTP relay: plain SMTP without authentication or TLS, synchronous.

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
// characters, so never beyond 998; the words that are not plain ASCII (in a display name also those with
// specials) as RFC 2047 encoded words, cut at blanks, with the plain words around them as they are; a plain
// ASCII display name with specials quoted.
QByteArray textHeader(const QByteArray& name, const QString& text);
QByteArray mailboxHeader(const QByteArray& name, const QString& displayName, const QString& address);
// An attachment's Content-Disposition value: a plain ASCII name quoted, any other name in RFC 2231's
// encoded form, continued over several parameters when long.
QByteArray attachmentDisposition(const QString& fileName);

// Sends the message. A relay that cannot be reached throws kErroConexao; any other failure throws the
// library's text with the relay's last reply. Connect timeout 10 s, whole dialogue 60 s.
void send(const Relay& relay, const Message& message);

}  // namespace mail
