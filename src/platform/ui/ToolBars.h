// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool bar of a form: buttons that show their actions' captions, all of them in sight: the bar is never
// narrower than its buttons, so the window that holds it keeps the width they need rather than putting some
// of them behind "»".

#include <QString>

class QToolBar;
class QWidget;

namespace ui {

// A tool bar named `objectName` whose buttons show their captions and stay in sight however its actions
// change, each action answering its key as showActionKeys() gives it; a label it holds (a name shown beside the
// buttons) takes what width is left.
QToolBar* makeToolBar(QWidget* parent, const QString& objectName);

}  // namespace ui
