// SPDX-License-Identifier: GPL-3.0-or-later
// What single registers do beyond the family's common steps.

#include "RegistersFixture.h"

#include <QLabel>
#include <QTabWidget>

class Members : public RegistersTest {
protected:
    static QString gridText(QWidget* form, int row, const QString& title) {
        QAbstractItemModel* model = child<QTableView>(form, "dbgPrincipal")->model();
        for (int c = 0; c < model->columnCount(); ++c)
            if (model->headerData(c, Qt::Horizontal).toString() == title)
                return model->index(row, c).data().toString();
        ADD_FAILURE() << "no column " << title.toStdString();
        return {};
    }

    static QStringList titles(QWidget* form) {
        QAbstractItemModel* model = child<QTableView>(form, "dbgPrincipal")->model();
        QStringList out;
        for (int c = 0; c < model->columnCount(); ++c)
            out << model->headerData(c, Qt::Horizontal).toString();
        return out;
    }

    static QStringList items(QWidget* form, const QString& combo) {
        QStringList out;
        auto* box = child<QComboBox>(form, combo);
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    }
};

TEST_F(Members, GridsShowTheirOwnColumns) {
    const QList<std::pair<QString, QStringList>> expected{
        {"actGrupoAnimais", {"Código", "Nome", "Status", "Descrição"}},
        {"actPelo", {"Código", "Status", "Nome"}},
        {"actPorteAnimal", {"Código", "Status", "Nome"}},
        {"actMedicamento", {"Código", "Nome", "Unidade medida", "Status", "Descrição"}},
        {"actTipoOcorrencia", {"Código", "Nome", "Finaliza caso", "Status", "Descrição"}},
        {"actReceituario_Texto_Peso", {"Código", "Peso", "Status"}},
    };
    for (const auto& [action, columns] : expected)
        EXPECT_EQ(titles(open(action)), columns) << action.toStdString();
}

TEST_F(Members, BreedLooksUpSpeciesSizeAndCoatInThatOrderOnTwoPages) {
    exec("insert into especie (Id_Especie, Nome, Ind_Status) values (1, 'CANINA', 'ATIVO'), (2, 'FELINA', 'INATIVO')");
    exec(
        "insert into porte (Id_porte, Descricao, Ind_Status) values (1, 'PEQUENO', 'ATIVO'), (3, 'GRANDE', 'INATIVO')");
    exec("insert into pelo (Id_pelo, Descricao, Ind_Status) values (4, 'CURTO', 'ATIVO'), (5, 'LONGO', 'INATIVO')");
    ReferenceForm* form = open("actRaca");
    // Every row is offered, inactive ones included.
    EXPECT_EQ(items(form, "dblEspecie"), (QStringList{"CANINA", "FELINA"}));
    EXPECT_EQ(items(form, "dblPorte"), (QStringList{"PEQUENO", "GRANDE"}));
    EXPECT_EQ(items(form, "dblPelo"), (QStringList{"CURTO", "LONGO"}));
    auto* pages = child<QTabWidget>(form, "pgcPrincipal");
    EXPECT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(2), "Padrão da raça");
    EXPECT_EQ(child<QWidget>(form, "dblPorte")->parentWidget(), pages->widget(2));
    QStringList labels;
    for (const QLabel* label : form->findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains("Especie")) << labels.join('|').toStdString();

    trigger(form, "actAppend");
    type(form, "dbeNome", "vira-lata");
    EXPECT_EQ(child<QLineEdit>(form, "dbeNome")->text(), "VIRA-LATA");
    EXPECT_EQ(child<QLineEdit>(form, "dbeNomePadrao")->text(), "VIRA-LATA");
    EXPECT_TRUE(child<QLineEdit>(form, "dbeNomePadrao")->isReadOnly());
    pick(form, "dblPelo", "LONGO");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Falta selecionar a especie!");
    EXPECT_EQ(pages->currentIndex(), 0);
    pick(form, "dblEspecie", "FELINA");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Falta selecionar o porte do animal!");
    EXPECT_EQ(pages->currentIndex(), 2);
    pick(form, "dblPorte", "GRANDE");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!");
    EXPECT_EQ(str("select Nome || '/' || Id_Especie || '/' || Id_Porte || '/' || Id_Pelo from raca where Id_Raca = 1"),
              "VIRA-LATA/2/3/5");

    // A species that is gone shows no choice and is asked for again.
    exec("delete from especie where Id_Especie = 2");
    ReferenceForm* again = open("actRaca");
    EXPECT_EQ(child<QComboBox>(again, "dblEspecie")->currentIndex(), -1);
    EXPECT_EQ(child<QComboBox>(again, "dblPorte")->currentText(), "GRANDE");
    trigger(again, "actEdit");
    trigger(again, "actPost");
    EXPECT_EQ(prompts.last(), "Falta selecionar a especie!");
}

