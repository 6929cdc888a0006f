// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Localizar": finds the attendances of active owners by owner or animal name, codes, CPF/CNPJ, identity
// or microchip; its "&OK" shows the chosen one in the agenda that opened it, which it knows only as an
// AttendanceTarget.

#include "platform/db/DataSet.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;
class AttendanceTarget;

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
    // `agenda` is the window that shows the chosen attendance (an AttendanceTarget), left alone once it is
    // gone.
    explicit TfrmAgendaLocalizarProp(QWidget* agenda, QWidget* parent = nullptr);
    // Creates the locator into frmAgendaLocalizarProp and shows it in the work area, over `agenda`.
    static TfrmAgendaLocalizarProp* open(QWidget* agenda);

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
    AttendanceTarget* agenda() const;

    QPointer<QWidget> m_agenda;
    ui::DataGridModel* m_model;
};

inline QPointer<TfrmAgendaLocalizarProp> frmAgendaLocalizarProp;
