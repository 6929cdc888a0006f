// SPDX-License-Identifier: GPL-3.0-or-later
// The agenda: its daily list, weekly grid and openers; the report dialogs, the agenda reports and the
// statistics; the attendance locator.

#include "SchedulingFixture.h"
#include "UserInput.h"

#include "ReportText.h"
#include "common/rules/EpiWeeks.h"
#include "platform/ui/DataGrid.h"
#include "scheduling/agenda/AgendaDialogs.h"
#include "scheduling/agenda/AgendaReports.h"
#include "scheduling/agenda/UAgenda.h"
#include "scheduling/agenda/UAgendaLocalizarProp.h"
#include "scheduling/agenda/UInformacaoAgenda.h"

#include <QCalendarWidget>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>

using namespace scheduling;

namespace {

class AgendaTest : public SchedulingTest {
protected:
    static constexpr int kCarlos = 12, kBidu = 120;

    void SetUp() override {
        SchedulingTest::SetUp();
        for (int year : {2011, 2012, 2013})
            for (const EpiWeek& w : epiWeeksOfYear(year))
                exec(
                    R"(
                        insert into semana_epidemiologica (nrideano, nridesep, dtinisep, dtfimsep, dsidesep)
                        values (:a, :n, :i, :f, :d)
                    )",
                    {{"a", year},
                     {"n", w.week},
                     {"i", QDateTime(w.first, QTime(0, 0))},
                     {"f", QDateTime(w.last, QTime(0, 0))},
                     {"d", QString("SEMANA %1/%2").arg(w.week).arg(year)}});
        exec("insert into proprietario (Id_Proprietario, Nome, Status_Registro) values (12, 'CARLOS', 'INATIVO')");
        exec("insert into animal (Id_Animal, Id_Proprietario, Id_Especie, Nome) values (120, 12, 1, 'BIDU')");
    }

    static QDateTime at(int d, int m, int y, int h = 8, int min = 0) {
        return QDateTime(QDate(y, m, d), QTime(h, min));
    }

    TfrmAgenda* agendaOn(const QDate& d) {
        TfrmAgenda* form = TfrmAgenda::open();
        form->setDay(d);
        return form;
    }
    static void click(QWidget* form, const char* button) {
        auto* b = form->findChild<QPushButton*>(button);
        ASSERT_NE(b, nullptr) << button;
        b->click();
    }
    static QString gridCell(TfrmAgenda* form, int row, int column) {
        QTableWidgetItem* item = form->tbsSemanal->stgAgenda->item(row, column);
        return item ? item->text() : QString();
    }
    static int slotRow(const char* label) { return WeekGrid::slotLabels().indexOf(label) + 1; }
    static QString status(TfrmAgenda* form) { return form->StatusBar1->currentMessage(); }
};

