// SPDX-License-Identifier: GPL-3.0-or-later
// The standard prescription editor.
#include "scheduling/prescriptions/UReceituarioPadrao.h"

#include "common/FormWindows.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/access/FormOpening.h"
#include "common/register/RegisterForm.h"
#include "platform/ui/FieldLink.h"
#include "scheduling/prescriptions/ReceituarioSql.h"
#include "scheduling/prescriptions/UReceituarioPadraoImp.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace common;
using namespace scheduling;

TfrmReceituarioPadrao::TfrmReceituarioPadrao(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmReceituarioPadrao"));
    setWindowTitle(QStringLiteral("020 - Receituário padrão."));
    m_text = new db::DataSet(db::kMain, this);
    m_text->setObjectName(QStringLiteral("qryReceituario_padrao"));
    DBMemo1 = new QPlainTextEdit(this);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    DBMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ui::bindMemo(DBMemo1, m_text, QStringLiteral("descricao"));

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, const QString& caption, void (TfrmReceituarioPadrao::*slot)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        if (slot)
            connect(b, &QPushButton::clicked, this, [this, slot] { guarded([this, slot] { (this->*slot)(); }); });
        else
            connect(b, &QPushButton::clicked, this, &QWidget::close);
        buttons->addWidget(b);
    };
    button("bmpGravar", QStringLiteral("&Gravar"), &TfrmReceituarioPadrao::save);
    button("bmpAlterar", QStringLiteral("&Alterar"), &TfrmReceituarioPadrao::change);
    button("bmpSair", QStringLiteral("&Sair"), nullptr);
    button("bmpImprimir", QStringLiteral("&Imprimir..."), &TfrmReceituarioPadrao::print);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DBMemo1, 1);
    layout->addLayout(buttons);
    receituariosql::selectStandard(*m_text);
    resize(520, 380);
}

TfrmReceituarioPadrao* TfrmReceituarioPadrao::open() {
    auto* form = new TfrmReceituarioPadrao;
    frmReceituarioPadrao = form;
    RightsHiding hiding;
    hiding.incluir = {};
    hiding.alterar = {QStringLiteral("bmpAlterar"), QStringLiteral("bmpGravar")};
    hiding.excluir = {};
    hiding.imprimir = {QStringLiteral("bmpImprimir")};
    applyFormRights(form, 20, hiding);
    showForm(form, ShowAs::MdiChild);
    return form;
}

void TfrmReceituarioPadrao::change() {
    receituariosql::selectStandard(*m_text);
    if (m_text->isEmpty()) {
        receituariosql::selectNoStandard(*m_text);
        m_text->append();
    } else {
        m_text->first();
        m_text->edit();
    }
    DBMemo1->setFocus();
}

void TfrmReceituarioPadrao::save() {
    if (!m_text->isEditing()) {
        Prompts::information(kClikAlterar);
        return;
    }
    const QString text = m_text->str(QStringLiteral("descricao"));
    try {
        db::Transaction transaction;
        receituariosql::writeStandard(text, db::readValues(*m_text));
        transaction.commit();
    } catch (const std::exception& e) {
        Prompts::information(failureText(e, kErroGravarRegistro));
        return;
    }
    m_text->cancel();
    receituariosql::selectStandard(*m_text);
    Prompts::information(kOperacaoRealizada);
}

void TfrmReceituarioPadrao::print() { Prompts::preview(std::make_shared<TfrmreceituarioPadraoImp>(), true); }
