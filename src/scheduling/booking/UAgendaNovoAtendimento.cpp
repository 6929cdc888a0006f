// SPDX-License-Identifier: GPL-3.0-or-later
// The attendance booking form: a register over atendimento without grid page or search, opened preset by
// the owner and animal register or by the agenda.
#include "scheduling/booking/UAgendaNovoAtendimento.h"

#include "common/FormWindows.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/access/FormOpening.h"
#include "common/access/Session.h"
#include "common/schema/Tables.h"
#include "platform/ui/DateEdit.h"
#include "platform/ui/FieldLink.h"
#include "platform/ui/GridRows.h"
#include "scheduling/booking/AtendimentoPages.h"
#include "scheduling/booking/AtendimentoRules.h"
#include "scheduling/booking/AtendimentoSql.h"
#include "scheduling/booking/NotificationMail.h"
#include "scheduling/booking/UAutorizaCirurgia.h"
#include "scheduling/prescriptions/ReceituarioPage.h"
#include "scheduling/prescriptions/ReceituarioSql.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace common;
using namespace scheduling;

namespace {

const QString kSim = QStringLiteral("SIM");
const QString kNao = QStringLiteral("NAO");

// Two radio buttons storing "SIM" and "NAO".
class RadioPairLink : public ui::FieldLink {
public:
    RadioPairLink(QGroupBox* box, QRadioButton* yes, QRadioButton* no, db::DataSet* data, const QString& field)
        : FieldLink(box, data, field), m_box(box), m_yes(yes), m_no(no) {
        connect(yes, &QRadioButton::clicked, this, [this] { write(kSim); });
        connect(no, &QRadioButton::clicked, this, [this] { write(kNao); });
        refresh();
    }

protected:
    void display(const QVariant& value) override {
        const QString text = db::toText(value).trimmed();
        m_yes->setAutoExclusive(false);
        m_no->setAutoExclusive(false);
        m_yes->setChecked(db::sameText(text, kSim));
        m_no->setChecked(db::sameText(text, kNao));
        m_yes->setAutoExclusive(true);
        m_no->setAutoExclusive(true);
    }
    void setWritable(bool on) override { m_box->setEnabled(on); }

private:
    QGroupBox* m_box;
    QRadioButton* m_yes;
    QRadioButton* m_no;
};

QLineEdit* readOnlyEdit(const char* name, QWidget* parent, db::DataSet* data, const QString& field) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaximumWidth(90);
    ui::bindLineEdit(edit, data, field, ui::ValueKind::Integer)->setAlwaysReadOnly(true);
    ui::setReadOnlyLook(edit);
    return edit;
}

ui::LookupComboLink* lookup(QComboBox*& combo, const char* name, QWidget* parent, db::DataSet* data,
                            const QString& field, const QString& key, const QString& shown) {
    combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setMinimumWidth(260);
    return ui::bindLookupCombo(combo, data, field, key, shown);
}

QPushButton* pushButton(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QVariant handedId(const QString& text) {
    bool ok = false;
    const int id = text.trimmed().toInt(&ok);
    return ok ? QVariant(id) : QVariant();
}

}  // namespace

TfrmAgendaNovoAtendimento::TfrmAgendaNovoAtendimento(QWidget* parent) : RegisterForm(parent) {
    setObjectName(QStringLiteral("frmAgendaNovoAtendimento"));
    setWindowTitle(QStringLiteral("Novo atendimento."));
    describeRegister();
    createIdentification();
    layoutIdentification();
    createPages();
    loadLists();
    connectRow();
    setFirstFocus(dblUnidadeTrabalho);
    resize(760, 520);
}

void TfrmAgendaNovoAtendimento::describeRegister() {
    setTable(tables::atendimento());
    setNewRowDefaults({{QStringLiteral("Ind_Autoriza_Cirurgia"), kSim}});
    setOpenOnShow(OpenOnShow::Nothing);

    // No grid page and no search; the delete's button is hidden and the action never runs.
    pgcPrincipal->removeTab(pgcPrincipal->indexOf(tbsGeral));
    pgcPrincipal->setTabText(pgcPrincipal->indexOf(tbsPrincipal), QStringLiteral("Identificação"));
    actPesquisar->setVisible(false);
    actPrint->setVisible(false);
    actDelete->setVisible(false);
    const auto keepDeleteOff = [this] { actDelete->setEnabled(false); };
    connect(qryPrincipal, &db::DataSet::stateChanged, this, keepDeleteOff);
    connect(qryPrincipal, &db::DataSet::currentChanged, this, keepDeleteOff);
    connect(qryPrincipal, &db::DataSet::rowsChanged, this, keepDeleteOff);
    keepDeleteOff();
}

