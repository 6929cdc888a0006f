// SPDX-License-Identifier: GPL-3.0-or-later
// The list reports of the reference tables and the menu actions that open them.

#include "RegistersFixture.h"

#include "ReportText.h"
#include "platform/report/Output.h"
#include "registers/ReferenceReports.h"

namespace {

struct Listed {
    std::function<std::shared_ptr<report::Report>()> make;
    QString code, title, table, summary;
};

const QList<Listed>& listed() {
    static const QList<Listed> list{
        {[] { return std::make_shared<TfrmRelGrupo_Animais>(); }, "REL028", "Grupo de animais", "grupo_animal",
         "Total de grupos:"},
        {[] { return std::make_shared<TfrmRelEspecie_Animal>(); }, "REL029", "Espécies de Animais", "especie",
         "Total de grupos:"},
        {[] { return std::make_shared<TfrmRelRaca>(); }, "REL030", "Raças de Animais", "raca", "Total de grupos:"},
        {[] { return std::make_shared<TfrmRelPelo>(); }, "REL031", "Tipo de Pelo dos Animais", "pelo",
         "Total de grupos:"},
        {[] { return std::make_shared<TfrmRelPorte>(); }, "REL032", "Porte de Animal", "porte", "Total de grupos:"},
        {[] { return std::make_shared<TfrmRelStatusAtendimento>(); }, "REL033", "Status do Atendimento",
         "atendimento_status", "Total de grupos:"},
        {[] { return std::make_shared<TfrmRelUnidadeMedida>(); }, "REL035", "Unidade de Medida", "unidade_medida",
         "Total de grupos:"},
        {[] { return std::make_shared<TfrmRelMedicamento>(); }, "REL036", "Medicamentos Cadastrados", "medicamento",
         "Total de grupos:"},
        {[] { return std::make_shared<TfrmRelTipoProcedimento>(); }, "REL001", "Procedimentos Médico",
         "tipo_procedimento", "Total de grupos:"},
        {[] { return std::make_shared<TfrmRelTipoOcorrencia>(); }, "REL001", "Tipo de Ocorrência", "tipo_ocorrencia",
         "Total de registro:"},
        {[] { return std::make_shared<TfrmRelTextoPeso>(); }, "REL001", "Relação peso e texto para o receituário",
         "receituario_texto_peso", "Total de registro:"},
    };
    return list;
}

}  // namespace

class ListReports : public RegistersTest {};

TEST_F(ListReports, EmptyTablesPrintHeadingSummaryAndFooter) {
    for (const Listed& l : listed()) {
        SCOPED_TRACE(l.code.toStdString() + " " + l.title.toStdString());
        const auto r = l.make();
        const report::Document doc = r->layout();
        EXPECT_EQ(doc.pageCount(), 1);
        const QString t = printedText(*r);
        for (const QString& s : {QString("Nurvalia - NURV"), l.code, l.title, QString("Pag.:")})
            EXPECT_TRUE(t.contains(s)) << s.toStdString();
        EXPECT_TRUE(printedLines(*r).contains(l.summary + " 0")) << t.toStdString();
    }
}

TEST_F(ListReports, EachRowPrintsKeyNameDescriptionAndStatusAndIsCounted) {
    for (const char* sql :
         {R"(
             insert into grupo_animal (Id_Grupo_Animal, Nome, Descricao, Ind_Status)
             values (1, 'DOMICILIADO', 'Com dono', 'ATIVO'), (2, 'ERRANTE', 'Sem dono', 'INATIVO')
         )",
          "insert into especie (Id_Especie, Nome, Descricao, Ind_Status) values (1, 'CANINA', 'Cães', 'ATIVO')",
          R"(
              insert into atendimento_status (Id_Atendimento_Status, Nome, Descricao, Ind_Status)
              values (7, 'CANCELADO', 'Não conta', 'ATIVO')
          )",
          R"(
              insert into unidade_medida (Id_Unidade_Medida, Nome, Descricao, Ind_Status)
              values (2, 'ML', 'Mililitro', 'ATIVO')
          )",
          R"(
              insert into medicamento (Id_Medicamento, Nome, Descricao, Ind_Status)
              values (4, 'DIPIRONA', 'Analgésico', 'ATIVO')
          )",
          R"(
              insert into tipo_procedimento (Id_Tipo_Procedimento, Nome, Descricao, Ind_Status)
              values (12, 'CASTRACAO', 'Cirurgia', 'ATIVO')
          )"})
        exec(sql);
    const QList<std::tuple<int, QStringList>> expected{
        {0, {"1 - DOMICILIADO", "Com dono", "2 - ERRANTE", "Sem dono", "INATIVO", "Total de grupos: 2"}},
        {1, {"1 - CANINA", "Cães", "Total de grupos: 1"}},
        {5, {"7 - CANCELADO", "Não conta", "Total de grupos: 1"}},
        {6, {"2 - ML", "Mililitro", "Total de grupos: 1"}},
        {7, {"4 - DIPIRONA", "Analgésico", "Total de grupos: 1"}},
        {8, {"12 - CASTRACAO", "Cirurgia", "Total de grupos: 1"}},
    };
    for (const auto& [index, texts] : expected) {
        const auto r = listed()[index].make();
        const QString t = printedText(*r);
        for (const QString& s : texts)
            EXPECT_TRUE(t.simplified().contains(s)) << s.toStdString() << " in\n" << t.toStdString();
        EXPECT_TRUE(t.contains("ATIVO"));
    }
}

