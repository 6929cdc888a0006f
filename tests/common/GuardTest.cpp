// SPDX-License-Identifier: GPL-3.0-or-later
// Guarded handlers: errors in the standard box, the confirmation's answers, the wait cursor and cancelled work.
#include "PromptRecorder.h"

#include "common/Guard.h"
#include "platform/db/Database.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QCursor>
#include <QGuiApplication>

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

namespace {

Qt::CursorShape cursorShown() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::ArrowCursor;
}

}  // namespace

TEST(Guard, AHandlerRunsUnderTheWaitCursorWhichGoesHoweverItEnds) {
    PromptRecorder prompts;
    QList<Qt::CursorShape> seen;
    guarded([&] {
        seen << cursorShown();
        guarded([&] { seen << cursorShown(); });  // nested: the same cursor, still there after
        seen << cursorShown();
        throw std::runtime_error("falhou");
    });
    EXPECT_EQ(seen, (QList<Qt::CursorShape>{Qt::WaitCursor, Qt::WaitCursor, Qt::WaitCursor}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "restored after the throw";
    EXPECT_EQ(prompts.texts(), QStringList{"falhou"});
    EXPECT_FALSE(prompts.cursorDuringPrompt) << "the error box is read with the arrow";

    // Neither a throw of another kind nor a question asked midway leaves the cursor behind.
    prompts.confirmations = {true};
    EXPECT_THROW(guarded([&] {
                     Prompts::confirm("Continuar?");
                     seen << cursorShown();
                     throw 42;
                 }),
                 int);
    EXPECT_EQ(seen.last(), Qt::WaitCursor) << "back after the question";
    EXPECT_FALSE(prompts.cursorDuringPrompt);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(Guard, CancelledLongWorkEndsQuietlyAndNoOtherActionRunsMeanwhile) {
    PromptRecorder prompts;
    int steps = 0, others = 0;
    QAction other;
    onTriggered(&other, [&] { ++others; });
    prompts.duringWork = [&] { other.trigger(); };  // a click that reaches the window while the bar runs
    prompts.cancelAfterSteps = 3;
    guarded([&] {
        const auto progress = Prompts::progress("Exportando...");
        for (int i = 0; i < 10; ++i) {
            progress->step(i, 10);
            ++steps;
        }
    });
    EXPECT_EQ(steps, 2) << "stopped at the third step";
    EXPECT_EQ(others, 0);
    EXPECT_TRUE(prompts.asked.isEmpty()) << "a cancel is no error";
    EXPECT_EQ(prompts.progresses, QStringList{"Exportando..."});
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(Prompts::working());
    other.trigger();
    EXPECT_EQ(others, 1) << "once the work is over";

    // Work inside other work shares its progress; work without "Cancelar" is never cancelled.
    prompts.duringWork = nullptr;
    prompts.cancelAfterSteps = 1;
    guarded([&] {
        const auto outer = Prompts::progress("Gerando o relatório...", false);
        const auto inner = Prompts::progress("Lendo os dados...");
        inner->step(1, 0);
        outer->step(1, 1);
        ++steps;
    });
    EXPECT_EQ(steps, 3);
    EXPECT_EQ(prompts.progresses, (QStringList{"Exportando...", "Gerando o relatório...", "Lendo os dados..."}));
}

TEST(Guard, WorkAsideThrowsItsFailureHere) {
    PromptRecorder prompts;
    bool ran = false;
    Prompts::runAside("Enviando...", [&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_THROW(Prompts::runAside("Enviando...", [] { throw std::runtime_error("sem resposta"); }),
                 std::runtime_error);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
