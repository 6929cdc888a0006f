// SPDX-License-Identifier: GPL-3.0-or-later
// The animal page end to end: defaults, the owner's address, a new animal with its companion rows in one
// transaction, the change's question, and the delete's refusals and cascade.
#include "AnimalFixture.h"

#include "UserInput.h"

#include "registry/animal/AnimalPage.h"

#include <QLabel>
#include <QTabBar>
#include <QToolBar>

using namespace common;
using namespace registry;

TEST_F(AnimalTest, NewAnimalTakesDefaultsOwnerAddressAndWritesItsRowsTogether) {
    open();
    const int owner = saveNewOwner("MARIA DA SILVA", kCpf1, "maria@mail.com");
    trigger("actAnimalNovo");
    // Defaults by name whatever the case and accents; the breed's own size and coat give way to them.
    EXPECT_EQ(child<QComboBox>("dblGrupo_Animais")->currentText(), "Domiciliado");
    EXPECT_EQ(child<QComboBox>("dblEspecie")->currentText(), "CANINA");
    EXPECT_EQ(child<QComboBox>("dblRaca")->currentText(), "SEM RACA DEFINIDA - SRD");
    EXPECT_EQ(child<QComboBox>("dblPorte")->currentText(), "PEQUENO");
    EXPECT_EQ(child<QComboBox>("dblPelo")->currentText(), "CURTO");
    // The owner's address is copied and the group closed.
    EXPECT_EQ(child<QLineEdit>("dbeAnimalNumEndereco")->text(), "51");
    EXPECT_EQ(child<QLineEdit>("dbeAnimalLograd")->text(), "DAS FLORES");
    EXPECT_FALSE(child("grpEnderecoAnimal")->isEnabled());
    // A breed without a standard size keeps the size; its coat is taken.
    pick("dblRaca", "POODLE");
    EXPECT_EQ(child<QComboBox>("dblPorte")->currentText(), "PEQUENO");
    EXPECT_EQ(child<QComboBox>("dblPelo")->currentText(), "CRESPO");
    // An impossible birth date counts as missing.
    type("dbeNomeAnimal", "REX");
    type("dbeDt_Nascimento", "31022020");
    prompts.clear();
    trigger("actAnimalGravar");
    EXPECT_EQ(prompts.last(), kFaltaNascimento);
    trigger("actAnimalCancelar");

    saveNewAnimal("REX");
    saveNewAnimal("TOTO");
    EXPECT_EQ(prompts.last(), kOperacaoRealizada);
    const int toto = scalar("select max(id_animal) from animal").toInt();
    EXPECT_EQ(str(R"(
        select Nome || '/' || Id_Proprietario || '/' || Id_faixa_peso_animal || '/' || Id_Grupo_Animal
        from animal
        where id_animal = :a
    )",
                  {{"a", toto}}),
              QString("TOTO/%1/1/1").arg(owner));
    EXPECT_EQ(db::toDateTime(scalar("select Data_Nascimento from animal where id_animal = :a", {{"a", toto}})).date(),
              QDate(2020, 2, 1));
    EXPECT_EQ(str(R"(
        select e.NOM_LOGR || '/' || e.NUM_IMOV_LOGR || '/' || coalesce(cast(e.End_X as text), 'vazio')
        from endereco_animal l
        join endereco e on (e.id_endereco = l.id_endereco)
        where l.id_animal = :a
    )",
                  {{"a", toto}}),
              "DAS FLORES/51/vazio");
    EXPECT_EQ(rows("grupo_animal_animal", toto), 1);
    EXPECT_EQ(str(R"(
        select Id_Anterior_Proprietario || '/' || Id_Proprietario
        from histo_muda_proprietario
        where id_animal = :a
    )",
                  {{"a", toto}}),
              QString("0/%1").arg(owner));
    EXPECT_EQ(count("histo_muda_proprietario"), 2);
    // The list holds both animals, on the new one.
    EXPECT_EQ(frmPropAnimal->qryAnimal->recordCount(), 2);
    EXPECT_EQ(child<QLineEdit>("dbeNomeAnimal")->text(), "TOTO");
    EXPECT_EQ(child<QLineEdit>("dbeDt_Nascimento")->text(), "01/02/2020");

    // A change asks first; No keeps the typing and writes nothing.
    trigger("actAnimalAlterar");
    type("dbeNomeAnimal", "TOTO II");
    prompts.confirmations = {false};
    trigger("actAnimalGravar");
    EXPECT_EQ(prompts.last(), kAlteracaoAnimal);
    EXPECT_TRUE(frmPropAnimal->qryAnimal->isEditing());
    EXPECT_EQ(str("select Nome from animal where id_animal = :a", {{"a", toto}}), "TOTO");
    prompts.confirmations = {true};
    trigger("actAnimalGravar");
    EXPECT_EQ(str("select Nome from animal where id_animal = :a", {{"a", toto}}), "TOTO II");
    EXPECT_EQ(child<QLineEdit>("dbeNomeAnimal")->text(), "TOTO II");
}

