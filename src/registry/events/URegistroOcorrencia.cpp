// SPDX-License-Identifier: GPL-3.0-or-later
// The occurrence register: lists that follow one another (owner, animal, occurrences), the add with its
// checks in one transaction, the delete, REL037 and the export of every occurrence.
#include "registry/events/URegistroOcorrencia.h"

#include "common/ExportStatus.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/access/FormOpening.h"
#include "common/register/DataActions.h"
#include "common/rules/Formats.h"
#include "platform/dbase/DbfWriter.h"
#include "platform/ui/ActionKeys.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/DateEdit.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/GridRows.h"
#include "platform/ui/ToolBars.h"
#include "registry/animal/UEndereco_Animal.h"
#include "registry/events/AnimalEventRules.h"
#include "registry/events/OccurrenceSql.h"
#include "registry/events/URelRegistroOcorrencia.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

using namespace registry;

namespace {

// The export's columns: every occurrence with its animal, owner and owner's address.
const QList<dbase::Field> kExportFields{dbase::dateField(QStringLiteral("Dt_Ocorrencia")),
                                        dbase::integerField(QStringLiteral("Id_Animal")),
                                        dbase::textField(QStringLiteral("NomeAnimal"), 100),
                                        dbase::integerField(QStringLiteral("Id_Proprietario")),
                                        dbase::textField(QStringLiteral("nomeProprietario"), 50),
                                        dbase::textField(QStringLiteral("Sexo"), 1),
                                        dbase::dateField(QStringLiteral("Data_Nascimento")),
                                        dbase::textField(QStringLiteral("Esterilizado"), 10),
                                        dbase::textField(QStringLiteral("Num_Microchip"), 20),
                                        dbase::textField(QStringLiteral("nomeRaca"), 60),
                                        dbase::textField(QStringLiteral("nomeEspecie"), 100),
                                        dbase::textField(QStringLiteral("nomePelo"), 50),
                                        dbase::textField(QStringLiteral("nomePorte"), 50),
                                        dbase::textField(QStringLiteral("nomeTipo_ocorrencia"), 100),
                                        dbase::integerField(QStringLiteral("NUM_LOGR")),
                                        dbase::textField(QStringLiteral("TIP_LOGR"), 10),
                                        dbase::textField(QStringLiteral("NOM_LOGR"), 80),
                                        dbase::integerField(QStringLiteral("NUM_IMOV_LOGR")),
                                        dbase::textField(QStringLiteral("DES_CMPL_ENDR"), 80),
                                        dbase::textField(QStringLiteral("NOM_BAIR"), 50),
                                        dbase::textField(QStringLiteral("NUM_CEP"), 10)};

void fillCombo(QComboBox* combo, const db::RowSet& rows, int keyColumn = 0, int nameColumn = 1) {
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (int i = 0; i < rows.count(); ++i)
        combo->addItem(db::toText(rows.row(i)[nameColumn]).trimmed(), db::toInt(rows.row(i)[keyColumn]));
    combo->setCurrentIndex(-1);
}

int chosenKey(const QComboBox* combo) { return combo->currentIndex() >= 0 ? combo->currentData().toInt() : 0; }

}  // namespace

TfrmRegistroOcorrencia::TfrmRegistroOcorrencia(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose, true);
    setObjectName(QStringLiteral("frmRegistroOcorrencia"));
    setWindowTitle(QStringLiteral("022 - Registro Ocorrência."));
    qryOcorrencia = new db::DataSet(db::kMain, this);
    qryOcorrencia->setObjectName(QStringLiteral("qryOcorrencia"));
    createActions();
    createPopupMenu();
    createControls();
    layOut();
    connectControls();
    ui::putActionKeysFirst(this);
    guarded([this] { reloadLists(); });
    resize(640, 480);
}

