// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's main window as on a 1366x768 screen (a work area of 1366 by 700) with every subsystem's menu
// openers, and the checks of where a window lies.

#include "SweepTest.h"

#include "common/FormWindows.h"
#include "shell/menu/UMenuPrincipal.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QRect>

#include <gtest/gtest.h>
#include <memory>

inline constexpr QSize kWorkArea{1366, 700};

// The main window, shown, its work area resized to kWorkArea.
inline std::unique_ptr<TfrmMenuPrincipal> openMainWindow() {
    auto main = std::make_unique<TfrmMenuPrincipal>();
    frmMenuPrincipal = main.get();
    main->show();
    // The menu and status bars take what they take; the work area gets the rest.
    const QSize viewport = main->mdiArea()->viewport()->size();
    main->resize(main->size() + kWorkArea - viewport);
    QCoreApplication::processEvents();
    return main;
}

// Processes what the clerk's action left pending: posted events, closed windows deleted.
inline void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The windows of their own that are open now, the main window aside.
inline QList<QPointer<QWidget>> openWindows(const QWidget* main) {
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != main && w->isVisible() && !w->inherits("QMenu") && !w->inherits("QComboBoxPrivateContainer"))
            windows << w;
    return windows;
}

inline std::string text(const QRect& r) {
    return QStringLiteral("%1x%2 at (%3,%4)").arg(r.width()).arg(r.height()).arg(r.left()).arg(r.top()).toStdString();
}

// A window's frame lies inside the work area and is centred over `over` as far as the area lets it (a frame as
// big as the area fills it).
inline void expectPlaced(const QRect& frame, const QRect& area, const QRect& over, const QString& what) {
    SCOPED_TRACE(what.toStdString() + ": " + text(frame) + " in the work area " + text(area));
    EXPECT_TRUE(area.contains(frame)) << "the window passes the work area";
    const QRect centred(
        QPoint(std::clamp(over.center().x() - frame.width() / 2, area.left(), area.right() - frame.width() + 1),
               std::clamp(over.center().y() - frame.height() / 2, area.top(), area.bottom() - frame.height() + 1)),
        frame.size());
    EXPECT_LE(std::abs(frame.left() - centred.left()), 3) << "not centred across, over " << text(over);
    EXPECT_LE(std::abs(frame.top() - centred.top()), 3) << "not centred down, over " << text(over);
}

inline void expectPlaced(const QRect& frame, const QRect& area, const QString& what) {
    expectPlaced(frame, area, area, what);
}

class WindowsTest : public SweepTest {
protected:
    void SetUp() override {
        SweepTest::SetUp();
        seedUnit();
        main = openMainWindow();
        area = main->mdiArea();
    }

    void TearDown() override {
        for (const QPointer<QWidget>& w : openWindows(main.get()))
            delete w.data();
        main.reset();
        frmMenuPrincipal = nullptr;
        setWorkspace(nullptr);
        settle();
        DbTest::TearDown();
    }

    // The work area: the MDI area's viewport, in its own coordinates and on the screen.
    QRect areaRect() const { return area->viewport()->rect(); }
    QRect areaOnScreen() const { return QRect(area->viewport()->mapToGlobal(QPoint(0, 0)), kWorkArea); }

    std::unique_ptr<TfrmMenuPrincipal> main;
    QMdiArea* area = nullptr;
};
