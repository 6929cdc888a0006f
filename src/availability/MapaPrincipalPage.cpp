// SPDX-License-Identifier: GPL-3.0-or-later
// The availability map's slot editor and day list.

#include "availability/MapaPrincipalPage.h"

#include "availability/MapaSql.h"
#include "availability/MapaTexts.h"
#include "availability/MapaWidgets.h"
#include "availability/UMapaDisponibilidadeClone.h"
#include "availability/UMapaDisponibilidadeInformacao.h"
#include "availability/UMapaDisponibilidadeRascunho.h"
#include "availability/UVagasAreaAbrangencia.h"
#include "common/FormWindows.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "platform/db/Keys.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/FieldLink.h"
#include "platform/ui/GridRows.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

using namespace availability;

MapaPrincipalPage::MapaPrincipalPage(QStatusBar* status, QWidget* parent) : QWidget(parent), stbPrincipal(status) {
    setObjectName(QStringLiteral("tbsPrincipal"));
    createEditor();
    QLayout* buttons = createButtons();
    createDayList();
    layoutPage(buttons);
    lockEditor(true);
    setBrowsing(true);
    findChild<QPushButton*>(QStringLiteral("bmpAlterar"))->setEnabled(false);
    findChild<QPushButton*>(QStringLiteral("bmpExcluir"))->setEnabled(false);
}

void MapaPrincipalPage::createEditor() {
    calData = new QCalendarWidget(this);
    calData->setObjectName(QStringLiteral("calData"));
    calData->setSelectedDate(db::serverTime().date());
    dblUnidade_trabalho = lookupCombo(this, "dblUnidade_trabalho", mapasql::activeUnits());
    dblProcedimento = lookupCombo(this, "dblProcedimento", mapasql::surgeryProcedures());
    dblEspecie = lookupCombo(this, "dblEspecie", mapasql::speciesList(false));
    mkeHora = lineEdit(this, "mkeHora");
    mkeHora->setInputMask(QStringLiteral("90:00; "));
    mkeVagaGeral = lineEdit(this, "mkeVagaGeral");
    mkeVagaFemea = lineEdit(this, "mkeVagaFemea");
    for (QLineEdit* e : {mkeHora, mkeVagaGeral, mkeVagaFemea})
        e->installEventFilter(this);
    for (QLineEdit* e : {mkeVagaGeral, mkeVagaFemea})
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    connect(calData, &QCalendarWidget::clicked, this, [this] { guarded([this] { filterClick(); }); });
    for (QComboBox* c : {dblUnidade_trabalho, dblProcedimento})
        connect(c, &QComboBox::activated, this, [this] { guarded([this] { filterClick(); }); });
}

QLayout* MapaPrincipalPage::createButtons() {
    const auto onClick = [this](const char* name, const QString& caption, void (MapaPrincipalPage::*f)()) {
        QPushButton* b = button(this, name, caption);
        connect(b, &QPushButton::clicked, this, [this, f] { guarded([this, f] { (this->*f)(); }); });
        return b;
    };
    onClick("bmpFiltroRegistro", QStringLiteral("Filtrar registros"), &MapaPrincipalPage::loadDay)->setVisible(false);
    auto* row = new QHBoxLayout;
    row->addWidget(onClick("bmpNovaVaga", QStringLiteral("Novas vagas"), &MapaPrincipalPage::newSlots));
    row->addWidget(onClick("bmpAlterar", QStringLiteral("Alterar"), &MapaPrincipalPage::change));
    row->addWidget(onClick("bmpGravar", QStringLiteral("Gravar"), &MapaPrincipalPage::save));
    row->addWidget(onClick("bmpExcluir", QStringLiteral("Excluir"), &MapaPrincipalPage::remove));
    row->addWidget(onClick("bmpCancelar", QStringLiteral("Cancelar"), &MapaPrincipalPage::cancel));
    bmpAreas = onClick("bmpAreas", kAssociarAreas, &MapaPrincipalPage::openAreas);
    row->addWidget(bmpAreas);
    row->addWidget(onClick("BitBtn5", QStringLiteral("&Clonar agenda"), &MapaPrincipalPage::clone));
    auto* provisionalB = button(this, "BitBtn7", QStringLiteral("Criar rascunho..."));
    connect(provisionalB, &QPushButton::clicked, this, [this] {
        frmMapaDisponibilidadeRascunho = new TfrmMapaDisponibilidadeRascunho;
        showForm(frmMapaDisponibilidadeRascunho, ShowAs::MdiChild, this);
    });
    row->addWidget(provisionalB);
    auto* informationB = button(this, "BitBtn6", QStringLiteral("Informação"));
    connect(informationB, &QPushButton::clicked, this, [this] {
        guarded([this] {
            frmMapaDisponibilidadeInformacao = new TfrmMapaDisponibilidadeInformacao;
            showForm(frmMapaDisponibilidadeInformacao, ShowAs::Window, this);
        });
    });
    row->addWidget(informationB);
    return row;
}