TEST_F(AgendaTest, DailyListFiltersByPeriodUnitAndActiveOwnerSortsAndClears) {
    addAttendance(kAna, kRex, at(5, 3, 2012));
    addAttendance(kAna, kMimi, at(6, 3, 2012, 10), 2);
    addAttendance(kAna, kRex, at(20, 3, 2012), 1, 1);
    addAttendance(kAna, kRex, at(10, 7, 2012));
    addAttendance(kAna, kRex, at(1, 1, 2013));
    addAttendance(kCarlos, kBidu, at(5, 3, 2012, 9));
    TfrmAgenda* form = agendaOn(QDate(2012, 3, 5));
    AgendaDailyPage* page = form->tbsPrincipal;
    EXPECT_EQ(gridCell(form, 0, 1), "Segunda") << "plain titles until the first refresh";

    click(form, "BitBtn3");
    EXPECT_EQ(page->qryAtendimento->recordCount(), 1);
    EXPECT_EQ(status(form), "Total registro do dia :1 Total de registro na semana: 3") << "the week counts any owner";
    EXPECT_EQ(gridCell(form, 0, 1), "Segunda 05/03/2012");
    EXPECT_EQ(ui::gridModelOf(page->dbgPrincipal)->index(0, 4).data().toString(), "05/03/2012 08:00:00");
    EXPECT_EQ(gridCell(form, slotRow("08:00"), 1), "1");
    EXPECT_EQ(gridCell(form, slotRow("10:00"), 2), "1");
    page->rdbMes->setChecked(true);
    click(form, "BitBtn3");
    EXPECT_EQ(page->qryAtendimento->recordCount(), 3);
    page->rdbAno->setChecked(true);
    click(form, "BitBtn3");
    EXPECT_EQ(page->qryAtendimento->recordCount(), 4);
    EXPECT_TRUE(prompts.asked.isEmpty()) << prompts.last().toStdString();

    ASSERT_TRUE(choose(form->tbsSemanal->dblUnidadeSemanal, "CENTRAL"));
    EXPECT_EQ(page->dblUnidadeTrabalho->currentText(), "CENTRAL") << "the pages filter alike";
    click(form, "BitBtn3");
    EXPECT_EQ(page->qryAtendimento->recordCount(), 1);
    choose(page->dblUnidadeTrabalho, "");
    ASSERT_TRUE(choose(form->tbsSemanal->dblStatusSemanal, "CANCELADO"));
    click(form, "BitBtn3");
    EXPECT_EQ(page->qryAtendimento->recordCount(), 1);
    EXPECT_EQ(page->qryAtendimento->field("nome_animal").toString(), "MIMI");
    EXPECT_EQ(status(form), "Total registro do ano :1 Total de registro na semana: 1");
    choose(page->dblStatus, "");

    click(form, "BitBtn3");
    QHeaderView* header = page->dbgPrincipal->horizontalHeader();
    for (const auto& [column, width] : {std::pair{0, 110}, {2, 100}, {3, 100}, {6, 50}, {7, 50}, {8, 150}, {9, 150}})
        EXPECT_EQ(header->sectionSize(column), width) << "as the agenda's description sets it: " << column;
    emit header->sectionClicked(4);  // "Data e hora"
    emit header->sectionClicked(1);  // "Cód. agendamento"
    EXPECT_EQ(page->qryAtendimento->text().count("order by"), 1) << "a second title replaces the first order";
    EXPECT_EQ(ui::gridModelOf(page->dbgPrincipal)->sortColumn(), 1);
    page->qryAtendimento->last();
    EXPECT_EQ(db::toDateTime(page->qryAtendimento->field("Data_Hora_Atendimento")), at(10, 7, 2012));

    ASSERT_TRUE(choose(page->dblUnidadeTrabalho, "NORTE"));
    click(form, "BitBtn4");
    EXPECT_EQ(page->qryAtendimento->recordCount(), 0);
    EXPECT_EQ(page->dblUnidadeTrabalho->currentText(), "");
    emit header->sectionClicked(2);
    EXPECT_TRUE(prompts.asked.isEmpty()) << "a title click on the cleared list does nothing";
    click(form, "BitBtn3");
    EXPECT_EQ(page->qryAtendimento->recordCount(), 4) << "back unfiltered";
    ASSERT_TRUE(choose(page->dblStatus, "CANCELADO"));
    click(form, "bmpLimpar_AgendaSemanal");
    EXPECT_EQ(form->tbsSemanal->dblStatusSemanal->currentText(), "");
    EXPECT_EQ(page->qryAtendimento->recordCount(), 4) << "the weekly Limpar refreshes unfiltered";
}

