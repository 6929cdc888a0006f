// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box: the system's versions and the database it works on.

#include "platform/db/Database.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QPlainTextEdit;

// "Servidor NURV: " and where the data lives: the PostgreSQL host (its port when not the usual one) and
// database, or the main SQLite file.
QString serverLine(const db::Settings& settings);

class TfrmInformacaoSistema : public QWidget {
    Q_OBJECT
public:
    explicit TfrmInformacaoSistema(QWidget* parent = nullptr);

private:
    QPlainTextEdit* memInformacao;
    QLabel* lblServidor;
};

inline QPointer<TfrmInformacaoSistema> frmInformacaoSistema;