void MapaPrincipalPage::createDayList() {
    lblResumo = new QLabel(this);
    lblResumo->setObjectName(QStringLiteral("lblResumo"));
    qryMapa = new db::DataSet(db::kMain, this);
    dbgResume = new QTableView(this);
    dbgResume->setObjectName(QStringLiteral("dbgResume"));
    const auto used = [](const char* field) {
        return [field](const db::DataSet& d, int row) {
            return QString::number(db::toInt(d.cell(row, QString::fromLatin1(field))));
        };
    };
    ui::bindGrid(dbgResume, qryMapa,
                 {nameColumn(QStringLiteral("Unidade"), 160, m_names.units, "Id_unidade_trabalho"),
                  nameColumn(QStringLiteral("Procedimento"), 120, m_names.procedures, "Id_tipo_procedimento"),
                  dateTimeColumn(QStringLiteral("Data / hora"), 130, "Data_hora_disponibilidade"),
                  {QStringLiteral("Qt.vaga geral"), QStringLiteral("Qt_vaga_disponivel_geral"), 80},
                  {QStringLiteral("Qt.vaga fêmea grande"), QStringLiteral("Qt_vaga_disp_f_grande_porte"), 110},
                  ui::GridColumn::calculated(QStringLiteral("Qt.vaga geral usada"), 110, used("Qt_vaga_usada_geral")),
                  ui::GridColumn::calculated(QStringLiteral("Qt.vaga fêmea grande usada"), 140,
                                             used("Qt_vaga_usada_f_grande_porte")),
                  nameColumn(QStringLiteral("Especie"), 100, m_names.species, "Id_Especie"),
                  {QStringLiteral("Área de abrangência"), QStringLiteral("COD_AREA_ABRN"), 110}});
    connect(qryMapa, &db::DataSet::currentChanged, this, [this] { showRow(); });
}

void MapaPrincipalPage::layoutPage(QLayout* buttons) {
    auto* editor = new QGridLayout;
    ui::GridRows rows(editor);
    for (auto [caption, control] :
         std::initializer_list<std::pair<const char*, QWidget*>>{{"Unidade:", dblUnidade_trabalho},
                                                                 {"Procedimento:", dblProcedimento},
                                                                 {"Hora:", mkeHora},
                                                                 {"Qt. vagas geral:", mkeVagaGeral},
                                                                 {"Qt.vaga fêmea grande:", mkeVagaFemea},
                                                                 {"Espécie:", dblEspecie}})
        rows.row().labelled(QString::fromUtf8(caption), control);
    auto* top = new QHBoxLayout;
    top->addWidget(calData);
    top->addLayout(editor, 1);
    auto* col = new QVBoxLayout(this);
    col->addLayout(top);
    col->addLayout(buttons);
    col->addWidget(lblResumo);
    col->addWidget(dbgResume, 1);
}

int MapaPrincipalPage::keyOf(QComboBox* combo) const {
    return combo->currentIndex() < 0 ? -1 : combo->currentData().toInt();
}

void MapaPrincipalPage::showKey(QComboBox* combo, const QVariant& key) {
    combo->setCurrentIndex(key.isNull() ? -1 : combo->findData(db::toInt(key)));
}

void MapaPrincipalPage::lock(QWidget* control, bool locked) {
    if (auto* e = qobject_cast<QLineEdit*>(control))
        e->setReadOnly(locked);
    else
        control->setEnabled(!locked);
    paint(control, locked ? ui::readOnlyColour() : windowColour());
}

void MapaPrincipalPage::lockEditor(bool speciesToo) {
    for (QWidget* w :
         {static_cast<QWidget*>(mkeHora), static_cast<QWidget*>(mkeVagaGeral), static_cast<QWidget*>(mkeVagaFemea)})
        lock(w, true);
    if (speciesToo)
        lock(dblEspecie, true);
}

