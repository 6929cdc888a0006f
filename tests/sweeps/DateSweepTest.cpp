// Every date box and picker of the program, reached as a clerk reaches it: each form opened by its menu
// opener (and the forms those open), each date entry found by its class, clicked and typed into.
#include "EveryOpener.h"
#include "TestDatabase.h"
#include "UserInput.h"

#include "common/FormOpening.h"
#include "platform/ui/DateEdit.h"
#include "registry/UEndereco_Animal.h"
#include "registry/UPropAnimal.h"
#include "shell/MenuModel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDateTimeEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSet>

namespace {

constexpr int kOwner = 1, kAnimal = 10;

// Openers that are not in the main menu but open forms of their own.
const QStringList kOtherOpeners{QStringLiteral("actMarcaAtendimento"), QStringLiteral("actCarteiraIdentificacao")};

// A form with date entries that a clerk cannot use: the availability map's e-mail page stays disabled.
const QSet<QString> kUnreachable{QStringLiteral("TfrmMapaDisponibilidade/dtpDataInicial"),
                                 QStringLiteral("TfrmMapaDisponibilidade/dtpDataFinal")};

// The date entries known today, so that a form that stops opening is noticed.
const QSet<QString> kKnown{
    "TfrmPropAnimal/dbeDt_Nascimento", "TfrmPropAnimal/dtpData", "TfrmEndereco_Animal/dbeDataInicial",
    "TfrmRegistroOcorrencia/mkeDataOcorrencia", "TfrmTransferir_Animal/dtpDataTransferencia",
    "TfrmPesquisaAvancado/dtpDataInicio", "TfrmPesquisaAvancado/dtpDataFim",
    "TfrmSelRelDataUnidade/dtpDataInicial", "TfrmSelRelDataUnidade/dtpDataFinal", "TfrmSelAgendaProfissional/dtpInicial",
    "TfrmSelAgendaProfissional/dtpFinal", "TfrmAgendaNovoAtendimento/dtpData",
    "TfrmAtendimentoParticular/mkeDt_Atendimento", "TfrmProfissional/dtpDataInicialAtendimento",
    "TfrmProfissional/dtpDataFinalAtendimento", "TfrmProfissional/dtpDataInicialImpedimento",
    "TfrmProfissional/dtpDataFinalImpedimento", "TfrmProfissional/dtpDataInicialHoras_Extra",
    "TfrmProfissional/dtpDataFinalHoras_Extra", "TfrmMapaDisponibilidadeRascunho/mkeData",
    "TfrmExportaTabelas/dtpInicial", "TfrmExportaTabelas/dtpFinal", "TfrmExportaTabelaAgendamento/dtpDataInicio",
    "TfrmExportaTabelaAgendamento/dtpDataFim"};

QString formOf(const QWidget* window) {
    const auto* sub = qobject_cast<const QMdiSubWindow*>(window);
    const QWidget* form = sub && sub->widget() ? sub->widget() : window;
    return QString::fromLatin1(form->metaObject()->className());
}

class DateSweep : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        loginAsAdmin();
        registerEveryOpener();
        exec("insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status) values (1, 'UNIDADE CENTRAL', 'ATIVO')");
        exec("insert into especie (Id_Especie, Nome) values (1, 'CANINA')");
        exec("insert into proprietario (Id_Proprietario, Nome, Id_Unidade_Trabalho, Status_Registro) "
             "values (1, 'ANA', 1, 'ATIVO')");
        exec("insert into animal (Id_Animal, Id_Proprietario, Id_Especie, Nome, Sexo, Data_Nascimento) "
             "values (10, 1, 1, 'REX', 'M', :born)",
             {{"born", QDateTime(QDate(2020, 2, 1), QTime(0, 0))}});
        area = std::make_unique<QMdiArea>();
        area->resize(1366, 700);
        setWorkspace(area.get());
        area->show();
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != area.get() && w->isVisible())
                delete w;
        area.reset();
        DbTest::TearDown();
    }

    // The windows open now: the work area's sub-windows and the top-level windows.
    QList<QWidget*> windows() const {
        QList<QWidget*> out;
        for (QMdiSubWindow* sub : area->subWindowList())
            out << sub;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != area.get() && w->isVisible() && !w->inherits("QMenu"))
                out << w;
        return out;
    }

    // What a clerk does first on some forms so that their date entries can be used.
    void prepare(QWidget* window) {
        const QString form = formOf(window);
        if (form == "TfrmPropAnimal") {
            frmPropAnimal->openOwner(kOwner, kAnimal);
            window->findChild<QAction*>("actAnimalAlterar")->trigger();
        } else if (form == "TfrmEndereco_Animal") {
            frmEndereco_Animal->chooseAnimal(kOwner, kAnimal);  // as its search hands the animal over
        } else if (form == "TfrmPesquisaAvancado") {
            input::clickButton(window->findChild<QAbstractButton*>("ckbIgnoraData"));
        } else if (form == "TfrmMapaDisponibilidade") {
            input::clickButton(window->findChild<QAbstractButton*>("BitBtn7"));  // "Criar rascunho..."
        } else if (form == "TfrmMapaDisponibilidadeRascunho" || form == "TfrmProfissional") {
            window->findChild<QAction*>("actAppend")->trigger();  // lists and slots are typed into a new row
        }
    }

    // Types a date, an impossible date and a half-typed one; each refusal leaves no other date behind.
    void sweep(const QString& label, ui::DateEdit* box) {
        SCOPED_TRACE(label.toStdString());
        const QDate date(2026, 12, 21);
        input::clickAndType(box, "21122026");
        EXPECT_EQ(box->date(), date);
        EXPECT_EQ(box->text(), "21/12/2026");
        EXPECT_FALSE(box->isRefused());
        for (const char* refused : {"31022026", "99999999"}) {
            input::clickAndType(box, refused);
            EXPECT_TRUE(box->isRefused()) << refused;
            // A picker keeps its date; a box that may stay empty keeps the text for its form to name.
            EXPECT_EQ(box->date(), box->emptyAllowed() ? QDate() : date) << refused;
            EXPECT_EQ(box->text(), box->emptyAllowed() ? QString(refused).insert(4, '/').insert(2, '/') : "21/12/2026");
        }
        input::clickAndType(box, "21122026");
        input::clickAndType(box, "2112");
        input::pressKey(box, Qt::Key_Tab);
        EXPECT_TRUE(box->isRefused());
        EXPECT_EQ(box->date(), box->emptyAllowed() ? QDate() : date);
    }

    std::unique_ptr<QMdiArea> area;
};

