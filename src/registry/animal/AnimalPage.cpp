// SPDX-License-Identifier: GPL-3.0-or-later
// The animal page: its data sets, controls and actions, the defaults of a new animal, the copy of the owner's
// address, the cancel, refresh and delete of an animal, and the animal as typed handed back as values.
#include "registry/animal/AnimalPage.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/access/Session.h"
#include "common/register/DataActions.h"
#include "common/register/RegisterForm.h"
#include "platform/db/DataSet.h"
#include "platform/ui/ActionKeys.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/DateEdit.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/FieldLink.h"
#include "platform/ui/GridRows.h"
#include "platform/ui/ToolBars.h"
#include "registry/address/AddressGroup.h"
#include "registry/address/AddressSql.h"
#include "registry/animal/AnimalSql.h"
#include "registry/shared/FieldMarks.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

using namespace common;
using namespace registry;

namespace {

bool blank(const QVariant& v) { return db::toText(v).trimmed().isEmpty(); }

// The owner's address fields an animal living with the owner takes.
const char* const kCopiedFields[] = {"Id_Distrito", "COD_AREA_ABRN", "NUM_LOGR",      "NUM_SEQU_LOGR", "TIP_LOGR",
                                     "NOM_LOGR",    "NUM_IMOV_LOGR", "DES_CMPL_ENDR", "NUM_BAIR",      "NOM_BAIR",
                                     "NUM_CEP",     "num_locl",      "nom_locl",      "End_X",         "End_Y"};

}  // namespace

AnimalPage::AnimalPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ActionList1"));
    createDataSets();
    createActions();
    createToolBar();
    createFields();
    layOut();
    connectControls();
    updateActions();
    showBirthDate();
}

void AnimalPage::createDataSets() {
    m_animal = new db::DataSet(db::kMain, this);
    m_animal->setObjectName(QStringLiteral("qryAnimal"));
    m_address = new db::DataSet(db::kMain, this);
    m_address->setObjectName(QStringLiteral("qryEndereco_do_animal"));
}

void AnimalPage::createActions() {
    actAnimalNovo = makeDataAction(this, DataAction::Append, "actAnimalNovo");
    actAnimalAlterar = makeDataAction(this, DataAction::Edit, "actAnimalAlterar");
    actAnimalExcluir = makeDataAction(this, DataAction::Delete, "actAnimalExcluir");
    actAnimalAtualizar = makeDataAction(this, DataAction::Refresh, "actAnimalAtualizar");
    actAnimalGravar = makeDataAction(this, DataAction::Post, "actAnimalGravar");
    actAnimalCancelar = makeDataAction(this, DataAction::Cancel, "actAnimalCancelar");
    DataSetFirst1 = makeDataAction(this, DataAction::First, "DataSetFirst1");
    DataSetPrior1 = makeDataAction(this, DataAction::Prior, "DataSetPrior1");
    DataSetNext1 = makeDataAction(this, DataAction::Next, "DataSetNext1");
    DataSetLast1 = makeDataAction(this, DataAction::Last, "DataSetLast1");
    actInformacao = makeScopedAction(this, "actInformacao", QStringLiteral("&Informação..."));
    actMarcaAtendimento = makeScopedAction(this, "actMarcaAtendimento", QStringLiteral("&Marca atendimento..."));
    // Its caption marks no key: Ctrl+O, said in its tool tip.
    actOcorrencia =
        makeScopedAction(this, "actOcorrencia", QStringLiteral("Ocorrencias..."), {QKeySequence(Qt::CTRL | Qt::Key_O)});
    actPreencheEndAnimal = makeScopedAction(this, "actPreencheEndAnimal", QStringLiteral("Preencher endereço"));
}

void AnimalPage::createToolBar() {
    m_tools = ui::makeToolBar(this, QStringLiteral("ToolBar2"));
    m_tools->addActions({actAnimalNovo, actAnimalAlterar, actAnimalExcluir, actAnimalAtualizar});
    m_tools->addSeparator();
    m_tools->addActions({actAnimalGravar, actAnimalCancelar});
    m_tools->addSeparator();
    m_tools->addActions({DataSetFirst1, DataSetPrior1, DataSetNext1, DataSetLast1});
    m_tools->addSeparator();
    m_tools->addActions({actInformacao, actMarcaAtendimento, actOcorrencia});
    m_tools->addSeparator();
    m_ownerName = new QLabel(m_tools);
    m_ownerName->setObjectName(QStringLiteral("lblNomeProprietario"));
    m_ownerName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // the width the buttons leave
    m_tools->addWidget(m_ownerName);
}

