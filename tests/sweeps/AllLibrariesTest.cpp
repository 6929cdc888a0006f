// SPDX-License-Identifier: GPL-3.0-or-later
// Every subsystem linked as the application is, its forms opened from the main menu: each refusal reads
// its own subsystem's text, whichever library the linker met first with a message of the same name; every
// export's save dialog offers its files from the documents folder.
#include "SweepTest.h"
#include "UserInput.h"

#include "common/FormWindows.h"
#include "common/access/FormOpening.h"
#include "common/rules/EpiWeeks.h"
#include "shell/menu/UMenuPrincipal.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStandardPaths>
#include <QToolButton>
#include <functional>

namespace {

class AllLibraries : public SweepTest {
protected:
    void SetUp() override {
        SweepTest::SetUp();
        seedEveryList();
        main = new TfrmMenuPrincipal;
        frmMenuPrincipal = main;
        main->resize(1366, 768);
        main->show();
        main->configuraMenu();
        const int year = QDate::currentDate().year();
        db::Transaction weeks;  // one commit: quicker on SQLite
        for (int y : {year - 1, year, year + 1})
            for (const EpiWeek& w : epiWeeksOfYear(y))
                exec(
                    R"(
                        insert into semana_epidemiologica (nrideano, nridesep, dtinisep, dtfimsep)
                        values (:a, :n, :i, :f)
                    )",
                    {{"a", y},
                     {"n", w.week},
                     {"i", QDateTime(w.first, QTime(0, 0))},
                     {"f", QDateTime(w.last, QTime(0, 0))}});
        weeks.commit();
    }

    void TearDown() override {
        deleteTopLevelWindows();
        setWorkspace(nullptr);
        DbTest::TearDown();
    }

    // The forms shown now: MDI windows and windows of their own.
    QList<QWidget*> forms() const {
        QList<QWidget*> out;
        for (QMdiSubWindow* sub : main->mdiArea()->subWindowList())
            out << sub->widget();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != main)
                out << w;
        return out;
    }
    // What a menu item or a button opened: the form that was not there before.
    static QWidget* opened(const std::function<void()>& open) {
        const QList<QPointer<QWidget>> windows = opening(open);
        if (windows.isEmpty())
            ADD_FAILURE() << "nothing opened";
        return windows.isEmpty() ? nullptr : windows.first().data();
    }
    // Every form gone, without the question about rows being typed.
    void closeForms() {
        qDeleteAll(main->mdiArea()->subWindowList());
        for (QWidget* w : forms())
            delete w;
    }
    QWidget* menu(const char* item) {
        QAction* action = main->action(QString::fromLatin1(item));
        EXPECT_TRUE(action && action->isEnabled()) << item;
        return action ? opened([action] { action->trigger(); }) : nullptr;
    }

    template <class T = QWidget>
    static T* child(QWidget* form, const char* name) {
        T* w = form ? form->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static void press(QWidget* form, const char* button) { input::clickButton(child<QAbstractButton>(form, button)); }
    // Clicks the tool button that shows the action.
    static void tool(QWidget* form, const char* action) {
        QAction* a = child<QAction>(form, action);
        for (QObject* o : a ? a->associatedObjects() : QObjectList())
            if (auto* b = qobject_cast<QToolButton*>(o); b && b->isVisible())
                return input::clickButton(b);
        ADD_FAILURE() << action << " has no tool button a clerk can see";
    }

    TfrmMenuPrincipal* main = nullptr;
};

