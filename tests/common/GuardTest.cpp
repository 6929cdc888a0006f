#include "PromptRecorder.h"

#include "common/Guard.h"
#include "platform/db/Database.h"

#include <QAction>
#include <gtest/gtest.h>

TEST(Guard, UncaughtErrorsReachTheStandardErrorBoxAndStopThere) {
    PromptRecorder prompts;
    int after = 0;
    guarded([] { throw db::Error("violação de chave"); });
    guarded([] { throw std::runtime_error("falhou"); });
    guarded([&] { ++after; });
    ASSERT_EQ(prompts.asked.size(), 2);
    EXPECT_EQ(prompts.asked[0].kind, Prompts::Kind::Error);
    EXPECT_EQ(prompts.asked[0].title, "Erro");
    EXPECT_EQ(prompts.asked[0].text, "violação de chave");
    EXPECT_EQ(prompts.asked[1].text, "falhou");
    EXPECT_EQ(after, 1);

    QAction action;
    onTriggered(&action, [] { throw db::Error("pela ação"); });
    action.trigger();
    EXPECT_EQ(prompts.last(), "pela ação");
}

TEST(Guard, ConfirmationTitleAndAnswers) {
    PromptRecorder prompts;
    prompts.confirmations = {true, false};
    EXPECT_TRUE(Prompts::confirm("Continuar?"));
    EXPECT_FALSE(Prompts::confirm("De novo?"));
    EXPECT_EQ(prompts.asked[0].title, "Confirmação");
    Prompts::warning("Atenção");
    EXPECT_EQ(prompts.asked.last().title, "Aviso");
    Prompts::information("Pronto");
    EXPECT_EQ(prompts.asked.last().title, "Nurvalia ");  // the application's title, blank included
}