// Browsing: Excluir, Alterar and Novas vagas on, Gravar and the areas off; editing the other way round.
void MapaPrincipalPage::setBrowsing(bool browsing) {
    for (const char* n : {"bmpExcluir", "bmpAlterar", "bmpNovaVaga"})
        findChild<QPushButton*>(QString::fromLatin1(n))->setEnabled(browsing);
    findChild<QPushButton*>(QStringLiteral("bmpGravar"))->setEnabled(!browsing);
    bmpAreas->setEnabled(!browsing);
}

void MapaPrincipalPage::filterClick() {
    if (reloadsDay(EstadoMapa))
        loadDay();
}

void MapaPrincipalPage::loadDay() {
    stbPrincipal->clearMessage();
    m_names = mapasql::readNames();
    mapasql::openDay(*qryMapa, calData->selectedDate());
    if (!qryMapa->isEmpty()) {
        stbPrincipal->showMessage(kTotalRegistro + QString::number(qryMapa->recordCount()));
    } else {
        stbPrincipal->showMessage(kNenhumRegistro);
        clearEditor();
    }
    findChild<QPushButton*>(QStringLiteral("bmpAlterar"))->setEnabled(!qryMapa->isEmpty());
    findChild<QPushButton*>(QStringLiteral("bmpExcluir"))->setEnabled(!qryMapa->isEmpty());
}

void MapaPrincipalPage::showRow() {
    if (qryMapa->recNo() < 0 || qryMapa->isEmpty())
        return;
    const QDateTime when = db::toDateTime(qryMapa->field(QStringLiteral("Data_hora_disponibilidade")));
    calData->setSelectedDate(when.date());
    mkeHora->setText(slotHour(when));
    mkeVagaGeral->setText(qryMapa->str(QStringLiteral("Qt_vaga_disponivel_geral")));
    mkeVagaFemea->setText(qryMapa->str(QStringLiteral("Qt_vaga_disp_f_grande_porte")));
    showKey(dblUnidade_trabalho, qryMapa->field(QStringLiteral("Id_unidade_trabalho")));
    showKey(dblProcedimento, qryMapa->field(QStringLiteral("Id_tipo_procedimento")));
    showKey(dblEspecie, qryMapa->field(QStringLiteral("Id_Especie")));
    lockEditor(true);
    setBrowsing(true);
}

void MapaPrincipalPage::clearEditor() {
    for (QLineEdit* e : {mkeHora, mkeVagaGeral, mkeVagaFemea})
        e->clear();
    for (QComboBox* c : {dblUnidade_trabalho, dblProcedimento, dblEspecie})
        c->setCurrentIndex(-1);
}

void MapaPrincipalPage::newSlots() {
    for (QWidget* w : {static_cast<QWidget*>(mkeHora), static_cast<QWidget*>(mkeVagaGeral),
                       static_cast<QWidget*>(mkeVagaFemea), static_cast<QWidget*>(dblEspecie)})
        lock(w, false);
    mkeHora->setFocus();
    setBrowsing(false);
    findChild<QPushButton*>(QStringLiteral("bmpNovaVaga"))->setEnabled(true);
    clearEditor();
    EstadoMapa = nextState(EstadoMapa, MapEvent::NewSlots);
    lblResumo->setEnabled(false);
}

void MapaPrincipalPage::change() {
    if (qryMapa->isEmpty() || qryMapa->recNo() < 0)
        return;
    EstadoMapa = nextState(EstadoMapa, MapEvent::Change);
    mkeHora->setText(slotHour(db::toDateTime(qryMapa->field(QStringLiteral("Data_hora_disponibilidade")))));
    mkeVagaGeral->setText(qryMapa->str(QStringLiteral("Qt_vaga_disponivel_geral")));
    mkeVagaFemea->setText(qryMapa->str(QStringLiteral("Qt_vaga_disp_f_grande_porte")));
    // A slot already booked keeps its hour and species.
    const bool used = db::toInt(qryMapa->field(QStringLiteral("Qt_vaga_usada_geral"))) > 0 ||
                      db::toInt(qryMapa->field(QStringLiteral("Qt_vaga_usada_f_grande_porte"))) > 0;
    lock(mkeHora, used);
    lock(dblEspecie, used);
    lock(mkeVagaGeral, false);
    lock(mkeVagaFemea, false);
    mkeHora->setFocus();
    setBrowsing(false);
}

QWidget* MapaPrincipalPage::controlFor(SlotField c) const {
    switch (c) {
    case SlotField::Unit: return dblUnidade_trabalho;
    case SlotField::Procedure: return dblProcedimento;
    case SlotField::Species: return dblEspecie;
    case SlotField::Hour: return mkeHora;
    case SlotField::General: return mkeVagaGeral;
    case SlotField::Female: return mkeVagaFemea;
    default: return nullptr;
    }
}

