// SPDX-License-Identifier: GPL-3.0-or-later
// The owner and animal register's shell: its pages, the values it hands between them, every move of the
// register behind one question while something is typed, the saves over the pages' values, and the vetoes on
// leaving a pending insert or edit.
#include "registry/register/UPropAnimal.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/access/Session.h"
#include "common/register/RegisterForm.h"
#include "platform/db/DataSet.h"
#include "platform/ui/TabChain.h"
#include "registry/animal/AnimalPage.h"
#include "registry/animal/UCalcula_Idade.h"
#include "registry/events/URegistroOcorrencia.h"
#include "registry/events/VaccinationPage.h"
#include "registry/owner/OwnerPage.h"
#include "registry/owner/OwnerSql.h"
#include "registry/owner/UConsultaProprietario.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace common;
using namespace registry;

namespace {

const QString kOpeningCaption = QStringLiteral("006 - Cadastro de proprietário e animal.");

// A page laid out to fill its tab.
template <class Page>
Page* fill(QWidget* tab, Page* page) {
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);
    return page;
}

}  // namespace

TfrmPropAnimal::TfrmPropAnimal(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose, true);
    setObjectName(QStringLiteral("frmPropAnimal"));
    setWindowTitle(kOpeningCaption);
    createPages();
    createStatusBar();
    connectPages();
    connectMoves();
    resize(860, 560);
}

void TfrmPropAnimal::createPages() {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);
    auto tab = [this](const char* name, const QString& caption) {
        auto* sheet = new QWidget(PageControl1);
        sheet->setObjectName(QString::fromLatin1(name));
        PageControl1->addTab(sheet, caption);
        return sheet;
    };
    TabSheet1 = tab("TabSheet1", QStringLiteral("Proprietário"));
    TabSheet2 = tab("TabSheet2", QStringLiteral("Animal"));
    TabSheet3 = tab("TabSheet3", QStringLiteral("Vacinas"));
    ownerPage = fill(TabSheet1, new OwnerPage(TabSheet1));
    animalPage = fill(TabSheet2, new AnimalPage(TabSheet2));
    vaccinationPage = fill(TabSheet3, new VaccinationPage(TabSheet3));
    qryProprietario = ownerPage->ownerData();
    qryEndereco = ownerPage->addressData();
    qryAnimal = animalPage->animalData();
    qryEndereco_do_animal = animalPage->addressData();
    ActionList1 = animalPage;
    actAnimalNovo = animalPage->actAnimalNovo;
    actAnimalAlterar = animalPage->actAnimalAlterar;
    actAnimalExcluir = animalPage->actAnimalExcluir;
    animalAddress = animalPage->address;
}