// The birth date as the box's own dd/mm/yy ("010220") or d/m/yy, the year the latest such up to this one, is
// stored whole whether Gravar is clicked with the focus still in the box or after leaving it.
TEST_F(AnimalTest, ABirthDateTypedWithATwoDigitYearIsStored) {
    open();
    const int owner = saveNewOwner("MARIA DA SILVA", kCpf1, "maria@mail.com");
    frmPropAnimal->showAnimalPage();
    for (const char* typed : {"010220", "1/2/20"}) {
        SCOPED_TRACE(typed);
        press("ToolBar2", "actAnimalNovo");
        input::clickAndType(child("dbeNomeAnimal"), typed);
        input::chooseItem(child<QComboBox>("dbcSexo"), "M");
        input::chooseItem(child<QComboBox>("dbcEsterilizado"), "NAO");
        input::clickAndType(child("dbeDt_Nascimento"), typed);
        if (QString(typed).contains('/')) {
            input::pressKey(child("dbeDt_Nascimento"), Qt::Key_Tab);
            EXPECT_EQ(child<QLineEdit>("dbeDt_Nascimento")->text(), "01/02/2020");
        }
        prompts.clear();
        press("ToolBar2", "actAnimalGravar");
        EXPECT_EQ(prompts.texts(), QStringList{kOperacaoRealizada});
        EXPECT_EQ(db::toDateTime(scalar("select Data_Nascimento from animal where Id_Proprietario = :o and Nome = :n",
                                        {{"o", owner}, {"n", typed}}))
                      .date(),
                  QDate(2020, 2, 1));
    }
}

