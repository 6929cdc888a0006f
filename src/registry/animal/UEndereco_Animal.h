// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 024 - an animal's address history: the animal is found through its search, a new address is entered for
// it (or its most recent one changed or deleted), geocoded against the street register, and every animal
// can be exported to a dBase table.

#include "platform/db/DataSet.h"

#include <QPointer>
#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolBar;
class AddressGroup;

namespace ui {
class DateEdit;
}

class TfrmEndereco_Animal : public QWidget {
    Q_OBJECT
public:
    explicit TfrmEndereco_Animal(QWidget* parent = nullptr);

    // The search's choice: the owner, the owner's animals on the chosen one, and a new address for it.
    void chooseAnimal(int ownerId, int animalId);
    int animalId() const;

    void search();         // actPesquisa
    void append();         // actAppend
    void edit();           // actEdit
    void save();           // actPost
    void cancel();         // actCancel
    void remove();         // actDelete
    void refresh();        // actRefresh
    void exportAnimals();  // actExportacao

    db::DataSet* qryProprietario;
    db::DataSet* qryEndereco;
    db::DataSet* qryTodosEnd;
    QComboBox* cbbAnimal;
    ui::DateEdit* dbeDataInicial;
    AddressGroup* address;
    QTabWidget* PageControl1;
    QTableView* dbgTodosEnd;
    QLabel* StatusBar1Panel0;

    QAction* actAppend;
    QAction* actEdit;
    QAction* actDelete;
    QAction* actPost;
    QAction* actCancel;
    QAction* actRefresh;
    QAction* actExportacao;
    QAction* actPesquisa;
    QAction* actPrint;
    QAction* actInformation;

private:
    void createDataSets();
    void createActions();
    void createControls();
    void createPages();
    void createHistoryGrid(QWidget* page);
    void layOut();
    void connectControls();

    void animalChosen();
    void updateActions();
    QString animalName() const;
    void sortHistory(int column);

    QToolBar* m_tools = nullptr;
    QLineEdit* m_ownerCode = nullptr;
    QLineEdit* m_ownerName = nullptr;
    QPushButton* m_searchButton = nullptr;
};

inline QPointer<TfrmEndereco_Animal> frmEndereco_Animal;

namespace registry {
inline const QString kNaoHaEndereco = QStringLiteral("Não há registro de endereço.");
inline const QString kUnicoEndereco = QStringLiteral("O animal só tem um endereço e este não pode ser excluído!");
inline const QString kDataInicialInvalida = QStringLiteral("Data inicial do endereço inválida.");
inline const QString kExportacaoConcluida = QStringLiteral("Exportação concluída.");
inline const QString kErroExportar = QStringLiteral("Erro ao exportar dados, entre em contato com o a VELMORAN.");
inline const QString kNaoOrdenar = QStringLiteral("Não foi possível ordenar por este campo.");
}  // namespace registry
