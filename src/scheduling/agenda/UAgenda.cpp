// SPDX-License-Identifier: GPL-3.0-or-later
// The agenda form: wires its two pages, runs the refresh, opens the booking form, the locator, the
// reports and the statistics.
#include "scheduling/agenda/UAgenda.h"

#include "common/FormWindows.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/access/Session.h"
#include "platform/ui/WaitCursor.h"
#include "scheduling/agenda/AgendaDialogs.h"
#include "scheduling/agenda/AgendaReports.h"
#include "scheduling/agenda/UAgendaLocalizarProp.h"
#include "scheduling/agenda/UInformacaoAgenda.h"
#include "scheduling/booking/UAgendaNovoAtendimento.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace scheduling;

namespace {

void onClick(QPushButton* button, QObject* context, const std::function<void()>& handler) {
    QObject::connect(button, &QPushButton::clicked, context, [handler] { guarded(handler); });
}

}  // namespace

TfrmAgenda::TfrmAgenda(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmAgenda"));
    setWindowTitle(QStringLiteral("023 - Agenda"));
    createPages();
    createStatusBar();
    layOut();
    createActions();
    fillFilters();
    connectCalendars();
    connectButtons();
    connectPages();
    buildPopup();
    resize(980, 680);
}

void TfrmAgenda::createPages() {
    pgcPrincipal = new QTabWidget(this);
    pgcPrincipal->setObjectName(QStringLiteral("pgcPrincipal"));
    pgcPrincipal->setDocumentMode(true);
    tbsPrincipal = new AgendaDailyPage(pgcPrincipal);
    tbsSemanal = new AgendaWeekPage(pgcPrincipal);
    pgcPrincipal->addTab(tbsPrincipal, QStringLiteral("Principal"));
    pgcPrincipal->addTab(tbsSemanal, QStringLiteral("Agenda semanal"));
}

void TfrmAgenda::createStatusBar() {
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
}

void TfrmAgenda::layOut() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pgcPrincipal, 1);
    layout->addWidget(StatusBar1);
}

void TfrmAgenda::createActions() {
    actChamaAgendador = new QAction(QStringLiteral("Agendar"), this);
    actChamaAgendador->setObjectName(QStringLiteral("actChamaAgendador"));
    onTriggered(actChamaAgendador, [this] { openBooking(); });
}

void TfrmAgenda::fillFilters() {
    AgendaDailyPage* daily = tbsPrincipal;
    AgendaWeekPage* weekly = tbsSemanal;
    fillLookup(daily->dblUnidadeTrabalho, agendasql::units());
    fillLookup(weekly->dblUnidadeSemanal, agendasql::units());
    fillLookup(daily->dblStatus, agendasql::statuses());
    fillLookup(weekly->dblStatusSemanal, agendasql::statuses());
    mirror(daily->dblUnidadeTrabalho, weekly->dblUnidadeSemanal);
    mirror(daily->dblStatus, weekly->dblStatusSemanal);
}

void TfrmAgenda::connectCalendars() {
    AgendaDailyPage* daily = tbsPrincipal;
    AgendaWeekPage* weekly = tbsSemanal;
    connect(daily->mcdPrincipal, &QCalendarWidget::selectionChanged, this,
            [daily, weekly] { weekly->mclAgendaSemanal->setSelectedDate(daily->mcdPrincipal->selectedDate()); });
    connect(weekly->mclAgendaSemanal, &QCalendarWidget::selectionChanged, this,
            [daily, weekly] { daily->mcdPrincipal->setSelectedDate(weekly->mclAgendaSemanal->selectedDate()); });
    // A click on the daily calendar shows a failure in the status bar rather than in a box.
    connect(daily->mcdPrincipal, &QCalendarWidget::clicked, this, [this] {
        const ui::WaitCursor wait;
        try {
            refresh();
        } catch (const std::exception& e) {
            StatusBar1->showMessage(QString::fromUtf8(e.what()));
        }
    });
    connect(weekly->mclAgendaSemanal, &QCalendarWidget::clicked, this, [this] { guarded([this] { refresh(); }); });
}

