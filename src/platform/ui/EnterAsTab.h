// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Enter key as the old platform handled it: in the controls meant to act so it acts as Tab (the key is
// swallowed and focus moves on); on a focused push button it presses the button, in every window of a
// program that links this unit (Qt does so only for the buttons of a dialog); in a search box it runs the
// search.

#include <QObject>
#include <QWidget>

class QAbstractButton;
class QLineEdit;

namespace ui {

class EnterAsTab : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Makes Enter act as Tab in `control`.
    static void install(QWidget* control);

    // Makes Enter in `box` press `button` (a search box and its search button).
    static void pressOnEnter(QLineEdit* box, QAbstractButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ui
