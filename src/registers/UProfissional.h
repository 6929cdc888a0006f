// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 007 - the professionals register: a professional's home unit, name, phones, e-mail and flags, with the
// weekly working hours, impediments and extra hours edited on the same form and saved together.

#include "common/register/RegisterForm.h"
#include "registers/ProfissionalSql.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QLayout;
class QLineEdit;
class ScheduleGroup;

namespace ui {
class LookupComboLink;
}

class TfrmProfissional : public RegisterForm {
    Q_OBJECT
public:
    explicit TfrmProfissional(QWidget* parent = nullptr);

    QAction* actCarrega_Tela;
    QAction* actLimpar_Tela;

    // Whether the professional is new or in edit, so that its lists may change.
    bool listsEditable() const;

protected:
    void opening() override;
    void refresh() override;
    void append() override;
    void edit() override;
    void cancel() override;
    void save() override;
    bool validate() override;
    void afterCommit(bool inserting) override;
    void beforePost(bool inserting) override;
    void remove() override;
    void print() override;
    void search() override;

private:
    // The constructor's parts: table, statements and defaults without a grid page; the list actions; the
    // fields of "Principal", laid out; the three schedule groups.
    void describeRegister();
    void createActions();
    QLayout* createFields();
    void createGroups();

    void loadLists();   // actCarrega_Tela
    void clearLists();  // actLimpar_Tela
    void enableLists(bool on);
    void readUnits();
    QWidget* addPage(const QString& caption, const QString& nameEdit, ScheduleGroup* group);

    QComboBox* m_homeUnit;
    ui::LookupComboLink* m_homeUnitList;
    QLineEdit* m_name;
    QList<ScheduleGroup*> m_groups;                 // working hours, impediments, extra hours
    profissionalsql::StoredSchedule m_storedLists;  // the lists' rows as read, which a save replaces
    bool m_saving = false;
};

inline QPointer<TfrmProfissional> frmProfissional;