void TfrmAgenda::connectButtons() {
    AgendaDailyPage* daily = tbsPrincipal;
    AgendaWeekPage* weekly = tbsSemanal;
    onClick(daily->BitBtn3, this, [this] { refresh(); });
    onClick(weekly->bmpAtualizar, this, [this] { refresh(); });
    onClick(daily->BitBtn4, this, [daily] { daily->clear(); });
    onClick(weekly->bmpLimpar_AgendaSemanal, this, [this, daily] {
        daily->dblUnidadeTrabalho->setCurrentIndex(0);
        daily->dblStatus->setCurrentIndex(0);
        refresh();
    });
    onClick(daily->BitBtn1, this, [this] {
        ModoAgendamento = 0;
        ProprietarioAgendamento.clear();
        AnimalAgendamento.clear();
        actChamaAgendador->trigger();
    });
    onClick(daily->bmpLocalizar, this, [this] { TfrmAgendaLocalizarProp::open(this); });
    onClick(daily->bmpGeraRelatorio, this, [this] { generateReport(); });
    onClick(daily->bmpInformacao, this, [this] { showStatistics(); });
}

void TfrmAgenda::connectPages() {
    connect(tbsPrincipal->dbgPrincipal, &QTableView::doubleClicked, actChamaAgendador, &QAction::trigger);
    connect(tbsSemanal->stgAgenda, &QTableWidget::cellDoubleClicked, actChamaAgendador, &QAction::trigger);
    connect(pgcPrincipal, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1)
            guarded([this] { enterWeekPage(db::serverTime().date()); });
    });
}

TfrmAgenda* TfrmAgenda::open() {
    auto* form = new TfrmAgenda;
    frmAgenda = form;
    form->setDay(db::serverTime().date());
    showForm(form, ShowAs::MdiChild);
    return form;
}

void TfrmAgenda::mirror(QComboBox* a, QComboBox* b) {
    connect(a, &QComboBox::currentIndexChanged, b, [b](int i) { b->setCurrentIndex(i); });
    connect(b, &QComboBox::currentIndexChanged, a, [a](int i) { a->setCurrentIndex(i); });
}

