// SPDX-License-Identifier: GPL-3.0-or-later
// REL037, REL038 and REL039 over seeded rows, read from what they print and from the charts' data.

#include "RegistryFixture.h"
#include "ReportText.h"
#include "UserInput.h"

#include "platform/ui/DateEdit.h"
#include "registry/reports/UAnimaisCadastradoCompleto.h"
#include "registry/reports/UAnimaisCadastradoConsolidado.h"
#include "registry/reports/UAnimaisMicrochipados.h"
#include "scheduling/SchedulingForms.h"
#include "scheduling/agenda/AgendaDialogs.h"

#include <QComboBox>
#include <QPushButton>

using namespace scheduling;

class RegistryReportsTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        exec(
            R"(
                insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status)
                values (2, 'NORTE', 'ATIVO'), (3, 'SUL', 'ATIVO')
            )");
        exec("insert into especie (Id_Especie, Nome) values (1, 'CANINA'), (2, 'FELINA')");
        exec("insert into grupo_animal (Id_Grupo_Animal, Nome) values (1, 'DOMICILIADO'), (2, 'ADOTADO')");
        exec(
            R"(
                insert into proprietario (Id_Proprietario, Nome, id_Unidade_Trabalho)
                values (1, 'ANA', 2), (2, 'BIA', 3)
            )");
        // Dogs: three domiciled (two chipped, one sterilised " sim "), one adopted; one cat without either.
        exec(
            R"(
                insert into animal (Id_Animal, Id_Proprietario, Id_Especie, Id_Grupo_Animal, Nome,
                    Num_Microchip, Esterilizado, Inserido_Em)
                values (1, 1, 1, 1, 'A1', '111', ' sim ', :in), (2, 1, 1, 1, 'A2', '  ', 'NAO', :in),
                    (3, 2, 1, 1, 'A3', '333', 'NAO', :in), (4, 2, 1, 2, 'A4', null, 'SIM', :late),
                    (5, 1, 2, 1, 'G5', null, null, :in)
            )",
            {{"in", QDateTime(QDate(2026, 3, 31), QTime(23, 30))},
             {"late", QDateTime(QDate(2026, 4, 1), QTime(0, 0))}});
    }
};

TEST_F(RegistryReportsTest, CompleteCountsChippedAndSterilisedPerGroupSpeciesAndReport) {
    openerFor("actRelAnimaisCadastradosCompleto")();
    ASSERT_EQ(prompts.previews.size(), 1);
    const QStringList lines = printedLines(*prompts.previews.last().report);
    const QString text = lines.join('\n');
    EXPECT_TRUE(text.contains("Chipados : 2 - 66,67% Esterilizados : 1 - 33,33%")) << text.toStdString();
    EXPECT_TRUE(text.contains("Chipados : 0 - 0,00% Esterilizados : 1 - 100,00%"));
    EXPECT_TRUE(
        text.contains("Total de Chipados da Espécie : 2 - 50,00% Total de Esterilizados da Espécie : 2 - 50,00%"));
    EXPECT_TRUE(text.contains("Chipados : 0 - 0,00% Esterilizados : 0 - 0,00%"));
    EXPECT_TRUE(text.contains("Total de Chipados : 2 - 40,00% Total de Esterilizados da Espécie : 2 - 40,00%"));
    EXPECT_LT(text.indexOf("1 - DOMICILIADO"), text.indexOf("2 - ADOTADO"));
}

TEST_F(RegistryReportsTest, MicrochippedByUnitWithInclusiveLastDayAndGrandTotal) {
    const QString all = printedText(TfrmAnimaisMicrochipados(QDate(2026, 3, 1), QDate(2026, 3, 31), -1));
    EXPECT_TRUE(all.contains("1 - A1")) << all.toStdString();
    EXPECT_TRUE(all.contains("3 - A3"));
    EXPECT_FALSE(all.contains("2 - A2"));  // a blank microchip
    EXPECT_TRUE(all.contains("NORTE"));
    EXPECT_EQ(all.count("Todos da regional: 1"), 2);
    EXPECT_TRUE(all.contains("Total geral: 2"));
    EXPECT_TRUE(all.contains("Período de 01/03/2026 a 31/03/2026"));
    const QString south = printedText(TfrmAnimaisMicrochipados(QDate(2026, 3, 1), QDate(2026, 3, 31), 3));
    EXPECT_FALSE(south.contains("1 - A1"));
    EXPECT_TRUE(south.contains("Total geral: 1"));
    const QString none = printedText(TfrmAnimaisMicrochipados(QDate(2025, 1, 1), QDate(2025, 1, 31), -1));
    EXPECT_TRUE(none.contains("Total geral: 0"));
}

