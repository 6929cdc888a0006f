// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Localizar": finds the attendances of active owners by owner or animal name, codes, CPF/CNPJ, identity
// or microchip; its "&OK" shows the chosen one in the agenda that opened it.

#include "platform/db/DataSet.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;
class TfrmAgenda;

namespace ui {
class DataGridModel;
}

namespace scheduling {
inline const QString kFaltaCampoPesquisa =
    QStringLiteral("Falta selecionar o campo de pesquisa ou digitar o texto a ser localizado.");
inline const QString kErroConsulta =
    QStringLiteral("Um erro ocorreu durante a execução da consulta, verifique o texto digitado!");
inline const QString kNenhumAtendimento = QStringLiteral("Nenhum atendimento encontrado na pesquisa: ");
}  // namespace scheduling

class TfrmAgendaLocalizarProp : public QWidget {
    Q_OBJECT
public:
    explicit TfrmAgendaLocalizarProp(TfrmAgenda* agenda, QWidget* parent = nullptr);
    static TfrmAgendaLocalizarProp* open(TfrmAgenda* agenda);

    QComboBox* cbbSelecao;
    QLineEdit* edtTexto;
    QPushButton* btnPesquisar;
    QPushButton* btnOK;
    QTableView* dbgPesquisa;
    db::DataSet* qryPrincipal;

    void search();
    void confirm();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sortBy(int column);

    QPointer<TfrmAgenda> m_agenda;
    ui::DataGridModel* m_model;
};

inline QPointer<TfrmAgendaLocalizarProp> frmAgendaLocalizarProp;
