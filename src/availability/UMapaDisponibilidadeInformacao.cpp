// SPDX-License-Identifier: GPL-3.0-or-later
// The month summary form: the text is built once, when it is first shown.

#include "availability/UMapaDisponibilidadeInformacao.h"

#include "availability/MapaSql.h"
#include "common/Guard.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

TfrmMapaDisponibilidadeInformacao::TfrmMapaDisponibilidadeInformacao(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmMapaDisponibilidadeInformacao"));
    setWindowTitle(QStringLiteral("Informação do mês"));
    memInformacao = new QPlainTextEdit(this);
    memInformacao->setObjectName(QStringLiteral("memInformacao"));
    memInformacao->setReadOnly(true);
    auto* leaveB = new QPushButton(QStringLiteral("&Sair"), this);
    leaveB->setObjectName(QStringLiteral("btnSair"));
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("stbPrincipal"));
    auto* col = new QVBoxLayout(this);
    col->addWidget(memInformacao, 1);
    col->addWidget(leaveB, 0, Qt::AlignRight);
    col->addWidget(status);
    resize(760, 520);
    connect(leaveB, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmMapaDisponibilidadeInformacao::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_built)
        return;
    m_built = true;
    guarded([this] {
        const QDate today = db::serverTime().date();
        memInformacao->setPlainText(
            availability::monthSummaryText(mapasql::summaryLines(QDate(today.year(), today.month(), 1))));
    });
}
