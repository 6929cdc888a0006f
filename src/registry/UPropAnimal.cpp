// The owner and animal register's shell: pages, data sets, the showing of an owner and the vetoes on
// leaving a pending insert or edit.
#include "registry/UPropAnimal.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/Session.h"
#include "registry/AddressGroup.h"
#include "registry/AnimalPage.h"
#include "registry/AnimalSql.h"
#include "registry/OwnerPage.h"
#include "registry/OwnerSql.h"
#include "registry/VaccinationPage.h"
#include "registry/UCalcula_Idade.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace registry;

TfrmPropAnimal::TfrmPropAnimal(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose, true);
    setObjectName(QStringLiteral("frmPropAnimal"));
    setWindowTitle(QStringLiteral("006 - Cadastro de proprietário e animal."));

    auto dataSet = [this](const char* name) {
        auto* d = new db::DataSet(db::kMain, this);
        d->setObjectName(QString::fromLatin1(name));
        return d;
    };
    qryProprietario = dataSet("qryProprietario");
    qryEndereco = dataSet("qryEndereco");
    qryAnimal = dataSet("qryAnimal");
    qryEndereco_do_animal = dataSet("qryEndereco_do_animal");

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);
    TabSheet1 = new QWidget(PageControl1);
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget(PageControl1);
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    TabSheet3 = new QWidget(PageControl1);
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Proprietário"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Animal"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Vacinas"));

    ownerPage = new OwnerPage(this, qryProprietario, qryEndereco, TabSheet1);
    auto* ownerLayout = new QVBoxLayout(TabSheet1);
    ownerLayout->setContentsMargins(0, 0, 0, 0);
    ownerLayout->addWidget(ownerPage);

    animalPage = new AnimalPage(this, qryAnimal, qryEndereco_do_animal, TabSheet2);
    ActionList1 = animalPage;
    actAnimalNovo = animalPage->actAnimalNovo;
    actAnimalAlterar = animalPage->actAnimalAlterar;
    actAnimalExcluir = animalPage->actAnimalExcluir;
    animalAddress = animalPage->address;
    auto* animalLayout = new QVBoxLayout(TabSheet2);
    animalLayout->setContentsMargins(0, 0, 0, 0);
    animalLayout->addWidget(animalPage);

    vaccinationPage = new VaccinationPage(this, TabSheet3);
    auto* vaccinationLayout = new QVBoxLayout(TabSheet3);
    vaccinationLayout->setContentsMargins(0, 0, 0, 0);
    vaccinationLayout->addWidget(vaccinationPage);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    StatusBar1Panel0 = new QLabel(status);
    StatusBar1Panel0->setObjectName(QStringLiteral("StatusBar1Panel0"));
    StatusBar1Panel0->setMinimumWidth(200);
    StatusBar1Panel1 = new QLabel(status);
    StatusBar1Panel1->setObjectName(QStringLiteral("StatusBar1Panel1"));
    StatusBar1Panel1->setMinimumWidth(200);
    status->addWidget(StatusBar1Panel0);
    status->addWidget(StatusBar1Panel1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(status);

    connect(qryProprietario, &db::DataSet::currentChanged, this, [this] { guarded([this] { showOwner(); }); });
    connect(qryProprietario, &db::DataSet::fieldChanged, this, [this](const QString& field) {
        if (field.compare(QLatin1String("Nome"), Qt::CaseInsensitive) == 0) {
            setWindowTitle(qryProprietario->str(QStringLiteral("Nome")));
            showOwnerPanel();
        }
    });
    connect(animalPage, &AnimalPage::animalsListed, this, &TfrmPropAnimal::showCaption);
    connect(qryAnimal, &db::DataSet::currentChanged, this, &TfrmPropAnimal::animalShown);
    connect(this, &TfrmPropAnimal::animalShown, animalPage, [this] { animalPage->showAnimal(); });
    connect(this, &TfrmPropAnimal::animalShown, vaccinationPage, [this] { guarded([this] { vaccinationPage->showVaccinations(); }); });
    connect(animalPage->BitBtn2, &QPushButton::clicked, this, [this] { TfrmCalcula_Idade::open(this); });
    connect(PageControl1, &QTabWidget::currentChanged, this, &TfrmPropAnimal::pageChanging);
    resize(860, 560);
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

void TfrmPropAnimal::showOwner() {
    ownerPage->showOwnerFields();
    animalPage->ownerShown();
    const bool onOwner = qryProprietario->isActive() && qryProprietario->recNo() >= 0;
    const QVariant id = onOwner ? qryProprietario->field(QStringLiteral("Id_Proprietario")) : QVariant();
    const QString name = ownerName();
    IdProprietarioAtual = db::toText(id).trimmed().isEmpty() ? 0 : db::toInt(id);
    if (!qryAnimal->isEditing()) {
        showOwnerPanel();
        animalsql::selectAnimals(*qryAnimal, name.isEmpty() ? 0 : IdProprietarioAtual);
        if (qryAnimal->isEmpty() && !qryEndereco_do_animal->isEditing()) {
            qryEndereco_do_animal->setSql(QStringLiteral(" select * from endereco where 1=2 "));
            qryEndereco_do_animal->open();
        }
        if (m_animalToLocate != 0)
            qryAnimal->locate(QStringLiteral("id_animal"), m_animalToLocate);
    }
    showCaption();
}

QString TfrmPropAnimal::ownerName() const {
    const bool onOwner = qryProprietario->isActive() && qryProprietario->recNo() >= 0;
    return onOwner ? qryProprietario->str(QStringLiteral("Nome")).trimmed() : QString();
}

void TfrmPropAnimal::showCaption() {
    if (qryProprietario->isActive() && qryProprietario->recNo() >= 0)
        setWindowTitle(QStringLiteral("Prop.: %1 ele tem \"%2\" animal(s) em seu nome.").arg(ownerName()).arg(qryAnimal->recordCount()));
}

// The owner on show, also while typed: a new owner has no code yet; no name, no owner.
void TfrmPropAnimal::showOwnerPanel() {
    const QString name = ownerName();
    const QString code = name.isEmpty() ? QString() : qryProprietario->str(QStringLiteral("Id_Proprietario")).trimmed();
    StatusBar1Panel0->setText(name.isEmpty() ? QString() : QStringLiteral("Prop.:%1 - %2").arg(code, name));
}

void TfrmPropAnimal::openOwner(int ownerId, int animalToLocate) {
    m_animalToLocate = animalToLocate;
    ownersql::selectOwner(*qryProprietario, ownerId);
    m_animalToLocate = 0;
}

void TfrmPropAnimal::openAnyOwner(int ownerId, int animalToLocate) {
    m_animalToLocate = animalToLocate;
    ownersql::selectOwnerAnyStatus(*qryProprietario, ownerId);
    m_animalToLocate = 0;
}

QString TfrmPropAnimal::busy(Leaving leaving) const {
    if (ownerPage->busy())
        return leaving == Leaving::Page ? kGravarProprietarioProsseguir : kGravarProprietarioFechar;
    if (leaving == Leaving::Form && qryAnimal->isEditing())
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

void TfrmPropAnimal::showAnimalPage() { PageControl1->setCurrentWidget(TabSheet2); }

void TfrmPropAnimal::closeForm() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void TfrmPropAnimal::closeEvent(QCloseEvent* event) {
    const QString why = busy(Leaving::Form);
    if (why.isEmpty()) {
        QWidget::closeEvent(event);
        return;
    }
    Prompts::information(why);
    PageControl1->setCurrentIndex(0);
    event->ignore();
}
