// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The age calculation: an animal's birth date estimated from its age in years and months, counted back
// from the server's date, handed to the form that opened it.

#include <QPointer>
#include <QWidget>

class QDate;
class QLineEdit;

class TfrmCalcula_Idade : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCalcula_Idade(QWidget* parent = nullptr);

    // Opens the dialog over `opener`.
    static TfrmCalcula_Idade* open(QWidget* opener);

    QLineEdit* edtAno;
    QLineEdit* edtMeses;
    QLineEdit* mkeDataNescimento;

    void calculate();  // "&Calcular"
    void accept();     // "&OK"

signals:
    // OK with a date calculated.
    void birthDateChosen(const QDate& date);
};

inline QPointer<TfrmCalcula_Idade> frmCalcula_Idade;
