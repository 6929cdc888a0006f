// Openers of the owner and animal registry's menu actions.
#include "registry/RegistryForms.h"

#include "common/FormOpening.h"
#include "common/Prompts.h"
#include "registry/UAnimaisCadastradoCompleto.h"
#include "registry/UConsultaProprietario.h"
#include "registry/frmConsultaLVC.h"
#include "registry/UEndereco_Animal.h"
#include "registry/UPesquisaAvancado.h"
#include "registry/UPropAnimal.h"
#include "registry/URelProprietarioGeral.h"
#include "registry/USelRelCarteirinha.h"

void registerRegistryForms() {
    TfrmPropAnimal::openOwnerLookup = [](TfrmPropAnimal* form) { TfrmConsultaProprietario::open(form); };
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
    registerOpener(QStringLiteral("actPesquisaAvancado"), [] {
        frmPesquisaAvancado = new TfrmPesquisaAvancado;
        showForm(frmPesquisaAvancado, ShowAs::Window);
        centreOverWorkspace(frmPesquisaAvancado);
    });
    registerOpener(QStringLiteral("actRelProprietarioAnimal"),
                   [] { Prompts::preview(std::make_shared<TfrmRelProprietarioGeral>(), false); });
    registerOpener(QStringLiteral("actRelImprimeCarteirinha"), [] {
        frmSelRelCarteirinha = new TfrmSelRelCarteirinha;
        showForm(frmSelRelCarteirinha, ShowAs::MdiChild);
    });
    registerOpener(QStringLiteral("actConsultaLVC"), [] {
        frmConsultaLeishmaniose = new TfrmConsultaLeishmaniose;
        showForm(frmConsultaLeishmaniose, ShowAs::MdiChild);
    });
    registerOpener(QStringLiteral("actRelAnimaisCadastradosCompleto"),
                   [] { Prompts::preview(std::make_shared<TfrmAnimaisCadastradoCompleto>(), false); });
}
