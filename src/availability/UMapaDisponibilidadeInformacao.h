// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The month summary: every published slot of the server's current month, by unit and day, with totals.

#include <QPointer>
#include <QWidget>

class QPlainTextEdit;

class TfrmMapaDisponibilidadeInformacao : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMapaDisponibilidadeInformacao(QWidget* parent = nullptr);
    QPlainTextEdit* memInformacao;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_built = false;
};

inline QPointer<TfrmMapaDisponibilidadeInformacao> frmMapaDisponibilidadeInformacao;
