// SPDX-License-Identifier: GPL-3.0-or-later
// The auxiliary vaccination tables (050).

#include "exports/UQuorvantaPrincipal.h"

#include "platform/ui/Capitals.h"
#include "platform/ui/FieldLink.h"
#include "platform/ui/GridRows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

using namespace exports;

namespace {

const QString kVacinaSemNome = QStringLiteral("Falta digitar o nome da vacina!");

// An auxiliary table: a name, a description and whether the row is active.
db::Table auxiliary(const QString& name, const QString& key, db::NewKey newKey) {
    return {.name = name,
            .key = {key},
            .newKey = newKey,
            .columns = {QStringLiteral("Nome"), QStringLiteral("Descricao"), QStringLiteral("Ind_registro_ativo")}};
}

}  // namespace

const QList<AuxiliaryTable>& auxiliaryTables() {
    static const QList<AuxiliaryTable> tables{
        {QStringLiteral("Tipo de Vacina."),
         auxiliary(QStringLiteral("tipo_vacina"), QStringLiteral("Id_tipo_vacina"), db::NewKey::Server), kVacinaSemNome,
         QStringLiteral("Id_tipo_vacina")},
        {QStringLiteral("Motivo da não vacinação."),
         auxiliary(QStringLiteral("tipo_motivo_nao_vacina"), QStringLiteral("Id_tipo_motivo_nao_vacina"),
                   db::NewKey::Client),
         QStringLiteral("Falta digitar o nome do motivo da não vacinação!"),
         QStringLiteral("Id_tipo_motivo_nao_vacina")},
        {QStringLiteral("Intercorrência vacinal."),
         auxiliary(QStringLiteral("tipo_vacina_ocorrencia"), QStringLiteral("Id_tipo_vacina_ocorrencia"),
                   db::NewKey::Client),
         kVacinaSemNome, QStringLiteral("Id_tipo_vacina_ocorrencia")},
    };
    return tables;
}

TfrmQuorvantaPrincipal::TfrmQuorvantaPrincipal(QWidget* parent) : RegisterForm(parent) {
    setObjectName(QStringLiteral("frmQuorvantaPrincipal"));
    setWindowTitle(QStringLiteral("Tabelas auxiliares"));
    setOpenOnShow(OpenOnShow::Nothing);
    setEmptyCheck(EmptyCheck::BeforeReferences);
    setNewRowDefaults({{QStringLiteral("Ind_registro_ativo"), QStringLiteral("ATIVO")}});
    setDeleteTexts(kExcluirDefinitivamente, QString());
    actPrint->setVisible(false);
    actPesquisar->setVisible(false);
    // Ctrl+A answers "Alterar" only from the tool bar and the grid; inside an edit it selects the text.
    removeAction(actEdit);
    dbgPrincipal->addAction(actEdit);

    cbbTabela = new QComboBox(this);
    cbbTabela->setObjectName(QStringLiteral("cbbTabela"));
    for (const AuxiliaryTable& t : auxiliaryTables())
        cbbTabela->addItem(t.item);
    cbbTabela->setCurrentIndex(-1);
    auto* top = new QHBoxLayout;
    top->setContentsMargins(6, 6, 6, 0);
    top->addWidget(new QLabel(QStringLiteral("Selecione uma tabela:"), this));
    top->addWidget(cbbTabela);
    top->addStretch(1);
    static_cast<QVBoxLayout*>(layout())->insertLayout(1, top);

    dbeId = new QLineEdit(tbsPrincipal);
    dbeId->setObjectName(QStringLiteral("dbeId"));
    dbeId->setReadOnly(true);
    dbeId->setMaximumWidth(90);
    dbeNome = new QLineEdit(tbsPrincipal);
    dbeNome->setObjectName(QStringLiteral("dbeNome"));
    ui::setColumnLength(dbeNome, 100);
    dbcAtiviInativo = new QComboBox(tbsPrincipal);
    dbcAtiviInativo->setObjectName(QStringLiteral("dbcAtiviInativo"));
    dbcAtiviInativo->addItems({QStringLiteral("ATIVO"), QStringLiteral("INATIVO")});
    dbmDescricao = new QPlainTextEdit(tbsPrincipal);
    dbmDescricao->setObjectName(QStringLiteral("dbmDescricao"));
    dbmDescricao->setMaximumHeight(70);
    ui::bindLineEdit(dbeNome, qryPrincipal, QStringLiteral("Nome"));
    ui::bindComboBox(dbcAtiviInativo, qryPrincipal, QStringLiteral("Ind_registro_ativo"));
    ui::bindMemo(dbmDescricao, qryPrincipal, QStringLiteral("Descricao"));

    // One page: the fields above the grid of the table's rows.
    ui::GridRows page(new QGridLayout(tbsPrincipal));
    page.row().labelled(QStringLiteral("Código:"), dbeId, 1, Qt::AlignLeft);
    page.row().labelled(QStringLiteral("Nome:"), dbeNome);
    page.row().labelled(QStringLiteral("Ativo/Inativo:"), dbcAtiviInativo, 1, Qt::AlignLeft);
    page.row().label(QStringLiteral("Descrição:"), 1, Qt::AlignTop).add(dbmDescricao);
    page.row().label(QStringLiteral("Histórico:"), 2);
    page.row().add(dbgPrincipal, 2).stretch();
    pgcPrincipal->removeTab(pgcPrincipal->indexOf(tbsGeral));
    pgcPrincipal->tabBar()->hide();
    resize(760, 520);

    connect(cbbTabela, &QComboBox::currentIndexChanged, this, [this](int index) { choose(index); });
}