void TfrmRegistroOcorrencia::createActions() {
    actPrint = makeDataAction(this, DataAction::Print, "actPrint");
    // Alt+E is "&Excluir"'s: the export answers Ctrl+E.
    actExportarIntercorrencia =
        makeScopedAction(this, "actExportarIntercorrencia", QStringLiteral("&Exportar dados da intercorrência..."),
                         {QKeySequence(Qt::CTRL | Qt::Key_E)});
    actSair = makeDataAction(this, DataAction::Exit, "actSair");
    m_tools = ui::makeToolBar(this, QStringLiteral("ToolBar1"));
    m_tools->addActions({actPrint, actExportarIntercorrencia, actSair});
}

// The pop-up menu: two actions of the main menu and Sair.
void TfrmRegistroOcorrencia::createPopupMenu() {
    auto popupAction = [this](const char* name, const QString& caption) {
        auto* action = new QAction(caption, this);  // reached through the pop-up menu only
        action->setObjectName(QString::fromLatin1(name));
        m_popup << action;
        return action;
    };
    QAction* tipos = popupAction("actTipoOcorrencia", QStringLiteral("018 - &Tipo de ocorrência..."));
    QAction* registro =
        popupAction("actProprietario_Animal", QStringLiteral("006 - &Cadastrar Proprietário/Animal..."));
    QAction* sair = popupAction("actSairMenu", QStringLiteral("&Sair"));
    for (QAction* menuAction : {tipos, registro})
        bindToMenuAction(menuAction, menuAction->objectName());
    connect(sair, &QAction::triggered, actSair, &QAction::trigger);
}

void TfrmRegistroOcorrencia::createControls() {
    auto lineEdit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaximumWidth(80);
        ui::EnterAsTab::install(e);
        return e;
    };
    auto combo = [this](const char* name) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        c->setMinimumWidth(260);
        ui::EnterAsTab::install(c);
        return c;
    };
    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    edtCodProprietario = lineEdit("edtCodProprietario");
    dblProprietario = combo("dblProprietario");
    edtCodAnimal = lineEdit("edtCodAnimal");
    dblNomeAnimal = combo("dblNomeAnimal");
    cbbTipoOcorrencia = combo("cbbTipoOcorrencia");
    // dd/mm/yyyy, or a two-digit year: the latest such year up to the current one.
    mkeDataOcorrencia = new ui::DateEdit(this);
    mkeDataOcorrencia->setObjectName(QStringLiteral("mkeDataOcorrencia"));
    ui::EnterAsTab::install(mkeDataOcorrencia);
    bmpIncluir = button("bmpIncluir", QStringLiteral("&Incluir"));
    bmpExcluir = button("bmpExcluir", QStringLiteral("&Excluir"));
    bmpAtualizar = button("bmpAtualizar", QStringLiteral("&Atualizar"));
    dbgOcorrencia = new QTableView(this);
    dbgOcorrencia->setObjectName(QStringLiteral("dbgOcorrencia"));
    ui::bindGrid(dbgOcorrencia, qryOcorrencia,
                 {ui::GridColumn::calculated(QStringLiteral("Data ocorrência"), 110,
                                             [](const db::DataSet& data, int row) {
                                                 return fmt::date(
                                                     db::toDateTime(data.cell(row, QStringLiteral("Dt_Ocorrencia"))));
                                             }),
                  {QStringLiteral("Ocorrência"), QStringLiteral("NomeOcorrencia"), 300}});
}

void TfrmRegistroOcorrencia::layOut() {
    auto* grid = new QGridLayout;
    ui::GridRows rows(grid);
    rows.row().labelled(QStringLiteral("Proprietário:"), edtCodProprietario).add(dblProprietario, 3);
    rows.row().labelled(QStringLiteral("Animal:"), edtCodAnimal).add(dblNomeAnimal, 3);
    rows.row()
        .labelled(QStringLiteral("Ocorrência:"), cbbTipoOcorrencia, 2)
        .labelled(QStringLiteral("Data:"), mkeDataOcorrencia);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bmpIncluir);
    buttons->addWidget(bmpExcluir);
    buttons->addWidget(bmpAtualizar);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tools);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addWidget(dbgOcorrencia, 1);
}