// The fault as a clerk met it: a breed clicked in the list was lost when the list was read again as the
// popup closed, and the save asked for a breed.
TEST_F(AnimalTest, SpeciesAndBreedClickedInTheirListsAreStoredAndTheBreedsFollowTheSpecies) {
    exec(
        R"(
            insert into raca (Id_Raca, Nome, Id_Especie, Id_Porte, Id_Pelo, Ind_Status)
            values (3, 'SIAMES', 2, 1, 1, 'ATIVO'), (4, 'PERSA', 2, 1, 2, 'ATIVO'),
                (5, 'ANGORA', 2, 1, 2, 'INATIVO')
        )");
    open();
    const int owner = saveNewOwner("MARIA DA SILVA", kCpf1, "maria@mail.com");
    frmPropAnimal->showAnimalPage();
    trigger("actAnimalNovo");
    auto* especie = child<QComboBox>("dblEspecie");
    auto* raca = child<QComboBox>("dblRaca");
    auto items = [](QComboBox* combo) {
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
        return texts.join('|').toStdString();
    };
    EXPECT_EQ(items(raca), "POODLE|SEM RACA DEFINIDA - SRD") << "the breeds of the default species";
    input::chooseItem(especie, "FELINA");
    EXPECT_EQ(especie->currentText(), "FELINA");
    EXPECT_EQ(items(raca), "PERSA|SIAMES") << "the active breeds of the species chosen";
    input::chooseItem(raca, "PERSA");
    EXPECT_EQ(raca->currentText().toStdString(), "PERSA");
    EXPECT_EQ(frmPropAnimal->qryAnimal->field("Id_Raca").toInt(), 4);
    EXPECT_EQ(child<QComboBox>("dblPelo")->currentText(), "LONGO") << "the breed's own coat";
    // Back into the list and out again, by mouse and by keyboard: the choice stays.
    input::click(raca, QPoint(raca->width() - 6, raca->height() / 2));
    input::pressKey(raca, Qt::Key_Escape);
    input::click(child("dbeNomeAnimal"));
    EXPECT_EQ(raca->currentText(), "PERSA");
    input::clickAndType(child("dbeNomeAnimal"), "MIMI");
    type("dbeDt_Nascimento", "01022020");
    pick("dbcSexo", "F");
    pick("dbcEsterilizado", "NAO");
    prompts.clear();
    trigger("actAnimalGravar");
    EXPECT_EQ(prompts.texts(), QStringList{kOperacaoRealizada});
    EXPECT_EQ(str("select Nome || '/' || Id_Especie || '/' || Id_Raca from animal where Id_Proprietario = :o",
                  {{"o", owner}}),
              "MIMI/2/4");
    EXPECT_EQ(raca->currentText(), "PERSA") << "the saved animal shows its breed";

    // A change of species offers the new species' breeds; its breed is chosen again and stored.
    trigger("actAnimalAlterar");
    EXPECT_EQ(raca->currentText(), "PERSA");
    input::chooseItem(especie, "CANINA");
    EXPECT_EQ(items(raca), "POODLE|SEM RACA DEFINIDA - SRD");
    EXPECT_EQ(raca->currentIndex(), -1) << "a breed of the other species is no choice";
    input::chooseItem(raca, "POODLE");
    prompts.clear();
    prompts.confirmations = {true};
    trigger("actAnimalGravar");
    EXPECT_EQ(prompts.last(), kOperacaoRealizada);
    EXPECT_EQ(str("select Id_Especie || '/' || Id_Raca from animal where Id_Proprietario = :o", {{"o", owner}}), "1/2");
}

// The caption and the owner panel once showed the owner before the one typed, and a count of animals from
// before the animals just added.
TEST_F(AnimalTest, CaptionAndPanelFollowTheOwnerTypedAndTheAnimalsAdded) {
    open();
    auto title = [] { return frmPropAnimal->windowTitle().toStdString(); };
    auto panel = [] { return frmPropAnimal->StatusBar1Panel0->text().toStdString(); };
    const int owner = saveNewOwner("MARIA DA SILVA", kCpf1, "maria@mail.com");
    EXPECT_EQ(title(), "Prop.: MARIA DA SILVA ele tem \"0\" animal(s) em seu nome.");
    EXPECT_EQ(panel(), QString("Prop.:%1 - MARIA DA SILVA").arg(owner).toStdString());
    saveNewAnimal("REX");
    EXPECT_EQ(title(), "Prop.: MARIA DA SILVA ele tem \"1\" animal(s) em seu nome.");
    saveNewAnimal("TOTO");
    EXPECT_EQ(title(), "Prop.: MARIA DA SILVA ele tem \"2\" animal(s) em seu nome.");
    prompts.confirmations = {true};
    trigger("actAnimalExcluir");
    EXPECT_EQ(title(), "Prop.: MARIA DA SILVA ele tem \"1\" animal(s) em seu nome.");

    // A name typed shows in the caption and the panel as it is typed, a new owner's without a code.
    QTabBar* pages = frmPropAnimal->PageControl1->tabBar();
    input::click(pages, pages->tabRect(0).center());
    trigger("actEdit");
    input::clickAndType(child("dbeNomeProp"), "S");
    EXPECT_EQ(title(), "MARIA DA SILVAS");
    EXPECT_EQ(panel(), QString("Prop.:%1 - MARIA DA SILVAS").arg(owner).toStdString());
    trigger("actCancel");
    trigger("actAppend");
    EXPECT_EQ(panel(), "") << "no owner is shown yet";
    input::clickAndType(child("dbeNomeProp"), "JOSÉ");
    EXPECT_EQ(title(), "JOSÉ");
    EXPECT_EQ(panel(), "Prop.: - JOSÉ");
    trigger("actCancel");
    EXPECT_EQ(title(), "006 - Cadastro de proprietário e animal.")
        << "no name that was never saved stays in the caption";
}