void TfrmAgendaNovoAtendimento::createIdentification() {
    QWidget* page = tbsPrincipal;
    dbeCodAnimal = readOnlyEdit("dbeCodAnimal", page, qryPrincipal, QStringLiteral("Id_Animal"));
    m_animal = lookup(cbbAnimal, "cbbAnimal", page, qryPrincipal, QStringLiteral("Id_Animal"),
                      QStringLiteral("id_animal"), QStringLiteral("nome"));
    dbeCodProp = readOnlyEdit("dbeCodProp", page, qryPrincipal, QStringLiteral("Id_Proprietario"));
    m_owner = lookup(dblNomeProp, "dblNomeProp", page, qryPrincipal, QStringLiteral("Id_Proprietario"),
                     QStringLiteral("id_Proprietario"), QStringLiteral("nome"));
    dtpData = new ui::DateEdit(QDate::currentDate(), page);
    dtpData->setObjectName(QStringLiteral("dtpData"));
    dtpData->setDateRange(QDate(2000, 1, 1), QDate(2050, 1, 1));
    mkeHora = new QLineEdit(page);
    mkeHora->setObjectName(QStringLiteral("mkeHora"));
    mkeHora->setInputMask(QStringLiteral("99:99;_"));
    mkeHora->setMaximumWidth(60);
    dbeId_Atendimento = readOnlyEdit("dbeId_Atendimento", page, qryPrincipal, QStringLiteral("Id_Atendimento"));
    m_status = lookup(dblStatusAtendimento, "dblStatusAtendimento", page, qryPrincipal,
                      QStringLiteral("Id_Atendimento_Status"), QStringLiteral("Id_Atendimento_status"),
                      QStringLiteral("nome"));
    m_unit = lookup(dblUnidadeTrabalho, "dblUnidadeTrabalho", page, qryPrincipal, QStringLiteral("Id_Unidade_Agendada"),
                    QStringLiteral("id_unidade_trabalho"), QStringLiteral("nome"));
    dbcEsterilizado = new QComboBox(page);
    dbcEsterilizado->setObjectName(QStringLiteral("dbcEsterilizado"));
    dbcEsterilizado->addItems({kSim, kNao});
    dbcEsterilizado->setCurrentIndex(-1);
    createSurgeryAuthorisation();

    btnAutorCirurgia = pushButton("btnAutorCirurgia", QStringLiteral("&Autor. cirurgia..."), page);
    btnReceituario = pushButton("btnReceituario", QStringLiteral("&Receituário..."), page);
    connect(btnAutorCirurgia, &QPushButton::clicked, this,
            [this] { guarded([this] { printSurgeryAuthorisation(); }); });
}

void TfrmAgendaNovoAtendimento::createSurgeryAuthorisation() {
    dbrAutorCirurgia = new QGroupBox(QStringLiteral("Autorizado cirurgia:"), tbsPrincipal);
    dbrAutorCirurgia->setObjectName(QStringLiteral("dbrAutorCirurgia"));
    auto* yes = new QRadioButton(QStringLiteral("Sim"), dbrAutorCirurgia);
    yes->setObjectName(QStringLiteral("rbtAutorCirurgiaSim"));
    auto* no = new QRadioButton(QStringLiteral("Não"), dbrAutorCirurgia);
    no->setObjectName(QStringLiteral("rbtAutorCirurgiaNao"));
    auto* radios = new QHBoxLayout(dbrAutorCirurgia);
    radios->addWidget(yes);
    radios->addWidget(no);
    new RadioPairLink(dbrAutorCirurgia, yes, no, qryPrincipal, QStringLiteral("Ind_Autoriza_Cirurgia"));
}

