// SPDX-License-Identifier: GPL-3.0-or-later
// The occurrence register (checks of an add in their order, the closing type, rollback, rights, REL037 and
// the export read back by an independent reader), the vaccination page and the owner register's side actions.
#include "EventsFixture.h"

#include "DbfReader.h"
#include "ForeignReaders.h"
#include "UserInput.h"

#include "platform/ui/DateEdit.h"
#include "registry/animal/AnimalPage.h"
#include "registry/animal/UEndereco_Animal.h"
#include "registry/events/AnimalEventRules.h"
#include "registry/events/URegistroOcorrencia.h"
#include "registry/events/VaccinationPage.h"

#include <QPushButton>
#include <QTemporaryDir>

using namespace common;
using namespace registry;

class OccurrenceTest : public EventsTest {
protected:
    TfrmRegistroOcorrencia* openRegister() {
        openerFor("actRegistroOcorrencia")();
        QCoreApplication::processEvents();
        return frmRegistroOcorrencia.data();
    }

    static void choose(QComboBox* combo, int key) { combo->setCurrentIndex(combo->findData(key)); }

    // Chooses the type, types the date and presses Incluir.
    void add(TfrmRegistroOcorrencia* f, int type, const QString& date) {
        choose(f->cbbTipoOcorrencia, type);
        input::clickAndType(f->mkeDataOcorrencia, date);
        input::clickButton(f->bmpIncluir);
    }

    int occurrences(int animal) {
        return scalar("select count(*) from ocorrencia where id_animal = :a", {{"a", animal}}).toInt();
    }
};

TEST_F(OccurrenceTest, AddChecksInOrderClosingTypeBlocksEveryLaterAddAndFailureRollsBack) {
    TfrmRegistroOcorrencia* f = openRegister();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->dblProprietario->count(), 3);
    choose(f->dblProprietario, 3);  // CAIO has no animal
    f->bmpIncluir->click();
    EXPECT_EQ(prompts.last(), kFaltaDigitarData);
    input::clickAndType(f->mkeDataOcorrencia, "31/02/24");
    input::clickButton(f->bmpIncluir);
    EXPECT_EQ(prompts.last(), kFaltaOcorrencia);
    add(f, 1, "31/02/24");
    EXPECT_EQ(prompts.last(), kFaltaAnimalOcorrencia);
    choose(f->dblProprietario, 1);
    EXPECT_EQ(f->edtCodAnimal->text(), "10");
    add(f, 1, "31/02/24");  // an impossible date writes nothing
    EXPECT_EQ(prompts.last(), kFaltaDataOcorrencia);
    EXPECT_EQ(count("ocorrencia"), 0);

    // Four digits of the year are stored as typed (never read as dd/mm/yy: 07/12/20).
    add(f, 1, "07122026");
    EXPECT_EQ(prompts.last(), kOcorrenciaRealizada);
    EXPECT_EQ(storedDate("select Dt_Ocorrencia from ocorrencia"), QDate(2026, 12, 7));
    EXPECT_EQ(f->mkeDataOcorrencia->text(), "07/12/2026");
    EXPECT_EQ(str("select Inserido_Por from ocorrencia"), "1");
    EXPECT_EQ(f->qryOcorrencia->recordCount(), 1);
    EXPECT_EQ(f->qryOcorrencia->str("NomeOcorrencia"), "CONSULTA");
    // The same type asks first; No writes nothing.
    prompts.confirmations = {false};
    add(f, 1, "06/03/99");
    EXPECT_EQ(prompts.last(), kOcorrenciaIdentica);
    EXPECT_EQ(occurrences(10), 1);
    prompts.confirmations = {true};
    add(f, 1, "06/03/99");
    EXPECT_EQ(storedDate("select max(Dt_Ocorrencia) from ocorrencia where Dt_Ocorrencia < :d",
                         {{"d", QDateTime(QDate(2000, 1, 1), QTime(0, 0))}}),
              QDate(1999, 3, 6));
    // A closing occurrence, dated after the others, blocks every further add whatever its date.
    add(f, 2, "10/12/2026");
    EXPECT_EQ(prompts.last(), kOcorrenciaRealizada);
    choose(f->cbbTipoOcorrencia, 2);
    EXPECT_TRUE(f->cbbTipoOcorrencia->toolTip().startsWith(kFinalizaCaso));
    // The same-type question comes first, the closed case's refusal after it; No ends the add before it.
    prompts.clear();
    prompts.confirmations = {true};
    add(f, 1, "01/01/20");
    EXPECT_EQ(prompts.texts(), QStringList({kOcorrenciaIdentica, kOcorrenciaImpede.arg("OBITO")}));
    prompts.clear();
    prompts.confirmations = {false};
    add(f, 1, "01/01/20");
    EXPECT_EQ(prompts.texts(), QStringList{kOcorrenciaIdentica});
    EXPECT_EQ(occurrences(10), 3);

    // A failed insert rolls back and says so.
    choose(f->dblNomeAnimal, 11);
    add(f, 1, "05/03/24");
    exec("create unique index ux_ocorrencia_test on ocorrencia (Id_Animal, Dt_Ocorrencia)");
    prompts.confirmations = {true};
    add(f, 1, "05/03/24");
    exec("drop index ux_ocorrencia_test");
    EXPECT_EQ(prompts.asked.last().kind, Prompts::Kind::Error);
    EXPECT_EQ(prompts.last(), kErroGravarOcorrencia);
    EXPECT_EQ(occurrences(11), 1);
    EXPECT_FALSE(db::inTransaction());

    // Delete: the current row after its question; none left: refused.
    prompts.confirmations = {true};
    f->bmpExcluir->click();
    EXPECT_EQ(prompts.last(), kOcorrenciaRealizada);
    EXPECT_EQ(occurrences(11), 0);
    f->bmpExcluir->click();
    EXPECT_EQ(prompts.last(), kOcorrenciaNaoEncontrada);
}