void TfrmQuorvantaPrincipal::choose(int index) {
    if (index < 0 || index >= auxiliaryTables().size())
        return;
    m_chosen = &auxiliaryTables()[index];
    const AuxiliaryTable& t = *m_chosen;
    setWindowTitle(t.item);
    qryPrincipal->close();
    setTable(t.table);
    setReferenceChecks({{QStringLiteral("vacina"), t.usedBy}}, kRegistroEmUso);
    delete ui::linkOf(dbeId);
    ui::bindLineEdit(dbeId, qryPrincipal, t.table.keyColumn(), ui::ValueKind::Integer)->setAlwaysReadOnly(true);
    setGridColumns({{QStringLiteral("Código"), t.table.keyColumn(), 60, ui::readOnlyColour(), true},
                    {QStringLiteral("Ativo/Inativo:"), QStringLiteral("Ind_registro_ativo"), 90},
                    ui::GridColumn::fixedAt(QStringLiteral("Nome:"), QStringLiteral("Nome"), 447),
                    {QStringLiteral("Descição:"), QStringLiteral("Descricao"), 300}});
    RegisterForm::refresh();
}

// Until a table is chosen the table's actions do nothing.
void TfrmQuorvantaPrincipal::refresh() {
    if (m_chosen)
        RegisterForm::refresh();
}

void TfrmQuorvantaPrincipal::append() {
    if (m_chosen)
        RegisterForm::append();
}

void TfrmQuorvantaPrincipal::edit() {
    if (m_chosen && qryPrincipal->recNo() >= 0)
        RegisterForm::edit();
}

void TfrmQuorvantaPrincipal::save() {
    if (m_chosen)
        RegisterForm::save();
}

void TfrmQuorvantaPrincipal::remove() {
    if (m_chosen)
        RegisterForm::remove();
}

bool TfrmQuorvantaPrincipal::validate() {
    if (qryPrincipal->str(QStringLiteral("Nome")).trimmed().isEmpty())
        return refuse(m_chosen->blankName, dbeNome);
    return true;
}

void TfrmQuorvantaPrincipal::afterCommit(bool inserting) {
    if (!inserting)
        return;
    RegisterForm::refresh();
    qryPrincipal->first();
}
