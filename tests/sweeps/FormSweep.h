#pragma once
// Opens every form as the menu does, with reference rows enough for its lists and grids, does first what a
// clerk does before its lists matter, and then opens the further windows the form leads to: the sweeps
// over all forms visit each window so opened.

#include "EveryOpener.h"
#include "TestDatabase.h"
#include "UserInput.h"

#include "availability/UMapaDisponibilidade.h"
#include "common/FormOpening.h"
#include "registry/UEndereco_Animal.h"
#include "registry/UPropAnimal.h"
#include "shell/MenuModel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>

#include <functional>

namespace sweep {

// Reference rows enough for every list to offer a choice, and owners with animals.
const char* const kRows[] = {
    "insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status) values (1, 'UNIDADE CENTRAL', 'ATIVO'), "
    "(2, 'UNIDADE NORTE', 'ATIVO')",
    "insert into perfil (Id_Perfil, Nome, Ind_Status) values (1000, 'ADMINISTRADOR', 'ATIVO'), (10, 'ATENDENTE', 'ATIVO')",
    "insert into usuario (Id_Usuario, Id_Unidade_Trabalho, Id_Perfil, Nome, Login, Bloqueado, Inativo) values "
    "(1, 1, 1000, 'ADMINISTRADOR', 'ADMIN', 'NAO', 'NAO'), (2, 1, 10, 'ANA', 'ANA', 'NAO', 'NAO')",
    "insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status) values "
    "(1, 'TfrmUnidade', '001 - Unidade de trabalho', 'F', 1, 'ATIVO'), "
    "(125, 'TfrmRelUnidade', '025 - Unidade de trabalho', 'R', 25, 'ATIVO')",
    "insert into distrito (Id_Distrito, Nome, Ind_Status) values (1, 'DS1', 'ATIVO'), (2, 'DS2', 'ATIVO')",
    "insert into grupo_animal (Id_Grupo_Animal, Nome, Ind_Status) values (1, 'DOMICILIADO', 'ATIVO'), (2, 'ERRANTE', 'ATIVO')",
    "insert into especie (Id_Especie, Nome, Ind_Status) values (1, 'CANINA', 'ATIVO'), (2, 'FELINA', 'ATIVO')",
    "insert into porte (Id_porte, Descricao, Ind_Status) values (1, 'PEQUENO', 'ATIVO'), (2, 'GRANDE', 'ATIVO')",
    "insert into pelo (Id_pelo, Descricao, Ind_Status) values (1, 'CURTO', 'ATIVO'), (2, 'LONGO', 'ATIVO')",
    "insert into raca (Id_Raca, Nome, Id_Especie, Id_Porte, Id_Pelo, Ind_Status) values "
    "(1, 'SEM RAÇA DEFINIDA - SRD', 1, 1, 1, 'ATIVO'), (2, 'POODLE', 1, 1, 2, 'ATIVO'), "
    "(3, 'SIAMES', 2, 1, 1, 'ATIVO'), (4, 'PERSA', 2, 1, 2, 'ATIVO')",
    "insert into tipo_procedimento (Id_Tipo_Procedimento, Nome, Ind_Status) values (12, 'CASTRACAO', 'ATIVO'), "
    "(13, 'VACINACAO', 'ATIVO')",
    "insert into atendimento_status (Id_Atendimento_Status, Nome, Ind_Status) values (1, 'AGENDADO', 'ATIVO'), "
    "(2, 'REALIZADO', 'ATIVO'), (7, 'CANCELADO', 'ATIVO')",
    "insert into unidade_medida (Id_Unidade_Medida, Nome, Ind_Status) values (1, 'UNIDADE', 'ATIVO'), (2, 'ML', 'ATIVO')",
    "insert into medicamento (Id_Medicamento, Nome, Id_Unidade_Medida, Ind_Status) values (1, 'DIPIRONA', 1, 'ATIVO'), "
    "(2, 'VACINA V10', 2, 'ATIVO')",
    "insert into tipo_ocorrencia (Id_Tipo_Ocorrencia, Nome, Ind_Finaliza_Caso, Ind_Status) values "
    "(1, 'MORDEDURA', 'NAO', 'ATIVO'), (2, 'OBITO', 'SIM', 'ATIVO')",
    "insert into receituario_texto_peso (Id_Receituario_texto_Peso, Peso, Texto, Ind_Status) values "
    "(1, 5, 'ATE 5 KG', 'ATIVO'), (2, 10, 'ATE 10 KG', 'ATIVO')",
    "insert into tipo_vacina (Id_tipo_vacina, Nome, Ind_registro_ativo) values (1, 'Não se aplica', 'ATIVO'), "
    "(2, 'ANTIRRÁBICA', 'ATIVO')",
    "insert into tipo_motivo_nao_vacina (Id_tipo_motivo_nao_vacina, Nome, Ind_registro_ativo) values "
    "(1, 'Não se aplica', 'ATIVO'), (2, 'ANIMAL DOENTE', 'ATIVO')",
    "insert into tipo_vacina_ocorrencia (Id_tipo_vacina_ocorrencia, Nome, Ind_registro_ativo) values "
    "(1, 'Não se aplica', 'ATIVO'), (2, 'FEBRE', 'ATIVO')",
    "insert into profissional (Id_Profissional, Id_Unidade_Trabalho, Nome, Inativo, Bloqueado, Ind_Status) values "
    "(1, 1, 'DRA. LUCIA', 'NAO', 'NAO', 'ATIVO'), (2, 1, 'DR. PAULO', 'NAO', 'NAO', 'ATIVO')",
    "insert into unidade_trabalho_profissional (Id_Unidade_Trabalho, Id_Profissional) values (1, 1), (1, 2), (2, 1)",
    "insert into endereco (Id_Endereco, Id_Distrito, NUM_LOGR, NUM_SEQU_LOGR, TIP_LOGR, NOM_LOGR, NUM_IMOV_LOGR, "
    "NUM_BAIR, NOM_BAIR) values (1, 1, 101, 1, 'R', 'DAS PALMEIRAS', 51, 1, 'CENTRO'), "
    "(2, 1, 101, 1, 'R', 'DAS PALMEIRAS', 51, 1, 'CENTRO'), (3, 2, 102, 1, 'AV', 'SETE DE SETEMBRO', 10, 2, 'JARDIM')",
    "insert into proprietario (Id_Proprietario, Nome, Tipo_Pessoa, Num_CPF_CNPJ, Id_Endereco, id_Unidade_Trabalho, "
    "Status_Registro) values (1, 'MARIA DA SILVA', 'FÍSICA', '52998224725', 1, 1, 'ATIVO'), "
    "(2, 'JOSE SANTOS', 'FÍSICA', '12345678909', 3, 1, 'ATIVO')",
    "insert into animal (Id_Animal, Id_Proprietario, Id_Especie, Id_Raca, Id_Pelo, Id_Porte, Id_Grupo_Animal, Nome, "
    "Sexo, Esterilizado, Data_Nascimento) values "
    "(1, 1, 1, 2, 2, 1, 1, 'REX', 'M', 'NAO', '2020-02-01 00:00:00'), "
    "(2, 1, 2, 3, 1, 1, 1, 'MIMI', 'F', 'SIM', '2021-03-01 00:00:00'), "
    "(3, 2, 1, 1, 1, 1, 1, 'TOTO', 'M', 'NAO', '2019-05-01 00:00:00'), "
    "(4, 2, 2, 4, 2, 1, 2, 'NINA', 'F', 'NAO', '2022-07-01 00:00:00')",
    "insert into endereco_animal (Id_Animal, Id_Endereco) values (1, 2), (2, 2), (3, 3), (4, 3)",
};

const char* const kStreets[] = {
    "insert into {p}TipoLogradouro (Tip_Logr, Des_Tip_Logr) values ('R', 'RUA'), ('AV', 'AVENIDA')",
    "insert into {p}bairro (num_bair, nom_bair, tip_bair, tip_clss_bair) values (1, 'CENTRO', 'B', 'P'), "
    "(2, 'JARDIM', 'B', 'P')",
    "insert into {p}logradouro (num_logr, nom_logr) values (101, 'DAS PALMEIRAS'), (102, 'SETE DE SETEMBRO')",
    "insert into {p}BairroLogradouro (num_logr, num_bair) values (101, 1), (101, 2), (102, 2)",
    "insert into {p}pesquisaLograd (num_logr, num_sequ_logr, tip_logr, nom_logr, tip_bair, num_bair, nom_bair, "
    "tip_clss_bair, ind_bair_cord) values (101, 1, 'R', 'DAS PALMEIRAS', 'B', 1, 'CENTRO', 'P', 'N'), "
    "(101, 1, 'R', 'DAS PALMEIRAS', 'B', 2, 'JARDIM', 'P', 'N')",
    "insert into {p}AreaAbrang (cod_area_abrn, des_area_abrn, cod_ditr_sani, sit_regt) values "
    "(11, 'AREA 11', 1, 'A'), (12, 'AREA 12', 1, 'A'), (21, 'AREA 21', 2, 'A'), (22, 'AREA 22', 2, 'A')",
};

inline QString captionOf(const QAction* action) { return action->text().remove(QLatin1Char('&')); }

// Triggers the first enabled action among `widget`'s ancestors (nearest first) whose caption is one of
// `captions`, in their order, until `done` holds; answers whether it holds.
inline bool triggerNearest(QWidget* widget, const QStringList& captions, const std::function<bool()>& done) {
    for (QWidget* w = widget; w && !done(); w = w->parentWidget()) {
        for (const QString& caption : captions) {
            for (QAction* action : w->findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (done())
                    return true;
                if (action->isEnabled() && action->isVisible() && captionOf(action) == caption)
                    action->trigger();
            }
        }
    }
    return done();
}

// Makes the pages that hold `widget` the current ones, as a click on their tabs would.
inline void reveal(QWidget* widget) {
    QList<QPair<QTabWidget*, QWidget*>> pages;
    for (QWidget* w = widget; w && w->parentWidget(); w = w->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
        if (auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr)
            pages.prepend({tabs, w});
    }
    for (const auto& [tabs, page] : pages)
        tabs->setCurrentWidget(page);
    QCoreApplication::processEvents();
}

// What a clerk does first in a form before its lists matter, where the menu's opening is not enough.
inline const QHash<QString, std::function<void()>>& firstSteps() {
    static const QHash<QString, std::function<void()>> steps{
        // An owner found with the owner consult.
        {QStringLiteral("actProprietario_Animal"), [] { frmPropAnimal->openOwner(1); }},
        // An animal found with the animal search, whose new address the clerk cancels to see the current one.
        {QStringLiteral("actEndereco_Animal"),
         [] {
             frmEndereco_Animal->chooseAnimal(1, 1);
             frmEndereco_Animal->findChild<QAction*>(QStringLiteral("actCancel"))->trigger();
         }},
        // New slots: the unit and procedure lists then choose, where browsing they follow the day's slots.
        {QStringLiteral("actMapaDisponibilidade"),
         [] { input::clickButton(frmMapaDisponibilidade->findChild<QPushButton*>(QStringLiteral("bmpNovaVaga"))); }},
    };
    return steps;
}

// The controls of a form that open further windows with lists of their own, besides its look-up
// (actPesquisar), which every form that has one opens.
inline const QHash<QString, QStringList>& furtherWindows() {
    static const QHash<QString, QStringList> windows{
        {QStringLiteral("actProprietario_Animal"), {"BitBtn1", "actMarcaAtendimento"}},
        {QStringLiteral("actEndereco_Animal"), {"actPesquisa", "BitBtn4"}},
        {QStringLiteral("actTransferir_Animal"), {"btnLocalizarAtual"}},
        {QStringLiteral("actAgenda"), {"bmpLocalizar", "actChamaAgendador"}},
        // The areas of new slots; then, back to the day's slots, the clone of one.
        {QStringLiteral("actMapaDisponibilidade"), {"bmpAreas", "bmpCancelar", "BitBtn5", "BitBtn7", "BitBtn6", "btnPesquisar"}},
    };
    return windows;
}

}  // namespace sweep

