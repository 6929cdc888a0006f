// SPDX-License-Identifier: GPL-3.0-or-later
// 046 - the advanced search driven as an operator would: criteria, sort, export and the jump to the register.

#include "DbfReader.h"
#include "ForeignReaders.h"
#include "RegistryFixture.h"
#include "UserInput.h"

#include "common/ExportStatus.h"
#include "platform/ui/DateEdit.h"
#include "registry/animal/UCalcula_Idade.h"
#include "registry/search/PesquisaAvancadoRules.h"
#include "registry/search/UPesquisaAvancado.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>

using namespace common;
using namespace registry;

class SearchTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        exec("insert into especie (Id_Especie, Nome) values (1, 'CANINA'), (2, 'FELINA')");
        exec("insert into grupo_animal (Id_Grupo_Animal, Nome) values (1, 'DOMICILIADO'), (2, 'ADOTADO')");
        exec(
            R"(
                insert into proprietario (Id_Proprietario, Nome, Num_CPF_CNPJ, Status_Registro)
                values (1, 'ANA', '529.982.247-25', 'ATIVO'), (2, 'BRUNO', '12345678909', 'INATIVO')
            )");
        exec(
            R"(
                insert into animal (Id_Animal, Id_Proprietario, Id_Especie, Id_Grupo_Animal, Nome,
                    Num_Microchip, Data_Nascimento)
                values (10, 1, 1, 2, 'RÉX', '001234-9', :d10), (11, 1, 2, 1, 'MIA', null, :d11),
                    (12, 2, 1, 1, 'TOM', '  ', :d11), (13, null, 1, 1, 'SEM DONO', null, :d11)
            )",
            {{"d10", QDateTime(QDate(2020, 12, 31), QTime(10, 0))},
             {"d11", QDateTime(QDate(2019, 5, 1), QTime(0, 0))}});
        exec(
            R"(
                insert into endereco (Id_Endereco, Id_Distrito, NOM_LOGR)
                values (100, 1, 'DAS FLORES'), (101, 2, 'SETE')
            )");
        exec("insert into endereco_animal (Id_Animal, Id_Endereco) values (10, 101), (10, 100)");
        exec(
            R"(
                insert into grupo_animal_animal (Id_Grupo_Animal_Animal, Id_Grupo_Animal, Id_Animal,
                    Dt_Entrada_Grupo)
                values (1, 1, 10, :a), (2, 2, 10, :b)
            )",
            {{"a", QDateTime(QDate(2021, 1, 1), QTime(0, 0))}, {"b", QDateTime(QDate(2022, 2, 2), QTime(0, 0))}});
        openerFor("actPesquisaAvancado")();
        QCoreApplication::processEvents();
        form = frmPesquisaAvancado;
        ASSERT_TRUE(form);
    }

    void TearDown() override {
        if (form)
            form->close();
        RegistryTest::TearDown();
    }

    template <class T = QWidget>
    T* at(const char* name) {
        T* found = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void set(const char* control, const QString& text) {
        if (auto* combo = form->findChild<QComboBox*>(QString::fromLatin1(control)))
            combo->setEditText(text);
        else
            at<QLineEdit>(control)->setText(text);
    }
    void press(const char* button) { QTest::mouseClick(at<QPushButton>(button), Qt::LeftButton); }
    QStringList animals() {
        QStringList names;
        for (int r = 0; r < form->qryPrincipal->recordCount(); ++r)
            names << db::toText(form->qryPrincipal->cell(r, "nome_animal"));
        return names;
    }
    QStringList found(std::initializer_list<std::pair<const char*, QString>> criteria) {
        for (const auto& [control, text] : criteria)
            set(control, text);
        press("bmpLocalizar");
        const QStringList names = animals();
        for (const auto& [control, text] : criteria)
            set(control, QString());
        return names;
    }

    QPointer<TfrmPesquisaAvancado> form;
};

