// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The login dialog: a work unit, a user of that unit and the password. Serves the start-up (modal) and
// the switch of user (modeless).

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

class TfrmLogin_2 : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLogin_2(QWidget* parent = nullptr);

    void FormShow();         // fills the unit list
    void dblUnidadeClick();  // fills the user list of the chosen unit
    void dblUsuarioClick();  // shows the chosen user and profile in the status bar
    void bmpOKClick();
    void bmpSairClick();

    bool succeeded() const { return m_succeeded; }
    QLabel* panel(int i) const { return m_panels[i]; }

public slots:
    void reject() override;  // Esc does nothing: the dialog ends through OK or Sair

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QComboBox* dblUnidade;
    QComboBox* dblUsuario;
    QLineEdit* edtSenha;
    QPushButton* bmpOK;
    QPushButton* bmpSair;
    QLabel* m_panels[2];
    bool m_succeeded = false;
};

inline QPointer<TfrmLogin_2> frmLogin_2;
