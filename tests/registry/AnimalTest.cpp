// The animal page end to end: defaults, the owner's address, a new animal with its companion rows in one
// transaction, the change's question, and the delete's refusals and cascade.
#include "RegistryFixture.h"

#include "registry/AnimalPage.h"

#include <QPlainTextEdit>

class AnimalTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        exec("insert into grupo_animal (Id_Grupo_Animal, Nome) values (1, 'Domiciliado'), (2, 'ERRANTE')");
        exec("insert into especie (Id_Especie, Nome) values (1, 'CANINA'), (2, 'FELINA')");
        exec("insert into porte (Id_porte, Descricao) values (1, 'PEQUENO'), (2, 'GRANDE')");
        exec("insert into pelo (Id_pelo, Descricao) values (1, 'CURTO'), (2, 'LONGO'), (3, 'CRESPO')");
        exec("insert into raca (Id_Raca, Nome, Id_Especie, Id_Porte, Id_Pelo, Ind_Status) values "
             "(1, 'SEM RACA DEFINIDA - SRD', 1, 2, 2, 'ATIVO'), (2, 'POODLE', 1, null, 3, 'ATIVO')");
    }

    // A new animal of the owner on show, typed and saved.
    void saveNewAnimal(const QString& name) {
        trigger("actAnimalNovo");
        type("dbeNomeAnimal", name);
        type("dbeDt_Nascimento", "01022020");
        pick("dbcSexo", "M");
        pick("dbcEsterilizado", "NAO");
        trigger("actAnimalGravar");
    }

    int rows(const QString& table, int animal) {
        return scalar(QString("select count(*) from %1 where id_animal = :a").arg(table), {{"a", animal}}).toInt();
    }
};

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
    EXPECT_EQ(str("select Nome || '/' || Id_Proprietario || '/' || Id_faixa_peso_animal || '/' || Id_Grupo_Animal "
                  "from animal where id_animal = :a", {{"a", toto}}),
              QString("TOTO/%1/1/1").arg(owner));
    EXPECT_EQ(db::toDateTime(scalar("select Data_Nascimento from animal where id_animal = :a", {{"a", toto}})).date(),
              QDate(2020, 2, 1));
    EXPECT_EQ(str("select e.NOM_LOGR || '/' || e.NUM_IMOV_LOGR || '/' || coalesce(cast(e.End_X as text), 'vazio') "
                  "from endereco_animal l join endereco e on (e.id_endereco = l.id_endereco) where l.id_animal = :a",
                  {{"a", toto}}),
              "DAS FLORES/51/vazio");
    EXPECT_EQ(rows("grupo_animal_animal", toto), 1);
    EXPECT_EQ(str("select Id_Anterior_Proprietario || '/' || Id_Proprietario from histo_muda_proprietario "
                  "where id_animal = :a", {{"a", toto}}),
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

TEST_F(AnimalTest, FailedSaveLeavesNothingAndMissingGroupIsRefused) {
    open();
    const int owner = saveNewOwner("MARIA DA SILVA", kCpf1, "maria@mail.com");
    const int addresses = count("endereco");
    // The history row is the last write: its failure takes address, animal, link and group with it.
    exec("insert into histo_muda_proprietario (Id_Histo_Muda_Proprietario, Id_Animal, Id_Proprietario) values (7, 99, :o)",
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
