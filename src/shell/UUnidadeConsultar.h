#pragma once
// The work-unit search: finds a unit by code or by the beginning of its name as the user types and keeps
// the register that opened it on the unit found.

#include "platform/db/DataSet.h"
#include "platform/ui/DataGrid.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QTableView;
class TfrmUnidade;

class TfrmUnidadeConsultar : public QWidget {
    Q_OBJECT
public:
    // Works on `unidade` for as long as that register stays open.
    explicit TfrmUnidadeConsultar(TfrmUnidade* unidade, QWidget* parent = nullptr);

    TfrmUnidade* unidade() const { return m_unidade; }

    QComboBox* cbbSelecao;
    QLineEdit* edtTexto;
    QTableView* dbgPrincipal;
    db::DataSet* qryPrincipal;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void edtTextoKeyUp();
    void showInRegister();
    void sortBy(int column);

    QPointer<TfrmUnidade> m_unidade;
    ui::DataGridModel* m_grid;
    bool m_shown = false;
};

inline QPointer<TfrmUnidadeConsultar> frmUnidadeConsultar;