void TfrmPropAnimal::createStatusBar() {
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    auto panel = [status](const char* name) {
        auto* label = new QLabel(status);
        label->setObjectName(QString::fromLatin1(name));
        label->setMinimumWidth(200);
        status->addWidget(label);
        return label;
    };
    StatusBar1Panel0 = panel("StatusBar1Panel0");
    StatusBar1Panel1 = panel("StatusBar1Panel1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(status);
}

// What one page shows, the form hands to the others.
void TfrmPropAnimal::connectPages() {
    connect(ownerPage, &OwnerPage::ownerShown, this, [this](const OwnerShown& owner) { ownerShown(owner); });
    connect(ownerPage, &OwnerPage::nameTyped, this, [this](int id, const QString& name) {
        setWindowTitle(name);
        showOwnerPanel(id, name.trimmed());
    });
    // A new owner found already registered: the register goes to it as on any other move.
    connect(ownerPage, &OwnerPage::existingOwnerFound, this, [this](int id) { openOwner(id); });
    connect(animalPage, &AnimalPage::animalsListed, this, &TfrmPropAnimal::showCaption);
    connect(animalPage, &AnimalPage::animalShown, vaccinationPage,
            [this](int animal) { guarded([this, animal] { vaccinationPage->showVaccinations(animal); }); });
    connect(animalPage->BitBtn2, &QPushButton::clicked, this, [this] {
        TfrmCalcula_Idade* age = TfrmCalcula_Idade::open(this);
        connect(age, &TfrmCalcula_Idade::birthDateChosen, animalPage, &AnimalPage::setBirthDate);
    });
    connect(PageControl1, &QTabWidget::currentChanged, this, &TfrmPropAnimal::pageChanging);
    onTriggered(ownerPage->actPost, [this] { postOwner(); });
    onTriggered(animalPage->actAnimalGravar, [this] { postAnimal(); });
    onTriggered(animalPage->actOcorrencia, [this] { openOccurrences(); });
    onTriggered(ownerPage->actSair, [this] { closeForm(); });
}

// Every action that leaves the owner or the animal on show. Those a typed row disables are refused by that;
// the others ask first.
void TfrmPropAnimal::connectMoves() {
    const struct {
        QAction* action;
        std::function<void()> move;
    } moves[] = {
        {ownerPage->actFirst, [this] { qryProprietario->first(); }},
        {ownerPage->actPrior, [this] { qryProprietario->prior(); }},
        {ownerPage->actNext, [this] { qryProprietario->next(); }},
        {ownerPage->actLast, [this] { qryProprietario->last(); }},
        {ownerPage->actRefresh, [this] { ownerPage->refresh(); }},
        {ownerPage->actPesquisar, [this] { openConsult(); }},
        {ownerPage->actAppend, [this] { ownerPage->append(); }},
        {ownerPage->actDelete, [this] { ownerPage->remove(); }},
        {animalPage->DataSetFirst1, [this] { qryAnimal->first(); }},
        {animalPage->DataSetPrior1, [this] { qryAnimal->prior(); }},
        {animalPage->DataSetNext1, [this] { qryAnimal->next(); }},
        {animalPage->DataSetLast1, [this] { qryAnimal->last(); }},
        {animalPage->actAnimalAtualizar, [this] { animalPage->refresh(); }},
    };
    for (const auto& m : moves)
        onTriggered(m.action, [this, move = m.move] {
            if (mayMove())
                move();
        });
}

void TfrmPropAnimal::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()); sub && sub->mdiArea()) {
        const QRect area = sub->mdiArea()->viewport()->rect();
        sub->move(std::max(0, (area.width() - sub->width()) / 2), std::max(0, (area.height() - sub->height()) / 2));
    }
    m_animalToLocate = 0;
    guarded([this] {
        animalPage->opening();
        ownerPage->opening();
    });
}

bool TfrmPropAnimal::mayMove() {
    if (!ownerPage->busy() && !animalPage->busy())
        return true;
    if (!Prompts::confirm(kAlteracoesNaoGravadas))
        return false;
    if (animalPage->busy())
        animalPage->cancel();
    if (ownerPage->busy())
        ownerPage->cancel();
    return true;
}

bool TfrmPropAnimal::openOwner(int ownerId, int animalToLocate) { return moveToOwner(ownerId, animalToLocate, false); }

bool TfrmPropAnimal::openAnyOwner(int ownerId, int animalToLocate) {
    return moveToOwner(ownerId, animalToLocate, true);
}

bool TfrmPropAnimal::moveToOwner(int ownerId, int animalToLocate, bool anyStatus) {
    if (!mayMove())
        return false;
    m_animalToLocate = animalToLocate;
    ownerPage->open(ownerId, anyStatus);
    m_animalToLocate = 0;
    return true;
}

void TfrmPropAnimal::openConsult() {
    ownerPage->setPasswordOpen(true);
    // The consult is modeless: its OK asks again when something has been typed meanwhile, and a register
    // closed meanwhile takes nothing.
    TfrmConsultaProprietario::open(this, [form = QPointer<TfrmPropAnimal>(this)](int owner, int animal) {
        return !form || form->openOwner(owner, animal);
    });
}

void TfrmPropAnimal::openOccurrences() {
    TfrmRegistroOcorrencia* form = TfrmRegistroOcorrencia::create();
    if (animalPage->ownerId() > 0)
        form->showFor(animalPage->ownerId(), animalPage->animalId());
    showForm(form, ShowAs::MdiChild);
}

void TfrmPropAnimal::ownerShown(const OwnerShown& owner) {
    IdProprietarioAtual = owner.id;
    if (!animalPage->busy())
        showOwnerPanel(owner.id, owner.name);
    animalPage->showOwner(owner, m_animalToLocate);
    showCaption();
}

