// SPDX-License-Identifier: GPL-3.0-or-later
// The SMTP client over libcurl: the message is built as a MIME tree and sent in one dialogue.
#include "platform/mail/Smtp.h"

#include <curl/curl.h>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <algorithm>
#include <memory>

namespace mail {

namespace {

struct CurlDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
    void operator()(curl_mime* m) const { curl_mime_free(m); }
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

void initialiseOnce() {
    static const bool done = [] { return curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; }();
    if (!done)
        throw Error(QStringLiteral("libcurl não pôde ser iniciada."));
}

constexpr qsizetype kFoldAt = 78;     // the length a folded line stays below where the text allows
constexpr qsizetype kWordBytes = 45;  // UTF-8 bytes of one encoded word: 60 Base64 characters, 72 in all

bool printable(QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; }
// What a display name cannot hold outside quotes (RFC 5322's specials).
bool special(QChar c) { return QStringLiteral("()<>[]:;@\\,.\"").contains(c); }

QByteArray encodedWord(const QByteArray& utf8) { return "=?UTF-8?B?" + utf8.toBase64() + "?="; }

// Text as encoded words of whole characters, each cut after its last blank when the next character does
// not fit: a reader that keeps the space between encoded words and one that drops it read the same text.
QList<QByteArray> encodedWords(const QString& text) {
    QList<QByteArray> words;
    QByteArray chunk;
    qsizetype afterBlank = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray bytes = text.mid(i, len).toUtf8();
        if (chunk.size() + bytes.size() > kWordBytes) {
            const qsizetype cut = afterBlank > 0 ? afterBlank : chunk.size();
            words << encodedWord(chunk.left(cut));
            chunk = chunk.mid(cut);
            afterBlank = 0;
        }
        chunk += bytes;
        if (text[i] == QLatin1Char(' '))
            afterBlank = chunk.size();
        i += len;
    }
    if (!chunk.isEmpty() || words.isEmpty())
        words << (chunk.isEmpty() ? QByteArray() : encodedWord(chunk));
    return words;
}

// The text as tokens that blanks join: plain words as they are, each run of words that need encoding (and
// the blanks between them) as encoded words.
QList<QByteArray> tokens(const QString& text, bool phrase) {
    const auto needsEncoding = [phrase](const QString& word) {
        if (word.size() > kFoldAt - 2 || word.contains(QLatin1String("=?")))
            return true;
        for (QChar c : word)
            if (!printable(c) || (phrase && special(c)))
                return true;
        return false;
    };
    QList<QByteArray> out;
    QStringList run;
    const auto endRun = [&] {
        if (!run.isEmpty())
            out << encodedWords(run.join(QLatin1Char(' ')));
        run.clear();
    };
    for (const QString& word : text.split(QLatin1Char(' '))) {
        if (needsEncoding(word) || (word.isEmpty() && !run.isEmpty())) {
            run << word;
        } else {
            endRun();
            out << word.toLatin1();
        }
    }
    endRun();
    return out;
}

// "Name:" and the tokens, each after a blank, with a line break before the blank wherever the line would
// reach kFoldAt; never right after the name nor before an empty token.
QByteArray folded(const QByteArray& name, const QList<QByteArray>& tokens) {
    QByteArray out = name + ':';
    qsizetype line = out.size();
    bool first = true;
    for (const QByteArray& token : tokens) {
        if (!first && !token.isEmpty() && line + 1 + token.size() >= kFoldAt) {
            out += "\r\n";
            line = 0;
        }
        out += ' ' + token;
        line += 1 + token.size();
        first = false;
    }
    return out;
}

// The library copies what these setters receive, so the buffers may go once each call returns.
void addPart(curl_mime* mime, const QByteArray& data, const char* type, const char* encoder,
             const QByteArray& disposition = {}) {
    curl_mimepart* part = curl_mime_addpart(mime);
    curl_mime_data(part, data.constData(), size_t(data.size()));
    curl_mime_type(part, type);
    curl_mime_encoder(part, encoder);
    if (!disposition.isEmpty()) {
        curl_slist* headers = curl_slist_append(nullptr, ("Content-Disposition: " + disposition).constData());
        curl_mime_headers(part, headers, 1);  // the part frees the list
    }
}

const char* typeOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return "image/jpeg";
    if (suffix == QLatin1String("png"))
        return "image/png";
    if (suffix == QLatin1String("pdf"))
        return "application/pdf";
    if (suffix == QLatin1String("txt"))
        return "text/plain";
    return "application/octet-stream";
}

// The library's own words for a failure, with the relay's last reply.
QString technicalText(int code, const QString& reply) {
    QString text = QString::fromUtf8(curl_easy_strerror(CURLcode(code)));
    if (!reply.trimmed().isEmpty())
        text += QStringLiteral(": ") + reply.trimmed();
    return text;
}

}  // namespace

QString relayFailure(int curlCode, const QString& reply, bool connected) {
    const QString last = reply.trimmed();
    switch (curlCode) {
    case CURLE_COULDNT_CONNECT:
    case CURLE_COULDNT_RESOLVE_HOST: return kErroConexao;
    case CURLE_OPERATION_TIMEDOUT: return connected ? kServidorNaoRespondeu : kErroConexao;
    case CURLE_WEIRD_SERVER_REPLY: return kRespostaInesperada;
    default: break;
    }
    if (last.startsWith(QLatin1String("RCPT failed"), Qt::CaseInsensitive))
        return kDestinatarioRecusado;
    if (last.startsWith(QLatin1String("MAIL failed"), Qt::CaseInsensitive))
        return kRemetenteRecusado;
    if (curlCode == CURLE_SEND_ERROR || curlCode == CURLE_RECV_ERROR || curlCode == CURLE_GOT_NOTHING)
        return kConexaoInterrompida;
    return kEnvioFalhou;
}