TEST_F(AgendaTest, SaturdayWeekCountsAndTheMissingOrDoubleWeek) {
    for (const QDateTime& t :
         {at(4, 3, 2012, 10), at(6, 3, 2012, 14, 45), at(6, 3, 2012, 14, 45), at(6, 3, 2012, 14, 45),
          at(6, 3, 2012, 16, 10), at(6, 3, 2012, 16, 29), at(6, 3, 2012, 16, 30), at(6, 3, 2012, 19, 29),
          at(6, 3, 2012, 19, 30), at(7, 3, 2012, 6, 45), at(10, 3, 2012, 7)})
        addAttendance(kAna, kRex, t);
    TfrmAgenda* form = agendaOn(QDate(2012, 3, 10));
    form->enterWeekPage(QDate(2012, 3, 10));
    EXPECT_EQ(form->week().number, 10) << "the week on entering the page";
    EXPECT_EQ(form->week().first, QDate(2012, 3, 4));
    click(form, "bmpAtualizar");
    EXPECT_EQ(status(form), "Total registro do dia :1 Total de registro na semana: 11");
    EXPECT_EQ(gridCell(form, slotRow("14:00"), 2), "3") << "three booked at one moment";
    EXPECT_EQ(gridCell(form, slotRow("15:30"), 2), "2");
    EXPECT_EQ(gridCell(form, slotRow("16:30"), 2), "1");
    EXPECT_EQ(gridCell(form, slotRow("07:00"), 6), "1");
    EXPECT_EQ(gridCell(form, slotRow("07:00"), 3), "") << "06:45 fills no cell";
    EXPECT_EQ(gridCell(form, 0, 7), "Domingo 11/03/2012");
    EXPECT_TRUE(prompts.asked.isEmpty());

    form->setDay(QDate(2030, 6, 5));
    click(form, "BitBtn3");
    EXPECT_EQ(prompts.texts(), QStringList({kSemanaNaoCadastrada}));
    EXPECT_EQ(status(form), kErroPreencherAgenda);
    EXPECT_EQ(form->tbsPrincipal->qryAtendimento->recordCount(), 1) << "the list keeps its rows";
    EXPECT_EQ(gridCell(form, slotRow("15:30"), 2), "2") << "and the grid its counts";

    prompts.clear();
    form->setDay(QDate(2012, 3, 11));
    click(form, "BitBtn3");
    EXPECT_EQ(prompts.texts(), QStringList({kNenhumRegistro}));
    prompts.clear();
    exec("insert into semana_epidemiologica (nrideano, nridesep, dtinisep, dtfimsep) values (2099, 1, :i, :f)",
         {{"i", at(9, 3, 2012, 0)}, {"f", at(15, 3, 2012, 0)}});
    form->setDay(QDate(2012, 3, 10));
    form->StatusBar1->clearMessage();
    emit form->tbsPrincipal->mcdPrincipal->clicked(QDate(2012, 3, 10));
    EXPECT_EQ(prompts.texts(), QStringList({kSemanaNaoCadastrada})) << "two weeks hold that day";
    EXPECT_EQ(status(form), kErroPreencherAgenda);
}

// A busy day: the status bar counts every attendance by a statement of its own while the list reads what it
// shows.
TEST_F(AgendaTest, ABusyDayIsCountedWhileTheListReadsAScreen) {
    constexpr int kBusy = 400;
    db::Transaction t;
    for (int i = 0; i < kBusy; ++i)
        addAttendance(kAna, kRex, at(5, 3, 2012, 7 + i % 10));
    t.commit();
    TfrmAgenda* form = agendaOn(QDate(2012, 3, 5));
    click(form, "BitBtn3");
    EXPECT_EQ(status(form), QString("Total registro do dia :%1 Total de registro na semana: %1").arg(kBusy));
    if (!testingPostgres()) {
        EXPECT_LT(form->tbsPrincipal->qryAtendimento->fetchedCount(), kBusy);
    }
    EXPECT_EQ(gridCell(form, slotRow("07:00"), 1), QString::number(kBusy / 10));
}

TEST_F(AgendaTest, OpenersOfTheBookingFormAndOnlyTheNewBookingButtonResetsTheHandOff) {
    const int first = addAttendance(kAna, kRex, at(5, 3, 2012));
    addAttendance(kAna, kMimi, at(6, 3, 2012));
    QMainWindow main;
    auto* area = new QMdiArea(&main);
    main.setCentralWidget(area);
    auto* units = new QAction("001 - &Unidade de trabalho...", &main);
    units->setObjectName("actUnidade");
    units->setEnabled(false);
    main.addAction(units);
    setWorkspace(area);
    TfrmAgenda* form = agendaOn(QDate(2012, 3, 5));
    EXPECT_TRUE(form->ppmPrincipal->actions().contains(units)) << "the menu's own action, caption and state";
    ModoAgendamento = 1;
    ProprietarioAgendamento = "10";
    form->ppmPrincipal->findChild<QAction*>("Novoatendimento1")->trigger();
    EXPECT_EQ(ModoAgendamento, 1);
    ASSERT_TRUE(frmAgendaNovoAtendimento);
    EXPECT_EQ(frmAgendaNovoAtendimento->qryPrincipal->recordCount(), 2) << "an empty list: every attendance";
    EXPECT_EQ(frmAgendaNovoAtendimento->dtpData->date(), QDate(2012, 3, 5));

    click(form, "BitBtn3");
    emit form->tbsPrincipal->dbgPrincipal->doubleClicked({});
    EXPECT_EQ(ModoAgendamento, 1);
    click(form, "BitBtn1");
    EXPECT_EQ(ModoAgendamento, 0);
    EXPECT_TRUE(ProprietarioAgendamento.isEmpty());
    EXPECT_EQ(frmAgendaNovoAtendimento->qryPrincipal->recordCount(), 1);
    EXPECT_EQ(db::toInt(frmAgendaNovoAtendimento->qryPrincipal->field("Id_Atendimento")), first);
}

