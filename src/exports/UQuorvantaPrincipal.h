// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The auxiliary vaccination tables: vaccine types, reasons for not vaccinating and vaccination occurrence
// types, kept in one register form whose table the operator picks in a list. Each table is a description.

#include "common/register/RegisterForm.h"

#include <QPointer>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// A table of the form: what the list shows, the table written (its key, who makes new keys, its name,
// description and status), the message of a blank name and the column of `vacina` that refers to the table.
struct AuxiliaryTable {
    QString item;
    db::Table table;
    QString blankName;
    QString usedBy;
};

// The three, in the list's order.
const QList<AuxiliaryTable>& auxiliaryTables();

namespace exports {
inline const QString kRegistroEmUso = QStringLiteral("O registro não pode ser excluído.\nEle está sendo usado.");
inline const QString kExcluirDefinitivamente =
    QStringLiteral("O registro será excluído definitivamente.\nDeseja continuar?");
}  // namespace exports

class TfrmQuorvantaPrincipal : public RegisterForm {
    Q_OBJECT
public:
    explicit TfrmQuorvantaPrincipal(QWidget* parent = nullptr);

    QComboBox* cbbTabela;
    QLineEdit* dbeId;
    QLineEdit* dbeNome;
    QComboBox* dbcAtiviInativo;
    QPlainTextEdit* dbmDescricao;

    // The chosen table, or null before a choice.
    const AuxiliaryTable* chosen() const { return m_chosen; }
    void choose(int index);

    void refresh() override;
    void append() override;
    void edit() override;
    void save() override;
    void remove() override;

protected:
    bool validate() override;
    void afterCommit(bool inserting) override;

private:
    const AuxiliaryTable* m_chosen = nullptr;
};

inline QPointer<TfrmQuorvantaPrincipal> frmQuorvantaPrincipal;
