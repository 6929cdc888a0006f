// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The selection dialogs of the agenda reports: a unit and a period (daily agenda, and the registered
// animals' reports by their Tag), a year, month and unit (monthly agenda), a professional and a period
// (professionals' agenda). Each writes the report parameters, previews the report and closes itself.

#include <QPointer>
#include <QWidget>
#include <functional>

class QComboBox;
class QPushButton;

namespace ui {
class DateEdit;
}

namespace scheduling {
inline const QString kFaltaSelecionarUnidade = QStringLiteral("Falta selecionar a unidade!");
inline const QString kTodos = QStringLiteral("0 - Todos");
}  // namespace scheduling

// "0 - Todos" and then "id - nome" of each row.
QStringList selectionEntries(const QList<QPair<QVariant, QVariant>>& idsAndNames);

class TfrmSelRelDataUnidade : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSelRelDataUnidade(int tag, QWidget* parent = nullptr);

    // "&Visualizar impr." sets UnidadeRel, DataInicialRel and DataFinalRel and starts what
    // registerReportStarter() holds for the Tag.
    int Tag;
    QComboBox* cbbUnidade;
    ui::DateEdit* dtpDataInicial;
    ui::DateEdit* dtpDataFinal;
    QPushButton* BitBtn2;  // "&Visualizar impr."
    QPushButton* BitBtn1;  // "&Sair"

private:
    void preview();
};

class TfrmSelRelAgendaMensal : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSelRelAgendaMensal(int tag, QWidget* parent = nullptr);

    int Tag;
    QComboBox* cbbAno;
    QComboBox* cbbMes;
    QComboBox* cbbUnidade;
    QPushButton* BitBtn2;  // "Gerar relatório..."
    QPushButton* BitBtn1;  // "&Sair"

private:
    void preview();
};

class TfrmSelAgendaProfissional : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSelAgendaProfissional(QWidget* parent = nullptr);

    QComboBox* cbbProfissional;
    ui::DateEdit* dtpInicial;
    ui::DateEdit* dtpFinal;
    QPushButton* BitBtn2;  // "&Visualizar..."
    QPushButton* BitBtn1;  // "&Cancelar"

private:
    void preview();
};

inline QPointer<TfrmSelRelDataUnidade> frmSelRelDataUnidade;
inline QPointer<TfrmSelRelAgendaMensal> frmSelRelAgendaMensal;
inline QPointer<TfrmSelAgendaProfissional> frmSelAgendaProfissional;

// Each opens a new dialog as an MDI child (the daily one with Tag 50, the monthly one with Tag 51).
void openSelRelDataUnidade(int tag);  // the animals' reports 38 and 39, the daily agenda 50
void openSelRelAgendaDiaria();
void openSelRelAgendaMensal();
void openSelAgendaProfissional();
