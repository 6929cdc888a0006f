// SPDX-License-Identifier: GPL-3.0-or-later
// The professionals register and its schedule lists.

#include "registers/UProfissional.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/schema/Tables.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/FieldLink.h"
#include "platform/ui/GridRows.h"
#include "registers/ProfissionalSql.h"
#include "registers/ReferenceSearch.h"
#include "registers/ScheduleGroup.h"
#include "registers/UProfissionalPesquisa.h"
#include "registers/URelProfissional.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace common;

namespace {

const QString kFaltaNome = QStringLiteral("Falta preencher o nome do profissional!");
const QString kFaltaUnidadeOrigem = QStringLiteral("Falta selecionar a unidade de origem!");
const QString kExcluirDefinitivamente = QStringLiteral("O registro será excluído definitivamente.\n Deseja continuar?");
const QString kRealizouAtendimento = QStringLiteral("O profissional realizou atendimento e não poderá ser excluído!");
const QString kSim = QStringLiteral("SIM");
const QString kNao = QStringLiteral("NAO");
const QString kPhoneMask = QStringLiteral("(99)99999-9999;_");

// The e-mail is typed in lower case.
}  // namespace

TfrmProfissional::TfrmProfissional(QWidget* parent) : RegisterForm(parent) {
    setObjectName(QStringLiteral("frmProfissional"));
    setWindowTitle(QStringLiteral("007 - Profissional."));
    describeRegister();
    createActions();
    QLayout* fields = createFields();
    createGroups();
    auto* principal = new QVBoxLayout(tbsPrincipal);
    principal->addLayout(fields);
    principal->addWidget(m_groups[0], 1);
    addPage(QStringLiteral("Horários impedido de trabalhar."), QStringLiteral("dbeNomeImpedimento"), m_groups[1]);
    addPage(QStringLiteral("Horários extras de trabalho."), QStringLiteral("dbeNomeHoras_Extra"), m_groups[2]);

    // The lists follow the professional shown.
    connect(qryPrincipal, &db::DataSet::currentChanged, this, [this] { actCarrega_Tela->trigger(); });
    enableLists(false);
    setFirstFocus(m_homeUnit);
    resize(760, 560);
}

void TfrmProfissional::describeRegister() {
    setTable(tables::profissional());
    setNewRowDefaults({{QStringLiteral("Inativo"), kNao}, {QStringLiteral("Bloqueado"), kNao}});

    // No grid page: the navigation actions move through the professionals.
    pgcPrincipal->removeTab(pgcPrincipal->indexOf(tbsGeral));
    tbsGeral->hide();
}

void TfrmProfissional::createActions() {
    actCarrega_Tela = new QAction(this);
    actCarrega_Tela->setObjectName(QStringLiteral("actCarrega_Tela"));
    actLimpar_Tela = new QAction(this);
    actLimpar_Tela->setObjectName(QStringLiteral("actLimpar_Tela"));
    addActions({actCarrega_Tela, actLimpar_Tela});
    onTriggered(actCarrega_Tela, [this] { loadLists(); });
    onTriggered(actLimpar_Tela, [this] { clearLists(); });
}

