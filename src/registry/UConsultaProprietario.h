#pragma once
// The owner consult of the owner and animal register: active owners by owner, document, identity, street or
// animal data; the chosen owner (and animal) is loaded into the register that opened it, while it is open.

#include "platform/db/DataSet.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class TfrmPropAnimal;

namespace ui {
class DataGridModel;
}

class TfrmConsultaProprietario : public QWidget {
    Q_OBJECT
public:
    explicit TfrmConsultaProprietario(TfrmPropAnimal* opener, QWidget* parent = nullptr);

    // Creates the consult for the register and shows it.
    static TfrmConsultaProprietario* open(TfrmPropAnimal* opener);

    void search();  // &Localizar
    void choose();  // &OK
    void sortBy(int column);

    QComboBox* cbbSelecao;
    QLineEdit* edtTexto;
    QTableView* dbgPrincipal;
    db::DataSet* qryPrincipal;
    QLabel* StatusBar1Panel0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<TfrmPropAnimal> m_opener;
    QString m_statement;
    ui::DataGridModel* m_grid;
};

inline QPointer<TfrmConsultaProprietario> frmConsultaProprietario;

inline const QString kFaltaCampoTexto = QStringLiteral("Falta selecionar o campo ou o texto para a pesquisa. ");
inline const QString kNenhumRegistro = QStringLiteral("Nenhum registro localizado!");
