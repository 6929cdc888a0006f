// SPDX-License-Identifier: GPL-3.0-or-later
// 041 - identification cards and REL049 for every owner, read from what they print.

#include "RegistryFixture.h"
#include "ReportText.h"

#include "common/access/Session.h"
#include "registry/cards/USelRelCarteirinha.h"
#include "registry/owner/URelProprietarioGeral.h"

#include <QPushButton>

using namespace registry;

class CardsTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        exec("insert into especie (Id_Especie, Nome) values (1, 'CANINA')");
        exec(
            R"(
                insert into endereco (Id_Endereco, TIP_LOGR, NOM_LOGR, NUM_IMOV_LOGR, DES_CMPL_ENDR, NOM_BAIR)
                values (100, 'R', 'DAS FLORES', 51, 'CASA 2', 'CENTRO')
            )");
        exec(
            R"(
                insert into proprietario (Id_Proprietario, Nome, Id_Endereco, Telefone_Residencial,
                    Telefone_Celular, Telefone_Recado, Num_CI)
                values (1, 'ZÉLIA', 100, '(  )    -    ', '61999990000', '6133330000', '123'),
                    (2, 'ANA', null, null, null, null, null)
            )");
        exec(
            R"(
                insert into animal (Id_Animal, Id_Proprietario, Id_Especie, Nome, Num_Microchip, Esterilizado)
                values (57, 1, 1, 'REX', null, 'SIM'), (58, 1, null, 'MIA', '999', null)
            )");
        exec(
            R"(
                insert into histo_muda_proprietario (Id_Histo_Muda_Proprietario, Id_Animal, Id_Proprietario)
                values (1, 57, 1), (2, 58, 1), (3, 57, 2)
            )");
    }

    TfrmSelRelCarteirinha* openCards() {
        openerFor("actRelImprimeCarteirinha")();
        return frmSelRelCarteirinha;
    }
    void press(QWidget* form, const char* name) {
        QTest::mouseClick(form->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
};

TEST_F(CardsTest, SelectionFindsAnOwnersAnimalsAndPreviewsEachLayout) {
    TfrmSelRelCarteirinha* form = openCards();
    ASSERT_TRUE(form);
    press(form, "btnLocalizar");
    EXPECT_EQ(prompts.last(), kFaltaTipoConsulta);
    form->cbbSelecao->setCurrentIndex(1);  // "Cód. proprietário"
    form->edtTexto->setText("ZE");
    press(form, "btnLocalizar");
    EXPECT_EQ(prompts.last(), kCodigoProprietarioInvalido);
    form->cbbSelecao->setCurrentIndex(0);
    form->edtTexto->setText("ze");
    press(form, "btnLocalizar");
    ASSERT_EQ(form->qryPrincipal->recordCount(), 2);

    UsuarioLogado = "1";
    NomeUsuarioLogado = "ADMINISTRADOR";
    form->qryPrincipal->first();
    press(form, "btnImpVertical");  // the landscape page
    ASSERT_EQ(prompts.previews.size(), 1);
    const QString landscape = printedText(*prompts.previews.last().report);
    EXPECT_EQ(prompts.previews.last().report->orientation(), report::Orientation::Landscape);
    for (const char* shown : {"57-57", "REX", "CANINA", "ZÉLIA", "R: DAS FLORES, 51; CASA 2; B:CENTRO", "61999990000",
                              "1-ADMINISTRADOR", "UNIDADE DE CONTROLE DE ZOONOSES"})
        EXPECT_TRUE(landscape.contains(QString::fromUtf8(shown))) << shown;
    EXPECT_FALSE(landscape.contains("---"));
    // The address runs across the card rather than in one of its two columns.
    int addresses = 0;
    const report::Document cards = prompts.previews.last().report->layout();
    for (const report::Element& e : cards.pages[0].elements) {
        if (e.text.startsWith("R: DAS FLORES")) {
            EXPECT_GT(e.rect.width(), report::mmToPt(100));
            ++addresses;
        }
    }
    EXPECT_EQ(addresses, 1);

    press(form, "btnImpHorizontal");  // the portrait page
    const QString portrait = printedText(*prompts.previews.last().report);
    EXPECT_EQ(prompts.previews.last().report->orientation(), report::Orientation::Portrait);
    EXPECT_EQ(portrait.count("---"), 2);  // the microchip and the coat
    form->edtTexto->setText("ANA");
    press(form, "btnLocalizar");
    press(form, "btnImpHorizontal");
    EXPECT_EQ(prompts.last(), kAnimalNaoEncontrado);
}

TEST_F(CardsTest, OwnersReportListsEveryOwnerByNameWithEachAnimalReceived) {
    openerFor("actRelProprietarioAnimal")();
    ASSERT_EQ(prompts.previews.size(), 1);
    EXPECT_FALSE(prompts.previews.last().modal);
    const QString text = printedText(*prompts.previews.last().report);
    EXPECT_LT(text.indexOf("ANA"), text.indexOf("ZÉLIA"));
    EXPECT_EQ(text.count("Animal : 57 REX"), 2);  // once for each owner that received it
    EXPECT_EQ(text.count("Animal : 58 MIA"), 1);
}

// The owner's name typed is the beginning of a pattern, as the search's like reads it: % stands for any text, _
// for any one character; case and accents are ignored and an apostrophe is a letter like any other.
TEST_F(CardsTest, APercentOrUnderscoreTypedInTheNameStandsForAnyText) {
    exec("insert into proprietario (Id_Proprietario, Nome) values (3, 'JOANA D''ARC'), (4, 'ZE_LIA')");
    TfrmSelRelCarteirinha* form = openCards();
    ASSERT_TRUE(form);
    input::chooseItem(form->cbbSelecao, "Nome proprietário");
    const auto found = [form](const QString& typed) {
        input::retype(form->edtTexto, typed);
        input::clickButton(form->findChild<QPushButton*>("btnLocalizar"));
        QStringList owners;
        for (int r = 0; r < form->qryPrincipal->recordCount(); ++r)
            owners << db::toText(form->qryPrincipal->cell(r, "Nome_Prop"));
        owners.removeDuplicates();
        owners.sort();
        return owners.join('|').toStdString();
    };
    EXPECT_EQ(found("z_lia"), "ZÉLIA");
    EXPECT_EQ(found("%LIA"), "ZE_LIA|ZÉLIA");
    EXPECT_EQ(found("%A%A"), "ANA|JOANA D'ARC");
    EXPECT_EQ(found("joana d'"), "JOANA D'ARC");
    EXPECT_EQ(found("ZE_L"), "ZE_LIA");
}
