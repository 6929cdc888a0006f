// SPDX-License-Identifier: GPL-3.0-or-later
// The owner page: its data sets, controls and actions, and the show, new, edit, cancel, refresh, delete and
// print of an owner with the owner's address and web account; the owner as typed handed back as values.
#include "registry/owner/OwnerPage.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/access/Session.h"
#include "common/register/DataActions.h"
#include "common/register/RegisterForm.h"
#include "common/rules/Documents.h"
#include "common/schema/Tables.h"
#include "platform/db/DataSet.h"
#include "platform/ui/ActionKeys.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/FieldLink.h"
#include "platform/ui/GridRows.h"
#include "registry/address/AddressGroup.h"
#include "registry/address/AddressSql.h"
#include "registry/owner/OwnerSql.h"
#include "registry/owner/URelProprietarioGeral.h"
#include "registry/owner/WebAccountSql.h"
#include "registry/shared/FieldMarks.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolBar>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
using namespace common;
using namespace registry;

namespace {

bool blank(const QVariant& v) { return db::toText(v).trimmed().isEmpty(); }

// The document box keeps what documentTyped() keeps of the person type chosen now, the cursor after the
// same characters.
class DocumentValidator : public QValidator {
public:
    DocumentValidator(const QComboBox* personType, QObject* parent) : QValidator(parent), m_personType(personType) {}

    State validate(QString& input, int& pos) const override {
        const QString type = m_personType->currentText();
        const QString kept = documentTyped(type, input);
        if (kept != input) {
            pos = int(std::min(documentTyped(type, input.left(pos)).size(), kept.size()));
            input = kept;
        }
        return Acceptable;
    }

private:
    const QComboBox* m_personType;
};

}  // namespace

OwnerPage::OwnerPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("aclProprietario"));
    createDataSets();
    createRegisterActions(this);
    actInformation->setVisible(false);
    createControls();
    layOut();
    connectControls();
    updateActions();
}

void OwnerPage::createDataSets() {
    m_owner = new db::DataSet(db::kMain, this);
    m_owner->setObjectName(QStringLiteral("qryProprietario"));
    m_address = new db::DataSet(db::kMain, this);
    m_address->setObjectName(QStringLiteral("qryEndereco"));
}

void OwnerPage::createControls() {
    m_tools = makeToolBar(this, QStringLiteral("tlbProprietario"), {actInformation});
    auto lineEdit = [this](const char* name, const char* field, int maxLength, bool capitals) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        if (maxLength > 0)
            ui::setColumnLength(e, maxLength);
        if (capitals)
            ui::Capitals::install(e);
        ui::bindLineEdit(e, m_owner, QString::fromLatin1(field));
        ui::EnterAsTab::install(e);
        resetColourOnLeave(e);
        return e;
    };
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("dbeCodigo"));
    ui::bindLineEdit(m_code, m_owner, QStringLiteral("Id_Proprietario"), ui::ValueKind::Integer)
        ->setAlwaysReadOnly(true);
    ui::setReadOnlyLook(m_code);
    m_unit = new QComboBox(this);
    m_unit->setObjectName(QStringLiteral("cbbUnidadeProprietario"));
    m_unitLink = ui::bindLookupCombo(m_unit, m_owner, QStringLiteral("id_Unidade_Trabalho"),
                                     QStringLiteral("id_Unidade_Trabalho"), QStringLiteral("nome"));
    ui::EnterAsTab::install(m_unit);
    resetColourOnLeave(m_unit);
    m_name = lineEdit("dbeNomeProp", "Nome", 50, true);
    m_phone = lineEdit("dbeTelResidencial", "Telefone_Residencial", 0, false);  // as long as its mask
    m_phone->setInputMask(QStringLiteral("(00)0000##0000;_"));
    m_personType = new QComboBox(this);
    m_personType->setObjectName(QStringLiteral("dbcTipo_Pessoa"));
    m_personType->addItems({kFisica, kJuridica});
    ui::bindComboBox(m_personType, m_owner, QStringLiteral("Tipo_Pessoa"));
    ui::EnterAsTab::install(m_personType);
    resetColourOnLeave(m_personType);
    m_document = lineEdit("dbeCPF_CNPJ", "Num_CPF_CNPJ", 0, false);
    m_document->setValidator(new DocumentValidator(m_personType, m_document));
    m_document->setMaxLength(documentBoxLength(kFisica));  // letters and digits only
    m_identity = lineEdit("dbeCI", "Num_CI", 15, true);
    m_email = lineEdit("dbeEmail", "Email_Proprietario", 100, false);
    m_login = new QLineEdit(this);
    m_login->setObjectName(QStringLiteral("edtLogin"));
    m_login->setReadOnly(true);
    m_login->setVisible(false);
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("mkeSenha"));
    m_password->setEchoMode(QLineEdit::Password);
    ui::setColumnLength(m_password, 10);
    m_password->setReadOnly(true);
    ui::EnterAsTab::install(m_password);
    resetColourOnLeave(m_password);
    m_block = new QCheckBox(kBloquearAcesso, this);
    m_block->setObjectName(QStringLiteral("ckbBloqueioWeb"));
    m_block->setEnabled(false);
    address = new AddressGroup(AddressGroup::Mode::Owner, m_address, this);
}

