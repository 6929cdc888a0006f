#pragma once
// The Enter key acting as Tab in the controls meant to act so: the key is swallowed and focus moves on.

#include <QObject>
#include <QWidget>

namespace ui {

class EnterAsTab : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Makes Enter act as Tab in `control`.
    static void install(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ui
