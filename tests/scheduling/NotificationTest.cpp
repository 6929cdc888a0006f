// SPDX-License-Identifier: GPL-3.0-or-later
// The notification e-mail of a new booking, through the tests' SMTP sink.

#include "SchedulingFixture.h"

#include "SmtpSink.h"
#include "platform/mail/Smtp.h"
#include "scheduling/booking/NotificationMail.h"
#include "scheduling/booking/UAgendaNovoAtendimento.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

using namespace scheduling;

namespace {

class NotificationTest : public SchedulingTest {
protected:
    void configure(const QString& mailSection) {
        writeFile(m_dir.filePath("nurv.conf"), mailSection.toUtf8());
        qputenv("NURV_CONFIG", m_dir.filePath("nurv.conf").toUtf8());
    }
    QTemporaryDir m_dir;
};

TEST_F(NotificationTest, ANewBookingMailsItsDataAndAChangeMailsNothing) {
    SmtpSink sink;
    ASSERT_TRUE(sink.running());
    configure(QStringLiteral("[mail]\nhost = 127.0.0.1\nport = %1\nhelo = nurv.test\nfrom = zoonoses@cidade.test\n"
                             "subject = Centro de Controle de Zoonoses - Prefeitura de São Bento\n")
                  .arg(sink.port()));
    exec(
        "insert into orientacao_padrao_atend (Id_Orientacao_Padrao_Atend, Texto_padrao_orientacao) "
        "values (2, 'Jejum de 12 horas.<br>\r\nLevar documento.'), (1, 'Trazer coleira.<br>\nChegar cedo.')");
    TfrmAgendaNovoAtendimento* form = newBooking("09:30");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.texts(), QStringList({"Operação realizada com sucesso!"}));

    const QList<QJsonObject> got = sink.messages();
    ASSERT_EQ(got.size(), 1);
    const QJsonObject& m = got[0];
    EXPECT_EQ(m["fromName"].toString(), "Procedimento cirurgico agendado para seu animal.");
    EXPECT_EQ(m["to"].toString(), "zoonoses@cidade.test") << "the staff mailbox, never the owner";
    EXPECT_EQ(m["subject"].toString(), "Centro de Controle de Zoonoses - Prefeitura de São Bento");
    const QStringList lines = m["body"].toString().replace("\r\n", "\n").split('\n');
    ASSERT_GE(lines.size(), 10);
    EXPECT_EQ(lines[0], "==> Óla ANA");
    EXPECT_EQ(lines[4], "Procedimento: A definir.");
    EXPECT_EQ(lines[6], "Data/hora : 10/03/2026 09:30:00");
    EXPECT_EQ(lines[7], "Local: Av. Norte, 200");
    EXPECT_EQ(lines[9], "Trazer coleira. - Chegar cedo.") << "the first orientation by key";
    const QJsonObject picture = m["attachments"].toArray().at(0).toObject();
    EXPECT_EQ(picture["name"].toString(), "brasao.jpg");
    EXPECT_EQ(picture["type"].toString(), "image/jpeg");
    EXPECT_EQ(picture["head"].toString(), "ffd8ff") << "a JPEG";

    trigger(form, "actEdit");
    choose(form->dblStatusAtendimento, "CANCELADO");
    trigger(form, "actPost");
    EXPECT_EQ(sink.messages().size(), 1);
}

