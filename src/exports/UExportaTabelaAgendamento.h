// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scheduling-table export (060): the attendances of a period, of one booking unit or of all, with the
// names behind their keys, into a dBase file.

#include <QPointer>
#include <QWidget>

class QComboBox;
class QPushButton;
class QStatusBar;

namespace ui {
class DateEdit;
}

namespace exports {
inline const QString kExportacaoConcluida = QStringLiteral("Exportação concluída.");
}  // namespace exports

class TfrmExportaTabelaAgendamento : public QWidget {
    Q_OBJECT
public:
    explicit TfrmExportaTabelaAgendamento(QWidget* parent = nullptr);

    ui::DateEdit* dtpDataInicio;
    ui::DateEdit* dtpDataFim;
    QComboBox* dbcUnidade;     // a first empty entry: every unit
    QPushButton* bmpGeral;     // "Exportar..."
    QPushButton* bmpCancelar;  // "&Cancelar"
    QStatusBar* StatusBar1;

    void exportAttendances();

protected:
    void showEvent(QShowEvent* event) override;
};

inline QPointer<TfrmExportaTabelaAgendamento> frmExportaTabelaAgendamento;
