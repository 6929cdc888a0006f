// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The availability map's "Principal" page: the editor of the published slots (per unit, procedure, species
// and date-hour), the chosen day's list, and the buttons that open the coverage areas, the provisional map,
// the clone and the month summary.

#include "availability/MapaSql.h"
#include "platform/db/DataSet.h"

#include <QHash>
#include <QWidget>

class QCalendarWidget;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTableView;

class MapaPrincipalPage : public QWidget {
    Q_OBJECT
public:
    // Messages of the day list go to the form's status bar.
    MapaPrincipalPage(QStatusBar* status, QWidget* parent);

    availability::MapState EstadoMapa = availability::MapState::Empty;
    // Coverage-area codes of the next new slot; entry 0 holds none, zero entries are skipped.
    QList<int> AreasSelecionadas{0};

    QCalendarWidget* calData;
    QComboBox* dblUnidade_trabalho;
    QComboBox* dblProcedimento;
    QComboBox* dblEspecie;
    QLineEdit* mkeHora;
    QLineEdit* mkeVagaGeral;
    QLineEdit* mkeVagaFemea;
    QPushButton* bmpAreas;
    QLabel* lblResumo;
    db::DataSet* qryMapa;
    QTableView* dbgResume;
    QStatusBar* stbPrincipal;

    void loadDay();  // the chosen day's slots
    void newSlots();
    void change();
    void save();
    void remove();
    void cancel();
    void openAreas();
    void clone();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The constructor's parts: the calendar and the slot editor, the buttons (their row), the day list and
    // the page's layout.
    void createEditor();
    QLayout* createButtons();
    void createDayList();
    void layoutPage(QLayout* buttons);

    void filterClick();
    void showRow();
    void clearEditor();
    void lock(QWidget* control, bool locked);
    void lockEditor(bool speciesToo);
    void setBrowsing(bool browsing);
    void endSave();
    void resetAreas();
    int keyOf(QComboBox* combo) const;
    void showKey(QComboBox* combo, const QVariant& key);
    QWidget* controlFor(availability::SlotField field) const;
    bool insertNew(const mapasql::Slot& slot);  // false: refused, the editor stays open
    bool saveChange(const mapasql::Slot& slot);
    void hourExit();
    void quantityExit(QLineEdit* edit);

    mapasql::MapNames m_names;
};
