// SPDX-License-Identifier: GPL-3.0-or-later
// The owner consult and the owner picker, and what every look-up of the register shares: the order of a
// title click and the text a paste brings.
#include "AnimalFixture.h"

#include "UserInput.h"

#include "registry/address/StreetSql.h"
#include "registry/address/UEnderecoPesquisa.h"
#include "registry/animal/AnimalSql.h"
#include "registry/animal/UPesquisaNovoEndAnimal.h"
#include "registry/events/UProprietarioPesquisa.h"
#include "registry/owner/UConsultaProprietario.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>

using namespace common;
using namespace registry;

class OwnerLookupTest : public AnimalTest {
protected:
    void SetUp() override {
        AnimalTest::SetUp();
        open();
        jose = saveNewOwner("JOSÉ D'ÁVILA", kCpf2, "jose@mail.com");
        saveNewAnimal("TOTO");
        saveNewAnimal("REX");
        rex = scalar("select max(id_animal) from animal").toInt();
        exec("update animal set Num_Microchip = '98 76 54' where id_animal = :a", {{"a", rex}});
        exec("update proprietario set Num_CI = 'MG123' where id_proprietario = :o", {{"o", jose}});
        saveNewOwner("MARIA SEM BICHO", kCpf1, "maria@mail.com");
        exec(
            R"(
                insert into proprietario (Nome, Num_CPF_CNPJ, Status_Registro)
                values ('CARLOS SEM CASA', '11144477735', 'ATIVO'), ('JOSE INATIVO', '22233344405', 'INATIVO')
            )");
    }

    QStringList owners(const db::DataSet* rows) {
        QStringList names;
        for (int i = 0; i < rows->recordCount(); ++i)
            names << db::toText(rows->cell(i, "nome")).trimmed();
        names.removeDuplicates();
        names.sort();
        return names;
    }

    int jose = 0, rex = 0;
};

TEST_F(OwnerLookupTest, ConsultFindsActiveOwnersByEachCriterionAndLocatesTheAnimal) {
    trigger("actPesquisar");
    ASSERT_TRUE(frmConsultaProprietario);
    TfrmConsultaProprietario* consult = frmConsultaProprietario;
    const QString joseName = "JOSÉ D'ÁVILA";
    const struct {
        QString criterion, text;
        QStringList found;
    } cases[] = {
        {kConsultaCodigoProp, QString::number(jose), {joseName}},
        {kConsultaCodigoProp, "1x", {}},
        {kConsultaNomeProp, "jose d'av", {joseName}},        // case and accents aside; the inactive JOSE is not listed
        {kConsultaNomeProp, "MARIA", {"MARIA SEM BICHO"}},   // an owner without animals
        {kConsultaNomeProp, "CARLOS", {"CARLOS SEM CASA"}},  // an owner without an address
        {kConsultaDocumento, "123.456.789-09", {joseName}},
        {kConsultaIdentidade, "mg1", {joseName}},
        {kConsultaLogradouro, "das fl", {joseName}},  // from the animals: MARIA has none
        {kConsultaCodAnimal, QString::number(rex), {joseName}},
        {kConsultaNomeAnimal, "re", {joseName}},
        {kConsultaMicrochip, "9876", {joseName}},
    };
    for (const auto& c : cases) {
        consult->cbbSelecao->setCurrentText(c.criterion);
        consult->edtTexto->setText(c.text);
        consult->search();
        EXPECT_EQ(owners(consult->qryPrincipal), c.found) << c.criterion.toStdString() << " " << c.text.toStdString();
    }
    consult->cbbSelecao->setCurrentText(kConsultaDocumento);
    consult->edtTexto->setText(" 123.456.789-09 ");
    consult->search();
    EXPECT_EQ(consult->edtTexto->text(), kCpf2);
    EXPECT_EQ(consult->StatusBar1Panel0->text(), "2 registros encontrado.");

    // A microchip typed with blanks finds the animal; OK puts the register on its owner and on it.
    consult->cbbSelecao->setCurrentText(kConsultaMicrochip);
    consult->edtTexto->setText("98 76");
    consult->search();
    ASSERT_EQ(consult->qryPrincipal->recordCount(), 1);
    consult->choose();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(frmConsultaProprietario);
    EXPECT_EQ(frmPropAnimal->qryProprietario->field("Id_Proprietario").toInt(), jose);
    EXPECT_EQ(frmPropAnimal->qryAnimal->field("Id_Animal").toInt(), rex);

    // OK on an empty result, and a consult whose register has closed.
    trigger("actPesquisar");
    consult = frmConsultaProprietario;
    consult->cbbSelecao->setCurrentText(kConsultaNomeProp);
    consult->edtTexto->setText("ZZZ");
    consult->search();
    prompts.clear();
    consult->choose();
    EXPECT_EQ(prompts.texts(), QStringList{kNenhumRegistro});
    trigger("actPesquisar");
    consult = frmConsultaProprietario;
    area->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(frmPropAnimal);
    consult->cbbSelecao->setCurrentText(kConsultaNomeProp);
    consult->edtTexto->setText("MARIA");
    consult->search();
    consult->choose();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(frmConsultaProprietario);
}

