// SPDX-License-Identifier: GPL-3.0-or-later
// The agenda's daily and weekly pages.
#include "scheduling/agenda/AgendaPages.h"

#include "common/Prompts.h"
#include "common/register/RegisterForm.h"
#include "common/register/RegisterSql.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/GridRows.h"
#include "scheduling/booking/AtendimentoPages.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace common;

namespace {

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QComboBox* lookupBox(QWidget* parent, const char* name) {
    auto* box = named(new QComboBox(parent), name);
    box->setMinimumWidth(200);
    box->view()->setMinimumWidth(300);
    return box;
}

QCalendarWidget* calendar(QWidget* parent, const char* name) {
    auto* c = named(new QCalendarWidget(parent), name);
    c->setDateRange(QDate(2000, 1, 1), QDate(2100, 1, 1));
    c->setMaximumSize(420, 240);
    return c;
}

QVBoxLayout* labelled(const QString& caption, QWidget* widget) {
    auto* box = new QVBoxLayout;
    box->addWidget(new QLabel(caption));
    box->addWidget(widget);
    return box;
}

}  // namespace

void sortGrid(db::DataSet& data, ui::DataGridModel& model, int column) {
    db::Query& select = data.query();
    const QString before = select.text();
    if (before.isEmpty() || column < 0 || column >= model.columns().size())
        return;
    try {
        select.setSql(registersql::withOrderBy(before, model.columns()[column].field));  // the parameters stay bound
        data.open();
        model.markSortColumn(column);
    } catch (const std::exception&) {
        select.setSql(before);
        Prompts::information(kNaoFoiPossivelOrdenar);
    }
}

void fillLookup(QComboBox* box, const db::RowSet& rows) {
    box->clear();
    box->addItem(QString());
    const int name = rows.fieldIndex(QStringLiteral("nome"));
    const int description = rows.fieldIndex(QStringLiteral("descricao"));
    for (int r = 0; r < rows.count(); ++r) {
        box->addItem(db::toText(rows.row(r)[name]), rows.row(r)[0]);
        if (description >= 0)
            box->setItemData(box->count() - 1, db::toText(rows.row(r)[description]), Qt::ToolTipRole);
    }
    box->setCurrentIndex(0);
}

QVariant lookupKey(const QComboBox* box) {
    if (box->currentIndex() <= 0 || box->currentText().trimmed().isEmpty())
        return {};
    return box->currentData();
}

AgendaDailyPage::AgendaDailyPage(QWidget* parent) : QWidget(parent) {
    createFilters();
    createButtons();
    QGroupBox* reports = createReports();
    createGrid();
    layOut(reports);
}

void AgendaDailyPage::createFilters() {
    dblUnidadeTrabalho = lookupBox(this, "dblUnidadeTrabalho");
    dblStatus = lookupBox(this, "dblStatus");
    connect(dblStatus, &QComboBox::activated, this,
            [this](int i) { dblStatus->setToolTip(dblStatus->itemData(i, Qt::ToolTipRole).toString()); });
    rdgFiltro = named(new QGroupBox(QStringLiteral(" Filtro "), this), "rdgFiltro");
    rdbDia = named(new QRadioButton(QStringLiteral("Dia"), rdgFiltro), "rdbDia");
    rdbMes = named(new QRadioButton(QStringLiteral("Mês"), rdgFiltro), "rdbMes");
    rdbAno = named(new QRadioButton(QStringLiteral("Ano"), rdgFiltro), "rdbAno");
    rdbDia->setChecked(true);
    auto* filterRow = new QHBoxLayout(rdgFiltro);
    filterRow->addWidget(rdbDia);
    filterRow->addWidget(rdbMes);
    filterRow->addWidget(rdbAno);
    mcdPrincipal = calendar(this, "mcdPrincipal");
}

void AgendaDailyPage::createButtons() {
    BitBtn3 = named(new QPushButton(QStringLiteral("Atualizar"), this), "BitBtn3");
    BitBtn4 = named(new QPushButton(QStringLiteral("Limpar"), this), "BitBtn4");
    BitBtn1 = named(new QPushButton(QStringLiteral("&Agendar novo atendimento..."), this), "BitBtn1");
    bmpLocalizar = named(new QPushButton(QStringLiteral("&Localizar..."), this), "bmpLocalizar");
}

