// SPDX-License-Identifier: GPL-3.0-or-later
// The attendance booking form: its checks, the save of a new and of a changed attendance, the preset
// entry of the owner register and the agenda's entry.

#include "SchedulingFixture.h"
#include "UserInput.h"

#include "common/access/FormOpening.h"
#include "scheduling/SchedulingForms.h"
#include "scheduling/booking/AtendimentoRules.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QDateEdit>
#include <QRadioButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>

using namespace scheduling;

namespace {

TEST_F(SchedulingTest, ChecksRefuseWithTheirMessagesAndWriteNothing) {
    TfrmAgendaNovoAtendimento* form = newBooking(" 9:30");
    EXPECT_EQ(form->pgcPrincipal->count(), 6) << "no grid page";
    EXPECT_EQ(form->dblNomeProp->itemText(1), "BRUNO") << "active owners by name";
    EXPECT_EQ(form->cbbAnimal->count(), 2) << "ANA's animals only";
    EXPECT_EQ(form->dblUnidadeTrabalho->count(), 2) << "units inactive in any case or blanks are not offered";
    trigger(form, "actPost");
    choose(form->dblNomeProp, "BRUNO");  // REX is not BRUNO's
    form->mkeHora->setText("23:59");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.texts(), QStringList({kHoraInvalida, kFaltaAnimal}));
    EXPECT_EQ(count("atendimento"), 0);
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Insert);
}

TEST_F(SchedulingTest, NewBookingStoresItsColumnsAndTheFlagAndListsTheAnimal) {
    addAttendance(kAna, kRex, QDateTime(QDate(2026, 1, 5), QTime(8, 0)));
    addAttendance(kBruno, kToto, QDateTime(QDate(2026, 1, 5), QTime(8, 0)));
    TfrmAgendaNovoAtendimento* form = newBooking("09:30");
    EXPECT_TRUE(form->findChild<QRadioButton*>("rbtAutorCirurgiaSim")->isChecked()) << "a new row starts on Sim";
    form->findChild<QRadioButton*>("rbtAutorCirurgiaNao")->click();
    EXPECT_EQ(form->dbcEsterilizado->currentText(), "NAO") << "REX's flag";
    form->dbcEsterilizado->setCurrentText("SIM");
    const QDateTime before = db::serverTime();
    trigger(form, "actPost");

    EXPECT_EQ(prompts.texts(), QStringList({"Operação realizada com sucesso!"})) << "no relay configured: no e-mail";
    const int key = db::toInt(scalar("select max(Id_Atendimento) from atendimento"));
    EXPECT_EQ(db::toInt(stored(key, "Id_Proprietario")), kAna);
    EXPECT_EQ(db::toInt(stored(key, "Id_Animal")), kRex);
    EXPECT_EQ(db::toInt(stored(key, "Id_Unidade_Trabalho")), 1) << "the booking user's unit";
    EXPECT_EQ(db::toInt(stored(key, "Id_Unidade_Agendada")), 2);
    EXPECT_EQ(db::toDateTime(stored(key, "Data_Hora_Atendimento")), QDateTime(day, QTime(9, 30)));
    EXPECT_EQ(db::toInt(stored(key, "Id_Atendimento_Status")), 1);
    EXPECT_EQ(db::toInt(stored(key, "Inserido_Por")), 1);
    EXPECT_GE(db::toDateTime(stored(key, "Inserido_Em")), before);
    EXPECT_TRUE(stored(key, "Modificado_Por").isNull());
    EXPECT_EQ(db::toText(stored(key, "Ind_Autoriza_Cirurgia")), "NAO") << "what the operator picked";
    EXPECT_EQ(sterilised(kRex), "SIM");

    EXPECT_EQ(form->qryPrincipal->recordCount(), 2) << "REX's attendances";
    EXPECT_EQ(form->dbeId_Atendimento->text(), QString::number(key));

    // A change of the same attendance to midnight.
    prompts.clear();
    trigger(form, "actEdit");
    form->mkeHora->setText("00:00");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.texts(), QStringList({"Operação realizada com sucesso!"}));
    EXPECT_EQ(db::toDateTime(stored(key, "Data_Hora_Atendimento")), QDateTime(day, QTime(0, 0)));
    EXPECT_EQ(db::toInt(stored(key, "Modificado_Por")), 1);
    EXPECT_EQ(db::toInt(stored(key, "Inserido_Por")), 1);
    auto* reopened = TfrmAgendaNovoAtendimento::openFromAgenda(QDate(2000, 1, 1), key);
    EXPECT_EQ(reopened->mkeHora->text(), "00:00");
    EXPECT_EQ(reopened->dtpData->date(), day);
}