TEST_F(OccurrenceTest, RightsHideButtonsPrintRefusesAndReportAndExportHoldTheRows) {
    exec(
        R"(
            insert into perfil_form (Id_Perfil, Id_Form, Visualizar, Incluir, Alterar, Excluir, Imprimir)
            values (1000, 22, 'S', 'N', 'N', 'N', 'N')
        )");
    TfrmRegistroOcorrencia* f = openRegister();
    EXPECT_TRUE(f->bmpIncluir->isHidden());
    EXPECT_TRUE(f->bmpExcluir->isHidden());
    EXPECT_TRUE(f->actPrint->isVisible());  // printing is not the rights' to hide here

    choose(f->dblProprietario, 3);
    f->actPrint->trigger();
    EXPECT_EQ(prompts.last(), kRegistroNaoLocalizado);
    choose(f->dblProprietario, 1);
    f->actPrint->trigger();
    EXPECT_EQ(prompts.last(), kSemIntercorrencia);
    EXPECT_TRUE(prompts.previews.isEmpty());
    exec(
        R"(
            insert into ocorrencia (Id_Ocorrencia, Id_Animal, Id_Tipo_Ocorrencia, Dt_Ocorrencia)
            values (1, 10, 2, :late), (2, 10, 1, :early), (3, 12, 1, :early)
        )",
        {{"late", QDateTime(QDate(2024, 5, 1), QTime(0, 0))}, {"early", QDateTime(QDate(2024, 3, 5), QTime(0, 0))}});
    f->actPrint->trigger();
    ASSERT_EQ(prompts.previews.size(), 1);
    EXPECT_FALSE(prompts.previews[0].modal);
    const QStringList lines = printedLines(*prompts.previews[0].report);
    for (const char* expected :
         {"PROPRIETÁRIO: 1 - ANA ANIMAL: 10 - REX", "ESPECIE:CANINA, RAÇA:POODLE, PORTE:, PELO:, DT NASC.:01/02/2020",
          "ENDEREÇO PROPRIET.:R: DAS FLORES 51, CASA 2 BAIRRO: CENTRO", "Pag.: 1"})
        EXPECT_TRUE(lines.contains(expected)) << expected << "\n" << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains("OCORRÊNCIA ATRIBUÍDA À REX REL037"));
    const int consulta = int(lines.indexOf("Data: 05/03/2024 Intercorrência CONSULTA"));
    EXPECT_GE(consulta, 0);
    EXPECT_EQ(lines.value(consulta + 1), "Data: 01/05/2024 Intercorrência OBITO");  // by date
    EXPECT_EQ(printedText(*prompts.previews[0].report).count("PROPRIETÁRIO:"), 1);

    // The export holds every occurrence of every animal.
    exec("update proprietario set Nome = :n where Nome = 'BIA'", {{"n", kNameBeyondLatin1}});
    QTemporaryDir dir;
    prompts.fileNames = {dir.filePath("ocorrencias")};
    f->actExportarIntercorrencia->trigger();
    EXPECT_EQ(prompts.last(), kExportacaoConcluida);
    const DbfContents dbf = readDbf(dir.filePath("ocorrencias.dbf"));
    EXPECT_EQ(
        dbf.names,
        QStringList({"dt_ocorren", "id_animal",  "nomeanimal", "id_proprie", "nomepropri", "sexo",      "data_nasci",
                     "esteriliza", "num_microc", "nomeraca",   "nomeespeci", "nomepelo",   "nomeporte", "nometipo_o",
                     "num_logr",   "tip_logr",   "nom_logr",   "num_imov_l", "des_cmpl_e", "nom_bair",  "num_cep"}));
    EXPECT_TRUE(dbf.specs.contains("dt_ocorren D"));
    EXPECT_TRUE(dbf.specs.contains("id_animal N(11,0)"));
    ASSERT_EQ(dbf.rows.size(), 3);
    EXPECT_EQ(dbf.value(0, "dt_ocorren").toString(), "2024-05-01");
    EXPECT_EQ(dbf.value(0, "nomeanimal").toString(), "REX");
    EXPECT_EQ(dbf.value(0, "nometipo_o").toString(), "OBITO");
    EXPECT_EQ(dbf.value(0, "nom_logr").toString(), "DAS FLORES");
    EXPECT_EQ(dbf.value(2, "nomepropri").toString(), kNameBeyondLatin1Written);
    expectForeignReadable(dir.filePath("ocorrencias.dbf"), "nomepropri", kNameBeyondLatin1Written);
    EXPECT_TRUE(dbf.value(2, "nom_logr").toString().isEmpty());
}

