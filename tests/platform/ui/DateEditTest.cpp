// SPDX-License-Identifier: GPL-3.0-or-later
// The date box: digits typed after a click, impossible dates refused, two-digit years, arrows and the calendar.
#include "platform/ui/DateEdit.h"

#include "UserInput.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCalendarWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

using ui::DateReading;
using ui::DateRules;
using ui::readDate;

TEST(ReadDate, TakesOnlyCompletePossibleDatesAsTyped) {
    DateRules plain;
    plain.twoDigitYearsUpTo = 2026;
    DateRules range = plain;
    range.minimum = QDate(2000, 1, 1);
    range.maximum = QDate(2050, 1, 1);
    const struct {
        const char* text;
        const DateRules& rules;
        bool finished;
        DateReading::Kind kind;
        QDate date;
    } cases[] = {
        {"21/12/2026", plain, false, DateReading::Complete, QDate(2026, 12, 21)},
        {"21122026", plain, false, DateReading::Complete, QDate(2026, 12, 21)},
        {"  /  /    ", plain, true, DateReading::Empty, {}},
        {"__/__/____", plain, true, DateReading::Empty, {}},
        {"", plain, true, DateReading::Empty, {}},
        {"21/12/202_", plain, true, DateReading::Unfinished, {}},
        {"2_/12/202_", plain, true, DateReading::Unfinished, {}},
        {"_1/12/2026", plain, true, DateReading::Unfinished, {}},  // a digit of the day left out
        {"21/1", plain, false, DateReading::Unfinished, {}},
        {"21/1", plain, true, DateReading::Unfinished, {}},
        {"31/02/2026", plain, false, DateReading::Impossible, {}},  // never the 28th or the 3rd of March
        {"29/02/2024", plain, false, DateReading::Complete, QDate(2024, 2, 29)},
        {"29/02/2025", plain, false, DateReading::Impossible, {}},
        {"99/99/9999", plain, false, DateReading::Impossible, {}},
        {"00/00/0000", plain, false, DateReading::Impossible, {}},
        {"01/13/2026", plain, false, DateReading::Impossible, {}},
        {"21/12/2026/1", plain, true, DateReading::Impossible, {}},
        {"2a/12/2026", plain, true, DateReading::Impossible, {}},
        // bounds refuse, never clamp
        {"31/12/1999", range, false, DateReading::Impossible, {}},
        {"02/01/2050", range, false, DateReading::Impossible, {}},
        {"01/01/2050", range, false, DateReading::Complete, QDate(2050, 1, 1)},
        {"01/01/99", range, true, DateReading::Impossible, {}},
        // ddmmyy, d/m/yy and d/m/yyyy: whole only once typing is over; a two-digit year is the latest such year
        // up to this one
        {"07/12/26__", plain, false, DateReading::Unfinished, {}},
        {"07/12/26__", plain, true, DateReading::Complete, QDate(2026, 12, 7)},
        {"071226", plain, true, DateReading::Complete, QDate(2026, 12, 7)},
        {"010220", plain, true, DateReading::Complete, QDate(2020, 2, 1)},
        {"211220", plain, true, DateReading::Complete, QDate(2020, 12, 21)},
        {"7/12/26", plain, false, DateReading::Unfinished, {}},
        {"7/12/26", plain, true, DateReading::Complete, QDate(2026, 12, 7)},
        {"7/1/2026", plain, true, DateReading::Complete, QDate(2026, 1, 7)},
        {"7_/1_/26__", plain, true, DateReading::Complete, QDate(2026, 1, 7)},
        {"1_/__/____", plain, true, DateReading::Unfinished, {}},
        {"07/12/27", plain, true, DateReading::Complete, QDate(1927, 12, 7)},
        {"07/12/00", plain, true, DateReading::Complete, QDate(2000, 12, 7)},
        {"07/12/99", plain, true, DateReading::Complete, QDate(1999, 12, 7)},
        {"07/12/2___", plain, true, DateReading::Unfinished, {}},
        {"31/02/24", plain, true, DateReading::Impossible, {}},
    };
    for (const auto& c : cases) {
        const DateReading read = readDate(QString::fromLatin1(c.text), c.rules, c.finished);
        EXPECT_EQ(read.kind, c.kind) << c.text;
        EXPECT_EQ(read.date, c.date) << c.text;
    }
    EXPECT_EQ(ui::fullYear(26, 2026), 2026);
    EXPECT_EQ(ui::fullYear(27, 2026), 1927);
    EXPECT_EQ(DateRules().twoDigitYearsUpTo, QDate::currentDate().year()) << "by default, up to this year";
}

