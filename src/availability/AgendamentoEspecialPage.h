// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The map form's "Agendamento especial" page: an owner's data and history, and the grants of extra web
// bookings added to or withdrawn from that owner.

#include "platform/db/DataSet.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>

class QComboBox;
class QGroupBox;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QTableView;

class AgendamentoEspecialPage : public QWidget {
    Q_OBJECT
public:
    explicit AgendamentoEspecialPage(QWidget* parent = nullptr);

    db::DataSet* qryEspecial;
    QTableView* dbgEspecial;
    QLineEdit* edtCodigo;
    QLineEdit* edtNome;
    QLineEdit* edtDocumento;
    QLineEdit* edtQuantidade;
    QLineEdit* edtTotal;
    QPlainTextEdit* memInformacoes;

    void openList();
    void CarregaInformacoesProprietario();
    void search();
    void searched();  // the search dialog closed
    void add();
    void remove();
    void clear();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The constructor's parts, in order.
    void createFields(QGroupBox* owner);              // the owner's code, name, document, quantity and total
    void createInformation();                         // what is known of the owner
    QLayout* createButtons(QGroupBox* owner);         // search, add, withdraw, clear
    void createGrid();                                // the grants
    void layOut(QGroupBox* owner, QLayout* buttons);  // the owner beside the information, the grants below
    void connectGrid();                               // a grant chosen shows its owner

    bool refuse(const QString& message, QLineEdit* field);
};

// The key the owner search hands back; 0 when it hands none.
inline int IdProprietarioPesquisa = 0;

class TMapaDisponibilidadePesquisa : public QDialog {
    Q_OBJECT
public:
    explicit TMapaDisponibilidadePesquisa(QWidget* parent = nullptr);

    QComboBox* cbbSelecione;
    QLineEdit* edtDados;
    db::DataSet* qryPesquisa;
    QTableView* dbgPesquisa;

    void search();
    void ok();
};

inline QPointer<TMapaDisponibilidadePesquisa> MapaDisponibilidadePesquisa;
