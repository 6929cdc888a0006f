// Openers of the owner and animal registry's menu actions.
#include "registry/RegistryForms.h"

#include "common/FormOpening.h"
#include "common/Prompts.h"
#include "registry/UConsultaProprietario.h"
#include "registry/UEndereco_Animal.h"
#include "registry/UPropAnimal.h"
#include "registry/URegistroOcorrencia.h"
#include "registry/URelAnimaisTransferidos.h"
#include "registry/UTransferir_Animal.h"

#include <QMdiSubWindow>

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
    registerOpener(QStringLiteral("actRegistroOcorrencia"),
                   [] { showForm(TfrmRegistroOcorrencia::create(), ShowAs::MdiChild); });
    registerOpener(QStringLiteral("actTransferir_Animal"), [] {
        frmTransferir_Animal = new TfrmTransferir_Animal;
        RightsHiding hiding;
        hiding.incluir = hiding.alterar = {QStringLiteral("bmpTransferir")};
        hiding.excluir = hiding.imprimir = {};
        applyFormRights(frmTransferir_Animal, 20, hiding);
        showForm(frmTransferir_Animal, ShowAs::MdiChild);
        // No border icons: the form closes by its own "&Sair".
        if (auto* sub = qobject_cast<QMdiSubWindow*>(frmTransferir_Animal->parentWidget())) {
            sub->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
            sub->show();  // a change of flags hides the window
        }
    });
    registerOpener(QStringLiteral("actRelAnimaisTransferedos"),
                   [] { Prompts::preview(std::make_shared<TfrmRelAnimaisTransferidos>(), false); });
}
