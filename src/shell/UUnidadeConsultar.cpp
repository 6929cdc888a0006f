#include "shell/UUnidadeConsultar.h"

#include "common/Guard.h"
#include "common/RegisterForm.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/FieldLink.h"
#include "shell/UUnidade.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString kCodigo = QStringLiteral("Código");
const QString kNome = QStringLiteral("Nome");
const QString kKey = QStringLiteral("id_unidade_trabalho");
}  // namespace

TfrmUnidadeConsultar::TfrmUnidadeConsultar(TfrmUnidade* unidade, QWidget* parent)
    : QWidget(parent), m_unidade(unidade) {
    setObjectName(QStringLiteral("frmUnidadeConsultar"));
    setWindowTitle(QStringLiteral("Consultar"));
    setWindowFlags(windowFlags() | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint);
    setAttribute(Qt::WA_DeleteOnClose, true);

    qryPrincipal = new db::DataSet(db::kMain, this);
    qryPrincipal->setObjectName(QStringLiteral("qryPrincipal"));

    cbbSelecao = new QComboBox(this);
    cbbSelecao->setObjectName(QStringLiteral("cbbSelecao"));
    cbbSelecao->addItems({kCodigo, kNome});
    edtTexto = new QLineEdit(this);
    edtTexto->setObjectName(QStringLiteral("edtTexto"));
    ui::Capitals::install(edtTexto);
    edtTexto->installEventFilter(this);

    dbgPrincipal = new QTableView(this);
    dbgPrincipal->setObjectName(QStringLiteral("dbgPrincipal"));
    m_grid = ui::bindGrid(dbgPrincipal, qryPrincipal,
                          {{kCodigo, kKey, 60, ui::readOnlyColour()}, {kNome, QStringLiteral("nome"), 300}});
    connect(dbgPrincipal->horizontalHeader(), &QHeaderView::sectionClicked, this, &TfrmUnidadeConsultar::sortBy);
    connect(qryPrincipal, &db::DataSet::currentChanged, this, &TfrmUnidadeConsultar::showInRegister);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Selecione:"), cbbSelecao);
    fields->addRow(QStringLiteral("Texto:"), edtTexto);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(dbgPrincipal, 1);
    resize(420, 360);
}

void TfrmUnidadeConsultar::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    guarded([this] {
        qryPrincipal->setSql(QStringLiteral("select id_unidade_trabalho, nome from unidade_trabalho "));
        qryPrincipal->open();
    });
    cbbSelecao->setCurrentText(kNome);
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
        if (cbbSelecao->currentText() == kCodigo && !text.trimmed().isEmpty()) {
            bool number = false;
            const int key = text.trimmed().toInt(&number);
            if (number)
                qryPrincipal->locate(kKey, key);
        } else if (cbbSelecao->currentText() == kNome) {
            qryPrincipal->locate(QStringLiteral("nome"), text, true, true);
        }
        if (qryPrincipal->recNo() == before)
            showInRegister();  // a move has shown it already
    } catch (const std::exception&) {
    }
}

void TfrmUnidadeConsultar::showInRegister() {
    if (!m_unidade || !qryPrincipal->isActive() || qryPrincipal->recNo() < 0)
        return;
    const QVariant key = qryPrincipal->field(kKey);
    if (key.isNull())
        return;
    try {
        m_unidade->openKey(key);
    } catch (const std::exception&) {
    }
}

void TfrmUnidadeConsultar::sortBy(int column) {
    db::Query& select = qryPrincipal->query();
    const QString before = select.text();
    try {
        select.setSql(withOrderBy(before, m_grid->columns().value(column).field));
        qryPrincipal->open();
    } catch (const std::exception&) {
        select.setSql(before);
    }
}
