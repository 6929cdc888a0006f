// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "023 - Agenda": the booked attendances by day, month or year per performing unit and status, the week's
// counts per weekday and half-hour slot, and the doors to the booking form, the locator, the agenda
// reports and the statistics. It reads only.

#include "scheduling/agenda/AgendaPages.h"
#include "scheduling/agenda/AttendanceTarget.h"

#include <QPointer>
#include <QWidget>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QTabWidget;

namespace scheduling {
inline const QString kSemanaNaoCadastrada =
    QStringLiteral("Semana epidemiológica não cadastrada, entre em contato com o administrador do sistema!");
inline const QString kErroPesquisarSemana =
    QStringLiteral(" Erro ao pesquisar semana epidemiológica, entre em contato com o administrador do sistema!");
inline const QString kErroPreencherAgenda = QStringLiteral(
    "Erro ao tentar preencher a agenda. Talvez a tabela de semana epidemiológica não contempla esta data!");
inline const QString kNenhumRegistro = QStringLiteral("Nenhum registro encontrado.");
}  // namespace scheduling

class TfrmAgenda : public QWidget, public AttendanceTarget {
    Q_OBJECT
public:
    explicit TfrmAgenda(QWidget* parent = nullptr);

    // A new agenda as an MDI child, on the server's date.
    static TfrmAgenda* open();

    QTabWidget* pgcPrincipal;
    AgendaDailyPage* tbsPrincipal;
    AgendaWeekPage* tbsSemanal;
    QStatusBar* StatusBar1;
    QMenu* ppmPrincipal;
    QAction* actChamaAgendador;

    // The week row the grid shows: set by a refresh, or on entering the weekly page before any refresh.
    struct Week {
        int year = 0;
        int number = 0;
        QDate first;
        QDate last;
    };
    const Week& week() const { return m_week; }
    int dayCount() const { return m_dayCount; }
    int weekCount() const { return m_weekCount; }

    // Sets both calendars to the day.
    void setDay(const QDate& day);
    // Loads the list, draws the week's titles and counts it; "Atualizar" and the calendars' clicks.
    void refresh();
    // The locator's choice: the list of that attendance alone.
    void showAttendance(const QVariant& id) override;
    // Enters the weekly page: with no week drawn yet, the week of `today`.
    void enterWeekPage(const QDate& today);

private:
    // The constructor's parts, in order.
    void createPages();       // the daily and the weekly page
    void createStatusBar();   // the refresh's failures and the counts
    void layOut();            // the pages above the status bar
    void createActions();     // actChamaAgendador: the booking form on the day and attendance chosen
    void fillFilters();       // the units and statuses offered, the same on both pages
    void connectCalendars();  // one day on both calendars; a click refreshes
    void connectButtons();    // the pages' buttons
    void connectPages();      // a double click books; the weekly page entered takes its week

    // Checks the week and loads the list; the week's rows, none when they could not be read. Throws
    // kErroPreencherAgenda when the week is not registered.
    std::optional<db::RowSet> loadList();
    void countWeek();
    void openBooking();
    void generateReport();
    void showStatistics();
    void buildPopup();
    void mirror(QComboBox* a, QComboBox* b);

    Week m_week;
    bool m_weekDrawn = false;
    int m_dayCount = 0;
    int m_weekCount = 0;
};

inline QPointer<TfrmAgenda> frmAgenda;