TEST_F(AgendaTest, StoredStatusesCountInAnyCaseAndWithBlanks) {
    exec("update proprietario set Status_Registro = ' ativo ' where Id_Proprietario = 11");
    exec("update unidade_trabalho set Ind_Status = 'Ativo' where Id_Unidade_Trabalho = 2");
    exec("insert into atendimento_status (Id_Atendimento_Status, Nome, Ind_Status) values (3, 'ANTIGO', 'inativo ')");
    addAttendance(kBruno, kToto, at(5, 3, 2012));
    workspace()->show();
    TfrmAgenda* form = agendaOn(QDate(2012, 3, 5));
    input::clickButton(form->findChild<QPushButton*>("BitBtn3"));
    EXPECT_EQ(form->tbsPrincipal->qryAtendimento->recordCount(), 1) << "Bruno is an active owner";
    EXPECT_EQ(form->tbsPrincipal->dblStatus->findText("ANTIGO"), -1) << "an inactive status is not offered";

    auto* daily = new TfrmSelRelDataUnidade(50);
    showForm(daily, ShowAs::MdiChild);
    EXPECT_GE(daily->cbbUnidade->findText("2 - NORTE"), 0) << "an active unit";
    delete daily;

    input::clickButton(form->findChild<QPushButton*>("BitBtn1"));
    ASSERT_TRUE(frmAgendaNovoAtendimento);
    EXPECT_GE(frmAgendaNovoAtendimento->dblNomeProp->findText("BRUNO"), 0) << "the booking offers Bruno";
}

TEST_F(AgendaTest, StatisticsPerUnitWithStatusCountsAndDetails) {
    addAttendance(kAna, kRex, at(5, 3, 2012, 8));
    addAttendance(kAna, kMimi, at(5, 3, 2012, 9), 2);
    addAttendance(kCarlos, kBidu, at(5, 3, 2012, 10), 1, 1);
    TfrmAgenda* form = agendaOn(QDate(2012, 3, 5));
    click(form, "bmpInformacao");
    EXPECT_EQ(prompts.texts(), QStringList({kNenhumRegistroEstatistica}));
    click(form, "BitBtn3");
    click(form, "bmpInformacao");
    ASSERT_TRUE(frmInformacaoAgenda);
    EXPECT_EQ(
        frmInformacaoAgenda->memPrincipal->toPlainText().toStdString(),
        QStringList({"", "Dados dos dia 05/03/2012", " ", " ", "___________________  CENTRAL  ___________________",
                     "Detalhes:", "05/03/2012 10:00:00 AGENDADO , CANINA, ,  : 1", " ", " ",
                     "___________________  NORTE  ___________________", "AGENDADO  : 1", "CANCELADO : 1", "Detalhes:",
                     "05/03/2012 08:00:00 AGENDADO , CANINA, ,  : 1", "05/03/2012 09:00:00 CANCELADO, CANINA, ,  : 1"})
            .join('\n')
            .toStdString())
        << "the inactive owner counts in the details only";
}

