// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two pages of the agenda: "Principal" with its filters, the daily list and the buttons of the
// reports, and "Agenda semanal" with the week's calendar, the mirrored filters and the grid of counts.

#include "platform/db/DataSet.h"
#include "scheduling/agenda/AgendaSql.h"
#include "scheduling/agenda/WeekGrid.h"

#include <QWidget>

class QCalendarWidget;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTableView;
class QTableWidget;

namespace ui {
class DataGridModel;
}

// Reopens the rows of a grid ordered by the clicked column and marks it; a failure leaves the rows as they
// were and says so.
void sortGrid(db::DataSet& data, ui::DataGridModel& model, int column);

// Fills a look-up box with a blank entry and "nome" of each row, keeping the row's first column as the key.
void fillLookup(QComboBox* box, const db::RowSet& rows);
// The key of the chosen entry; null when the box shows a blank.
QVariant lookupKey(const QComboBox* box);

class AgendaDailyPage : public QWidget {
    Q_OBJECT
public:
    explicit AgendaDailyPage(QWidget* parent = nullptr);

    QComboBox* dblUnidadeTrabalho;
    QComboBox* dblStatus;
    QGroupBox* rdgFiltro;
    QRadioButton* rdbDia;
    QRadioButton* rdbMes;
    QRadioButton* rdbAno;
    QCalendarWidget* mcdPrincipal;
    QPushButton* BitBtn3;  // "Atualizar"
    QPushButton* BitBtn4;  // "Limpar"
    QPushButton* BitBtn1;  // "&Agendar novo atendimento..."
    QPushButton* bmpLocalizar;
    QRadioButton* rdbRelDiario;
    QRadioButton* rdbRelMensal;
    QRadioButton* rdbRelAnual;
    QRadioButton* rdbRelProfissional;
    QPushButton* bmpGeraRelatorio;
    QPushButton* bmpInformacao;
    QTableView* dbgPrincipal;
    db::DataSet* qryAtendimento;

    AgendaPeriod period() const;
    agendasql::Filter filter() const;

    int load();                               // the list of the filter, read as shown; its row count
    void showAttendance(const QVariant& id);  // the list of that one attendance
    void clear();                             // blank boxes, an empty list
    void sortBy(int column);                  // nothing while the list is cleared
    QVariant currentAttendance() const;       // null without a row

private:
    // The constructor's parts, in order.
    void createFilters();        // unit, status, day, month or year, and the calendar
    void createButtons();        // Atualizar, Limpar, the booking and the locator
    QGroupBox* createReports();  // the report's kind and its buttons
    void createGrid();           // the list, ordered by a click on a title
    void layOut(QGroupBox* reports);

    ui::DataGridModel* m_model;
    bool m_listed = false;
};

class AgendaWeekPage : public QWidget {
    Q_OBJECT
public:
    explicit AgendaWeekPage(QWidget* parent = nullptr);

    QCalendarWidget* mclAgendaSemanal;
    QComboBox* dblUnidadeSemanal;
    QComboBox* dblStatusSemanal;
    QPushButton* bmpAtualizar;
    QPushButton* bmpLimpar_AgendaSemanal;
    QTableWidget* stgAgenda;

    void writePlainTitles();  // clears every count
    void writeDatedTitles(const QDate& sunday);
    void writeCounts(const WeekGrid::Counts& counts);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void spreadColumns();  // the grid's width shared among its day columns, no title cut
};
