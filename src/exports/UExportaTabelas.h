// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Table extractor (049): rows of the export staging table by period and attendance status, shown in a grid
// and written to a dBase file with its data dictionary beside it.

#include "platform/db/DataSet.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTableView;

namespace ui {
class DateEdit;
}

namespace exports {
inline const QString kFaltaSelecionarTabela = QStringLiteral("Falta selecionar uma tabela para pesquisa.");
inline const QString kDataInicialMaior = QStringLiteral("A data inicial não pode ser maior que a data final.");
inline const QString kErroAoPesquisar = QStringLiteral("Erro ao pesquisar.");
inline const QString kErroBatchMove = QStringLiteral("Erro ao executar o BatchMove4.");
}  // namespace exports

class TfrmExportaTabelas : public QWidget {
    Q_OBJECT
public:
    explicit TfrmExportaTabelas(QWidget* parent = nullptr);

    QComboBox* cbbTabela;
    ui::DateEdit* dtpInicial;
    ui::DateEdit* dtpFinal;
    QComboBox* cbbStatusAtendimento;
    QRadioButton* rdbDtAtendimento;
    QRadioButton* rdbCriacaoRegistro;
    QPushButton* BitBtn1;        // "&Pesquisar"
    QPushButton* bpmExportacao;  // "&Exportar"
    QGroupBox* grbDados;
    QTableView* dbgDados;
    QStatusBar* StatusBar1;
    db::DataSet* qryPrincipal;

    void search();
    void exportRows();

protected:
    void showEvent(QShowEvent* event) override;

private:
    int m_found = 0;  // the rows the last search counted
};

inline QPointer<TfrmExportaTabelas> frmExportaTabelas;
