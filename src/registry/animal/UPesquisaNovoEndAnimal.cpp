// SPDX-License-Identifier: GPL-3.0-or-later
// The animal search of the animal-address form.
#include "registry/animal/UPesquisaNovoEndAnimal.h"

#include "common/Prompts.h"
#include "registry/animal/AnimalSql.h"

#include <QComboBox>
#include <QLineEdit>

using namespace registry;

namespace {

PickDialogShape searchShape() {
    auto col = &PickDialogShape::column;
    PickDialogShape shape;
    shape.objectName = QStringLiteral("frmPesquisaNovoEndAnimal");
    shape.caption = QStringLiteral("Pesquisa");
    shape.criteria = {animalsql::kBuscaNomeAnimal, animalsql::kBuscaCodigoAnimal, animalsql::kBuscaNomeProprietario,
                      animalsql::kBuscaCodigoProprietario, animalsql::kBuscaMicrochip};
    shape.textName = QStringLiteral("mkeTexto");
    shape.searchCaption = QStringLiteral("&Pesquisar");
    shape.columns = {col("Cód. Animal", "Id_Animal", 70),
                     col("Animal", "nome_animal", 150),
                     col("Cód. Prop.", "Id_Proprietario", 70),
                     col("Proprietário", "nome_Proprietario", 180),
                     col("Microchip", "Num_Microchip", 110),
                     col("Raça", "nome_raca", 120),
                     col("Sexo", "Sexo", 40),
                     col("Esterilizado", "Esterilizado", 70),
                     col("Cor", "Cor", 80),
                     col("Sinais", "Sinais", 100),
                     col("Pedigree", "Num_Pedigree", 80),
                     col("CPF / CNPJ", "Num_CPF_CNPJ", 100),
                     col("RG", "Num_CI", 80),
                     col("Tel. Residencial", "Telefone_Residencial", 100),
                     col("Tel. Celular", "Telefone_Celular", 100),
                     col("Tel. Recado", "Telefone_Recado", 100)};
    shape.countText = QStringLiteral("Registro(os) encontrados: %1");
    shape.size = {760, 420};
    return shape;
}

}  // namespace

TfrmPesquisaNovoEndAnimal::TfrmPesquisaNovoEndAnimal(QWidget* parent) : PickDialog(searchShape(), parent, Qt::Window) {
    setWindowModality(Qt::ApplicationModal);
    animalsql::prepareNoAnimal(qryPrincipal->query());
    qryPrincipal->open();
}

void TfrmPesquisaNovoEndAnimal::search() {
    const QString criterion = cbbSelecao->currentText(), text = mkeTexto->text();
    openRows([criterion, text](db::Query& query, const QString& orderBy) {
        animalsql::prepareAnimalSearch(query, criterion, text, orderBy);
    });
}

void TfrmPesquisaNovoEndAnimal::sortBy(int column) {
    if (qryPrincipal->isEmpty() || !hasStatement()) {
        Prompts::information(kNadaOrdenar);
        return;
    }
    PickDialog::sortBy(column);
    showCount();
}

void TfrmPesquisaNovoEndAnimal::choose() {
    if (qryPrincipal->recNo() >= 0 && !db::toText(qryPrincipal->field(QStringLiteral("Id_Animal"))).isEmpty())
        emit animalChosen(db::toInt(qryPrincipal->field(QStringLiteral("Id_Proprietario"))),
                          db::toInt(qryPrincipal->field(QStringLiteral("Id_Animal"))));
    close();
}
