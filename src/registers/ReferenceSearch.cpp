#include "registers/ReferenceSearch.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/RegisterForm.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/FieldLink.h"
#include "registers/ReferenceForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TReferenceSearch::TReferenceSearch(const ReferenceSearchDialog& dialog, TReferenceForm* form, QWidget* parent)
    : SearchDialog(form, dialog.key, QStringLiteral("Pesquisar por:"), parent), m_dialog(dialog) {
    setObjectName(dialog.objectName);
    setWindowTitle(dialog.caption);
    cbbSelecao->setCurrentIndex(-1);
    if (dialog.followsCursor)
        connect(qryPrincipal, &db::DataSet::currentChanged, this, &TReferenceSearch::showInRegister);

    bmpPesquisar = new QPushButton(dialog.searchCaption, this);
    bmpPesquisar->setObjectName(QStringLiteral("bmpPesquisar"));
    bmpOK = new QPushButton(QStringLiteral("&OK"), this);
    bmpOK->setObjectName(QStringLiteral("bmpOK"));
    connect(bmpPesquisar, &QPushButton::clicked, this, [this] { guarded([this] { pesquisar(); }); });
    connect(bmpOK, &QPushButton::clicked, this, [this] { guarded([this] { ok(); }); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bmpPesquisar);
    buttons->addWidget(bmpOK);
    mainLayout()->addLayout(buttons);
}

TReferenceForm* TReferenceSearch::form() const { return static_cast<TReferenceForm*>(target()); }

void TReferenceSearch::pesquisar() {
    const QString kind = cbbSelecao->currentText();
    const QString text = edtTexto->text().trimmed();
    if (kind.isEmpty() && !m_dialog.noKindMessage.isEmpty()) {
        Prompts::information(m_dialog.noKindMessage);
        cbbSelecao->setFocus();
        return;
    }
    if (text.isEmpty() && !m_dialog.noTextMessage.isEmpty()) {
        Prompts::information(m_dialog.noTextMessage);
        edtTexto->setFocus();
        return;
    }
    if (kind != kSearchByCode && kind != kSearchByName)
        return;
    qryPrincipal->close();
    qryPrincipal->setSql(QStringLiteral(" select %1, upper(Nome) as nome  from %2 ").arg(m_dialog.key, m_dialog.table));
    db::Query& select = qryPrincipal->query();
    if (kind == kSearchByCode) {
        // A code that is no number finds nothing.
        bool number = false;
        const int code = text.toInt(&number);
        select << QStringLiteral(" where %1 = :codigo ").arg(m_dialog.key);
        select.bind(QStringLiteral("codigo"), number ? QVariant(code) : QVariant());
    } else {
        // The names that begin with the text, ignoring case and accents. An index on fold(nome) finds them,
        // so the rows come in key order only when asked to, as they come from the table itself.
        select << QStringLiteral(" where fold(nome) like :texto escape '\\' ") << QStringLiteral(" order by %1 ").arg(m_dialog.key);
        select.bind(QStringLiteral("texto"), db::likePrefix(text));
    }
    qryPrincipal->open();
}

void TReferenceSearch::ok() {
    if (!m_dialog.followsCursor)
        showInRegister();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}
