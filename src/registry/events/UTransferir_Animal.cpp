// SPDX-License-Identifier: GPL-3.0-or-later
// The animal transfer form: the two sides that the owner picker fills, the moves between the lists and the
// transfer of every moved animal in one transaction.
#include "registry/events/UTransferir_Animal.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/register/RegisterForm.h"
#include "platform/db/Database.h"
#include "platform/ui/ColumnWidths.h"
#include "platform/ui/DateEdit.h"
#include "platform/ui/GridRows.h"
#include "registry/events/AnimalEventRules.h"
#include "registry/events/TransferSql.h"
#include "registry/events/UProprietarioPesquisa.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace common;
using namespace registry;

namespace {

QList<int> animalsOf(const QTreeWidget* list) {
    QList<int> ids;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        ids << transferAnimalId(list->topLevelItem(i)->text(0));
    return ids;
}

}  // namespace

TfrmTransferir_Animal::TfrmTransferir_Animal(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose, true);
    setObjectName(QStringLiteral("frmTransferir_Animal"));
    setWindowTitle(QStringLiteral("021 - Transferir animal."));
    createSides();
    createButtons();
    layOut();
    connectControls();
    resize(900, 520);
}

QPushButton* TfrmTransferir_Animal::makeButton(const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// Each side: the search of its owner, the owner's code, name and address, and the owner's animals.
void TfrmTransferir_Animal::createSides() {
    struct Side {
        QLineEdit **code, **name, **address;
        QTreeWidget** animals;
        const char *codeName, *nameName, *addressName, *listName, *searchName;
        QString caption, search;
        int tag;
    };
    const Side sides[] = {
        {&ediCodigo_atual, &ediNome_atual, &ediEndereco_atual, &ltvAnimal_Prop_atual, "ediCodigo_atual",
         "ediNome_atual", "ediEndereco_atual", "ltvAnimal_Prop_atual", "btnLocalizarAtual",
         QStringLiteral("Proprietário atual:"), QStringLiteral("Localizar proprietário atual..."), 1},
        {&edicodigo_Destino, &ediNome_destino, &ediEndereco_destino, &ltvAnimal_Prop_destino, "edicodigo_Destino",
         "ediNome_destino", "ediEndereco_destino", "ltvAnimal_Prop_destino", "btnLocalizarDestino",
         QStringLiteral("Próximo proprietário:"), QStringLiteral("Localizar próximo proprietário..."), 2},
    };
    for (int i = 0; i < 2; ++i) {
        const Side& s = sides[i];
        auto* box = new QGroupBox(s.caption, this);
        m_sides[i] = box;
        auto edit = [box](const char* name) {
            auto* e = new QLineEdit(box);
            e->setObjectName(QString::fromLatin1(name));
            e->setReadOnly(true);
            return e;
        };
        *s.code = edit(s.codeName);
        *s.name = edit(s.nameName);
        *s.address = edit(s.addressName);
        *s.animals = new QTreeWidget(box);
        (*s.animals)->setObjectName(QString::fromLatin1(s.listName));
        (*s.animals)
            ->setHeaderLabels({QStringLiteral("Animal"), QStringLiteral("Microchipe"), QStringLiteral("Pedigree")});
        (*s.animals)->setRootIsDecorated(false);
        ui::ColumnFitter::fitList(*s.animals);
        auto* search = new QPushButton(s.search, box);
        search->setObjectName(QString::fromLatin1(s.searchName));
        const int tag = s.tag;
        connect(search, &QPushButton::clicked, this,
                [this, tag] { guarded([this, tag] { TfrmProprietarioPesquisa::open(this, tag); }); });
        ui::GridRows rows(new QGridLayout(box));
        rows.row().add(search, 2);
        rows.row().labelled(QStringLiteral("Código:"), *s.code);
        rows.row().labelled(QStringLiteral("Nome:"), *s.name);
        rows.row().labelled(QStringLiteral("Endereço:"), *s.address);
        rows.row().add(i == 0 ? static_cast<QWidget*>(buildFirstListViews(box)) : *s.animals, 2);
    }
}

void TfrmTransferir_Animal::createButtons() {
    m_moveOne = makeButton("btnMoveUm", QStringLiteral(">"));
    m_backOne = makeButton("btnVoltaUm", QStringLiteral("<"));
    m_moveAll = makeButton("btnMoveTodos", QStringLiteral(">>"));
    m_backAll = makeButton("btnVoltaTodos", QStringLiteral("<<"));
    dtpDataTransferencia = new ui::DateEdit(QDate::currentDate(), this);
    dtpDataTransferencia->setObjectName(QStringLiteral("dtpDataTransferencia"));
    bmpTransferir = makeButton("bmpTransferir", QStringLiteral("&Transferir"));
    m_clear = makeButton("bmpLimpar", QStringLiteral("&Limpar"));
    m_leave = makeButton("bmpSair", QStringLiteral("&Sair"));
}

void TfrmTransferir_Animal::layOut() {
    auto* moves = new QVBoxLayout;
    moves->addStretch(1);
    for (QPushButton* b : {m_moveOne, m_backOne, m_moveAll, m_backAll})
        moves->addWidget(b);
    moves->addStretch(1);
    auto* sidesLayout = new QHBoxLayout;
    sidesLayout->addWidget(m_sides[0], 1);
    sidesLayout->addLayout(moves);
    sidesLayout->addWidget(m_sides[1], 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Data da transferência:"), this));
    bottom->addWidget(dtpDataTransferencia);
    bottom->addStretch(1);
    bottom->addWidget(bmpTransferir);
    bottom->addWidget(m_clear);
    bottom->addWidget(m_leave);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sidesLayout, 1);
    layout->addLayout(bottom);
}

void TfrmTransferir_Animal::connectControls() {
    connect(m_moveOne, &QPushButton::clicked, this, [this] { moveSelected(true); });
    connect(m_backOne, &QPushButton::clicked, this, [this] { moveSelected(false); });
    connect(m_moveAll, &QPushButton::clicked, this, [this] { moveAll(true); });
    connect(m_backAll, &QPushButton::clicked, this, [this] { moveAll(false); });
    connect(bmpTransferir, &QPushButton::clicked, this, [this] { guarded([this] { transfer(); }); });
    connect(m_clear, &QPushButton::clicked, this, &TfrmTransferir_Animal::clearSides);
    connect(m_leave, &QPushButton::clicked, this, [this] {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            sub->close();
        else
            close();
    });
}

QStackedWidget* TfrmTransferir_Animal::buildFirstListViews(QWidget* parent) {
    // One list of items, the tree's: the other views show it and share its selection.
    m_firstViews = new QStackedWidget(parent);
    m_firstViews->addWidget(ltvAnimal_Prop_atual);
    lvwAnimal_Prop_atual = new QListView(m_firstViews);
    lvwAnimal_Prop_atual->setObjectName(QStringLiteral("lvwAnimal_Prop_atual"));
    lvwAnimal_Prop_atual->setModel(ltvAnimal_Prop_atual->model());
    lvwAnimal_Prop_atual->setSelectionModel(ltvAnimal_Prop_atual->selectionModel());
    lvwAnimal_Prop_atual->setResizeMode(QListView::Adjust);
    lvwAnimal_Prop_atual->setWrapping(true);
    m_firstViews->addWidget(lvwAnimal_Prop_atual);

    ppmAnimal_Prop_atual = new QMenu(this);
    ppmAnimal_Prop_atual->setObjectName(QStringLiteral("ppmAnimal_Prop_atual"));
    const struct {
        const char* name;
        const char* caption;
        ListView view;
    } items[] = {{"Detalhe1", "Detalhe", ListView::Details},
                 {"Lista1", "Lista", ListView::List},
                 {"Icone1", "Icone", ListView::Icons},
                 {"Ladoalado1", "Lado a lado", ListView::SideBySide}};
    for (const auto& item : items) {
        QAction* action = ppmAnimal_Prop_atual->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        const ListView view = item.view;
        connect(action, &QAction::triggered, this, [this, view] { setFirstListView(view); });
    }
    for (QAbstractItemView* v : {static_cast<QAbstractItemView*>(ltvAnimal_Prop_atual),
                                 static_cast<QAbstractItemView*>(lvwAnimal_Prop_atual)}) {
        v->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(v, &QWidget::customContextMenuRequested, this,
                [this, v](const QPoint& at) { ppmAnimal_Prop_atual->popup(v->viewport()->mapToGlobal(at)); });
    }
    return m_firstViews;
}

void TfrmTransferir_Animal::setFirstListView(ListView view) {
    if (view == ListView::Details) {
        m_firstViews->setCurrentWidget(ltvAnimal_Prop_atual);
        return;
    }
    QListView* list = lvwAnimal_Prop_atual;
    const int small = style()->pixelMetric(QStyle::PM_SmallIconSize);
    const int large = style()->pixelMetric(QStyle::PM_LargeIconSize);
    list->setViewMode(view == ListView::Icons ? QListView::IconMode : QListView::ListMode);
    list->setMovement(QListView::Static);  // icons stay where the list puts them
    list->setFlow(view == ListView::List ? QListView::TopToBottom : QListView::LeftToRight);
    list->setIconSize(QSize(view == ListView::Icons ? large : small, view == ListView::Icons ? large : small));
    list->setWrapping(true);
    list->setSpacing(view == ListView::Icons ? 8 : 2);
    m_firstViews->setCurrentWidget(list);
}

void TfrmTransferir_Animal::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (std::exchange(m_shown, true))
        return;
    clearSides();
    dtpDataTransferencia->setDate(QDate::currentDate());
}