TEST_F(AgendaTest, SelectionDialogsHandOverTheirEntriesAndRefuseBlanks) {
    auto* daily = new TfrmSelRelDataUnidade(50);
    showForm(daily, ShowAs::MdiChild);
    QPointer<TfrmSelRelDataUnidade> alive = daily;
    EXPECT_EQ(daily->cbbUnidade->itemText(0), kTodos);
    EXPECT_EQ(daily->cbbUnidade->findText("1 - CENTRAL"), 1) << "active units only";
    EXPECT_EQ(daily->cbbUnidade->count(), 2);
    for (const char* text : {"", "abc - X"}) {
        daily->cbbUnidade->setCurrentText(text);
        daily->BitBtn2->click();
    }
    EXPECT_EQ(prompts.texts(), QStringList({kFaltaSelecionarUnidade, kFaltaSelecionarUnidade}));
    EXPECT_TRUE(prompts.previews.isEmpty());
    daily->cbbUnidade->setCurrentText("Todos");
    input::activate(daily);
    input::clickAndType(daily->dtpDataInicial, "05032012");
    daily->BitBtn2->click();
    EXPECT_EQ(UnidadeRel, -1);
    EXPECT_EQ(DataInicialRel, at(5, 3, 2012, 0));
    ASSERT_EQ(prompts.previews.size(), 1);
    EXPECT_TRUE(prompts.previews[0].modal);
    EXPECT_FALSE(prompts.previews[0].report->textExports()) << "the daily agenda saves no text";
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive) << "the dialog closes itself";

    prompts.clear();
    auto* monthly = new TfrmSelRelAgendaMensal(51);
    EXPECT_EQ(monthly->cbbAno->itemText(0), "2005");
    EXPECT_EQ(monthly->cbbAno->itemText(monthly->cbbAno->count() - 1),
              QString::number(db::serverTime().date().year() + 1));
    monthly->BitBtn2->click();
    EXPECT_EQ(prompts.texts(), QStringList({kRelatorioNaoConstruido}));
    auto* other = new TfrmSelRelAgendaMensal(7);
    other->cbbAno->setCurrentText("2012");
    other->cbbMes->setCurrentText("03 - Março");
    other->cbbUnidade->setCurrentText(kTodos);
    other->BitBtn2->click();
    EXPECT_EQ(UnidadeRelMensal, "0");
    EXPECT_EQ(MesRel, "03");
    EXPECT_TRUE(prompts.previews.isEmpty()) << "no report for another Tag";

    auto* professional = new TfrmSelAgendaProfissional;
    EXPECT_EQ(professional->cbbProfissional->currentText(), kTodos);
    professional->BitBtn2->click();
    EXPECT_EQ(ProfissionalRel, "0");
    EXPECT_EQ(DataFinalProf, at(31, 12, 2010, 0));
    ASSERT_EQ(prompts.previews.size(), 1);
    EXPECT_FALSE(prompts.previews[0].modal);
}

TEST_F(AgendaTest, DailyReportTakesWholeDaysPerUnitWithPhonesAndTheBookingUser) {
    const int maria = db::toInt(db::run(db::kMain,
                                        R"(
                                            insert into usuario (Nome, Login)
                                            values ('MARIA CONCEICAO DOS SANTOS', 'maria')
                                            returning Id_Usuario
                                        )",
                                        {})
                                    .row(0)[0]);
    exec("update proprietario set Telefone_Celular = '(31) 9876-5432' where Id_Proprietario = 10");
    exec(
        R"(
            update proprietario
            set Telefone_Residencial = '(31) 3333-4444', Telefone_Celular = '(31) 9876-5432'
            where Id_Proprietario = 12
        )");
    const int late = addAttendance(kAna, kRex, at(5, 3, 2012, 23, 59));
    addAttendance(kAna, kRex, at(6, 3, 2012, 0, 0));
    addAttendance(kCarlos, kBidu, at(5, 3, 2012, 10), 1, 1);
    exec("update atendimento set Inserido_Por = :u where Id_Atendimento = :a", {{"u", maria}, {"a", late}});
    exec("update atendimento set Inserido_Por = 999 where Id_Atendimento <> :a", {{"a", late}});
    DataInicialRel = DataFinalRel = at(5, 3, 2012, 15);
    UnidadeRel = 0;
    auto report = std::make_shared<TfrmRelAgendaDiaria>();
    DataFinalRel = at(6, 3, 2012, 0);
    const QString text = printedText(*report);
    EXPECT_EQ(text.count("Total unidade:"), 2);
    EXPECT_EQ(text.count("Total dia:"), 2);
    EXPECT_TRUE(text.contains("05/03/2012 23:59")) << text.toStdString();
    EXPECT_FALSE(text.contains("06/03/2012 00:00")) << "the next day is out, whatever the parameters say later";
    EXPECT_TRUE(text.contains("05/03/2012 a 05/03/2012"));
    EXPECT_TRUE(text.contains("; 9876-5432...")) << "ANA has no home phone";
    EXPECT_TRUE(text.contains(" 3333-4444..."));
    EXPECT_TRUE(printedItems(*report).contains("MARIA CONCEICAO DOS SANTOS")) << "the booker's name whole";
    EXPECT_TRUE(text.contains("----")) << "a booking user no longer there";
    EXPECT_TRUE(text.contains("INATIVO")) << "owners of any state";

    UnidadeRel = 1;
    EXPECT_EQ(printedText(TfrmRelAgendaDiaria()).count("Total unidade:"), 1);
}

