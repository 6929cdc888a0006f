// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The vaccination page of the owner and animal register: the current animal's vaccinations (a vaccine
// given, a reason for not vaccinating or an intercurrence, on a date), inserted and deleted one at a time.

#include <QWidget>

class QComboBox;
class QPushButton;
class QTableView;

namespace ui {
class DateEdit;
}

namespace db {
class DataSet;
}

class VaccinationPage : public QWidget {
    Q_OBJECT
public:
    explicit VaccinationPage(QWidget* parent = nullptr);

    void showVaccinations(int animalId);  // the animal's rows (none for 0), after a move of the animal set
    void insert();                        // BitBtn3
    void remove();                        // BitBtn5

    QComboBox* dblTipoVacina;
    QComboBox* dblMotivoNaoVacina;
    QComboBox* dblIntercorrenciaVacina;
    ui::DateEdit* dtpData;
    QPushButton* BitBtn3;
    QPushButton* BitBtn5;
    QTableView* dbgVacinaGrid;
    db::DataSet* qryVacinaGrid;

protected:
    void showEvent(QShowEvent* event) override;

private:
    int m_animalId = 0;  // the animal on show
    bool m_listsOpen = false;
};

namespace registry {
inline const QString kFaltaSelecionarAnimal = QStringLiteral("Falta selecionar o animal.");
inline const QString kFaltaVacina = QStringLiteral("Falta selecionar a vacina.");
inline const QString kFaltaMotivo =
    QStringLiteral("Falta selecionar o motivo de não vacinar.\nCaso não tenho motivo selecione \"Não se aplica.\".");
inline const QString kFaltaIntercorrencia =
    QStringLiteral("Falta selecionar a intercorrência\nCaso não tenho intercorrência selecione \"Não se aplica.\".");
inline const QString kInconsistencia = QStringLiteral("Inconsistência nas opções selecionadas.");
inline const QString kVacinaIdentica =
    QStringLiteral("Um registro idêntico já foi encontrado, deseja gravar um segundo registro?");
inline const QString kCanceladaPeloUsuario = QStringLiteral("Operação cancelada pelo usuário.");
inline const QString kNadaParaExcluir = QStringLiteral("Não há registro para ser excluído.");
inline const QString kExcluirVacina = QStringLiteral("Deseja realmente excluir o registro?");
}  // namespace registry
