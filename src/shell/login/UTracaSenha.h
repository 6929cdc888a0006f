// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 004 - the logged-in user's own password change: the current password, the new one twice.

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QPushButton;

// The refusal of the three entries as typed (empty, not confirmed, blanks only), or an empty text when
// they may go on to the check of the current password.
QString passwordEntryRefusal(const QString& current, const QString& chosen, const QString& confirmation);

// Checks the current password of the user against the stored digest and stores the new one in the same
// statement. Returns the message that applies: "Senha atual não confere." or "Operação realizada com
// sucesso!".
QString changePassword(const QString& userId, const QString& current, const QString& chosen);

class TfrmTracaSenha : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTracaSenha(QWidget* parent = nullptr);

    void bmpOKClick();

private:
    QLineEdit* mkeSenhaAtual;
    QLineEdit* mkeSenhaNova;
    QLineEdit* mkeConfirmaSenhaNova;
    QPushButton* bmpCancelar;
    QPushButton* bmpOK;
};

inline QPointer<TfrmTracaSenha> frmTracaSenha;