TEST_F(OccurrenceTest, VaccinationPageRefusesInconsistentChoicesAsksOnDuplicatesAndDeletes) {
    exec(
        R"(
            insert into tipo_vacina (Id_tipo_vacina, Nome, Ind_registro_ativo)
            values (1, 'Não se aplica', 'ATIVO '), (2, 'V10', 'ATIVO'), (3, 'ANTIGA', 'INATIVO')
        )");
    for (const char* table : {"tipo_motivo_nao_vacina", "tipo_vacina_ocorrencia"})
        exec(QString(R"(
            insert into %1
            values (1, 'Não se aplica', null, 'ATIVO', null, null, null, null),
                (2, 'OUTRO', null, 'ATIVO', null, null, null, null)
        )")
                 .arg(table));
    open();
    frmPropAnimal->openOwner(1, 11);
    frmPropAnimal->PageControl1->setCurrentWidget(frmPropAnimal->TabSheet3);
    VaccinationPage* page = frmPropAnimal->vaccinationPage;
    EXPECT_EQ(page->dblTipoVacina->count(), 2);  // the inactive vaccine is not offered
    page->BitBtn3->click();
    EXPECT_EQ(prompts.last(), kFaltaVacina);
    auto pick3 = [&](const QString& vaccine, const QString& reason, const QString& intercurrence) {
        page->dblTipoVacina->setCurrentText(vaccine);
        page->dblMotivoNaoVacina->setCurrentText(reason);
        page->dblIntercorrenciaVacina->setCurrentText(intercurrence);
    };
    page->dblTipoVacina->setCurrentText("V10");
    page->BitBtn3->click();
    EXPECT_EQ(prompts.last(), kFaltaMotivo);
    pick3("V10", "OUTRO", kNaoSeAplica);
    page->BitBtn3->click();
    EXPECT_EQ(prompts.last(), kInconsistencia);
    EXPECT_EQ(count("vacina"), 0);

    pick3("V10", kNaoSeAplica, kNaoSeAplica);
    input::clickAndType(page->dtpData, "05032024");
    page->BitBtn3->click();
    EXPECT_EQ(prompts.last(), kOperacaoRealizada);
    EXPECT_EQ(str(R"(
        select Id_Animal || '/' || Id_tipo_vacina || '/' || Id_tipo_motivo_nao_vacina || '/'
            || Id_tipo_vacina_ocorrencia || '/' || Inserido_por
        from vacina
    )"),
              "11/2/1/1/1");
    ASSERT_EQ(page->qryVacinaGrid->recordCount(), 1);
    EXPECT_EQ(page->qryVacinaGrid->str("nomeTipoVacina"), "V10");
    // The same on the same day asks; No cancels, Yes writes a second row.
    prompts.confirmations = {false};
    page->BitBtn3->click();
    EXPECT_EQ(prompts.texts().mid(prompts.texts().size() - 2), QStringList({kVacinaIdentica, kCanceladaPeloUsuario}));
    prompts.confirmations = {true};
    page->BitBtn3->click();
    EXPECT_EQ(count("vacina"), 2);
    EXPECT_EQ(scalar("select max(Id_vacina) from vacina").toInt(), 2);

    // The grid follows the animal; delete asks and reloads.
    frmPropAnimal->qryAnimal->locate("Id_Animal", 10);
    EXPECT_EQ(page->qryVacinaGrid->recordCount(), 0);
    page->BitBtn5->click();
    EXPECT_EQ(prompts.last(), kNadaParaExcluir);
    frmPropAnimal->qryAnimal->locate("Id_Animal", 11);
    prompts.confirmations = {true};
    page->BitBtn5->click();
    EXPECT_EQ(count("vacina"), 1);
    EXPECT_EQ(page->qryVacinaGrid->recordCount(), 1);
}

