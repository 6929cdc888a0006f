// SPDX-License-Identifier: GPL-3.0-or-later
// Where a form's window goes and how it goes away: the work area, the placing of windows and the focus given
// back when a form or a window closes.
#include "common/FormWindows.h"

#include "common/WindowPlacement.h"
#include "platform/ui/TabChain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>

#include <utility>

namespace {

QPointer<QMdiArea> g_workspace;

// The MDI window that holds `widget`, if any.
QMdiSubWindow* mdiWindowOf(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w))
            return sub;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

// What `widget`'s window covers on the screen: its MDI window inside the work area, or its own window.
QRect windowOnScreen(QWidget* widget) {
    if (QMdiSubWindow* sub = mdiWindowOf(widget))
        return QRect(sub->mapToGlobal(QPoint(0, 0)), sub->size());
    return widget->window()->frameGeometry();
}

QMargins marginsOf(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inside = window->geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
            frame.bottom() - inside.bottom()};
}

// The window manager's frame around `window`: known once it has framed it; before that, the main window's
// frame is the best guess.
QMargins frameMargins(const QWidget* window) {
    if (window->isVisible() && window->frameGeometry() != window->geometry())
        return marginsOf(window);
    if (g_workspace && g_workspace->window()->isVisible())
        return marginsOf(g_workspace->window());
    return {};
}

// The size a window has or will have when shown: the size it was given, else the one its contents ask for.
QSize intendedSize(const QWidget* window) {
    if (window->testAttribute(Qt::WA_Resized) || !window->sizeHint().isValid())
        return window->size();
    return window->sizeHint();
}

QSize leastSize(const QWidget* window) { return window->minimumSizeHint().expandedTo(window->minimumSize()); }

void placeMdiWindow(QMdiSubWindow* sub, QWidget* opener) {
    const QRect bounds = sub->mdiArea()->viewport()->rect();
    if (sub->mdiArea()->isVisible())
        sub->resize(fittedSize(sub->size(), leastSize(sub), bounds.size()));
    QRect over = bounds;
    if (QMdiSubWindow* openers = mdiWindowOf(opener); openers && openers != sub && openers->mdiArea() == sub->mdiArea())
        over = openers->geometry();
    sub->move(centredWithin(sub->size(), over, bounds).topLeft());
}

void placeWindow(QWidget* window, QWidget* opener);

// The helper object of class T that `owner` keeps, if any (the helpers below carry no meta-object of their own).
template <class T>
T* helperOf(const QObject* owner) {
    for (QObject* child : owner->children())
        if (auto* helper = dynamic_cast<T*>(child))
            return helper;
    return nullptr;
}

// Places a window once more when the window manager has framed it, as its frame may differ from the guess.
class PlaceWhenFramed : public QObject {
public:
    PlaceWhenFramed(QWidget* window, QWidget* opener) : QObject(window), m_window(window), m_opener(opener) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
            m_window->isVisible() && m_window->frameGeometry() != m_window->geometry()) {
            QWidget* window = m_window;
            QWidget* opener = m_opener;
            deleteLater();
            window->removeEventFilter(this);
            placeWindow(window, opener);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_window;
    QPointer<QWidget> m_opener;
};

void placeWindow(QWidget* window, QWidget* opener) {
    const QRect bounds = workAreaOnScreen();
    const QMargins frame = frameMargins(window);
    window->resize(fittedSize(intendedSize(window), leastSize(window), bounds.size().shrunkBy(frame)));
    const QRect over = opener ? windowOnScreen(opener) : bounds;
    // A window's position is that of its frame.
    window->move(centredWithin(window->size().grownBy(frame), over, bounds).topLeft());
    if (window->frameGeometry() == window->geometry() && !helperOf<PlaceWhenFramed>(window))
        new PlaceWhenFramed(window, opener);
}

// The form the clerk works in now: the form of the work area's current MDI window, or the window of its own
// that is active; none while the main window alone is.
QWidget* formInWork() {
    QWidget* active = QApplication::activeWindow();
    if (g_workspace && (!active || active == g_workspace->window())) {
        QMdiSubWindow* sub = g_workspace->currentSubWindow();
        return sub && sub->isVisible() ? sub->widget() : nullptr;
    }
    return active;
}

void giveBackFocus(QWidget* to, QWidget* focus) {
    if (!to || !to->isVisible())
        return;
    if (QMdiSubWindow* sub = mdiWindowOf(to); sub && sub->mdiArea())
        sub->mdiArea()->setActiveSubWindow(sub);
    QWidget* window = to->window();
    window->raise();
    window->activateWindow();
    if (focus && focus->isVisible() && focus->isEnabled())
        focus->setFocus(Qt::OtherFocusReason);
}

// The focus a closed form gives back, once the work area and the window system have done their own activating
// of what is left. A window opened before that (the report that a selection dialog starts as it closes) takes
// it over, and gives it back when it closes in turn.
struct FocusToGiveBack {
    QPointer<QWidget> to;
    QPointer<QWidget> focus;
};
FocusToGiveBack g_pendingFocus;