TEST(ReadDate, ARefusalSaysWhy) {
    DateRules plain;
    DateRules from = plain, upTo = plain, range = plain;
    from.minimum = range.minimum = QDate(2000, 1, 1);
    upTo.maximum = range.maximum = QDate(2050, 1, 1);
    const struct {
        const char* text;
        const DateRules& rules;
        QString reason;
    } cases[] = {
        {"21/12/2026", range, {}},
        {"__/__/____", range, {}},
        {"21/12/20__", range, {}},  // 2020
        {"21/1_/____", plain, ui::kDataIncompleta},
        {"21/12/202_", plain, ui::kDataIncompleta},
        {"31/02/2026", plain, "Data inexistente: 31/02/2026."},
        {"99/99/9999", range, "Data inexistente: 99/99/9999."},
        {"02/01/2050", range, "Data fora do período aceito: de 01/01/2000 a 01/01/2050."},
        {"31/12/99__", from, "Data fora do período aceito: a partir de 01/01/2000."},
        {"02/01/2050", upTo, "Data fora do período aceito: até 01/01/2050."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui::refusalReason(QString::fromLatin1(c.text), c.rules), c.reason) << c.text;
}

// A form in a work area with a picker, a box that may stay empty, and controls to click away to.
class DateEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QMdiArea>();
        auto* form = new QWidget;
        auto* layout = new QVBoxLayout(form);
        picker = new ui::DateEdit(QDate(2026, 12, 7), form);
        picker->setDateRange(QDate(2000, 1, 1), QDate(2050, 1, 1));
        box = new ui::DateEdit(form);
        other = new QLineEdit(form);
        button = new QPushButton(QStringLiteral("Gravar"), form);
        tool = new QToolButton(form);  // as a tool bar's, it takes no focus
        tool->setFocusPolicy(Qt::NoFocus);
        for (QWidget* w : std::initializer_list<QWidget*>{picker, box, other, button, tool})
            layout->addWidget(w);
        window->addSubWindow(form)->show();
        window->resize(500, 400);
        window->show();
        input::activate(form);
    }
    // Where a section of the date lies in the box: the middle of its characters.
    static QPoint at(ui::DateEdit* edit, int character) {
        const QFontMetrics metrics = edit->fontMetrics();
        return {6 + metrics.horizontalAdvance(QStringLiteral("00/00/0000").left(character)) +
                    metrics.horizontalAdvance(QLatin1Char('0')) / 2,
                edit->height() / 2};
    }
    std::unique_ptr<QMdiArea> window;
    ui::DateEdit* picker;
    ui::DateEdit* box;
    QLineEdit* other;
    QPushButton* button;
    QToolButton* tool;
};

TEST_F(DateEditTest, TypedDigitsStartFromTheDayWhereverTheClickLands) {
    QSignalSpy edited(picker, &ui::DateEdit::dateEdited);
    for (int firstChar : {0, 4, 8}) {
        input::click(picker, at(picker, firstChar));
        input::type(picker, "2112");
        EXPECT_EQ(picker->date(), QDate(2026, 12, 7)) << "half-typed: the date held stays";
        input::type(picker, "2026");
        EXPECT_EQ(picker->date(), QDate(2026, 12, 21)) << firstChar;
        EXPECT_EQ(picker->text(), "21/12/2026");
        input::click(picker, at(picker, firstChar));
        input::type(picker, "05/01/2027");  // "/" typed as well
        EXPECT_EQ(picker->date(), QDate(2027, 1, 5)) << firstChar;
        input::click(picker, at(picker, firstChar));
        input::type(picker, "7/12/2026");  // one digit and "/"
        EXPECT_EQ(picker->date(), QDate(2026, 12, 7)) << firstChar;
    }
    // each complete date once, nothing in between
    ASSERT_EQ(edited.count(), 9);
    EXPECT_EQ(edited.at(0).at(0).toDate(), QDate(2026, 12, 21));
    EXPECT_FALSE(picker->isRefused());
}

