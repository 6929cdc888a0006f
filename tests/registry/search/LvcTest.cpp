// SPDX-License-Identifier: GPL-3.0-or-later
// 045 - leishmaniasis results read from the sibling system's tables: criteria, sort and row colours.

#include "RegistryFixture.h"

#include "registry/search/LeishmanioseRules.h"
#include "registry/search/frmConsultaLVC.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace registry;

class LvcTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        writeKelvo({
            R"(
                insert into {k}sa001041 (numinca, numdistrito, numboletim, codlab)
                values (1, 3, 10, 'LAB1'), (2, 3, 11, 'LAB2')
            )",
            R"(
                insert into {k}sa001042 (numinca, numdistrito, numboletim, codAmostra, nomecao, desclograd,
                    numendprop, resultamostra, confamostra, numquart, tpocorlaudo)
                values (1, 3, 10, 'A1', 'BOLÍNHA', 'RUA DAS FLORES', 51, 'PO', 'OK', 'Q9', 'T1'),
                    (1, 3, 10, 'A2', 'REX', 'AV SETE', 7, 'PO', 'NA', 'Q1', 'T2'),
                    (2, 3, 11, 'A3', 'BOB', 'FLORESTA', 51, 'NR', 'OK', 'Q5', 'T3')
            )",
        });
        openerFor("actConsultaLVC")();
        form = frmConsultaLeishmaniose;
        ASSERT_TRUE(form);
    }

    // The sibling system's tables are read only for the system; the tests write them by a connection of
    // their own (SQLite) or through the schema (PostgreSQL).
    static void writeKelvo(const QStringList& statements) {
        if (testingPostgres()) {
            for (const QString& s : statements)
                db::run(db::kMain, QString(s).replace("{k}", "zzoo01."), {});
            return;
        }
        const QString name = QStringLiteral("kelvo_fixture");
        {
            QSqlDatabase kelvo = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            kelvo.setDatabaseName(db::sqliteFile(db::settings(), db::kKelvo));
            ASSERT_TRUE(kelvo.open());
            for (const QString& s : statements) {
                QSqlQuery q(kelvo);
                ASSERT_TRUE(q.exec(QString(s).replace("{k}", ""))) << q.lastError().text().toStdString();
            }
            kelvo.close();
        }
        QSqlDatabase::removeDatabase(name);
    }

    QStringList consult(const QString& animal, const QString& street, const QString& number, const QString& sample) {
        form->edtNomeAnimal->setText(animal);
        form->edtLogradouro->setText(street);
        form->edtNumero->setText(number);
        form->edtCodAmostra->setText(sample);
        QTest::mouseClick(form->findChild<QPushButton*>("btnConsultar"), Qt::LeftButton);
        return samples();
    }
    QStringList samples() {
        QStringList codes;
        for (int r = 0; r < form->qryPrincipal->recordCount(); ++r)
            codes << db::toText(form->qryPrincipal->cell(r, "codAmostra")).trimmed();
        return codes;
    }

    QPointer<TfrmConsultaLeishmaniose> form;
};

TEST_F(LvcTest, FindsSamplesByEachCriterionSortsAndColoursConfirmedResults) {
    consult("", "", "", "");
    EXPECT_EQ(prompts.last(), kFaltaTextoPesquisa);
    EXPECT_FALSE(form->qryPrincipal->isActive());
    EXPECT_EQ(consult("bo", "", "", ""), QStringList({"A1", "A3"}));    // from the start, accents ignored
    EXPECT_EQ(consult("", "FLOR", "", ""), QStringList({"A1", "A3"}));  // anywhere in the street
    EXPECT_EQ(consult("", "", "51", "A3"), QStringList({"A3"}));
    EXPECT_EQ(consult("", "d'a", "", ""), QStringList());
    form->edtNumero->setText("");
    QTest::keyClicks(form->edtNumero, "5x1");
    EXPECT_EQ(form->edtNumero->text(), "51");

    EXPECT_EQ(consult("", "", "", ""), QStringList());  // blank again: the last result stays
    consult("", "", "", "a2");
    EXPECT_EQ(form->findChild<QLabel*>("StatusBar1Panel2")->text(), "1 registros encontrados.");
    consult("", "", "51", "");
    EXPECT_EQ(form->qryPrincipal->str("numquart"), "Q9");  // block, inquiry and report kind are read
    EXPECT_EQ(form->qryPrincipal->str("tpocorlaudo"), "T1");
    EXPECT_EQ(db::toInt(form->qryPrincipal->field("numinca")), 1);
    form->dbgPrincipal->horizontalHeader()->sectionClicked(13);  // "Quadra"
    EXPECT_EQ(samples(), QStringList({"A3", "A1"}));

    QAbstractItemModel* model = form->dbgPrincipal->model();
    const auto colour = [model](int row) {
        return model->index(row, 0).data(Qt::ForegroundRole).value<QBrush>().color();
    };
    EXPECT_EQ(colour(0), QColor(Qt::blue));
    EXPECT_EQ(colour(1), QColor(Qt::red));
    consult("REX", "", "", "");
    EXPECT_FALSE(model->index(0, 0).data(Qt::ForegroundRole).isValid());  // positive but not confirmed

    EXPECT_EQ(lvcColour("IN", "OK"), QColor(Qt::darkGreen));
    EXPECT_EQ(lvcColour("MO ", "OK "), QColor(Qt::darkGreen));
    EXPECT_FALSE(lvcColour("XX", "OK").isValid());
}

// The animal's name and the street typed are patterns, as the query's like reads them: % stands for any text,
// _ for any one character; the name from its beginning, the street anywhere.
TEST_F(LvcTest, APercentOrUnderscoreTypedStandsForAnyText) {
    const auto found = [this](const char* box, const QString& typed) {
        for (QLineEdit* edit : {form->edtNomeAnimal, form->edtLogradouro})
            input::retype(edit, QString());
        input::retype(form->findChild<QLineEdit*>(box), typed);
        input::clickButton(form->findChild<QPushButton*>("btnConsultar"));
        return samples();
    };
    EXPECT_EQ(found("edtNomeAnimal", "B_B"), QStringList({"A3"}));
    EXPECT_EQ(found("edtNomeAnimal", "%X"), QStringList({"A2"}));
    EXPECT_EQ(found("edtNomeAnimal", "_O"), QStringList({"A1", "A3"}));
    EXPECT_EQ(found("edtLogradouro", "FLOR%A"), QStringList({"A3"}));
    EXPECT_EQ(found("edtLogradouro", "S_T"), QStringList({"A2"}));
    EXPECT_EQ(found("edtLogradouro", "DAS FLOR"), QStringList({"A1"}));
}
