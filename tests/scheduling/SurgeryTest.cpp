// SPDX-License-Identifier: GPL-3.0-or-later
// The surgery authorisation: its computed lines, and the report printed from the booking form.

#include "SchedulingFixture.h"

#include "ReportText.h"
#include "scheduling/booking/AutorizaCirurgiaRules.h"
#include "scheduling/booking/UAutorizaCirurgia.h"

#include <QPushButton>

using namespace scheduling;

namespace {

TEST(SurgeryLines, EachLineWithItsFallbacks) {
    CirurgiaRow full;
    full.attendanceId = 7;
    full.attendanceAt = QDateTime(QDate(2026, 3, 10), QTime(0, 0));
    full.ownerId = 10;
    full.ownerName = "ANA";
    full.cpfCnpj = "12345678909";
    full.ci = "MG123";
    full.phoneHome = "(31)3333-4444";
    full.phoneMobile = "(31)99999-8888";
    full.phoneMessage = "123";
    full.streetType = "RUA";
    full.street = "UM";
    full.number = "10";
    full.complement = "AP 1";
    full.cep = "30000000";
    full.district = "CENTRO";
    full.animalId = 100;
    full.animalName = "REX";
    full.group = "CAES";
    full.breed = "SRD";
    full.birth = QDate(2020, 1, 2);
    full.species = "CANINA";
    full.sex = "M";
    full.size = "MEDIO";
    full.coat = "CURTO";
    full.marks = "MANCHA";
    full.colour = "PRETO";
    CirurgiaRow bare;
    bare.attendanceId = 8;
    bare.ownerId = 11;
    bare.ownerName = "BRUNO";
    bare.phoneMobile = "(31)99999-8888";
    bare.animalId = 110;
    bare.animalName = "TOTO";
    const struct {
        QString (*line)(const CirurgiaRow&);
        CirurgiaRow row;
        QString expected;
    } cases[] = {
        {attendanceLine, full, "7 Data/hora do atendimento: 10/03/2026 00:00:00"},
        {ownerLine, full, "10-ANA, CPF/CNPJ: 12345678909 CI: MG123"},
        {ownerLine, bare, "11-BRUNO"},
        {phoneLine, full, "Tel.:(31)3333-4444, (31)99999-8888"},
        {phoneLine, bare, "Tel.:, (31)99999-8888"},
        {phoneLine, CirurgiaRow{}, "Tel.: NÃO INFORMADO."},
        {addressLine, full, "RUA UM, 10, AP 1, CEP:30000000, Bairro:CENTRO"},
        {addressLine, bare, " , "},
        {animalLine, full, "100-REX , Grupo:CAES, Raça:SRD, Data nasc.:02/01/2020"},
        {animalLine, bare, "110-TOTO , Grupo:, Raça:, Data nasc.:"},
        {detailsLine, full, "Espécie:CANINA , Sexo:M, Porte:MEDIO, Pelo:CURTO, Sinais: MANCHA"},
        {detailsLine, bare,
         "Espécie: (Não especificado)  , Sexo: (Não especificado) , Porte: (Não especificado) , Pelo: (Não "
         "especificado) , Sinais: (Não especificado) "},
        {colourLine, full, "Cor: PRETO"},
        {colourLine, bare, "Cor não informada."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.line(c.row), c.expected);

    const QString d =
        "Declaro que todas as informações prestadas acima são verdadeiras e autorizo a internação por 3 "
        "horas do animal identificado para que seja realizada a cirurgia de:";
    EXPECT_EQ(declarationText(5, {{"OSH", "Castração fêmea"}}), d + "OSH.Castração fêmea");
    EXPECT_EQ(declarationText(5, {{"A", "a1"}, {"B", "b1"}}), d + ",( A.a1),( B.b1)");
    EXPECT_EQ(declarationText(5, {}), "Procedimento não expecificado!");
    EXPECT_EQ(declarationText(QVariant(), {}), d + " \?\?\?\?\?\?\?\?\?\?\?\?\?!");
}

TEST_F(SchedulingTest, SurgeryAuthorisationPrintsASavedAttendanceOnly) {
    exec("insert into tipo_procedimento (Id_Tipo_Procedimento, Nome, Descricao) values (1, 'B', 'b1'), (2, 'A', 'a1')");
    const int key = addAttendance(kAna, kRex, QDateTime(day, QTime(0, 0)));
    exec("update atendimento set Ind_Autoriza_Cirurgia = 'NAO', Inserido_Por = 999 where Id_Atendimento = :k",
         {{"k", key}});
    exec("insert into procedimento (Id_Tipo_Procedimento, Id_Atendimento) values (2, :k), (1, :k)", {{"k", key}});
    auto* form = TfrmAgendaNovoAtendimento::openFromAgenda(day, key);

    // An owner without address and an animal without breed, size or coat still print their data.
    form->btnAutorCirurgia->click();
    ASSERT_EQ(prompts.previews.size(), 1);
    EXPECT_FALSE(prompts.previews[0].modal);
    auto report = std::dynamic_pointer_cast<TfrmAutorizaCirurgia>(prompts.previews[0].report);
    ASSERT_NE(report, nullptr);
    ASSERT_EQ(report->rows().size(), 1);
    EXPECT_TRUE(report->declaration().endsWith(",( A.a1),( B.b1)"));
    const QStringList lines = printedLines(*report);
    for (const QString& l : {QString("Atendimento: %1 Data/hora do atendimento: 10/03/2026 00:00:00").arg(key),
                             QString("Prop.: 10-ANA"), QString("Tel.: NÃO INFORMADO."),
                             QString("Animal: 100-REX , Grupo:, Raça:, Data nasc.:"), QString("Cor não informada.")})
        EXPECT_TRUE(lines.contains(l)) << l.toStdString() << "\n" << printedText(*report).toStdString();
    EXPECT_TRUE(printedText(*report).contains("Assinatura do proprietário ou responsável pelo animal"));
    EXPECT_EQ(report->layout().pageCount(), 1);

    // While the row is being edited nothing is printed.
    form->qryPrincipal->edit();
    form->btnAutorCirurgia->click();
    EXPECT_EQ(prompts.last(), kConcluirAntesAutorizacao);
    EXPECT_EQ(prompts.previews.size(), 1);
}

}  // namespace
