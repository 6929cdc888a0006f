// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens every form as the menu does, with reference rows enough for its lists and grids, does first what a
// clerk does before its lists matter, and then opens the further windows the form leads to: the sweeps
// over all forms visit each window so opened.

#include "SweepTest.h"
#include "UserInput.h"

#include "availability/UMapaDisponibilidade.h"
#include "common/FormWindows.h"
#include "common/access/FormOpening.h"
#include "registry/animal/UEndereco_Animal.h"
#include "registry/register/UPropAnimal.h"
#include "shell/menu/MenuModel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>

#include <functional>

namespace sweep {

inline QString captionOf(const QAction* action) { return action->text().remove(QLatin1Char('&')); }

// Triggers the first enabled action among `widget`'s ancestors (nearest first) whose caption is one of
// `captions`, in their order, until `done` holds; answers whether it holds.
inline bool triggerNearest(QWidget* widget, const QStringList& captions, const std::function<bool()>& done) {
    for (QWidget* w = widget; w && !done(); w = w->parentWidget()) {
        for (const QString& caption : captions) {
            for (QAction* action : w->findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (done())
                    return true;
                if (action->isEnabled() && action->isVisible() && captionOf(action) == caption)
                    action->trigger();
            }
        }
    }
    return done();
}

// What a clerk does first in a form before its lists matter, where the menu's opening is not enough.
inline const QHash<QString, std::function<void()>>& firstSteps() {
    static const QHash<QString, std::function<void()>> steps{
        // An owner found with the owner consult.
        {QStringLiteral("actProprietario_Animal"), [] { frmPropAnimal->openOwner(1); }},
        // An animal found with the animal search, whose new address the clerk cancels to see the current one.
        {QStringLiteral("actEndereco_Animal"),
         [] {
             frmEndereco_Animal->chooseAnimal(1, 1);
             frmEndereco_Animal->findChild<QAction*>(QStringLiteral("actCancel"))->trigger();
         }},
        // New slots: the unit and procedure lists then choose, where browsing they follow the day's slots.
        {QStringLiteral("actMapaDisponibilidade"),
         [] { input::clickButton(frmMapaDisponibilidade->findChild<QPushButton*>(QStringLiteral("bmpNovaVaga"))); }},
    };
    return steps;
}

// The controls of a form that open further windows with lists of their own, besides its look-up
// (actPesquisar), which every form that has one opens.
inline const QHash<QString, QStringList>& furtherWindows() {
    static const QHash<QString, QStringList> windows{
        {QStringLiteral("actProprietario_Animal"), {"BitBtn1", "actMarcaAtendimento"}},
        {QStringLiteral("actEndereco_Animal"), {"actPesquisa", "BitBtn4"}},
        {QStringLiteral("actTransferir_Animal"), {"btnLocalizarAtual"}},
        {QStringLiteral("actAgenda"), {"bmpLocalizar", "actChamaAgendador"}},
        // The areas of new slots; then, back to the day's slots, the clone of one.
        {QStringLiteral("actMapaDisponibilidade"),
         {"bmpAreas", "bmpCancelar", "BitBtn5", "BitBtn7", "BitBtn6", "btnPesquisar"}},
    };
    return windows;
}

}  // namespace sweep

class FormSweep : public SweepTest {
protected:
    void SetUp() override {
        SweepTest::SetUp();
        seedEveryList();
        area = new QMdiArea;
        area->resize(1366, 700);
        area->show();
        setWorkspace(area);
    }

    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != area && w->isVisible())
                w->close();
        delete area;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DbTest::TearDown();
    }

    static void close(QWidget* form) {
        if (!form)
            return;
        if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
            sub->close();
        else
            form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();  // what the close leaves to do, as the focus given back
    }

    // Every form the menu opens, each window it leads to, in turn: `visit` sees each window as it opens,
    // named by the menu action (">" the control that opened it) and its object name. A menu item meant to open
    // a form that has no opener, or opens neither a window nor a report, fails the sweep: none is passed over.
    void visitEveryWindow(const std::function<void(QWidget* window, const QString& name)>& visit) {
        QStringList actions;
        for (const MenuEntry& entry : mainMenuEntries()) {
            if (entry.kind != MenuEntry::Action || !opensForm(entry.actionName))
                continue;
            if (openerFor(entry.actionName))
                actions << entry.actionName;
            else
                ADD_FAILURE() << entry.actionName.toStdString() << " has no opener";
        }
        for (const QString& action : actions) {
            prompts.confirmations = QList<bool>(200, false);
            const qsizetype previewed = prompts.previews.size();
            const auto forms = opening([&] {
                openerFor(action)();
                if (sweep::firstSteps().contains(action))
                    sweep::firstSteps()[action]();
            });
            if (forms.isEmpty() && prompts.previews.size() == previewed)
                ADD_FAILURE() << action.toStdString() << " opens neither a window nor a report";
            for (const QPointer<QWidget>& form : forms)
                if (form)
                    visit(form, action + QLatin1Char('/') + form->objectName());
            for (const QString& control : QStringList{"actPesquisar"} + sweep::furtherWindows().value(action)) {
                QObject* trigger = nullptr;
                for (const QPointer<QWidget>& form : forms)
                    if (form && !trigger)
                        trigger = form->findChild<QObject*>(control);
                auto* act = qobject_cast<QAction*>(trigger);
                auto* button = qobject_cast<QAbstractButton*>(trigger);
                if (button)
                    input::turnToPage(button);
                if ((act && act->isEnabled() && act->isVisible()) ||
                    (button && button->isEnabled() && button->isVisible())) {
                    const auto windows = opening([&] { act ? act->trigger() : input::clickButton(button); });
                    for (const QPointer<QWidget>& window : windows)
                        if (window)
                            visit(window,
                                  action + QLatin1Char('>') + control + QLatin1Char('/') + window->objectName());
                    for (const QPointer<QWidget>& window : windows)
                        close(window);
                } else if (control != QLatin1String("actPesquisar")) {  // a form without a look-up hides it
                    ADD_FAILURE() << action.toStdString() << ": " << control.toStdString() << " cannot be used";
                }
            }
            for (const QPointer<QWidget>& form : forms)
                close(form);
        }
    }

    QMdiArea* area = nullptr;
};