QGroupBox* AgendaDailyPage::createReports() {
    auto* reports = named(new QGroupBox(QStringLiteral(" Relatório "), this), "grbRelatorio");
    rdbRelDiario = named(new QRadioButton(QStringLiteral("Diário"), reports), "rdbRelDiario");
    rdbRelMensal = named(new QRadioButton(QStringLiteral("Mensal"), reports), "rdbRelMensal");
    rdbRelAnual = named(new QRadioButton(QStringLiteral("Anual"), reports), "rdbRelAnual");
    rdbRelProfissional = named(new QRadioButton(QStringLiteral("Por profissional"), reports), "rdbRelProfissional");
    rdbRelDiario->setChecked(true);
    bmpGeraRelatorio = named(new QPushButton(QStringLiteral("&Gerar relatório..."), reports), "bmpGeraRelatorio");
    bmpInformacao = named(new QPushButton(QStringLiteral("?"), reports), "bmpInformacao");
    bmpInformacao->setToolTip(QStringLiteral("Informações..."));
    ui::GridRows rows(new QGridLayout(reports));
    rows.row().add(rdbRelDiario).add(rdbRelMensal);
    rows.row().add(rdbRelAnual).add(rdbRelProfissional);
    rows.row().add(bmpGeraRelatorio).add(bmpInformacao);
    return reports;
}

void AgendaDailyPage::createGrid() {
    qryAtendimento = new db::DataSet(db::kMain, this);
    dbgPrincipal = named(new QTableView(this), "dbgPrincipal");
    // The widths the agenda's description gives stand; the columns it leaves at their default fit what they show.
    using Column = ui::GridColumn;
    m_model = ui::bindGrid(
        dbgPrincipal, qryAtendimento,
        {Column::fixedAt(QStringLiteral("Status do atendimento"), QStringLiteral("nome_atendimento_status"), 110),
         {QStringLiteral("Cód. agendamento"), QStringLiteral("Id_Atendimento")},
         Column::fixedAt(QStringLiteral("Proprietário"), QStringLiteral("nome_proprietario"), 100),
         Column::fixedAt(QStringLiteral("Animal"), QStringLiteral("nome_animal"), 100),
         dateTimeColumn(QStringLiteral("Data e hora"), QStringLiteral("Data_Hora_Atendimento"), 120),
         {QStringLiteral("Sexo"), QStringLiteral("sexo")},
         Column::fixedAt(QStringLiteral("Espécie"), QStringLiteral("especie"), 50),
         Column::fixedAt(QStringLiteral("Porte"), QStringLiteral("porte"), 50),
         Column::fixedAt(QStringLiteral("Unidade que agendou."), QStringLiteral("nome_unidade_trabalho"), 150),
         Column::fixedAt(QStringLiteral("Unida agendada."), QStringLiteral("nome_unidade_agendada"), 150)});
    ui::onTitleClick(dbgPrincipal, [this](int column) { sortBy(column); });
}

void AgendaDailyPage::layOut(QGroupBox* reports) {
    auto* filters = new QVBoxLayout;
    filters->addLayout(labelled(QStringLiteral("Unidade de Trabalho:"), dblUnidadeTrabalho));
    filters->addLayout(labelled(QStringLiteral("Status do atendimento:"), dblStatus));
    filters->addWidget(rdgFiltro);
    filters->addWidget(BitBtn3);
    filters->addWidget(BitBtn4);
    filters->addWidget(BitBtn1);
    filters->addWidget(bmpLocalizar);
    filters->addWidget(reports);
    filters->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(mcdPrincipal);
    top->addLayout(filters);
    auto* main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addWidget(dbgPrincipal, 1);
}

AgendaPeriod AgendaDailyPage::period() const {
    return rdbAno->isChecked() ? AgendaPeriod::Ano : rdbMes->isChecked() ? AgendaPeriod::Mes : AgendaPeriod::Dia;
}

agendasql::Filter AgendaDailyPage::filter() const {
    return {lookupKey(dblUnidadeTrabalho), lookupKey(dblStatus), mcdPrincipal->selectedDate(), period()};
}

int AgendaDailyPage::load() {
    m_listed = false;
    agendasql::selectDailyList(*qryAtendimento, filter());
    m_listed = true;
    return agendasql::dailyCount(filter());
}

void AgendaDailyPage::showAttendance(const QVariant& id) {
    m_listed = false;
    agendasql::selectDailyListOf(*qryAtendimento, id);
    m_listed = true;
}

void AgendaDailyPage::clear() {
    dblUnidadeTrabalho->setCurrentIndex(0);
    dblStatus->setCurrentIndex(0);
    m_listed = false;
    agendasql::selectCleared(*qryAtendimento);
}

void AgendaDailyPage::sortBy(int column) {
    if (m_listed)
        sortGrid(*qryAtendimento, *m_model, column);
}

