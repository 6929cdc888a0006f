// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The detail pages of the attendance booking form: the members of an attendance (its professionals,
// procedures and used medicines), each added and removed at once, and the day summary of a unit.

#include "platform/db/DataSet.h"
#include "platform/ui/DataGrid.h"
#include "scheduling/booking/AtendimentoSql.h"

#include <QHBoxLayout>
#include <QHash>
#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// A date-time column shown dd/mm/yyyy hh:nn:ss on both engines, still sorted by its field.
ui::GridColumn dateTimeColumn(const QString& title, const QString& field, int width);

namespace scheduling {
inline const QString kConfirmaExclusaoMembro =
    QStringLiteral("Você esta preste a excluir definitivamente um registro!\nDeseja continuar?");
inline const QString kErroResumo = QStringLiteral("Erro ao tentar ao recuperar os dados!");
inline const QString kNaoPodeOrdenar = QStringLiteral("Não pode ser ordenado por este campo!");
}  // namespace scheduling

// How one kind of member is offered, listed, checked, added and removed.
struct MemberKind {
    QString name;  // the controls' names: dbl<name>, dbg<name>, btnIncluir<name>, btnExcluir<name>
    atendimentosql::MemberStatements statements;
    QString itemField;           // the chosen item's column
    QString listKey, listShown;  // the columns of the choices: the item's key and the text shown
    QList<ui::GridColumn> columns;
    QString duplicateMessage;
    QString noChoiceMessage;
};

class MemberPage : public QWidget {
    Q_OBJECT
public:
    MemberPage(MemberKind kind, std::function<QVariant()> attendanceId, QWidget* parent = nullptr);

    void loadList();                          // the choices offered
    void load(const QVariant& attendanceId);  // the attendance's members
    void add();                               // Incluir
    void remove();                            // Excluir

    QComboBox* list() const { return m_list; }
    db::DataSet* members() const { return m_members; }
    QHBoxLayout* buttonRow() const { return m_buttons; }

protected:
    // Refusals before the duplicate check; false when one was shown.
    virtual bool checks(const QVariant& item);
    // The columns written beside the item, the attendance and the audit stamp, inside the add's transaction.
    virtual QVariantHash extraColumns() { return {}; }
    QVariant chosen() const;

    QComboBox* m_list;
    db::RowSet m_listRows;

private:
    MemberKind m_kind;
    std::function<QVariant()> m_attendanceId;
    db::DataSet* m_members;
    QTableView* m_grid;
    QHBoxLayout* m_buttons;
};

// The used medicines: the quantity with the decimal comma and the measure of the chosen medicine.
class MedicinePage : public MemberPage {
    Q_OBJECT
public:
    MedicinePage(std::function<QVariant()> attendanceId, QWidget* parent = nullptr);

    QLineEdit* mkeQuandidade;
    QLabel* DBText1;

protected:
    bool checks(const QVariant& item) override;
    QVariantHash extraColumns() override;
};

MemberKind professionalKind();
MemberKind procedureKind();

// The attendances of the performing unit on the chosen day.
class SummaryPage : public QWidget {
    Q_OBJECT
public:
    SummaryPage(std::function<QVariant()> unitId, std::function<QDate()> day, QWidget* parent = nullptr);

    void refresh();           // Atualizar
    void sortBy(int column);  // a click on a column title
    void closeSummary() { m_rows->close(); }

    db::DataSet* rows() const { return m_rows; }

private:
    std::function<QVariant()> m_unitId;
    std::function<QDate()> m_day;
    db::DataSet* m_rows;
    QTableView* m_grid;
    ui::DataGridModel* m_model;
    QString m_baseSql;
    QVariantHash m_params;
    QHash<int, QString> m_procedures;
};
