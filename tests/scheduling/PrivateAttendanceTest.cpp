// SPDX-License-Identifier: GPL-3.0-or-later
// Private attendances: the form's inserts with the date typed, and its deletes.

#include "SchedulingFixture.h"

#include "scheduling/booking/AtendimentoRules.h"
#include "scheduling/private/UAtendimentoParticular.h"

#include <QPushButton>

using namespace scheduling;

namespace {

class PrivateAttendance : public SchedulingTest {
protected:
    void click(const char* name) { input::clickButton(form->findChild<QPushButton*>(name)); }
    QComboBox* combo(const char* name) { return form->findChild<QComboBox*>(name); }
    void typeDate(const QString& text) {
        auto* box = form->findChild<ui::DateEdit*>("mkeDt_Atendimento");
        input::click(box);
        input::pressKey(box, Qt::Key_Delete);  // the selected date goes
        input::type(box, text);
    }
    QDate stored(int key) {
        return db::toDateTime(scalar(R"(
            select dt_Atendimento
            from atendimento_particular
            where Id_Atendimento_Particular = :k
        )",
                                     {{"k", key}}))
            .date();
    }

    TfrmAtendimentoParticular* form = nullptr;
};

TEST_F(PrivateAttendance, InsertsCheckTheirChoicesAndDateAndDeletesAsk) {
    exec("update proprietario set Status_Registro = 'INATIVO' where Id_Proprietario = 11");
    exec("insert into tipo_procedimento (Id_Tipo_Procedimento, Nome) values (3, 'VACINA V10')");
    form = TfrmAtendimentoParticular::open();
    EXPECT_TRUE(form->isWindow());
    EXPECT_GE(combo("dblProprietario")->findText("BRUNO"), 0) << "owners of every status are offered";

    click("bmpIncluir");
    EXPECT_EQ(prompts.last(), kFaltaAnimal);
    ASSERT_TRUE(choose(combo("dblProprietario"), "ANA"));
    ASSERT_TRUE(choose(combo("DBLookupComboBox3"), "REX"));
    click("bmpIncluir");
    EXPECT_EQ(prompts.last(), kFaltaProcedimentoParticular);
    ASSERT_TRUE(choose(combo("DBLookupComboBox1"), "VACINA V10"));
    for (const QString& bad : {QString("31/02/24"), QString("15/03/2"), QString()}) {
        typeDate(bad);
        click("bmpIncluir");
        EXPECT_EQ(prompts.last(), kErroGravarCancelada);
    }
    EXPECT_EQ(count("atendimento_particular"), 0);

    // dd/mm/yyyy as the other date boxes, a two-digit year as the latest such year up to this one
    typeDate("15/03/24");
    click("bmpIncluir");
    EXPECT_EQ(prompts.last(), kOperacaoRealizadaMinuscula);
    typeDate("150399");
    click("bmpIncluir");
    typeDate("07122026");
    click("bmpIncluir");
    EXPECT_EQ(stored(1), QDate(2024, 3, 15));
    EXPECT_EQ(stored(2), QDate(1999, 3, 15));
    EXPECT_EQ(stored(3), QDate(2026, 12, 7));
    db::DataSet* rows = form->attendances();
    ASSERT_EQ(rows->recordCount(), 3);
    EXPECT_EQ(rows->cell(0, "Cal_Tipo_Atendimento").toString(), "VACINA V10");

    ASSERT_TRUE(choose(combo("DBLookupComboBox3"), "MIMI"));
    click("bmpExcluir");
    EXPECT_EQ(prompts.last(), kRegistroNaoEncontradoExclusao);
    ASSERT_TRUE(choose(combo("DBLookupComboBox3"), "REX"));
    prompts.confirmations = {false, true};
    click("bmpExcluir");
    EXPECT_EQ(count("atendimento_particular"), 3);
    click("bmpExcluir");
    EXPECT_EQ(prompts.last(), kConfirmaExclusaoParticular);
    EXPECT_EQ(count("atendimento_particular"), 2);
    EXPECT_EQ(rows->recordCount(), 2);
    form->close();

    exec("delete from perfil_form where Id_Perfil = 1000 and Id_Form = 5");
    exec(
        R"(
            insert into perfil_form (Id_Perfil, Id_Form, Visualizar, Incluir, Alterar, Excluir, Imprimir)
            values (1000, 5, 'S', 'N', 'S', 'N', 'S')
        )");
    form = TfrmAtendimentoParticular::open();
    EXPECT_TRUE(form->findChild<QPushButton*>("bmpIncluir")->isHidden());
    EXPECT_TRUE(form->findChild<QPushButton*>("bmpExcluir")->isHidden());
    EXPECT_FALSE(form->findChild<QPushButton*>("bmpAtualiza")->isHidden());
}

}  // namespace
