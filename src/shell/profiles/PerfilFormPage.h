// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page "Formulário / Relatório" of the profiles register: the profile's forms and reports with their
// five rights, edited in memory while the profile is inserted or edited and written with it.

#include "shell/profiles/PerfilSql.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace db {
class DataSet;
}

class PerfilFormPage : public QWidget {
    Q_OBJECT
public:
    // `perfil` is the profile data set the page follows: its list reloads at every move of the cursor.
    PerfilFormPage(db::DataSet* profile, QWidget* parent = nullptr);

    void load();                                 // actCarregaLista: the current profile's rows
    QList<perfilsql::FormRight> rights() const;  // the list as shown
    // The profile's rows of perfil_form as read with the list, which a save replaces.
    const QList<db::RowValues>& storedRights() const { return m_stored; }
    bool isEmpty() const;

    void bmpIncluirClick();
    void bmpExcluirClick();

private:
    void chooseType();
    void showName();

    db::DataSet* m_profile;
    QList<db::RowValues> m_stored;
    QLabel* lblNomePerfil;
    QComboBox* cbbForm_Rel;
    QComboBox* dblFormulario;
    QCheckBox* m_rights[5];
    QPushButton* bmpIncluir;
    QPushButton* bmpExcluir;
    QTreeWidget* lvwFormulario;
};

// "Formulário" for a form ("F"), "Relatório" for a report ("R"), else nothing.
QString formTypeText(const QString& formType);