class FormSweep : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        loginAsAdmin();
        for (const char* row : sweep::kRows)
            exec(QString::fromUtf8(row));
        exec("insert into mapa_disponibilidade_agenda (Id_Mapa_disponibilidade_agenda, Id_unidade_trabalho, "
             "Id_tipo_procedimento, Id_Especie, Data_hora_disponibilidade, Qt_vaga_disponivel_geral, "
             "Qt_vaga_disp_f_grande_porte, Qt_vaga_usada_geral, Qt_vaga_usada_f_grande_porte) "
             "values (1, 1, 12, 1, :at, 10, 0, 0, 0)",
             {{"at", QDateTime(QDate::currentDate(), QTime(8, 0))}});
        QStringList streets;
        for (const char* row : sweep::kStreets)
            streets << QString::fromUtf8(row);
        writePadrao(streets);
        registerEveryOpener();
        area = new QMdiArea;
        area->resize(1366, 700);
        area->show();
        setWorkspace(area);
    }

    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != area && w->isVisible())
                w->close();
        delete area;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DbTest::TearDown();
    }

    // The windows (forms of the work area and windows of their own) that `open` brings up.
    QList<QPointer<QWidget>> opening(const std::function<void()>& open) {
        QSet<QWidget*> before;
        for (QWidget* w : QApplication::topLevelWidgets())
            before.insert(w);
        for (QMdiSubWindow* s : area->subWindowList())
            before.insert(s->widget());
        open();
        QCoreApplication::processEvents();
        QList<QPointer<QWidget>> opened;
        for (QMdiSubWindow* s : area->subWindowList())
            if (!before.contains(s->widget()))
                opened << s->widget();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!before.contains(w) && w->isVisible() && !qobject_cast<QMenu*>(w) && !w->inherits("QComboBoxPrivateContainer"))
                opened << w;
        return opened;
    }

    static void close(QWidget* form) {
        if (!form)
            return;
        if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
            sub->close();
        else
            form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Every form the menu opens, each window it leads to, in turn: `visit` sees each window as it opens,
    // named by the menu action (">" the control that opened it) and its object name.
    void visitEveryWindow(const std::function<void(QWidget* window, const QString& name)>& visit) {
        QStringList actions;
        for (const MenuEntry& entry : mainMenuEntries())
            if (entry.kind == MenuEntry::Action && openerFor(entry.actionName))
                actions << entry.actionName;
        for (const QString& action : actions) {
            prompts.confirmations = QList<bool>(200, false);
            const auto forms = opening([&] {
                openerFor(action)();
                if (sweep::firstSteps().contains(action))
                    sweep::firstSteps()[action]();
            });
            for (const QPointer<QWidget>& form : forms)
                if (form)
                    visit(form, action + QLatin1Char('/') + form->objectName());
            for (const QString& control : QStringList{"actPesquisar"} + sweep::furtherWindows().value(action)) {
                QObject* trigger = nullptr;
                for (const QPointer<QWidget>& form : forms)
                    if (form && !trigger)
                        trigger = form->findChild<QObject*>(control);
                auto* act = qobject_cast<QAction*>(trigger);
                auto* button = qobject_cast<QAbstractButton*>(trigger);
                if (button)
                    sweep::reveal(button);
                if ((act && act->isEnabled() && act->isVisible()) || (button && button->isEnabled() && button->isVisible())) {
                    const auto windows = opening([&] { act ? act->trigger() : input::clickButton(button); });
                    for (const QPointer<QWidget>& window : windows)
                        if (window)
                            visit(window, action + QLatin1Char('>') + control + QLatin1Char('/') + window->objectName());
                    for (const QPointer<QWidget>& window : windows)
                        close(window);
                } else if (control != QLatin1String("actPesquisar")) {  // a form without a look-up hides it
                    ADD_FAILURE() << action.toStdString() << ": " << control.toStdString() << " cannot be used";
                }
            }
            for (const QPointer<QWidget>& form : forms)
                close(form);
        }
    }

    QMdiArea* area = nullptr;
};
