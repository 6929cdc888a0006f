// SPDX-License-Identifier: GPL-3.0-or-later
// Data-aware controls over a data set of breeds: what they show, when they can be changed and what they
// write into the fields.

#include "TestDatabase.h"
#include "UserInput.h"
#include "platform/db/ColumnText.h"
#include "platform/db/DataSet.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/FieldLink.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

// Types a text that may hold accented letters, which QTest::keyClicks cannot type.
void type(QWidget* widget, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Reads a look-up combo's list again each time the combo takes the focus.
class ReadAgainOnFocus : public QObject {
public:
    ReadAgainOnFocus(ui::LookupComboLink* link, db::DataSet* list) : m_link(link), m_list(list) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            ++reads;
            m_link->setList(m_list->rows());
        }
        return false;
    }
    int reads = 0;

private:
    ui::LookupComboLink* m_link;
    db::DataSet* m_list;
};

class FieldLinkTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        exec("insert into especie (Id_Especie, Nome) values (1, 'CANINA'), (2, 'FELINA')");
        exec(
            R"(
                insert into raca (Id_Raca, Nome, Descricao, Id_Especie, Id_Porte, Ind_Status)
                values (1, 'BEAGLE', 'ORELHAS LONGAS', 1, 2, 'ATIVO'), (2, 'SIAMES', NULL, 2, NULL, 'INATIVO'),
                    (3, 'VIRA-LATA', NULL, 9, NULL, 'talvez')
            )");
        data = std::make_unique<db::DataSet>();
        data->setSql("select * from raca order by Id_Raca");
        data->setTable({.name = "raca",
                        .key = {"Id_Raca"},
                        .columns = {"Nome", "Descricao", "Id_Especie", "Id_Porte", "Ind_Status"},
                        .audit = db::Audit::None});
        data->open();
    }
    void TearDown() override {
        data.reset();
        DbTest::TearDown();
    }

    std::unique_ptr<db::DataSet> data;
};

TEST_F(FieldLinkTest, LineEditShowsTheCurrentRowAndWritesOnlyWhileEditing) {
    QLineEdit edit;
    ui::bindLineEdit(&edit, data.get(), "nome");  // field names match whatever their case
    EXPECT_EQ(edit.text(), "BEAGLE");
    EXPECT_TRUE(edit.isReadOnly());

    QTest::keyClicks(&edit, "X");  // browsing: typing changes nothing
    EXPECT_EQ(edit.text(), "BEAGLE");
    EXPECT_EQ(data->str("Nome"), "BEAGLE");

    data->next();
    EXPECT_EQ(edit.text(), "SIAMES");

    data->edit();
    EXPECT_FALSE(edit.isReadOnly());
    edit.selectAll();
    QTest::keyClicks(&edit, "PERSA");
    EXPECT_EQ(data->str("Nome"), "PERSA");
    data->cancel();
    EXPECT_EQ(edit.text(), "SIAMES");
    EXPECT_TRUE(edit.isReadOnly());

    data->edit();
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_TRUE(data->field("Nome").isNull()) << "an emptied edit stores null, as a blank name is refused";
    data->post();
    EXPECT_TRUE(scalar("select Nome from raca where Id_Raca = 2").isNull());

    data->close();
    EXPECT_EQ(edit.text(), "");
}

TEST_F(FieldLinkTest, LineEditFollowsWritesMadeByCode) {
    QLineEdit edit;
    ui::bindLineEdit(&edit, data.get(), "Id_Raca", ui::ValueKind::Integer)->setAlwaysReadOnly(true);
    data->append();
    EXPECT_EQ(edit.text(), "");
    EXPECT_TRUE(edit.isReadOnly()) << "a key made by the system is never typed";
    data->setField("Id_Raca", 4);
    EXPECT_EQ(edit.text(), "4");
}

TEST_F(FieldLinkTest, CapitalsEditUpperCasesWhatIsTypedAndStoresIt) {
    QLineEdit edit;
    ui::Capitals::install(&edit);
    ui::bindLineEdit(&edit, data.get(), "Nome");
    data->edit();
    edit.clear();
    type(&edit, "pastor alemão");
    EXPECT_EQ(edit.text(), "PASTOR ALEMÃO");
    EXPECT_EQ(data->str("Nome"), "PASTOR ALEMÃO");

    QLineEdit plain;  // the validator alone, as the search edits use it
    ui::Capitals::install(&plain);
    QTest::keyClicks(&plain, "o'brien");
    EXPECT_EQ(plain.text(), "O'BRIEN");
}

