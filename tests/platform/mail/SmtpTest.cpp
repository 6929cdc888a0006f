// The SMTP client: long non-ASCII headers, an attachment that is not there, and what the user is told of a
// relay that fails.

#include "SmtpSink.h"
#include "platform/mail/Smtp.h"

#include <QProcess>
#include <curl/curl.h>
#include <gtest/gtest.h>

namespace {

QStringList g_logged;
void keepLogged(QtMsgType, const QMessageLogContext&, const QString& text) { g_logged << text; }

// What sending through the relay at `port` tells the user, the standard error stream's lines in g_logged.
QString failureOf(int port, const QString& to) {
    g_logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepLogged);
    QString told;
    try {
        mail::send({"127.0.0.1", port, {}}, {"a@b.test", "", {to}, "s", "t", {}});
    } catch (const mail::Error& e) {
        told = e.text();
    }
    qInstallMessageHandler(previous);
    return told;
}

TEST(SmtpTest, HeadersAndAMissingAttachment) {
    EXPECT_EQ(mail::headerWords("Plain subject"), QByteArray("Plain subject"));
    const QByteArray encoded = mail::headerWords(QString("Alteração no procedimento ").repeated(4));
    EXPECT_TRUE(encoded.startsWith("=?UTF-8?B?"));
    for (const QByteArray& word : encoded.split('\n'))
        EXPECT_LE(word.trimmed().size(), 75) << "an encoded word longer than the standard allows";

    SmtpSink sink;
    mail::Message m{"a@b.test", "", {"c@d.test"}, "s", "t", {"/no/such/brasao.jpg"}};
    try {
        mail::send({"127.0.0.1", sink.port(), {}}, m);
        ADD_FAILURE() << "a missing attachment sent";
    } catch (const mail::Error& e) {
        EXPECT_EQ(e.text(), "Anexo não encontrado: /no/such/brasao.jpg");
    }
    EXPECT_TRUE(sink.messages().isEmpty());
}

TEST(SmtpTest, RelayFailuresAreToldAsWhatToDo) {
    const struct {
        int code;
        const char* reply;
        bool connected;
        const QString& told;
    } cases[] = {
        {CURLE_COULDNT_CONNECT, "Failed to connect to smtp port 587", false, mail::kErroConexao},
        {CURLE_COULDNT_RESOLVE_HOST, "Could not resolve host: smtp", false, mail::kErroConexao},
        {CURLE_OPERATION_TIMEDOUT, "Connection timed out after 10001 milliseconds", false, mail::kErroConexao},
        {CURLE_OPERATION_TIMEDOUT, "Operation timed out after 60000 milliseconds", true, mail::kServidorNaoRespondeu},
        {CURLE_WEIRD_SERVER_REPLY, "Got unexpected smtp-server response: 400", true, mail::kRespostaInesperada},
        {CURLE_SEND_ERROR, "RCPT failed: 550", true, mail::kDestinatarioRecusado},
        {CURLE_SEND_ERROR, "MAIL failed: 553", true, mail::kRemetenteRecusado},
        {CURLE_RECV_ERROR, "Connection reset by peer", true, mail::kConexaoInterrompida},
        {CURLE_GOT_NOTHING, "", true, mail::kConexaoInterrompida},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mail::relayFailure(c.code, c.reply, c.connected), c.told) << c.code << " " << c.reply;
    // A cause without a remedy of its own keeps the library's words.
    EXPECT_EQ(mail::relayFailure(CURLE_LOGIN_DENIED, "Login denied", true), "Login denied: Login denied");

    // A relay that refuses the recipient; a server that greets as no SMTP relay does.
    SmtpSink sink;
    ASSERT_TRUE(sink.running());
    EXPECT_EQ(failureOf(sink.port(), "recusado@d.test"), mail::kDestinatarioRecusado);
    ASSERT_EQ(g_logged.size(), 1);
    EXPECT_TRUE(g_logged[0].contains("RCPT failed: 550")) << g_logged[0].toStdString();
    EXPECT_TRUE(sink.messages().isEmpty());

    QProcess web;
    web.start("/usr/bin/python3", {"-c", "import socket\n"
                                         "s = socket.socket(); s.bind(('127.0.0.1', 0)); s.listen()\n"
                                         "print(s.getsockname()[1], flush=True)\n"
                                         "c, _ = s.accept(); c.sendall(b'400 Bad Request\\r\\n'); c.recv(1024)\n"});
    ASSERT_TRUE(web.waitForReadyRead(10000));
    EXPECT_EQ(failureOf(web.readLine().trimmed().toInt(), "c@d.test"), mail::kRespostaInesperada);
    ASSERT_EQ(g_logged.size(), 1);
    EXPECT_TRUE(g_logged[0].contains("Weird server reply")) << g_logged[0].toStdString();
    web.waitForFinished(10000);
}

}  // namespace
