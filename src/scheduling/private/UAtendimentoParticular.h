// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "008 - Atendimento particular.": the procedures an animal had from private veterinarians, for a chosen
// owner and animal, with the procedure type and the date it was done.

#include "platform/db/DataSet.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLayout;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTableView;

namespace ui {
class DateEdit;
}

namespace scheduling {
inline const QString kRegistroNaoEncontradoExclusao = QStringLiteral("Registro não encontrado para exclusão.");
inline const QString kConfirmaExclusaoParticular =
    QStringLiteral("O registro será excluido definitivamente.\nDeseja continuar?");
inline const QString kErroGravarCancelada = QStringLiteral("Erro ao gravar!\nOperação cancelada.");
inline const QString kOperacaoRealizadaMinuscula = QStringLiteral("operação realizada com sucesso!");
inline const QString kFaltaProcedimentoParticular = QStringLiteral("Falta selecionar o procedimento.");
}  // namespace scheduling

class TfrmAtendimentoParticular : public QWidget {
    Q_OBJECT
public:
    explicit TfrmAtendimentoParticular(QWidget* parent = nullptr);

    // Menu action 008: a window of its own, with the rights of form 5.
    static TfrmAtendimentoParticular* open();

    void add();
    void remove();
    void refresh();

    db::DataSet* attendances() const { return m_rows; }

private:
    // The constructor's parts: the page "Principal" with its grid, the buttons (their row), the status bar,
    // the pop-up menu and the lists offered.
    QWidget* createPage(QWidget* tabs);
    QTableView* createGrid(QWidget* page);
    QLayout* createButtons();
    QStatusBar* createStatusBar();
    void createPopup();
    void loadLists();

    void ownerChosen();
    void animalChosen();

    QLineEdit* dbeCodico;
    QComboBox* dblProprietario;
    QLineEdit* DBEdit2;
    QComboBox* DBLookupComboBox3;
    QComboBox* DBLookupComboBox1;
    ui::DateEdit* mkeDt_Atendimento;
    QTableView* dbgAtendimento;
    db::DataSet* m_rows;
};

inline QPointer<TfrmAtendimentoParticular> frmAtendimentoParticular;