TEST_F(FieldLinkTest, PastedControlAndDirectionCharactersReachNeitherTheFieldNorASearch) {
    const struct {
        QString pasted, kept, keptInAMemo;
    } cases[] = {
        {QString("RE") + QChar(0) + "X\x1b", "REX", "REX"},
        {"ANA\tSILVA\r\n", "ANASILVA", "ANA\tSILVA\n"},
        // Embeddings, overrides and isolates make a name read otherwise than it is stored.
        {QString::fromUtf8("\u202EXER\u202C"), "XER", "XER"},
        {QString::fromUtf8("a\u202Ab\u202Bc\u202Dd\u2066e\u2067f\u2068g\u2069"), "abcdefg", "abcdefg"},
        // Invisible marks make two names that read alike differ: zero-width spaces and joiners, direction marks,
        // the byte order mark and the soft hyphen go; letters of any script stay.
        {QString::fromUtf8("ANA\u200F שלום"), QString::fromUtf8("ANA שלום"), QString::fromUtf8("ANA שלום")},
        {QString::fromUtf8("\uFEFFMA\u200BRI\u200CA\u200D \u200ESIL\u00ADVA"), "MARIA SILVA", "MARIA SILVA"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ui::withoutControls(c.pasted), c.kept);
        EXPECT_EQ(ui::withoutControls(c.pasted, true), c.keptInAMemo);
    }

    // Pasted with Ctrl+V into a bound edit, a search box and a capitals search box, between typed letters.
    QLineEdit bound, search, capitals;
    ui::bindLineEdit(&bound, data.get(), "Nome");
    ui::dropControlsAsTyped(&search);
    ui::Capitals::install(&capitals);
    data->edit();
    bound.clear();
    for (QLineEdit* box : {&bound, &search, &capitals}) {
        QTest::keyClicks(box, "ab");
        QTest::keyClick(box, Qt::Key_Left);
        QApplication::clipboard()->setText(QString("x") + QChar(0) + QString::fromUtf8("\u202Ey"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->text(), box == &capitals ? "AXYB" : "axyb");
        EXPECT_EQ(box->cursorPosition(), 3) << "after what was pasted";
    }
    EXPECT_EQ(data->str("Nome"), "axyb");
}

// A box or memo as wide as its column takes what the column holds, counted in characters (an emoji is one, as
// PostgreSQL's varchar counts it), and cuts what is pasted or typed beyond it between whole characters: never
// half an emoji, never a letter without the accent typed with it. What is stored is what is shown.
TEST_F(FieldLinkTest, ColumnWidthsCountWholeCharactersAndNeverCutOneInTwo) {
    const QString smile = QString::fromUtf8("\U0001F600");  // two UTF-16 units
    const QString accent = QString::fromUtf8("e\u0301");    // e and its combining acute accent
    struct Case {
        QString shown, pasted, kept;
    };
    const QList<Case> cases{
        {"ABC", "D" + smile + "E", "ABCD" + smile},
        {"ABCD", smile + smile + smile, "ABCD" + smile},
        {"ABCD", accent, "ABCD"},
        {"ABC", accent + "X", "ABC" + accent},
        {"ABCD" + smile, "X", "ABCD" + smile},
        {"", smile + smile + smile + smile + smile + smile, smile + smile + smile + smile + smile},
    };
    QLineEdit bound;
    QPlainTextEdit memo;
    ui::setColumnLength(&bound, 5);
    ui::bindLineEdit(&bound, data.get(), "Nome");
    ui::bindMemo(&memo, data.get(), "Descricao", 5);
    data->edit();
    for (const Case& c : cases) {
        for (QWidget* box : {static_cast<QWidget*>(&bound), static_cast<QWidget*>(&memo)}) {
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Delete);
            QApplication::clipboard()->setText(c.shown);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QApplication::clipboard()->setText(c.pasted);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            const QString shown = box == &bound ? bound.text() : memo.toPlainText();
            EXPECT_EQ(shown, c.kept) << qPrintable(c.shown + " + " + c.pasted);
            EXPECT_EQ(data->str(box == &bound ? "Nome" : "Descricao"), c.kept);
        }
    }
    // A key typed into a full box does nothing.
    QTest::keyClick(&bound, Qt::Key_End);
    QTest::keyClicks(&bound, "Z");
    EXPECT_EQ(bound.text(), smile + smile + smile + smile + smile);
    data->post();
    EXPECT_EQ(db::toText(scalar("select Nome || '|' || Descricao from raca where Id_Raca = 1")),
              QString(smile + smile + smile + smile + smile) + "|" + smile + smile + smile + smile + smile);

    // Stored as wide as the column, a text is shown whole.
    data->refresh();
    EXPECT_EQ(bound.text(), smile + smile + smile + smile + smile);

    EXPECT_EQ(db::columnLength(QString("a") + smile + accent), 4);
    EXPECT_EQ(db::fitColumn("AB" + accent + smile, 3), "AB");
    EXPECT_EQ(db::fitColumn("AB" + accent + smile, 4), "AB" + accent);
    EXPECT_EQ(db::fitColumn("AB" + accent + smile, 5), "AB" + accent + smile);
}

