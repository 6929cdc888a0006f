// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The MDI main window: the numbered menu that opens every task, configured for the logged-in profile.

#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>

class QAction;

class TfrmMenuPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMenuPrincipal(QWidget* parent = nullptr);

    QAction* action(const QString& name) const { return m_actions.value(name); }
    QList<QAction*> menuActions() const { return m_actions.values(); }
    QMdiArea* mdiArea() const { return m_mdi; }
    QLabel* panel(int i) const { return m_panels[i]; }

    // actConfiguraMenu: enables the items the profile may use and writes the status bar.
    void configuraMenu();

    // Closes every MDI window and every window of its own but this one and `keep`, each as its own close
    // does; a form with a row being typed is asked before any window closes, and one the clerk keeps leaves
    // every window open. False when one stays open.
    bool closeForms(const QWidget* keep = nullptr);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    // Puts the MDI windows that are not minimised where `places` says, in the order they were opened.
    void tile(QList<QRect> (*places)(int count, const QRect& area));
    void arrangeIcons();
    void open(const QString& actionName);

    QMdiArea* m_mdi;
    QHash<QString, QAction*> m_actions;
    QList<QAction*> m_menuItems;  // every item that carries a Tag
    QLabel* m_panels[3];
    bool m_shown = false;
};

inline QPointer<TfrmMenuPrincipal> frmMenuPrincipal;
