// SPDX-License-Identifier: GPL-3.0-or-later
// The provisional map form, its transfer into the published map, and its report.

#include "availability/UMapaDisponibilidadeRascunho.h"

#include "availability/MapaSql.h"
#include "availability/MapaTexts.h"
#include "availability/MapaWidgets.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/ReportParts.h"
#include "common/schema/Tables.h"
#include "platform/db/Keys.h"
#include "platform/ui/DateEdit.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/FieldLink.h"
#include "platform/ui/GridRows.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

using namespace availability;

TfrmMapaDisponibilidadeRascunho::TfrmMapaDisponibilidadeRascunho(QWidget* parent) : RegisterForm(parent) {
    setObjectName(QStringLiteral("frmMapaDisponibilidadeRascunho"));
    setWindowTitle(QStringLiteral("Mapa de disponibilidade (Temporário)"));
    setTable(tables::mapaRascunho());
    setNewRowDefaults({{QStringLiteral("Status_Registro"), QStringLiteral("ATIVO")}});
    setGridColumns({nameColumn(QStringLiteral("Unidade"), 160, m_names.units, "Id_unidade_trabalho"),
                    nameColumn(QStringLiteral("Procedimento"), 120, m_names.procedures, "Id_tipo_procedimento"),
                    nameColumn(QStringLiteral("Espécie"), 100, m_names.species, "Id_Especie"),
                    dateTimeColumn(QStringLiteral("Data/Hora"), 130, "Data_hora_disponibilidade"),
                    {QStringLiteral("Qt. vaga geral"), QStringLiteral("Qt_vaga_disponivel_geral"), 90},
                    {QStringLiteral("Qt.vaga fêmea grande"), QStringLiteral("Qt_vaga_disp_f_grande_porte"), 110},
                    nameColumn(QStringLiteral("Quem inseriu o registro"), 150, m_names.users, "Inserido_por"),
                    dateTimeColumn(QStringLiteral("Data de criação do registro"), 140, "Inserido_em")});

    dblUnidade = lookupCombo(tbsPrincipal, "dblUnidade", mapasql::activeUnits());
    dblProcedimento = lookupCombo(tbsPrincipal, "dblProcedimento", mapasql::surgeryProcedures());
    dblEspecie = lookupCombo(tbsPrincipal, "dblEspecie", mapasql::speciesList(true), false);
    mkeData = new ui::DateEdit(tbsPrincipal);
    mkeData->setObjectName(QStringLiteral("mkeData"));
    ui::EnterAsTab::install(mkeData);
    mkeHora = lineEdit(tbsPrincipal, "mkeHora");
    mkeHora->setInputMask(QStringLiteral("90:00; "));
    edtVagaGeral = lineEdit(tbsPrincipal, "edtVagaGeral");
    edtVagaFemea = lineEdit(tbsPrincipal, "edtVagaFemea");
    btnTransferir = new QPushButton(QStringLiteral("Tranferir programação para produção"), tbsPrincipal);
    btnTransferir->setObjectName(QStringLiteral("btnTransferir"));
    for (QWidget* w : std::initializer_list<QWidget*>{dblUnidade, dblProcedimento, dblEspecie, mkeData, mkeHora,
                                                      edtVagaGeral, edtVagaFemea})
        w->installEventFilter(this);

    ui::GridRows rows(new QGridLayout(tbsPrincipal));
    rows.row().label(QStringLiteral("Vagas:"));
    for (auto [caption, w] :
         std::initializer_list<std::pair<const char*, QWidget*>>{{"Unidade:", dblUnidade},
                                                                 {"Procedimento:", dblProcedimento},
                                                                 {"Espécie:", dblEspecie},
                                                                 {"Data:", mkeData},
                                                                 {"Hora:", mkeHora},
                                                                 {"Qt. vaga geral:", edtVagaGeral},
                                                                 {"Qt.vaga fêmea grande:", edtVagaFemea}})
        rows.row().labelled(QString::fromUtf8(caption), w);
    rows.row().skip().add(btnTransferir, 1, Qt::AlignLeft);
    rows.row().stretch();

    connect(qryPrincipal, &db::DataSet::currentChanged, this, [this] { showRow(); });
    connect(btnTransferir, &QPushButton::clicked, this, [this] { guarded([this] { transfer(); }); });
    QObject::disconnect(actSair, &QAction::triggered, nullptr, nullptr);
    onTriggered(actSair, [this] { leave(); });
    for (QAction* a : {actPesquisar, actInformation, actAjuda})
        a->setVisible(false);
    pgcPrincipal->setTabText(pgcPrincipal->indexOf(tbsGeral), QStringLiteral("Disponível para transferencia:"));
    setOpenOnShow(OpenOnShow::Empty);
    lock(true);
}