TEST_F(FieldLinkTest, NumberKindsStoreNumbersAndShowTheDecimalComma) {
    exec("insert into receituario_texto_peso (Id_Receituario_texto_Peso, Peso) values (1, 7.25)");
    db::DataSet weights;
    weights.setSql("select * from receituario_texto_peso");
    weights.setTable({.name = "receituario_texto_peso",
                      .key = {"Id_Receituario_texto_Peso"},
                      .columns = {"Peso"},
                      .audit = db::Audit::None});
    weights.open();
    QLineEdit peso;
    ui::bindLineEdit(&peso, &weights, "Peso", ui::ValueKind::Decimal);
    EXPECT_EQ(peso.text(), "7,25");
    weights.edit();
    peso.clear();
    QTest::keyClicks(&peso, "12,5");
    EXPECT_DOUBLE_EQ(weights.field("Peso").toDouble(), 12.5);
    weights.post();
    EXPECT_DOUBLE_EQ(db::toNumber(scalar("select Peso from receituario_texto_peso")), 12.5);

    QLineEdit porte;
    ui::bindLineEdit(&porte, data.get(), "Id_Porte", ui::ValueKind::Integer);
    data->edit();
    porte.clear();
    QTest::keyClicks(&porte, "3");
    EXPECT_EQ(data->field("Id_Porte").typeId(), QMetaType::Int);
    data->post();
    EXPECT_EQ(db::toInt(scalar("select Id_Porte from raca where Id_Raca = 1")), 3);
}

TEST_F(FieldLinkTest, MemoShowsAndWritesItsField) {
    QPlainTextEdit memo;
    ui::bindMemo(&memo, data.get(), "Descricao");
    EXPECT_EQ(memo.toPlainText(), "ORELHAS LONGAS");
    EXPECT_TRUE(memo.isReadOnly());
    data->next();
    EXPECT_EQ(memo.toPlainText(), "");
    data->edit();
    EXPECT_FALSE(memo.isReadOnly());
    QTest::keyClicks(&memo, "linha um");
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClicks(&memo, "linha dois");
    data->post();
    EXPECT_EQ(db::toText(scalar("select Descricao from raca where Id_Raca = 2")), "linha um\nlinha dois");
}

TEST_F(FieldLinkTest, CheckBoxStoresItsTwoValuesAndIgnoresClicksWhileBrowsing) {
    QCheckBox box("Registro inativo.");
    ui::bindCheckBox(&box, data.get(), "Ind_Status", "INATIVO", "ATIVO");
    EXPECT_FALSE(box.isChecked());  // ATIVO
    data->next();
    EXPECT_TRUE(box.isChecked());  // INATIVO
    data->next();
    EXPECT_FALSE(box.isChecked()) << "a value that is neither shows clear";

    data->first();
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_FALSE(box.isChecked());
    box.click();  // even a change from code is put back while browsing
    EXPECT_FALSE(box.isChecked());
    EXPECT_EQ(data->str("Ind_Status"), "ATIVO");

    data->edit();
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(data->str("Ind_Status"), "INATIVO");
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_EQ(data->str("Ind_Status"), "ATIVO");
}

TEST_F(FieldLinkTest, ComboBoxStoresTheChosenItemText) {
    QComboBox fixed;
    fixed.addItems({"ATIVO", "INATIVO"});
    ui::bindComboBox(&fixed, data.get(), "Ind_Status");
    EXPECT_EQ(fixed.currentText(), "ATIVO");
    data->next();
    EXPECT_EQ(fixed.currentText(), "INATIVO");
    data->next();
    EXPECT_EQ(fixed.currentIndex(), -1) << "a value not in the list shows no choice";

    data->first();
    QTest::keyClick(&fixed, Qt::Key_Down);  // browsing: the list does not move
    EXPECT_EQ(fixed.currentText(), "ATIVO");
    data->edit();
    fixed.show();
    input::chooseItem(&fixed, "INATIVO");
    EXPECT_EQ(data->str("Ind_Status"), "INATIVO");

    QComboBox typed;  // a list that also accepts typing
    typed.setEditable(true);
    typed.addItems({"F", "R"});
    ui::bindComboBox(&typed, data.get(), "Nome");
    EXPECT_EQ(typed.currentText(), "BEAGLE");
    typed.lineEdit()->clear();
    QTest::keyClicks(typed.lineEdit(), "X");
    EXPECT_EQ(data->str("Nome"), "X");
}

