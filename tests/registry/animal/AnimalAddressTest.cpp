// SPDX-License-Identifier: GPL-3.0-or-later
// The animal-address form: new, changed and deleted addresses with their links and coordinates, and the
// form's own street rules.
#include "AnimalFixture.h"

#include "DbfReader.h"
#include "ForeignReaders.h"
#include "UserInput.h"

#include "registry/address/AddressSql.h"
#include "registry/address/StreetSql.h"
#include "registry/address/UEnderecoPesquisa.h"
#include "registry/animal/AnimalRules.h"
#include "registry/animal/AnimalSql.h"
#include "registry/animal/UEndereco_Animal.h"
#include "registry/animal/UPesquisaNovoEndAnimal.h"

#include <QTemporaryDir>

using namespace common;
using namespace registry;

class AnimalAddressTest : public AnimalTest {
protected:
    TfrmEndereco_Animal* openAddressForm() {
        openerFor("actEndereco_Animal")();
        QCoreApplication::processEvents();
        return frmEndereco_Animal.data();
    }
    template <class T = QWidget>
    T* in(QWidget* form, const QString& name) {
        T* found = form->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    void typeIn(QWidget* form, const QString& name, const QString& text) {
        auto* edit = in<QLineEdit>(form, name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
};

TEST_F(AnimalAddressTest, NewChangedAndDeletedAddressesKeepTheirLinksAndCoordinates) {
    open();
    const int owner = saveNewOwner("JOSÉ D'ÁVILA", kCpf1, "jose@mail.com");
    saveNewAnimal("REX");
    const int rex = scalar("select max(id_animal) from animal").toInt();
    writePadrao({R"(
        insert into {p}LogradouroImovel (num_logr, num_imov, val_cood_x, val_cood_y)
        values (10, '51', 1, 1), (10, '55', 5, 5), (10, '63', 3, 3), (10, '69', 9, 9)
    )"});
    EXPECT_EQ(CalculaCoordenadas(10, 57).x, 3);

    TfrmEndereco_Animal* form = openAddressForm();
    prompts.clear();
    form->actDelete->trigger();  // disabled without an animal
    form->remove();
    EXPECT_EQ(prompts.last(), kNaoHaEndereco);

    // The search finds the animal by part of its name and puts the form on a new address for it.
    form->search();
    ASSERT_TRUE(frmPesquisaNovoEndAnimal);
    frmPesquisaNovoEndAnimal->cbbSelecao->setCurrentText(animalsql::kBuscaNomeAnimal);
    frmPesquisaNovoEndAnimal->mkeTexto->setText("ex");
    frmPesquisaNovoEndAnimal->search();
    EXPECT_EQ(frmPesquisaNovoEndAnimal->qryPrincipal->recordCount(), 1);
    // By part of the owner's name, whatever the animal is called (on SQLite through the owners' own text
    // index, not the animals').
    input::activate(frmPesquisaNovoEndAnimal);
    input::chooseItem(frmPesquisaNovoEndAnimal->cbbSelecao, animalsql::kBuscaNomeProprietario);
    for (const char* typed : {"ávila", "osé"}) {
        input::click(frmPesquisaNovoEndAnimal->mkeTexto);
        input::pressKey(frmPesquisaNovoEndAnimal->mkeTexto, Qt::Key_A, Qt::ControlModifier);
        input::type(frmPesquisaNovoEndAnimal->mkeTexto, QString::fromUtf8(typed));
        input::pressEnter(frmPesquisaNovoEndAnimal->mkeTexto);
        EXPECT_EQ(frmPesquisaNovoEndAnimal->qryPrincipal->recordCount(), 1) << typed;
    }
    frmPesquisaNovoEndAnimal->choose();
    EXPECT_EQ(form->animalId(), rex);
    EXPECT_EQ(in<QLineEdit>(form, "dbeCodProprietario")->text(), QString::number(owner));
    EXPECT_EQ(form->qryEndereco->state(), db::DataSet::State::Insert);

    // Blank number and impossible start date are refused before anything is written.
    typeIn(form, "dbeAnimalCodLograd", "10");
    QTest::keyClick(in(form, "dbeAnimalCodLograd"), Qt::Key_Return);
    form->save();
    EXPECT_EQ(prompts.last(), kFaltaNumeroImovel);
    typeIn(form, "dbeAnimalNumEndereco", "57");
    typeIn(form, "dbeDataInicial", "31022021");
    form->save();
    EXPECT_EQ(prompts.last(), kDataInicialInvalida);
    EXPECT_EQ(addresssql::animalAddressCount(rex), 1);
    typeIn(form, "dbeDataInicial", "01032021");
    form->save();
    EXPECT_EQ(prompts.last(), kOperacaoRealizada);
    EXPECT_EQ(addresssql::animalAddressCount(rex), 2);
    const QVariant newest = addresssql::currentAnimalAddress(rex);
    EXPECT_EQ(str(R"(
        select NOM_LOGR || '/' || NUM_IMOV_LOGR || '/' || cast(End_X as integer)
        from endereco
        where id_endereco = :e
    )",
                  {{"e", newest}}),
              "DAS FLORES/57/3");
    EXPECT_EQ(
        db::toDateTime(scalar("select data_inicial_end from endereco where id_endereco = :e", {{"e", newest}})).date(),
        QDate(2021, 3, 1));
    EXPECT_EQ(form->qryTodosEnd->recordCount(), 2);

    // A change works on the most recent address and geocodes it again.
    form->edit();
    typeIn(form, "dbeAnimalNumEndereco", "69");
    form->save();
    EXPECT_EQ(addresssql::animalAddressCount(rex), 2);
    EXPECT_EQ(str("select cast(End_X as integer) from endereco where id_endereco = :e", {{"e", newest}}), "9");

    // Two addresses: the most recent goes with its link; one left: refused.
    const int addresses = count("endereco");
    prompts.confirmations = {true};
    form->remove();
    EXPECT_EQ(addresssql::animalAddressCount(rex), 1);
    EXPECT_EQ(count("endereco"), addresses - 1);
    EXPECT_NE(addresssql::currentAnimalAddress(rex), newest);
    form->remove();
    EXPECT_EQ(prompts.last(), kUnicoEndereco);

    // The export lists every animal with its owner, in Windows-1252, with the clash rule on names.
    exec("update animal set Cor = :c", {{"c", kNameBeyondLatin1}});
    QTemporaryDir dir;
    prompts.fileNames = {dir.filePath("animais.DBF")};
    form->exportAnimals();
    EXPECT_EQ(prompts.last(), kExportacaoConcluida);
    const DbfContents dbf = readDbf(dir.filePath("animais.DBF"));
    EXPECT_EQ(dbf.names, QStringList({"id_animal", "nome_raca", "nome", "sexo", "esteriliza", "num_microc", "cor",
                                      "sinais", "num_pedigr", "id_proprie", "nome_propr", "telefone_r", "telefone_c",
                                      "telefone_2", "num_cpf_cn", "num_ci"}));
    ASSERT_EQ(dbf.rows.size(), 1);
    EXPECT_EQ(dbf.value(0, "nome").toString(), "REX");
    EXPECT_EQ(dbf.value(0, "nome_propr").toString(), "JOSÉ D'ÁVILA");
    expectForeignReadable(dir.filePath("animais.DBF"), "cor", kNameBeyondLatin1Written);
    EXPECT_EQ(dbf.value(0, "id_animal").toInt(), rex);
}

TEST_F(AnimalAddressTest, TheAnimalAddressFormKeepsItsOwnStreetRules) {
    writePadrao({R"(
        insert into {p}bairro (num_bair, nom_bair, tip_bair, tip_clss_bair)
        values (4, 'CENTRO', 'B', 'O'), (5, 'RURAL', 'B', 'R')
    )",
                 "insert into {p}logradouro (num_logr, nom_logr) values (50, 'DA FABRICA')",
                 R"(
                     insert into {p}pesquisaLograd (num_logr, num_sequ_logr, tip_logr, nom_logr, tip_bair, num_bair,
                         nom_bair, tip_clss_bair, ind_bair_cord)
                     values (50, 1, 'R', 'DA FABRICA', 'B', 3, 'INDUSTRIAL', 'O', 'N')
                 )"});
    open();
    const int owner = saveNewOwner("JOSE SOUZA", kCpf1, "jose@mail.com");
    saveNewAnimal("REX");
    TfrmEndereco_Animal* form = openAddressForm();
    form->chooseAnimal(owner, scalar("select max(id_animal) from animal").toInt());
    ASSERT_EQ(form->qryEndereco->state(), db::DataSet::State::Insert);
    auto* bairro = in<QComboBox>(form, "dblAnimalBairro");
    auto items = [](QComboBox* combo) {
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i)
            if (!combo->itemText(i).isEmpty())
                texts << combo->itemText(i);
        return texts;
    };
    // Classes "O" and "P", each name once, whatever the street; a street's neighbourhood of class "O" shows.
    EXPECT_EQ(items(bairro), QStringList({"CENTRO", "INDUSTRIAL", "JARDIM"}));
    input::clickAndType(in(form, "dbeAnimalLograd"), "DA FABRICA");
    input::click(in(form, "dbeAnimalComplementoLograd"));
    EXPECT_EQ(form->qryEndereco->str("NUM_LOGR"), "50");
    EXPECT_EQ(bairro->currentText(), "INDUSTRIAL");

    // A street code of several rows or none is searched at once in a modal search.
    for (const char* code : {"40", "99"}) {
        auto* box = in<QLineEdit>(form, "dbeAnimalCodLograd");
        input::click(box);
        input::pressKey(box, Qt::Key_A, Qt::ControlModifier);
        input::type(box, code);
        input::pressEnter(box);
        ASSERT_TRUE(frmEnderecoPesquisa) << code;
        EXPECT_EQ(frmEnderecoPesquisa->tag(), 4);
        EXPECT_EQ(frmEnderecoPesquisa->cbbSelecao->currentText(), "Núm lograd.");
        EXPECT_TRUE(frmEnderecoPesquisa->isModal());
        EXPECT_EQ(frmEnderecoPesquisa->qryPrincipal->recordCount(), QString(code) == "40" ? 2 : 0);
        delete frmEnderecoPesquisa.data();
    }

    // The postal code is looked up on Enter only, and the house number leaves a typed one alone.
    auto* cep = in<QLineEdit>(form, "dbeAnimalCep");
    prompts.clear();
    input::clickAndType(cep, "87654321");
    input::clickAndType(in(form, "dbeAnimalNumEndereco"), "57");
    input::click(in(form, "dbeAnimalComplementoLograd"));
    EXPECT_TRUE(prompts.asked.isEmpty()) << prompts.last().toStdString();
    EXPECT_EQ(cep->text(), "87654321");
    input::click(cep);
    input::pressEnter(cep);
    EXPECT_EQ(prompts.texts(), QStringList{"CEP não encontrado: 87654321"});
    prompts.confirmations << true;
    input::clickAndType(cep, "12345678");
    input::pressEnter(cep);
    EXPECT_EQ(prompts.last(), "Endereço do CEP correspondente localizado.\nDeseja preencher os campos?");
    EXPECT_EQ(form->qryEndereco->str("NOM_LOGR"), "DAS FLORES");

    // Leaving the district lists every area of it, whatever its status.
    input::chooseItem(in<QComboBox>(form, "dblAnimalDistrito"), "DS1");
    input::click(in(form, "dbeAnimalCodArea"));
    EXPECT_EQ(items(in<QComboBox>(form, "dblAnimalArea")), QStringList({"AREA 11", "AREA 12"}));
    form->cancel();
}