TEST_F(AgendaTest, MonthlyAnnualAndProfessionalReports) {
    exec("insert into profissional (Id_Profissional, Nome) values (1, 'DRA. LIA'), (2, 'DR. JOSE')");
    exec(
        R"(
            insert into tipo_procedimento (Id_Tipo_Procedimento, Nome)
            values (1, 'CONSULTA'), (2, 'VACINA'), (3, 'EXAME')
        )");
    const int a = addAttendance(kAna, kRex, at(5, 3, 2012, 23, 30));
    const int b = addAttendance(kAna, kMimi, at(7, 3, 2012), 2, 1);
    addAttendance(kAna, kRex, at(6, 4, 2012));
    exec("insert into atendimento_profissional (Id_Profissional, Id_Atendimento) values (1, :a), (2, :a), (2, :b)",
         {{"a", a}, {"b", b}});
    exec("insert into procedimento (Id_Tipo_Procedimento, Id_Atendimento) values (1, :a), (2, :a), (3, :a)",
         {{"a", a}});

    AnoRel = "2012";
    MesRel = "03";
    UnidadeRelMensal = "0";
    auto monthly = TfrmRelAgendaRelatorioMensal::create();
    ASSERT_TRUE(monthly);
    const QStringList lines = printedLines(*monthly);
    EXPECT_EQ(lines.filter(QRegularExpression("^\\d - (CONSULTA|VACINA|EXAME) 1$")).size(), 6)
        << printedText(*monthly).toStdString();
    EXPECT_TRUE(lines.contains("total unidade: 6"));
    EXPECT_TRUE(lines.contains("Total o profissional: 3"));
    EXPECT_TRUE(lines.contains("Total geral: 6")) << "an attendance without procedure is left out";
    EXPECT_TRUE(printedText(*monthly).contains("Mês/Ano agenda : 03/2012"));
    for (const char* year : {"", "20x2"}) {
        AnoRel = year;
        EXPECT_FALSE(TfrmRelAgendaRelatorioMensal::create());
    }
    EXPECT_EQ(prompts.texts(), QStringList({kRelatorioNaoConstruido, kRelatorioNaoConstruido}));

    const QStringList annual = printedLines(TfrmRelAgendaMensal());
    EXPECT_EQ(annual.count("Total do status 1"), 1) << "CENTRAL's CANCELADO";
    EXPECT_EQ(annual.count("Total do status 2"), 1) << "NORTE's AGENDADO";
    EXPECT_TRUE(annual.contains("Total Unidade: 2"));

    DataInicialProf = DataFinalProf = at(5, 3, 2012, 0);
    ProfissionalRel = "0";
    const QString professionals = printedText(TfrmRelAgendaProfissional());
    EXPECT_EQ(professionals.count("05/03/2012 23:30:00"), 2) << "both professionals, the whole day";
    EXPECT_TRUE(professionals.contains("De05/03/2012 à 05/03/2012"));
    ProfissionalRel = "2";
    DataFinalProf = at(7, 3, 2012, 0);
    EXPECT_EQ(printedLines(TfrmRelAgendaProfissional()).filter("Total:").join("|"), "Total: 2");
}

