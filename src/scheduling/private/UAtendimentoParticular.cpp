// SPDX-License-Identifier: GPL-3.0-or-later
// The private attendances form.
#include "scheduling/private/UAtendimentoParticular.h"

#include "common/FormWindows.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/access/FormOpening.h"
#include "common/rules/Formats.h"
#include "platform/db/Database.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/DateEdit.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/GridRows.h"
#include "scheduling/booking/AtendimentoRules.h"
#include "scheduling/private/AtendimentoParticularSql.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

using namespace scheduling;

namespace {

void fill(QComboBox* combo, const db::RowSet& rows, const QString& key, const QString& shown) {
    const QSignalBlocker block(combo);
    combo->clear();
    const int k = rows.fieldIndex(key), s = rows.fieldIndex(shown);
    for (int i = 0; i < rows.count(); ++i)
        combo->addItem(db::toText(rows.row(i)[s]), rows.row(i)[k]);
    combo->setCurrentIndex(-1);
}

QVariant chosen(const QComboBox* combo) { return combo->currentIndex() < 0 ? QVariant() : combo->currentData(); }

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

}  // namespace

TfrmAtendimentoParticular::TfrmAtendimentoParticular(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmAtendimentoParticular"));
    setWindowTitle(QStringLiteral("008 - Atendimento particular."));
    auto* tabs = new QTabWidget(this);
    tabs->addTab(createPage(tabs), QStringLiteral("Principal"));
    QLayout* buttons = createButtons();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);
    layout->addWidget(createStatusBar());
    createPopup();
    loadLists();
    resize(560, 460);
}

QWidget* TfrmAtendimentoParticular::createPage(QWidget* tabs) {
    auto* page = new QWidget(tabs);
    const auto edit = [page](const char* name) {
        auto* e = new QLineEdit(page);
        e->setObjectName(QLatin1String(name));
        e->setMaximumWidth(90);
        return e;
    };
    const auto combo = [page](const char* name) {
        auto* c = new QComboBox(page);
        c->setObjectName(QLatin1String(name));
        c->setMinimumWidth(280);
        return c;
    };
    dbeCodico = edit("dbeCodico");
    dbeCodico->setReadOnly(true);
    dblProprietario = combo("dblProprietario");
    DBEdit2 = edit("DBEdit2");
    DBEdit2->setReadOnly(true);
    DBLookupComboBox3 = combo("DBLookupComboBox3");
    DBLookupComboBox1 = combo("DBLookupComboBox1");
    mkeDt_Atendimento = new ui::DateEdit(page);
    mkeDt_Atendimento->setObjectName(QStringLiteral("mkeDt_Atendimento"));
    for (QWidget* w : {static_cast<QWidget*>(dbeCodico), static_cast<QWidget*>(dblProprietario),
                       static_cast<QWidget*>(DBEdit2), static_cast<QWidget*>(DBLookupComboBox3),
                       static_cast<QWidget*>(DBLookupComboBox1), static_cast<QWidget*>(mkeDt_Atendimento)})
        ui::EnterAsTab::install(w);
    connect(dblProprietario, &QComboBox::currentIndexChanged, this, [this] { guarded([this] { ownerChosen(); }); });
    connect(DBLookupComboBox3, &QComboBox::currentIndexChanged, this, [this] { guarded([this] { animalChosen(); }); });

    auto* pageLayout = new QVBoxLayout(page);
    auto* grid = new QGridLayout;
    pageLayout->addLayout(grid);
    ui::GridRows rows(grid);
    const auto line = [&](const QString& caption, QWidget* w) { rows.row().labelled(caption, w, 1, Qt::AlignLeft); };
    line(QStringLiteral("Cód. prop.:"), dbeCodico);
    line(QStringLiteral("Proprietário:"), dblProprietario);
    line(QStringLiteral("Cód. animal.:"), DBEdit2);
    line(QStringLiteral("Animal:"), DBLookupComboBox3);
    line(QStringLiteral("Procedimento:"), DBLookupComboBox1);
    line(QStringLiteral("Data  realização:"), mkeDt_Atendimento);
    pageLayout->addWidget(createGrid(page), 1);
    return page;
}

QTableView* TfrmAtendimentoParticular::createGrid(QWidget* page) {
    m_rows = new db::DataSet(db::kMain, this);
    m_rows->setObjectName(QStringLiteral("qryAtendimento"));
    dbgAtendimento = new QTableView(page);
    dbgAtendimento->setObjectName(QStringLiteral("dbgAtendimento"));
    ui::GridColumn date(QStringLiteral("Data"), QStringLiteral("dt_Atendimento"), 90);
    date.text = [](const db::DataSet& data, int row) {
        return fmt::date(db::toDateTime(data.cell(row, QStringLiteral("dt_Atendimento"))));
    };
    ui::bindGrid(dbgAtendimento, m_rows,
                 {{QStringLiteral("Código"), QStringLiteral("Id_Atendimento_Particular"), 60, QColor(Qt::lightGray)},
                  date,
                  {QStringLiteral("Atendimento"), QStringLiteral("Cal_Tipo_Atendimento"), 300}});
    return dbgAtendimento;
}

