// SPDX-License-Identifier: GPL-3.0-or-later
// The wait cursor: the innermost live object's shape, shown as the application's one override cursor.
#include "platform/ui/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace ui {

namespace {

struct State {
    std::vector<std::pair<int, Qt::CursorShape>> live;  // by age; the youngest decides the shape
    int nextId = 0;
    int pauses = 0;
    std::optional<Qt::CursorShape> shown;  // what this module holds on the override stack
};

State& state() {
    static State s;
    return s;
}

void apply() {
    State& s = state();
    std::optional<Qt::CursorShape> wanted;
    if (s.pauses == 0 && !s.live.empty())
        wanted = s.live.back().second;
    if (wanted == s.shown || !qGuiApp)
        return;
    if (!wanted)
        QGuiApplication::restoreOverrideCursor();
    else if (!s.shown)
        QGuiApplication::setOverrideCursor(QCursor(*wanted));
    else
        QGuiApplication::changeOverrideCursor(QCursor(*wanted));
    s.shown = wanted;
}

}  // namespace

WaitCursor::WaitCursor(Qt::CursorShape shape) : m_id(state().nextId++) {
    state().live.emplace_back(m_id, shape);
    apply();
}

WaitCursor::~WaitCursor() {
    auto& live = state().live;
    live.erase(std::remove_if(live.begin(), live.end(), [this](const auto& entry) { return entry.first == m_id; }),
               live.end());
    apply();
}

CursorPause::CursorPause() {
    ++state().pauses;
    apply();
}

CursorPause::~CursorPause() {
    --state().pauses;
    apply();
}

}  // namespace ui