TEST_F(SearchTest, FindsAnimalsWithCurrentAddressAndGroupByEachCriterion) {
    EXPECT_TRUE(at<QComboBox>("cbbDistrito")->findText("1 - ") >= 0 || at<QComboBox>("cbbDistrito")->count() == 2);
    EXPECT_EQ(found({}), QStringList({"RÉX", "MIA"}));  // owner 2 is inactive, animal 13 has no owner
    EXPECT_EQ(at<QLabel>("StatusBar1Panel2")->text(), "Total de registro: 2");
    EXPECT_EQ(at<QLabel>("StatusBar1Panel0")->text(), "Operação concluída.");
    EXPECT_EQ(form->qryPrincipal->str("nome_distrito"), "DS2");
    EXPECT_EQ(db::toDateTime(form->qryPrincipal->field("Dt_Entrada_Grupo")).date(), QDate(2022, 2, 2));
    // The grid shows the birth date without its time.
    const QAbstractItemModel* grid = form->dbgPrincipal->model();
    int born = 0;
    while (born < grid->columnCount() && grid->headerData(born, Qt::Horizontal).toString() != "Dt. nasc.")
        ++born;
    EXPECT_EQ(grid->index(0, born).data().toString(), "31/12/2020");
    // The widths the form's description sets stand, whatever the titles and texts; the others fit them.
    const QTableView* view = form->dbgPrincipal;
    for (const auto& [column, width] : {std::pair{0, 85}, {1, 108}, {2, 92}, {3, 102}, {born, 68}, {10, 87}})
        EXPECT_EQ(view->columnWidth(column), width) << column;
    EXPECT_GE(view->columnWidth(4), view->horizontalHeader()->sectionSizeHint(4)) << "\"Cód. prop.\": its title";

    EXPECT_EQ(found({{"mkeNomeAnimal", "rex"}}), QStringList{"RÉX"});  // case and accents ignored
    EXPECT_EQ(found({{"mkeMicrochip", "12 34"}}), QStringList{"RÉX"});
    EXPECT_EQ(found({{"cbbEspecie", "2 - FELINA"}}), QStringList{"MIA"});
    EXPECT_EQ(found({{"cbbDistrito", "2 - "}, {"mkeLogradouro", "SE"}}), QStringList{"RÉX"});
    EXPECT_EQ(found({{"mkeNumCPF_CNPJ", "52998224725"}}), QStringList({"RÉX", "MIA"}));
    EXPECT_EQ(found({{"cbbComSemMicrochipe", "NAO"}}), QStringList{"MIA"});
    EXPECT_EQ(found({{"mkeNomeAnimal", "O'B"}}), QStringList{});
    EXPECT_EQ(prompts.last(), "Registro não encontrado!");

    input::clickButton(at<QCheckBox>("ckbIgnoraData"));
    input::clickAndType(form->dtpDataInicio, "31122020");
    input::clickAndType(form->dtpDataFim, "31122020");
    EXPECT_EQ(found({}), QStringList{"RÉX"});  // born at 10:00 on the end day
    at<QCheckBox>("ckbIgnoraData")->setChecked(true);

    prompts.clear();
    EXPECT_EQ(found({{"mkeCodAnimal", "1O"}}), QStringList({"RÉX"}));  // refused: the last result stays
    EXPECT_EQ(prompts.last(), "Valor inválido no campo \"Cód. animal\".");

    QTest::mouseClick(form->rdbRegistroInativo, Qt::LeftButton);
    EXPECT_FALSE(form->qryPrincipal->isActive());
    EXPECT_EQ(found({}), QStringList{"TOM"});
}

TEST_F(SearchTest, TypedWildcardsStayPatternsHereAndMatchThemselvesInTheStreetSearch) {
    auto typeAndSearch = [](QLineEdit* box, QAbstractButton* search, const QString& text) {
        input::click(box);
        input::pressKey(box, Qt::Key_A, Qt::ControlModifier);
        input::type(box, text.isEmpty() ? QStringLiteral(" ") : text);
        input::clickButton(search);
    };
    // The advanced search builds its pattern from the text as typed: "%" and "_" are wildcards, "\" itself.
    for (const auto& [typed, names] : std::initializer_list<std::pair<QString, QStringList>>{
             {"S_TE", {"RÉX"}}, {"%T", {"RÉX"}}, {"S\\", {}}, {"S_T_", {"RÉX"}}}) {
        typeAndSearch(at<QLineEdit>("mkeLogradouro"), at<QPushButton>("bmpLocalizar"), typed);
        EXPECT_EQ(animals(), names) << typed.toStdString();
    }
    typeAndSearch(at<QLineEdit>("mkeLogradouro"), at<QPushButton>("bmpLocalizar"), "");
    typeAndSearch(at<QLineEdit>("edtNome"), at<QPushButton>("bmpLocalizar"), "a_a");
    EXPECT_EQ(animals(), QStringList({"RÉX", "MIA"}));

    // The street search takes them as themselves.
    auto* street = TfrmEnderecoPesquisa::open(1, nullptr, streetsql::kCriterionName, QString(), false);
    for (const auto& [typed, rows] : std::initializer_list<std::pair<QString, int>>{
             {"D_S", 0}, {"DAS", 1}, {"das fl", 1}, {"%", 0}, {"SE_E", 0}, {"SETE", 2}}) {
        typeAndSearch(street->mkeTexto, street->btnPesquisar, typed);
        EXPECT_EQ(street->qryPrincipal->recordCount(), rows) << typed.toStdString();
    }
    delete street;
}

