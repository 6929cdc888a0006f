// SPDX-License-Identifier: GPL-3.0-or-later
// The animal-address form: choosing the animal, a new or changed address geocoded and saved with its link
// in one transaction, the delete of the most recent address, the history and the export.
#include "registry/animal/UEndereco_Animal.h"

#include "common/FormWindows.h"
#include "common/register/DataActions.h"

#include "common/ExportStatus.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/register/RegisterForm.h"
#include "common/rules/Formats.h"
#include "common/schema/Tables.h"
#include "platform/dbase/DbfWriter.h"
#include "platform/ui/ActionKeys.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/DateEdit.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/FieldLink.h"
#include "platform/ui/GridRows.h"
#include "platform/ui/ToolBars.h"
#include "registry/address/AddressGroup.h"
#include "registry/address/AddressSql.h"
#include "registry/animal/AnimalRules.h"
#include "registry/animal/AnimalSql.h"
#include "registry/animal/UPesquisaNovoEndAnimal.h"
#include "registry/owner/OwnerSql.h"
#include "registry/shared/FieldMarks.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

using namespace common;
using namespace registry;

namespace {

bool blank(const QVariant& v) { return db::toText(v).trimmed().isEmpty(); }

// The export's columns: every animal with its owner and breed.
const QList<dbase::Field> kExportFields{dbase::integerField(QStringLiteral("Id_Animal")),
                                        dbase::textField(QStringLiteral("nome_raca"), 60),
                                        dbase::textField(QStringLiteral("Nome"), 100),
                                        dbase::textField(QStringLiteral("Sexo"), 1),
                                        dbase::textField(QStringLiteral("Esterilizado"), 10),
                                        dbase::textField(QStringLiteral("Num_Microchip"), 20),
                                        dbase::textField(QStringLiteral("Cor"), 100),
                                        dbase::textField(QStringLiteral("Sinais"), 250),
                                        dbase::textField(QStringLiteral("Num_Pedigree"), 50),
                                        dbase::integerField(QStringLiteral("Id_Proprietario")),
                                        dbase::textField(QStringLiteral("nome_Proprietario"), 50),
                                        dbase::textField(QStringLiteral("Telefone_Residencial"), 15),
                                        dbase::textField(QStringLiteral("Telefone_Celular"), 15),
                                        dbase::textField(QStringLiteral("Telefone_Recado"), 15),
                                        dbase::textField(QStringLiteral("Num_CPF_CNPJ"), 15),
                                        dbase::textField(QStringLiteral("Num_CI"), 15)};

}  // namespace

TfrmEndereco_Animal::TfrmEndereco_Animal(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose, true);
    setObjectName(QStringLiteral("frmEndereco_Animal"));
    setWindowTitle(QStringLiteral("024 - Endereço do animal."));
    createDataSets();
    createActions();
    createControls();
    createPages();
    layOut();
    connectControls();
    ui::putActionKeysFirst(this);
    guarded([this] {
        address->reloadLists();
        ownersql::selectNone(*qryProprietario);
        addresssql::selectAddress(*qryEndereco, {});
    });
    updateActions();
    resize(820, 560);
}

void TfrmEndereco_Animal::createDataSets() {
    qryProprietario = new db::DataSet(db::kMain, this);
    qryProprietario->setObjectName(QStringLiteral("qryProprietario"));
    qryEndereco = new db::DataSet(db::kMain, this);
    qryEndereco->setObjectName(QStringLiteral("qryEndereco"));
    qryTodosEnd = new db::DataSet(db::kMain, this);
    qryTodosEnd->setObjectName(QStringLiteral("qryTodosEnd"));
}

void TfrmEndereco_Animal::createActions() {
    actAppend = makeDataAction(this, DataAction::Append, "actAppend");
    actEdit = makeDataAction(this, DataAction::Edit, "actEdit");
    actDelete = makeDataAction(this, DataAction::Delete, "actDelete");
    actPost = makeDataAction(this, DataAction::Post, "actPost");
    actCancel = makeDataAction(this, DataAction::Cancel, "actCancel");
    actRefresh = makeDataAction(this, DataAction::Refresh, "actRefresh");
    actExportacao = makeScopedAction(this, "actExportacao", QStringLiteral("&Exportação..."));
    actPesquisa = makeScopedAction(this, "actPesquisa", QStringLiteral("&Pesquisar..."));
    actPrint = makeDataAction(this, DataAction::Print, "actPrint");
    actInformation = makeDataAction(this, DataAction::Information, "actInformation");
    m_tools = ui::makeToolBar(this, QStringLiteral("ToolBar1"));
    m_tools->addActions({actAppend, actEdit, actDelete});
    m_tools->addSeparator();
    m_tools->addActions({actPost, actCancel});
    m_tools->addSeparator();
    m_tools->addActions({actExportacao, actPesquisa});
}

