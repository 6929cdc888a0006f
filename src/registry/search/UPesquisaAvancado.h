// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 046 - advanced search: animals with their current owner, group and address by any combination of
// criteria, sorted by a click on a column title, exported to a dBase table with its data dictionary, and
// the owner of the chosen row opened in the owner and animal register.

#include "platform/db/DataSet.h"
#include "registry/search/PesquisaAvancadoSql.h"

#include <QPointer>
#include <QWidget>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTableView;

namespace ui {
class DateEdit;
}

namespace registry {
inline const QString kPesquisaAguarde = QStringLiteral("A pesquisa pode levar alguns minutos, aguarde...");
inline const QString kErroNaPesquisa = QStringLiteral("Erro na pesquisa.");
inline const QString kErroTentarPesquisar =
    QStringLiteral("Erro ao tentar pesquisar, entre em contato com o administrador do sistema.");
inline const QString kOperacaoConcluida = QStringLiteral("Operação concluída.");
inline const QString kRegistroNaoEncontrado = QStringLiteral("Registro não encontrado!");
inline const QString kTotalRegistro = QStringLiteral("Total de registro: ");
inline const QString kErroOrdenar = QStringLiteral("Erro ao ordenar registros!");
inline const QString kNaoHaRegistroExportar =
    QStringLiteral("Não há registro para ser exportado.\nDeseja continuar a operação? ");
inline const QString kErroExportarPara = QStringLiteral(
    "Erro ao exportar dados para %1.\nEntre em contato com o "
    "administrador do sistema.");
}  // namespace registry

class TfrmPesquisaAvancado : public QWidget {
    Q_OBJECT
public:
    explicit TfrmPesquisaAvancado(QWidget* parent = nullptr);

    db::DataSet* qryPrincipal;
    QTableView* dbgPrincipal;
    QStatusBar* StatusBar1;
    QCheckBox* ckbIgnoraData;
    ui::DateEdit* dtpDataInicio;
    ui::DateEdit* dtpDataFim;
    QRadioButton* rdbRegistroAtivo;
    QRadioButton* rdbRegistroInativo;

    void fillLists();         // actAtualizar
    void search();            // "&Pesquisar"
    void sortBy(int column);  // a click on a column title
    void exportRows();        // "&Exportar..."
    void openRegister();      // "Ir para cadastro..."

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createAnimalCriteria();
    void createAddressCriteria();
    void createOwnerCriteria();
    void createButtons();
    void createGrid();
    void layOut();
    void connectControls();

    AdvancedCriteria criteria() const;
    void statusChosen();

    std::optional<SearchFilter> m_last;  // the criteria of the last search
    int m_found = 0;                     // the rows it found
    bool m_filled = false;
    QGroupBox* m_animalBox = nullptr;
    QGroupBox* m_addressBox = nullptr;
    QGroupBox* m_ownerBox = nullptr;
    QPushButton* m_search = nullptr;      // "&Pesquisar"
    QPushButton* m_export = nullptr;      // "&Exportar..."
    QPushButton* m_toRegister = nullptr;  // "Ir para cadastro..."
    QPushButton* m_leave = nullptr;       // "&Sair"
    QAction* m_refresh = nullptr;         // actAtualizar
};

inline QPointer<TfrmPesquisaAvancado> frmPesquisaAvancado;
