#pragma once
// The street search of the street register: by street code or name, neighbourhood code or name. A chosen
// street is written into the address that opened the search, while that address is inserted or edited.

#include "platform/db/DataSet.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class StreetTarget;

namespace ui {
class DataGridModel;
}

class TfrmEnderecoPesquisa : public QWidget {
    Q_OBJECT
public:
    // `tag`: 1 the owner's address, 2 the animal's address of the owner form. `target` is the address it
    // writes into, left alone once it is gone.
    TfrmEnderecoPesquisa(int tag, QObject* target, QWidget* parent = nullptr);

    // Creates the search into frmEnderecoPesquisa with the criterion and text, runs it when asked, shows it.
    static TfrmEnderecoPesquisa* open(int tag, QObject* target, const QString& criterion, const QString& text,
                                      bool runNow);

    int tag() const { return m_tag; }

    void search();       // &Pesquisar
    void choose();       // &OK: writes the current row into the target, closes
    void sortBy(int column);

    QComboBox* cbbSelecao;
    QLineEdit* mkeTexto;
    QPushButton* btnPesquisar;
    QPushButton* btnOK;
    QTableView* dbgPrincipal;
    db::DataSet* qryPrincipal;
    QLabel* lblQuantidade;
    QLabel* lblCriterio;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    StreetTarget* target() const;

    int m_tag;
    QPointer<QObject> m_target;
    QString m_statement;  // the last search, without its order clause
    ui::DataGridModel* m_grid;
};

inline QPointer<TfrmEnderecoPesquisa> frmEnderecoPesquisa;