int TfrmMapaDisponibilidadeRascunho::keyOf(QComboBox* combo) const {
    return combo->currentIndex() < 0 ? -1 : combo->currentData().toInt();
}

QString TfrmMapaDisponibilidadeRascunho::selectAllSql() const { return mapasql::provisionalSelect(); }

QString TfrmMapaDisponibilidadeRascunho::emptySelectSql() const { return mapasql::provisionalNone(); }

void TfrmMapaDisponibilidadeRascunho::lock(bool locked) {
    for (QWidget* w : std::initializer_list<QWidget*>{dblUnidade, dblProcedimento, dblEspecie, mkeData, mkeHora,
                                                      edtVagaGeral, edtVagaFemea})
        w->setEnabled(!locked);
    edtVagaFemea->setReadOnly(false);
    paint(edtVagaFemea, windowColour());
    dbgPrincipal->setEnabled(locked);
}

void TfrmMapaDisponibilidadeRascunho::clearFields() {
    mkeData->setDate({});
    for (QLineEdit* e : {mkeHora, edtVagaGeral, edtVagaFemea})
        e->clear();
}

void TfrmMapaDisponibilidadeRascunho::showRow() {
    if (qryPrincipal->recNo() < 0 || qryPrincipal->isEmpty() || qryPrincipal->state() == db::DataSet::State::Insert)
        return;
    const QDateTime when = db::toDateTime(qryPrincipal->field(QStringLiteral("Data_hora_disponibilidade")));
    mkeData->setDate(when.date());
    mkeHora->setText(when.toString(QStringLiteral("HH:mm")));
    edtVagaGeral->setText(qryPrincipal->str(QStringLiteral("Qt_vaga_disponivel_geral")));
    edtVagaFemea->setText(qryPrincipal->str(QStringLiteral("Qt_vaga_disp_f_grande_porte")));
    const auto showKey = [this](QComboBox* c, const char* field) {
        const QVariant key = qryPrincipal->field(QString::fromLatin1(field));
        c->setCurrentIndex(key.isNull() ? -1 : c->findData(db::toInt(key)));
    };
    showKey(dblUnidade, "Id_unidade_trabalho");
    showKey(dblProcedimento, "Id_tipo_procedimento");
    showKey(dblEspecie, "Id_Especie");
}

void TfrmMapaDisponibilidadeRascunho::refresh() {
    m_names = mapasql::readNames();
    RegisterForm::refresh();
}

void TfrmMapaDisponibilidadeRascunho::append() {
    RegisterForm::append();
    for (QComboBox* c : {dblUnidade, dblProcedimento, dblEspecie})
        c->setCurrentIndex(-1);
    clearFields();
    lock(false);
    // The large-female quantity opens when the species is left.
    edtVagaFemea->setReadOnly(true);
}

void TfrmMapaDisponibilidadeRascunho::edit() {
    if (qryPrincipal->isEmpty())
        return;
    RegisterForm::edit();
    lock(false);
    showRow();
}

void TfrmMapaDisponibilidadeRascunho::cancel() {
    RegisterForm::cancel();
    lock(true);
    for (QComboBox* c : {dblUnidade, dblProcedimento, dblEspecie})
        c->setCurrentIndex(-1);
    clearFields();
}

void TfrmMapaDisponibilidadeRascunho::speciesExit() {
    const QString female = edtVagaFemea->text().trimmed();
    const bool feline = keyOf(dblEspecie) == 2;
    if (feline && !female.isEmpty() && female != QStringLiteral("0"))
        Prompts::information(kFelinoSaida);
    if (feline) {
        edtVagaFemea->setText(QStringLiteral("0"));
        edtVagaFemea->setEnabled(false);
        edtVagaFemea->setReadOnly(true);
        paint(edtVagaFemea, ui::readOnlyColour());
    } else {
        edtVagaFemea->setEnabled(true);
        edtVagaFemea->setReadOnly(false);
        paint(edtVagaFemea, windowColour());
    }
}

