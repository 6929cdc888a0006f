// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Receituários" page of the attendance booking form: the prescriptions of the current attendance,
// written from typed text, the standard text and the texts by weight, and printed one at a time.

#include "platform/db/DataSet.h"
#include "scheduling/prescriptions/ReceituarioRules.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QLayout;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QToolBar;

namespace scheduling {
inline const QString kReceituarioNaoCriado =
    QStringLiteral("Registro não reconhecido.\nReceituário não pode ser criado.");
inline const QString kConfirmaExclusaoReceituario =
    QStringLiteral(" Você esta preste a excluir definitivamente um receituario \nDeseja continuar?");
}  // namespace scheduling

class ReceituarioPage : public QWidget {
    Q_OBJECT
public:
    // `sheet` gives the booking form's current owner, animal, attendance and performing unit (its text empty).
    ReceituarioPage(std::function<ReceituarioSheet()> sheet, QWidget* parent = nullptr);

    void load(const QVariant& attendanceId);  // the attendance's prescriptions and the count below them
    void insert();
    void remove();
    void refresh();
    void post();
    void loadWeights();  // the texts by weight, read when "Peso:" is first entered
    void insertWeightText();
    void insertStandardText();
    void print();  // the sheet of the current prescription, not modal

    db::DataSet* prescriptions() const { return m_rows; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The constructor's parts, in order.
    void createDataSet();
    QToolBar* createToolBar();  // the data-set actions and the print
    void createEditor();        // the prescription's text and the texts by weight
    QLayout* createButtons();   // the inserts of a text by weight and of the standard text
    QStatusBar* createStatusBar();
    void layOut(QToolBar* tools, QLayout* buttons, QStatusBar* status);

    void insertText(const std::optional<QString>& inserted, QWidget* focusOnRefusal);

    std::function<ReceituarioSheet()> m_sheet;
    db::DataSet* m_rows;
    QPlainTextEdit* dbmReceituario;
    QComboBox* dblTexto_Peso;
    QLabel* m_total;
    QVariant m_attendance;
    bool m_weightsRead = false;
};
