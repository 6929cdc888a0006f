// SPDX-License-Identifier: GPL-3.0-or-later
// The about box.
#include "shell/menu/UInformacaoSistema.h"

#include "shell/shared/Version.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

QString serverLine(const db::Settings& settings) {
    QString target;
    if (settings.engine == db::Engine::PostgreSQL) {
        target = settings.host;
        if (settings.port != 5432)
            target += QLatin1Char(':') + QString::number(settings.port);
        target += QLatin1Char('/') + settings.database;
    } else {
        target = db::sqliteFile(settings, db::kMain);
    }
    return QStringLiteral("Servidor NURV: ") + target;
}

TfrmInformacaoSistema::TfrmInformacaoSistema(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmInformacaoSistema"));
    setWindowTitle(QStringLiteral("Nurvalia - NURV"));
    setAttribute(Qt::WA_DeleteOnClose, true);

    memInformacao = new QPlainTextEdit(this);
    memInformacao->setObjectName(QStringLiteral("memInformacao"));
    memInformacao->setReadOnly(true);
    lblServidor = new QLabel(serverLine(db::settings()), this);
    lblServidor->setObjectName(QStringLiteral("lblServidor"));
    lblServidor->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memInformacao, 1);
    layout->addWidget(new QLabel(QStringLiteral("Ver.: 14.07.00 (16/04/2024) Homologação"), this));
    layout->addWidget(new QLabel(shell::kVersaoAtual, this));
    layout->addWidget(lblServidor);
    resize(420, 260);
}