TEST_F(NotificationTest, EveryReaderReadsTheSenderSubjectAndAttachmentAsWritten) {
    SmtpSink sink;
    const QString picture = m_dir.filePath("brasão.jpg");
    writeFile(picture, "\xff\xd8\xff\xe0");
    QString subject;
    while (subject.size() < 1094)
        subject += "Centro de Controle de Zoonoses - Prefeitura Municipal - ";
    configure(QStringLiteral("[mail]\nhost = 127.0.0.1\nport = %1\nfrom = z@c.test\nsubject = %2\nattachment = %3\n")
                  .arg(sink.port())
                  .arg(subject, picture));
    TfrmAgendaNovoAtendimento* form = newBooking("10:00");
    choose(form->dblStatusAtendimento, "CANCELADO");
    trigger(form, "actPost");
    ASSERT_EQ(sink.messages().size(), 1);
    const QJsonObject m = sink.messages()[0];
    EXPECT_EQ(m["fromName"].toString(), "Alteração no procedimento cirurgico agendado para seu animal.");
    EXPECT_EQ(m["subject"].toString(), subject.trimmed());
    EXPECT_EQ(m["attachments"].toArray().at(0).toObject()["name"].toString(), "brasão.jpg");
    for (const char* block : {"headerLines", "partHeaderLines"})
        for (const QJsonValue& line : m[block].toArray())
            EXPECT_LT(line.toString().size(), 78) << line.toString().toStdString();
}

TEST_F(NotificationTest, AnUnreachableRelayLeavesTheBookingSavedAndSaysSo) {
    SmtpSink sink;
    configure(QStringLiteral("[mail]\nport = %1\nfrom = z@c.test\n").arg(sink.port()));
    trigger(newBooking(), "actPost");
    EXPECT_EQ(prompts.texts(), QStringList({"Operação realizada com sucesso!"})) << "no host, no e-mail";
    EXPECT_TRUE(sink.messages().isEmpty());

    prompts.clear();
    configure(QStringLiteral("[mail]\nhost = 127.0.0.1\nport = %1\nfrom = z@c.test\n").arg(SmtpSink::freePort()));
    TfrmAgendaNovoAtendimento* form = newBooking("11:00");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.texts(), QStringList({kEmailNaoEnviado + "Erro de conexão"}));
    EXPECT_EQ(count("atendimento"), 2);
    EXPECT_EQ(form->qryPrincipal->recordCount(), 2) << "saved and listed";
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Browse);

    // A relay that refuses the mailbox says so in the user's words.
    prompts.clear();
    configure(QStringLiteral("[mail]\nhost = 127.0.0.1\nport = %1\nfrom = z@c.test\nto = recusado@c.test\n")
                  .arg(sink.port()));
    trigger(newBooking("11:30"), "actPost");
    EXPECT_EQ(prompts.texts(), QStringList({kEmailNaoEnviado + mail::kDestinatarioRecusado}));
    EXPECT_EQ(count("atendimento"), 3);
}

// A relay that stops answering, before its greeting or after taking the message, fails the e-mail within
// the configured time (here 2 s: a second for each reply), the booking saved and the failure said as for
// any other; the send runs as long work, the window painted meanwhile.
TEST_F(NotificationTest, ARelayThatStopsAnsweringFailsTheMailWithinItsTime) {
    SilentRelay silent;
    SmtpSink stalling(SmtpSink::Answers::NotTheMessage);
    ASSERT_TRUE(stalling.running());
    int booked = 0;
    for (const int port : {silent.port(), stalling.port()}) {
        SCOPED_TRACE(port == silent.port() ? "silent from the start" : "silent after the message");
        configure(QStringLiteral("[mail]\nhost = 127.0.0.1\nport = %1\nfrom = z@c.test\ntimeout = 2\n").arg(port));
        prompts.clear();
        TfrmAgendaNovoAtendimento* form = newBooking(QStringLiteral("1%1:00").arg(booked));
        QElapsedTimer waited;
        waited.start();
        trigger(form, "actPost");
        // Far below the 20 s of the default and the minutes an unbounded wait takes: the configured bound.
        EXPECT_LT(waited.elapsed(), 10000);
        ASSERT_EQ(prompts.asked.size(), 1);
        EXPECT_TRUE(prompts.last().startsWith(kEmailNaoEnviado)) << prompts.last().toStdString();
        EXPECT_NE(prompts.last(), kEmailNaoEnviado + "Erro de conexão") << "the relay was reached";
        EXPECT_EQ(prompts.progresses, QStringList{scheduling::kEnviandoEmail});
        EXPECT_EQ(count("atendimento"), ++booked);
        EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Browse);
    }
    EXPECT_TRUE(stalling.messages().isEmpty());
}

}  // namespace