TEST_F(DateEditTest, AnImpossibleDateIsRefusedNeverMovedToAnother) {
    for (const char* typed : {"31022026", "99999999", "01011999", "02012050"}) {
        input::clickAndType(picker, typed);
        EXPECT_EQ(picker->date(), QDate(2026, 12, 7)) << typed;
        EXPECT_EQ(picker->text(), "07/12/2026") << typed;
        EXPECT_TRUE(picker->isRefused()) << typed;
    }
    input::type(picker, "21122026");  // refused, the date is selected again for another try
    EXPECT_EQ(picker->date(), QDate(2026, 12, 21));
    EXPECT_FALSE(picker->isRefused());

    // A half-typed date is refused on leaving, by Tab or by a click anywhere else.
    input::clickAndType(picker, "3112");
    input::click(other);
    EXPECT_EQ(picker->text(), "21/12/2026");
    EXPECT_TRUE(picker->isRefused());
    input::clickAndType(picker, "311");
    input::pressKey(picker, Qt::Key_Tab);
    EXPECT_EQ(picker->date(), QDate(2026, 12, 21));
    EXPECT_TRUE(picker->isRefused());

    // The click that makes a picker go back does nothing else: no action runs on a date the clerk did not type.
    QSignalSpy pressed(button, &QPushButton::clicked), used(tool, &QToolButton::clicked);
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{button, tool}) {
        input::clickAndType(picker, "0101");
        input::click(b);
        EXPECT_EQ(picker->date(), QDate(2026, 12, 21));
        EXPECT_TRUE(picker->isRefused());
        EXPECT_EQ(pressed.count() + used.count(), 0);
    }
    input::click(button);
    input::click(tool);
    EXPECT_EQ(pressed.count() + used.count(), 2) << "the next click acts";

    // A box that may stay empty keeps what it refused for its form's check, and holds no date meanwhile.
    input::clickAndType(box, "21122026");
    EXPECT_EQ(box->date(), QDate(2026, 12, 21));
    input::clickAndType(box, "31022026");
    EXPECT_EQ(box->date(), QDate());
    EXPECT_EQ(box->text(), "31/02/2026");
    EXPECT_TRUE(box->isRefused());
    EXPECT_FALSE(box->isBlank());
    input::clickAndType(box, "0101");
    input::click(other);
    EXPECT_EQ(box->date(), QDate());
    EXPECT_TRUE(box->isRefused());
    input::click(box);
    input::pressKey(box, Qt::Key_Delete);
    input::click(other);
    EXPECT_TRUE(box->isBlank());
    EXPECT_FALSE(box->isRefused());
}

TEST_F(DateEditTest, EveryFormOfADateIsTakenByPickersAndBoxesAlike) {
    const int year = QDate::currentDate().year();
    const QString yy = QStringLiteral("%1").arg(year % 100, 2, 10, QLatin1Char('0'));
    const QDate date(year, 12, 7);
    const QStringList forms{"0712" + yy, "7/12/" + yy, "07122026", "7/12/2026"};
    for (ui::DateEdit* edit : {picker, box}) {
        SCOPED_TRACE(edit == picker ? "picker" : "box");
        // ddmmyyyy and d/m/yyyy are taken as typed, ddmmyy and d/m/yy once the clerk leaves the box (by Enter,
        // Tab or a click elsewhere): until then two more digits of the year may follow.
        for (const QString& typed : forms.mid(0, 2)) {
            input::clickAndType(edit, "01012001");
            input::clickAndType(edit, typed);
            EXPECT_EQ(edit->date(), edit->emptyAllowed() ? QDate() : QDate(2001, 1, 1)) << typed.toStdString();
        }
        for (int leave = 0; leave < 3; ++leave) {
            for (const QString& typed : forms) {
                input::clickAndType(edit, typed);
                if (leave == 0)
                    input::pressEnter(edit);
                else if (leave == 1)
                    input::pressKey(edit, Qt::Key_Tab);
                else
                    input::click(other);
                const QDate expected = typed.size() > 8 ? QDate(2026, 12, 7) : date;
                EXPECT_EQ(edit->date(), expected) << typed.toStdString() << " " << leave;
                EXPECT_EQ(edit->text(), expected.toString("dd/MM/yyyy")) << "shown whole";
                EXPECT_FALSE(edit->isRefused()) << typed.toStdString();
            }
        }
        input::clickAndType(edit, "7/1/" + yy);
        input::click(other);
        EXPECT_EQ(edit->date(), QDate(year, 1, 7));
    }
}

