// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a form's window goes and how it goes away: shown in the main window's work area or as a window of its
// own, placed over the work area or over its opener, and the focus given back when it closes.

#include <QMdiArea>
#include <QWidget>

class QDialog;

// The main window's MDI area, where MDI children are shown.
void setWorkspace(QMdiArea* area);
QMdiArea* workspace();

enum class ShowAs { MdiChild, Window };

// Shows a new form as an MDI child of the main window or as a window of its own; it is freed on close, and
// closing it (its own button, close() or the frame's close box) removes its MDI window too. It is fitted into
// the work area and centred over it (an MDI window takes the frame hints the form has set); a dialog that a
// form opens names that form as its `opener` and opens centred over the opener's window, and once the dialog
// has closed the opener's window comes back to the front with the focus where it was; a form opened without one
// gives the focus back so to the form in work when it opened (a form opened from another form's pop-up menu
// to that form), whatever else is open.
void showForm(QWidget* form, ShowAs how, QWidget* opener = nullptr);

// Once `window` (a report preview, a window that platform code shows) has closed, the form in work when this
// was called comes back to the front with the focus where it was.
void returnFocusOnClose(QWidget* window);

// Opens a dialog that keeps its opener waiting until it closes (QDialog::open()): its Tab chain follows its
// layout and its first control takes the focus, as showForm() does for a form.
void openDialog(QDialog* dialog);

// A form that asks before it closes while something is being typed in it. The question can be put to it before
// anything closes, so that closing many windows at once (a switch of user, the main menu's Sair) closes none
// when the clerk keeps one.
class AsksBeforeClosing {
public:
    // Asks now what closing would ask, without closing: true when the form may close.
    virtual bool askBeforeClosing() = 0;

protected:
    ~AsksBeforeClosing() = default;
};

// While one lives, a form that asks before closing closes without asking again, giving up what is being typed:
// the clerk has already answered askBeforeClosing().
class ClosingAnswered {
public:
    ClosingAnswered() { ++s_depth; }
    ~ClosingAnswered() { --s_depth; }
    ClosingAnswered(const ClosingAnswered&) = delete;
    ClosingAnswered& operator=(const ClosingAnswered&) = delete;
    static bool active() { return s_depth > 0; }

private:
    static inline int s_depth = 0;
};

// The window buttons of a shown form besides its title: Qt::WindowSystemMenuHint gives the system menu and
// the close button, Qt::WindowMinimizeButtonHint and Qt::WindowMaximizeButtonHint their buttons; none: a
// window that closes by its own buttons only.
void setWindowButtons(QWidget* form, Qt::WindowFlags buttons);

// Fits a shown form (its MDI window, or its own window on the screen) into the work area and centres it over
// the area, or over the window of the opener it was shown with.
void centreOverWorkspace(QWidget* form);

// The work area on the screen: the main window's MDI area while it is shown, else the screen's free area.
QRect workAreaOnScreen();

// Fits a window that is about to be shown into the work area and centres it there (report previews and
// other windows that platform code creates).
void placeOverWorkspace(QWidget* window);
