// SPDX-License-Identifier: GPL-3.0-or-later
// The work-unit search: the list filtered as the user types and the hand-back of the unit.
#include "shell/units/UUnidadeConsultar.h"

#include "common/Guard.h"
#include "common/register/RegisterForm.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/FieldLink.h"
#include "shell/units/UnidadeSql.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

using namespace common;

namespace {
const QString kKey = QStringLiteral("id_unidade_trabalho");
}  // namespace

TfrmUnidadeConsultar::TfrmUnidadeConsultar(RegisterForm* unit, QWidget* parent)
    : SearchDialog(unit, kKey, QStringLiteral("Selecione:"), parent) {
    setObjectName(QStringLiteral("frmUnidadeConsultar"));
    setWindowTitle(QStringLiteral("Consultar"));
    setWindowFlags(windowFlags() | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint);
    edtTexto->installEventFilter(this);
    connect(qryPrincipal, &db::DataSet::currentChanged, this, &TfrmUnidadeConsultar::showInRegister);
}

void TfrmUnidadeConsultar::showEvent(QShowEvent* event) {
    SearchDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    guarded([this] {
        qryPrincipal->setSql(unidadesql::consultSql());
        qryPrincipal->open();
    });
    cbbSelecao->setCurrentText(kSearchByName);
    edtTexto->setFocus();
}

bool TfrmUnidadeConsultar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edtTexto && event->type() == QEvent::KeyRelease)
        edtTextoKeyUp();
    return QWidget::eventFilter(watched, event);
}

void TfrmUnidadeConsultar::edtTextoKeyUp() {
    try {
        const QString text = edtTexto->text();
        const int before = qryPrincipal->recNo();
        if (cbbSelecao->currentText() == kSearchByCode && !text.trimmed().isEmpty()) {
            bool number = false;
            const int key = text.trimmed().toInt(&number);
            if (number)
                qryPrincipal->locate(kKey, key);
        } else if (cbbSelecao->currentText() == kSearchByName) {
            qryPrincipal->locate(QStringLiteral("nome"), text, true, true);
        }
        if (qryPrincipal->recNo() == before)
            showInRegister();  // a move has shown it already
    } catch (const std::exception&) {
        // Typing goes on whatever a look-up meets: the register keeps the unit it showed.
    }
}