// An occurrence or a vaccination added for an animal that another program deleted after the form read it is told
// as changed or deleted, and nothing is stored.
TEST_F(OccurrenceTest, RowsAddedForAnAnimalDeletedMeanwhileAreToldAsChangedOrDeleted) {
    exec("insert into tipo_vacina (Id_tipo_vacina, Nome, Ind_registro_ativo) values (2, 'V10', 'ativo')");
    for (const char* table : {"tipo_motivo_nao_vacina", "tipo_vacina_ocorrencia"})
        exec(QString("insert into %1 values (1, 'Não se aplica', null, 'ATIVO', null, null, null, null)").arg(table));
    TfrmRegistroOcorrencia* f = openRegister();
    choose(f->dblProprietario, 1);
    EXPECT_EQ(f->edtCodAnimal->text(), "10");
    open();
    frmPropAnimal->openOwner(1, 11);
    frmPropAnimal->PageControl1->setCurrentWidget(frmPropAnimal->TabSheet3);
    VaccinationPage* page = frmPropAnimal->vaccinationPage;
    input::chooseItem(page->dblTipoVacina, "V10");
    input::chooseItem(page->dblMotivoNaoVacina, kNaoSeAplica);
    input::chooseItem(page->dblIntercorrenciaVacina, kNaoSeAplica);
    input::clickAndType(page->dtpData, "05032024");
    {
        OtherWorkstation web;
        ASSERT_TRUE(web.exec("delete from animal where Id_Animal in (10, 11)"));
    }
    prompts.clear();
    add(f, 1, "07122026");
    input::clickButton(page->BitBtn3);
    EXPECT_EQ(prompts.texts(), QStringList({db::kRegistroAlterado, db::kRegistroAlterado}));
    EXPECT_EQ(count("ocorrencia") + count("vacina"), 0);
}