void OwnerPage::layOut() {
    auto* grid = new QGridLayout;
    ui::GridRows rows(grid);
    rows.row().labelled(QStringLiteral("Código:"), m_code).labelled(QStringLiteral("Unidade:"), m_unit, 3);
    rows.row().labelled(QStringLiteral("Nome:"), m_name, 5);
    rows.row()
        .labelled(QStringLiteral("Tel. residencial:"), m_phone)
        .labelled(QStringLiteral("Pessoa:"), m_personType)
        .labelled(QStringLiteral("CPF/CNPJ:"), m_document);
    rows.row().labelled(QStringLiteral("RG:"), m_identity).labelled(QStringLiteral("E-mail:"), m_email, 3);
    rows.row().labelled(QStringLiteral("Senha:"), m_password).add(m_login).add(m_block, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tools);
    layout->addLayout(grid);
    layout->addWidget(address);
    layout->addStretch(1);
    setTabOrder(m_unit, m_name);
}

// The page's own actions and controls; the moves, the save and Sair are the form's.
void OwnerPage::connectControls() {
    onTriggered(actEdit, [this] { edit(); });
    onTriggered(actCancel, [this] { cancel(); });
    onTriggered(actPrint, [this] { print(); });
    connect(m_owner, &db::DataSet::currentChanged, this, [this] {
        guarded([this] {
            showOwnerFields();
            emit ownerShown(shown());
        });
    });
    connect(m_owner, &db::DataSet::fieldChanged, this, [this](const QString& field) {
        if (field.compare(QLatin1String("Nome"), Qt::CaseInsensitive) == 0)
            emit nameTyped(ownerId(), m_owner->str(QStringLiteral("Nome")));
    });
    connect(m_personType, &QComboBox::currentIndexChanged, this, [this] { personTypeChanged(); });
    connect(m_document, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_owner->isEditing())
            m_login->setText(text.trimmed());
    });
    connect(m_block, &QCheckBox::toggled, this, [this](bool on) {
        QPalette p = m_block->palette();
        p.setColor(QPalette::WindowText, on ? QColor(Qt::red) : palette().color(QPalette::WindowText));
        m_block->setPalette(p);
        if (!on)
            m_block->setText(kBloquearAcesso);
    });
    m_name->installEventFilter(this);
    m_document->installEventFilter(this);
    m_block->installEventFilter(this);
    for (db::DataSet* data : {m_owner, m_address}) {
        connect(data, &db::DataSet::stateChanged, this, &OwnerPage::updateActions);
        connect(data, &db::DataSet::currentChanged, this, &OwnerPage::updateActions);
    }
}