QVariant AgendaDailyPage::currentAttendance() const {
    if (!qryAtendimento->isActive() || qryAtendimento->recNo() < 0 ||
        !qryAtendimento->hasField(QStringLiteral("Id_Atendimento")))
        return {};
    const QVariant id = qryAtendimento->field(QStringLiteral("Id_Atendimento"));
    return db::toText(id).trimmed().isEmpty() ? QVariant() : id;
}

AgendaWeekPage::AgendaWeekPage(QWidget* parent) : QWidget(parent) {
    mclAgendaSemanal = calendar(this, "mclAgendaSemanal");
    mclAgendaSemanal->setFirstDayOfWeek(Qt::Sunday);
    mclAgendaSemanal->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    dblUnidadeSemanal = lookupBox(this, "dblUnidadeSemanal");
    dblStatusSemanal = lookupBox(this, "dblStatusSemanal");
    bmpAtualizar = named(new QPushButton(QStringLiteral("&Atualizar"), this), "bmpAtualizar");
    bmpLimpar_AgendaSemanal = named(new QPushButton(QStringLiteral("&Limpar"), this), "bmpLimpar_AgendaSemanal");
    stgAgenda = named(new QTableWidget(WeekGrid::kSlots + 1, WeekGrid::kDays + 1, this), "stgAgenda");
    stgAgenda->horizontalHeader()->hide();
    stgAgenda->verticalHeader()->hide();
    stgAgenda->setEditTriggers(QAbstractItemView::NoEditTriggers);
    stgAgenda->viewport()->installEventFilter(this);
    for (int r = 0; r <= WeekGrid::kSlots; ++r)
        stgAgenda->setRowHeight(r, 24);

    auto* side = new QVBoxLayout;
    side->addLayout(labelled(QStringLiteral("Unidade de trabalho:"), dblUnidadeSemanal));
    side->addLayout(labelled(QStringLiteral("Status do atendimento:"), dblStatusSemanal));
    side->addWidget(bmpAtualizar);
    side->addWidget(bmpLimpar_AgendaSemanal);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(mclAgendaSemanal);
    top->addLayout(side);
    auto* main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addWidget(stgAgenda, 1);
    writePlainTitles();
}

namespace {

void setCell(QTableWidget* grid, int row, int column, const QString& text) {
    QTableWidgetItem* item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        grid->setItem(row, column, item);
    }
    item->setText(text);
}

}  // namespace

void AgendaWeekPage::writePlainTitles() {
    stgAgenda->clearContents();
    for (int k = 1; k <= WeekGrid::kDays; ++k)
        setCell(stgAgenda, 0, k, WeekGrid::plainTitles()[k - 1]);
    for (int i = 1; i <= WeekGrid::kSlots; ++i)
        setCell(stgAgenda, i, 0, WeekGrid::slotLabels()[i - 1]);
    spreadColumns();
}

void AgendaWeekPage::writeDatedTitles(const QDate& sunday) {
    const QStringList titles = WeekGrid::datedTitles(sunday);
    for (int k = 1; k <= WeekGrid::kDays; ++k) {
        setCell(stgAgenda, 0, k, titles[k - 1]);
        for (int i = 1; i <= WeekGrid::kSlots; ++i)
            setCell(stgAgenda, i, k, QString());
    }
    spreadColumns();
}

void AgendaWeekPage::writeCounts(const WeekGrid::Counts& counts) {
    for (int d = 0; d < WeekGrid::kDays - 1; ++d)
        for (int i = 0; i < WeekGrid::kSlots; ++i)
            setCell(stgAgenda, i + 1, d + 1, counts.cell[d][i] ? QString::number(counts.cell[d][i]) : QString());
}

void AgendaWeekPage::spreadColumns() {
    QList<int> need;
    for (int c = 0; c <= WeekGrid::kDays; ++c) {
        int widest = 0;
        for (int r = 0; r <= WeekGrid::kSlots; ++r)
            if (stgAgenda->item(r, c))
                widest = std::max(widest, stgAgenda->sizeHintForIndex(stgAgenda->model()->index(r, c)).width() + 1);
        need << widest;
    }
    const QList<int> widths = WeekGrid::spreadWidths(need, stgAgenda->viewport()->width());
    for (int c = 0; c <= WeekGrid::kDays; ++c)
        stgAgenda->setColumnWidth(c, widths[c]);
}

bool AgendaWeekPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == stgAgenda->viewport() && event->type() == QEvent::Resize)
        spreadColumns();
    return QWidget::eventFilter(watched, event);
}
