// The SMTP client over libcurl: the message is built as a MIME tree and sent in one dialogue.
#include "platform/mail/Smtp.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <curl/curl.h>

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

QByteArray mailbox(const QString& name, const QString& address) {
    const QByteArray addr = '<' + address.trimmed().toUtf8() + '>';
    return name.isEmpty() ? addr : headerWords(name) + ' ' + addr;
}

// The library copies what these setters receive, so the buffers may go once each call returns.
void addPart(curl_mime* mime, const QByteArray& data, const char* type, const char* encoder,
             const QByteArray& fileName = {}) {
    curl_mimepart* part = curl_mime_addpart(mime);
    curl_mime_data(part, data.constData(), size_t(data.size()));
    curl_mime_type(part, type);
    curl_mime_encoder(part, encoder);
    if (!fileName.isEmpty())
        curl_mime_filename(part, fileName.constData());
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

}  // namespace

QByteArray headerWords(const QString& text) {
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() >= 0x20 && c.unicode() < 0x7f;
    if (ascii)
        return text.toLatin1();
    // Words of at most 45 bytes of UTF-8 (60 encoded characters) that never split a character.
    QByteArray out;
    QByteArray chunk;
    const auto flush = [&] {
        if (chunk.isEmpty())
            return;
        if (!out.isEmpty())
            out += "\r\n ";
        out += "=?UTF-8?B?" + chunk.toBase64() + "?=";
        chunk.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype len = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray bytes = text.mid(i, len).toUtf8();
        if (chunk.size() + bytes.size() > 45)
            flush();
        chunk += bytes;
        i += len - 1;
    }
    flush();
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
    QList<QByteArray> toHeader;
    for (const QString& to : message.to) {
        recipients.reset(curl_slist_append(recipients.release(), ('<' + to.trimmed().toUtf8() + '>').constData()));
        toHeader << to.trimmed().toUtf8();
    }
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients.get());

    const QString domain = relay.helo.trimmed().isEmpty() ? QStringLiteral("localhost") : relay.helo.trimmed();
    const QList<QByteArray> headers = {
        "Date: " + QDateTime::currentDateTime().toString(Qt::RFC2822Date).toLatin1(),
        "Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + '@' + domain.toUtf8() + '>',
        "From: " + mailbox(message.fromName, message.fromAddress),
        "To: " + toHeader.join(", "),
        "Subject: " + headerWords(message.subject),
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
        addPart(mime.get(), file.readAll(), typeOf(path), "base64", QFileInfo(path).fileName().toUtf8());
    }
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime.get());

    char reply[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, reply);
    const CURLcode code = curl_easy_perform(c);
    if (code == CURLE_OK)
        return;
    curl_off_t connected = 0;
    curl_easy_getinfo(c, CURLINFO_CONNECT_TIME_T, &connected);
    if (code == CURLE_COULDNT_CONNECT || code == CURLE_COULDNT_RESOLVE_HOST ||
        (code == CURLE_OPERATION_TIMEDOUT && connected == 0))
        throw Error(kErroConexao);
    QString text = QString::fromUtf8(curl_easy_strerror(code));
    if (reply[0])
        text += QStringLiteral(": ") + QString::fromUtf8(reply).trimmed();
    throw Error(text);
}

}  // namespace mail
