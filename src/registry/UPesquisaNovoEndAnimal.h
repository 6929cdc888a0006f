#pragma once
// The animal search of the animal-address form: by animal or owner name or code, or by microchip; OK puts
// the address form on the chosen animal with a new address, while that form is open.

#include "platform/db/DataSet.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class TfrmEndereco_Animal;

namespace ui {
class DataGridModel;
}

class TfrmPesquisaNovoEndAnimal : public QWidget {
    Q_OBJECT
public:
    explicit TfrmPesquisaNovoEndAnimal(TfrmEndereco_Animal* target, QWidget* parent = nullptr);

    void search();  // &Pesquisar
    void choose();  // &OK
    void sortBy(int column);

    QComboBox* cbbSelecao;
    QLineEdit* mkeTexto;
    QTableView* dbgPrincipal;
    db::DataSet* qryPrincipal;
    QLabel* StatusBar1Panel0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<TfrmEndereco_Animal> m_target;
    QString m_statement;
    ui::DataGridModel* m_grid;
};

inline QPointer<TfrmPesquisaNovoEndAnimal> frmPesquisaNovoEndAnimal;

inline const QString kNadaOrdenar = QStringLiteral("Não há registro a ser ordenado!");