void OwnerPage::updateActions() { updateDataActions(dataActions(), *m_owner); }

bool OwnerPage::busy() const { return m_owner->isEditing(); }

int OwnerPage::ownerId() const {
    const QVariant id =
        m_owner->isActive() && m_owner->recNo() >= 0 ? m_owner->field(QStringLiteral("Id_Proprietario")) : QVariant();
    return blank(id) ? 0 : db::toInt(id);
}

OwnerShown OwnerPage::shown() const {
    OwnerShown owner;
    if (!m_owner->isActive() || m_owner->recNo() < 0)
        return owner;
    owner.id = ownerId();
    owner.name = m_owner->str(QStringLiteral("Nome")).trimmed();
    if (m_address->isActive() && m_address->recNo() >= 0)
        owner.address = db::typedValues(*m_address);
    return owner;
}

void OwnerPage::opening() {
    m_unitLink->setList(ownersql::units());
    address->reloadLists();
    address->reloadNeighbourhoods();
    ownersql::selectNone(*m_owner);
}

void OwnerPage::open(int ownerId, bool anyStatus) {
    if (anyStatus)
        ownersql::selectOwnerAnyStatus(*m_owner, ownerId);
    else
        ownersql::selectOwner(*m_owner, ownerId);
}

// --- the web fields ---

void OwnerPage::setWebFieldsOpen(bool open) {
    m_login->setReadOnly(!open);
    m_password->setReadOnly(!open);
    m_block->setEnabled(open);
}

void OwnerPage::setPasswordOpen(bool open) {
    m_password->setEnabled(open);
    QPalette p = m_password->palette();
    p.setColor(QPalette::Base, palette().color(open ? QPalette::Base : QPalette::Button));
    m_password->setPalette(p);
}

bool OwnerPage::passwordOpen() const { return m_password->isEnabled(); }

void OwnerPage::showBlockState(const QString& stored) {
    const BlockLook look = blockLook(stored);
    m_block->setText(look.caption);
    QPalette p = m_block->palette();
    p.setColor(QPalette::WindowText, look.red ? QColor(Qt::red) : palette().color(QPalette::WindowText));
    m_block->setPalette(p);
}

void OwnerPage::showOwnerFields() {
    const QVariant webUser = m_owner->isActive() ? m_owner->field(QStringLiteral("id_usu_web")) : QVariant();
    if (!blank(webUser))
        showBlockState(webaccountsql::blockOf(webUser));
    if (!busy()) {
        // An owner without an address shows an empty one, never the previous owner's.
        addresssql::selectAddress(*m_address,
                                  m_owner->isActive() ? m_owner->field(QStringLiteral("Id_Endereco")) : QVariant());
    }
    address->reloadNeighbourhoods();
    const int id = ownerId();
    m_accounts = id == 0 ? webaccountsql::Accounts() : webaccountsql::accountsOf(id);
    if (id != 0) {
        const webaccountsql::Login login = webaccountsql::loginOf(m_accounts);
        m_login->setText(login.login);
        m_password->clear();  // the password is never shown; a new one is typed when the box is open
        if (const std::optional<bool> blocked = blockedBy(login.bloqueado))
            m_block->setChecked(*blocked);
    } else if (blank(webUser)) {
        m_login->clear();
        m_password->clear();
    }
}

void OwnerPage::personTypeChanged() { m_document->setMaxLength(documentBoxLength(m_personType->currentText())); }

// --- look-ups of a new owner ---

void OwnerPage::documentLeft() {
    const QString document = m_document->text().trimmed();
    if (m_owner->state() != db::DataSet::State::Insert || document.isEmpty())
        return;
    if (const std::optional<int> found = ownersql::ownerByDocumentPrefix(document)) {
        Prompts::information(kUsuarioCadastrado);
        emit existingOwnerFound(*found);
    }
}