void TfrmMapaDisponibilidadeRascunho::save() {
    if (!qryPrincipal->isEditing())
        return;
    TypedSlot typed{dblUnidade->currentText(), dblProcedimento->currentText(),
                    dblEspecie->currentText(), keyOf(dblEspecie),
                    mkeData->text(),           mkeHora->text(),
                    edtVagaGeral->text(),      edtVagaFemea->text()};
    const auto refusal = checkProvisionalSave(typed);
    edtVagaFemea->setText(typed.female);
    if (refusal) {
        const QHash<SlotField, QWidget*> fields{
            {SlotField::Unit, dblUnidade},    {SlotField::Procedure, dblProcedimento},
            {SlotField::Species, dblEspecie}, {SlotField::Date, mkeData},
            {SlotField::Hour, mkeHora},       {SlotField::General, edtVagaGeral},
            {SlotField::Female, edtVagaFemea}};
        if (QWidget* w = fields.value(refusal->field)) {
            paint(w, Qt::yellow);
            w->setFocus();
        }
        refusal->asWarning ? Prompts::warning(refusal->message) : Prompts::information(refusal->message);
        return;
    }
    const bool inserting = qryPrincipal->state() == db::DataSet::State::Insert;
    const QVariant id = inserting ? QVariant() : qryPrincipal->field(keyField());
    mapasql::Slot slot{keyOf(dblUnidade),
                       keyOf(dblProcedimento),
                       keyOf(dblEspecie),
                       QDateTime(mkeData->date(), *validHour(mkeHora->text())),
                       *wholeNumber(typed.general),
                       *wholeNumber(typed.female),
                       0,
                       0,
                       {},
                       {}};
    try {
        db::Transaction t;
        if (mapasql::countSame(slot) > 0) {
            Prompts::information(kDuplicadoProducao + kReplanejamento);
            return;
        }
        if (mapasql::countSameProvisional(slot, id) > 0) {
            Prompts::information(kDuplicado + kReplanejamento);
            return;
        }
        if (inserting)
            mapasql::insertProvisional(db::nextKey(table(), keyField()), slot);
        else
            mapasql::updateProvisional(id.toInt(), slot, db::readValues(*qryPrincipal));
        t.commit();
    } catch (const std::exception& e) {
        Prompts::error(failureText(e, kErroGravar));
        return;
    }
    qryPrincipal->cancel();
    lock(true);
    refresh();
    Prompts::warning(kSucesso);
}

void TfrmMapaDisponibilidadeRascunho::remove() {
    if (qryPrincipal->isEmpty() || qryPrincipal->isEditing())
        return;
    if (!Prompts::confirm(kConfirmaExcluirRascunho))
        return;
    {
        db::Transaction t;
        mapasql::deactivateProvisional(db::toInt(qryPrincipal->field(keyField())), db::readValues(*qryPrincipal));
        t.commit();
    }
    refresh();
    Prompts::warning(kSucesso);
}

void TfrmMapaDisponibilidadeRascunho::transfer() {
    if (qryPrincipal->isEditing()) {
        Prompts::warning(kEditandoTransferir);
        return;
    }
    if (!Prompts::confirm(kConfirmaTransferir))
        return;
    try {
        db::Transaction t;
        const db::RowSet rows = mapasql::activeProvisionals();
        const auto f = [&rows](int i, const char* name) {
            return rows.row(i)[rows.indexOrThrow(QString::fromLatin1(name))];
        };
        struct Transfer {
            int provisionalId;
            mapasql::Slot slot;
            db::RowValues read;
        };
        QList<Transfer> toPublish;
        QStringList clashes;
        const QHash<int, QString> units = mapasql::readNames().units;
        for (int i = 0; i < rows.count(); ++i) {
            mapasql::Slot v{db::toInt(f(i, "Id_unidade_trabalho")),
                            db::toInt(f(i, "Id_tipo_procedimento")),
                            db::toInt(f(i, "Id_Especie")),
                            db::toDateTime(f(i, "Data_hora_disponibilidade")),
                            db::toInt(f(i, "Qt_vaga_disponivel_geral")),
                            db::toInt(f(i, "Qt_vaga_disp_f_grande_porte")),
                            0,
                            0,
                            {},
                            f(i, "Inserido_por")};
            if (mapasql::countSame(v) > 0)
                clashes << units.value(v.unit) + QStringLiteral(", ") +
                               v.dateTime.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
            toPublish.append({db::toInt(f(i, "Id_Mapa_rascunho")), v, db::rowValues(rows, i)});
        }
        if (!clashes.isEmpty()) {
            Prompts::warning(kDuplicadoProducao + QLatin1Char('\n') + clashes.join(QLatin1Char('\n')));
            return;
        }
        for (const Transfer& each : std::as_const(toPublish)) {
            const int key = db::nextKey(QStringLiteral("Mapa_disponibilidade_agenda"),
                                        QStringLiteral("Id_Mapa_disponibilidade_agenda"));
            mapasql::insertSlot(key, each.slot);
            // A provisional slot changed or transferred by another workstation since it was read stops it all.
            mapasql::markTransferred(each.provisionalId, key, each.read);
        }
        t.commit();
    } catch (const db::Error& e) {
        refresh();
        Prompts::error(e.text());
        return;
    }
    refresh();
    clearFields();
    Prompts::warning(kSucesso);
}