void TfrmRegistroOcorrencia::connectControls() {
    onTriggered(actPrint, [this] { print(); });
    onTriggered(actExportarIntercorrencia, [this] { exportAll(); });
    onTriggered(actSair, [this] { closeForm(); });
    connect(bmpIncluir, &QPushButton::clicked, this, [this] { guarded([this] { add(); }); });
    connect(bmpExcluir, &QPushButton::clicked, this, [this] { guarded([this] { remove(); }); });
    connect(bmpAtualizar, &QPushButton::clicked, this, [this] { guarded([this] { reloadLists(); }); });
    connect(dblProprietario, &QComboBox::currentIndexChanged, this, [this] { guarded([this] { ownerChosen(); }); });
    connect(dblNomeAnimal, &QComboBox::currentIndexChanged, this, [this] { guarded([this] { animalChosen(); }); });
    connect(cbbTipoOcorrencia, &QComboBox::currentIndexChanged, this, [this] { guarded([this] { typeChosen(); }); });
    // A typed code chooses its row in the list beside it.
    for (auto [code, list] : {std::pair{edtCodProprietario, dblProprietario}, std::pair{edtCodAnimal, dblNomeAnimal}}) {
        connect(code, &QLineEdit::editingFinished, this, [code, list] {
            const int at = list->findData(code->text().trimmed().toInt());
            if (at >= 0)
                list->setCurrentIndex(at);
        });
    }
}

TfrmRegistroOcorrencia* TfrmRegistroOcorrencia::create() {
    frmRegistroOcorrencia = new TfrmRegistroOcorrencia;
    RightsHiding hiding;
    hiding.incluir = {QStringLiteral("bmpIncluir")};
    hiding.alterar = {};
    hiding.excluir = {QStringLiteral("bmpExcluir")};
    hiding.imprimir = {};
    applyFormRights(frmRegistroOcorrencia, 22, hiding);
    return frmRegistroOcorrencia;
}

void TfrmRegistroOcorrencia::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addActions(m_popup);
    menu.exec(event->globalPos());
}

int TfrmRegistroOcorrencia::ownerId() const { return chosenKey(dblProprietario); }
int TfrmRegistroOcorrencia::animalId() const { return chosenKey(dblNomeAnimal); }

void TfrmRegistroOcorrencia::fillOwners(int ownerId) {
    fillCombo(dblProprietario, occurrencesql::owners(ownerId));
    if (ownerId > 0)
        dblProprietario->setCurrentIndex(dblProprietario->findData(ownerId));
    ownerChosen();
}

void TfrmRegistroOcorrencia::reloadLists() {
    m_types = occurrencesql::types();
    fillCombo(cbbTipoOcorrencia, m_types);
    typeChosen();
    fillOwners(0);
}

void TfrmRegistroOcorrencia::showFor(int owner, int animal) {
    fillOwners(owner);
    const int at = dblNomeAnimal->findData(animal);
    if (at >= 0)
        dblNomeAnimal->setCurrentIndex(at);
}

void TfrmRegistroOcorrencia::ownerChosen() {
    const int owner = ownerId();
    edtCodProprietario->setText(owner > 0 ? QString::number(owner) : QString());
    fillCombo(dblNomeAnimal, owner > 0 ? occurrencesql::animalsOf(owner) : db::RowSet());
    if (dblNomeAnimal->count() > 0)
        dblNomeAnimal->setCurrentIndex(0);
    animalChosen();
}

void TfrmRegistroOcorrencia::animalChosen() {
    const int animal = animalId();
    edtCodAnimal->setText(animal > 0 ? QString::number(animal) : QString());
    occurrencesql::selectOccurrences(*qryOcorrencia, animal);
}

