// SPDX-License-Identifier: GPL-3.0-or-later
// Every date box and picker of the program, reached as a clerk reaches it: each form opened by its menu
// opener and each window it leads to, each date entry found by its class, clicked and typed into in every
// form a date is typed.
#include "FormSweep.h"

#include "platform/ui/DateEdit.h"

#include <QDateTimeEdit>
#include <QLabel>

namespace {

constexpr int kOwner = 1, kAnimal = 1;

// A form with date entries that a clerk cannot use: the availability map's e-mail page stays disabled.
const QSet<QString> kUnreachable{QStringLiteral("TfrmMapaDisponibilidade/dtpDataInicial"),
                                 QStringLiteral("TfrmMapaDisponibilidade/dtpDataFinal")};

// The date entries known today, so that a form that stops opening is noticed.
const QSet<QString> kKnown{"TfrmPropAnimal/dbeDt_Nascimento",
                           "TfrmPropAnimal/dtpData",
                           "TfrmEndereco_Animal/dbeDataInicial",
                           "TfrmRegistroOcorrencia/mkeDataOcorrencia",
                           "TfrmTransferir_Animal/dtpDataTransferencia",
                           "TfrmPesquisaAvancado/dtpDataInicio",
                           "TfrmPesquisaAvancado/dtpDataFim",
                           "TfrmSelRelDataUnidade/dtpDataInicial",
                           "TfrmSelRelDataUnidade/dtpDataFinal",
                           "TfrmSelAgendaProfissional/dtpInicial",
                           "TfrmSelAgendaProfissional/dtpFinal",
                           "TfrmAgendaNovoAtendimento/dtpData",
                           "TfrmAtendimentoParticular/mkeDt_Atendimento",
                           "TfrmProfissional/dtpDataInicialAtendimento",
                           "TfrmProfissional/dtpDataFinalAtendimento",
                           "TfrmProfissional/dtpDataInicialImpedimento",
                           "TfrmProfissional/dtpDataFinalImpedimento",
                           "TfrmProfissional/dtpDataInicialHoras_Extra",
                           "TfrmProfissional/dtpDataFinalHoras_Extra",
                           "TfrmMapaDisponibilidadeRascunho/mkeData",
                           "TfrmExportaTabelas/dtpInicial",
                           "TfrmExportaTabelas/dtpFinal",
                           "TfrmExportaTabelaAgendamento/dtpDataInicio",
                           "TfrmExportaTabelaAgendamento/dtpDataFim"};

QString formOf(const QWidget* window) { return QString::fromLatin1(window->metaObject()->className()); }

void trigger(QWidget* window, const char* action) {
    window->findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

}  // namespace

class DateSweep : public FormSweep {
protected:
    // What a clerk does first on some forms so that their date entries can be used; undone afterwards
    // (`undo`), so that the form's further windows open as they do without it.
    static void prepare(QWidget* window, bool undo) {
        const QString form = formOf(window);
        if (form == "TfrmPropAnimal") {
            if (!undo)
                frmPropAnimal->openOwner(kOwner, kAnimal);
            trigger(window, undo ? "actAnimalCancelar" : "actAnimalAlterar");
        } else if (form == "TfrmEndereco_Animal") {
            if (undo)
                trigger(window, "actCancel");
            else
                frmEndereco_Animal->chooseAnimal(kOwner, kAnimal);  // as its search hands the animal over
        } else if (form == "TfrmPesquisaAvancado") {
            input::clickButton(window->findChild<QAbstractButton*>("ckbIgnoraData"));
        } else if (form == "TfrmMapaDisponibilidadeRascunho" || form == "TfrmProfissional") {
            trigger(window, undo ? "actCancel" : "actAppend");  // lists and slots are typed into a new row
        }
    }

    // Types a date in each of its forms, an impossible date and a half-typed one; each refusal says why at the
    // box and leaves no other date behind.
    static void sweep(const QString& label, ui::DateEdit* box) {
        SCOPED_TRACE(label.toStdString());
        const QDate date(2026, 12, 21);
        input::clickAndType(box, "21122026");
        EXPECT_EQ(box->date(), date);
        EXPECT_EQ(box->text(), "21/12/2026");
        EXPECT_FALSE(box->isRefused());
        auto reasonShown = [box] {
            const auto* note = box->findChild<QLabel*>("lblRecusa");
            return note && note->isVisible() && !note->text().isEmpty() && note->text() == box->refusal();
        };
        for (const char* refused : {"31022026", "99999999"}) {
            input::clickAndType(box, refused);
            EXPECT_TRUE(box->isRefused()) << refused;
            EXPECT_TRUE(reasonShown()) << refused;
            // A picker keeps its date; a box that may stay empty keeps the text for its form to name.
            EXPECT_EQ(box->date(), box->emptyAllowed() ? QDate() : date) << refused;
            EXPECT_EQ(box->text(), box->emptyAllowed() ? QString(refused).insert(4, '/').insert(2, '/') : "21/12/2026");
        }
        input::clickAndType(box, "21122026");
        input::clickAndType(box, "2112");
        input::pressKey(box, Qt::Key_Tab);
        EXPECT_TRUE(box->isRefused());
        EXPECT_EQ(box->refusal(), ui::kDataIncompleta);
        EXPECT_EQ(box->date(), box->emptyAllowed() ? QDate() : date);
        // ddmmyy, d/m/yy and d/m/yyyy, the two-digit year the latest such year up to this one, taken on leaving.
        const int year = QDate::currentDate().year();
        const QString yy = QString::number(year).right(2);
        for (const QString& typed : {"0712" + yy, "7/12/" + yy, "7/1/" + QString::number(year)}) {
            input::clickAndType(box, typed);
            input::pressKey(box, Qt::Key_Tab);
            EXPECT_EQ(box->date(), QDate(year, typed.contains("/1/") ? 1 : 12, 7)) << typed.toStdString();
            EXPECT_FALSE(box->isRefused()) << typed.toStdString();
        }
    }

    // Every date entry of `window` is the program's date entry, and each a clerk can use takes a typed date.
    void sweepWindow(QWidget* window) {
        const QString form = formOf(window);
        prepare(window, false);
        for (QLineEdit* edit : window->findChildren<QLineEdit*>())
            EXPECT_TRUE(qobject_cast<ui::DateEdit*>(edit) || !edit->inputMask().contains('/'))
                << form.toStdString() << ": the date box " << edit->objectName().toStdString()
                << " is not the date entry";
        for (QDateTimeEdit* edit : window->findChildren<QDateTimeEdit*>())
            EXPECT_FALSE(edit->displayedSections() & QDateTimeEdit::DateSections_Mask)
                << form.toStdString() << ": the date picker " << edit->objectName().toStdString()
                << " is not the date entry";
        for (ui::DateEdit* box : window->findChildren<ui::DateEdit*>()) {
            const QString label = form + '/' + box->objectName();
            found << label;
            input::turnToPage(box);
            if (kUnreachable.contains(label) && !box->isEnabled())
                continue;
            sweep(label, box);
        }
        prepare(window, true);
    }

    QSet<QString> found;
};

TEST_F(DateSweep, EveryDateEntryTakesATypedDateAndRefusesAnImpossibleOne) {
    visitEveryWindow([this](QWidget* window, const QString& name) {
        SCOPED_TRACE(name.toStdString());
        sweepWindow(window);
    });
    for (const QString& known : kKnown)
        EXPECT_TRUE(found.contains(known)) << "not found: " << known.toStdString();
}
