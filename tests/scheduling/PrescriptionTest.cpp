// SPDX-License-Identifier: GPL-3.0-or-later
// Prescriptions of an attendance (the booking form's page and its sheet) and the standard text's editor.

#include "SchedulingFixture.h"

#include "ReportText.h"
#include "scheduling/prescriptions/ReceituarioPage.h"
#include "scheduling/prescriptions/ReceituarioSql.h"
#include "scheduling/prescriptions/UReceituarioPadrao.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace common;
using namespace scheduling;

namespace {

void click(QWidget* form, const char* name) {
    auto* b = form->findChild<QPushButton*>(name);
    ASSERT_NE(b, nullptr) << name;
    b->click();
}

TEST_F(SchedulingTest, PrescriptionsAreWrittenFromTextsKeyedAndDeleted) {
    exec("insert into receituario_texto_peso (Id_Receituario_texto_Peso, Peso, Texto) values (1, 10, 'DOSE 10KG. ')");
    exec("insert into receituario_padrao (Id_Receituario_padrao, descricao) values (1, 'PADRAO ')");
    {
        db::Transaction transaction;
        EXPECT_EQ(receituariosql::nextKey(), 1);
    }

    // A booking not yet saved has no prescriptions.
    auto* unsaved = newBooking();
    trigger(unsaved->tbsReceituario, "DataSetInsert1");
    EXPECT_EQ(prompts.last(), kReceituarioNaoCriado);
    unsaved->qryPrincipal->cancel();

    const int key = addAttendance(kAna, kRex, QDateTime(day, QTime(9, 0)));
    exec(
        R"(
            insert into receituario (Id_Receituario, Id_Atendimento, Descricao)
            values (1, 0, 'a'), (2, 0, 'b'), (5, 0, 'c')
        )");
    auto* form = TfrmAgendaNovoAtendimento::openFromAgenda(day, key);
    ReceituarioPage* page = form->tbsReceituario;
    auto* memo = page->findChild<QPlainTextEdit*>("dbmReceituario");
    trigger(page, "DataSetDelete1");
    EXPECT_EQ(prompts.last(), kNaoHaRegistro);

    click(page, "btnInserirTextoPadrao");
    EXPECT_EQ(prompts.last(), kClickNovoOuAlterar);
    trigger(page, "DataSetInsert1");
    memo->setPlainText("X");
    click(page, "btnInserirTextoPeso");
    EXPECT_EQ(prompts.last(), kFaltaPeso);
    EXPECT_EQ(memo->toPlainText(), "X");
    click(page, "btnInserirTextoPadrao");
    EXPECT_EQ(memo->toPlainText(), "PADRAO X");
    page->loadWeights();
    auto* weight = page->findChild<QComboBox*>("dblTexto_Peso");
    ASSERT_TRUE(choose(weight, "10"));
    click(page, "btnInserirTextoPeso");
    EXPECT_EQ(memo->toPlainText(), "DOSE 10KG. PADRAO X");
    trigger(page, "DataSetPost1");
    EXPECT_EQ(prompts.last(), kOperacaoRealizada);
    EXPECT_EQ(db::toText(scalar("select Descricao from receituario where Id_Receituario = 6 and Id_Atendimento = :k",
                                {{"k", key}})),
              "DOSE 10KG. PADRAO X");
    EXPECT_EQ(page->findChild<QLabel*>("lblTotalReceituario")->text(), "Total de receituário: 1");
    trigger(page, "DataSetEdit1");
    memo->setPlainText("Y" + memo->toPlainText());
    trigger(page, "DataSetPost1");
    EXPECT_EQ(db::toInt(scalar("select Modificado_Por from receituario where Id_Receituario = 6")), 1);

    // The sheet keeps what it was made with, though another booking form opens and this one closes.
    auto* other =
        TfrmAgendaNovoAtendimento::openFromAgenda(day, addAttendance(kBruno, kToto, QDateTime(day, QTime(10, 0))));
    form->btnReceituario->click();
    trigger(other->tbsReceituario, "actImprimeReceituario");
    ASSERT_EQ(prompts.previews.size(), 2);
    EXPECT_FALSE(prompts.previews[0].modal);
    const auto sheet = prompts.previews[0].report;
    delete form->parentWidget();
    const QStringList lines = printedLines(*sheet);
    for (const QString& l : {QString("Proprietário : 10 - ANA"),
                             QString("Atendimento nº: %1 Data/Hora atend.:10/03/2026 09:00:00").arg(key),
                             QString("YDOSE 10KG. PADRAO X"), QString("Animal: 100 - REX"), QString("NORTE")})
        EXPECT_TRUE(lines.contains(l)) << l.toStdString() << "\n" << printedText(*sheet).toStdString();
    EXPECT_TRUE(printedLines(*prompts.previews[1].report).contains("Proprietário : 11 - BRUNO"));

    // Deleting the prescription: No keeps it, Yes removes it.
    form = TfrmAgendaNovoAtendimento::openFromAgenda(day, key);
    prompts.confirmations = {false, true};
    trigger(form->tbsReceituario, "DataSetDelete1");
    EXPECT_EQ(count("receituario"), 4);
    trigger(form->tbsReceituario, "DataSetDelete1");
    EXPECT_EQ(prompts.asked[prompts.asked.size() - 2].text, kConfirmaExclusaoReceituario);
    EXPECT_EQ(prompts.last(), kOperacaoRealizada);
    EXPECT_EQ(count("receituario"), 3);
    EXPECT_EQ(form->tbsReceituario->prescriptions()->recordCount(), 0);
}

TEST_F(SchedulingTest, StandardTextIsWrittenAsTypedToRowOne) {
    exec("insert into receituario_padrao (Id_Receituario_padrao, descricao) values (1, 'ANTIGO')");
    auto* form = TfrmReceituarioPadrao::open();
    auto* memo = form->findChild<QPlainTextEdit*>("DBMemo1");
    click(form, "bmpGravar");
    EXPECT_EQ(prompts.last(), kClikAlterar);

    click(form, "bmpAlterar");
    memo->setPlainText("D'ÁGUA 5 ML");
    click(form, "bmpGravar");
    EXPECT_EQ(prompts.last(), kOperacaoRealizada);
    EXPECT_EQ(db::toText(scalar("select descricao from receituario_padrao where Id_Receituario_padrao = 1")),
              "D'ÁGUA 5 ML");
    EXPECT_EQ(db::toInt(scalar("select Modificado_Por from receituario_padrao")), 1);

    click(form, "bmpImprimir");
    ASSERT_EQ(prompts.previews.size(), 1);
    EXPECT_TRUE(prompts.previews[0].modal);
    EXPECT_TRUE(printedText(*prompts.previews[0].report).contains("D'ÁGUA 5 ML"));
    EXPECT_TRUE(printedText(*prompts.previews[0].report).contains("Texto do receituário"));

    // Without row 1 the first save creates it.
    exec("delete from receituario_padrao");
    click(form, "bmpAlterar");
    memo->setPlainText("NOVO");
    click(form, "bmpGravar");
    EXPECT_EQ(db::toText(scalar("select descricao from receituario_padrao where Id_Receituario_padrao = 1")), "NOVO");
    EXPECT_EQ(db::toInt(scalar("select Inserido_Por from receituario_padrao")), 1);

    // A failed save says so and leaves no transaction open.
    click(form, "bmpAlterar");
    memo->setPlainText("PERDIDO");
    exec("drop table receituario_padrao");
    click(form, "bmpGravar");
    EXPECT_EQ(prompts.last(), kErroGravarRegistro);
    EXPECT_FALSE(db::inTransaction());
    form->close();

    exec(
        "create table receituario_padrao (Id_Receituario_padrao integer primary key, descricao text, "
        "Inserido_Por integer, Inserido_Em timestamp, Modificado_Por integer, Modificado_Em timestamp)");
    exec("delete from perfil_form where Id_Perfil = 1000 and Id_Form = 20");
    exec(
        R"(
            insert into perfil_form (Id_Perfil, Id_Form, Visualizar, Incluir, Alterar, Excluir, Imprimir)
            values (1000, 20, 'S', 'S', 'N', 'S', 'N')
        )");
    form = TfrmReceituarioPadrao::open();
    for (const char* name : {"bmpAlterar", "bmpGravar", "bmpImprimir"})
        EXPECT_TRUE(form->findChild<QPushButton*>(name)->isHidden()) << name;
    EXPECT_FALSE(form->findChild<QPushButton*>("bmpSair")->isHidden());
}

}  // namespace