TEST_F(OccurrenceTest, SideActionsHandOffSavedAnimalsOnlyOpenItsOccurrencesAndShowWhoWroteIt) {
    int booked = 0;
    registerOpener("actMarcaAtendimento", [&] { ++booked; });
    open();
    frmPropAnimal->openOwner(1, 11);
    ModoAgendamento = 5;
    trigger("actMarcaAtendimento");
    EXPECT_EQ(booked, 1);
    EXPECT_EQ(ModoAgendamento, 1);
    EXPECT_EQ(ProprietarioAgendamento, "1");
    EXPECT_EQ(AnimalAgendamento, "11");

    // The animal being inserted is not saved yet: refused, the hand-off stays cleared.
    trigger("actAnimalNovo");
    type("dbeNomeAnimal", "NOVO");
    trigger("actMarcaAtendimento");
    EXPECT_EQ(prompts.asked.last().kind, Prompts::Kind::Error);
    EXPECT_EQ(prompts.last(), kAnimalNaoCadastrado);
    EXPECT_EQ(booked, 1);
    EXPECT_EQ(ModoAgendamento, 0);
    EXPECT_TRUE(ProprietarioAgendamento.isEmpty() && AnimalAgendamento.isEmpty());
    trigger("actAnimalCancelar");

    // The occurrences open on this owner only, on the current animal.
    frmPropAnimal->qryAnimal->locate("Id_Animal", 11);
    trigger("actOcorrencia");
    ASSERT_TRUE(frmRegistroOcorrencia);
    EXPECT_EQ(frmRegistroOcorrencia->dblProprietario->count(), 1);
    EXPECT_EQ(frmRegistroOcorrencia->ownerId(), 1);
    EXPECT_EQ(frmRegistroOcorrencia->animalId(), 11);

    // Who inserted it; who changed it once it was changed; nothing without an animal.
    frmPropAnimal->qryAnimal->locate("Id_Animal", 10);
    trigger("actInformacao");
    EXPECT_EQ(prompts.last(), "Usuário que inseriu o registro:ADMINISTRADORData da inserção:02/01/2024 08:30:00\n");
    exec("update animal set Modificado_por = 2, Modificado_Em = :w where id_animal = 10",
         {{"w", QDateTime(QDate(2024, 2, 3), QTime(9, 0))}});
    trigger("actInformacao");
    EXPECT_TRUE(
        prompts.last().endsWith("\nUsuário que Modificou o registro:OPERADORData de modificação:03/02/2024 09:00:00"));
    frmPropAnimal->openOwner(3);
    trigger("actInformacao");
    EXPECT_EQ(prompts.last(), kSemInformacao);

    // Right after a new owner is saved, the owner handed over is the one just inserted.
    const int owner = saveNewOwner("DORA NOVA", kCpf2, "dora@mail.com");
    ASSERT_GT(owner, 3);
    exec("insert into animal (Id_Animal, Id_Proprietario, Nome) values (20, :o, 'FILHOTE')", {{"o", owner}});
    trigger("actAnimalAtualizar");
    trigger("actMarcaAtendimento");
    EXPECT_EQ(ProprietarioAgendamento, QString::number(IdProprietarioAtual));
    EXPECT_EQ(ProprietarioAgendamento, QString::number(owner));
    EXPECT_EQ(AnimalAgendamento, "20");
    registerOpener("actMarcaAtendimento", {});
}