void TfrmEndereco_Animal::createControls() {
    m_ownerCode = new QLineEdit(this);
    m_ownerCode->setObjectName(QStringLiteral("dbeCodProprietario"));
    ui::bindLineEdit(m_ownerCode, qryProprietario, QStringLiteral("Id_Proprietario"), ui::ValueKind::Integer)
        ->setAlwaysReadOnly(true);
    m_ownerName = new QLineEdit(this);
    m_ownerName->setObjectName(QStringLiteral("dbeNomeProprietario"));
    ui::bindLineEdit(m_ownerName, qryProprietario, QStringLiteral("Nome"))->setAlwaysReadOnly(true);
    for (QLineEdit* e : {m_ownerCode, m_ownerName})
        ui::setReadOnlyLook(e);
    m_searchButton = new QPushButton(QStringLiteral("..."), this);
    m_searchButton->setObjectName(QStringLiteral("btnPesquisa"));
    m_searchButton->setMaximumWidth(30);
    cbbAnimal = new QComboBox(this);
    cbbAnimal->setObjectName(QStringLiteral("cbbAnimal"));
    dbeDataInicial = new ui::DateEdit(this);
    dbeDataInicial->setObjectName(QStringLiteral("dbeDataInicial"));
    address = new AddressGroup(AddressGroup::Mode::AnimalForm, qryEndereco, this);
    ui::EnterAsTab::install(cbbAnimal);
    ui::EnterAsTab::install(dbeDataInicial);
}

// The address entry on the first page, the animal's address history on the second.
void TfrmEndereco_Animal::createPages() {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto* page1 = new QWidget(PageControl1);
    page1->setObjectName(QStringLiteral("TabSheet1"));
    ui::GridRows rows(new QGridLayout(page1));
    rows.row().labelled(QStringLiteral("Proprietário:"), m_ownerCode).add(m_ownerName, 3).add(m_searchButton);
    rows.row()
        .labelled(QStringLiteral("Animal:"), cbbAnimal, 2)
        .labelled(QStringLiteral("Data inicial do endereço:"), dbeDataInicial);
    rows.row().add(address, 6);
    rows.row().stretch();
    auto* page2 = new QWidget(PageControl1);
    page2->setObjectName(QStringLiteral("TabSheet2"));
    createHistoryGrid(page2);
    auto* page2Layout = new QVBoxLayout(page2);
    page2Layout->addWidget(dbgTodosEnd);
    PageControl1->addTab(page1, QStringLiteral("Endereço"));
    PageControl1->addTab(page2, QStringLiteral("Histórico de endereços do animal."));
}

void TfrmEndereco_Animal::createHistoryGrid(QWidget* page) {
    dbgTodosEnd = new QTableView(page);
    dbgTodosEnd->setObjectName(QStringLiteral("dbgTodosEnd"));
    ui::bindGrid(dbgTodosEnd, qryTodosEnd,
                 {ui::GridColumn::calculated(QStringLiteral("Data inicial do endereço"), 110,
                                             [](const db::DataSet& data, int row) {
                                                 return fmt::date(db::toDateTime(
                                                     data.cell(row, QStringLiteral("data_inicial_end"))));
                                             }),
                  {QStringLiteral("Código"), QStringLiteral("Id_Endereco"), 60},
                  {QStringLiteral("Cód. área"), QStringLiteral("COD_AREA_ABRN"), 60},
                  {QStringLiteral("Nº Lograd."), QStringLiteral("NUM_LOGR"), 70},
                  {QStringLiteral("Seg."), QStringLiteral("NUM_SEQU_LOGR"), 40},
                  {QStringLiteral("Tipo lograd."), QStringLiteral("TIP_LOGR"), 70},
                  {QStringLiteral("Logradouro"), QStringLiteral("NOM_LOGR"), 200},
                  {QStringLiteral("Nº Imóvel"), QStringLiteral("NUM_IMOV_LOGR"), 60},
                  {QStringLiteral("Complemento"), QStringLiteral("DES_CMPL_ENDR"), 120},
                  {QStringLiteral("Bairro"), QStringLiteral("NOM_BAIR"), 120},
                  {QStringLiteral("CEP"), QStringLiteral("NUM_CEP"), 70},
                  {QStringLiteral("Localidade"), QStringLiteral("nom_locl"), 100}});
    ui::onTitleClick(dbgTodosEnd, [this](int column) { guarded([this, column] { sortHistory(column); }); });
}