void TfrmAgenda::buildPopup() {
    ppmPrincipal = new QMenu(this);
    ppmPrincipal->setObjectName(QStringLiteral("ppmPrincipal"));
    QAction* novo = ppmPrincipal->addAction(QStringLiteral("&Novo atendimento..."));
    novo->setObjectName(QStringLiteral("Novoatendimento1"));
    connect(novo, &QAction::triggered, actChamaAgendador, &QAction::trigger);
    const QList<QStringList> groups{{"actUnidade", "actStatusAtendimento", "actProfissional"},
                                    {"actProprietario_Animal", "actProcedimento", "actAtendimentoParticular",
                                     "actCarteiraIdentificacao", "actConsultaLVC", "actRegistroOcorrencia"}};
    QWidget* main = workspace() ? workspace()->window() : nullptr;
    for (const QStringList& group : groups) {
        ppmPrincipal->addSeparator();
        for (const QString& name : group)
            if (QAction* action = main ? main->findChild<QAction*>(name) : nullptr)
                ppmPrincipal->addAction(action);  // its caption and enabled state are the menu's own
    }
    ppmPrincipal->addSeparator();
    QAction* help = ppmPrincipal->addAction(QStringLiteral("Ajuda"));
    help->setObjectName(QStringLiteral("Ajuda1"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(help);
    setContextMenuPolicy(Qt::CustomContextMenu);
    pgcPrincipal->setContextMenuPolicy(Qt::CustomContextMenu);
    const auto show = [this](const QPoint&) { ppmPrincipal->popup(QCursor::pos()); };
    connect(this, &QWidget::customContextMenuRequested, this, show);
    connect(pgcPrincipal, &QWidget::customContextMenuRequested, this, show);
}

void TfrmAgenda::setDay(const QDate& day) {
    tbsPrincipal->mcdPrincipal->setSelectedDate(day);
    tbsSemanal->mclAgendaSemanal->setSelectedDate(day);
}

std::optional<db::RowSet> TfrmAgenda::loadList() {
    m_dayCount = 0;
    // The weeks of the day, read once: their count is the check, their row the header.
    std::optional<db::RowSet> weeks;
    try {
        weeks = agendasql::weekRows(tbsSemanal->mclAgendaSemanal->selectedDate());
    } catch (const std::exception&) {
        Prompts::information(kErroPesquisarSemana);
    }
    if (weeks && weeks->count() != 1) {
        Prompts::information(kSemanaNaoCadastrada);
        throw db::Error(kErroPreencherAgenda);
    }
    m_dayCount = tbsPrincipal->load();
    return weeks;
}

void TfrmAgenda::refresh() {
    try {
        const std::optional<db::RowSet> weeks = loadList();
        if (!weeks)
            throw db::Error(kErroPreencherAgenda);
        const db::RowSet& rows = *weeks;
        m_week = {db::toInt(rows.row(0)[0]), db::toInt(rows.row(0)[1]), db::toDateTime(rows.row(0)[2]).date(),
                  db::toDateTime(rows.row(0)[3]).date()};
        m_weekDrawn = true;
        tbsSemanal->writeDatedTitles(WeekGrid::weekSunday(m_week.first));
    } catch (const std::exception&) {
        StatusBar1->showMessage(kErroPreencherAgenda);
        return;
    }
    countWeek();
    if (tbsPrincipal->qryAtendimento->isEmpty())
        Prompts::information(kNenhumRegistro);
}

void TfrmAgenda::countWeek() {
    const QDate sunday = WeekGrid::weekSunday(m_week.first);
    const WeekGrid::Counts counts = WeekGrid::count(agendasql::weekMoments(tbsPrincipal->filter(), sunday), sunday);
    m_weekCount = counts.total;
    tbsSemanal->writeCounts(counts);
    StatusBar1->showMessage(weekStatusText(tbsPrincipal->period(), m_dayCount, m_weekCount));
}

void TfrmAgenda::showAttendance(const QVariant& id) { tbsPrincipal->showAttendance(id); }

void TfrmAgenda::enterWeekPage(const QDate& today) {
    if (m_weekDrawn)
        return;
    const db::RowSet rows = agendasql::weekRows(today);
    if (rows.count() > 0)
        m_week = {db::toInt(rows.row(0)[0]), db::toInt(rows.row(0)[1]), db::toDateTime(rows.row(0)[2]).date(),
                  db::toDateTime(rows.row(0)[3]).date()};
}

void TfrmAgenda::openBooking() {
    TfrmAgendaNovoAtendimento::openFromAgenda(tbsPrincipal->mcdPrincipal->selectedDate(),
                                              tbsPrincipal->currentAttendance());
}

void TfrmAgenda::generateReport() {
    if (tbsPrincipal->rdbRelDiario->isChecked())
        openSelRelAgendaDiaria();
    else if (tbsPrincipal->rdbRelMensal->isChecked())
        openSelRelAgendaMensal();
    else if (tbsPrincipal->rdbRelAnual->isChecked())
        Prompts::preview(std::make_shared<TfrmRelAgendaMensal>(), true);
    else if (tbsPrincipal->rdbRelProfissional->isChecked())
        openSelAgendaProfissional();
}

void TfrmAgenda::showStatistics() {
    if (!tbsPrincipal->qryAtendimento->isActive() || tbsPrincipal->qryAtendimento->isEmpty()) {
        Prompts::information(kNenhumRegistroEstatistica);
        return;
    }
    QStringList lines;
    try {
        lines = agendaStatistics(tbsPrincipal->filter());
    } catch (const std::exception&) {
        Prompts::error(kErroPesquisa);
        return;
    }
    auto* window = new TfrmInformacaoAgenda(lines);
    frmInformacaoAgenda = window;
    window->setWindowModality(Qt::ApplicationModal);
    showForm(window, ShowAs::Window, this);
}
