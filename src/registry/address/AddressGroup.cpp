// SPDX-License-Identifier: GPL-3.0-or-later
// The address group of the owner and animal pages and its look-ups in the street register.
#include "registry/address/AddressGroup.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/FieldLink.h"
#include "platform/ui/GridRows.h"
#include "registry/address/AddressSql.h"
#include "registry/address/UEnderecoPesquisa.h"
#include "registry/shared/FieldMarks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

using namespace registry;

namespace {

struct Names {
    const char *type, *code, *seq, *name, *number, *complement, *neighbourhood, *cep, *district, *areaCode, *area,
        *button;
};

const Names kOwnerNames{"dblTipo_Lograd", "dbeCodLograd", "dbeSeq",      "dbeLograd",  "dbeNumImovel", "dbeComplemento",
                        "dblBairro",      "dbeCEP",       "dblDistrito", "dbeCodArea", "dblDescArea",  "BitBtn1"};
const Names kAnimalNames{"dblAnimalTipoLograd",  "dbeAnimalCodLograd",         "dbeAnimalSeqLograd", "dbeAnimalLograd",
                         "dbeAnimalNumEndereco", "dbeAnimalComplementoLograd", "dblAnimalBairro",    "dbeAnimalCep",
                         "dblAnimalDistrito",    "dbeAnimalCodArea",           "dblAnimalArea",      "BitBtn4"};

// Both animal modes name their controls alike.
const Names& namesOf(AddressGroup::Mode mode) { return mode == AddressGroup::Mode::Owner ? kOwnerNames : kAnimalNames; }

void digitsOnly(QLineEdit* edit, int maxLength) {
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    edit->setMaxLength(maxLength);
}

bool isEnter(QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

AddressGroup::AddressGroup(Mode mode, db::DataSet* address, QWidget* parent)
    : QGroupBox(QStringLiteral("Endereço"), parent), m_mode(mode), m_address(address) {
    setObjectName(mode == Mode::Owner ? QStringLiteral("grpEndereco") : QStringLiteral("grpEnderecoAnimal"));
    createStreetFields();
    createLocalityFields();
    createStreetButton();
    layOut();
    connectFields();
}

QComboBox* AddressGroup::makeCombo(const char* name) {
    auto* c = new QComboBox(this);
    c->setObjectName(QString::fromLatin1(name));
    ui::EnterAsTab::install(c);
    resetColourOnLeave(c);
    c->installEventFilter(this);
    return c;
}

QLineEdit* AddressGroup::makeEdit(const char* name, const char* field, ui::ValueKind kind) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(name));
    ui::bindLineEdit(e, m_address, QString::fromLatin1(field), kind);
    resetColourOnLeave(e);
    ui::EnterAsTab::install(e);
    e->installEventFilter(this);  // installed last, so a look-up runs before Enter moves the focus
    return e;
}

void AddressGroup::createStreetFields() {
    const Names& n = namesOf(m_mode);
    using K = ui::ValueKind;
    cbbTipoLograd = makeCombo(n.type);
    m_types = ui::bindLookupCombo(cbbTipoLograd, m_address, QStringLiteral("TIP_LOGR"), QStringLiteral("Tip_Logr"),
                                  QStringLiteral("Des_Tip_Logr"));
    edtCodLograd = makeEdit(n.code, "NUM_LOGR", K::Integer);
    digitsOnly(edtCodLograd, 9);
    edtSeq = makeEdit(n.seq, "NUM_SEQU_LOGR", K::Integer);
    ui::linkOf(edtSeq)->setAlwaysReadOnly(true);
    ui::setReadOnlyLook(edtSeq);
    edtLograd = makeEdit(n.name, "NOM_LOGR", K::Text);
    ui::setColumnLength(edtLograd, 80);
    ui::Capitals::install(edtLograd);
    edtNumImovel = makeEdit(n.number, "NUM_IMOV_LOGR", K::Integer);
    digitsOnly(edtNumImovel, 9);
    edtComplemento = makeEdit(n.complement, "DES_CMPL_ENDR", K::Text);
    ui::setColumnLength(edtComplemento, 80);
    ui::Capitals::install(edtComplemento);
}

void AddressGroup::createLocalityFields() {
    const Names& n = namesOf(m_mode);
    using K = ui::ValueKind;
    cbbBairro = makeCombo(n.neighbourhood);
    m_neighbourhoods = ui::bindLookupCombo(cbbBairro, m_address, QStringLiteral("NUM_BAIR"), QStringLiteral("num_bair"),
                                           QStringLiteral("nom_bair"));
    edtCep = makeEdit(n.cep, "NUM_CEP", K::Digits);
    digitsOnly(edtCep, 8);
    cbbDistrito = makeCombo(n.district);
    m_districts = ui::bindLookupCombo(cbbDistrito, m_address, QStringLiteral("Id_Distrito"),
                                      QStringLiteral("Id_Distrito"), QStringLiteral("Nome"));
    edtCodArea = makeEdit(n.areaCode, "COD_AREA_ABRN", K::Integer);
    digitsOnly(edtCodArea, 9);
    cbbArea = makeCombo(n.area);
    m_areas = ui::bindLookupCombo(cbbArea, m_address, QStringLiteral("COD_AREA_ABRN"), QStringLiteral("cod_area_abrn"),
                                  QStringLiteral("des_area_abrn"));
}

