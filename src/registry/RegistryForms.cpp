// SPDX-License-Identifier: GPL-3.0-or-later
// Openers of the owner and animal registry's menu actions.
#include "registry/RegistryForms.h"

#include "common/FormWindows.h"
#include "common/Prompts.h"
#include "common/access/FormOpening.h"
#include "common/access/Session.h"
#include "registry/animal/UEndereco_Animal.h"
#include "registry/cards/USelRelCarteirinha.h"
#include "registry/events/URegistroOcorrencia.h"
#include "registry/events/URelAnimaisTransferidos.h"
#include "registry/events/UTransferir_Animal.h"
#include "registry/owner/URelProprietarioGeral.h"
#include "registry/register/UPropAnimal.h"
#include "registry/reports/UAnimaisCadastradoCompleto.h"
#include "registry/reports/UAnimaisCadastradoConsolidado.h"
#include "registry/reports/UAnimaisMicrochipados.h"
#include "registry/search/UPesquisaAvancado.h"
#include "registry/search/frmConsultaLVC.h"

#include <QMdiSubWindow>

namespace {

// A report over every owner or every animal: reading its rows and laying them out show one progress.
template <class Report>
void previewOfAll() {
    const std::unique_ptr<Prompts::Progress> progress = Prompts::progress(Prompts::kMontandoRelatorio);
    Prompts::preview(std::make_shared<Report>(), false);
}

}  // namespace

void registerRegistryForms() {
    registerOpener(QStringLiteral("actProprietario_Animal"), [] {
        frmPropAnimal = new TfrmPropAnimal;
        RightsHiding hiding;
        hiding.incluir << QStringLiteral("actAnimalNovo");
        hiding.alterar << QStringLiteral("actAnimalAlterar");
        hiding.excluir << QStringLiteral("actAnimalExcluir");
        hiding.shownWithRow << QStringLiteral("actInformation");
        applyFormRights(frmPropAnimal, 6, hiding);
        showForm(frmPropAnimal, ShowAs::MdiChild);
    });
    registerOpener(QStringLiteral("actEndereco_Animal"), [] {
        frmEndereco_Animal = new TfrmEndereco_Animal;
        applyFormRights(frmEndereco_Animal, 24);
        showForm(frmEndereco_Animal, ShowAs::MdiChild);
    });
    registerOpener(QStringLiteral("actRegistroOcorrencia"),
                   [] { showForm(TfrmRegistroOcorrencia::create(), ShowAs::MdiChild); });
    registerOpener(QStringLiteral("actTransferir_Animal"), [] {
        frmTransferir_Animal = new TfrmTransferir_Animal;
        RightsHiding hiding;
        hiding.incluir = hiding.alterar = {QStringLiteral("bmpTransferir")};
        hiding.excluir = hiding.imprimir = {};
        applyFormRights(frmTransferir_Animal, 20, hiding);
        showForm(frmTransferir_Animal, ShowAs::MdiChild);
        setWindowButtons(frmTransferir_Animal, {});  // no border icons: the form closes by its own "&Sair"
    });
    registerOpener(QStringLiteral("actRelAnimaisTransferedos"),
                   [] { Prompts::preview(std::make_shared<TfrmRelAnimaisTransferidos>(), false); });
    registerOpener(QStringLiteral("actPesquisaAvancado"), [] {
        frmPesquisaAvancado = new TfrmPesquisaAvancado;
        showForm(frmPesquisaAvancado, ShowAs::Window);
    });
    registerOpener(QStringLiteral("actRelProprietarioAnimal"), [] { previewOfAll<TfrmRelProprietarioGeral>(); });
    const FormOpener cards = [] {
        frmSelRelCarteirinha = new TfrmSelRelCarteirinha;
        showForm(frmSelRelCarteirinha, ShowAs::MdiChild);
    };
    registerOpener(QStringLiteral("actRelImprimeCarteirinha"), cards);
    registerOpener(QStringLiteral("actCarteiraIdentificacao"), cards);  // from the agenda's pop-up menu
    registerOpener(QStringLiteral("actConsultaLVC"), [] {
        frmConsultaLeishmaniose = new TfrmConsultaLeishmaniose;
        showForm(frmConsultaLeishmaniose, ShowAs::MdiChild);
    });
    registerOpener(QStringLiteral("actRelAnimaisCadastradosCompleto"),
                   [] { previewOfAll<TfrmAnimaisCadastradoCompleto>(); });
    // The period-and-unit report selection starts these once it has set the report parameters.
    registerReportStarter(38, [] {
        Prompts::preview(TfrmAnimaisCadastradoConsolidado::create(DataInicialRel.date(), DataFinalRel.date()), true);
    });
    registerReportStarter(
        39, [] { TfrmAnimaisMicrochipados::preview(DataInicialRel.date(), DataFinalRel.date(), UnidadeRel); });
}
