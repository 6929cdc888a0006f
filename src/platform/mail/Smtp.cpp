// SPDX-License-Identifier: GPL-3.0-or-later
// The SMTP client over libcurl: the message is composed here, headers folded and parts encoded, and sent in
// one dialogue.
#include "platform/mail/Smtp.h"

#include <curl/curl.h>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <algorithm>
#include <cstring>
#include <memory>

namespace mail {

namespace {

struct CurlDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

void initialiseOnce() {
    static const bool done = [] { return curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; }();
    if (!done)
        throw Error(QStringLiteral("libcurl não pôde ser iniciada."));
}

constexpr qsizetype kFoldAt = 78;       // every header line stays below this length
constexpr qsizetype kLineRoom = 76;     // what a folded line holds after its leading blank
constexpr qsizetype kEncodedWord = 75;  // the longest encoded word (RFC 2047)
constexpr qsizetype kBodyLine = 76;     // the longest line of a Base64 or quoted-printable body
constexpr const char* kDispositionName = "Content-Disposition";

bool printable(QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; }
// What a display name cannot hold outside quotes (RFC 5322's specials).
bool special(QChar c) { return QStringLiteral("()<>[]:;@\\,.\"").contains(c); }

// What the first token of a header may take so that "Name: token" stays below kFoldAt.
qsizetype firstRoom(const QByteArray& name) { return kFoldAt - 1 - (name.size() + 2); }

QByteArray encodedWord(const QByteArray& utf8) { return "=?UTF-8?B?" + utf8.toBase64() + "?="; }

// The UTF-8 bytes an encoded word of at most `room` characters holds: 12 characters around the Base64, four of
// it for every three bytes; never less than one character of four bytes.
qsizetype wordBytes(qsizetype room) { return std::max<qsizetype>(4, 3 * ((std::min(room, kEncodedWord) - 12) / 4)); }

// Text as encoded words of whole characters, the first within `room` characters, each cut after its last blank
// when the next character does not fit: a reader that keeps the space between encoded words and one that
// drops it read the same text.
QList<QByteArray> encodedWords(const QString& text, qsizetype room) {
    QList<QByteArray> words;
    QByteArray chunk;
    qsizetype afterBlank = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray bytes = text.mid(i, len).toUtf8();
        while (chunk.size() + bytes.size() > wordBytes(words.isEmpty() ? room : kEncodedWord)) {
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
// the blanks between them) as encoded words. A word too long for the line it would start is encoded too,
// the first token's line being the one that holds the header's name (`room` left on it).
QList<QByteArray> tokens(const QString& text, bool phrase, qsizetype room) {
    QList<QByteArray> out;
    QStringList run;
    bool runFirst = false;
    const auto needsEncoding = [&](const QString& word) {
        if (word.size() > (out.isEmpty() && run.isEmpty() ? room : kLineRoom) || word.contains(QLatin1String("=?")))
            return true;
        for (QChar c : word)
            if (!printable(c) || (phrase && special(c)))
                return true;
        return false;
    };
    const auto endRun = [&] {
        if (!run.isEmpty())
            out << encodedWords(run.join(QLatin1Char(' ')), runFirst ? room : kEncodedWord);
        run.clear();
        runFirst = false;
    };
    for (const QString& word : text.split(QLatin1Char(' '))) {
        if (needsEncoding(word) || (word.isEmpty() && !run.isEmpty())) {
            runFirst = runFirst || (out.isEmpty() && run.isEmpty());
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

// The file name as Content-Disposition parameters that each fit a folded line with the ";" after it: a plain
// ASCII name quoted; any other name, and one too long for a line, in RFC 2231's encoded form, continued over
// numbered parameters when long.
QList<QByteArray> fileNameParameters(const QString& fileName) {
    const QByteArray quoted = "filename=\"" + fileName.toLatin1() + '"';
    if (quoted.size() < kLineRoom && std::all_of(fileName.begin(), fileName.end(), [](QChar c) {
            return printable(c) && c != QLatin1Char('"') && c != QLatin1Char('\\');
        }))
        return {quoted};
    const QByteArray value = fileName.toUtf8().toPercentEncoding("!#$&+^`{}|~");
    const QByteArray whole = "filename*=UTF-8''" + value;
    if (whole.size() < kLineRoom)
        return {whole};
    // Pieces that never cut a "%XX".
    QList<QByteArray> parameters;
    for (qsizetype at = 0; at < value.size();) {
        const QByteArray prefix =
            "filename*" + QByteArray::number(parameters.size()) + "*=" + (parameters.isEmpty() ? "UTF-8''" : "");
        qsizetype end = std::min(at + kLineRoom - 1 - prefix.size(), value.size());
        if (end < value.size() && value[end - 1] == '%')
            end -= 1;
        else if (end < value.size() && end - 2 >= at && value[end - 2] == '%')
            end -= 2;
        parameters << prefix + value.mid(at, end - at);
        at = end;
    }
    return parameters;
}

// Text of LF-separated lines in quoted-printable, lines kept as CRLF, longer ones broken softly.
QByteArray quotedPrintable(const QByteArray& text) {
    QByteArray out;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        qsizetype column = 0;
        for (qsizetype j = 0; j < line.size(); ++j) {
            const auto c = uchar(line[j]);
            const bool blank = c == ' ' || c == '\t';
            const QByteArray piece = (c > 32 && c < 127 && c != '=') || (blank && j + 1 < line.size())
                                         ? QByteArray(1, char(c))
                                         : '=' + QByteArray::number(c, 16).rightJustified(2, '0').toUpper();
            if (column + piece.size() > kBodyLine - 1) {  // a soft break: "=" at the end of the line
                out += "=\r\n";
                column = 0;
            }
            out += piece;
            column += piece.size();
        }
        if (i + 1 < lines.size())
            out += "\r\n";
    }
    return out;
}

QByteArray base64Lines(const QByteArray& data) {
    const QByteArray encoded = data.toBase64();
    QByteArray out;
    for (qsizetype at = 0; at < encoded.size(); at += kBodyLine)
        out += encoded.mid(at, kBodyLine) + "\r\n";
    return out;
}

// The message as the relay takes it after DATA.
struct Upload {
    QByteArray data;
    qsizetype at = 0;
};

size_t readUpload(char* buffer, size_t size, size_t count, void* user) {
    auto* upload = static_cast<Upload*>(user);
    const size_t n = std::min(size * count, size_t(upload->data.size() - upload->at));
    std::memcpy(buffer, upload->data.constData() + upload->at, n);
    upload->at += qsizetype(n);
    return n;
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

// The whole message: its header lines, then the text and the attachments as the parts of a multipart body.
// The boundary is one that neither Base64 nor quoted-printable text can hold ("=_").
QByteArray composed(const Message& message, const QString& helo) {
    const QString domain = helo.isEmpty() ? QStringLiteral("localhost") : helo;
    QList<QByteArray> recipients;
    for (const QString& to : message.to)
        recipients << to.trimmed().toUtf8() + (&to == &message.to.last() ? "" : ",");
    const QByteArray boundary = "=_" + QUuid::createUuid().toString(QUuid::Id128).toLatin1();
    QByteArray out;
    for (const QByteArray& header : {
             "Date: " + QDateTime::currentDateTime().toString(Qt::RFC2822Date).toLatin1(),
             "Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + '@' + domain.toUtf8() +
                 '>',
             mailboxHeader("From", message.fromName, message.fromAddress),
             folded("To", recipients),
             textHeader("Subject", message.subject),
             QByteArray("MIME-Version: 1.0"),
             "Content-Type: multipart/mixed;\r\n boundary=\"" + boundary + '"',
         })
        out += header + "\r\n";
    QString body = message.body;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out += "\r\n--" + boundary +
           "\r\nContent-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\n" +
           quotedPrintable(body.toUtf8()) + "\r\n";
    for (const QString& path : message.attachments) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw Error(kAnexoNaoEncontrado + path);
        out += "--" + boundary + "\r\nContent-Type: " + typeOf(path) + "\r\n" + kDispositionName + ": " +
               attachmentDisposition(QFileInfo(path).fileName()) + "\r\nContent-Transfer-Encoding: base64\r\n\r\n" +
               base64Lines(file.readAll());
    }
    return out + "--" + boundary + "--\r\n";
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

QByteArray textHeader(const QByteArray& name, const QString& text) {
    return folded(name, tokens(text, false, firstRoom(name)));
}

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
    }
    // A quoted name folds only at its blanks: one with a word longer than its line is encoded instead.
    const bool fits = std::all_of(words.begin(), words.end(), [&](const QByteArray& word) {
        return word.size() <= (&word == &words.first() ? firstRoom(name) : kLineRoom);
    });
    if (!display.isEmpty() && (words.isEmpty() || !fits))
        words = tokens(display, true, firstRoom(name));
    words << '<' + address.trimmed().toUtf8() + '>';
    return folded(name, words);
}

QByteArray attachmentDisposition(const QString& fileName) {
    QByteArray out = "attachment";
    qsizetype line = qsizetype(std::strlen(kDispositionName)) + 2 + out.size();
    const QList<QByteArray> parameters = fileNameParameters(fileName);
    for (const QByteArray& parameter : parameters) {
        out += ';';
        const qsizetype needs = 1 + parameter.size() + (&parameter == &parameters.last() ? 0 : 1);
        if (line + 1 + needs >= kFoldAt) {
            out += "\r\n";
            line = 0;
        }
        out += ' ' + parameter;
        line += 1 + needs - 1;
    }
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
    for (const QString& to : message.to)
        recipients.reset(curl_slist_append(recipients.release(), ('<' + to.trimmed().toUtf8() + '>').constData()));
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients.get());

    Upload upload{composed(message, relay.helo.trimmed()), 0};
    curl_easy_setopt(c, CURLOPT_READFUNCTION, readUpload);
    curl_easy_setopt(c, CURLOPT_READDATA, &upload);
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);

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