void AddressGroup::createStreetButton() {
    btnLograd = new QPushButton(QStringLiteral("..."), this);
    btnLograd->setObjectName(QString::fromLatin1(namesOf(m_mode).button));
    btnLograd->setToolTip(QStringLiteral("Localizar logradouro."));
    btnLograd->setMaximumWidth(30);
    connect(btnLograd, &QPushButton::clicked, this,
            [this] { guarded([this] { openStreetSearch(streetsql::kCriterionName, edtLograd->text(), false); }); });
}

void AddressGroup::layOut() {
    ui::GridRows rows(new QGridLayout(this));
    rows.row()
        .labelled(QStringLiteral("Distrito:"), cbbDistrito, 3)
        .labelled(QStringLiteral("Área:"), edtCodArea)
        .add(cbbArea, 2);
    rows.row()
        .labelled(QStringLiteral("Tipo:"), cbbTipoLograd)
        .labelled(QStringLiteral("Cód.:"), edtCodLograd)
        .labelled(QStringLiteral("Seq.:"), edtSeq);
    rows.row().labelled(QStringLiteral("Logradouro:"), edtLograd, 6).add(btnLograd);
    rows.row()
        .labelled(QStringLiteral("Número:"), edtNumImovel)
        .labelled(QStringLiteral("Complemento:"), edtComplemento, 5);
    rows.row().labelled(QStringLiteral("Bairro:"), cbbBairro, 3).labelled(QStringLiteral("CEP:"), edtCep);
    if (m_mode == Mode::Owner)
        rows.add(createOfficialAddress(), 2);
}

QCheckBox* AddressGroup::createOfficialAddress() {
    chkEndOficial = new QCheckBox(QStringLiteral("Endereço oficial."), this);
    chkEndOficial->setObjectName(QStringLiteral("dbcEndOficial"));
    ui::bindCheckBox(chkEndOficial, m_address, QStringLiteral("Ind_Endereco_Informado"), QStringLiteral("SIM"),
                     QStringLiteral("NAO"));
    return chkEndOficial;
}

void AddressGroup::connectFields() {
    if (m_mode != Mode::Animal) {
        // A typed name has no code until it is resolved.
        connect(edtLograd, &QLineEdit::textEdited, this, [this] {
            if (m_address->isEditing()) {
                set("NUM_LOGR", 0);
                set("NUM_SEQU_LOGR", 0);
            }
        });
    }
    // The neighbourhoods follow the street and the areas the district, read when those change: never on
    // entering or leaving a list, which would drop the item being clicked in it.
    connect(m_address, &db::DataSet::fieldChanged, this, [this](const QString& field) {
        if (field.compare(QLatin1String("NUM_LOGR"), Qt::CaseInsensitive) == 0)
            guarded([this] { reloadNeighbourhoods(); });
        else if (field.compare(QLatin1String("Id_Distrito"), Qt::CaseInsensitive) == 0)
            guarded([this] { districtChosen(); });
    });
}

void AddressGroup::set(const char* field, const QVariant& value) {
    m_address->setField(QString::fromLatin1(field), value);
}

QString AddressGroup::str(const char* field) const {
    return m_address->isActive() ? m_address->str(QString::fromLatin1(field)).trimmed() : QString();
}

void AddressGroup::reloadLists() {
    m_types->setList(streetsql::streetTypes());
    m_districts->setList(addresssql::districts());
    m_areas->setList(streetsql::areas());
    if (m_mode == Mode::AnimalForm)
        m_neighbourhoods->setList(streetsql::neighbourhoodsByName());
}

void AddressGroup::reloadNeighbourhoods() {
    if (m_mode != Mode::AnimalForm)
        m_neighbourhoods->setList(streetsql::neighbourhoods(str("NUM_LOGR")));
}

bool AddressGroup::takesStreet() const { return m_address->isEditing(); }

void AddressGroup::applyStreet(const streetsql::Street& chosen) {
    if (!takesStreet())
        return;
    set("NUM_LOGR", chosen.code);
    set("NOM_LOGR", chosen.name);
    set("TIP_LOGR", chosen.type);
    set("NUM_SEQU_LOGR", chosen.sequence);
    if (!db::toText(chosen.neighbourhood).trimmed().isEmpty()) {
        set("NUM_BAIR", chosen.neighbourhood);
        set("NOM_BAIR", chosen.neighbourhoodName);
    }
}

