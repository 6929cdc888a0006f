// SPDX-License-Identifier: GPL-3.0-or-later
// The prescriptions page of the booking form.
#include "scheduling/prescriptions/ReceituarioPage.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/access/FormOpening.h"
#include "common/register/DataActions.h"
#include "common/register/RegisterForm.h"
#include "common/schema/Tables.h"
#include "platform/ui/ActionKeys.h"
#include "platform/ui/FieldLink.h"
#include "platform/ui/ToolBars.h"
#include "scheduling/prescriptions/ReceituarioSql.h"
#include "scheduling/prescriptions/URelReceituario.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

using namespace common;
using namespace scheduling;

namespace {

bool blank(const QVariant& v) { return db::toText(v).trimmed().isEmpty(); }

}  // namespace

ReceituarioPage::ReceituarioPage(std::function<ReceituarioSheet()> sheet, QWidget* parent)
    : QWidget(parent), m_sheet(std::move(sheet)) {
    createDataSet();
    QToolBar* tools = createToolBar();
    createEditor();
    QLayout* buttons = createButtons();
    QStatusBar* status = createStatusBar();
    layOut(tools, buttons, status);
    load({});
}

void ReceituarioPage::createDataSet() {
    m_rows = new db::DataSet(db::kMain, this);
    m_rows->setObjectName(QStringLiteral("qryReceituario"));
    m_rows->setTable(tables::receituario());
}

QToolBar* ReceituarioPage::createToolBar() {
    QToolBar* tools = ui::makeToolBar(this, QStringLiteral("ToolBar1"));
    // The page's keys, answered while the focus is on the page: the captions' mnemonics, but Alt+Ins for
    // "&Insert" (Alt+I is "&Inserir texto padrão."'s) and Ctrl+Shift+P for printing, as in the registers.
    const auto action = [&](const char* name, const QString& caption, std::function<void()> run,
                            const QList<QKeySequence>& keys = {}) {
        QAction* a = makeScopedAction(this, name, caption, keys);
        onTriggered(a, std::move(run));
        tools->addAction(a);
    };
    action("DataSetInsert1", QStringLiteral("&Insert"), [this] { insert(); }, {QKeySequence(Qt::ALT | Qt::Key_Insert)});
    action("DataSetEdit1", QStringLiteral("&Edit"), [this] {
        if (m_rows->isActive() && m_rows->recNo() >= 0 && !m_rows->isEditing())
            m_rows->edit();
    });
    action("DataSetDelete1", QStringLiteral("&Delete"), [this] { remove(); });
    action("DataSetRefresh1", QStringLiteral("&Refresh"), [this] { refresh(); });
    tools->addSeparator();
    action("DataSetPost1", QStringLiteral("P&ost"), [this] { post(); });
    action("DataSetCancel1", QStringLiteral("&Cancel"), [this] {
        if (m_rows->isEditing())
            m_rows->cancel();
    });
    tools->addSeparator();
    action("DataSetFirst1", QStringLiteral("&First"), [this] { m_rows->first(); });
    action("DataSetPrior1", QStringLiteral("&Prior"), [this] { m_rows->prior(); });
    action("DataSetNext1", QStringLiteral("&Next"), [this] { m_rows->next(); });
    action("DataSetLast1", QStringLiteral("&Last"), [this] { m_rows->last(); });
    tools->addSeparator();
    action("actImprimeReceituario", QStringLiteral("Imprimir"), [this] { print(); },
           {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)});
    return tools;
}

void ReceituarioPage::createEditor() {
    dbmReceituario = new QPlainTextEdit(this);
    dbmReceituario->setObjectName(QStringLiteral("dbmReceituario"));
    ui::bindMemo(dbmReceituario, m_rows, QStringLiteral("Descricao"));
    dblTexto_Peso = new QComboBox(this);
    dblTexto_Peso->setObjectName(QStringLiteral("dblTexto_Peso"));
    dblTexto_Peso->setMinimumWidth(120);
    dblTexto_Peso->installEventFilter(this);
}

QLayout* ReceituarioPage::createButtons() {
    const auto button = [this](const char* name, const QString& caption, std::function<void()> run) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, [run] { guarded(run); });
        return b;
    };
    QPushButton* byWeight =
        button("btnInserirTextoPeso", QStringLiteral("Inserir texto por peso."), [this] { insertWeightText(); });
    QPushButton* standard =
        button("btnInserirTextoPadrao", QStringLiteral("&Inserir texto padrão."), [this] { insertStandardText(); });
    QPushButton* editor = button("btnTextoPadrao", QStringLiteral("&Texto padrão..."), [] {
        if (FormOpener open = openerFor(QStringLiteral("actReceituarioPadrao")))
            open();
    });
    editor->setVisible(false);
    auto* row = new QHBoxLayout;
    row->addWidget(byWeight);
    row->addWidget(standard);
    row->addWidget(editor);
    return row;
}

