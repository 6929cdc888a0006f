// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's wait cursor while work runs: one object per piece of work, nested ones sharing the one
// cursor, which goes when the last of them does (an exception leaving its scope included). A pause lifts
// it while the user is asked something and puts it back afterwards.

#include <Qt>

namespace ui {

class WaitCursor {
public:
    // Qt::WaitCursor while nothing can be clicked; Qt::BusyCursor while a dialog of the work can be.
    explicit WaitCursor(Qt::CursorShape shape = Qt::WaitCursor);
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    int m_id;
};

class CursorPause {
public:
    CursorPause();
    ~CursorPause();
    CursorPause(const CursorPause&) = delete;
    CursorPause& operator=(const CursorPause&) = delete;
};

}  // namespace ui