// What another program stored in its own spelling (blanks, case, accents) shows the item it is and stays as it
// was stored until the user chooses; a postal code stored in another layout shows every digit.
TEST_F(FieldLinkTest, AValueStoredInAnotherSpellingShowsItsItem) {
    exec("update raca set Ind_Status = ' inativo' where Id_Raca = 1");
    exec("update raca set Ind_Status = 'Ativo ', Descricao = ' 70000-000 ' where Id_Raca = 2");
    data->refresh();
    QCheckBox box("Registro inativo.");
    ui::bindCheckBox(&box, data.get(), "Ind_Status", "INATIVO", "ATIVO");
    QComboBox fixed;
    fixed.addItems({"ATIVO", "INATIVO"});
    ui::bindComboBox(&fixed, data.get(), "Ind_Status");
    QComboBox lookup;
    ui::bindLookupCombo(&lookup, data.get(), "Ind_Status", "chave", "nome")
        ->setList(
            db::run(db::kMain, "select 'ATIVO' as chave, 'Em uso' as nome union all select 'INATIVO', 'Fora'", {}));
    QLineEdit cep;
    cep.setMaxLength(8);
    ui::bindLineEdit(&cep, data.get(), "Descricao", ui::ValueKind::Digits);
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(fixed.currentText(), "INATIVO");
    EXPECT_EQ(lookup.currentText(), "Fora");
    data->next();
    EXPECT_FALSE(box.isChecked());
    EXPECT_EQ(fixed.currentText(), "ATIVO");
    EXPECT_EQ(lookup.currentText(), "Em uso");
    EXPECT_EQ(cep.text(), "70000000");

    data->edit();
    data->post();
    EXPECT_EQ(db::toText(scalar("select Ind_Status || '|' || Descricao from raca where Id_Raca = 2")),
              "Ativo | 70000-000 ");
    data->edit();
    cep.show();
    input::clickAndType(&cep, "1");
    EXPECT_EQ(cep.text(), "70000000") << "a full box takes no more";
    QTest::keyClick(&cep, Qt::Key_A, Qt::ControlModifier);
    input::type(&cep, "70000101");
    EXPECT_EQ(data->str("Descricao"), "70000101");
}

TEST_F(FieldLinkTest, LookupComboShowsTheListRowOfTheKeyAndStoresTheChosenKey) {
    db::DataSet species;
    species.setSql("select Id_Especie, Nome from especie order by Nome");
    species.open();
    QComboBox combo;
    auto* link = ui::bindLookupCombo(&combo, data.get(), "Id_Especie", "Id_Especie", "Nome");
    link->setListDataSet(&species);
    ASSERT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.currentText(), "CANINA");
    EXPECT_EQ(link->currentKey().toInt(), 1);
    data->last();
    EXPECT_EQ(combo.currentIndex(), -1) << "species 9 is in no row of the list";
    EXPECT_TRUE(link->currentKey().isNull());

    data->first();
    combo.show();
    input::click(&combo);  // browsing: the list does not open
    EXPECT_FALSE(combo.view()->isVisible());
    EXPECT_EQ(combo.currentText(), "CANINA");
    data->edit();
    input::chooseItem(&combo, "FELINA");
    EXPECT_EQ(combo.currentText(), "FELINA");
    EXPECT_EQ(data->field("Id_Especie").toInt(), 2);
    data->post();
    EXPECT_EQ(db::toInt(scalar("select Id_Especie from raca where Id_Raca = 1")), 2);

    exec("insert into especie (Id_Especie, Nome) values (3, 'AVE')");
    species.refresh();  // the list follows its data set
    EXPECT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.currentText(), "FELINA");

    // A form that reads the list again whenever the combo takes the focus, as its own popup closes: the
    // same rows leave the list alone and the item clicked is chosen.
    ReadAgainOnFocus again(link, &species);
    combo.installEventFilter(&again);
    data->edit();
    input::chooseItem(&combo, "AVE");
    EXPECT_GT(again.reads, 0);
    EXPECT_EQ(combo.currentText(), "AVE");
    EXPECT_EQ(data->field("Id_Especie").toInt(), 3);
    // Other rows: the key chosen stays shown while it is in them, and shows nothing once it is not.
    exec("delete from especie where Id_Especie = 1");
    species.refresh();
    EXPECT_EQ(combo.currentText(), "AVE");
    exec("delete from especie where Id_Especie = 3");
    species.refresh();
    EXPECT_EQ(combo.currentIndex(), -1);
    data->cancel();
}

}  // namespace
