// The SMTP client: long non-ASCII headers and an attachment that is not there.

#include "SmtpSink.h"
#include "platform/mail/Smtp.h"

#include <gtest/gtest.h>

namespace {

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

}  // namespace