void OwnerPage::nameLeft() {
    const QString name = m_name->text().trimmed();
    if (m_owner->state() != db::DataSet::State::Insert || name.isEmpty())
        return;
    const std::optional<ownersql::NameMatch> m = ownersql::ownerNamed(name);
    if (!m)
        return;
    const QString question =
        QStringLiteral(
            "Um Proprietário com o mesmo nome foi localizado. Click em \"SIM\" se o proprietário for o mesmo "
            "ou \"NÂO\" caso não seja.\nNome: ") +
        m->name + QStringLiteral("\nTelefones: ") + m->residential + QStringLiteral(" / ") + m->mobile +
        QStringLiteral(" / ") + m->message + QStringLiteral("\nEndereço: ") + m->streetType + QStringLiteral(":") +
        m->streetName + QStringLiteral(",") + m->houseNumber + QStringLiteral(" ") + m->complement;
    if (Prompts::confirm(question))
        emit existingOwnerFound(m->id);
}

bool OwnerPage::showStored(int id) {
    m_address->cancel();
    m_owner->cancel();
    setWebFieldsOpen(false);
    ownersql::selectOwner(*m_owner, id);
    return ownerId() == id;
}

// --- actions ---

void OwnerPage::append() {
    setPasswordOpen(true);
    setWebFieldsOpen(true);
    m_login->clear();
    m_password->clear();
    ownersql::selectNone(*m_owner);
    addresssql::selectAddress(*m_address, {});
    address->reloadNeighbourhoods();
    m_address->append();
    m_owner->append();
    m_address->setField(QStringLiteral("Ind_Endereco_Informado"), QStringLiteral("SIM"));
    m_owner->setField(QStringLiteral("Tipo_Pessoa"), kFisica);
    personTypeChanged();
    m_block->setChecked(false);
    showBlockState({});
    m_unit->setFocus();
}

void OwnerPage::edit() {
    if (!m_owner->isActive() || m_owner->recNo() < 0 || blank(m_owner->field(QStringLiteral("Nome"))))
        return;
    if (blockedByWeb() && !Prompts::confirm(kBloqueadoWebEditar))
        return;
    setWebFieldsOpen(true);
    m_owner->edit();
    // An owner stored without a person type (by another program) takes the one its document implies, as a new
    // owner starts as FÍSICA; with a document of neither length the save asks for it.
    if (const QString type = personTypeOf(m_owner->str(QStringLiteral("Num_CPF_CNPJ")));
        blank(m_owner->field(QStringLiteral("Tipo_Pessoa"))) && !type.isEmpty())
        m_owner->setField(QStringLiteral("Tipo_Pessoa"), type);
    if (m_address->recNo() >= 0)
        m_address->edit();
    else
        m_address->append();  // an owner without an address gets one on this save
    setPasswordOpen(!webaccountsql::hasDigest(ownerId()));
    personTypeChanged();
}

bool OwnerPage::blockedByWeb() const {
    const QVariant webUser =
        m_owner->isActive() && m_owner->recNo() >= 0 ? m_owner->field(QStringLiteral("id_usu_web")) : QVariant();
    return !blank(webUser) && ::blockedByWeb(webaccountsql::blockOf(webUser));
}

OwnerValues OwnerPage::values() const {
    OwnerValues v;
    v.inserting = m_owner->state() == db::DataSet::State::Insert;
    v.editing = m_owner->state() == db::DataSet::State::Edit;
    v.unit = m_unit->currentText();
    v.name = m_name->text();
    v.residentialPhone = m_phone->text();
    v.personType = m_personType->currentText();
    v.email = m_email->text();
    v.passwordOpen = passwordOpen();
    v.password = m_password->text();
    v.district = address->districtText();
    v.streetType = address->streetTypeText();
    v.streetCode = address->edtCodLograd->text();
    v.streetSequence = address->edtSeq->text();
    v.streetName = address->edtLograd->text();
    v.houseNumber = address->edtNumImovel->text();
    v.neighbourhood = address->neighbourhoodText();
    v.document = documentKey(m_document->text());
    return v;
}