TEST_F(SearchTest, SortsTheLastSearchByTheClickedColumnWhateverTheControlsSayNow) {
    auto* header = form->dbgPrincipal->horizontalHeader();
    header->sectionClicked(3);
    EXPECT_FALSE(form->qryPrincipal->isActive());  // nothing before a search
    set("cbbEspecie", "1 - CANINA");
    press("bmpLocalizar");
    set("cbbEspecie", "2 - FELINA");
    at<QCheckBox>("ckbIgnoraData")->setChecked(false);
    set("mkeSinais", "'; drop table animal; --");
    header->sectionClicked(3);
    EXPECT_EQ(animals(), QStringList{"RÉX"});
    EXPECT_EQ(ui::gridModelOf(form->dbgPrincipal)->sortColumn(), 3);
    set("cbbEspecie", "");
    set("mkeSinais", "");
    at<QCheckBox>("ckbIgnoraData")->setChecked(true);
    press("bmpLocalizar");
    header->sectionClicked(3);  // "Animal"
    EXPECT_EQ(animals(), QStringList({"MIA", "RÉX"}));
}

TEST_F(SearchTest, ExportWritesTheTableAndItsDictionaryEvenBeforeAnySearch) {
    QTemporaryDir dir;
    // "vazia" typed: the dialog names the table vazia.dbf, and the dictionary is that name and ".txt".
    const QString empty = dir.filePath("vazia.dbf");
    prompts.confirmations = {true};
    prompts.fileNames = {dir.filePath("vazia")};
    press("BitBtn1");
    EXPECT_EQ(prompts.asked.value(0).text, kNaoHaRegistroExportar);
    DbfContents table = readDbf(empty);
    EXPECT_EQ(table.names.size(), 50);
    EXPECT_TRUE(table.rows.isEmpty());
    QFile dictionary(empty + ".txt");
    ASSERT_TRUE(dictionary.open(QIODevice::ReadOnly));
    const QByteArray text = dictionary.readAll();
    EXPECT_EQ(text.count("\r\n"), 46);
    EXPECT_TRUE(text.startsWith("----------------- Dicion\xe1rio de dados"));
    EXPECT_EQ(prompts.last(), kExportacaoConcluidaModelo + empty + ".txt");

    exec("update animal set Nome = :n where Id_Animal = 11", {{"n", kNameBeyondLatin1}});
    press("bmpLocalizar");
    const QString named = dir.filePath("saida.dbf");
    prompts.fileNames = {named};
    press("BitBtn1");
    table = readDbf(named);
    EXPECT_FALSE(QFile::exists(named + ".dbf"));
    EXPECT_TRUE(QFile::exists(named + ".txt"));
    ASSERT_EQ(table.rows.size(), 2);
    EXPECT_EQ(table.names.value(18), "id_propr_2");
    EXPECT_EQ(table.value(0, "nome_anima").toString(), "RÉX");
    EXPECT_EQ(table.value(0, "Data_Nasci").toString(), "2020-12-31");
    EXPECT_EQ(table.value(1, "id_especie").toInt(), 2);
    expectForeignReadable(named, "nome_anima", kNameBeyondLatin1Written);
    EXPECT_EQ(fileMode(named + ".txt"), newFileMode());
}

