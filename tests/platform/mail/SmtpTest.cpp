// The SMTP client: headers folded and encoded so that every reader reads them alike, attachment names, and
// an attachment that is not there.

#include "SmtpSink.h"
#include "TestDatabase.h"
#include "platform/mail/Smtp.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

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
        {mail::mailboxHeader("From", "Procedimento agendado.", "a@b.test"), "From: \"Procedimento agendado.\" <a@b.test>"},
        {mail::mailboxHeader("From", "Zé \"da\" Silva", "a@b.test"), "From: =?UTF-8?B?WsOpICJkYSI=?= Silva <a@b.test>"},
        {mail::attachmentDisposition("brasao.jpg"), "attachment; filename=\"brasao.jpg\""},
        {mail::attachmentDisposition("brasão.jpg"), "attachment; filename*=UTF-8''bras%C3%A3o.jpg"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.line, c.expected);
    // A long accented text: words cut after a blank, lines under 78.
    const QByteArray longLine = mail::textHeader("Subject", QString("Alteração no procedimento agendado ").repeated(40));
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
    // Every line the client writes stays under 78; libcurl's own multipart type line under 998.
    for (const QJsonValue& line : got["headerLines"].toArray())
        EXPECT_LT(line.toString().size(), line.toString().startsWith("Content-Type:") ? 998 : 78)
            << line.toString().toStdString();

    m.attachments = {"/no/such/brasao.jpg"};
    try {
        mail::send({"127.0.0.1", sink.port(), {}}, m);
        ADD_FAILURE() << "a missing attachment sent";
    } catch (const mail::Error& e) {
        EXPECT_EQ(e.text(), "Anexo não encontrado: /no/such/brasao.jpg");
    }
    EXPECT_EQ(sink.messages().size(), 1);
}

}  // namespace