TEST_F(Members, MedicineAsksForTheNameBeforeTheUnitAndShowsTheUnitsName) {
    exec(
        R"(
            insert into unidade_medida (Id_Unidade_Medida, Nome, Descricao, Ind_Status)
            values (1, 'ML', 'Mililitro', 'ATIVO'), (2, 'MG', 'Miligrama', 'INATIVO')
        )");
    ReferenceForm* form = open("actMedicamento");
    EXPECT_EQ(items(form, "dblUnidadeMedida"), (QStringList{"ML", "MG"}));
    area->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(area));
    trigger(form, "actAppend");
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(form, "dbeNome"));
    pick(form, "dblUnidadeMedida", "MG");
    EXPECT_EQ(child<QComboBox>(form, "dblUnidadeMedida")->toolTip(), "Miligrama");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Falta digitar o nome do medicamento!");
    type(form, "dbeNome", "dipirona");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!");
    EXPECT_EQ(str("select Nome || '/' || Id_Unidade_Medida from medicamento"), "DIPIRONA/2");
    EXPECT_EQ(gridText(form, 0, "Unidade medida"), "MG");

    trigger(form, "actAppend");
    type(form, "dbeNome", "soro");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Falta selecionar a unidade de medida!");

    // The unit's name is read again with the rows; a row without a unit shows none.
    trigger(form, "actCancel");
    exec("insert into medicamento (Id_Medicamento, Nome) values (9, 'SEM UNIDADE')");
    exec("update unidade_medida set Nome = 'MILIGRAMA' where Id_Unidade_Medida = 2");
    trigger(form, "actRefresh");
    EXPECT_EQ(gridText(form, 0, "Unidade medida"), "MILIGRAMA");
    EXPECT_EQ(gridText(form, 1, "Unidade medida"), "");
}

TEST(Weight, IsDigitsWithAnOptionalDecimalCommaAndDigits) {
    for (const char* weight : {"12", "12,5", "0,755", " 7 "})
        EXPECT_TRUE(isWeight(weight)) << weight;
    for (const char* notWeight : {"", ",", "12,", ",5", "1,2,3", "1.5", "-3", "١٢"})
        EXPECT_FALSE(isWeight(QString::fromUtf8(notWeight))) << notWeight;
}

TEST_F(Members, WeightTextsTakeTheDecimalComma) {
    ReferenceForm* form = open("actReceituario_Texto_Peso");
    EXPECT_FALSE(child<QAction>(form, "actPesquisar")->isVisible());
    trigger(form, "actAppend");
    type(form, "dbmTexto", "Dar meio comprimido.");
    QTest::keyClick(child(form, "dbmTexto"), Qt::Key_Return);
    type(form, "dbmTexto", "Repetir em 12 horas.");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Falta preencher !");
    type(form, "dbePeso", ",");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Falta preencher !") << "a lone comma is no weight";
    EXPECT_EQ(count("receituario_texto_peso"), 0);
    type(form, "dbePeso", "1a2.5x");
    EXPECT_EQ(child<QLineEdit>(form, "dbePeso")->text(), "12,5");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!");
    EXPECT_DOUBLE_EQ(scalar("select Peso from receituario_texto_peso").toDouble(), 12.5);
    EXPECT_EQ(str("select Texto from receituario_texto_peso"), "Dar meio comprimido.\nRepetir em 12 horas.");

    ReferenceForm* again = open("actReceituario_Texto_Peso");
    EXPECT_EQ(child<QLineEdit>(again, "dbePeso")->text(), "12,5");
    EXPECT_EQ(gridText(again, 0, "Peso"), "12,5");
    trigger(again, "actEdit");
    type(again, "dbePeso", "0,7555");
    trigger(again, "actPost");
    EXPECT_DOUBLE_EQ(scalar("select Peso from receituario_texto_peso").toDouble(), 0.755);  // three decimals at most
}