void AnimalPage::createFields() {
    auto lineEdit = [this](const char* name, const char* field, int maxLength, bool capitals) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        ui::setColumnLength(e, maxLength);
        if (capitals)
            ui::Capitals::install(e);
        ui::bindLineEdit(e, m_animal, QString::fromLatin1(field));
        ui::EnterAsTab::install(e);
        resetColourOnLeave(e);
        return e;
    };
    auto lookup = [this](const char* name, const char* field, const char* key, const char* shown,
                         ui::LookupComboLink** link) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        *link = ui::bindLookupCombo(c, m_animal, QString::fromLatin1(field), QString::fromLatin1(key),
                                    QString::fromLatin1(shown));
        ui::EnterAsTab::install(c);
        resetColourOnLeave(c);
        return c;
    };
    auto choice = [this](const char* name, const char* field, const QStringList& items) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        c->addItems(items);
        ui::bindComboBox(c, m_animal, QString::fromLatin1(field));
        ui::EnterAsTab::install(c);
        resetColourOnLeave(c);
        return c;
    };
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("dbeCodAnimal"));
    ui::bindLineEdit(m_code, m_animal, QStringLiteral("Id_Animal"), ui::ValueKind::Integer)->setAlwaysReadOnly(true);
    ui::setReadOnlyLook(m_code);
    m_name = lineEdit("dbeNomeAnimal", "Nome", 100, true);
    m_groupBox = lookup("dblGrupo_Animais", "Id_Grupo_Animal", "id_grupo_Animal", "nome", &m_groups);
    m_speciesBox = lookup("dblEspecie", "Id_Especie", "id_especie", "nome", &m_species);
    m_breedBox = lookup("dblRaca", "Id_Raca", "id_raca", "nome", &m_breeds);
    m_sizeBox = lookup("dblPorte", "Id_Porte", "id_porte", "descricao", &m_sizes);
    m_coatBox = lookup("dblPelo", "Id_Pelo", "id_pelo", "descricao", &m_coats);
    m_colour = lineEdit("dbeCor", "Cor", 100, true);
    m_pedigree = lineEdit("dbePedigree", "Num_Pedigree", 50, false);
    m_marks = lineEdit("dbeSinais", "Sinais", 250, false);
    m_microchip = lineEdit("dbeNumeroMicrochipe", "Num_Microchip", 20, false);
    m_sex = choice("dbcSexo", "Sexo", {QStringLiteral("M"), QStringLiteral("F")});
    m_sterilised = choice("dbcEsterilizado", "Esterilizado", {QStringLiteral("SIM"), QStringLiteral("NAO")});
    // The birth date is typed dd/mm/yyyy and written into the row by the save.
    m_birthDate = new ui::DateEdit(this);
    m_birthDate->setObjectName(QStringLiteral("dbeDt_Nascimento"));
    ui::EnterAsTab::install(m_birthDate);
    resetColourOnLeave(m_birthDate);
    BitBtn2 = new QPushButton(QStringLiteral("..."), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setMaximumWidth(30);
    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(QStringLiteral("dbmOBS"));
    ui::bindMemo(m_notes, m_animal, QStringLiteral("OBS"), 250);
    m_sameAddress = new QCheckBox(QStringLiteral("End. mesmo do propietário."), this);
    m_sameAddress->setObjectName(QStringLiteral("ccbCopiaEnd"));
    address = new AddressGroup(AddressGroup::Mode::Animal, m_address, this);
}