TEST_F(RegistryReportsTest, MenuActionsTakeTheirPeriodAndUnitFromTheAgendasSelectionDialog) {
    registerSchedulingForms();
    openerFor("actRelAnimaisMicrochipado")();
    ASSERT_TRUE(frmSelRelDataUnidade);
    EXPECT_EQ(frmSelRelDataUnidade->Tag, 39);
    frmSelRelDataUnidade->cbbUnidade->setEditText("3 - SUL");
    input::clickAndType(frmSelRelDataUnidade->dtpDataInicial, "01032026");
    input::clickAndType(frmSelRelDataUnidade->dtpDataFinal, "31/03/2026");
    frmSelRelDataUnidade->BitBtn2->click();
    ASSERT_EQ(prompts.previews.size(), 1);
    EXPECT_TRUE(prompts.previews[0].modal);
    const QString south = printedLines(*prompts.previews[0].report).join('\n');
    EXPECT_TRUE(south.contains("Total geral: 1")) << south.toStdString();

    openerFor("actRelAnimaisCadastradosConsolidado")();
    ASSERT_TRUE(frmSelRelDataUnidade);
    EXPECT_EQ(frmSelRelDataUnidade->Tag, 38);
    frmSelRelDataUnidade->cbbUnidade->setEditText(kTodos);
    frmSelRelDataUnidade->BitBtn2->click();
    ASSERT_EQ(prompts.previews.size(), 2);
    EXPECT_NE(dynamic_cast<TfrmAnimaisCadastradoConsolidado*>(prompts.previews[1].report.get()), nullptr);
}

TEST_F(RegistryReportsTest, ConsolidatedChartsCountThePeriodAndTheFourUnitsAttendances) {
    exec("insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status) values (5, 'LESTE', 'ATIVO')");
    exec(
        R"(
            insert into atendimento (Id_Atendimento, Id_Unidade_Trabalho, Data_Hora_Atendimento)
            values (1, 2, :a), (2, 2, :b), (3, 5, :a), (4, 3, :a), (5, 2, :out)
        )",
        {{"a", QDateTime(QDate(2026, 3, 10), QTime(8, 0))},
         {"b", QDateTime(QDate(2026, 3, 10), QTime(17, 0))},
         {"out", QDateTime(QDate(2026, 4, 1), QTime(8, 0))}});
    TfrmAnimaisCadastradoConsolidado report(QDate(2026, 3, 1), QDate(2026, 3, 31));
    ASSERT_EQ(report.charts.size(), 6);
    QMap<QString, int> species;
    for (const auto& [name, count] : report.charts[0].values)
        species[name] = count;
    EXPECT_EQ(species, (QMap<QString, int>{{"CANINA", 3}, {"FELINA", 1}}));
    const ChartData& lines = report.charts[5];
    ASSERT_EQ(lines.series.size(), 4);
    EXPECT_EQ(lines.series[0].name, "NORTE");
    EXPECT_EQ(lines.series[0].days, (QList<std::pair<QDate, int>>{{QDate(2026, 3, 10), 2}}));
    EXPECT_EQ(lines.series[1].name, "LESTE");
    EXPECT_EQ(lines.series[1].days.size(), 1);
    EXPECT_TRUE(lines.series[2].days.isEmpty());
    EXPECT_FALSE(report.layout().pages.empty());
}

// A chart that cannot be read says "Erro ao tentar abrir o relatório." in an error box; the report still shows,
// with the charts read before it, and it and the counted charts after it empty.
TEST_F(RegistryReportsTest, AConsolidatedChartThatCannotBeReadIsToldAndTheReportStillShows) {
    registerSchedulingForms();
    exec("alter table tipo_ocorrencia rename to tipo_ocorrencia_fora");
    openerFor("actRelAnimaisCadastradosConsolidado")();
    ASSERT_TRUE(frmSelRelDataUnidade);
    input::chooseItem(frmSelRelDataUnidade->cbbUnidade, kTodos);
    input::clickAndType(frmSelRelDataUnidade->dtpDataInicial, "01032026");
    input::clickAndType(frmSelRelDataUnidade->dtpDataFinal, "31032026");
    input::clickButton(frmSelRelDataUnidade->BitBtn2);
    ASSERT_EQ(prompts.asked.size(), 2);
    EXPECT_EQ(prompts.asked[0].kind, Prompts::Kind::Error);
    EXPECT_EQ(prompts.asked[0].text, registry::kErroAbrirRelatorio);
    EXPECT_EQ(prompts.asked[1].kind, Prompts::Kind::Preview) << "the preview follows the error";
    ASSERT_EQ(prompts.previews.size(), 1);
    const auto* report = dynamic_cast<TfrmAnimaisCadastradoConsolidado*>(prompts.previews[0].report.get());
    ASSERT_NE(report, nullptr);
    ASSERT_EQ(report->charts.size(), 6);
    EXPECT_FALSE(report->charts[0].values.isEmpty()) << "read before the failure";
    EXPECT_TRUE(report->charts[3].values.isEmpty());
    EXPECT_TRUE(report->charts[4].values.isEmpty()) << "not read after it";
    EXPECT_EQ(report->charts[4].title, "Quantitativo de Procedimentos Por Tipo");
}
