// SPDX-License-Identifier: GPL-3.0-or-later
// The rights list of a profile: loading, adding and removing rows, reading them back for the save.
#include "shell/profiles/PerfilFormPage.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "platform/db/DataSet.h"
#include "platform/db/Database.h"
#include "platform/ui/ColumnWidths.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/GridRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {
const QString kModo = QStringLiteral(
    "É necessário que o arquivo esteja no modo de inserção ou edição para incluir ou excluir um novo formulário "
    "ou relatório.");
const QString kSelecioneTipo = QStringLiteral("Selecione o formulário/relatório!");
const QString kSelecioneForm = QStringLiteral("Falta selecinar o formulário/relatório!");
const QString kJaNaLista = QStringLiteral("Este formulário/relatório já está na lista!");
const QString kErroExclusao = QStringLiteral("Erro na tentativa de exclusão!");
const QString kFormulario = QStringLiteral("Formulário");
const QString kRelatorio = QStringLiteral("Relatório");

// The list's columns: the form's id, type and name, the five rights, the description.
enum Column { Codigo, Tipo, Nome, FirstRight, Descricao = FirstRight + 5 };

QTreeWidgetItem* makeItem(const perfilsql::FormRight& right) {
    QStringList texts{db::toText(right.formId), formTypeText(right.formType), right.name};
    for (const QString& r : right.rights)
        texts << r;
    texts << right.description;
    auto* item = new QTreeWidgetItem(texts);
    item->setData(Codigo, Qt::UserRole, right.formId);
    item->setData(Tipo, Qt::UserRole, right.formType);
    return item;
}
}  // namespace

QString formTypeText(const QString& formType) {
    if (db::sameText(formType, QStringLiteral("F")))
        return kFormulario;
    if (db::sameText(formType, QStringLiteral("R")))
        return kRelatorio;
    return {};
}

PerfilFormPage::PerfilFormPage(db::DataSet* profile, QWidget* parent) : QWidget(parent), m_profile(profile) {
    lblNomePerfil = new QLabel(this);
    lblNomePerfil->setObjectName(QStringLiteral("lblNomePerfil"));
    lblNomePerfil->setAlignment(Qt::AlignCenter);
    cbbForm_Rel = new QComboBox(this);
    cbbForm_Rel->setObjectName(QStringLiteral("cbbForm_Rel"));
    cbbForm_Rel->addItems({kFormulario, kRelatorio});
    cbbForm_Rel->setCurrentIndex(-1);
    dblFormulario = new QComboBox(this);
    dblFormulario->setObjectName(QStringLiteral("dblFormulario"));
    ui::EnterAsTab::install(cbbForm_Rel);
    ui::EnterAsTab::install(dblFormulario);

    const char* names[5] = {"chkVisualizar", "chkIncluir", "chkAlterar", "chkExcluir", "chkImprimir"};
    const char* captions[5] = {"Visualização.", "Inclusão.", "Alterar", "Exclusão.", "Impressão"};
    auto* boxes = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        m_rights[i] = new QCheckBox(QString::fromUtf8(captions[i]), this);
        m_rights[i]->setObjectName(QString::fromLatin1(names[i]));
        m_rights[i]->setChecked(true);
        boxes->addWidget(m_rights[i]);
    }
    bmpIncluir = new QPushButton(QStringLiteral("&Incluir"), this);
    bmpIncluir->setObjectName(QStringLiteral("bmpIncluir"));
    bmpExcluir = new QPushButton(QStringLiteral("&Excluir"), this);
    bmpExcluir->setObjectName(QStringLiteral("bmpExcluir"));
    boxes->addStretch(1);
    boxes->addWidget(bmpIncluir);
    boxes->addWidget(bmpExcluir);

    lvwFormulario = new QTreeWidget(this);
    lvwFormulario->setObjectName(QStringLiteral("lvwFormulario"));
    lvwFormulario->setRootIsDecorated(false);
    lvwFormulario->setSelectionBehavior(QAbstractItemView::SelectRows);
    QStringList titles{QStringLiteral("Código"), QStringLiteral("Tipo"), QStringLiteral("Nome")};
    for (const char* caption : {"Visualização", "Inclusão", "Alterar", "Exclusão", "Impressão", "Descrição"})
        titles << QString::fromUtf8(caption);
    lvwFormulario->setHeaderLabels(titles);
    lvwFormulario->header()->setMinimumSectionSize(1);
    lvwFormulario->setColumnWidth(Codigo, 1);
    lvwFormulario->setColumnWidth(Nome, 200);
    ui::ColumnFitter::fitList(lvwFormulario, {Codigo});

    ui::GridRows rows(new QGridLayout(this));
    rows.row().add(lblNomePerfil, 2);
    rows.row().labelled(QStringLiteral("Seleção:"), cbbForm_Rel);
    rows.row().labelled(QStringLiteral("Formulário / Relatório:"), dblFormulario);
    rows.row().add(boxes, 2);
    rows.row().add(lvwFormulario, 2).stretch();

    connect(cbbForm_Rel, &QComboBox::currentIndexChanged, this, [this] { guarded([this] { chooseType(); }); });
    connect(bmpIncluir, &QPushButton::clicked, this, [this] { guarded([this] { bmpIncluirClick(); }); });
    connect(bmpExcluir, &QPushButton::clicked, this, [this] { guarded([this] { bmpExcluirClick(); }); });
    connect(m_profile, &db::DataSet::currentChanged, this, [this] { guarded([this] { load(); }); });
    connect(m_profile, &db::DataSet::fieldChanged, this, &PerfilFormPage::showName);
}