void AnimalPage::layOut() {
    auto* grid = new QGridLayout;
    ui::GridRows rows(grid);
    rows.row().labelled(QStringLiteral("Código:"), m_code).labelled(QStringLiteral("Nome:"), m_name, 5);
    rows.row()
        .labelled(QStringLiteral("Grupo:"), m_groupBox)
        .labelled(QStringLiteral("Espécie:"), m_speciesBox)
        .labelled(QStringLiteral("Raça:"), m_breedBox, 3);
    rows.row()
        .labelled(QStringLiteral("Porte:"), m_sizeBox)
        .labelled(QStringLiteral("Pelo:"), m_coatBox)
        .labelled(QStringLiteral("Cor:"), m_colour, 3);
    rows.row()
        .labelled(QStringLiteral("Sexo:"), m_sex)
        .labelled(QStringLiteral("Esterilizado:"), m_sterilised)
        .labelled(QStringLiteral("Nascimento:"), m_birthDate)
        .add(BitBtn2);
    rows.row()
        .labelled(QStringLiteral("Microchip:"), m_microchip)
        .labelled(QStringLiteral("Pedigree:"), m_pedigree)
        .labelled(QStringLiteral("Sinais:"), m_marks, 3);
    rows.row().labelled(QStringLiteral("Obs.:"), m_notes, 7);
    rows.row().add(m_sameAddress, 4);
    m_notes->setMaximumHeight(60);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tools);
    layout->addLayout(grid);
    layout->addWidget(address);
    layout->addStretch(1);
}

// The page's own actions and controls; Atualizar, the moves, the save and the occurrences are the form's.
void AnimalPage::connectControls() {
    onTriggered(actAnimalNovo, [this] { append(); });
    onTriggered(actAnimalAlterar, [this] { edit(); });
    onTriggered(actAnimalExcluir, [this] { remove(); });
    onTriggered(actAnimalCancelar, [this] { cancel(); });
    onTriggered(actPreencheEndAnimal, [this] { copyOwnerAddress(); });
    onTriggered(actMarcaAtendimento, [this] { markAttendance(); });
    onTriggered(actInformacao, [this] { showInformation(); });
    connect(m_sameAddress, &QCheckBox::clicked, this, [this] { actPreencheEndAnimal->trigger(); });
    connect(m_animal, &db::DataSet::fieldChanged, this, [this](const QString& field) {
        if (field.compare(QLatin1String("Id_Raca"), Qt::CaseInsensitive) == 0)
            guarded([this] { breedChosen(); });
        else if (field.compare(QLatin1String("Id_Especie"), Qt::CaseInsensitive) == 0)
            guarded([this] { reloadBreeds(); });
    });
    // While an animal is typed, its breed list holds the breeds of its species.
    connect(m_animal, &db::DataSet::stateChanged, this, [this] { guarded([this] { reloadBreeds(); }); });
    for (db::DataSet* data : {m_animal, m_address}) {
        connect(data, &db::DataSet::stateChanged, this, &AnimalPage::updateActions);
        connect(data, &db::DataSet::currentChanged, this, &AnimalPage::updateActions);
    }
    connect(m_animal, &db::DataSet::stateChanged, this, &AnimalPage::showBirthDate);
    connect(m_animal, &db::DataSet::currentChanged, this, &AnimalPage::showBirthDate);
    connect(m_animal, &db::DataSet::currentChanged, this, [this] {
        showAnimal();
        emit animalShown(m_animal->state() == db::DataSet::State::Insert ? 0 : animalId());
    });
}

bool AnimalPage::busy() const { return m_animal->isEditing(); }

void AnimalPage::updateActions() {
    const bool editing = busy();
    updateDataActions({actAnimalNovo, actAnimalAlterar, actAnimalExcluir, actAnimalAtualizar, actAnimalGravar,
                       actAnimalCancelar, DataSetFirst1, DataSetPrior1, DataSetNext1, DataSetLast1},
                      *m_animal);
    m_sameAddress->setEnabled(editing);
    m_birthDate->setReadOnly(!editing);
    if (!editing)
        address->setEnabled(true);
}

void AnimalPage::showBirthDate() {
    if (busy())
        return;  // what is being typed stays
    const QVariant birth = m_animal->isActive() && m_animal->recNo() >= 0
                               ? m_animal->field(QStringLiteral("Data_Nascimento"))
                               : QVariant();
    m_birthDate->setDate(blank(birth) ? QDate() : db::toDateTime(birth).date());
}