TEST_F(DateSweep, EveryDateEntryTakesATypedDateAndRefusesAnImpossibleOne) {
    QStringList openers;
    for (const MenuEntry& e : mainMenuEntries())
        if (e.kind == MenuEntry::Action && openerFor(e.actionName) && e.actionName != "actTrocaUsuario")
            openers << e.actionName;
    openers << kOtherOpeners;
    QSet<QString> found;
    for (const QString& name : std::as_const(openers)) {
        SCOPED_TRACE(name.toStdString());
        prompts.clear();
        const QList<QWidget*> before = windows();
        openerFor(name)();
        QCoreApplication::processEvents();
        // The forms it opened, and those they open in turn.
        QList<QPointer<QWidget>> opened;
        for (bool more = true; more;) {
            more = false;
            for (QWidget* w : windows()) {
                if (before.contains(w) || opened.contains(w))
                    continue;
                opened << w;
                prepare(w);
                more = true;
            }
        }
        for (const QPointer<QWidget>& window : std::as_const(opened)) {
            if (!window)
                continue;
            const QString form = formOf(window);
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
        }
        for (const QPointer<QWidget>& window : std::as_const(opened))
            delete window.data();
    }
    for (const QString& known : kKnown)
        EXPECT_TRUE(found.contains(known)) << "not found: " << known.toStdString();
}

}  // namespace
