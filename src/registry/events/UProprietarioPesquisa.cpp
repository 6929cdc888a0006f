// SPDX-License-Identifier: GPL-3.0-or-later
// The owner picker and what it writes into the side of the transfer form it serves.
#include "registry/events/UProprietarioPesquisa.h"

#include "common/FormWindows.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "registry/events/TransferSql.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include <algorithm>

using namespace registry;

namespace {

struct SideNames {
    const char *code, *name, *address, *animals;
};
const SideNames kSides[] = {
    {"ediCodigo_atual", "ediNome_atual", "ediEndereco_atual", "ltvAnimal_Prop_atual"},
    {"edicodigo_Destino", "ediNome_destino", "ediEndereco_destino", "ltvAnimal_Prop_destino"},
};

QString rowAddress(const db::DataSet& data, int row) {
    auto t = [&](const char* f) { return db::toText(data.cell(row, QString::fromLatin1(f))).trimmed(); };
    return pickerAddress(t("TIP_LOGR"), t("NOM_LOGR"), t("NUM_IMOV_LOGR"), t("DES_CMPL_ENDR"), t("nom_bair"));
}

PickDialogShape pickerShape() {
    PickDialogShape shape;
    shape.objectName = QStringLiteral("frmProprietarioPesquisa");
    shape.caption = QStringLiteral("Pesquisa prorietário.");
    shape.criteria = {QStringLiteral("Código"), QStringLiteral("Nome"), QStringLiteral("CPF/CNPJ"),
                      QStringLiteral("Logradouro")};
    shape.blankCriterion = true;
    shape.textName = QStringLiteral("edtTexto");
    shape.searchCaption = QStringLiteral("&Pesquisar");
    shape.columns = {{QStringLiteral("Cód. prop."), QStringLiteral("id_proprietario"), 70},
                     {QStringLiteral("Nome"), QStringLiteral("nome"), 200},
                     {QStringLiteral("Identidade"), QStringLiteral("num_ci"), 100},
                     ui::GridColumn::calculated(QStringLiteral("Endereço"), 300, rowAddress)};
    shape.statusPanels = 0;
    shape.size = {640, 380};
    return shape;
}

}  // namespace

QString pickerAddress(const QString& type, const QString& street, const QString& number, const QString& complement,
                      const QString& neighbourhood) {
    QString text;
    if (!type.trimmed().isEmpty())
        text += type.trimmed() + QLatin1Char(' ');
    text += street.trimmed();
    if (!number.trimmed().isEmpty())
        text += QStringLiteral(" nº ") + number.trimmed() + QStringLiteral("; ");
    text += complement.trimmed();
    if (!neighbourhood.trimmed().isEmpty())
        text += QStringLiteral("Bairro: ") + neighbourhood.trimmed();
    return text;
}

TfrmProprietarioPesquisa::TfrmProprietarioPesquisa(QWidget* target, int side, QWidget* parent)
    : PickDialog(pickerShape(), parent, {}), m_target(target), m_side(side == 2 ? 2 : 1) {
    actOK = new QAction(QStringLiteral("&OK"), this);
    actOK->setObjectName(QStringLiteral("actOK"));
    addAction(actOK);
    onTriggered(actOK, [this] { choose(); });
    connect(qryPrincipal, &db::DataSet::currentChanged, this, [this] {
        guarded([this] {
            if (qryPrincipal->recNo() < 0)
                return;
            writeBoxes();
            writeAnimals();
        });
    });
}

TfrmProprietarioPesquisa* TfrmProprietarioPesquisa::open(QWidget* target, int side) {
    frmProprietarioPesquisa = new TfrmProprietarioPesquisa(target, side);
    showForm(frmProprietarioPesquisa, ShowAs::MdiChild, target);
    return frmProprietarioPesquisa;
}

void TfrmProprietarioPesquisa::search() {
    if (cbbSelecao->currentIndex() < 0) {
        cbbSelecao->setFocus();
        Prompts::information(kSelecioneCampo);
        return;
    }
    if (edtTexto->text().trimmed().isEmpty()) {
        Prompts::information(kDigiteTexto);
        return;
    }
    using transfersql::PickBy;
    const PickBy by[] = {PickBy::Code, PickBy::Name, PickBy::Document, PickBy::Street};
    transfersql::prepareOwnerSearch(qryPrincipal->query(), by[std::min(cbbSelecao->currentIndex(), 3)],
                                    edtTexto->text());
    qryPrincipal->open();  // the rows stay in name order: a title click does not reorder them
}

void TfrmProprietarioPesquisa::writeBoxes() {
    if (!m_target || qryPrincipal->recNo() < 0)
        return;
    const SideNames& n = kSides[m_side - 1];
    auto write = [this](const char* name, const QString& text) {
        if (auto* box = m_target->findChild<QLineEdit*>(QString::fromLatin1(name)))
            box->setText(text);
    };
    write(n.code, qryPrincipal->str(QStringLiteral("id_proprietario")).trimmed());
    write(n.name, qryPrincipal->str(QStringLiteral("nome")).trimmed());
    write(n.address, rowAddress(*qryPrincipal, qryPrincipal->recNo()));
}

void TfrmProprietarioPesquisa::writeAnimals() {
    if (!m_target)
        return;
    auto* list = m_target->findChild<QTreeWidget*>(QString::fromLatin1(kSides[m_side - 1].animals));
    if (!list)
        return;
    list->clear();
    const db::RowSet animals = transfersql::animalsOf(qryPrincipal->field(QStringLiteral("id_proprietario")));
    for (int i = 0; i < animals.count(); ++i) {
        const auto& r = animals.row(i);
        new QTreeWidgetItem(list, {db::toText(r[0]) + QStringLiteral(" - ") + db::toText(r[1]).trimmed(),
                                   db::toText(r[2]).trimmed(), db::toText(r[3]).trimmed()});
    }
}

void TfrmProprietarioPesquisa::choose() {
    writeBoxes();
    if (auto* sub = parentWidget(); sub && sub->inherits("QMdiSubWindow"))
        sub->close();
    else
        close();
}

void TfrmProprietarioPesquisa::confirm() { actOK->trigger(); }
