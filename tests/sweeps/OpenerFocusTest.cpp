// SPDX-License-Identifier: GPL-3.0-or-later
// Windows that come back in order: a preview, a dialog or a form opened from a form gives that form back once
// it closes, whatever other windows are open, with the focus where it was.
#include "UserInput.h"
#include "WindowsFixture.h"

#include "platform/report/PreviewWindow.h"
#include "registers/ReferenceForms.h"
#include "registry/events/URegistroOcorrencia.h"
#include "scheduling/agenda/AgendaDialogs.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

class OpenerFocus : public WindowsTest {
protected:
    QMdiSubWindow* open(const char* action) {
        main->action(action)->trigger();
        settle();
        return area->activeSubWindow();
    }

    report::PreviewWindow* openPreview() const {
        for (const QPointer<QWidget>& w : openWindows(main.get()))
            if (auto* preview = qobject_cast<report::PreviewWindow*>(w.data()))
                return preview;
        return nullptr;
    }
};

TEST_F(OpenerFocus, TheAgendasReportPreviewGivesTheAgendaBackNotTheRegisterOpenedBefore) {
    exec("insert into profissional (Id_Profissional, Nome, Ind_Status) values (1, 'DRA. LIA', 'ATIVO')");
    prompts.showPreviews = true;
    QMdiSubWindow* registerWindow = open("actProprietario_Animal");
    QMdiSubWindow* agendaWindow = open("actAgenda");
    ASSERT_TRUE(registerWindow && agendaWindow && registerWindow != agendaWindow);
    QWidget* agenda = agendaWindow->widget();

    // The report by professional: its selection, whose Visualizar closes it and opens the preview.
    auto* byProfessional = agenda->findChild<QRadioButton*>("rdbRelProfissional");
    input::click(byProfessional, QPoint(8, byProfessional->height() / 2));  // on its circle
    auto* gerar = agenda->findChild<QPushButton*>("bmpGeraRelatorio");
    input::clickButton(gerar);
    settle();
    ASSERT_TRUE(frmSelAgendaProfissional);
    input::chooseItem(frmSelAgendaProfissional->cbbProfissional, "1 - DRA. LIA");
    input::clickButton(frmSelAgendaProfissional->BitBtn2);
    settle();
    EXPECT_FALSE(frmSelAgendaProfissional);
    report::PreviewWindow* preview = openPreview();
    ASSERT_TRUE(preview);
    EXPECT_EQ(QApplication::activeWindow(), preview) << "the selection's close took the preview's focus away";
    EXPECT_EQ(area->currentSubWindow(), agendaWindow) << "the register came to the front behind the preview";

    preview->findChild<QAction*>("actClose")->trigger();
    settle();
    EXPECT_FALSE(openPreview());
    EXPECT_EQ(area->activeSubWindow(), agendaWindow) << "not " << area->activeSubWindow()->windowTitle().toStdString();
    EXPECT_EQ(QApplication::activeWindow(), main.get());
    EXPECT_EQ(input::focused(), gerar) << "the focus is back where it was";
}

TEST_F(OpenerFocus, AFormOpenedFromAnotherFormsPopUpMenuGivesThatFormBack) {
    QMdiSubWindow* unitsWindow = open("actUnidade");
    QMdiSubWindow* occurrencesWindow = open("actRegistroOcorrencia");
    ASSERT_TRUE(unitsWindow && occurrencesWindow && unitsWindow != occurrencesWindow);
    auto* incluir = occurrencesWindow->widget()->findChild<QPushButton*>("bmpIncluir");
    incluir->setFocus();  // where the clerk was before the right click

    // The pop-up's "018 - &Tipo de ocorrência...", which runs the main menu's item.
    frmRegistroOcorrencia->findChild<QAction*>("actTipoOcorrencia")->trigger();
    settle();
    ASSERT_TRUE(frmTipoOcorrencia);
    QMdiSubWindow* typesWindow = area->activeSubWindow();
    ASSERT_EQ(typesWindow->widget(), frmTipoOcorrencia.data());

    input::pressKey(frmTipoOcorrencia, Qt::Key_S, Qt::ControlModifier);  // Sair
    settle();
    EXPECT_FALSE(frmTipoOcorrencia);
    EXPECT_EQ(area->activeSubWindow(), occurrencesWindow)
        << "not " << area->activeSubWindow()->windowTitle().toStdString();
    EXPECT_EQ(input::focused(), incluir) << "the focus is back where it was";
}