TEST_F(AllLibraries, EverySubsystemRefusesWithItsOwnTexts) {
    const struct {
        const char* item;
        std::function<void(QWidget*)> drive;
        QString refusal;
    } cases[] = {
        // 1 - the shell
        {"actTrocaSenha", [](QWidget* f) { press(f, "bmpOK"); }, "Falta digitar a senha atual."},
        {"actFormSistema",
         [](QWidget* f) {
             tool(f, "actAppend");
             tool(f, "actPost");
         },
         "Falta preencher o nome do formulário!"},
        // 2 - owners and animals
        {"actProprietario_Animal",
         [](QWidget* f) {
             tool(f, "actAppend");
             tool(f, "actPost");
         },
         "Falta preencher campo unidade."},
        {"actTransferir_Animal", [](QWidget* f) { press(f, "bmpTransferir"); },
         "Falta selecionar o primeiro proprietário!"},
        // 3 - the agenda and the booking
        {"actAgenda", [](QWidget* f) { press(f, "BitBtn3"); }, "Nenhum registro encontrado."},
        {"actAgenda",
         [this](QWidget* f) {
             QWidget* booking = opened([f] { press(f, "BitBtn1"); });
             tool(booking, "actAppend");
             input::chooseItem(child<QComboBox>(booking, "dblStatusAtendimento"), "AGENDADO");
             input::chooseItem(child<QComboBox>(booking, "dblNomeProp"), "MARIA DA SILVA");
             input::chooseItem(child<QComboBox>(booking, "cbbAnimal"), "REX");
             auto* hora = child<QLineEdit>(booking, "mkeHora");
             input::click(hora);
             input::pressKey(hora, Qt::Key_Home);
             input::type(hora, "0930");
             tool(booking, "actPost");
         },
         "Falta selecionar a unidade de trabalho."},
        // 4 - the professionals
        {"actProfissional",
         [](QWidget* f) {
             tool(f, "actAppend");
             press(f, "btnIncluirAtendimento");
         },
         "Falta selecionar um dia da semana."},
        // 5 - the availability map
        {"actMapaDisponibilidade",
         [](QWidget* f) {
             press(f, "bmpNovaVaga");
             press(f, "bmpGravar");
         },
         "O preenchimento do campo \"Unidade\" é obrigatório."},
        // 6 - the exports
        {"actExtratorTabelasSistema", [](QWidget* f) { press(f, "BitBtn1"); },
         "Falta selecionar uma tabela para pesquisa."},
    };
    for (const auto& c : cases) {
        prompts.clear();
        QWidget* form = menu(c.item);
        ASSERT_NE(form, nullptr) << c.item;
        c.drive(form);
        EXPECT_EQ(prompts.texts(), QStringList{c.refusal})
            << c.item << ": " << prompts.texts().join(" | ").toStdString();
        closeForms();
    }
}

// Every save dialog opens in the documents folder and offers its files each with the suffix the program
// writes it under, so that the dialog's question about replacing a file is about the file written.
TEST_F(AllLibraries, EverySaveDialogOffersItsFilesFromTheDocumentsFolderWithTheirSuffixes) {
    const QString dbf = "Arquivos dBase (*.dbf)=dbf";
    const struct {
        const char* item;
        std::function<void(QWidget*)> drive;
        QStringList types;  // filter=suffix
    } cases[] = {
        {"actEndereco_Animal", [](QWidget* f) { tool(f, "actExportacao"); }, {dbf}},
        {"actRegistroOcorrencia", [](QWidget* f) { tool(f, "actExportarIntercorrencia"); }, {dbf}},
        {"actPesquisaAvancado", [](QWidget* f) { press(f, "BitBtn1"); }, {dbf, "Texto (*.txt)=dbf"}},
        {"actExportaDados",
         [](QWidget* f) {
             press(f, "ccbSeleciona_tuto");
             press(f, "BitBtn2");
         },
         {dbf}},
        {"actExtratorTabelasSistema",
         [](QWidget* f) {
             input::chooseItem(child<QComboBox>(f, "cbbTabela"), "Animal e atendimento");
             press(f, "BitBtn1");
             press(f, "bpmExportacao");
         },
         {dbf}},
        {"actExportaTabelaAgendamento", [](QWidget* f) { press(f, "bmpGeral"); }, {"=dbf"}},
    };
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QDir(documents).exists())
        documents = QDir::homePath();
    for (const auto& c : cases) {
        prompts.clear();
        prompts.confirmations << true;   // the advanced search's question on an empty result
        prompts.fileNames << QString();  // the clerk cancels the dialog
        c.drive(menu(c.item));
        ASSERT_EQ(prompts.fileDialogs.size(), 1) << c.item;
        QStringList types;
        for (const Prompts::FileType& type : prompts.fileDialogs[0].types)
            types << type.filter + "=" + type.suffix;
        EXPECT_EQ(types, c.types) << c.item;
        EXPECT_EQ(QFileInfo(prompts.fileDialogs[0].suggested).absoluteFilePath(), QDir(documents).absolutePath())
            << c.item << ": " << prompts.fileDialogs[0].suggested.toStdString();
        prompts.confirmations.clear();
        closeForms();
    }
}

