// SPDX-License-Identifier: GPL-3.0-or-later
// The SMTP client: headers folded and encoded so that every reader reads them alike, attachment names, an
// attachment that is not there, and what the user is told of a relay that fails.

#include "SmtpSink.h"
#include "TestDatabase.h"
#include "platform/mail/Smtp.h"

#include <curl/curl.h>
#include <gtest/gtest.h>
#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

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

TEST(SmtpTest, HeadersAreFoldedAtBlanksAndEncodedOnlyWhereTheyMustBe) {
    const struct {
        QByteArray line;
        QByteArray expected;
    } cases[] = {
        {mail::textHeader("Subject", "Plain subject"), "Subject: Plain subject"},
        // Only the accented word is encoded; the blanks around it stay plain.
        {mail::textHeader("Subject", "Prefeitura de São Bento"), "Subject: Prefeitura de =?UTF-8?B?U8Ojbw==?= Bento"},
        {mail::mailboxHeader("From", "Ana", "a@b.test"), "From: Ana <a@b.test>"},
        {mail::mailboxHeader("From", "", "a@b.test"), "From: <a@b.test>"},
        // A name with a special is quoted; one with an accent has its specials encoded with it.
        {mail::mailboxHeader("From", "Procedimento agendado.", "a@b.test"),
         "From: \"Procedimento agendado.\" <a@b.test>"},
        {mail::mailboxHeader("From", "Zé \"da\" Silva", "a@b.test"), "From: =?UTF-8?B?WsOpICJkYSI=?= Silva <a@b.test>"},
        {mail::attachmentDisposition("brasao.jpg"), "attachment; filename=\"brasao.jpg\""},
        {mail::attachmentDisposition("brasão.jpg"), "attachment; filename*=UTF-8''bras%C3%A3o.jpg"},
        // A name that does not fit after "Content-Disposition: attachment;" goes to a line of its own.
        {mail::attachmentDisposition(QString(40, 'a') + ".jpg"),
         "attachment;\r\n filename=\"" + QByteArray(40, 'a') + ".jpg\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.line, c.expected);
    // A long accented text: words cut after a blank, lines under 78.
    const QByteArray longLine =
        mail::textHeader("Subject", QString("Alteração no procedimento agendado ").repeated(40));
    for (const QByteArray& line : longLine.split('\n'))
        EXPECT_LT(line.trimmed().size(), 78) << line.toStdString();
    EXPECT_TRUE(mail::attachmentDisposition(QString("ç").repeated(40) + ".jpg").contains(";\r\n filename*1*="));
}

TEST(SmtpTest, ReadersDecodeWhatWasWrittenAndAMissingAttachmentSendsNothing) {
    SmtpSink sink;
    QTemporaryDir dir;
    const QString picture = dir.filePath("brasão da cidade.jpg");
    writeFile(picture, "\xff\xd8\xff\xe0");
    const QString sender = "Alteração no procedimento cirurgico agendado para seu animal.";
    QString subject;
    while (subject.size() < 1094)
        subject += "Centro de Controle de Zoonoses - Prefeitura Municipal; ";
    mail::Message m{"a@b.test", sender, {"c@d.test"}, subject, "texto", {picture}};
    mail::send({"127.0.0.1", sink.port(), {}}, m);
    ASSERT_EQ(sink.messages().size(), 1);
    const QJsonObject got = sink.messages()[0];
    EXPECT_EQ(got["fromName"].toString(), sender) << "no blank inside a word";
    EXPECT_EQ(got["subject"].toString(), subject);
    EXPECT_EQ(got["attachments"].toArray().at(0).toObject()["name"].toString(), "brasão da cidade.jpg");
    for (const QJsonValue& line : got["headerLines"].toArray())
        EXPECT_LT(line.toString().size(), 78) << line.toString().toStdString();

    m.attachments = {"/no/such/brasao.jpg"};
    try {
        mail::send({"127.0.0.1", sink.port(), {}}, m);
        ADD_FAILURE() << "a missing attachment sent";
    } catch (const mail::Error& e) {
        EXPECT_EQ(e.text(), "Anexo não encontrado: /no/such/brasao.jpg");
    }
    EXPECT_EQ(sink.messages().size(), 1);
}

// Every header line of the message and of its parts stays under 78 characters and every encoded word within 75,
// whatever the subject, display name and attachment name hold: words longer than a line, a long run of
// accented words at the start, specials, and names of a file long in plain letters or in accented ones.
TEST(SmtpTest, EveryHeaderLineAndEncodedWordStaysWithinTheRecommendedLength) {
    SmtpSink sink;
    QTemporaryDir dir;
    const QString word76 = QString("x").repeated(76);
    const QString accented = QString("ã").repeated(120);
    const struct {
        QString subject, sender, file;
    } cases[] = {
        {word76 + " fim", "Ana", "brasao.jpg"},
        {accented + " fim", accented, QString("a").repeated(70) + ".jpg"},
        {" " + QString("é ").repeated(60), "Centro; " + QString("y").repeated(300), QString("ç").repeated(80) + ".jpg"},
        {QString("Prefeitura de São Bento - ").repeated(20), QString("Zé \"da\" Silva, ").repeated(20),
         QString("brasão da cidade ").repeated(6) + ".jpg"},
    };
    for (const auto& c : cases) {
        const QString picture = dir.filePath(c.file);
        writeFile(picture, "\xff\xd8\xff\xe0");
        // The text's lines as long, with "=", a leading "." and blanks at their ends.
        const QString body = c.subject + "\n.ponto = igual \n\n fim\t";
        mail::send({"127.0.0.1", sink.port(), {}}, {"a@b.test", c.sender, {"c@d.test"}, c.subject, body, {picture}});
        const QJsonObject got = sink.messages().last();
        SCOPED_TRACE(c.file.toStdString());
        EXPECT_EQ(got["body"].toString().replace("\r\n", "\n"), body);
        EXPECT_EQ(got["subject"].toString(), c.subject);
        EXPECT_EQ(got["fromName"].toString(), c.sender.trimmed());
        EXPECT_EQ(got["attachments"].toArray().at(0).toObject()["name"].toString(), c.file);
        QStringList lines;
        for (const char* block : {"headerLines", "partHeaderLines"})
            for (const QJsonValue& line : got[block].toArray())
                lines << line.toString();
        EXPECT_GT(lines.size(), 12);
        EXPECT_TRUE(got["headerLines"].toArray().contains("MIME-Version: 1.0"));
        static const QRegularExpression encodedWord("=\\?[^?]+\\?[BQbq]\\?[^?]*\\?=");
        for (const QString& line : lines) {
            EXPECT_LT(line.size(), 78) << line.toStdString();
            for (const QRegularExpressionMatch& m : encodedWord.globalMatch(line))
                EXPECT_LE(m.capturedLength(), 75) << m.captured().toStdString();
        }
    }
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
    // A cause without a remedy of its own is told in the system's words; the library's go to the error stream.
    EXPECT_EQ(mail::relayFailure(CURLE_LOGIN_DENIED, "Login denied", true), mail::kEnvioFalhou);

    // A relay that refuses the recipient; a server that greets as no SMTP relay does.
    SmtpSink sink;
    ASSERT_TRUE(sink.running());
    EXPECT_EQ(failureOf(sink.port(), "recusado@d.test"), mail::kDestinatarioRecusado);
    ASSERT_EQ(g_logged.size(), 1);
    EXPECT_TRUE(g_logged[0].contains("RCPT failed: 550")) << g_logged[0].toStdString();
    EXPECT_TRUE(sink.messages().isEmpty());

    QProcess web;
    web.start("/usr/bin/python3", {"-c",
                                   "import socket\n"
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