int AnimalPage::animalId() const {
    const QVariant id =
        m_animal->isActive() && m_animal->recNo() >= 0 ? m_animal->field(QStringLiteral("Id_Animal")) : QVariant();
    return blank(id) ? 0 : db::toInt(id);
}

void AnimalPage::opening() {
    m_groups->setList(animalsql::groups());
    m_species->setList(animalsql::species());
    m_breeds->setList(animalsql::breeds({}));
    m_sizes->setList(animalsql::sizes());
    m_coats->setList(animalsql::coats());
    address->reloadLists();
}

int AnimalPage::animalCount() const { return m_animal->isActive() ? m_animal->recordCount() : 0; }

void AnimalPage::showOwner(const OwnerShown& owner, int animalToLocate) {
    m_owner = owner;
    m_ownerName->setText(owner.name);
    if (busy())
        return;  // the animal being typed stays, for the owner it was typed for
    animalsql::selectAnimals(*m_animal, owner.name.isEmpty() ? 0 : owner.id);
    if (m_animal->isEmpty() && !m_address->isEditing())
        addresssql::selectAddress(*m_address, {});
    if (animalToLocate != 0)
        m_animal->locate(QStringLiteral("id_animal"), animalToLocate);
}

void AnimalPage::showAnimal() {
    try {
        const int id = animalId();
        if (id > 0) {
            if (!m_address->isEditing())
                addresssql::selectAddress(*m_address, addresssql::currentAnimalAddress(id));
        } else if (!busy()) {
            addresssql::selectAddress(*m_address, {});
        }
        address->reloadNeighbourhoods();
    } catch (const std::exception&) {
        Prompts::warning(kVerifiqueAnimal);
    }
}

void AnimalPage::reloadAnimals(int locateAnimal) {
    animalsql::selectAnimals(*m_animal, m_owner.name.isEmpty() ? 0 : m_owner.id);
    m_breeds->setList(animalsql::breeds({}));
    if (locateAnimal > 0)
        m_animal->locate(QStringLiteral("Id_Animal"), locateAnimal);
    emit animalsListed();
}

void AnimalPage::append() {
    if (m_owner.name.isEmpty()) {
        Prompts::information(kLocalizeProprietario);
        return;
    }
    m_typedFor = m_owner.id;
    animalsql::selectAnimals(*m_animal, 0);
    m_animal->append();
    addresssql::selectAddress(*m_address, {});
    m_address->append();
    m_birthDate->setDate({});
    for (const auto& [field, key] : animalsql::newAnimalKeys())
        m_animal->setField(field, key);
    m_sameAddress->setChecked(true);
    copyOwnerAddress();
    m_name->setFocus();
}

void AnimalPage::copyOwnerAddress() {
    if (!m_address->isEditing())
        return;
    if (!m_sameAddress->isChecked()) {
        address->setEnabled(true);
        return;
    }
    const QVariantHash& owner = m_owner.address;
    if (blank(owner.value(QStringLiteral("num_imov_logr"))))
        return;
    for (const char* field : kCopiedFields)
        m_address->setField(QString::fromLatin1(field), owner.value(QString::fromLatin1(field).toLower()));
    address->setEnabled(false);
    address->reloadNeighbourhoods();
}

// The breeds of the species shown, read when the species changes or the typing of an animal starts; never
// on entering the list, where reading it again would drop the breed being clicked. A changed animal keeps the
// breed it was stored with among those of its stored species, also one since made inactive or of another
// species: a change of its colour does not ask for another breed.
void AnimalPage::reloadBreeds() {
    if (!busy())
        return;
    const QString species = QStringLiteral("Id_Especie");
    const bool storedSpecies = m_animal->state() == db::DataSet::State::Edit &&
                               db::toText(m_animal->field(species)) == db::toText(m_animal->oldField(species));
    try {
        m_breeds->setList(animalsql::breeds(
            m_animal->field(species), storedSpecies ? m_animal->oldField(QStringLiteral("Id_Raca")) : QVariant()));
    } catch (const std::exception&) {
        Prompts::information(kErroListaRaca);
    }
}

