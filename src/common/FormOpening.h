#pragma once
// How a menu action opens a form: the opener registered under the action's name creates the form into
// its global variable, hides what the profile's rights refuse and shows it.

#include <QMdiArea>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

// The main window's MDI area, where MDI children are shown.
void setWorkspace(QMdiArea* area);
QMdiArea* workspace();

enum class ShowAs { MdiChild, Window };

// Shows a new form as an MDI child of the main window or as a window of its own; it is freed on close.
void showForm(QWidget* form, ShowAs how);

// The window buttons of a shown form besides its title: Qt::WindowSystemMenuHint gives the system menu and
// the close button, Qt::WindowMinimizeButtonHint and Qt::WindowMaximizeButtonHint their buttons; none: a
// window that closes by its own buttons only.
void setWindowButtons(QWidget* form, Qt::WindowFlags buttons);

// Centres a form over the MDI work area: its MDI window inside the area, a window of its own over the area
// on the screen.
void centreOverWorkspace(QWidget* form);

// What each right that holds "N" hides, by object name (actions or widgets of the form).
struct RightsHiding {
    QStringList incluir{QStringLiteral("actAppend")};
    QStringList alterar{QStringLiteral("actEdit")};
    QStringList excluir{QStringLiteral("actDelete")};
    QStringList imprimir{QStringLiteral("actPrint")};
    QStringList shownWithRow;  // made visible whenever the profile has a row for the form
};

// Reads the logged-in profile's row for the form id and hides what each "N" refuses; without a row
// nothing is hidden. Returns whether a row was found.
bool applyFormRights(QWidget* form, int formId, const RightsHiding& hiding = {});

// Openers of the menu actions, by action name ("actUnidade").
using FormOpener = std::function<void()>;
void registerOpener(const QString& actionName, FormOpener opener);
FormOpener openerFor(const QString& actionName);

// What the period-and-unit report selection starts for its Tag once the report parameters are set: each
// subsystem registers the reports of its own Tags.
void registerReportStarter(int tag, FormOpener start);
FormOpener reportStarterFor(int tag);
