// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The provisional map: slots typed, checked against the published map and each other, printed, and
// transferred all at once into the published map.

#include "availability/MapaSql.h"
#include "common/register/RegisterForm.h"
#include "platform/report/Report.h"

#include <QHash>
#include <QPointer>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace ui {
class DateEdit;
}

class TfrmMapaDisponibilidadeRascunho : public RegisterForm {
    Q_OBJECT
public:
    explicit TfrmMapaDisponibilidadeRascunho(QWidget* parent = nullptr);

    QComboBox* dblUnidade;
    QComboBox* dblProcedimento;
    QComboBox* dblEspecie;
    ui::DateEdit* mkeData;
    QLineEdit* mkeHora;
    QLineEdit* edtVagaGeral;
    QLineEdit* edtVagaFemea;
    QPushButton* btnTransferir;

    void refresh() override;
    void append() override;
    void edit() override;
    void cancel() override;
    void save() override;
    void remove() override;
    void transfer();
    void leave();

protected:
    QString selectAllSql() const override;
    QString emptySelectSql() const override;
    void print() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lock(bool locked);
    void showRow();
    void clearFields();
    void speciesExit();
    int keyOf(QComboBox* combo) const;

    mapasql::MapNames m_names;
};

inline QPointer<TfrmMapaDisponibilidadeRascunho> frmMapaDisponibilidadeRascunho;

// REL51: the active provisional slots with the totals of both quantities.
class TrelMapaDisponibilidadeRascunho : public report::Report {
public:
    TrelMapaDisponibilidadeRascunho();
};