void TfrmAgendaNovoAtendimento::layoutIdentification() {
    QWidget* page = tbsPrincipal;
    auto* grid = new QGridLayout(page);
    ui::GridRows rows(grid);
    const auto line = [&](const QString& caption, QWidget* a) { rows.row().labelled(caption, a, 1, Qt::AlignLeft); };
    line(QStringLiteral("Cód. atend.:"), dbeId_Atendimento);
    line(QStringLiteral("Cód. prop.:"), dbeCodProp);
    line(QStringLiteral("Proprietário:"), dblNomeProp);
    line(QStringLiteral("Cód. animal:"), dbeCodAnimal);
    line(QStringLiteral("Animal:"), cbbAnimal);
    line(QStringLiteral("Data:"), dtpData);
    line(QStringLiteral("Hora:"), mkeHora);
    line(QStringLiteral("Status atendimento:"), dblStatusAtendimento);
    line(QStringLiteral("Unidade de Trabalho:"), dblUnidadeTrabalho);
    line(QStringLiteral("Esterilizado:"), dbcEsterilizado);
    rows.row().skip().add(dbrAutorCirurgia, 1, Qt::AlignLeft);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAutorCirurgia);
    buttons->addWidget(btnReceituario);
    buttons->addStretch(1);
    rows.row().add(buttons, 3);
    rows.row().stretch();
    grid->setColumnStretch(2, 1);
}

void TfrmAgendaNovoAtendimento::createPages() {
    const auto attendance = [this] { return rowField(QStringLiteral("Id_Atendimento")); };
    tbsProfissionais = new MemberPage(professionalKind(), attendance, pgcPrincipal);
    tbsProfissionais->setObjectName(QStringLiteral("tbsProfissionais"));
    btnAgendaProf = pushButton("btnAgendaProf", QStringLiteral("&Agenda prof."), tbsProfissionais);
    tbsProfissionais->buttonRow()->insertWidget(3, btnAgendaProf);
    connect(btnAgendaProf, &QPushButton::clicked, this, [] {
        if (auto open = openerFor(QStringLiteral("actSelAgendaProfissional")))
            guarded(open);
    });
    tbsProcedimentos = new MemberPage(procedureKind(), attendance, pgcPrincipal);
    tbsProcedimentos->setObjectName(QStringLiteral("tbsProcedimentos"));
    tbsMedicamentoGasto = new MedicinePage(attendance, pgcPrincipal);
    tbsMedicamentoGasto->setObjectName(QStringLiteral("tbsMedicamentoGasto"));
    tbsResumo =
        new SummaryPage([this] { return m_unit->currentKey(); }, [this] { return dtpData->date(); }, pgcPrincipal);
    tbsResumo->setObjectName(QStringLiteral("tbsResumo"));
    pgcPrincipal->addTab(tbsProfissionais, QStringLiteral("Profissionais"));
    pgcPrincipal->addTab(tbsProcedimentos, QStringLiteral("Procedimentos"));
    pgcPrincipal->addTab(tbsMedicamentoGasto, QStringLiteral("Medicamento gasto"));
    pgcPrincipal->addTab(tbsResumo, QStringLiteral("Resumo atend."));
    tbsReceituario = new ReceituarioPage([this] { return prescriptionSheet(); }, pgcPrincipal);
    tbsReceituario->setObjectName(QStringLiteral("tbsReceituario"));
    pgcPrincipal->addTab(tbsReceituario, QStringLiteral("Receituários"));
    connect(btnReceituario, &QPushButton::clicked, this, [this] { guarded([this] { tbsReceituario->print(); }); });
    connect(pgcPrincipal, &QTabWidget::currentChanged, this, [this](int index) {
        guarded([this, index] {
            if (pgcPrincipal->widget(m_page) == tbsResumo)
                tbsResumo->closeSummary();
            m_page = index;
            if (pgcPrincipal->widget(index) == tbsProfissionais)
                tbsProfissionais->loadList();
        });
    });
}

void TfrmAgendaNovoAtendimento::loadLists() {
    m_owner->setList(atendimentosql::activeOwners());
    m_unit->setList(atendimentosql::activeUnits());
    m_status->setList(atendimentosql::statuses());
    tbsProcedimentos->loadList();
    tbsMedicamentoGasto->loadList();
}

