// SPDX-License-Identifier: GPL-3.0-or-later
// The note shown at a control: placed under it, hidden at the clerk's next click or move of the focus.
#include "platform/ui/FieldNote.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QToolTip>

namespace ui {

FieldNote::FieldNote(QWidget* control) : QLabel(control, Qt::ToolTip), m_control(control) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(3);
    setTextFormat(Qt::PlainText);
}

void FieldNote::showAt(const QString& text) {
    setText(text);
    adjustSize();
    const QRect screen = m_control->screen()->availableGeometry();
    QPoint at = m_control->mapToGlobal(QPoint(0, m_control->height() + 1));
    if (at.y() + height() > screen.bottom())
        at.setY(m_control->mapToGlobal(QPoint(0, 0)).y() - height() - 1);
    at.setX(std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() - width())));
    move(at);
    show();
    // The click, key or focus change that made the note appear is still being delivered: only what comes
    // after it hides the note.
    m_armed = false;
    qApp->installEventFilter(this);
    QMetaObject::invokeMethod(
        this, [this] { m_armed = true; }, Qt::QueuedConnection);
}

bool FieldNote::eventFilter(QObject* watched, QEvent* event) {
    if (!m_armed || !m_control)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::FocusIn: hide(); break;
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
    case QEvent::Close:
        if (watched == m_control->window() || watched == m_control)
            hide();
        break;
    default: break;
    }
    return false;
}

void FieldNote::hideEvent(QHideEvent* event) {
    qApp->removeEventFilter(this);
    QLabel::hideEvent(event);
}

}  // namespace ui