QLayout* TfrmProfissional::createFields() {
    auto* code = new QLineEdit(tbsPrincipal);
    code->setObjectName(QStringLiteral("dbeCodigo"));
    code->setMaximumWidth(90);
    ui::setReadOnlyLook(code);
    ui::bindLineEdit(code, qryPrincipal, keyField(), ui::ValueKind::Integer)->setAlwaysReadOnly(true);

    m_homeUnit = new QComboBox(tbsPrincipal);
    m_homeUnit->setObjectName(QStringLiteral("dblUnidadeOrigem"));
    m_homeUnitList = ui::bindLookupCombo(m_homeUnit, qryPrincipal, QStringLiteral("Id_Unidade_Trabalho"),
                                         QStringLiteral("id_Unidade_trabalho"), QStringLiteral("nome"));

    m_name = new QLineEdit(tbsPrincipal);
    m_name->setObjectName(QStringLiteral("dbeNome"));
    ui::setColumnLength(m_name, 100);
    ui::Capitals::install(m_name);
    ui::bindLineEdit(m_name, qryPrincipal, QStringLiteral("Nome"));

    auto phone = [this](const char* name, const char* field) {
        auto* edit = new QLineEdit(tbsPrincipal);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setInputMask(kPhoneMask);
        ui::bindLineEdit(edit, qryPrincipal, QString::fromLatin1(field));
        return edit;
    };
    QLineEdit* homePhone = phone("dbeTelefone_residencial", "Telefone_residencial");
    QLineEdit* mobilePhone = phone("dbeTelefone_celular", "Telefone_celular");
    QLineEdit* messagePhone = phone("dbeTelefone_Recado", "Telefone_Recado");

    auto* email = new QLineEdit(tbsPrincipal);
    email->setObjectName(QStringLiteral("dbeEmail"));
    ui::setColumnLength(email, 60);
    ui::lowerCaseAsTyped(email);
    ui::bindLineEdit(email, qryPrincipal, QStringLiteral("Email"));

    auto* inactive = new QCheckBox(QStringLiteral("Inativo"), tbsPrincipal);
    inactive->setObjectName(QStringLiteral("dbcInativo"));
    ui::bindCheckBox(inactive, qryPrincipal, QStringLiteral("Inativo"), kSim, kNao);
    auto* blocked = new QCheckBox(QStringLiteral("Bloqueado"), tbsPrincipal);
    blocked->setObjectName(QStringLiteral("dbcBloqueado"));
    ui::bindCheckBox(blocked, qryPrincipal, QStringLiteral("Bloqueado"), kSim, kNao);

    for (QWidget* w : QList<QWidget*>{code, m_homeUnit, m_name, homePhone, mobilePhone, messagePhone, email})
        ui::EnterAsTab::install(w);

    auto* fields = new QGridLayout;
    ui::GridRows rows(fields);
    rows.row().labelled(QStringLiteral("Código:"), code).labelled(QStringLiteral("Unidade de origem:"), m_homeUnit, 3);
    rows.row().labelled(QStringLiteral("Nome do profissional:"), m_name, 5);
    rows.row()
        .labelled(QStringLiteral("Tel.residencial:"), homePhone)
        .labelled(QStringLiteral("Tel. celular:"), mobilePhone)
        .labelled(QStringLiteral("Tel. recado:"), messagePhone);
    rows.row().labelled(QStringLiteral("E-mail:"), email, 3).add(inactive).add(blocked);
    return fields;
}

void TfrmProfissional::createGroups() {
    auto editable = [this] { return listsEditable(); };
    m_groups = {new ScheduleGroup(ScheduleGroup::Kind::WorkingHours, QStringLiteral("ltvAtendimeto"),
                                  QStringLiteral("Atendimento"), editable, tbsPrincipal),
                new ScheduleGroup(ScheduleGroup::Kind::Impediments, QStringLiteral("ltvImpedimento"),
                                  QStringLiteral("Impedimento"), editable),
                new ScheduleGroup(ScheduleGroup::Kind::ExtraHours, QStringLiteral("ltvHoras_Extra"),
                                  QStringLiteral("Horas_Extra"), editable)};
}

QWidget* TfrmProfissional::addPage(const QString& caption, const QString& nameEdit, ScheduleGroup* group) {
    auto* page = new QWidget(pgcPrincipal);
    page->setObjectName(QStringLiteral("tbs") + group->objectName().mid(3));
    auto* nome = new QLineEdit(page);
    nome->setObjectName(nameEdit);
    ui::setReadOnlyLook(nome);
    ui::bindLineEdit(nome, qryPrincipal, QStringLiteral("Nome"))->setAlwaysReadOnly(true);
    group->setParent(page);
    auto* layout = new QVBoxLayout(page);
    auto* name = new QHBoxLayout;
    name->addWidget(new QLabel(QStringLiteral("Nome do profissional:"), page));
    name->addWidget(nome, 1);
    layout->addLayout(name);
    layout->addWidget(group, 1);
    pgcPrincipal->addTab(page, caption);
    return page;
}

bool TfrmProfissional::listsEditable() const { return qryPrincipal->isEditing(); }

void TfrmProfissional::enableLists(bool on) {
    for (ScheduleGroup* g : std::as_const(m_groups))
        g->setEnabled(on);
}