void TfrmEndereco_Animal::layOut() {
    StatusBar1Panel0 = new QLabel(this);
    StatusBar1Panel0->setObjectName(QStringLiteral("StatusBar1Panel0"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tools);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(StatusBar1Panel0);
}

void TfrmEndereco_Animal::connectControls() {
    onTriggered(actAppend, [this] { append(); });
    onTriggered(actEdit, [this] { edit(); });
    onTriggered(actDelete, [this] { remove(); });
    onTriggered(actPost, [this] { save(); });
    onTriggered(actCancel, [this] { cancel(); });
    onTriggered(actRefresh, [this] { refresh(); });
    onTriggered(actExportacao, [this] { exportAnimals(); });
    onTriggered(actPesquisa, [this] { search(); });
    connect(m_searchButton, &QPushButton::clicked, actPesquisa, &QAction::trigger);
    connect(cbbAnimal, &QComboBox::currentIndexChanged, this, [this] { guarded([this] { animalChosen(); }); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        guarded([this] {
            if (animalId() > 0)
                addresssql::selectAnimalHistory(*qryTodosEnd, animalId());
        });
    });
    connect(qryEndereco, &db::DataSet::stateChanged, this, &TfrmEndereco_Animal::updateActions);
    connect(qryEndereco, &db::DataSet::currentChanged, this, &TfrmEndereco_Animal::updateActions);
}

void TfrmEndereco_Animal::updateActions() {
    const bool editing = qryEndereco->isEditing();
    actAppend->setEnabled(!editing && animalId() > 0);
    actEdit->setEnabled(!editing && qryEndereco->recNo() >= 0);
    actDelete->setEnabled(!editing && animalId() > 0);
    actPost->setEnabled(editing);
    actCancel->setEnabled(editing);
    actPesquisa->setEnabled(!editing);
    cbbAnimal->setEnabled(!editing);
    dbeDataInicial->setReadOnly(!editing);
}

int TfrmEndereco_Animal::animalId() const {
    return cbbAnimal->currentIndex() >= 0 ? cbbAnimal->currentData().toInt() : 0;
}

QString TfrmEndereco_Animal::animalName() const { return cbbAnimal->currentText(); }

void TfrmEndereco_Animal::search() {
    frmPesquisaNovoEndAnimal = new TfrmPesquisaNovoEndAnimal;
    connect(frmPesquisaNovoEndAnimal, &TfrmPesquisaNovoEndAnimal::animalChosen, this,
            &TfrmEndereco_Animal::chooseAnimal);
    showForm(frmPesquisaNovoEndAnimal, ShowAs::Window, this);
}

void TfrmEndereco_Animal::chooseAnimal(int ownerId, int chosen) {
    ownersql::selectOwnerAnyStatus(*qryProprietario, ownerId);
    const db::RowSet animals = animalsql::animalsOf(ownerId);
    {
        const QSignalBlocker quiet(cbbAnimal);
        cbbAnimal->clear();
        for (int i = 0; i < animals.count(); ++i)
            cbbAnimal->addItem(db::toText(animals.row(i)[2]).trimmed(), db::toInt(animals.row(i)[0]));
        cbbAnimal->setCurrentIndex(cbbAnimal->findData(chosen));
    }
    animalChosen();
    if (animalId() > 0)
        append();
}

void TfrmEndereco_Animal::animalChosen() {
    if (qryEndereco->isEditing())
        qryEndereco->cancel();
    const int id = animalId();
    if (id > 0) {
        addresssql::selectAnimalHistory(*qryTodosEnd, id);
        addresssql::selectAddress(*qryEndereco, addresssql::currentAnimalAddress(id));
    } else {
        addresssql::selectAddress(*qryEndereco, {});
    }
    const QVariant start =
        qryEndereco->recNo() >= 0 ? qryEndereco->field(QStringLiteral("data_inicial_end")) : QVariant();
    dbeDataInicial->setDate(blank(start) ? QDate() : db::toDateTime(start).date());
    updateActions();
}

void TfrmEndereco_Animal::append() {
    if (animalId() == 0)
        return;
    addresssql::selectAddress(*qryEndereco, {});
    qryEndereco->append();
    dbeDataInicial->setDate({});
}

void TfrmEndereco_Animal::edit() {
    if (qryEndereco->recNo() >= 0 && !qryEndereco->isEditing())
        qryEndereco->edit();
}

void TfrmEndereco_Animal::cancel() { animalChosen(); }

void TfrmEndereco_Animal::save() {
    if (!qryEndereco->isEditing())
        return;
    if (address->edtNumImovel->text().trimmed().isEmpty()) {
        markRefused(address->edtNumImovel);
        address->edtNumImovel->setFocus();
        Prompts::information(kFaltaNumeroImovel);
        return;
    }
    const TypedDate start = typedDate(dbeDataInicial->text());
    if (!start.blank && !start.date.isValid()) {
        markRefused(dbeDataInicial);
        dbeDataInicial->setFocus();
        Prompts::information(kDataInicialInvalida);
        return;
    }
    const int streetCode = address->edtCodLograd->text().trimmed().toInt();  // blank: 0
    const Coordinates found = CalculaCoordenadas(streetCode, address->edtNumImovel->text().trimmed().toInt());
    const bool inserting = qryEndereco->state() == db::DataSet::State::Insert;
    const db::Stamp stamp = tables::byUser(db::serverTime());
    qryEndereco->setField(QStringLiteral("End_X"), found.x);
    qryEndereco->setField(QStringLiteral("End_Y"), found.y);
    qryEndereco->setField(QStringLiteral("data_inicial_end"),
                          start.blank ? QVariant() : QVariant(QDateTime(start.date, QTime(0, 0))));
    if (!address->neighbourhoodText().trimmed().isEmpty())
        qryEndereco->setField(QStringLiteral("NOM_BAIR"), address->neighbourhoodText());
    {
        db::Transaction transaction;
        if (inserting)
            addresssql::linkAnimal(animalId(), addresssql::insertAddress(db::typedValues(*qryEndereco), stamp));
        else
            addresssql::updateAddress(db::typedValues(*qryEndereco), db::readValues(*qryEndereco),
                                      db::toInt(qryEndereco->field(QStringLiteral("Id_Endereco"))), stamp);
        transaction.commit();
    }
    animalChosen();
    Prompts::information(kOperacaoRealizada);
}

void TfrmEndereco_Animal::remove() {
    const int id = animalId();
    const int addresses = id > 0 ? addresssql::animalAddressCount(id) : 0;
    if (addresses == 0) {
        Prompts::information(kNaoHaEndereco);
        return;
    }
    if (addresses == 1) {
        Prompts::information(kUnicoEndereco);
        return;
    }
    if (!Prompts::confirm(QStringLiteral("Você esta preste a deletar o endereço do ") + animalName() +
                          QStringLiteral("\nDeseje continuar?")))
        return;
    {
        db::Transaction transaction;
        addresssql::deleteAnimalAddress(id, db::toInt(qryEndereco->field(QStringLiteral("Id_Endereco"))),
                                        db::readValues(*qryEndereco));
        transaction.commit();
    }
    animalChosen();
    Prompts::information(kOperacaoRealizada);
}

void TfrmEndereco_Animal::refresh() {
    if (animalId() == 0)
        return;
    addresssql::selectAnimalHistory(*qryTodosEnd, animalId());
    StatusBar1Panel0->setText(animalName() + QStringLiteral(" já teve ") + QString::number(qryTodosEnd->recordCount()) +
                              QStringLiteral(" endereço."));
}

void TfrmEndereco_Animal::sortHistory(int column) {
    auto* grid = static_cast<ui::DataGridModel*>(dbgTodosEnd->model());
    const QList<ui::GridColumn>& columns = grid->columns();
    if (animalId() == 0 || column < 0 || column >= columns.size())
        return;
    const QString field = columns[column].field.isEmpty() ? QStringLiteral("data_inicial_end") : columns[column].field;
    try {
        addresssql::selectAnimalHistory(*qryTodosEnd, animalId(), field);
        grid->markSortColumn(column);
    } catch (const std::exception&) {
        Prompts::information(kNaoOrdenar);
        addresssql::selectAnimalHistory(*qryTodosEnd, animalId());
    }
}

void TfrmEndereco_Animal::exportAnimals() {
    const QString chosen =
        Prompts::saveFileName(QStringLiteral("Exportação do endereço do animal."), {Prompts::kArquivoDbase});
    if (chosen.trimmed().isEmpty())
        return;
    try {
        db::Query select;
        animalsql::prepareExport(select);
        dbase::writeSelect(dbase::tableFileName(chosen), kExportFields, select);
    } catch (const std::exception& e) {
        Prompts::information(exportFailure(kErroExportar, e));
        return;
    }
    Prompts::information(kExportacaoConcluida);
}
