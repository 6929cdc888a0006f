// SPDX-License-Identifier: GPL-3.0-or-later
// The vaccination page: three active look-ups, the date, the insert with its refusals and duplicate
// question, the delete and the history grid of the current animal.
#include "registry/events/VaccinationPage.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/register/RegisterForm.h"
#include "common/rules/Formats.h"
#include "platform/db/DataSet.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/DateEdit.h"
#include "platform/ui/GridRows.h"
#include "registry/events/AnimalEventRules.h"
#include "registry/events/VaccinationSql.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>
#include <QTableView>

using namespace common;
using namespace registry;

namespace {

void fillList(QComboBox* combo, const db::RowSet& rows) {
    combo->clear();
    for (int i = 0; i < rows.count(); ++i)
        combo->addItem(db::toText(rows.row(i)[1]).trimmed(), db::toInt(rows.row(i)[0]));
    combo->setCurrentIndex(-1);
}

}  // namespace

VaccinationPage::VaccinationPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("VaccinationPage"));
    auto combo = [this](const char* name) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        c->setMinimumWidth(220);
        return c;
    };
    dblTipoVacina = combo("dblTipoVacina");
    dblMotivoNaoVacina = combo("dblMotivoNaoVacina");
    dblIntercorrenciaVacina = combo("dblIntercorrenciaVacina");
    dtpData = new ui::DateEdit(QDate::currentDate(), this);
    dtpData->setObjectName(QStringLiteral("dtpData"));
    BitBtn3 = new QPushButton(QStringLiteral("&Inserir"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn5 = new QPushButton(QStringLiteral("&Excluir"), this);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    qryVacinaGrid = new db::DataSet(db::kMain, this);
    qryVacinaGrid->setObjectName(QStringLiteral("qryVacinaGrid"));
    dbgVacinaGrid = new QTableView(this);
    dbgVacinaGrid->setObjectName(QStringLiteral("dbgVacinaGrid"));
    ui::bindGrid(dbgVacinaGrid, qryVacinaGrid,
                 {{QStringLiteral("Nome animal"), QStringLiteral("nomeAnimal"), 160},
                  ui::GridColumn::calculated(QStringLiteral("Data da atividade"), 110,
                                             [](const db::DataSet& data, int row) {
                                                 return fmt::date(
                                                     db::toDateTime(data.cell(row, QStringLiteral("Data_atividade"))));
                                             }),
                  {QStringLiteral("Vacina"), QStringLiteral("nomeTipoVacina"), 160},
                  {QStringLiteral("Ocorrência"), QStringLiteral("NomeOcorrencia"), 160},
                  {QStringLiteral("Motivo da não vacinação"), QStringLiteral("NomeMotivoNaoVacina"), 180}});

    auto* grid = new QGridLayout(this);
    ui::GridRows rows(grid);
    rows.row().labelled(QStringLiteral("Vacina:"), dblTipoVacina).add(BitBtn3);
    rows.row().labelled(QStringLiteral("Motivo de não vacinar:"), dblMotivoNaoVacina).add(BitBtn5);
    rows.row().labelled(QStringLiteral("Intercorrências vacinais:"), dblIntercorrenciaVacina);
    rows.row().labelled(QStringLiteral("Data:"), dtpData);
    rows.row().label(QStringLiteral("Histórico:"));
    rows.row().add(dbgVacinaGrid, 4).stretch();
    grid->setColumnStretch(3, 1);

    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded([this] { insert(); }); });
    connect(BitBtn5, &QPushButton::clicked, this, [this] { guarded([this] { remove(); }); });
}

void VaccinationPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (std::exchange(m_listsOpen, true))
        return;
    guarded([this] {
        fillList(dblTipoVacina, vaccinationsql::vaccines());
        fillList(dblMotivoNaoVacina, vaccinationsql::reasons());
        fillList(dblIntercorrenciaVacina, vaccinationsql::intercurrences());
    });
}

void VaccinationPage::showVaccinations(int animalId) {
    m_animalId = animalId;
    vaccinationsql::selectVaccinations(*qryVacinaGrid, animalId);
}

void VaccinationPage::insert() {
    const int animal = m_animalId;
    const struct {
        bool refused;
        QComboBox* control;
        const QString& message;
    } checks[] = {
        {animal == 0, nullptr, kFaltaSelecionarAnimal},
        {dblTipoVacina->currentIndex() < 0, dblTipoVacina, kFaltaVacina},
        {dblMotivoNaoVacina->currentIndex() < 0, dblMotivoNaoVacina, kFaltaMotivo},
        {dblIntercorrenciaVacina->currentIndex() < 0, dblIntercorrenciaVacina, kFaltaIntercorrencia},
        {!vaccinationConsistent(dblTipoVacina->currentText(), dblMotivoNaoVacina->currentText(),
                                dblIntercorrenciaVacina->currentText()),
         dblTipoVacina, kInconsistencia},
    };
    for (const auto& c : checks) {
        if (!c.refused)
            continue;
        if (c.control)
            c.control->setFocus();
        Prompts::information(c.message);
        return;
    }
    vaccinationsql::Vaccination v;
    v.animal = animal;
    v.vaccine = dblTipoVacina->currentData().toInt();
    v.reason = dblMotivoNaoVacina->currentData().toInt();
    v.intercurrence = dblIntercorrenciaVacina->currentData().toInt();
    v.date = dtpData->date();
    if (vaccinationsql::recordedOnDay(v) && !Prompts::confirm(kVacinaIdentica)) {
        Prompts::information(kCanceladaPeloUsuario);
        return;
    }
    {
        db::Transaction transaction;
        vaccinationsql::insertVaccination(v, db::serverTime());
        transaction.commit();
    }
    showVaccinations(m_animalId);
    Prompts::information(kOperacaoRealizada);
}

void VaccinationPage::remove() {
    if (qryVacinaGrid->recNo() < 0) {
        Prompts::information(kNadaParaExcluir);
        return;
    }
    if (Prompts::confirm(kExcluirVacina)) {
        db::Transaction transaction;
        vaccinationsql::deleteVaccination(db::toInt(qryVacinaGrid->field(QStringLiteral("Id_vacina"))),
                                          db::readValues(*qryVacinaGrid));
        transaction.commit();
    }
    showVaccinations(m_animalId);
}