TEST_F(DateEditTest, TheRefusalSaysWhyAtTheBoxUntilTheClerkGoesOn) {
    auto note = [](ui::DateEdit* edit) { return edit->findChild<QLabel*>("lblRecusa"); };
    // Refused while typing: the note stays while the focus does, and goes as the clerk types again.
    input::clickAndType(picker, "31022026");
    ASSERT_NE(note(picker), nullptr);
    EXPECT_TRUE(note(picker)->isVisible());
    EXPECT_EQ(note(picker)->text(), "Data inexistente: 31/02/2026.");
    EXPECT_EQ(picker->refusal(), "Data inexistente: 31/02/2026.");
    EXPECT_EQ(picker->toolTip(), "Data inexistente: 31/02/2026.") << "told again under the mouse";
    EXPECT_GE(note(picker)->geometry().top(), picker->mapToGlobal(QPoint(0, picker->height())).y()) << "under it";
    input::pressKey(picker, Qt::Key_Right);
    EXPECT_TRUE(note(picker)->isVisible());
    input::clickAndType(picker, "2");
    EXPECT_FALSE(note(picker)->isVisible());
    EXPECT_TRUE(picker->toolTip().isEmpty());
    EXPECT_TRUE(picker->refusal().isEmpty());

    // Refused on leaving by Tab: the note stays while the clerk types in the next box, and goes at the next
    // click or move of the focus.
    input::clickAndType(picker, "0201");
    input::pressKey(picker, Qt::Key_Tab);
    EXPECT_EQ(input::focused(), box);
    EXPECT_TRUE(note(picker)->isVisible());
    EXPECT_EQ(note(picker)->text(), ui::kDataIncompleta);
    input::type(box, "0101");
    EXPECT_TRUE(note(picker)->isVisible());
    input::pressKey(box, Qt::Key_Tab);
    EXPECT_FALSE(note(picker)->isVisible());
    EXPECT_EQ(picker->toolTip(), ui::kDataIncompleta) << "the refusal stays shown by the frame and the tool tip";

    // Out of the range, refused by a click elsewhere: the click's release leaves the note; the next click not.
    input::clickAndType(picker, "01011999");
    EXPECT_EQ(note(picker)->text(), "Data fora do período aceito: de 01/01/2000 a 01/01/2050.");
    input::clickAndType(box, "31/04/2026");
    EXPECT_EQ(note(box)->text(), "Data inexistente: 31/04/2026.");
    EXPECT_FALSE(note(picker)->isVisible());
    input::clickAndType(box, "3104");
    input::click(other);
    EXPECT_TRUE(note(box)->isVisible());
    EXPECT_EQ(note(box)->text(), ui::kDataIncompleta);
    input::click(other);
    EXPECT_FALSE(note(box)->isVisible());
}

TEST_F(DateEditTest, ArrowKeysStepTheSectionClickedWithinTheRange) {
    input::click(picker, at(picker, 0));
    input::pressKey(picker, Qt::Key_Up);
    EXPECT_EQ(picker->date(), QDate(2026, 12, 8));
    input::click(picker, at(picker, 3));
    input::pressKey(picker, Qt::Key_Up);
    EXPECT_EQ(picker->date(), QDate(2027, 1, 8));
    input::click(picker, at(picker, 8));
    input::pressKey(picker, Qt::Key_Down);
    EXPECT_EQ(picker->date(), QDate(2026, 1, 8));
    input::clickAndType(picker, "01012050");
    input::pressKey(picker, Qt::Key_Up);
    EXPECT_EQ(picker->date(), QDate(2050, 1, 1)) << "the maximum is not passed";
    picker->setReadOnly(true);
    input::pressKey(picker, Qt::Key_Down);
    input::type(picker, "02022030");
    EXPECT_EQ(picker->date(), QDate(2050, 1, 1)) << "read only";
    EXPECT_FALSE(picker->findChild<QAction*>("actCalendario")->isEnabled());
}

TEST_F(DateEditTest, ThePickersCalendarGivesTheDayClicked) {
    EXPECT_FALSE(box->calendarPopup());
    QSignalSpy edited(picker, &ui::DateEdit::dateEdited);
    auto* button = picker->findChild<QToolButton*>();
    ASSERT_NE(button, nullptr);
    input::click(button);
    auto* calendar = picker->findChild<QCalendarWidget*>("calendario");
    ASSERT_TRUE(calendar && calendar->isVisible());
    EXPECT_EQ(calendar->selectedDate(), QDate(2026, 12, 7));
    // the day cells are a table view inside the calendar: click the 21st through it
    auto* view = calendar->findChild<QAbstractItemView*>();
    ASSERT_NE(view, nullptr);
    const QAbstractItemModel* model = view->model();
    QModelIndex day21;
    for (int r = 0; r < model->rowCount() && !day21.isValid(); ++r)
        for (int c = 0; c < model->columnCount(); ++c)
            if (r > 2 && model->index(r, c).data().toInt() == 21)
                day21 = model->index(r, c);
    ASSERT_TRUE(day21.isValid());
    input::click(view->viewport(), view->visualRect(day21).center());
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_EQ(picker->date(), QDate(2026, 12, 21));
    EXPECT_EQ(edited.count(), 1);
}
