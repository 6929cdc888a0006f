// SPDX-License-Identifier: GPL-3.0-or-later
// The street search dialog and its hand-back into the address that opened it.
#include "registry/address/UEnderecoPesquisa.h"

#include "common/FormWindows.h"
#include "platform/ui/Capitals.h"
#include "registry/address/StreetTarget.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

PickDialogShape streetShape() {
    PickDialogShape shape;
    shape.objectName = QStringLiteral("frmEnderecoPesquisa");
    shape.caption = QStringLiteral("Pesquisa endereço.");
    shape.criteria = {streetsql::kCriterionCode, streetsql::kCriterionName, streetsql::kCriterionNeighbourhoodCode,
                      streetsql::kCriterionNeighbourhood};
    shape.textName = QStringLiteral("mkeTexto");
    shape.searchCaption = QStringLiteral("&Pesquisar");
    shape.connection = db::kPadrao;
    shape.columns = {{QStringLiteral("Núm. lograd."), QStringLiteral("NUM_LOGR"), 80},
                     {QStringLiteral("Tipo lograd."), QStringLiteral("tip_logr"), 80},
                     {QStringLiteral("Lograd."), QStringLiteral("nom_logr"), 250},
                     {QStringLiteral("Bairro"), QStringLiteral("nom_bair"), 180}};
    shape.statusPanels = 2;
    shape.countText = QStringLiteral("Qt. registro: %1");
    shape.size = {620, 400};
    return shape;
}

}  // namespace

TfrmEnderecoPesquisa::TfrmEnderecoPesquisa(int tag, QObject* target, QWidget* parent)
    : PickDialog(streetShape(), parent, Qt::Window), m_tag(tag), m_target(target) {
    ui::Capitals::install(mkeTexto);
}

TfrmEnderecoPesquisa* TfrmEnderecoPesquisa::open(int tag, QObject* target, const QString& criterion,
                                                 const QString& text, bool runNow, bool modal) {
    auto* dialog = new TfrmEnderecoPesquisa(tag, target);
    if (modal)
        dialog->setWindowModality(Qt::ApplicationModal);
    frmEnderecoPesquisa = dialog;
    dialog->cbbSelecao->setCurrentText(criterion);
    dialog->mkeTexto->setText(text);
    if (runNow)
        dialog->search();
    showForm(dialog, ShowAs::Window, qobject_cast<QWidget*>(target));
    return dialog;
}

void TfrmEnderecoPesquisa::search() {
    const QString criterion = cbbSelecao->currentText(), text = mkeTexto->text();
    openRows([criterion, text](db::Query& query, const QString& orderBy) {
        streetsql::prepareSearch(query, criterion, text, orderBy);
    });
    lblCriterio->setText(cbbSelecao->currentText().trimmed() + QStringLiteral(" - ") + mkeTexto->text().trimmed());
}

StreetTarget* TfrmEnderecoPesquisa::target() const { return dynamic_cast<StreetTarget*>(m_target.data()); }

void TfrmEnderecoPesquisa::choose() {
    StreetTarget* into = target();
    if (into && into->takesStreet() && qryPrincipal->isActive() && qryPrincipal->recNo() >= 0) {
        streetsql::Street chosen;
        chosen.code = qryPrincipal->field(QStringLiteral("NUM_LOGR"));
        chosen.sequence = qryPrincipal->field(QStringLiteral("NUM_SEQU_LOGR"));
        chosen.type = qryPrincipal->str(QStringLiteral("tip_logr")).trimmed();
        chosen.name = qryPrincipal->str(QStringLiteral("nom_logr")).trimmed();
        chosen.neighbourhood = qryPrincipal->field(QStringLiteral("num_bair"));
        chosen.neighbourhoodName = qryPrincipal->str(QStringLiteral("nom_bair")).trimmed();
        into->applyStreet(chosen);
    }
    close();
}