TEST_F(AllLibraries, EveryFormTheMenuOpensIsNamedAfterItsGlobalVariable) {
    QStringList unnamed;
    for (QAction* action : main->menuActions()) {
        if (!openerFor(action->objectName()) || !action->isEnabled())
            continue;
        prompts.clear();
        prompts.confirmations = QList<bool>(5, false);
        for (const QPointer<QWidget>& w : opening([action] { action->trigger(); }))
            if (w && !w->objectName().startsWith("frm"))
                unnamed << action->objectName() + ": " + w->metaObject()->className() + " '" + w->objectName() + "'";
        closeForms();
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join("\n").toStdString();
}

TEST_F(AllLibraries, TheAgendaReportDialogsHaveTheirWindowButtonsAndThePeriodGroup) {
    const struct {
        const char* item;
        const char* name;
        Qt::WindowFlags buttons;
    } dialogs[] = {
        {"actRelAgendaDiaria", "frmSelRelDataUnidade", Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint},
        {"actRelAgendaMensal", "frmSelRelAgendaMensal", Qt::WindowSystemMenuHint},
        {"actSelAgendaProfissional", "frmSelAgendaProfissional", {}},
    };
    const Qt::WindowFlags anyButton = Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                      Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;
    for (const auto& d : dialogs) {
        QWidget* dialog = menu(d.item);
        ASSERT_NE(dialog, nullptr) << d.item;
        EXPECT_EQ(dialog->objectName(), d.name);
        const Qt::WindowFlags flags = dialog->parentWidget()->windowFlags() & anyButton;
        EXPECT_EQ(flags, d.buttons | (d.buttons ? Qt::WindowCloseButtonHint : Qt::WindowFlags())) << d.item;
        EXPECT_TRUE(dialog->isVisible()) << d.item;
        closeForms();
    }
    QWidget* daily = menu("actRelAgendaDiaria");
    auto* periodo = child<QGroupBox>(daily, "GroupBox1");
    ASSERT_NE(periodo, nullptr);
    EXPECT_EQ(periodo->title(), " Periodo ");
    QStringList captions;
    for (QLabel* label : periodo->findChildren<QLabel*>())
        captions << label->text();
    EXPECT_EQ(captions, QStringList({"Inicio:", "Fim:"}));
    EXPECT_TRUE(periodo->isAncestorOf(child<QWidget>(daily, "dtpDataInicial")));
    EXPECT_TRUE(periodo->isAncestorOf(child<QWidget>(daily, "dtpDataFinal")));

    // The agenda's locator and statistics windows.
    QWidget* agenda = menu("actAgenda");
    EXPECT_EQ(opened([agenda] { press(agenda, "bmpLocalizar"); })->objectName(), "frmAgendaLocalizarProp");
    press(agenda, "BitBtn3");
    exec(
        R"(
            insert into atendimento (Id_Proprietario, Id_Animal, Id_Unidade_Trabalho, Id_Unidade_Agendada,
                Data_Hora_Atendimento, Id_Atendimento_Status)
            values (1, 1, 1, 2, :w, 1)
        )",
        {{"w", QDateTime(db::serverTime().date(), QTime(9, 0))}});
    press(agenda, "BitBtn3");
    EXPECT_EQ(opened([agenda] { press(agenda, "bmpInformacao"); })->objectName(), "frmInformacaoAgenda");
}

}  // namespace
