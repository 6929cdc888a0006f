// SPDX-License-Identifier: GPL-3.0-or-later
// The owner consult and its hand-over of the chosen owner to the register.
#include "registry/owner/UConsultaProprietario.h"

#include "common/FormWindows.h"
#include "common/Prompts.h"
#include "registry/owner/OwnerSql.h"

#include <QComboBox>
#include <QLineEdit>

using namespace registry;

namespace {

QString ownerAddress(const db::DataSet& data, int row) {
    auto t = [&](const char* f) { return db::toText(data.cell(row, QString::fromLatin1(f))).trimmed(); };
    return t("TIP_LOGR") + QLatin1Char(' ') + t("NOM_LOGR") + QLatin1Char(' ') + t("NUM_IMOV_LOGR") +
           QStringLiteral("  ") + t("DES_CMPL_ENDR");
}

PickDialogShape consultShape() {
    auto col = &PickDialogShape::column;
    PickDialogShape shape;
    shape.objectName = QStringLiteral("frmConsultaProprietario");
    shape.caption = QStringLiteral("Consulta proprietário.");
    shape.criteria = {kConsultaCodigoProp, kConsultaNomeProp,  kConsultaDocumento,  kConsultaIdentidade,
                      kConsultaLogradouro, kConsultaCodAnimal, kConsultaNomeAnimal, kConsultaMicrochip};
    shape.blankCriterion = true;
    shape.textName = QStringLiteral("edtTexto");
    shape.searchCaption = QStringLiteral("&Localizar");
    shape.columns = {col("Cód. Prop.", "Id_Proprietario", 70),
                     col("Proprietario", "nome", 180),
                     col("Cód. Animal", "Id_Animal", 70),
                     col("Animal", "nome_animal", 140),
                     col("Microchip", "num_microchip", 110),
                     col("Tel. Residencial", "Telefone_Residencial", 100),
                     col("Tel. Celular", "Telefone_Celular", 100),
                     col("Tel. Recado", "Telefone_Recado", 100),
                     col("CPF/CNPJ", "Num_CPF_CNPJ", 100),
                     col("Carteira IdentidadeI.", "Num_CI", 100),
                     ui::GridColumn::calculated(QStringLiteral("Endereco prop.:"), 250, ownerAddress)};
    shape.countText = QStringLiteral("%1 registros encontrado.");
    shape.size = {820, 420};
    return shape;
}

}  // namespace

TfrmConsultaProprietario::TfrmConsultaProprietario(Taker take, QWidget* parent)
    : PickDialog(consultShape(), parent, Qt::Window | Qt::WindowStaysOnTopHint), m_take(std::move(take)) {}

TfrmConsultaProprietario* TfrmConsultaProprietario::open(QWidget* opener, Taker take) {
    frmConsultaProprietario = new TfrmConsultaProprietario(std::move(take));
    showForm(frmConsultaProprietario, ShowAs::Window, opener);
    return frmConsultaProprietario;
}

void TfrmConsultaProprietario::search() {
    if (cbbSelecao->currentText().trimmed().isEmpty() || edtTexto->text().trimmed().isEmpty()) {
        Prompts::information(kFaltaCampoTexto);
        return;
    }
    const ownersql::ConsultFilter filter = ownersql::consultFilter(cbbSelecao->currentText(), edtTexto->text());
    if (filter.matched)
        edtTexto->setText(filter.shownText);
    openRows([filter](db::Query& query, const QString& orderBy) { ownersql::prepareConsult(query, filter, orderBy); });
}

void TfrmConsultaProprietario::choose() {
    const QVariant owner = qryPrincipal->isActive() && qryPrincipal->recNo() >= 0
                               ? qryPrincipal->field(QStringLiteral("Id_Proprietario"))
                               : QVariant();
    if (db::toText(owner).trimmed().isEmpty()) {
        Prompts::information(kNenhumRegistro);
    } else if (m_take) {
        const QVariant animal = qryPrincipal->field(QStringLiteral("Id_Animal"));
        if (!m_take(db::toInt(owner), db::toText(animal).trimmed().isEmpty() ? 0 : db::toInt(animal)))
            return;
    }
    close();
}
