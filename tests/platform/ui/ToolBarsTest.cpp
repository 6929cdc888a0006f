// SPDX-License-Identifier: GPL-3.0-or-later
// A form's tool bar: every button in sight however narrow its window is made, and each action answering the key
// its tool tip shows, from the bar's overflow too.

#include "UserInput.h"
#include "platform/ui/ActionKeys.h"
#include "platform/ui/ToolBars.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

struct Form {
    QWidget window;
    QLineEdit* box = new QLineEdit(&window);
    QList<QAction*> actions;

    explicit Form(QToolBar* bar) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(bar);
        layout->addWidget(box);
        for (const char* caption : {"&Novo", "&Alterar", "&Marca atendimento...", "Sair"}) {
            auto* a = new QAction(QString::fromUtf8(caption), &window);
            bar->addAction(a);
            actions << a;
        }
        actions.last()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    }
    // Presses the key of `action` in the text box and says whether the action ran.
    bool answers(QAction* action) {
        bool ran = false;
        const auto connection = QObject::connect(action, &QAction::triggered, [&] { ran = true; });
        input::activate(&window);
        box->setFocus();
        const QKeyCombination key = action->shortcuts().value(0)[0];
        QTest::keyClick(box, key.key(), key.keyboardModifiers());
        QObject::disconnect(connection);
        return ran;
    }
};

TEST(ToolBars, EveryButtonStaysInSightAndAnswersTheKeyItsTipShows) {
    QToolBar* bar = ui::makeToolBar(nullptr, QStringLiteral("tlbPrincipal"));
    Form form(bar);
    form.window.show();
    form.window.resize(60, 200);
    QApplication::processEvents();
    EXPECT_GE(form.window.width(), bar->sizeHint().width()) << "the window keeps the width its buttons need";
    const struct {
        const char* tip;
    } expected[] = {{"Novo (Alt+N)"}, {"Alterar (Alt+A)"}, {"Marca atendimento... (Alt+M)"}, {"Sair (Ctrl+S)"}};
    for (int i = 0; i < 4; ++i) {
        QAction* a = form.actions[i];
        SCOPED_TRACE(a->text().toStdString());
        EXPECT_EQ(a->toolTip(), QString::fromUtf8(expected[i].tip));
        EXPECT_TRUE(bar->widgetForAction(a)->isVisible());
        EXPECT_TRUE(form.answers(a));
    }
}

// A bar squeezed by its window (one not made by makeToolBar) puts buttons behind "»": their keys still answer.
TEST(ToolBars, ActionsInTheOverflowAnswerTheirKeys) {
    auto* bar = new QToolBar;
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ui::showActionKeys(bar);
    Form form(bar);
    bar->setMaximumWidth(90);
    form.window.show();
    QApplication::processEvents();
    int hidden = 0;
    for (QAction* a : form.actions) {
        SCOPED_TRACE(a->text().toStdString());
        if (!bar->widgetForAction(a)->isVisible())
            ++hidden;
        EXPECT_TRUE(form.answers(a));
    }
    EXPECT_GE(hidden, 2) << "the bar puts buttons behind its overflow";
}

}  // namespace