TEST_F(SchedulingTest, AnEditWritesTheAnimalsSterilisedFlag) {
    const int key = addAttendance(kAna, kRex, QDateTime(day, QTime(9, 0)));
    workspace()->show();
    auto* form = TfrmAgendaNovoAtendimento::openFromAgenda(day, key);
    ASSERT_EQ(form->dbcEsterilizado->currentText(), "NAO");
    auto tool = [form](const char* name) {
        for (QObject* o : form->findChild<QAction*>(name)->associatedObjects())
            if (auto* b = qobject_cast<QAbstractButton*>(o); b && b->isVisible())
                return input::clickButton(b);
        ADD_FAILURE() << name;
    };
    for (const char* flag : {"SIM", "NAO"}) {
        tool("actEdit");
        input::chooseItem(form->dbcEsterilizado, flag);
        tool("actPost");
        EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!");
        EXPECT_EQ(sterilised(kRex), flag);
        EXPECT_EQ(db::toInt(stored(key, "Modificado_Por")), 1);
    }
}

TEST_F(SchedulingTest, AFailedSaveLeavesTheAnimalsFlagAsItWas) {
    TfrmAgendaNovoAtendimento* form = newBooking();
    form->dbcEsterilizado->setCurrentText("SIM");
    // The insert itself fails: the flag written before it in the same save goes back.
    QSqlQuery ddl(db::connection());
    ASSERT_TRUE(ddl.exec("alter table atendimento rename to atendimento_fora")) << ddl.lastError().text().toStdString();
    trigger(form, "actPost");
    ASSERT_TRUE(ddl.exec("alter table atendimento_fora rename to atendimento"));
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].kind, Prompts::Kind::Error);
    EXPECT_EQ(sterilised(kRex), "NAO");
    EXPECT_EQ(count("atendimento"), 0);
    EXPECT_FALSE(db::inTransaction());
}

TEST_F(SchedulingTest, PresetEntryReadsTheHandOffAndTheAgendaEntryDoesNot) {
    ModoAgendamento = 1;
    ProprietarioAgendamento = " 10 ";
    AnimalAgendamento = "101";
    registerSchedulingForms();
    openerFor("actMarcaAtendimento")();  // how the owner register opens it
    auto* form = frmAgendaNovoAtendimento.data();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Insert);
    EXPECT_EQ(form->dblNomeProp->currentText(), "ANA");
    EXPECT_EQ(form->cbbAnimal->currentText(), "MIMI");
    EXPECT_EQ(form->dblUnidadeTrabalho->currentText(), "NORTE") << "the owner's unit";
    EXPECT_EQ(form->dtpData->date(), db::serverTime().date());
    EXPECT_TRUE(form->mkeHora->text().remove(QLatin1Char(':')).trimmed().isEmpty()) << "the time box starts empty";
    choose(form->dblStatusAtendimento, "AGENDADO ");
    form->mkeHora->setText("10:00");
    trigger(form, "actPost");
    EXPECT_EQ(db::toInt(scalar("select Id_Animal from atendimento")), kMimi);

    // An owner whose unit is inactive gets no unit.
    ProprietarioAgendamento = "11";
    AnimalAgendamento = "110";
    auto* bruno = TfrmAgendaNovoAtendimento::openPreset();
    EXPECT_EQ(bruno->dblNomeProp->currentText(), "BRUNO");
    EXPECT_EQ(bruno->dblUnidadeTrabalho->currentIndex(), -1);
    delete bruno->parentWidget();
    EXPECT_TRUE(ProprietarioAgendamento.isEmpty() && AnimalAgendamento.isEmpty()) << "closing empties the ids";
    EXPECT_EQ(ModoAgendamento, 1);

    ProprietarioAgendamento = "10";
    AnimalAgendamento = "100";
    auto* agenda = TfrmAgendaNovoAtendimento::openFromAgenda(day, {});
    EXPECT_EQ(agenda->qryPrincipal->state(), db::DataSet::State::Browse) << "a pending hand-off is not the agenda's";
    EXPECT_EQ(agenda->qryPrincipal->recordCount(), 1);

    // No delete here, by button or key.
    prompts.clear();
    QAction* del = agenda->findChild<QAction*>("actDelete");
    EXPECT_FALSE(del->isVisible() || del->isEnabled());
    agenda->dblNomeProp->setFocus();
    QTest::keyClick(agenda->dblNomeProp, Qt::Key_Delete, Qt::ControlModifier);
    agenda->remove();
    EXPECT_EQ(count("atendimento"), 1);
    EXPECT_TRUE(prompts.asked.isEmpty());
}

}  // namespace
