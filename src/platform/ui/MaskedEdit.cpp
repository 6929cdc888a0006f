// SPDX-License-Identifier: GPL-3.0-or-later
// A click into a masked line edit puts the cursor where typing can go on.
#include "platform/ui/MaskedEdit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>

#include <vector>

namespace ui {

namespace {

bool isSlot(QChar c) { return QStringLiteral("AaNnXx90DdHhBb#").contains(c); }
bool isCaseSwitch(QChar c) { return c == QLatin1Char('>') || c == QLatin1Char('<') || c == QLatin1Char('!'); }

class MaskedClick : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* edit = qobject_cast<QLineEdit*>(watched);
            if (edit && !edit->inputMask().isEmpty() && !edit->hasSelectedText()) {
                const int at = typingPosition(edit->inputMask(), edit->displayText());
                if (edit->cursorPosition() > at)
                    edit->setCursorPosition(at);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int typingPosition(const QString& inputMask, const QString& shown) {
    const qsizetype separator = inputMask.lastIndexOf(QLatin1Char(';'));
    const QString mask = separator >= 0 ? inputMask.left(separator) : inputMask;
    const QChar blank =
        separator >= 0 && separator + 1 < inputMask.size() ? inputMask[separator + 1] : QLatin1Char(' ');
    std::vector<bool> places;  // per shown position: a place the clerk types into, or a fixed character
    for (qsizetype i = 0; i < mask.size(); ++i) {
        if (mask[i] == QLatin1Char('\\') && i + 1 < mask.size()) {
            places.push_back(false);
            ++i;
        } else if (!isCaseSwitch(mask[i])) {
            places.push_back(isSlot(mask[i]));
        }
    }
    int firstSlot = -1, afterFilled = -1;
    for (int i = 0; i < int(places.size()) && i < shown.size(); ++i) {
        if (!places[size_t(i)])
            continue;
        if (firstSlot < 0)
            firstSlot = i;
        if (shown[i] != blank)
            afterFilled = i + 1;
    }
    return afterFilled >= 0 ? afterFilled : std::max(firstSlot, 0);
}

void installMaskedClick() {
    QCoreApplication::instance()->installEventFilter(new MaskedClick(QCoreApplication::instance()));
}

}  // namespace ui