// Kept by every form that showForm shows and every window that returnFocusOnClose() names: closes the form's
// MDI window once the form has closed, and gives the focus back to the window the form was opened from (its
// opener, or the form in work when it opened), whatever else has been opened or closed meanwhile.
class FormFrame : public QObject {
public:
    FormFrame(QWidget* form, QWidget* opener) : QObject(form), m_form(form), m_opener(opener) {
        if (!opener && g_pendingFocus.to) {
            m_return = std::exchange(g_pendingFocus, {});
        } else {
            m_return.to = opener ? opener : formInWork();
            QWidget* focus = QApplication::focusWidget();
            if (m_return.to && focus && focus->window() == m_return.to->window() &&
                mdiWindowOf(focus) == mdiWindowOf(m_return.to))
                m_return.focus = focus;
        }
        form->installEventFilter(this);
    }

    QWidget* opener() const { return m_opener; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_form || event->type() != QEvent::Close || m_asking)
            return QObject::eventFilter(watched, event);
        // The form decides first (it may ask about a row being typed); only a close it accepts goes further.
        m_asking = true;
        QCoreApplication::sendEvent(m_form, event);
        m_asking = false;
        if (event->isAccepted())
            closed();
        return true;
    }

private:
    void closed() {
        if (QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(m_form->parentWidget()))
            sub->close();
        if (!m_return.to || m_return.to == m_form)
            return;
        // The work area shows the form to come back to at once, not the one it would pick itself.
        if (QMdiSubWindow* back = mdiWindowOf(m_return.to); back && back->mdiArea() && back->isVisible())
            back->mdiArea()->setActiveSubWindow(back);
        g_pendingFocus = m_return;
        QMetaObject::invokeMethod(
            qApp,
            [] {
                const FocusToGiveBack pending = std::exchange(g_pendingFocus, {});
                giveBackFocus(pending.to, pending.focus);
            },
            Qt::QueuedConnection);
    }

    QWidget* m_form;
    QPointer<QWidget> m_opener;
    FocusToGiveBack m_return;
    bool m_asking = false;
};

FormFrame* frameOf(const QWidget* form) { return helperOf<FormFrame>(form); }

}  // namespace

void setWorkspace(QMdiArea* area) { g_workspace = area; }
QMdiArea* workspace() { return g_workspace; }

void showForm(QWidget* form, ShowAs how, QWidget* opener) {
    form->setAttribute(Qt::WA_DeleteOnClose, true);
    new FormFrame(form, opener);
    ui::chainTabsByLayout(form);
    if (how == ShowAs::MdiChild && g_workspace) {
        // The MDI window takes the size the form asks for; it would take only what its contents need.
        const QSize asked = form->testAttribute(Qt::WA_Resized) ? form->size() : QSize();
        // A form that customises its frame (no border icons) has its MDI window drawn so.
        const Qt::WindowFlags frame = form->windowFlags() & ~Qt::WindowType_Mask;
        QMdiSubWindow* sub =
            g_workspace->addSubWindow(form, frame.testFlag(Qt::CustomizeWindowHint) ? frame : Qt::WindowFlags());
        sub->setAttribute(Qt::WA_DeleteOnClose, true);
        sub->show();
        form->show();
        if (asked.isValid())
            sub->resize(sub->size().expandedTo(sub->size() - form->size() + asked));
        // Placed once shown, when the form's layout has given the window its size.
        placeMdiWindow(sub, opener);
    } else {
        form->setWindowFlag(Qt::Window, true);
        // Placed before it is shown, so that the window manager puts it there.
        placeWindow(form, opener);
        form->show();
    }
    // Its keys work at once, before any click or Tab.
    ui::focusFirstControl(form);
}

void returnFocusOnClose(QWidget* window) {
    if (!frameOf(window))
        new FormFrame(window, nullptr);
}

void openDialog(QDialog* dialog) {
    ui::chainTabsByLayout(dialog);
    dialog->open();
    ui::focusFirstControl(dialog);
}

void setWindowButtons(QWidget* form, Qt::WindowFlags buttons) {
    if (buttons.testFlag(Qt::WindowSystemMenuHint))
        buttons |= Qt::WindowCloseButtonHint;
    QWidget* window = qobject_cast<QMdiSubWindow*>(form->parentWidget()) ? form->parentWidget() : form;
    const Qt::WindowFlags kind = window == form ? Qt::Window : Qt::SubWindow;
    window->setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | buttons);
    window->show();  // a change of flags hides the window
}

void centreOverWorkspace(QWidget* form) {
    FormFrame* frame = frameOf(form);
    QWidget* opener = frame ? frame->opener() : nullptr;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget()); sub && sub->mdiArea())
        placeMdiWindow(sub, opener);
    else if (form->isWindow())
        placeWindow(form, opener);
}

QRect workAreaOnScreen() {
    if (g_workspace && g_workspace->isVisible()) {
        const QWidget* area = g_workspace->viewport();
        return QRect(area->mapToGlobal(QPoint(0, 0)), area->size());
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1366, 700);
}

void placeOverWorkspace(QWidget* window) { placeWindow(window, nullptr); }