// Mended: on SQLite a click on "Proprietario" or "Cód. Prop." of the owner consult, and on "Cód. Prop." of the
// animal-address form's search, ended in the database's error: both joined tables have such a column.
TEST_F(OwnerLookupTest, EveryTitleOfTheOwnerAndAnimalSearchesOrdersTheirRowsOnSqliteToo) {
    trigger("actPesquisar");
    TfrmConsultaProprietario* consult = frmConsultaProprietario;
    input::chooseItem(consult->cbbSelecao, kConsultaNomeProp);
    input::clickAndType(consult->edtTexto, "J");
    input::clickButton(consult->findChild<QPushButton*>("btnLocalizar"));
    auto* animals = new TfrmPesquisaNovoEndAnimal;
    animals->show();
    input::chooseItem(animals->cbbSelecao, animalsql::kBuscaNomeAnimal);
    input::clickAndType(animals->mkeTexto, "O");
    input::clickButton(animals->findChild<QPushButton*>("btnPesquisar"));
    for (PickDialog* dialog : std::initializer_list<PickDialog*>{consult, animals}) {
        const int found = dialog->qryPrincipal->recordCount();
        ASSERT_GT(found, 0) << dialog->objectName().toStdString();
        QHeaderView* titles = dialog->dbgPrincipal->horizontalHeader();
        const auto* grid = static_cast<const ui::DataGridModel*>(dialog->dbgPrincipal->model());
        for (int column = 0; column < grid->columns().size(); ++column) {
            const QString field = grid->columns()[column].field;
            if (field.isEmpty())
                continue;  // a calculated column does not order
            prompts.clear();
            dialog->dbgPrincipal->scrollTo(grid->index(0, column));
            input::click(titles->viewport(),
                         QPoint(titles->sectionViewportPosition(column) + titles->sectionSize(column) / 2,
                                titles->height() / 2));
            EXPECT_TRUE(prompts.asked.isEmpty()) << field.toStdString() << ": " << prompts.last().toStdString();
            EXPECT_TRUE(dialog->qryPrincipal->query().text().endsWith(" order by " + field)) << field.toStdString();
            EXPECT_EQ(grid->sortColumn(), column) << field.toStdString();
            EXPECT_EQ(dialog->qryPrincipal->recordCount(), found) << field.toStdString();
        }
    }
    animals->close();
}