void MapaPrincipalPage::save() {
    TypedSlot typed{dblUnidade_trabalho->currentText(),
                    dblProcedimento->currentText(),
                    dblEspecie->currentText(),
                    keyOf(dblEspecie),
                    {},
                    mkeHora->text(),
                    mkeVagaGeral->text(),
                    mkeVagaFemea->text()};
    const auto refusal = checkMapSave(typed);
    mkeVagaGeral->setText(typed.general);
    mkeVagaFemea->setText(typed.female);
    if (refusal) {
        if (refusal->zeroesFemale)
            lock(mkeVagaFemea, true);
        if (QWidget* w = controlFor(refusal->field))
            w->setFocus();
        Prompts::information(refusal->message);
        return;
    }
    const mapasql::Slot slot{keyOf(dblUnidade_trabalho),
                             keyOf(dblProcedimento),
                             keyOf(dblEspecie),
                             slotDateTime(calData->selectedDate(), mkeHora->text()),
                             wholeNumber(typed.general).value_or(0),
                             wholeNumber(typed.female).value_or(0),
                             0,
                             0,
                             {},
                             {}};
    try {
        if (EstadoMapa == availability::MapState::New && !insertNew(slot))
            return;
        if (EstadoMapa == availability::MapState::Changing && !saveChange(slot))
            return;
    } catch (const std::exception&) {
        Prompts::error(kErroGravar);
    }
    endSave();
}

bool MapaPrincipalPage::insertNew(const mapasql::Slot& slot) {
    {
        db::Transaction t;
        if (mapasql::countSame(slot) > 0) {
            Prompts::information(kDuplicado + kReplanejamento);
            return false;
        }
        const bool withAreas = AreasSelecionadas.size() > 1 && AreasSelecionadas[1] != 0;
        QList<QVariant> areas;
        if (withAreas) {
            for (int i = 1; i < AreasSelecionadas.size(); ++i)
                if (AreasSelecionadas[i] != 0)
                    areas << AreasSelecionadas[i];
        } else {
            areas << QVariant();
        }
        for (const QVariant& area : std::as_const(areas)) {
            mapasql::Slot v = slot;
            v.area = area;
            mapasql::insertSlot(db::nextKey(QStringLiteral("Mapa_disponibilidade_agenda"),
                                            QStringLiteral("Id_Mapa_disponibilidade_agenda")),
                                v);
        }
        t.commit();
        if (withAreas)
            EstadoMapa = nextState(EstadoMapa, MapEvent::SavedWithAreas);
    }
    Prompts::information(kSucesso);
    return true;
}

bool MapaPrincipalPage::saveChange(const mapasql::Slot& slot) {
    const QVariant id = qryMapa->field(QStringLiteral("Id_Mapa_disponibilidade_agenda"));
    if (mapasql::countSame(slot, id) > 0) {
        Prompts::information(kDuplicado + kReplanejamento);
        return false;
    }
    // Tells why the slot as it now stands refuses the change, if it does.
    const auto refusalOf = [&slot](const mapasql::SlotUse& current) -> std::optional<QString> {
        if (auto m = checkUsedCounts(current.general, current.female, slot.general, slot.female))
            return m;
        const bool move = current.slot.unit != slot.unit || current.slot.procedure != slot.procedure ||
                          current.slot.species != slot.species || current.slot.dateTime != slot.dateTime;
        if ((current.general > 0 || current.female > 0) && move)
            return kUsadaNaoMove;
        return std::nullopt;
    };
    if (auto m = refusalOf(mapasql::readSlot(id.toInt()))) {
        Prompts::information(*m);
        return false;
    }
    if (!Prompts::confirm(kConfirmaAlterar))
        return true;
    try {
        mapasql::updateSlot(id.toInt(), slot, db::readValues(*qryMapa));
    } catch (const db::Error& e) {
        if (e.kind() != db::Error::Kind::RowChanged)
            throw;
        // The web system booked the slot meanwhile, or another workstation changed or deleted it.
        Prompts::information(refusalOf(mapasql::readSlot(id.toInt())).value_or(db::kRegistroAlterado));
        return false;
    }
    Prompts::information(kSucesso);
    return true;
}

void MapaPrincipalPage::endSave() {
    lockEditor(true);
    setBrowsing(true);
    cancel();
    EstadoMapa = nextState(EstadoMapa, MapEvent::SaveEnded);
    findChild<QPushButton*>(QStringLiteral("bmpGravar"))->setEnabled(false);
    bmpAreas->setEnabled(false);
    bmpAreas->setText(kAssociarAreas);
    bmpAreas->setStyleSheet(QString());
    resetAreas();
}