void TfrmProfissional::readUnits() {
    const db::RowSet units = profissionalsql::activeUnits();
    m_homeUnitList->setList(units);
    for (ScheduleGroup* g : std::as_const(m_groups))
        g->setUnits(units);
}

void TfrmProfissional::loadLists() {
    if (m_saving || qryPrincipal->state() != db::DataSet::State::Browse)
        return;
    const QVariant key = qryPrincipal->recNo() < 0 ? QVariant() : qryPrincipal->field(keyField());
    m_storedLists = {};
    if (db::toText(key).trimmed().isEmpty()) {
        // No professional shown (the last one deleted): no lists of another one stay on screen.
        for (ScheduleGroup* g : std::as_const(m_groups))
            g->clearEntries();
        return;
    }
    m_storedLists = profissionalsql::stored(key);
    const profissionalsql::Schedule schedule = profissionalsql::load(key);
    m_groups[0]->setEntries(schedule.workingHours);
    m_groups[1]->setEntries(schedule.impediments);
    m_groups[2]->setEntries(schedule.extraHours);
}

void TfrmProfissional::clearLists() {
    for (ScheduleGroup* g : std::as_const(m_groups))
        g->clearEntries();
    enableLists(false);
}

void TfrmProfissional::opening() {
    readUnits();
    const QDateTime now = db::serverTime();
    for (ScheduleGroup* g : std::as_const(m_groups))
        g->setMoment(now);
    RegisterForm::opening();
}

void TfrmProfissional::refresh() {
    RegisterForm::refresh();
    readUnits();
}

void TfrmProfissional::append() {
    RegisterForm::append();
    actLimpar_Tela->trigger();
    enableLists(true);
    pgcPrincipal->setCurrentWidget(tbsPrincipal);
    m_homeUnit->setFocus();
}

void TfrmProfissional::edit() {
    RegisterForm::edit();
    enableLists(true);
}

void TfrmProfissional::cancel() {
    RegisterForm::cancel();
    actLimpar_Tela->trigger();
}

void TfrmProfissional::save() {
    // The lists stay as they are on screen, whether the save succeeds or fails.
    const QScopedValueRollback saving(m_saving, true);
    RegisterForm::save();
}

bool TfrmProfissional::validate() {
    const auto refuseOnPrincipal = [this](const QString& message, QWidget* focus) {
        pgcPrincipal->setCurrentWidget(tbsPrincipal);
        return refuse(message, focus);
    };
    if (qryPrincipal->str(QStringLiteral("Nome")).trimmed().isEmpty())
        return refuseOnPrincipal(kFaltaNome, m_name);
    if (qryPrincipal->field(QStringLiteral("Id_Unidade_Trabalho")).isNull())
        return refuseOnPrincipal(kFaltaUnidadeOrigem, m_homeUnit);
    return true;
}

void TfrmProfissional::beforePost(bool inserting) {
    // Inside the save's transaction: the lists go with the professional or not at all.
    profissionalsql::save(qryPrincipal->field(keyField()),
                          {m_groups[0]->entries(), m_groups[1]->entries(), m_groups[2]->entries()},
                          inserting ? profissionalsql::StoredSchedule{} : m_storedLists);
}

void TfrmProfissional::afterCommit(bool) {
    // The lists as this save stored them are what the next save replaces.
    m_storedLists = profissionalsql::stored(qryPrincipal->field(keyField()));
}

void TfrmProfissional::remove() {
    if (!qryPrincipal->isActive() || qryPrincipal->recNo() < 0) {
        Prompts::information(kNaoHaRegistro);
        return;
    }
    const QVariant key = qryPrincipal->field(keyField());
    if (!Prompts::confirm(kExcluirDefinitivamente))
        return;
    if (profissionalsql::hasAttendance(key)) {
        Prompts::information(kRealizouAtendimento);
        return;
    }
    {
        db::Transaction transaction;
        profissionalsql::remove(key, db::readValues(*qryPrincipal));
        transaction.commit();
    }
    refresh();
}

void TfrmProfissional::print() { Prompts::preview(std::make_shared<TfrmRelProficional>(), true); }

void TfrmProfissional::search() { openReferenceSearch(frmProfissionalPesquisa, profissionalPesquisa(), this); }