void AnimalPage::breedChosen() {
    if (!busy() || blank(m_animal->field(QStringLiteral("Id_Raca"))))
        return;
    const auto [size, coat] = animalsql::breedDefaults(m_animal->field(QStringLiteral("Id_Raca")));
    if (!blank(size))
        m_animal->setField(QStringLiteral("Id_Porte"), size);
    if (!blank(coat))
        m_animal->setField(QStringLiteral("Id_Pelo"), coat);
}

void AnimalPage::edit() {
    if (animalId() == 0) {
        Prompts::information(kFaltaLocalizarAnimal);
        return;
    }
    m_animal->edit();
    if (m_address->isActive() && m_address->recNo() >= 0)
        m_address->edit();
    else
        m_address->append();  // an animal without an address gets one on this save
    m_sameAddress->setChecked(false);
    copyOwnerAddress();
}

AnimalValues AnimalPage::values() const {
    auto text = [this](const char* name) {
        if (auto* combo = findChild<QComboBox*>(QString::fromLatin1(name)))
            return combo->currentText();
        return findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    };
    AnimalValues v;
    v.name = m_name->text();
    v.group = text("dblGrupo_Animais");
    v.species = text("dblEspecie");
    v.breed = text("dblRaca");
    v.size = text("dblPorte");
    v.coat = text("dblPelo");
    v.birthDate = m_birthDate->text();
    v.sex = text("dbcSexo");
    v.sterilised = text("dbcEsterilizado");
    v.district = address->districtText();
    v.neighbourhood = address->neighbourhoodText();
    v.streetType = address->streetTypeText();
    v.streetName = address->edtLograd->text();
    v.houseNumber = address->edtNumImovel->text();
    return v;
}

TypedAnimal AnimalPage::typedAnimal() const {
    TypedAnimal animal;
    animal.checked = values();
    animal.inserting = m_animal->state() == db::DataSet::State::Insert;
    animal.ownerId = m_typedFor;
    animal.animalId = animal.inserting ? 0 : animalId();
    animal.animal = db::typedValues(*m_animal);
    animal.animalRead = db::readValues(*m_animal);
    animal.address = db::typedValues(*m_address);
    animal.addressRead = db::readValues(*m_address);
    return animal;
}

void AnimalPage::refuse(const FieldRefusal& refusal) {
    if (QWidget* control = refusal.control.isEmpty() ? nullptr : findChild<QWidget*>(refusal.control)) {
        markRefused(control);
        control->setFocus();
    }
    Prompts::information(refusal.message);
}

bool AnimalPage::showStored(int id) {
    m_address->cancel();
    m_animal->cancel();
    reloadAnimals(id);
    return animalId() == id;
}

void AnimalPage::setBirthDate(const QDate& date) {
    if (!busy() || !date.isValid())
        return;
    m_animal->setField(QStringLiteral("Data_Nascimento"), date.startOfDay());
    m_birthDate->setDate(date);
}

void AnimalPage::cancel() {
    m_address->cancel();
    m_animal->cancel();
    reloadAnimals();
}

void AnimalPage::refresh() {
    reloadAnimals();
    address->reloadNeighbourhoods();
}

void AnimalPage::remove() {
    const int id = animalId();
    if (id == 0)
        return;
    const struct {
        bool (*refuses)(int);
        const QString& message;
    } refusals[] = {
        {[](int a) { return animalsql::historyCount(a) >= 2; }, kDonoAnterior},
        {animalsql::hasPrivateAttendance, kAtendimentoParticular},
        {animalsql::hasAttendance, kAtendimento},
        {animalsql::hasVaccination, kVacinaRegistrada},
        {animalsql::hasOccurrence, kOcorrenciaRegistrada},
    };
    for (const auto& r : refusals) {
        if (r.refuses(id)) {
            Prompts::information(r.message);
            return;
        }
    }
    if (!Prompts::confirm(kExcluirAnimal))
        return;
    {
        db::Transaction transaction;
        animalsql::deleteAnimal(id, db::readValues(*m_animal));
        transaction.commit();
    }
    reloadAnimals();
    Prompts::information(kOperacaoRealizada);
}

void AnimalPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (std::exchange(m_shown, true))
        return;
    // The page's keys come before the keys a focused control would keep for itself (Ctrl+A, Ctrl+Home...).
    ui::putActionKeysFirst(this);
}