TypedOwner OwnerPage::typedOwner() const {
    TypedOwner owner;
    owner.checked = values();
    owner.ownerId = owner.checked.inserting ? 0 : ownerId();
    owner.owner = db::typedValues(*m_owner);
    owner.ownerRead = db::readValues(*m_owner);
    owner.address = db::typedValues(*m_address);
    owner.addressRead = db::readValues(*m_address);
    owner.blocked = m_block->isChecked();
    owner.accounts = m_accounts;
    return owner;
}

void OwnerPage::refuse(const FieldRefusal& refusal) {
    QWidget* control = refusal.control.isEmpty() ? nullptr : findChild<QWidget*>(refusal.control);
    if (control && refusal.colour)
        markRefused(control);
    if (control)
        control->setFocus();
    Prompts::information(refusal.message);
}

void OwnerPage::cancel() {
    setPasswordOpen(true);
    m_address->cancel();
    m_owner->cancel();
    setWebFieldsOpen(false);
    try {
        const QVariant webUser = m_owner->isActive() ? m_owner->field(QStringLiteral("id_usu_web")) : QVariant();
        m_accounts = webaccountsql::accountsOf(ownerId());
        if (!blank(webUser)) {
            const QString stored = webaccountsql::blockOf(webUser);
            showBlockState(stored);
            if (const std::optional<bool> blocked = blockedBy(stored))
                m_block->setChecked(*blocked);
        }
    } catch (const std::exception&) {
        // The block state is only shown here: Cancelar never fails on it, and a look-up that fails leaves the box.
    }
}

void OwnerPage::refresh() {
    setPasswordOpen(true);
    ownersql::selectActive(*m_owner);
    address->reloadLists();
}

void OwnerPage::remove() {
    if (!m_owner->isActive() || m_owner->recNo() < 0)
        return;
    const int id = ownerId();
    if (ownersql::hasHistory(id) || ownersql::hasAnimals(id)) {
        Prompts::information(kConstaAnimal);
        return;
    }
    if (!Prompts::confirm(QStringLiteral(" Você irá excluir definitivamente o proprietário ") +
                          m_owner->str(QStringLiteral("Nome")) + QStringLiteral("\n deseje continuar?")))
        return;
    const QVariant addressId = m_owner->field(QStringLiteral("Id_Endereco"));
    const QDateTime now = db::serverTime();
    {
        db::Transaction transaction;
        ownersql::deleteOwner(id, db::readValues(*m_owner));
        if (!blank(addressId))
            addresssql::deleteAddress(addressId, db::readValues(*m_address));
        webaccountsql::deactivate(id, tables::byUser(now));
        transaction.commit();
    }
    ownersql::selectNone(*m_owner);
    addresssql::selectAddress(*m_address, {});
    Prompts::information(kOperacaoRealizada);
}

void OwnerPage::print() {
    if (m_code->text().trimmed().isEmpty()) {
        Prompts::information(kLocalizeTutor);
        return;
    }
    Prompts::preview(std::make_shared<TfrmRelProprietarioGeral>(m_code->text().trimmed().toInt()), true);
}

void OwnerPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // The page's keys come before the keys a focused control would keep for itself (Ctrl+A, Ctrl+Home...).
    ui::putActionKeysFirst(this);
}

bool OwnerPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_name)
            guarded([this] { nameLeft(); });
        else if (watched == m_document)
            guarded([this] { documentLeft(); });
        else if (watched == m_block) {
            QPalette p = m_block->palette();
            p.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
            m_block->setPalette(p);
        }
    }
    return QWidget::eventFilter(watched, event);
}
