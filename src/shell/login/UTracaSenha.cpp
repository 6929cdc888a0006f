// SPDX-License-Identifier: GPL-3.0-or-later
// The password change: entry checks, the digest compared and replaced in one statement.
#include "shell/login/UTracaSenha.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/access/PasswordDigest.h"
#include "common/access/Session.h"
#include "common/register/RegisterForm.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/EnterAsTab.h"
#include "shell/users/UsuarioSql.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

using namespace common;

namespace {
const QString kFaltaAtual = QStringLiteral("Falta digitar a senha atual.");
const QString kFaltaNova = QStringLiteral("Falta digitar a senha nova.");
const QString kFaltaConfirmacao = QStringLiteral("Falta digitar a confirmação da nova senha.");
const QString kNaoConfere = QStringLiteral("A confirmação da senha não confere com a nova senha.");
const QString kAtualNaoConfere = QStringLiteral("Senha atual não confere.");
}  // namespace

QString passwordEntryRefusal(const QString& current, const QString& chosen, const QString& confirmation) {
    if (current.isEmpty())
        return kFaltaAtual;
    if (chosen.isEmpty())
        return kFaltaNova;
    if (confirmation.isEmpty())
        return kFaltaConfirmacao;
    if (confirmation != chosen)
        return kNaoConfere;
    if (chosen.trimmed().isEmpty())
        return kFaltaNova;  // blanks only
    return {};
}

QString changePassword(const QString& userId, const QString& current, const QString& chosen) {
    bool known = false;
    const int id = userId.trimmed().toInt(&known);
    if (!known ||
        !usuariosql::replacePasswordDigest(id, GeraHashSenha(current.trimmed()), GeraHashSenha(chosen.trimmed())))
        return kAtualNaoConfere;
    return kOperacaoRealizada;
}

TfrmTracaSenha::TfrmTracaSenha(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmTracaSenha"));
    setWindowTitle(QStringLiteral("004 - Troca de senha."));
    setAttribute(Qt::WA_DeleteOnClose, true);

    auto makeEdit = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setEchoMode(QLineEdit::Password);
        ui::setColumnLength(edit, 50);
        ui::Capitals::install(edit);
        ui::EnterAsTab::install(edit);
        return edit;
    };
    mkeSenhaAtual = makeEdit("mkeSenhaAtual");
    mkeSenhaNova = makeEdit("mkeSenhaNova");
    mkeConfirmaSenhaNova = makeEdit("mkeConfirmaSenhaNova");
    bmpCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    bmpCancelar->setObjectName(QStringLiteral("bmpCancelar"));
    bmpOK = new QPushButton(QStringLiteral("&OK"), this);
    bmpOK->setObjectName(QStringLiteral("bmpOK"));
    connect(bmpOK, &QPushButton::clicked, this, [this] { guarded([this] { bmpOKClick(); }); });
    connect(bmpCancelar, &QPushButton::clicked, this, [this] {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            sub->close();
        else
            close();
    });

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Senha atual:"), mkeSenhaAtual);
    fields->addRow(QStringLiteral("Senha nova:"), mkeSenhaNova);
    fields->addRow(QStringLiteral("Confirma senha nova:"), mkeConfirmaSenhaNova);
    auto* buttons = new QHBoxLayout;
    // OK first, as in the program's other dialogs: Tab and Enter in the last box move on to it, not to Cancelar.
    buttons->addStretch(1);
    buttons->addWidget(bmpOK);
    buttons->addWidget(bmpCancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    resize(340, 150);
}

void TfrmTracaSenha::bmpOKClick() {
    QString message = passwordEntryRefusal(mkeSenhaAtual->text(), mkeSenhaNova->text(), mkeConfirmaSenhaNova->text());
    if (message.isEmpty())
        message = changePassword(UsuarioLogado, mkeSenhaAtual->text(), mkeSenhaNova->text());
    Prompts::information(message);
}
