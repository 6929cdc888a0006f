// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A line of text shown at a control as a tool tip is, without taking the focus: it stays while the clerk goes
// on typing, and goes at the next click, the next move of the focus or when the control's window is left.

#include <QLabel>
#include <QPointer>

namespace ui {

class FieldNote : public QLabel {
    Q_OBJECT
public:
    // A note for `control`, freed with it.
    explicit FieldNote(QWidget* control);

    // Shows `text` under the control (above it where the screen ends), in place of what it showed.
    void showAt(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QPointer<QWidget> m_control;
    bool m_armed = false;  // what made the note appear is over: the clerk's next step hides it
};

}  // namespace ui
