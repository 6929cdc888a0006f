// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clone of a published slot over chosen days of a month, for one unit or for every unit.

#include "availability/MapaSql.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QTableWidget;

// The slot being cloned, as the map form hands it over.
struct VagaOrigem {
    int id = 0;
    mapasql::Slot slot;
    QString species, procedure;
};

// Months away from the current one; kept while the program runs.
inline int DeslocamentoMes = 0;

class TfrmMapaDisponibilidadeClone : public QDialog {
    Q_OBJECT
public:
    TfrmMapaDisponibilidadeClone(QWidget* map, VagaOrigem source);

    QPlainTextEdit* memOrigem;
    QLabel* lblMes;
    QTableWidget* strGrade;
    QCheckBox* chkSegundaSexta;
    QComboBox* cbbUnidade;
    QList<int> UnidadesClone;

    void buildMonth();
    void shift(int months);
    void toggle(int row, int column);
    void markWeekdays(bool mark);
    void generate();

signals:
    // The generation wrote its slots, or failed: the map shows the day again.
    void slotsGenerated();

private:
    QString hour() const;
    availability::MonthGrid grid() const;

    VagaOrigem m_source;
    int m_month = 1, m_year = 2000;
};

inline QPointer<TfrmMapaDisponibilidadeClone> frmMapaDisponibilidadeClone;
