// SPDX-License-Identifier: GPL-3.0-or-later
// Every window the menu opens, at a 1366x768 screen: inside the work area, centred, showing the program's icon,
// every action of its tool bars in sight, and gone with nothing left behind once closed by its own button; the same
// for the report selections once they have started their report.
#include "UserInput.h"
#include "WindowsFixture.h"

#include "common/access/Session.h"
#include "shell/menu/MenuModel.h"
#include "shell/units/URelUnidade.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QToolBar>

namespace {

// The login of the user switch closes only by a login (its own tests show it).
const QString kLogin = QStringLiteral("actTrocaUsuario");

QPushButton* buttonOf(QWidget* form, const QString& caption) {
    for (QPushButton* b : form->findChildren<QPushButton*>())
        if (b->isVisible() && b->isEnabled() && b->text().remove(QLatin1Char('&')) == caption)
            return b;
    return nullptr;
}

// The button a clerk closes a form with ("Sair", the tool bar's Sair); without one, the form closes itself as
// its "Cancelar" or its window's close box does.
void closeAsAClerk(QWidget* form) {
    for (const QString& caption : {QStringLiteral("Sair"), QStringLiteral("Fechar")}) {
        if (QPushButton* b = buttonOf(form, caption)) {
            input::clickButton(b);
            return;
        }
    }
    if (auto* sair = form->findChild<QAction*>("actSair"); sair && sair->isVisible() && sair->isEnabled()) {
        sair->trigger();
        return;
    }
    form->close();
}

// Every action of every tool bar of `form` shows as a button of its own, none behind the bar's "»".
void expectToolBarsWhole(QWidget* form) {
    for (QToolBar* bar : form->findChildren<QToolBar*>()) {
        input::turnToPage(bar);
        QStringList hidden;
        for (QAction* action : bar->actions()) {
            const QWidget* button = bar->widgetForAction(action);
            if (!action->isSeparator() && action->isVisible() && !(button && button->isVisible()))
                hidden << action->text().remove(QLatin1Char('&'));
        }
        EXPECT_TRUE(hidden.isEmpty()) << bar->objectName().toStdString() << " hides " << hidden.join(", ").toStdString()
                                      << " at " << bar->width() << " wide";
    }
}

QString titles(const QList<QMdiSubWindow*>& windows) {
    QStringList t;
    for (const QMdiSubWindow* w : windows)
        t << w->windowTitle();
    return t.join(", ");
}

}  // namespace

class WindowsSweep : public WindowsTest {};

TEST_F(WindowsSweep, EveryMenuWindowOpensInsideTheWorkAreaCentredAndLeavesNothingBehind) {
    for (const MenuEntry& entry : mainMenuEntries()) {
        if (entry.kind != MenuEntry::Action || !opensForm(entry.actionName))
            continue;
        SCOPED_TRACE(entry.caption.toStdString());
        const QList<QPointer<QWidget>> before = openWindows(main.get());
        prompts.clear();
        main->action(entry.actionName)->trigger();
        settle();
        QList<QWidget*> forms;
        for (QMdiSubWindow* sub : area->subWindowList()) {
            expectPlaced(sub->geometry(), areaRect(), sub->windowTitle());
            forms << sub->widget();
        }
        for (const QPointer<QWidget>& w : openWindows(main.get())) {
            if (before.contains(w))
                continue;
            expectPlaced(w->frameGeometry(), areaOnScreen(), w->windowTitle());
            forms << w.data();
        }
        if (forms.isEmpty()) {
            EXPECT_EQ(prompts.previews.size(), 1) << "opens neither a window nor a report";
            continue;
        }
        for (QWidget* form : forms)
            expectToolBarsWhole(form);
        for (QWidget* form : forms) {
            EXPECT_EQ(form->windowIcon().cacheKey(), qApp->windowIcon().cacheKey()) << "not the program's icon";
            if (entry.actionName == kLogin)
                delete form;
            else
                closeAsAClerk(form);
        }
        settle();
        EXPECT_TRUE(area->subWindowList().isEmpty()) << "left behind: " << titles(area->subWindowList()).toStdString();
        EXPECT_EQ(openWindows(main.get()).size(), before.size()) << "a window stays open";
        for (QMdiSubWindow* sub : area->subWindowList())  // the next item starts on an empty work area
            delete sub;
    }
}

TEST_F(WindowsSweep, ReportSelectionsCloseOnceTheirReportHasStarted) {
    exec("insert into profissional (Id_Profissional, Nome, Ind_Status) values (1, 'DRA. LIA', 'ATIVO')");
    struct Selection {
        const char* action;
        const char* choice;  // the list a clerk picks from first, if the report needs it
        const char* item;
        const char* run;
    };
    const Selection selections[] = {
        {"actRelAgendaDiaria", "cbbUnidade", "0 - Todos", "BitBtn2"},
        {"actRelAnimaisCadastradosConsolidado", "cbbUnidade", "0 - Todos", "BitBtn2"},
        {"actRelAnimaisMicrochipado", "cbbUnidade", "1 - UNIDADE CENTRAL", "BitBtn2"},
        {"actRelAgendaMensal", "cbbUnidade", "0 - Todos", "BitBtn2"},
        {"actSelAgendaProfissional", "cbbProfissional", "1 - DRA. LIA", "BitBtn2"},
    };
    for (const Selection& s : selections) {
        SCOPED_TRACE(s.action);
        prompts.clear();
        main->action(s.action)->trigger();
        settle();
        ASSERT_EQ(area->subWindowList().size(), 1);
        QWidget* dialog = area->subWindowList().first()->widget();
        expectPlaced(area->subWindowList().first()->geometry(), areaRect(), dialog->windowTitle());
        input::chooseItem(dialog->findChild<QComboBox*>(s.choice), s.item);
        input::clickButton(dialog->findChild<QPushButton*>(s.run));
        settle();
        EXPECT_TRUE(area->subWindowList().isEmpty()) << "left behind: " << titles(area->subWindowList()).toStdString();
        EXPECT_FALSE(prompts.asked.isEmpty()) << "the report did not start (its preview, or its word why not)";
    }
}

TEST_F(WindowsSweep, TheReportPreviewOpensInsideTheWorkAreaCentred) {
    Prompts::setHandler(nullptr);  // the program's own preview window
    Prompts::preview(std::make_shared<TfrmRelUnidade>(), false);
    Prompts::setHandler(&prompts);
    settle();
    const QList<QPointer<QWidget>> windows = openWindows(main.get());
    ASSERT_EQ(windows.size(), 1);
    expectPlaced(windows.first()->frameGeometry(), areaOnScreen(), windows.first()->windowTitle());
    windows.first()->close();
    settle();
    EXPECT_TRUE(openWindows(main.get()).isEmpty());
}