QString AddressGroup::districtText() const { return cbbDistrito->currentText(); }
QString AddressGroup::streetTypeText() const { return cbbTipoLograd->currentText(); }
QString AddressGroup::neighbourhoodText() const { return cbbBairro->currentText(); }

void AddressGroup::openStreetSearch(const QString& criterion, const QString& text, bool runNow, bool modal) {
    TfrmEnderecoPesquisa::open(searchTag(), this, criterion, text, runNow, modal);
}

void AddressGroup::streetCodeEntered() {
    const QString code = edtCodLograd->text().trimmed();
    if (code.isEmpty() || !takesStreet())
        return;
    const db::RowSet rows = streetsql::byCode(code);
    if (rows.count() == 1) {
        set("NUM_LOGR", rows.row(0)[0]);
        set("NUM_SEQU_LOGR", 1);
        set("NOM_LOGR", db::toText(rows.row(0)[1]).trimmed());
        edtLograd->setFocus();
        return;
    }
    const bool animalForm = m_mode == Mode::AnimalForm;
    openStreetSearch(streetsql::kCriterionCode, code, animalForm, animalForm);
}

void AddressGroup::streetNameLeft() {
    const QString name = edtLograd->text().trimmed();
    if (name.isEmpty() || !takesStreet())
        return;
    if (const auto found = streetsql::uniqueByName(name)) {
        set("NUM_LOGR", found->code);
        set("NUM_SEQU_LOGR", found->sequence);
        set("TIP_LOGR", found->type);
        set("NUM_BAIR", found->neighbourhood);
        set("NOM_BAIR", found->neighbourhoodName);
        return;
    }
    openStreetSearch(streetsql::kCriterionName, name, true);
}

void AddressGroup::postalCodeTaken() {
    if (!takesStreet())
        return;
    const QString typed = edtCep->text().trimmed();
    if (m_mode != Mode::Owner && typed.isEmpty())
        return;
    const QString digits = streetsql::postalDigits(typed);
    if (digits.size() != 8) {
        Prompts::information(kCepInvalido);
        return;
    }
    const std::optional<int> streetCode = streetsql::streetOfPostalCode(digits);
    if (!streetCode) {
        Prompts::information(kCepNaoEncontrado + typed);
        set("NUM_CEP", QVariant());
        return;
    }
    if (!Prompts::confirm(kCepLocalizado))
        return;
    const std::optional<streetsql::Street> name = streetsql::currentName(*streetCode);
    if (!name) {
        Prompts::information(kLogradouroNaoEncontrado);
        return;
    }
    set("TIP_LOGR", name->type);
    set("NUM_LOGR", name->code);
    set("NUM_SEQU_LOGR", name->sequence);
    set("NOM_LOGR", name->name);
}

void AddressGroup::houseNumberLeft() {
    const QString number = edtNumImovel->text().trimmed();
    const QString code = edtCodLograd->text().trimmed();
    if (m_mode == Mode::AnimalForm || !takesStreet() || number.isEmpty() || code.isEmpty())
        return;
    const QString cep = streetsql::postalCodeByNumber(code.toInt(), number.toInt(), m_mode == Mode::Animal);
    set("NUM_CEP", cep.isEmpty() ? QVariant() : QVariant(cep));
}

void AddressGroup::districtChosen() {
    if (!takesStreet() || cbbDistrito->currentText().trimmed().isEmpty())
        return;
    m_areas->setList(streetsql::areas(m_districts->currentKey(), m_mode != Mode::AnimalForm));
}

void AddressGroup::areaCodeLeft() {
    if (m_mode != Mode::Owner || !takesStreet())
        return;
    if (cbbArea->currentText().trimmed().isEmpty() && !edtCodArea->text().trimmed().isEmpty())
        Prompts::information(cbbDistrito->currentText().trimmed().isEmpty() ? kAreaNaoEncontrada
                                                                            : kAreaNaoEncontradaRegional);
}

bool AddressGroup::eventFilter(QObject* watched, QEvent* event) {
    const bool enter = isEnter(event);
    const bool left = event->type() == QEvent::FocusOut;
    if (watched == edtCodLograd && enter)
        guarded([this] { streetCodeEntered(); });
    else if (watched == edtCep && ((m_mode != Mode::Animal && enter) || (m_mode == Mode::Animal && left)))
        guarded([this] { postalCodeTaken(); });
    else if (watched == edtLograd && left)
        guarded([this] { streetNameLeft(); });
    else if (watched == edtNumImovel && left)
        guarded([this] { houseNumberLeft(); });
    else if (watched == edtCodArea && left)
        guarded([this] { areaCodeLeft(); });
    return QGroupBox::eventFilter(watched, event);
}