void TfrmTransferir_Animal::clearSides() {
    for (QLineEdit* e :
         {ediCodigo_atual, ediNome_atual, ediEndereco_atual, edicodigo_Destino, ediNome_destino, ediEndereco_destino})
        e->clear();
    ltvAnimal_Prop_atual->clear();
    ltvAnimal_Prop_destino->clear();
}

void TfrmTransferir_Animal::moveSelected(bool toSecond) {
    QTreeWidget* from = toSecond ? ltvAnimal_Prop_atual : ltvAnimal_Prop_destino;
    QTreeWidget* to = toSecond ? ltvAnimal_Prop_destino : ltvAnimal_Prop_atual;
    QTreeWidgetItem* item = from->currentItem();
    if (!item || !item->isSelected()) {
        Prompts::error(kErroTransferir);
        return;
    }
    to->addTopLevelItem(from->takeTopLevelItem(from->indexOfTopLevelItem(item)));
}

void TfrmTransferir_Animal::moveAll(bool toSecond) {
    QTreeWidget* from = toSecond ? ltvAnimal_Prop_atual : ltvAnimal_Prop_destino;
    QTreeWidget* to = toSecond ? ltvAnimal_Prop_destino : ltvAnimal_Prop_atual;
    // The last item first: the moved items arrive in reverse order.
    while (from->topLevelItemCount() > 0)
        to->addTopLevelItem(from->takeTopLevelItem(from->topLevelItemCount() - 1));
}

void TfrmTransferir_Animal::transfer() {
    const QString first = ediCodigo_atual->text().trimmed();
    const QString second = edicodigo_Destino->text().trimmed();
    if (!first.isEmpty() && first == second) {
        Prompts::warning(kMesmosProprietarios);
        return;
    }
    if (first.isEmpty()) {
        Prompts::warning(kFaltaPrimeiroProprietario);
        return;
    }
    if (second.isEmpty()) {
        Prompts::warning(kFaltaSegundoProprietario);
        return;
    }
    // Every animal of both lists, all or none.
    const QDateTime now = db::serverTime();
    const QDate date = dtpDataTransferencia->date();
    db::Transaction transaction;
    transfersql::moveAnimals(animalsOf(ltvAnimal_Prop_atual), first.toInt(), date, now);
    transfersql::moveAnimals(animalsOf(ltvAnimal_Prop_destino), second.toInt(), date, now);
    transaction.commit();
    // Pressed again, every animal already has its list's owner: nothing is written, and the same words say so.
    Prompts::warning(kOperacaoRealizada);
}
