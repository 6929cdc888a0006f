// SPDX-License-Identifier: GPL-3.0-or-later
// Address entry from the street register, the street search's hand-back, and the vetoes on leaving a
// pending owner.
#include "RegistryFixture.h"

#include <QMdiSubWindow>

using namespace registry;

TEST_F(RegistryTest, StreetRegisterLookUps) {
    EXPECT_EQ(streetsql::byCode("10").count(), 1);
    EXPECT_EQ(streetsql::byCode("40").count(), 2);
    EXPECT_EQ(streetsql::countByName("SETE"), 2);
    EXPECT_FALSE(streetsql::uniqueByName("SETE"));
    EXPECT_FALSE(streetsql::uniqueByName("NENHUMA"));
    ASSERT_TRUE(streetsql::uniqueByName("DAS FLORES"));
    EXPECT_EQ(streetsql::uniqueByName("DAS FLORES")->neighbourhoodName, "CENTRO");
    EXPECT_EQ(streetsql::postalDigits("12345-678"), "12345678");
    // Text bounds with blanks compare as numbers; the number's side first, any side after it for the owner only;
    // a bound that is no number skips its row.
    const struct {
        int number;
        bool sameSideOnly;
        QString cep;
    } numbers[] = {{51, false, "12345678"},  {52, false, "12345680"}, {100, true, "12345680"},
                   {150, false, "12345695"}, {150, true, ""},         {300, false, ""}};
    for (const auto& n : numbers)
        EXPECT_EQ(streetsql::postalCodeByNumber(10, n.number, n.sameSideOnly), n.cep) << n.number;
    // A street without a neighbourhood of class "P" offers every one of that class, whatever its letter case.
    EXPECT_EQ(streetsql::neighbourhoods("20").count(), 1);
    EXPECT_EQ(streetsql::neighbourhoods("30").count(), 2);
    EXPECT_EQ(streetsql::areas(1).count(), 1);
}

TEST_F(RegistryTest, AddressGroupFillsFromCodeNameAndPostalCode) {
    open();
    AddressGroup* group = frmPropAnimal->ownerPage->address;
    db::DataSet* address = frmPropAnimal->qryEndereco;
    // Browsing, nothing is looked up.
    type("dbeCodLograd", "10");
    enter("dbeCodLograd");
    EXPECT_TRUE(child<QLineEdit>("dbeLograd")->text().isEmpty());

    trigger("actAppend");
    type("dbeCodLograd", "10");
    enter("dbeCodLograd");
    EXPECT_EQ(address->str("NOM_LOGR"), "DAS FLORES");
    EXPECT_EQ(address->str("NUM_SEQU_LOGR"), "1");
    EXPECT_FALSE(frmEnderecoPesquisa);
    type("dbeCodLograd", "40");
    enter("dbeCodLograd");
    ASSERT_TRUE(frmEnderecoPesquisa);
    EXPECT_EQ(frmEnderecoPesquisa->mkeTexto->text(), "40");
    frmEnderecoPesquisa->close();

    // A typed name loses its code until resolved; a unique name fills code and neighbourhood.
    type("dbeLograd", "DAS FLORES");
    EXPECT_EQ(address->str("NUM_LOGR"), "0");
    leave("dbeLograd");
    EXPECT_EQ(address->str("NUM_LOGR"), "10");
    EXPECT_EQ(address->str("NOM_BAIR"), "CENTRO");
    for (const QString name : {"SETE", "NENHUMA"}) {
        type("dbeLograd", name);
        leave("dbeLograd");
        ASSERT_TRUE(frmEnderecoPesquisa);
        EXPECT_EQ(frmEnderecoPesquisa->qryPrincipal->recordCount(), name == "SETE" ? 2 : 0);
        frmEnderecoPesquisa->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Postal codes: seven digits refused, unknown ones cleared, a known one fills the street on Yes.
    type("dbeCEP", "1234567");
    enter("dbeCEP");
    EXPECT_EQ(prompts.last(), kCepInvalido);
    type("dbeCEP", "99999999");
    enter("dbeCEP");
    EXPECT_EQ(prompts.last(), kCepNaoEncontrado + "99999999");
    EXPECT_TRUE(address->field("NUM_CEP").isNull());
    type("dbeLograd", "OUTRA");
    type("dbeCEP", "12345678");
    prompts.confirmations << true;
    enter("dbeCEP");
    EXPECT_EQ(address->str("NOM_LOGR"), "DAS FLORES");
    EXPECT_EQ(address->str("TIP_LOGR"), "R");

    // The areas follow the district; a code of no area listed is named.
    pick("dblDistrito", "DS2");
    type("dbeCodArea", "11");
    leave("dbeCodArea");
    EXPECT_EQ(prompts.last(), kAreaNaoEncontradaRegional);

    // The animal address takes the postal code on leaving and stops at a short one.
    AddressGroup* animal = frmPropAnimal->animalAddress;
    frmPropAnimal->qryEndereco_do_animal->append();
    animal->edtCep->setText("1234567");
    frmPropAnimal->qryEndereco_do_animal->setField("NUM_CEP", "1234567");
    prompts.clear();
    leave(animal->edtCep);
    EXPECT_EQ(prompts.texts(), QStringList{kCepInvalido});
    frmPropAnimal->qryEndereco_do_animal->cancel();
    Q_UNUSED(group);
}

TEST_F(RegistryTest, StreetSearchWritesOnlyIntoAnEditedLiveTarget) {
    open();
    AddressGroup* group = frmPropAnimal->ownerPage->address;
    auto choose = [&](QObject* target) {
        auto* dialog = TfrmEnderecoPesquisa::open(1, target, streetsql::kCriterionName, "SETE", true);
        dialog->qryPrincipal->locate("num_logr", 20);
        dialog->choose();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    choose(group);  // browsing: nothing written
    EXPECT_TRUE(child<QLineEdit>("dbeLograd")->text().isEmpty());
    trigger("actAppend");
    choose(group);
    db::DataSet* address = frmPropAnimal->qryEndereco;
    EXPECT_EQ(address->str("NUM_LOGR"), "20");
    EXPECT_EQ(address->str("TIP_LOGR"), "AV");
    EXPECT_EQ(address->str("NOM_BAIR"), "JARDIM");

    // Page change and close are refused while the owner is pending.
    frmPropAnimal->PageControl1->setCurrentIndex(1);
    EXPECT_EQ(prompts.last(), kGravarProprietarioProsseguir);
    EXPECT_EQ(frmPropAnimal->PageControl1->currentIndex(), 0);
    area->closeAllSubWindows();
    EXPECT_EQ(prompts.last(), kGravarProprietarioFechar);
    ASSERT_TRUE(frmPropAnimal);

    // A search whose form has closed does nothing.
    auto* dialog = TfrmEnderecoPesquisa::open(1, group, streetsql::kCriterionName, "SETE", true);
    trigger("actCancel");
    area->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(frmPropAnimal);
    dialog->choose();
}