TEST_F(AgendaTest, LocatorFindsByDocumentsMicrochipAndNamePrefixesAndShowsTheChoice) {
    exec("update proprietario set Num_CPF_CNPJ = '12345678901', Num_CI = '4455' where Id_Proprietario = 10");
    exec(
        R"(
            insert into proprietario (Id_Proprietario, Nome, Status_Registro, Num_CPF_CNPJ)
            values (13, 'MÁRCIO', 'ATIVO', '12ABC34501DE35'), (14, 'D''ÁVILA', 'ATIVO', null)
        )");
    exec(
        R"(
            insert into animal (Id_Animal, Id_Proprietario, Nome, Num_Microchip)
            values (130, 13, 'LUA', '982000123'), (140, 14, 'SOL', '982 000 777')
        )");
    const int rex = addAttendance(kAna, kRex, at(5, 3, 2012));
    const int lua = addAttendance(13, 130, at(5, 3, 2012));
    const int sol = addAttendance(14, 140, at(5, 3, 2012));
    addAttendance(kCarlos, kBidu, at(5, 3, 2012));
    TfrmAgenda* agenda = agendaOn(QDate(2012, 3, 5));
    TfrmAgendaLocalizarProp* locator = TfrmAgendaLocalizarProp::open(agenda);
    const auto find = [&](const char* choice, const QString& text) {
        locator->cbbSelecao->setCurrentText(choice);
        locator->edtTexto->setText(text);
        locator->btnPesquisar->click();
        QList<int> ids;
        for (int r = 0; r < locator->qryPrincipal->recordCount(); ++r)
            ids << db::toInt(locator->qryPrincipal->cell(r, "id_atendimento"));
        return ids;
    };
    EXPECT_EQ(find("CPF/CNPJ", "123.456.789-01"), QList<int>{rex});
    EXPECT_EQ(find("CPF/CNPJ", "12.abc.345/01de-35"), QList<int>{lua}) << "an alphanumeric CNPJ, typed as printed";
    EXPECT_EQ(find("CPF/CNPJ", "CPF 123.456.789-01 (Ana)"), QList<int>{rex}) << "the digits, whatever is around them";
    EXPECT_EQ(find("CPF/CNPJ", "cnpj: 12.ABC.345/01DE-35"), QList<int>{lua});
    EXPECT_EQ(find("Identidade", "44.55"), QList<int>{rex});
    EXPECT_EQ(find("Microchip", "982 000 1"), QList<int>{lua});
    EXPECT_EQ(find("Microchip", "982000777"), QList<int>{sol});
    EXPECT_EQ(find("Nome Propriet.", "mar"), QList<int>{lua});
    EXPECT_EQ(find("Nome Propriet.", "d'av"), QList<int>{sol});
    EXPECT_EQ(find("Nome animal", "bid"), QList<int>{}) << "an inactive owner's";
    EXPECT_EQ(prompts.last(), kNenhumAtendimento + "Nome animal = bid");
    EXPECT_EQ(find("Cód. Animal", "140"), QList<int>{sol});
    prompts.clear();
    find("Código atendimento", "abc");
    find("CPF/CNPJ", "./-");
    find("", "1");
    EXPECT_EQ(prompts.texts(), QStringList({kErroConsulta, kFaltaCampoPesquisa, kFaltaCampoPesquisa}));

    find("Cód. Proprietário", "14");
    locator->btnOK->click();
    EXPECT_EQ(agenda->tbsPrincipal->qryAtendimento->recordCount(), 1);
    EXPECT_EQ(db::toInt(agenda->tbsPrincipal->qryAtendimento->field("Id_Atendimento")), sol);

    TfrmAgendaLocalizarProp* orphan = TfrmAgendaLocalizarProp::open(agenda);
    QPointer<TfrmAgendaLocalizarProp> alive = orphan;
    delete agenda;
    orphan->cbbSelecao->setCurrentText("Cód. Proprietário");
    orphan->edtTexto->setText("10");
    orphan->btnPesquisar->click();
    orphan->btnOK->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive) << "it just closes";
}

}  // namespace

// The weekly grid takes the width it is given: its day columns share what is left after the widths they are
// given, and no dated title is cut.
TEST_F(AgendaTest, TheWeeklyGridUsesItsWidthAndCutsNoTitle) {
    TfrmAgenda* form = agendaOn(QDate(2012, 12, 31));
    QWidget* window = form->window();
    window->resize(1300, 760);
    window->show();
    QTableWidget* grid = form->tbsSemanal->stgAgenda;
    input::turnToPage(grid);
    input::clickButton(form->tbsSemanal->bmpAtualizar);
    ASSERT_EQ(gridCell(form, 0, 1), "Segunda 31/12/2012");
    const auto check = [grid](const char* when) {
        SCOPED_TRACE(when);
        int total = 0;
        for (int c = 0; c < grid->columnCount(); ++c) {
            total += grid->columnWidth(c);
            EXPECT_GE(grid->columnWidth(c), grid->sizeHintForIndex(grid->model()->index(0, c)).width())
                << grid->item(0, c)->text().toStdString();
        }
        EXPECT_GE(total, grid->viewport()->width() - 1);
        EXPECT_LE(total, std::max(grid->viewport()->width(), 808));
    };
    check("wide");
    window->resize(900, 760);
    QCoreApplication::processEvents();
    check("narrower");
}
