// SPDX-License-Identifier: GPL-3.0-or-later
// The booking's pure rules and the notification's text, by tables.

#include "TestDatabase.h"
#include "scheduling/booking/AtendimentoRules.h"
#include "scheduling/booking/NotificationMail.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

using namespace scheduling;

namespace {

TEST(BookingRulesTest, TimeBoxAcceptsOnlyWholeHoursAndMinutesOfTheDay) {
    const struct {
        const char* text;
        bool ok;
    } cases[] = {{"00:00", true},  {"23:59", true},  {" 09:30 ", true}, {"24:00", false}, {"12:60", false},
                 {"__:__", false}, {" 9:30", false}, {":", false},      {"", false},      {"1a:00", false}};
    for (const auto& c : cases)
        EXPECT_EQ(parseHour(c.text).has_value(), c.ok) << c.text;
    EXPECT_EQ(*parseHour("07:05"), QTime(7, 5));
    EXPECT_EQ(hourText(QDateTime(QDate(2026, 3, 10), QTime(0, 0))), "00:00") << "midnight is a time too";
    EXPECT_EQ(hourText(QDateTime(QDate(2026, 3, 10), QTime(14, 7, 30))), "14:07");
    EXPECT_EQ(hourText(QVariant()), "");
}

TEST(BookingRulesTest, TheSaveChecksTimeStatusOwnerAnimalAndUnitInThatOrder) {
    const struct {
        BookingEntry entry;
        QString refusal;
    } cases[] = {{{"24:00", true, true, true, true}, kHoraInvalida},
                 {{"10:00", false, false, false, false}, kFaltaStatus},
                 {{"10:00", true, false, false, false}, kFaltaProprietario},
                 {{"10:00", true, true, false, false}, kFaltaAnimal},
                 {{"10:00", true, true, true, false}, kFaltaUnidade},
                 {{"10:00", true, true, true, true}, ""}};
    for (const auto& c : cases) {
        const std::optional<BookingRefusal> r = bookingRefusal(c.entry);
        EXPECT_EQ(r ? r->message : QString(), c.refusal);
    }
}

TEST(NotificationTextTest, SenderBodyAndOrientationLines) {
    EXPECT_EQ(senderName(" AGENDADO "), kAgendadoRemetente);
    EXPECT_EQ(senderName("CANCELADO"), kAlteracaoRemetente);
    EXPECT_EQ(senderName(""), kAlteracaoRemetente);

    const struct {
        const char* in;
        const char* out;
    } marks[] = {{"A<br>\r\nB", "A - B"}, {"A<br>\nB", "A - B"}, {"A<br>\rB", "A - B"},       {"A<br>B", "A - B"},
                 {"A<br>", "A - "},       {"A<br> B", "A -  B"}, {"sem marcas", "sem marcas"}};
    for (const auto& m : marks)
        EXPECT_EQ(orientationLine(m.in), m.out) << m.in;

    NotificationData d{"João",           "REX",
                       "AGENDADO",       " ",
                       "CANINA",         QDateTime(QDate(2026, 3, 10), QTime(9, 5)),
                       "Av. Norte, 200", "Jejum<br>\nDocumento"};
    const QStringList lines = notificationLines(d);
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[0], "==> Óla João");
    EXPECT_EQ(lines[4], "Procedimento: A definir.");
    EXPECT_EQ(lines[6], "Data/hora : 10/03/2026 09:05:00");
    EXPECT_EQ(lines[9], "Jejum - Documento");
}

TEST(NotificationTextTest, MailSectionDefaults) {
    QTemporaryDir dir;
    const QString path = dir.filePath("nurv.conf");
    writeFile(path, "[mail]\nhost = relay.local\nfrom = zoonoses@cidade.test\nsubject = CCZ\n");
    const MailSettings s = readMailSettings(path);
    EXPECT_EQ(s.host, "relay.local");
    EXPECT_EQ(s.port, 587);
    EXPECT_EQ(s.to, "zoonoses@cidade.test") << "the recipient defaults to the sender's mailbox";
    EXPECT_EQ(s.attachment, ":/images/brasao.jpg");
    EXPECT_EQ(s.timeout, 20) << "seconds the send may take";
    EXPECT_TRUE(readMailSettings(dir.filePath("none.conf")).host.isEmpty());
}

}  // namespace