void MapaPrincipalPage::resetAreas() {
    AreasSelecionadas = {0};
    lblResumo->clear();
}

void MapaPrincipalPage::remove() {
    if (qryMapa->isEmpty() || qryMapa->recNo() < 0)
        return;
    if (Prompts::confirm(kConfirmaExcluir)) {
        const int id = db::toInt(qryMapa->field(QStringLiteral("Id_Mapa_disponibilidade_agenda")));
        const auto used = [id] {
            const mapasql::SlotUse u = mapasql::readSlot(id);
            return u.general >= 1 || u.female >= 1;
        };
        if (used()) {
            Prompts::information(kUsadoNaoExclui);
            return;
        }
        try {
            mapasql::deleteSlot(id, db::readValues(*qryMapa));
        } catch (const db::Error& e) {
            if (e.kind() != db::Error::Kind::RowChanged)
                throw;
            // Booked by the web system meanwhile, or changed or deleted by another workstation.
            Prompts::information(used() ? kUsadoNaoExclui : db::kRegistroAlterado);
            return;
        }
        Prompts::information(kExcluido);
    }
    lockEditor(true);
    cancel();
}

void MapaPrincipalPage::cancel() {
    lockEditor(false);
    setBrowsing(true);
    EstadoMapa = nextState(EstadoMapa, MapEvent::Cancel);
    clearEditor();
    loadDay();
    resetAreas();
}

void MapaPrincipalPage::openAreas() {
    if (EstadoMapa == availability::MapState::Changing) {
        Prompts::information(kAreasEmAlteracao);
        return;
    }
    frmVagasAreaAbrangencia = new TfrmVagasAreaAbrangencia(this);
    connect(frmVagasAreaAbrangencia, &TfrmVagasAreaAbrangencia::areasChosen, this,
            [this](const QList<int>& areas, const QString& summary) {
                AreasSelecionadas = areas;
                bmpAreas->setText(availability::kAreasSelecionadas);
                bmpAreas->setStyleSheet(QStringLiteral("color: green"));
                lblResumo->setText(QStringLiteral("Resumo:") + summary);
                lblResumo->setEnabled(true);
            });
    openDialog(frmVagasAreaAbrangencia);
}

void MapaPrincipalPage::clone() {
    if (qryMapa->isEmpty() || qryMapa->recNo() < 0 ||
        qryMapa->field(QStringLiteral("Id_Mapa_disponibilidade_agenda")).isNull()) {
        Prompts::information(kSemAgendaClonar);
        return;
    }
    VagaOrigem source;
    source.id = db::toInt(qryMapa->field(QStringLiteral("Id_Mapa_disponibilidade_agenda")));
    const mapasql::SlotUse stored = mapasql::readSlot(source.id);
    if (!stored.exists) {
        Prompts::information(kSemAgendaClonar);
        return;
    }
    source.slot = stored.slot;
    source.species = m_names.species.value(source.slot.species);
    source.procedure = m_names.procedures.value(source.slot.procedure);
    frmMapaDisponibilidadeClone = new TfrmMapaDisponibilidadeClone(this, source);
    connect(frmMapaDisponibilidadeClone, &TfrmMapaDisponibilidadeClone::slotsGenerated, this, [this] { loadDay(); });
    openDialog(frmMapaDisponibilidadeClone);
}

void MapaPrincipalPage::hourExit() {
    if (EstadoMapa != availability::MapState::New && EstadoMapa != availability::MapState::Changing)
        return;
    if (const auto m = checkHourExit(mkeHora->text())) {
        mkeHora->clear();
        Prompts::information(*m);
        QTimer::singleShot(0, mkeHora, [e = mkeHora] { e->setFocus(); });
    }
}

void MapaPrincipalPage::quantityExit(QLineEdit* edit) {
    const QuantityExit s = checkQuantityExit(edit->text());
    if (s == QuantityExit::Accept)
        return;
    Prompts::information(kValorInvalido);
    if (s == QuantityExit::Clear) {
        edit->clear();
        QTimer::singleShot(0, edit, [edit] { edit->setFocus(); });
    }
}

bool MapaPrincipalPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == mkeHora)
            guarded([this] { hourExit(); });
        else if (watched == mkeVagaGeral || watched == mkeVagaFemea)
            guarded([this, watched] { quantityExit(static_cast<QLineEdit*>(watched)); });
    }
    return QWidget::eventFilter(watched, event);
}
