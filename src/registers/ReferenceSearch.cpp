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

namespace {
const QString kCodigo = QStringLiteral("Código");
const QString kNome = QStringLiteral("Nome");
}  // namespace

TReferenceSearch::TReferenceSearch(const ReferenceSearchDialog& dialog, TReferenceForm* form, QWidget* parent)
    : QWidget(parent), m_dialog(dialog), m_form(form) {
    setObjectName(dialog.objectName);
    setWindowTitle(dialog.caption);
    setAttribute(Qt::WA_DeleteOnClose, true);

    qryPrincipal = new db::DataSet(db::kMain, this);
    qryPrincipal->setObjectName(QStringLiteral("qryPrincipal"));

    cbbSelecao = new QComboBox(this);
    cbbSelecao->setObjectName(QStringLiteral("cbbSelecao"));
    cbbSelecao->addItems({kCodigo, kNome});
    cbbSelecao->setCurrentIndex(-1);
    edtTexto = new QLineEdit(this);
    edtTexto->setObjectName(QStringLiteral("edtTexto"));
    ui::Capitals::install(edtTexto);

    dbgPrincipal = new QTableView(this);
    dbgPrincipal->setObjectName(QStringLiteral("dbgPrincipal"));
    ui::bindGrid(dbgPrincipal, qryPrincipal,
                 {{kCodigo, dialog.key, 60, ui::readOnlyColour()}, {kNome, QStringLiteral("nome"), 300}});
    connect(dbgPrincipal->horizontalHeader(), &QHeaderView::sectionClicked, this, &TReferenceSearch::sortBy);
    if (dialog.followsCursor)
        connect(qryPrincipal, &db::DataSet::currentChanged, this, &TReferenceSearch::showInForm);

    bmpPesquisar = new QPushButton(dialog.searchCaption, this);
    bmpPesquisar->setObjectName(QStringLiteral("bmpPesquisar"));
    bmpOK = new QPushButton(QStringLiteral("&OK"), this);
    bmpOK->setObjectName(QStringLiteral("bmpOK"));
    connect(bmpPesquisar, &QPushButton::clicked, this, [this] { guarded([this] { pesquisar(); }); });
    connect(bmpOK, &QPushButton::clicked, this, [this] { guarded([this] { ok(); }); });

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Pesquisar por:"), cbbSelecao);
    fields->addRow(QStringLiteral("Texto:"), edtTexto);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bmpPesquisar);
    buttons->addWidget(bmpOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(dbgPrincipal, 1);
    layout->addLayout(buttons);
    resize(420, 360);
}

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
    if (kind != kCodigo && kind != kNome)
        return;
    qryPrincipal->close();
    qryPrincipal->setSql(QStringLiteral(" select %1, upper(Nome) as nome  from %2 ").arg(m_dialog.key, m_dialog.table));
    db::Query& select = qryPrincipal->query();
    if (kind == kCodigo) {
        // A code that is no number finds nothing.
        bool number = false;
        const int code = text.toInt(&number);
        select << QStringLiteral(" where %1 = :codigo ").arg(m_dialog.key);
        select.bind(QStringLiteral("codigo"), number ? QVariant(code) : QVariant());
    } else {
        // The names that begin with the text, ignoring case and accents.
        select << QStringLiteral(" where substr(fold(nome), 1, length(fold(:texto))) = fold(:texto) ");
        select.bind(QStringLiteral("texto"), text);
    }
    qryPrincipal->open();
}

void TReferenceSearch::ok() {
    if (!m_dialog.followsCursor)
        showInForm();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void TReferenceSearch::showInForm() {
    if (!m_form || !qryPrincipal->isActive() || qryPrincipal->recNo() < 0)
        return;
    const QVariant key = qryPrincipal->field(m_dialog.key);
    if (!key.isNull())
        guarded([this, &key] { m_form->openKey(key); });
}

void TReferenceSearch::sortBy(int column) {
    db::Query& select = qryPrincipal->query();
    const QString before = select.text();
    if (before.isEmpty())
        return;
    try {
        select.setSql(withOrderBy(before, ui::gridModelOf(dbgPrincipal)->columns().value(column).field));
        qryPrincipal->open();
    } catch (const std::exception&) {
        select.setSql(before);
    }
}