QStatusBar* ReceituarioPage::createStatusBar() {
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("stbReceituario"));
    status->setSizeGripEnabled(false);
    m_total = new QLabel(status);
    m_total->setObjectName(QStringLiteral("lblTotalReceituario"));
    m_total->setAlignment(Qt::AlignCenter);
    status->addWidget(m_total, 1);
    return status;
}

void ReceituarioPage::layOut(QToolBar* tools, QLayout* buttons, QStatusBar* status) {
    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel(QStringLiteral("Peso:"), this));
    choices->addWidget(dblTexto_Peso);
    choices->addLayout(buttons);
    choices->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tools);
    layout->addWidget(dbmReceituario, 1);
    layout->addLayout(choices);
    layout->addWidget(status);
}

bool ReceituarioPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dblTexto_Peso && (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress))
        guarded([this] { loadWeights(); });
    return QWidget::eventFilter(watched, event);
}

void ReceituarioPage::load(const QVariant& attendanceId) {
    m_attendance = attendanceId;
    receituariosql::selectOf(*m_rows, attendanceId);
    m_total->setText(QStringLiteral("Total de receituário: %1").arg(m_rows->recordCount()));
}

void ReceituarioPage::insert() {
    if (blank(m_attendance)) {
        Prompts::information(kReceituarioNaoCriado);
        return;
    }
    load(m_attendance);
    m_rows->append();
    dbmReceituario->setFocus();
}

void ReceituarioPage::refresh() {
    if (!blank(m_attendance))
        load(m_attendance);
}

void ReceituarioPage::post() {
    if (!m_rows->isEditing())
        return;
    {
        db::Transaction transaction;
        if (m_rows->state() == db::DataSet::State::Insert) {
            m_rows->setField(QStringLiteral("Id_Receituario"), receituariosql::nextKey());
            m_rows->setField(QStringLiteral("Id_Atendimento"), m_attendance);
        }
        m_rows->post(tables::byUser(db::serverTime()));
        transaction.commit();
    }
    m_total->setText(QStringLiteral("Total de receituário: %1").arg(m_rows->recordCount()));
    Prompts::information(kOperacaoRealizada);
}

void ReceituarioPage::remove() {
    if (!m_rows->isActive() || m_rows->recNo() < 0 || blank(m_rows->field(QStringLiteral("Id_Receituario")))) {
        Prompts::information(kNaoHaRegistro);
        return;
    }
    if (!Prompts::confirm(kConfirmaExclusaoReceituario))
        return;
    {
        db::Transaction transaction;
        receituariosql::remove(m_rows->field(QStringLiteral("Id_Receituario")), db::readValues(*m_rows));
        transaction.commit();
    }
    load(m_attendance);
    Prompts::information(kOperacaoRealizada);
}

void ReceituarioPage::loadWeights() {
    if (m_weightsRead)
        return;
    const db::RowSet rows = receituariosql::weightTexts();
    const QSignalBlocker block(dblTexto_Peso);
    dblTexto_Peso->clear();
    for (int i = 0; i < rows.count(); ++i) {
        const QString weight =
            QString::number(db::toNumber(rows.row(i)[1])).replace(QLatin1Char('.'), QLatin1Char(','));
        dblTexto_Peso->addItem(weight, db::toText(rows.row(i)[2]));
    }
    dblTexto_Peso->setCurrentIndex(-1);
    m_weightsRead = true;
}

void ReceituarioPage::insertText(const std::optional<QString>& inserted, QWidget* focusOnRefusal) {
    const TextInsertion result = ::insertText(
        m_rows->isEditing(), inserted, m_rows->isActive() ? m_rows->str(QStringLiteral("Descricao")) : QString());
    if (!result.refusal.isEmpty()) {
        Prompts::information(result.refusal);
        if (focusOnRefusal && result.refusal == kFaltaPeso)
            focusOnRefusal->setFocus();
        return;
    }
    m_rows->setField(QStringLiteral("Descricao"), result.text);
}

void ReceituarioPage::insertWeightText() {
    std::optional<QString> text;
    if (dblTexto_Peso->currentIndex() >= 0)
        text = dblTexto_Peso->currentData().toString();
    insertText(text, dblTexto_Peso);
}

void ReceituarioPage::insertStandardText() {
    insertText(m_rows->isEditing() ? receituariosql::standardText() : QString(), nullptr);
}

void ReceituarioPage::print() {
    ReceituarioSheet sheet = m_sheet();
    if (m_rows->isActive() && m_rows->recNo() >= 0)
        sheet.text = m_rows->str(QStringLiteral("Descricao"));
    Prompts::preview(std::make_shared<TfrmRelReceituario>(std::move(sheet)), false);
}
