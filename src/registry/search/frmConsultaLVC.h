// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 045 - canine visceral leishmaniasis results kept by the sibling system: samples with their collection
// bulletins found by animal, street, house number or sample code, coloured by their confirmed result.

#include "platform/db/DataSet.h"
#include "registry/search/PesquisaAvancadoSql.h"

#include <QPointer>
#include <QWidget>
#include <optional>

class QLineEdit;
class QStatusBar;
class QTableView;

class TfrmConsultaLeishmaniose : public QWidget {
    Q_OBJECT
public:
    explicit TfrmConsultaLeishmaniose(QWidget* parent = nullptr);

    QLineEdit* edtNomeAnimal;
    QLineEdit* edtLogradouro;
    QLineEdit* edtNumero;
    QLineEdit* edtCodAmostra;
    QTableView* dbgPrincipal;
    QStatusBar* StatusBar1;
    db::DataSet* qryPrincipal;

    void search();            // "&Consultar"
    void sortBy(int column);  // a click on a column title

private:
    std::optional<SearchFilter> m_last;
};

inline QPointer<TfrmConsultaLeishmaniose> frmConsultaLeishmaniose;
