// The SMTP client against the tests' sink: what arrives, decoded, and how failures read.

#include "SmtpSink.h"
#include "platform/mail/Smtp.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(SmtpTest, HeaderWordsEncodeOnlyWhatIsNotPlainAscii) {
    EXPECT_EQ(mail::headerWords("Plain subject"), QByteArray("Plain subject"));
    const QByteArray encoded = mail::headerWords("Alteração no procedimento cirurgico agendado para seu animal.");
    EXPECT_TRUE(encoded.startsWith("=?UTF-8?B?"));
    for (const QByteArray& word : encoded.split('\n'))
        EXPECT_LE(word.trimmed().size(), 75) << "an encoded word longer than the standard allows";
}

TEST(SmtpTest, AMessageArrivesWithItsNamesTextAndAttachment) {
    SmtpSink sink;
    ASSERT_TRUE(sink.running());
    QTemporaryDir dir;
    const QString file = dir.filePath("anexo.txt");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("abc");
    }
    mail::Message m;
    m.fromAddress = "zoonoses@cidade.test";
    m.fromName = "Alteração no procedimento";
    m.to = {"equipe@cidade.test"};
    m.subject = "Centro de Controle de Zoonoses - Prefeitura";
    m.body = "==> Óla João\nLinha dois\n\nÚltima";
    m.attachments = {file};
    mail::send({"127.0.0.1", sink.port(), "nurv.test"}, m);

    const QList<QJsonObject> got = sink.messages();
    ASSERT_EQ(got.size(), 1);
    const QJsonObject& msg = got[0];
    EXPECT_EQ(msg["mailFrom"].toString(), "zoonoses@cidade.test");
    EXPECT_EQ(msg["rcptTos"].toArray().at(0).toString(), "equipe@cidade.test");
    EXPECT_EQ(msg["fromName"].toString(), "Alteração no procedimento");
    EXPECT_EQ(msg["to"].toString(), "equipe@cidade.test");
    EXPECT_EQ(msg["subject"].toString(), "Centro de Controle de Zoonoses - Prefeitura");
    EXPECT_FALSE(msg["date"].toString().isEmpty());
    EXPECT_TRUE(msg["messageId"].toString().endsWith("@nurv.test>"));
    EXPECT_EQ(msg["body"].toString().replace("\r\n", "\n").trimmed(), "==> Óla João\nLinha dois\n\nÚltima");
    const QJsonObject attachment = msg["attachments"].toArray().at(0).toObject();
    EXPECT_EQ(attachment["name"].toString(), "anexo.txt");
    EXPECT_EQ(attachment["size"].toInt(), 3);
}

TEST(SmtpTest, FailuresSayWhatWentWrong) {
    mail::Message m;
    m.fromAddress = "a@b.test";
    m.to = {"c@d.test"};
    try {
        mail::send({"127.0.0.1", SmtpSink::freePort(), {}}, m);
        ADD_FAILURE() << "a closed port sent";
    } catch (const mail::Error& e) {
        EXPECT_EQ(e.text(), "Erro de conexão");
    }

    SmtpSink sink;
    m.attachments = {"/no/such/brasao.jpg"};
    try {
        mail::send({"127.0.0.1", sink.port(), {}}, m);
        ADD_FAILURE() << "a missing attachment sent";
    } catch (const mail::Error& e) {
        EXPECT_EQ(e.text(), "Anexo não encontrado: /no/such/brasao.jpg");
    }
    EXPECT_TRUE(sink.messages().isEmpty());
}

}  // namespace