TEST_F(AnimalTest, FailedSaveLeavesNothingAndMissingGroupIsRefused) {
    open();
    const int owner = saveNewOwner("MARIA DA SILVA", kCpf1, "maria@mail.com");
    const int addresses = count("endereco");
    // The history row is the last write: its failure takes address, animal, link and group with it.
    exec(
        R"(
            insert into histo_muda_proprietario (Id_Histo_Muda_Proprietario, Id_Animal, Id_Proprietario)
            values (7, 99, :o)
        )",
        {{"o", owner}});
    exec("create unique index ux_histo_test on histo_muda_proprietario (Id_Proprietario)");
    saveNewAnimal("REX");
    exec("drop index ux_histo_test");
    EXPECT_EQ(prompts.last(), kErroGravarAnimal);
    EXPECT_EQ(count("animal"), 0);
    EXPECT_EQ(count("endereco"), addresses);
    EXPECT_EQ(count("endereco_animal"), 0);
    EXPECT_EQ(count("grupo_animal_animal"), 0);
    EXPECT_EQ(frmPropAnimal->qryAnimal->state(), db::DataSet::State::Insert);
    EXPECT_EQ(child<QLineEdit>("dbeNomeAnimal")->text(), "REX");
    trigger("actAnimalCancelar");

    // Without "DOMICILIADO" the group stays empty and the save stops at the group.
    exec("update grupo_animal set Nome = 'OUTRO' where Id_Grupo_Animal = 1");
    frmPropAnimal->animalPage->opening();
    prompts.clear();
    saveNewAnimal("REX");
    EXPECT_EQ(prompts.last(), kSelecioneGrupo);
    EXPECT_EQ(count("animal"), 0);
    trigger("actAnimalCancelar");
    EXPECT_FALSE(frmPropAnimal->qryAnimal->isEditing());
}

TEST_F(AnimalTest, DeleteRefusesAnimalsWithHistoryAndRemovesEveryRowOtherwise) {
    open();
    saveNewOwner("MARIA DA SILVA", kCpf1, "maria@mail.com");
    saveNewAnimal("REX");
    const int rex = scalar("select max(id_animal) from animal").toInt();
    // A second address of the animal's history.
    exec("insert into endereco (NOM_LOGR) values ('ANTIGA')");
    const int old = scalar("select max(id_endereco) from endereco").toInt();
    exec("insert into endereco_animal (id_animal, id_endereco) values (:a, :e)", {{"a", rex}, {"e", old}});
    const int addresses = count("endereco");

    const struct {
        const char* row;
        const char* undo;
        QString message;
    } refusals[] = {
        {"insert into histo_muda_proprietario (Id_Histo_Muda_Proprietario, Id_Animal) values (50, :a)",
         "delete from histo_muda_proprietario where Id_Histo_Muda_Proprietario = 50", kDonoAnterior},
        {"insert into atendimento_particular (Id_Atendimento_Particular, Id_Animal) values (1, :a)",
         "delete from atendimento_particular", kAtendimentoParticular},
        {"insert into atendimento (Id_Animal) values (:a)", "delete from atendimento", kAtendimento},
        {"insert into vacina (Id_vacina, Id_Animal) values (1, :a)", "delete from vacina", kVacinaRegistrada},
        {"insert into ocorrencia (Id_Ocorrencia, Id_Animal) values (1, :a)", "delete from ocorrencia",
         kOcorrenciaRegistrada},
    };
    for (const auto& r : refusals) {
        exec(r.row, {{"a", rex}});
        prompts.clear();
        trigger("actAnimalExcluir");
        EXPECT_EQ(prompts.texts(), QStringList{r.message});
        exec(r.undo);
    }
    EXPECT_EQ(count("animal"), 1);
    prompts.confirmations = {true};
    trigger("actAnimalExcluir");
    EXPECT_EQ(prompts.last(), kOperacaoRealizada);
    EXPECT_EQ(count("animal"), 0);
    EXPECT_EQ(count("endereco"), addresses - 2);
    EXPECT_EQ(count("endereco_animal") + count("grupo_animal_animal") + count("histo_muda_proprietario"), 0);
    EXPECT_EQ(frmPropAnimal->qryAnimal->recordCount(), 0);
}