TEST_F(ListReports, TheGroupReportReadsItsRowsWhenPrinted) {
    TfrmRelGrupo_Animais report;
    exec("insert into grupo_animal (Id_Grupo_Animal, Nome, Ind_Status) values (3, 'COMUNITARIO', 'ATIVO')");
    EXPECT_TRUE(printedText(report).contains("3 - COMUNITARIO"));
    TfrmRelEspecie_Animal species;
    exec("insert into especie (Id_Especie, Nome) values (1, 'CANINA')");
    EXPECT_FALSE(printedText(species).contains("CANINA"));  // read when made
}

TEST_F(ListReports, BreedsPrintTheirStandardCoatAndSize) {
    exec("insert into porte (Id_porte, Descricao, Ind_Status) values (1, 'PEQUENO', 'ATIVO')");
    exec("insert into pelo (Id_pelo, Descricao, Ind_Status) values (2, 'CURTO', 'INATIVO')");
    exec(
        R"(
            insert into raca (Id_Raca, Nome, Descricao, Id_Porte, Id_Pelo, Ind_Status)
            values (5, 'poodle', 'Toy', 1, 2, 'ATIVO')
        )");
    exec("insert into raca (Id_Raca, Nome, Ind_Status) values (6, 'SEM PADRAO', 'ATIVO')");
    const QString t = printedText(TfrmRelRaca());
    EXPECT_TRUE(t.contains("5 - POODLE")) << t.toStdString();
    EXPECT_TRUE(t.contains("Toy"));
    EXPECT_TRUE(t.contains("Pelo: CURTO - Porte: PEQUENO"));
    EXPECT_TRUE(printedLines(TfrmRelRaca()).contains("Pelo: - Porte:"));
    EXPECT_TRUE(printedLines(TfrmRelRaca()).contains("Total de grupos: 2"));

    const QString coats = printedText(TfrmRelPelo());
    EXPECT_TRUE(coats.contains("2 - CURTO")) << coats.toStdString();
    EXPECT_EQ(coats.count("CURTO"), 2);  // as name and as description
    EXPECT_TRUE(coats.contains("INATIVO"));
    EXPECT_TRUE(printedText(TfrmRelPorte()).contains("1 - PEQUENO"));
}

TEST_F(ListReports, OccurrenceTypesAndWeightTextsPrintTheirOwnFields) {
    exec(
        R"(
            insert into tipo_ocorrencia (Id_Tipo_Ocorrencia, Nome, Descricao, Ind_Finaliza_Caso, Ind_Status)
            values (1, 'OBITO', 'Morte do animal', 'SIM', 'ATIVO'), (2, 'FUGA', '', 'NAO', 'INATIVO')
        )");
    const QString types = printedText(TfrmRelTipoOcorrencia());
    EXPECT_TRUE(types.contains("1 - OBITO")) << types.toStdString();
    EXPECT_TRUE(types.contains("Finaliza caso: SIM"));
    EXPECT_TRUE(types.contains("Finaliza caso: NAO"));
    EXPECT_TRUE(types.contains("Aqrivo : INATIVO"));
    EXPECT_TRUE(printedLines(TfrmRelTipoOcorrencia()).contains("Total de registro: 2"));

    exec(
        R"(
            insert into receituario_texto_peso (Id_Receituario_texto_Peso, Peso, Texto, Ind_Status)
            values (1, 12.5, 'Meio comprimido a cada 12 horas.', 'ATIVO'),
                (2, 30, 'Um comprimido.', 'ATIVO')
        )");
    const QString weights = printedText(TfrmRelTextoPeso());
    EXPECT_TRUE(weights.contains("1 - Peso: 12,5 kilo(s)")) << weights.toStdString();
    EXPECT_TRUE(weights.contains("2 - Peso: 30 kilo(s)"));
    EXPECT_TRUE(weights.contains("Meio comprimido a cada 12 horas."));
    EXPECT_TRUE(weights.contains("Registro: ATIVO"));
    EXPECT_TRUE(printedLines(TfrmRelTextoPeso()).contains("Total de registro: 2"));
}

TEST_F(ListReports, MenuActionsOpenTheNonModalPreviews) {
    const QList<std::pair<QString, QString>> actions{
        {"actRelGrupo", "REL028"},         {"actRelEspecie", "REL029"},     {"actRelRaca", "REL030"},
        {"actRelPelo", "REL031"},          {"actRelPorte", "REL032"},       {"actRelTipoStatusAtendimento", "REL033"},
        {"actRelUnidadeMedida", "REL035"}, {"actRelMedicamento", "REL036"},
    };
    for (const auto& [action, code] : actions) {
        prompts.clear();
        const FormOpener opener = openerFor(action);
        ASSERT_TRUE(bool(opener)) << action.toStdString();
        opener();
        ASSERT_EQ(prompts.previews.size(), 1) << action.toStdString();
        EXPECT_FALSE(prompts.previews[0].modal);
        EXPECT_TRUE(printedText(*prompts.previews[0].report).contains(code)) << action.toStdString();
    }
    // Each use makes a report of its own.
    openerFor("actRelGrupo")();
    openerFor("actRelGrupo")();
    EXPECT_NE(prompts.previews[1].report, prompts.previews[2].report);
}
