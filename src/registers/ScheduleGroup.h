// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A schedule list editor of the professional register: a unit, first and last day, start and end time
// (and, for working hours, the weekday boxes), the list of entries and its "&Incluir" and "&Excluir"
// buttons. The entries live only in the list until the professional is saved.

#include "platform/db/Query.h"
#include "registers/ScheduleConflict.h"

#include <QGroupBox>
#include <functional>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLayout;
class QPushButton;
class QTimeEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace ui {
class DateEdit;
}

namespace registers {
inline const QString kClickNovoAlterar = QStringLiteral("Para incluir um intervalo clique em novo ou em alterar!");
inline const QString kFaltaDiaSemana = QStringLiteral("Falta selecionar um dia da semana.");
inline const QString kFaltaUnidadeAtendimento = QStringLiteral("Falta selecionar a unidade de atendimento.");
inline const QString kInicialMaiorFinal = QStringLiteral("Data/hora inicial maior que a final.");
inline const QString kConflitoHorario =
    QStringLiteral("Conflito entre horário/data.\nVerifique se o horário/data esta coincidindo. ");
inline const QString kSelecioneRegistro = QStringLiteral("Selecione o registro a ser excluído.");
}  // namespace registers

class ScheduleGroup : public QGroupBox {
    Q_OBJECT
public:
    enum class Kind { WorkingHours, Impediments, ExtraHours };

    // `editable` says whether the professional is new or in edit; `suffix` ends the controls' names
    // (cbbUnidade<suffix>, dtpDataInicial<suffix>, btnIncluir<suffix>...).
    ScheduleGroup(Kind kind, const QString& listName, const QString& suffix, std::function<bool()> editable,
                  QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }
    QTreeWidget* list() const { return m_list; }

    void setUnits(const db::RowSet& units);  // id_Unidade_trabalho and nome
    void setMoment(const QDateTime& now);    // the pickers' days and times

    QList<ScheduleEntry> entries() const;
    void setEntries(const QList<ScheduleEntry>& entries);
    void clearEntries();

    void include();  // "&Incluir"
    void exclude();  // "&Excluir"

private:
    // The constructor's parts, in order.
    void createFields(const QString& suffix);          // unit, first and last day, start and end time
    void createList(const QString& listName);          // the entries
    QBoxLayout* createButtons(const QString& suffix);  // "&Incluir" and "&Excluir"
    QLayout* layOutFields();                           // the fields beside their captions, the weekdays below
    QLayout* createWeekdays();                         // working hours only
    QPushButton* createCancel(const QString& suffix);  // working hours only

    void addRow(const ScheduleEntry& entry);
    QList<QCheckBox*> tickedDays() const;

    Kind m_kind;
    std::function<bool()> m_editable;
    QComboBox* m_unit;
    ui::DateEdit* m_firstDay;
    ui::DateEdit* m_lastDay;
    QTimeEdit* m_start;
    QTimeEdit* m_end;
    QList<QCheckBox*> m_days;
    QTreeWidget* m_list;
};