void TfrmPropAnimal::showCaption() {
    if (qryProprietario->isActive() && qryProprietario->recNo() >= 0)
        setWindowTitle(QStringLiteral("Prop.: %1 ele tem \"%2\" animal(s) em seu nome.")
                           .arg(ownerPage->shown().name)
                           .arg(animalPage->animalCount()));
    else  // no owner shown, as after a new owner is cancelled: the caption keeps no name that was never saved
        setWindowTitle(kOpeningCaption);
}

void TfrmPropAnimal::showOwnerPanel(int ownerId, const QString& name) {
    const QString code = ownerId > 0 ? QString::number(ownerId) : QString();
    StatusBar1Panel0->setText(name.isEmpty() ? QString() : QStringLiteral("Prop.:%1 - %2").arg(code, name));
}

void TfrmPropAnimal::postOwner() {
    if (!ownerPage->busy())
        return;
    TypedOwner owner = ownerPage->typedOwner();
    const bool inserting = owner.checked.inserting;
    if (!inserting && ownerPage->blockedByWeb()) {
        // The checks come first, as on every save; then whether the web system's block stays.
        if (const std::optional<FieldRefusal> refusal = checkOwner(owner)) {
            ownerPage->refuse(*refusal);
            return;
        }
        owner.keepBlock = Prompts::confirm(kManterBloqueioWeb);
    }
    OwnerSaved saved;
    try {
        saved = saveOwner(owner);
    } catch (const std::exception& e) {
        if (inserting)
            throw;  // the standard error box; the typed owner stays for another try
        Prompts::error(failureText(e, kErroAlterar));
        return;
    }
    if (saved.refusal) {
        ownerPage->refuse(*saved.refusal);
        return;
    }
    if (!ownerPage->showStored(saved.ownerId)) {
        Prompts::error(db::kRegistroAlterado);
        return;
    }
    if (inserting) {
        Prompts::information(kProprietarioCadastrado);
        showAnimalPage();
    } else {
        Prompts::information(kOperacaoRealizada);
    }
}

void TfrmPropAnimal::postAnimal() {
    if (!animalPage->busy())
        return;
    const TypedAnimal animal = animalPage->typedAnimal();
    if (!animal.inserting) {
        // The checks come first, as on every save; then the question of a change.
        if (const std::optional<FieldRefusal> refusal = checkAnimal(animal.checked)) {
            animalPage->refuse(*refusal);
            return;
        }
        if (!Prompts::confirm(kAlteracaoAnimal))
            return;
    }
    AnimalSaved saved;
    try {
        saved = saveAnimal(animal);
    } catch (const std::exception& e) {
        Prompts::information(failureText(e, kErroGravarAnimal));
        return;
    }
    if (saved.refusal) {
        animalPage->refuse(*saved.refusal);
        return;
    }
    const bool shown = animalPage->showStored(saved.animalId);
    ui::focusFirstControl(animalPage);  // the control typed last may take no focus now
    Prompts::information(shown ? kOperacaoRealizada : db::kRegistroAlterado);
}

QString TfrmPropAnimal::busy(Leaving leaving) const {
    if (ownerPage->busy())
        return leaving == Leaving::Page ? kGravarProprietarioProsseguir : kGravarProprietarioFechar;
    if (leaving == Leaving::Form && animalPage->busy())
        return kGravarAnimalFechar;
    return {};
}

void TfrmPropAnimal::pageChanging(int index) {
    if (index == 0)
        return;
    const QString why = busy(Leaving::Page);
    if (why.isEmpty())
        return;
    Prompts::information(why);
    PageControl1->setCurrentIndex(0);
}

void TfrmPropAnimal::showAnimalPage() {
    PageControl1->setCurrentWidget(TabSheet2);
    ui::focusFirstControl(animalPage);  // the page's keys work at once
}

void TfrmPropAnimal::closeForm() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

bool TfrmPropAnimal::askBeforeClosing() {
    const QString why = busy(Leaving::Form);
    if (why.isEmpty())
        return true;
    Prompts::information(why);
    PageControl1->setCurrentIndex(0);
    return false;
}

void TfrmPropAnimal::closeEvent(QCloseEvent* event) {
    if (askBeforeClosing())
        QWidget::closeEvent(event);
    else
        event->ignore();
}
