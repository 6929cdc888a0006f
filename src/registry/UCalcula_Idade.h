#pragma once
// The age calculation: an animal's birth date estimated from its age in years and months, counted back
// from the server's date, handed to the animal being entered or changed in the register that opened it.

#include <QPointer>
#include <QWidget>

class QLineEdit;
class TfrmPropAnimal;

class TfrmCalcula_Idade : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCalcula_Idade(TfrmPropAnimal* opener, QWidget* parent = nullptr);

    // Opens the dialog on `opener`, centred on the screen.
    static void open(TfrmPropAnimal* opener);

    QLineEdit* edtAno;
    QLineEdit* edtMeses;
    QLineEdit* mkeDataNescimento;

    void calculate();  // "&Calcular"
    void accept();     // "&OK"

private:
    QPointer<TfrmPropAnimal> m_opener;
};

inline QPointer<TfrmCalcula_Idade> frmCalcula_Idade;