QByteArray textHeader(const QByteArray& name, const QString& text) { return folded(name, tokens(text, false)); }

QByteArray mailboxHeader(const QByteArray& name, const QString& displayName, const QString& address) {
    QList<QByteArray> words;
    const QString display = displayName.trimmed();
    bool ascii = true;
    for (QChar c : display)
        ascii = ascii && printable(c);
    if (!display.isEmpty() && ascii && std::any_of(display.begin(), display.end(), special)) {
        QString quoted = display;
        quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
        for (const QString& word : (QLatin1Char('"') + quoted + QLatin1Char('"')).split(QLatin1Char(' ')))
            words << word.toLatin1();
    } else if (!display.isEmpty()) {
        words = tokens(display, true);
    }
    words << '<' + address.trimmed().toUtf8() + '>';
    return folded(name, words);
}

QByteArray attachmentDisposition(const QString& fileName) {
    if (std::all_of(fileName.begin(), fileName.end(),
                    [](QChar c) { return printable(c) && c != QLatin1Char('"') && c != QLatin1Char('\\'); }))
        return "attachment; filename=\"" + fileName.toLatin1() + '"';
    const QByteArray value = fileName.toUtf8().toPercentEncoding("!#$&+^`{}|~");
    // Pieces of at most 60 characters that never cut a "%XX".
    QList<QByteArray> pieces;
    for (qsizetype at = 0; at < value.size();) {
        qsizetype end = std::min(at + 60, value.size());
        if (end < value.size() && value[end - 1] == '%')
            end -= 1;
        else if (end < value.size() && end - 2 >= at && value[end - 2] == '%')
            end -= 2;
        pieces << value.mid(at, end - at);
        at = end;
    }
    if (pieces.size() == 1)
        return "attachment; filename*=UTF-8''" + pieces[0];
    QByteArray out = "attachment";
    for (qsizetype i = 0; i < pieces.size(); ++i)
        out += ";\r\n filename*" + QByteArray::number(i) + "*=" + (i == 0 ? "UTF-8''" : "") + pieces[i];
    return out;
}

void send(const Relay& relay, const Message& message) {
    initialiseOnce();
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl)
        throw Error(QStringLiteral("libcurl não pôde ser iniciada."));
    CURL* c = curl.get();

    const QByteArray url =
        QStringLiteral("smtp://%1:%2/%3").arg(relay.host.trimmed()).arg(relay.port).arg(relay.helo.trimmed()).toUtf8();
    const QByteArray from = '<' + message.fromAddress.trimmed().toUtf8() + '>';
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, from.constData());
    const long whole = std::max(1, relay.timeout);
    const long wait = std::max(1L, whole / 2);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, wait);
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, wait);  // each reply of the relay
    curl_easy_setopt(c, CURLOPT_TIMEOUT, whole);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_USE_SSL, long(CURLUSESSL_NONE));

    std::unique_ptr<curl_slist, CurlDeleter> recipients;
    QStringList toHeader;
    for (const QString& to : message.to) {
        recipients.reset(curl_slist_append(recipients.release(), ('<' + to.trimmed().toUtf8() + '>').constData()));
        toHeader << to.trimmed();
    }
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients.get());

    const QString domain = relay.helo.trimmed().isEmpty() ? QStringLiteral("localhost") : relay.helo.trimmed();
    const QList<QByteArray> headers = {
        "Date: " + QDateTime::currentDateTime().toString(Qt::RFC2822Date).toLatin1(),
        "Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + '@' + domain.toUtf8() + '>',
        mailboxHeader("From", message.fromName, message.fromAddress),
        textHeader("To", toHeader.join(QStringLiteral(", "))),
        textHeader("Subject", message.subject),
    };
    std::unique_ptr<curl_slist, CurlDeleter> headerList;
    for (const QByteArray& h : headers)
        headerList.reset(curl_slist_append(headerList.release(), h.constData()));
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headerList.get());

    std::unique_ptr<curl_mime, CurlDeleter> mime(curl_mime_init(c));
    QString body = message.body;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    addPart(mime.get(), body.toUtf8(), "text/plain; charset=UTF-8", "quoted-printable");
    for (const QString& path : message.attachments) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw Error(kAnexoNaoEncontrado + path);
        addPart(mime.get(), file.readAll(), typeOf(path), "base64", attachmentDisposition(QFileInfo(path).fileName()));
    }
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime.get());

    char reply[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, reply);
    const CURLcode code = curl_easy_perform(c);
    if (code == CURLE_OK)
        return;
    curl_off_t connected = 0;
    curl_easy_getinfo(c, CURLINFO_CONNECT_TIME_T, &connected);
    const QString told = relayFailure(int(code), QString::fromUtf8(reply), connected != 0);
    qWarning().noquote() << QStringLiteral("smtp://%1:%2: %3")
                                .arg(relay.host.trimmed(), QString::number(relay.port),
                                     technicalText(int(code), QString::fromUtf8(reply)));
    throw Error(told);
}

}  // namespace mail
