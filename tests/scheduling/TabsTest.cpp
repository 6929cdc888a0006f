// SPDX-License-Identifier: GPL-3.0-or-later
// The booking form's pages: professionals, procedures and used medicines of an attendance, and the day
// summary of the performing unit.

#include "SchedulingFixture.h"

#include "scheduling/booking/AtendimentoPages.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

using namespace scheduling;

namespace {

void click(QWidget* page, const QString& name) {
    auto* b = page->findChild<QPushButton*>(name);
    ASSERT_NE(b, nullptr) << name.toStdString();
    b->click();
}

TEST_F(SchedulingTest, MembersAreAddedOnceAndRemovedAtOnce) {
    exec(
        R"(
            insert into profissional (Id_Profissional, Nome, Inativo)
            values (1, 'DRA ALICE', null), (2, 'DR BENTO', 'SIM '), (3, 'DR CAIO', 'NAO')
        )");
    exec("insert into tipo_procedimento (Id_Tipo_Procedimento, Nome) values (1, 'CASTRACAO'), (2, 'CONSULTA')");
    exec("insert into unidade_medida (Id_Unidade_Medida, Nome) values (1, 'ml')");
    exec(
        R"(
            insert into medicamento (Id_Medicamento, Id_Unidade_Medida, Nome)
            values (1, 1, 'ANESTESICO'), (2, 1, 'SORO')
        )");
    const int key = addAttendance(kAna, kRex, QDateTime(day, QTime(9, 0)));
    auto* form = TfrmAgendaNovoAtendimento::openFromAgenda(day, key);

    // Professionals: entering the page lists the active ones.
    MemberPage* pros = form->tbsProfissionais;
    form->pgcPrincipal->setCurrentWidget(pros);
    EXPECT_EQ(pros->list()->count(), 2) << "'SIM ' is inactive; null and NAO are not";
    click(pros, "btnIncluirProfissional");
    EXPECT_EQ(prompts.last(), "Falta selecionar o profissional.");
    choose(pros->list(), "DR CAIO");
    click(pros, "btnIncluirProfissional");
    click(pros, "btnIncluirProfissional");
    EXPECT_EQ(prompts.last(), "Este profissional já foi incluído.");
    EXPECT_EQ(count("atendimento_profissional"), 1);
    EXPECT_EQ(pros->members()->str("ProfissionalNome"), "DR CAIO");
    prompts.confirmations = {true};
    click(pros, "btnExcluirProfissional");
    EXPECT_EQ(count("atendimento_profissional"), 0);
    EXPECT_EQ(pros->members()->recordCount(), 0);

    // Procedures.
    MemberPage* procs = form->tbsProcedimentos;
    choose(procs->list(), "CASTRACAO");
    click(procs, "btnIncluirProcedimento");
    click(procs, "btnIncluirProcedimento");
    EXPECT_EQ(prompts.last(), "Este procedimento já foi incluído neste atendimento.");
    EXPECT_EQ(count("procedimento"), 1);

    // Medicines: the quantity with the decimal comma, the key made here.
    MedicinePage* meds = form->tbsMedicamentoGasto;
    click(meds, "btnIncluirMedicamento");
    EXPECT_EQ(prompts.last(), "Falta selecionar o medicamento.");
    choose(meds->list(), "SORO");
    EXPECT_EQ(meds->DBText1->text(), "ml");
    for (const char* bad : {"1.5", "abc"}) {
        meds->mkeQuandidade->setText(bad);
        click(meds, "btnIncluirMedicamento");
        EXPECT_EQ(prompts.last(), "Quantidade invalida!") << bad;
    }
    meds->mkeQuandidade->setText("abc");
    emit meds->mkeQuandidade->editingFinished();
    EXPECT_EQ(prompts.last(), "Valor invalido!");
    meds->mkeQuandidade->setText("1,5");
    click(meds, "btnIncluirMedicamento");
    EXPECT_EQ(db::toInt(scalar("select Id_Medicamento_Gasto from medicamento_gasto")), 1) << "the first key is 1";
    EXPECT_DOUBLE_EQ(db::toNumber(scalar("select Quantidade from medicamento_gasto")), 1.5);
    click(meds, "btnIncluirMedicamento");
    EXPECT_EQ(prompts.last(), "Este procedimento já foi incluído neste atendimento.");
    EXPECT_EQ(count("medicamento_gasto"), 1);

    // A new attendance, not saved yet, takes no members and says nothing.
    prompts.clear();
    trigger(form, "actAppend");
    choose(procs->list(), "CONSULTA");
    click(procs, "btnIncluirProcedimento");
    EXPECT_EQ(count("procedimento"), 1);
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(SchedulingTest, DaySummaryListsTheUnitsDayWithItsProcedures) {
    exec("insert into tipo_procedimento (Id_Tipo_Procedimento, Nome) values (1, 'B'), (2, 'A')");
    const int morning = addAttendance(kAna, kRex, QDateTime(day, QTime(8, 0)), 2);
    addAttendance(kAna, kMimi, QDateTime(day, QTime(23, 59)));
    addAttendance(kAna, kMimi, QDateTime(day.addDays(1), QTime(0, 0)));
    addAttendance(kBruno, kToto, QDateTime(day, QTime(10, 0)));  // another unit below
    exec("update atendimento set Id_Unidade_Agendada = 1 where Id_Animal = :a", {{"a", kToto}});
    exec("insert into procedimento (Id_Tipo_Procedimento, Id_Atendimento) values (2, :k)", {{"k", morning}});
    exec("insert into procedimento (Id_Tipo_Procedimento, Id_Atendimento) values (1, :k)", {{"k", morning}});

    auto* form = TfrmAgendaNovoAtendimento::openFromAgenda(day, {});
    SummaryPage* summary = form->tbsResumo;
    trigger(form, "actAppend");
    summary->refresh();
    EXPECT_EQ(prompts.last(), kErroResumo) << "no unit chosen";

    choose(form->dblUnidadeTrabalho, "NORTE");
    summary->refresh();
    auto* grid = summary->findChild<QTableView*>("dbgResumo");
    ASSERT_EQ(summary->rows()->recordCount(), 2) << "23:59 is the day's, the next midnight is not";
    EXPECT_EQ(grid->model()->index(0, 2).data().toString(), "AGENDADO ") << "by status name first";
    EXPECT_EQ(grid->model()->index(1, 3).data().toString(), "A,B") << "in the order they were recorded";
    EXPECT_EQ(grid->model()->index(0, 0).data().toString(), "10/03/2026 23:59:00") << "the same on both engines";

    prompts.clear();
    summary->sortBy(3);
    EXPECT_EQ(prompts.texts(), QStringList({"Não pode ser ordenado por este campo!"}));
    EXPECT_EQ(prompts.asked[0].kind, Prompts::Kind::Error);
    EXPECT_EQ(summary->rows()->recordCount(), 2);
    summary->sortBy(0);
    EXPECT_EQ(db::toInt(summary->rows()->cell(0, "Id_Atendimento")), morning) << "by date-time now";
}

}  // namespace