void PerfilFormPage::showName() {
    lblNomePerfil->setText(m_profile->isActive() && m_profile->recNo() >= 0 ? m_profile->str(QStringLiteral("Nome"))
                                                                            : QString());
}

void PerfilFormPage::load() {
    lvwFormulario->clear();
    m_stored.clear();
    showName();
    if (!m_profile->isActive() || m_profile->recNo() < 0)
        return;
    const QVariant profile = m_profile->field(QStringLiteral("Id_Perfil"));
    m_stored = perfilsql::storedRights(profile);
    for (const perfilsql::FormRight& right : perfilsql::rights(profile))
        lvwFormulario->addTopLevelItem(makeItem(right));
}

void PerfilFormPage::chooseType() {
    dblFormulario->clear();
    const QString type = cbbForm_Rel->currentText().contains(kRelatorio)    ? QStringLiteral("R")
                         : cbbForm_Rel->currentText().contains(kFormulario) ? QStringLiteral("F")
                                                                            : QString();
    if (type.isEmpty())
        return;
    const db::RowSet forms = perfilsql::formsOfType(type);
    const int id = forms.fieldIndex(QStringLiteral("Id_Form"));
    const int name = forms.fieldIndex(QStringLiteral("Nome"));
    const int description = forms.fieldIndex(QStringLiteral("Descricao"));
    for (int r = 0; r < forms.count(); ++r) {
        dblFormulario->addItem(db::toText(forms.row(r)[name]), forms.row(r)[id]);
        dblFormulario->setItemData(r, db::toText(forms.row(r)[description]), Qt::ToolTipRole);
    }
    dblFormulario->setCurrentIndex(-1);
}

QList<perfilsql::FormRight> PerfilFormPage::rights() const {
    QList<perfilsql::FormRight> out;
    for (int i = 0; i < lvwFormulario->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = lvwFormulario->topLevelItem(i);
        perfilsql::FormRight right{item->data(Codigo, Qt::UserRole),
                                   item->data(Tipo, Qt::UserRole).toString(),
                                   item->text(Nome),
                                   item->text(Descricao),
                                   {}};
        for (int r = 0; r < 5; ++r)
            right.rights[r] = item->text(FirstRight + r);
        out << right;
    }
    return out;
}

bool PerfilFormPage::isEmpty() const { return lvwFormulario->topLevelItemCount() == 0; }

void PerfilFormPage::bmpIncluirClick() {
    if (!m_profile->isEditing())
        return Prompts::information(kModo);
    if (cbbForm_Rel->currentIndex() < 0)
        return Prompts::information(kSelecioneTipo);
    if (dblFormulario->currentIndex() < 0)
        return Prompts::information(kSelecioneForm);
    const QVariant id = dblFormulario->currentData();
    for (const perfilsql::FormRight& listed : rights()) {
        if (db::toText(listed.formId) == db::toText(id))
            return Prompts::information(kJaNaLista);
    }
    perfilsql::FormRight right{id,
                               cbbForm_Rel->currentIndex() == 1 ? QStringLiteral("R") : QStringLiteral("F"),
                               dblFormulario->currentText(),
                               dblFormulario->itemData(dblFormulario->currentIndex(), Qt::ToolTipRole).toString(),
                               {}};
    for (int r = 0; r < 5; ++r)
        right.rights[r] = m_rights[r]->isChecked() ? QStringLiteral("S") : QStringLiteral("N");
    lvwFormulario->addTopLevelItem(makeItem(right));
}

void PerfilFormPage::bmpExcluirClick() {
    if (!m_profile->isEditing())
        return Prompts::information(kModo);
    QTreeWidgetItem* item = lvwFormulario->currentItem();
    if (!item || !item->isSelected())
        return Prompts::information(kErroExclusao);
    delete item;
}