void TfrmAgendaNovoAtendimento::connectRow() {
    connect(qryPrincipal, &db::DataSet::currentChanged, this, [this] { guarded([this] { loadRow(); }); });
    connect(qryPrincipal, &db::DataSet::fieldChanged, this, [this](const QString& name) {
        guarded([this, name] {
            if (name.compare(QLatin1String("Id_Proprietario"), Qt::CaseInsensitive) == 0)
                loadAnimals();
            else if (name.compare(QLatin1String("Id_Animal"), Qt::CaseInsensitive) == 0)
                loadSterilised();
        });
    });
}

TfrmAgendaNovoAtendimento::~TfrmAgendaNovoAtendimento() {
    ProprietarioAgendamento.clear();
    AnimalAgendamento.clear();
}

TfrmAgendaNovoAtendimento* TfrmAgendaNovoAtendimento::openPreset() {
    auto* form = new TfrmAgendaNovoAtendimento;
    frmAgendaNovoAtendimento = form;
    const QVariant owner = handedId(ProprietarioAgendamento);
    const QVariant animal = handedId(AnimalAgendamento);
    if (ModoAgendamento == 1 && !owner.isNull() && !animal.isNull())
        guarded([&] { form->startPreset(owner, animal); });
    showForm(form, ShowAs::MdiChild);
    return form;
}

TfrmAgendaNovoAtendimento* TfrmAgendaNovoAtendimento::openFromAgenda(const QDate& day, const QVariant& attendanceId) {
    auto* form = new TfrmAgendaNovoAtendimento;
    frmAgendaNovoAtendimento = form;
    form->dtpData->setDate(day);
    guarded([&] {
        if (db::toText(attendanceId).trimmed().isEmpty())
            atendimentosql::selectAll(*form->qryPrincipal);
        else
            atendimentosql::selectOne(*form->qryPrincipal, attendanceId);
    });
    showForm(form, ShowAs::MdiChild);
    return form;
}

void TfrmAgendaNovoAtendimento::startPreset(const QVariant& ownerId, const QVariant& animalId) {
    m_owner->setList(atendimentosql::owner(ownerId));
    atendimentosql::selectNone(*qryPrincipal);
    qryPrincipal->append();
    qryPrincipal->setField(QStringLiteral("Id_Proprietario"), ownerId);
    qryPrincipal->setField(QStringLiteral("Id_Animal"), animalId);
    qryPrincipal->setField(QStringLiteral("Id_Unidade_Agendada"), atendimentosql::ownerUnit(ownerId));
    dtpData->setDate(db::serverTime().date());
}

QVariant TfrmAgendaNovoAtendimento::rowField(const QString& name) const {
    if (!qryPrincipal->isActive() || (!qryPrincipal->isEditing() && qryPrincipal->recNo() < 0))
        return {};
    return qryPrincipal->field(name);
}

void TfrmAgendaNovoAtendimento::loadRow() {
    const QVariant when = rowField(QStringLiteral("Data_Hora_Atendimento"));
    mkeHora->setText(hourText(when));
    if (!when.isNull())
        dtpData->setDate(db::toDateTime(when).date());
    loadAnimals();
    loadSterilised();
    const QVariant id = rowField(QStringLiteral("Id_Atendimento"));
    tbsProfissionais->load(id);
    tbsProcedimentos->load(id);
    tbsMedicamentoGasto->load(id);
    tbsReceituario->load(id);
}

ReceituarioSheet TfrmAgendaNovoAtendimento::prescriptionSheet() const {
    ReceituarioSheet sheet;
    sheet.ownerId = rowField(QStringLiteral("Id_Proprietario"));
    sheet.ownerName = dblNomeProp->currentText();
    sheet.animalId = rowField(QStringLiteral("Id_Animal"));
    sheet.animalName = cbbAnimal->currentText();
    sheet.attendanceId = rowField(QStringLiteral("Id_Atendimento"));
    sheet.attendanceAt = db::toDateTime(rowField(QStringLiteral("Data_Hora_Atendimento")));
    sheet.unitName = receituariosql::unitName(rowField(QStringLiteral("Id_Unidade_Agendada")));
    return sheet;
}

void TfrmAgendaNovoAtendimento::printSurgeryAuthorisation() {
    if (qryPrincipal->isEditing()) {
        Prompts::information(kConcluirAntesAutorizacao);
        return;
    }
    Prompts::preview(std::make_shared<TfrmAutorizaCirurgia>(rowField(QStringLiteral("Id_Proprietario")),
                                                            rowField(QStringLiteral("Id_Animal")),
                                                            rowField(QStringLiteral("Id_Atendimento"))),
                     false);
}