// An animal stored with a breed since made inactive, or with a breed of another species (as the web system
// may write it), keeps that breed while it is changed: a change of its colour is saved without asking for
// another breed.
TEST_F(AnimalTest, AChangedAnimalKeepsItsStoredBreedWhenInactiveOrOfAnotherSpecies) {
    exec(
        R"(
            insert into raca (Id_Raca, Nome, Id_Especie, Id_Porte, Id_Pelo, Ind_Status)
            values (3, 'SIAMES', 2, 1, 1, 'ATIVO'), (5, 'ANGORA', 2, 1, 2, 'ATIVO')
        )");
    open();
    saveNewOwner("MARIA DA SILVA", kCpf1, "maria@mail.com");
    frmPropAnimal->showAnimalPage();
    saveNewAnimal("REX");
    saveNewAnimal("MIMI");
    exec("update animal set Id_Raca = 3 where Nome = 'REX'");
    exec("update animal set Id_Especie = 2, Id_Raca = 5 where Nome = 'MIMI'");
    exec("update raca set Ind_Status = 'INATIVO' where Id_Raca = 5");
    press("ToolBar2", "actAnimalAtualizar");
    auto* raca = child<QComboBox>("dblRaca");
    for (const char* animal : {"REX", "MIMI"}) {
        SCOPED_TRACE(animal);
        ASSERT_EQ(child<QLineEdit>("dbeNomeAnimal")->text(), animal);
        const QString breed = animal == QString("REX") ? "SIAMES" : "ANGORA";
        press("ToolBar2", "actAnimalAlterar");
        EXPECT_EQ(raca->currentText(), breed);
        input::clickAndType(child("dbeCor"), "PRETO");
        prompts.clear();
        prompts.confirmations = {true};
        press("ToolBar2", "actAnimalGravar");
        EXPECT_EQ(prompts.texts(), QStringList({kAlteracaoAnimal, kOperacaoRealizada}));
        EXPECT_EQ(str(R"(
            select r.Nome || '/' || a.Cor
            from animal a
            join raca r on (r.Id_Raca = a.Id_Raca)
            where a.Nome = :n
        )",
                      {{"n", animal}}),
                  breed + "/PRETO");
        if (breed == "SIAMES")
            press("ToolBar2", "DataSetNext1");
    }
    // Another species chosen offers that species' active breeds only.
    press("ToolBar2", "actAnimalAlterar");
    input::chooseItem(child<QComboBox>("dblEspecie"), "CANINA");
    EXPECT_EQ(raca->findText("ANGORA"), -1);
    EXPECT_EQ(raca->currentIndex(), -1);
}

// The animal page's tool bar keeps every action in sight beside an owner's long name.
TEST_F(AnimalTest, TheToolBarShowsEveryActionBesideALongOwnersName) {
    open();
    saveNewOwner("MARIA CONCEICAO DOS SANTOS WANDERLEY DE ALBUQUERQU", kCpf1, "maria@mail.com");
    frmPropAnimal->showAnimalPage();
    auto* bar = child<QToolBar>("ToolBar2");
    input::turnToPage(bar);
    QStringList hidden;
    for (QAction* action : bar->actions())
        if (!action->isSeparator() && !(bar->widgetForAction(action) && bar->widgetForAction(action)->isVisible()))
            hidden << action->text();
    EXPECT_TRUE(hidden.isEmpty()) << hidden.join(", ").toStdString();
    EXPECT_TRUE(child("lblNomeProprietario")->isVisible()) << "the name in what width the buttons leave";
}
