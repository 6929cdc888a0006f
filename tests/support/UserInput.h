// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Acts on the program as a clerk does, through real input events only: a click where the control is, keys
// typed into the box that has the focus, Enter, a click on a combo's popup item. A helper that cannot do
// what a clerk could not do either (a hidden or disabled control, an item not in the list) fails the test.

#include <QPoint>
#include <QString>
#include <Qt>

class QAbstractButton;
class QComboBox;
class QWidget;

namespace input {

// Makes `widget`'s window the active one, as a clerk's click on its title bar does, so that focus and key
// events behave as on a screen.
void activate(QWidget* widget);

// A left click (press and release) at `at`, the middle of the widget by default.
void click(QWidget* widget, QPoint at = QPoint(-1, -1));
void doubleClick(QWidget* widget, QPoint at = QPoint(-1, -1));

// Clicks a button that a clerk can see and reach; fails the test otherwise.
void clickButton(QAbstractButton* button);

// Clicks into `box` (which gives it the focus, as a mouse does) and types `text` into whatever holds the
// focus then; accented and other non-ASCII characters are typed as the keyboard would send them.
void clickAndType(QWidget* box, const QString& text);
// Clicks into `box`, selects all it holds (Ctrl+A) and types `text` in its place.
void retype(QWidget* box, const QString& text);
// Types into the widget that holds the focus now, or into `box` when none does.
void type(QWidget* box, const QString& text);

void pressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Enter (the Return key) into the widget that holds the focus in `widget`'s window, or into `widget`.
void pressEnter(QWidget* widget);

// Opens the combo's list with a click and clicks the item shown as `text` (or at `index`). Fails the test
// when the list does not open or holds no such item.
void chooseItem(QComboBox* combo, const QString& text);
void chooseItem(QComboBox* combo, int index);

// The widget that holds the focus in the application now.
QWidget* focused();

// Clicks the tab of every page that hides `widget`, outermost first, as a clerk turns to the page it is on.
void turnToPage(QWidget* widget);

}  // namespace input