void TfrmAgendaNovoAtendimento::loadAnimals() {
    const QVariant owner = rowField(QStringLiteral("Id_Proprietario"));
    m_animal->setList(owner.isNull() ? db::RowSet() : atendimentosql::animalsOf(owner));
}

void TfrmAgendaNovoAtendimento::loadSterilised() {
    m_sterilisedAnimal = rowField(QStringLiteral("Id_Animal"));
    m_sterilisedRead = atendimentosql::sterilised(m_sterilisedAnimal);
    const QString flag = db::toText(m_sterilisedRead).trimmed();
    const QSignalBlocker block(dbcEsterilizado);
    dbcEsterilizado->setCurrentIndex(ui::itemMatching(dbcEsterilizado, flag));
}

QWidget* TfrmAgendaNovoAtendimento::controlFor(int which) const {
    switch (BookingControl(which)) {
    case BookingControl::Hora: return mkeHora;
    case BookingControl::Status: return dblStatusAtendimento;
    case BookingControl::Proprietario: return dblNomeProp;
    case BookingControl::Animal: return cbbAnimal;
    case BookingControl::Unidade: return dblUnidadeTrabalho;
    }
    return nullptr;
}

void TfrmAgendaNovoAtendimento::append() {
    RegisterForm::append();
    dblUnidadeTrabalho->setFocus();
}

void TfrmAgendaNovoAtendimento::remove() {}

bool TfrmAgendaNovoAtendimento::validate() {
    BookingEntry entry;
    entry.hour = mkeHora->text();
    entry.status = !m_status->currentKey().isNull() && !dblStatusAtendimento->currentText().trimmed().isEmpty();
    entry.owner = !m_owner->currentKey().isNull();
    entry.animal = !m_animal->currentKey().isNull();
    entry.unit = !m_unit->currentKey().isNull();
    if (const std::optional<BookingRefusal> refusal = bookingRefusal(entry))
        return refuse(refusal->message, controlFor(int(refusal->control)));
    return true;
}

void TfrmAgendaNovoAtendimento::beforePost(bool inserting) {
    // A step that fails rolls the whole save back, the animal's flag included.
    const QVariant animal = m_animal->currentKey();
    qryPrincipal->setField(QStringLiteral("Id_Proprietario"), m_owner->currentKey());
    qryPrincipal->setField(QStringLiteral("Id_Animal"), animal);
    qryPrincipal->setField(QStringLiteral("Id_Unidade_Agendada"), m_unit->currentKey());
    qryPrincipal->setField(QStringLiteral("Data_Hora_Atendimento"),
                           QDateTime(dtpData->date(), *parseHour(mkeHora->text())));
    if (inserting)
        qryPrincipal->setField(QStringLiteral("Id_Unidade_Trabalho"), handedId(UnidadeLogada));
    const QString flag = dbcEsterilizado->currentText().trimmed();
    if (!flag.isEmpty()) {
        // The flag of another animal than the one shown is read now; an unchanged flag is not written.
        const QVariant read = animal == m_sterilisedAnimal ? m_sterilisedRead : atendimentosql::sterilised(animal);
        if (!db::sameText(flag, db::toText(read)))
            atendimentosql::writeSterilised(animal, flag, read);
    }
}

void TfrmAgendaNovoAtendimento::afterCommit(bool inserting) {
    m_mailFailure.reset();
    if (!inserting)
        return;
    const QVariant key = qryPrincipal->field(QStringLiteral("Id_Atendimento"));
    atendimentosql::selectOfAnimal(*qryPrincipal, qryPrincipal->field(QStringLiteral("Id_Animal")));
    qryPrincipal->locate(QStringLiteral("Id_Atendimento"), key);
    try {
        EnviaEmailAgendamento(key);
    } catch (const std::exception& e) {
        m_mailFailure = QString::fromUtf8(e.what());
    }
}

QString TfrmAgendaNovoAtendimento::savedMessage(bool inserting) const {
    if (inserting && m_mailFailure)
        return kEmailNaoEnviado + *m_mailFailure;
    return RegisterForm::savedMessage(inserting);
}