void TfrmRegistroOcorrencia::typeChosen() {
    const int at = cbbTipoOcorrencia->currentIndex();
    if (at < 0) {
        cbbTipoOcorrencia->setToolTip(QString());
        return;
    }
    for (int i = 0; i < m_types.count(); ++i) {
        const auto& r = m_types.row(i);
        if (db::toInt(r[0]) == cbbTipoOcorrencia->currentData().toInt())
            cbbTipoOcorrencia->setToolTip(occurrenceTypeHint(db::sameText(db::toText(r[2]), QStringLiteral("SIM")),
                                                             db::toText(r[1]).trimmed(), db::toText(r[3]).trimmed()));
    }
}

void TfrmRegistroOcorrencia::add() {
    if (mkeDataOcorrencia->isBlank()) {
        Prompts::information(kFaltaDigitarData);
        return;
    }
    const int type = chosenKey(cbbTipoOcorrencia);
    if (type == 0) {
        Prompts::information(kFaltaOcorrencia);
        return;
    }
    const int animal = animalId();
    if (animal == 0) {
        Prompts::information(kFaltaAnimalOcorrencia);
        return;
    }
    const QDate date = mkeDataOcorrencia->date();  // none while the box shows a refused date
    if (!date.isValid()) {
        Prompts::information(kFaltaDataOcorrencia);
        return;
    }
    if (occurrencesql::sameTypeRecorded(animal, type) && !Prompts::confirm(kOcorrenciaIdentica))
        return;
    const QString closing = occurrencesql::closingOccurrence(animal);
    if (!closing.isEmpty()) {
        Prompts::information(kOcorrenciaImpede.arg(closing));
        return;
    }
    try {
        db::Transaction transaction;
        occurrencesql::insertOccurrence(animal, type, date, db::serverTime());
        transaction.commit();
    } catch (const std::exception& e) {
        Prompts::error(failureText(e, kErroGravarOcorrencia));
        return;
    }
    animalChosen();
    Prompts::information(kOcorrenciaRealizada);
}

void TfrmRegistroOcorrencia::remove() {
    const QVariant id =
        qryOcorrencia->recNo() >= 0 ? qryOcorrencia->field(QStringLiteral("Id_Ocorrencia")) : QVariant();
    if (db::toText(id).trimmed().isEmpty()) {
        Prompts::information(kOcorrenciaNaoEncontrada);
        return;
    }
    if (!Prompts::confirm(kExcluirOcorrencia))
        return;
    {
        db::Transaction transaction;
        occurrencesql::deleteOccurrence(db::toInt(id), db::readValues(*qryOcorrencia));
        transaction.commit();
    }
    animalChosen();
    Prompts::information(kOcorrenciaRealizada);
}

void TfrmRegistroOcorrencia::print() {
    const int animal = animalId();
    const int owner = ownerId();
    if (animal == 0 || owner == 0) {
        Prompts::information(kRegistroNaoLocalizado);
        return;
    }
    auto report = std::make_shared<TfrmRelRegistroOcorrencia>(animal, owner);
    if (report->isEmpty()) {
        Prompts::information(kSemIntercorrencia);
        return;
    }
    Prompts::preview(report, false);
}

void TfrmRegistroOcorrencia::exportAll() {
    const QString chosen =
        Prompts::saveFileName(QStringLiteral("Exportar dados da intercorrência."), {Prompts::kArquivoDbase});
    if (chosen.trimmed().isEmpty())
        return;
    try {
        db::Query select;
        occurrencesql::prepareExport(select);
        dbase::writeSelect(dbase::tableFileName(chosen), kExportFields, select);
    } catch (const std::exception& e) {
        Prompts::information(exportFailure(kErroExportar, e));
        return;
    }
    Prompts::information(kExportacaoConcluida);
}

void TfrmRegistroOcorrencia::closeForm() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}
