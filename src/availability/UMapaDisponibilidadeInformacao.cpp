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
    auto* sair = new QPushButton(QStringLiteral("&Sair"), this);
    sair->setObjectName(QStringLiteral("btnSair"));
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("stbPrincipal"));
    auto* col = new QVBoxLayout(this);
    col->addWidget(memInformacao, 1);
    col->addWidget(sair, 0, Qt::AlignRight);
    col->addWidget(status);
    resize(760, 520);
    connect(sair, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmMapaDisponibilidadeInformacao::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_montado)
        return;
    m_montado = true;
    guarded([this] {
        const QDate hoje = db::serverTime().date();
        memInformacao->setPlainText(mapa::textoResumoMes(mapa::linhasResumo(QDate(hoje.year(), hoje.month(), 1))));
    });
}