TEST_F(Members, OccurrenceTypesCloseTheCaseOnlyWhenTicked) {
    ReferenceForm* form = open("actTipoOcorrencia");
    trigger(form, "actAppend");
    EXPECT_FALSE(child<QCheckBox>(form, "dbcFinalizaCaso")->isChecked());
    EXPECT_EQ(child<QCheckBox>(form, "dbcFinalizaCaso")->text(), "Finaliza o caso.");
    type(form, "dbeNome", "obito");
    trigger(form, "actPost");
    trigger(form, "actAppend");
    type(form, "dbeNome", "castrado");
    tick(form, "dbcFinalizaCaso");
    trigger(form, "actPost");
    EXPECT_EQ(str("select Ind_Finaliza_Caso from tipo_ocorrencia where Id_Tipo_Ocorrencia = 1"), "NAO");
    EXPECT_EQ(str("select Ind_Finaliza_Caso from tipo_ocorrencia where Id_Tipo_Ocorrencia = 2"), "SIM");
    trigger(form, "actRefresh");
    EXPECT_EQ(gridText(form, 1, "Finaliza caso"), "SIM");

    // Read only while browsing: a tick changes nothing.
    trigger(form, "actLast");
    tick(form, "dbcFinalizaCaso");
    EXPECT_TRUE(child<QCheckBox>(form, "dbcFinalizaCaso")->isChecked());
    trigger(form, "actEdit");
    tick(form, "dbcFinalizaCaso");
    trigger(form, "actPost");
    EXPECT_EQ(str("select Ind_Finaliza_Caso from tipo_ocorrencia where Id_Tipo_Ocorrencia = 2"), "NAO");
}

TEST_F(Members, StatusesAnswerAnyDeleteErrorWithTheirOwnMessage) {
    exec("insert into atendimento_status (Id_Atendimento_Status, Nome) values (1, 'AGENDADO')");
    ReferenceForm* form = open("actStatusAtendimento");
    exec("alter table atendimento rename to atendimento_fora");
    remove(form, true);
    exec("alter table atendimento_fora rename to atendimento");
    EXPECT_EQ(prompts.texts(), QStringList{"Erro ao tentar excluir o registro!"});
    EXPECT_EQ(count("atendimento_status"), 1);

    // The others show the database's error in the error box.
    exec("insert into unidade_medida (Id_Unidade_Medida, Nome) values (1, 'ML')");
    ReferenceForm* units = open("actUnidadeMedida");
    prompts.clear();
    exec("alter table medicamento rename to medicamento_fora");
    remove(units, true);
    exec("alter table medicamento_fora rename to medicamento");
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].kind, Prompts::Kind::Error);
    EXPECT_EQ(count("unidade_medida"), 1);
}

TEST_F(Members, AFailedSaveRollsBackAndKeepsTheRowForAnotherTry) {
    ReferenceForm* form = open("actGrupoAnimais");
    trigger(form, "actAppend");
    type(form, "dbeNome", "errantes");
    exec("alter table grupo_animal rename to grupo_fora");
    trigger(form, "actPost");
    exec("alter table grupo_fora rename to grupo_animal");
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].kind, Prompts::Kind::Error);
    EXPECT_FALSE(db::inTransaction());
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Insert);
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!");
    EXPECT_EQ(str("select Nome from grupo_animal where Id_Grupo_Animal = 1"), "ERRANTES");
}

TEST_F(Members, NewKeysFollowTheHighestEvenAfterGaps) {
    exec("insert into porte (Id_porte, Descricao) values (7, 'ENORME')");
    ReferenceForm* form = open("actPorteAnimal");
    trigger(form, "actAppend");
    type(form, "dbeNome", "mini");
    trigger(form, "actPost");
    EXPECT_EQ(str("select Descricao from porte where Id_porte = 8"), "MINI");
}

TEST_F(Members, EnterMovesOnInNamesButBreaksLinesInDescriptions) {
    ReferenceForm* form = open("actGrupoAnimais");
    area->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(area));
    trigger(form, "actAppend");
    auto* nome = child<QLineEdit>(form, "dbeNome");
    auto* descricao = child<QPlainTextEdit>(form, "dbmDescricao");
    nome->setFocus();
    QTest::keyClick(nome, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), descricao);
    QTest::keyClicks(descricao, "a");
    QTest::keyClick(descricao, Qt::Key_Return);
    QTest::keyClicks(descricao, "b");
    EXPECT_EQ(descricao->toPlainText(), "a\nb");
}