void TfrmMapaDisponibilidadeRascunho::leave() {
    if (qryPrincipal->isEditing()) {
        if (!Prompts::confirm(kSairEditando))
            return;
        cancel();
    }
    closeForm();
}

void TfrmMapaDisponibilidadeRascunho::print() {
    Prompts::preview(std::make_shared<TrelMapaDisponibilidadeRascunho>(), true);
}

bool TfrmMapaDisponibilidadeRascunho::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && qobject_cast<QWidget*>(watched) &&
        (watched == dblUnidade || watched == dblProcedimento || watched == dblEspecie || watched == mkeData ||
         watched == mkeHora || watched == edtVagaGeral || watched == edtVagaFemea)) {
        auto* w = static_cast<QWidget*>(watched);
        if (w != edtVagaFemea || !edtVagaFemea->isReadOnly())
            paint(w, windowColour());
        if (watched == dblEspecie && qryPrincipal->isEditing())
            guarded([this] { speciesExit(); });
    }
    return RegisterForm::eventFilter(watched, event);
}

TrelMapaDisponibilidadeRascunho::TrelMapaDisponibilidadeRascunho() {
    setTitle(QStringLiteral("Programação de cotas "));
    setMargins(1.0);
    const qreal w = bodyRectMm().width();
    db::Query q = mapasql::provisionalReport();
    setData(reportData(q));
    addReportHeading(addBand(report::BandType::Title, 16), QStringLiteral("REL51"),
                     QStringLiteral("Programação de cotas "), w);
    const QList<qreal> x{0, w * 0.28, w * 0.46, w * 0.60, w * 0.76, w * 0.85, w};
    report::Band& header = addBand(report::BandType::ColumnHeader, 7);
    const QStringList titles{"Unidade trabalho", "Procedimento", "Especie",
                             "Data/Hora",        "Qt. Geral",    "Qt. Fêmea grande"};
    for (int i = 0; i < titles.size(); ++i)
        header.addLabel(QRectF(x[i], 1, x[i + 1] - x[i] - 1, 5), titles[i]).setBold();  // a millimetre apart
    report::Band& detail = addBand(report::BandType::Detail, 6);
    detail.addField(QRectF(x[0], 0.5, x[1] - x[0] - 1, 5), QStringLiteral("unidade_trabalho"));
    detail.addField(QRectF(x[1], 0.5, x[2] - x[1] - 1, 5), QStringLiteral("tipo_procedimento"));
    detail.addField(QRectF(x[2], 0.5, x[3] - x[2] - 1, 5), QStringLiteral("especie"));
    detail.addExpression(QRectF(x[3], 0.5, x[4] - x[3] - 1, 5), [](const report::Context& c) {
        return QVariant(db::toDateTime(c.value(QStringLiteral("Data_hora_disponibilidade")))
                            .toString(QStringLiteral("dd/MM/yyyy HH:mm")));
    });
    detail.addField(QRectF(x[4], 0.5, x[5] - x[4] - 1, 5), QStringLiteral("Qt_vaga_disponivel_geral"));
    detail.addField(QRectF(x[5], 0.5, x[6] - x[5], 5), QStringLiteral("Qt_vaga_disp_f_grande_porte"));
    report::Band& summary = addBand(report::BandType::Summary, 8);
    summary.addLabel(QRectF(x[3], 2, x[4] - x[3], 5), QStringLiteral("Totais:")).setBold();
    summary.addExpression(QRectF(x[4], 2, x[5] - x[4], 5), [](const report::Context& c) {
        return QVariant(qRound(c.sum(QStringLiteral("Qt_vaga_disponivel_geral"))));
    });
    summary.addExpression(QRectF(x[5], 2, x[6] - x[5], 5), [](const report::Context& c) {
        return QVariant(qRound(c.sum(QStringLiteral("Qt_vaga_disp_f_grande_porte"))));
    });
    addPageNumber(addBand(report::BandType::PageFooter, 7), w);
}