TEST_F(OwnerLookupTest, WhatAPasteBringsIntoALookUpNeverReachesTheServer) {
    // Mended: a NUL pasted into the owner consult reached PostgreSQL, which refused the statement with a raw
    // error. Every look-up's box drops it, and the direction overrides, as the register's edits do.
    trigger("actPesquisar");
    ASSERT_TRUE(frmConsultaProprietario);
    auto* target = new QWidget;
    for (const char* name : {"edicodigo_atual", "ediNome_atual", "ediEndereco_atual"})
        (new QLineEdit(target))->setObjectName(name);
    (new QTreeWidget(target))->setObjectName("ltvAnimal_Prop_atual");
    const QString nul(QChar(0));
    auto* picker = new TfrmProprietarioPesquisa(target, 1);
    auto* streets = new TfrmEnderecoPesquisa(1, nullptr);
    const struct {
        PickDialog* dialog;
        QLineEdit* box;
        QString criterion, pasted, shown;
    } cases[] = {
        {frmConsultaProprietario, frmConsultaProprietario->edtTexto, kConsultaNomeProp,
         "jos" + nul + QString::fromUtf8("é\u202E d'av"), QString::fromUtf8("josé d'av")},
        {frmConsultaProprietario, frmConsultaProprietario->edtTexto, kConsultaDocumento, "123" + nul + "45678909",
         kCpf2},
        {picker, picker->edtTexto, "Nome", "mar" + nul + "ia\x1b", "maria"},
        {streets, streets->mkeTexto, streetsql::kCriterionName, "das" + nul + QString::fromUtf8(" fl\u2066"), "DAS FL"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pasted.toStdString());
        QLineEdit* box = c.box;
        c.dialog->show();
        input::chooseItem(c.dialog->cbbSelecao, c.criterion);
        input::click(box);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QApplication::clipboard()->setText(c.pasted);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->text(), c.shown);
        prompts.clear();
        QPushButton* search = nullptr;
        for (QPushButton* b : c.dialog->findChildren<QPushButton*>())
            if (b->objectName() != "btnOK")
                search = b;
        input::clickButton(search);
        EXPECT_TRUE(prompts.asked.isEmpty()) << prompts.last().toStdString();
        EXPECT_GT(c.dialog->qryPrincipal->recordCount(), 0);
    }
    delete picker;
    delete streets;
    delete target;
}

TEST_F(OwnerLookupTest, PickerWritesTheSideOfItsTargetWhileItIsOpen) {
    auto* target = new QWidget;
    for (const char* name : {"edicodigo_Destino", "ediNome_destino", "ediEndereco_destino", "ediNome_atual"})
        (new QLineEdit(target))->setObjectName(name);
    auto* animals = new QTreeWidget(target);
    animals->setObjectName("ltvAnimal_Prop_destino");
    auto* picker = new TfrmProprietarioPesquisa(target, 2);
    prompts.clear();
    picker->search();
    EXPECT_EQ(prompts.last(), kSelecioneCampo);
    picker->cbbSelecao->setCurrentText("Logradouro");
    picker->search();
    EXPECT_EQ(prompts.last(), kDigiteTexto);
    picker->edtTexto->setText("das fl");
    picker->search();
    ASSERT_EQ(picker->qryPrincipal->recordCount(), 2);
    auto box = [&](const char* name) { return target->findChild<QLineEdit*>(name)->text(); };
    EXPECT_EQ(box("ediNome_destino"), "JOSÉ D'ÁVILA");
    EXPECT_EQ(box("edicodigo_Destino"), QString::number(jose));
    EXPECT_EQ(box("ediEndereco_destino"), "R DAS FLORES nº 51; Bairro: CENTRO");
    EXPECT_TRUE(box("ediNome_atual").isEmpty());
    ASSERT_EQ(animals->topLevelItemCount(), 2);
    EXPECT_EQ(animals->topLevelItem(1)->text(0), QString("%1 - REX").arg(rex));
    EXPECT_EQ(animals->topLevelItem(1)->text(1), "98 76 54");
    picker->qryPrincipal->next();
    EXPECT_EQ(box("ediNome_destino"), "MARIA SEM BICHO");
    EXPECT_EQ(animals->topLevelItemCount(), 0);
    // The document criterion compares the digits as text.
    picker->cbbSelecao->setCurrentText("CPF/CNPJ");
    picker->edtTexto->setText("123.456.789-09");
    picker->search();
    EXPECT_EQ(owners(picker->qryPrincipal), QStringList{"JOSÉ D'ÁVILA"});
    delete target;
    picker->qryPrincipal->first();  // nothing to write into any more
    picker->choose();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