// Many rows: the count comes from a statement of its own while the grid reads what it shows, and the export
// reads the rows again from the server in the grid's order as it writes them, each column of a repeated name
// from its own table (a species gone from its table leaves the second "id_especie" blank).
TEST_F(SearchTest, ManyRowsAreCountedApartAndExportedAsTheServerSendsThem) {
    constexpr int kMany = 700;
    exec(QString(R"(
        with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) insert into animal (Id_Animal,
            Id_Proprietario, Id_Especie, Nome)
        select 1000 + i, 1, case when i % 7 = 0 then 9 else 1 end, 'CÃO ' || i
        from n
    )")
             .arg(kMany));
    press("bmpLocalizar");
    EXPECT_EQ(at<QLabel>("StatusBar1Panel2")->text(), QString("Total de registro: %1").arg(kMany + 2));
    if (!testingPostgres()) {
        EXPECT_LT(form->qryPrincipal->fetchedCount(), kMany);  // a screen or so, not every row
    }
    form->dbgPrincipal->horizontalHeader()->sectionClicked(3);  // "Animal": by name
    QTemporaryDir dir;
    prompts.fileNames = {dir.filePath("muitos")};
    prompts.clear();
    press("BitBtn1");
    EXPECT_TRUE(prompts.progresses.contains(kExportandoDados));
    const DbfContents table = readDbf(dir.filePath("muitos.dbf"));
    ASSERT_EQ(table.rows.size(), kMany + 2);
    QStringList names;
    for (int r = 0; r < form->qryPrincipal->recordCount(); ++r)
        names << db::toText(form->qryPrincipal->cell(r, "nome_animal"));
    QStringList written;
    for (int r = 0; r < table.rows.size(); ++r)
        written << table.value(r, "nome_anima").toString();
    EXPECT_EQ(written, names);
    for (int r = 0; r < table.rows.size(); ++r) {
        const int animal = table.value(r, "Id_Animal").toInt();
        if (animal <= 1000)
            continue;
        EXPECT_EQ(table.value(r, "Id_Especie").toInt(), (animal - 1000) % 7 == 0 ? 9 : 1) << animal;
        EXPECT_EQ(table.value(r, "id_espec_2").isNull(), (animal - 1000) % 7 == 0) << animal;
        EXPECT_EQ(table.value(r, "id_propr_2").toInt(), 1) << animal;
    }
}

TEST_F(SearchTest, GoesToTheRegisterOnTheOwnerOfTheCurrentRow) {
    press("BitBtn2");
    EXPECT_TRUE(frmPropAnimal.isNull());  // no result: nothing
    press("bmpLocalizar");
    form->qryPrincipal->last();
    press("BitBtn2");
    ASSERT_FALSE(frmPropAnimal.isNull());
    EXPECT_EQ(db::toInt(frmPropAnimal->qryProprietario->field("Id_Proprietario")), 1);
    EXPECT_EQ(db::toInt(frmPropAnimal->qryAnimal->field("Id_Animal")), 11);
    QTest::mouseClick(form->rdbRegistroInativo, Qt::LeftButton);
    press("bmpLocalizar");
    press("BitBtn2");  // an inactive owner opens too
    EXPECT_EQ(db::toInt(frmPropAnimal->qryProprietario->field("Id_Proprietario")), 2);
}

TEST_F(SearchTest, AgeCalculationHandsTheDateOnlyToAnAnimalBeingChanged) {
    press("bmpLocalizar");
    press("BitBtn2");
    ASSERT_FALSE(frmPropAnimal.isNull());
    auto calculate = [this](const QString& years) {
        QTest::mouseClick(child<QPushButton>("BitBtn2"), Qt::LeftButton);
        EXPECT_FALSE(frmCalcula_Idade.isNull());
        frmCalcula_Idade->edtAno->setText(years);
        QTest::mouseClick(frmCalcula_Idade->findChild<QPushButton*>("btnCalcular"), Qt::LeftButton);
        const QString shown = frmCalcula_Idade->mkeDataNescimento->text();
        QTest::mouseClick(frmCalcula_Idade->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(frmCalcula_Idade.isNull());
        return shown;
    };
    const QString before = child<QLineEdit>("dbeDt_Nascimento")->text();
    EXPECT_EQ(calculate("1"), db::serverTime().date().addYears(-1).toString("dd/MM/yyyy"));
    EXPECT_EQ(child<QLineEdit>("dbeDt_Nascimento")->text(), before);  // browsing: nothing changes
    trigger("actAnimalAlterar");
    const QString shown = calculate("3");
    EXPECT_EQ(child<QLineEdit>("dbeDt_Nascimento")->text(), shown);
    EXPECT_EQ(db::toDateTime(frmPropAnimal->qryAnimal->field("Data_Nascimento")).date(),
              QDate::fromString(shown, "dd/MM/yyyy"));
    frmPropAnimal->qryAnimal->cancel();
}
