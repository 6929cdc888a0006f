// The rules of an animal's events by table: the occurrence date box, the type hint, the vaccination's one
// choice and the transfer list's animal ids.
#include "registry/AnimalEventRules.h"

#include <gtest/gtest.h>

using namespace registry;

TEST(EventRules, OccurrenceDatesHintsVaccinationChoicesAndTransferIds) {
    const QDate today(2026, 12, 7);
    const struct {
        QString typed;
        QDate expected;  // null: refused
    } dates[] = {
        {"05/03/24", QDate(2024, 3, 5)},  {"31/12/26", QDate(2026, 12, 31)},  // this year stays in the 2000s
        {"01/01/27", QDate(1927, 1, 1)},  {"15/06/99", QDate(1999, 6, 15)},   // after this year: the 1900s
        {"31/02/24", {}},                 {"29/02/24", QDate(2024, 2, 29)},   // impossible and leap days
        {"12/13/24", {}},                 {"05/03/2_", {}},  {"  /  /  ", {}},
    };
    for (const auto& d : dates)
        EXPECT_EQ(occurrenceDate(d.typed, today), d.expected) << d.typed.toStdString();
    EXPECT_TRUE(dateBoxEmpty("__/__/__"));
    EXPECT_TRUE(dateBoxEmpty("  /  /  "));
    EXPECT_FALSE(dateBoxEmpty("0_/__/__"));

    EXPECT_EQ(occurrenceTypeHint(true, "OBITO", "morte"), kFinalizaCaso + "\nOBITO\n : morte");
    EXPECT_EQ(occurrenceTypeHint(false, "FUGA", "x"), "\nFUGA\n : x");

    const QString nsa = kNaoSeAplica;
    const struct {
        QString vaccine, reason, intercurrence;
        bool consistent;
    } choices[] = {
        {"V10", nsa, nsa, true},        {nsa, "RECUSA", nsa + " ", true}, {nsa, nsa, "REACAO", true},
        {"V10", "RECUSA", nsa, false},  {nsa, nsa, nsa, false},           {"V10", "RECUSA", "REACAO", false},
    };
    for (const auto& c : choices)
        EXPECT_EQ(vaccinationConsistent(c.vaccine, c.reason, c.intercurrence), c.consistent)
            << c.vaccine.toStdString() << "/" << c.reason.toStdString() << "/" << c.intercurrence.toStdString();

    EXPECT_EQ(transferAnimalId("12 - REX"), 12);
    EXPECT_EQ(transferAnimalId(" 7 - MARIA-JOSE "), 7);  // only the text before the first "-"
    EXPECT_EQ(transferAnimalId("sem numero"), 0);
}