QLayout* TfrmAtendimentoParticular::createButtons() {
    auto* bmpIncluir = button("bmpIncluir", QStringLiteral("&Incluir"), this);
    auto* bmpExcluir = button("bmpExcluir", QStringLiteral("&Excluir"), this);
    auto* bmpSair = button("bmpSair", QStringLiteral("&Sair"), this);
    auto* bmpAtualiza = button("bmpAtualiza", QStringLiteral("&Atualiza"), this);
    connect(bmpIncluir, &QPushButton::clicked, this, [this] { guarded([this] { add(); }); });
    connect(bmpExcluir, &QPushButton::clicked, this, [this] { guarded([this] { remove(); }); });
    connect(bmpAtualiza, &QPushButton::clicked, this, [this] { guarded([this] { refresh(); }); });
    connect(bmpSair, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {bmpIncluir, bmpExcluir, bmpSair, bmpAtualiza})
        buttons->addWidget(b);
    buttons->addStretch(1);
    return buttons;
}

QStatusBar* TfrmAtendimentoParticular::createStatusBar() {
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    for (int i = 0; i < 3; ++i)
        status->addWidget(new QLabel(status), 1);
    return status;
}

void TfrmAtendimentoParticular::createPopup() {
    // The pop-up item runs the main window's procedure-type register.
    auto* procedureItem = new QAction(QStringLiteral("Procedimento médico..."), this);
    procedureItem->setObjectName(QStringLiteral("actProcedimento"));
    bindToMenuAction(procedureItem, QStringLiteral("actProcedimento"));
    addAction(procedureItem);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void TfrmAtendimentoParticular::loadLists() {
    fill(dblProprietario, atendimentoparticularsql::owners(), QStringLiteral("id_proprietario"),
         QStringLiteral("nome"));
    fill(DBLookupComboBox1, atendimentoparticularsql::procedureTypes(), QStringLiteral("Id_Tipo_Procedimento"),
         QStringLiteral("Nome"));
    atendimentoparticularsql::selectOfAnimal(*m_rows, {});
}

TfrmAtendimentoParticular* TfrmAtendimentoParticular::open() {
    auto* form = new TfrmAtendimentoParticular;
    frmAtendimentoParticular = form;
    RightsHiding hiding;
    hiding.incluir = {QStringLiteral("bmpIncluir")};
    hiding.alterar = {};
    hiding.excluir = {QStringLiteral("bmpExcluir")};
    hiding.imprimir = {};
    applyFormRights(form, 5, hiding);
    showForm(form, ShowAs::Window);
    form->dbeCodico->setFocus();
    return form;
}

void TfrmAtendimentoParticular::ownerChosen() {
    const QVariant owner = chosen(dblProprietario);
    dbeCodico->setText(db::toText(owner));
    fill(DBLookupComboBox3, owner.isNull() ? db::RowSet() : atendimentoparticularsql::animalsOf(owner),
         QStringLiteral("id_animal"), QStringLiteral("nome"));
    animalChosen();
}

void TfrmAtendimentoParticular::animalChosen() {
    const QVariant animal = chosen(DBLookupComboBox3);
    DBEdit2->setText(db::toText(animal));
    atendimentoparticularsql::selectOfAnimal(*m_rows, animal);
}

void TfrmAtendimentoParticular::refresh() {
    const QVariant current = chosen(DBLookupComboBox1);
    fill(DBLookupComboBox1, atendimentoparticularsql::procedureTypes(), QStringLiteral("Id_Tipo_Procedimento"),
         QStringLiteral("Nome"));
    DBLookupComboBox1->setCurrentIndex(DBLookupComboBox1->findData(current));
}

void TfrmAtendimentoParticular::add() {
    const QVariant animal = chosen(DBLookupComboBox3);
    const QVariant type = chosen(DBLookupComboBox1);
    if (animal.isNull()) {
        Prompts::information(kFaltaAnimal);
        DBLookupComboBox3->setFocus();
        return;
    }
    if (type.isNull()) {
        Prompts::information(kFaltaProcedimentoParticular);
        DBLookupComboBox1->setFocus();
        return;
    }
    // An empty or impossible date stores nothing, as any failure of the insert.
    const QDate done = mkeDt_Atendimento->date();
    if (!done.isValid()) {
        Prompts::error(kErroGravarCancelada);
        return;
    }
    try {
        db::Transaction transaction;
        atendimentoparticularsql::insert(animal, type, done);
        transaction.commit();
    } catch (const std::exception& e) {
        Prompts::error(failureText(e, kErroGravarCancelada));
        return;
    }
    atendimentoparticularsql::selectOfAnimal(*m_rows, animal);
    Prompts::information(kOperacaoRealizadaMinuscula);
}

void TfrmAtendimentoParticular::remove() {
    const QVariant key = m_rows->recNo() < 0 ? QVariant() : m_rows->field(QStringLiteral("Id_Atendimento_Particular"));
    if (db::toText(key).trimmed().isEmpty()) {
        Prompts::information(kRegistroNaoEncontradoExclusao);
        return;
    }
    if (!Prompts::confirm(kConfirmaExclusaoParticular))
        return;
    {
        db::Transaction transaction;
        atendimentoparticularsql::remove(key, db::readValues(*m_rows));
        transaction.commit();
    }
    m_rows->refresh();
}
