// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of an animal's events by table: the occurrence type hint, the vaccination's one choice and the
// transfer list's animal ids.
#include "registry/events/AnimalEventRules.h"

#include <gtest/gtest.h>

using namespace registry;

TEST(EventRules, OccurrenceHintsVaccinationChoicesAndTransferIds) {
    EXPECT_EQ(occurrenceTypeHint(true, "OBITO", "morte"), kFinalizaCaso + "\nOBITO\n : morte");
    EXPECT_EQ(occurrenceTypeHint(false, "FUGA", "x"), "\nFUGA\n : x");

    const QString nsa = kNaoSeAplica;
    const struct {
        QString vaccine, reason, intercurrence;
        bool consistent;
    } choices[] = {
        {"V10", nsa, nsa, true},       {nsa, "RECUSA", nsa + " ", true}, {nsa, nsa, "REACAO", true},
        {"V10", "RECUSA", nsa, false}, {nsa, nsa, nsa, false},           {"V10", "RECUSA", "REACAO", false},
    };
    for (const auto& c : choices)
        EXPECT_EQ(vaccinationConsistent(c.vaccine, c.reason, c.intercurrence), c.consistent)
            << c.vaccine.toStdString() << "/" << c.reason.toStdString() << "/" << c.intercurrence.toStdString();

    EXPECT_EQ(transferAnimalId("12 - REX"), 12);
    EXPECT_EQ(transferAnimalId(" 7 - MARIA-JOSE "), 7);  // only the text before the first "-"
    EXPECT_EQ(transferAnimalId("sem numero"), 0);
}
