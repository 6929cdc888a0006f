// SPDX-License-Identifier: GPL-3.0-or-later
// The detail pages of the attendance booking form and the statements of the attendance's members.
#include "scheduling/booking/AtendimentoPages.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/register/RegisterForm.h"
#include "common/register/RegisterSql.h"
#include "common/rules/Formats.h"
#include "common/schema/Tables.h"
#include "scheduling/booking/AtendimentoSql.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace scheduling;

namespace {

const QString kFaltaProfissional = QStringLiteral("Falta selecionar o profissional.");
const QString kFaltaProcedimento = QStringLiteral("Falta selecionar o procedimento.");
const QString kFaltaMedicamento = QStringLiteral("Falta selecionar o medicamento.");
const QString kInformeQuantidade = QStringLiteral("Informe a quantidade do medicamento a ser usado!");
const QString kQuantidadeInvalida = QStringLiteral("Quantidade invalida!");
const QString kValorInvalido = QStringLiteral("Valor invalido!");
const QString kProcedimentoIncluido = QStringLiteral("Este procedimento já foi incluído neste atendimento.");

bool blank(const QVariant& v) { return db::toText(v).trimmed().isEmpty(); }

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

}  // namespace

ui::GridColumn dateTimeColumn(const QString& title, const QString& field, int width) {
    ui::GridColumn c(title, field, width);
    c.text = [field](const db::DataSet& data, int row) { return fmt::dateTime(db::toDateTime(data.cell(row, field))); };
    return c;
}

namespace {

MemberKind medicineKind() {
    MemberKind k;
    k.name = QStringLiteral("Medicamento");
    k.statements = atendimentosql::medicineStatements();
    k.itemField = QStringLiteral("Id_Medicamento");
    k.listKey = QStringLiteral("Id_Medicamento");
    k.listShown = QStringLiteral("nome_medicamento");
    k.columns = {{QStringLiteral("Medicamento"), QStringLiteral("NomeMedicamento"), 300},
                 {QStringLiteral("Quant."), QStringLiteral("Quantidade"), 60},
                 {QStringLiteral("Medida"), QStringLiteral("UnidadeMedida"), 150}};
    k.duplicateMessage = kProcedimentoIncluido;
    k.noChoiceMessage = kFaltaMedicamento;
    return k;
}

}  // namespace

MemberKind professionalKind() {
    MemberKind k;
    k.name = QStringLiteral("Profissional");
    k.statements = atendimentosql::professionalStatements();
    k.itemField = QStringLiteral("Id_Profissional");
    k.listKey = QStringLiteral("id_profissional");
    k.listShown = QStringLiteral("nome");
    k.columns = {{QStringLiteral("Profissional"), QStringLiteral("ProfissionalNome"), 400}};
    k.duplicateMessage = QStringLiteral("Este profissional já foi incluído.");
    k.noChoiceMessage = kFaltaProfissional;
    return k;
}

MemberKind procedureKind() {
    MemberKind k;
    k.name = QStringLiteral("Procedimento");
    k.statements = atendimentosql::procedureStatements();
    k.itemField = QStringLiteral("Id_Tipo_Procedimento");
    k.listKey = QStringLiteral("id_tipo_procedimento");
    k.listShown = QStringLiteral("nome");
    k.columns = {{QStringLiteral("Procedimento"), QStringLiteral("NomeProcedimento"), 400}};
    k.duplicateMessage = kProcedimentoIncluido;
    k.noChoiceMessage = kFaltaProcedimento;
    return k;
}

// --- members ---

MemberPage::MemberPage(MemberKind kind, std::function<QVariant()> attendanceId, QWidget* parent)
    : QWidget(parent), m_kind(std::move(kind)), m_attendanceId(std::move(attendanceId)) {
    m_list = new QComboBox(this);
    m_list->setObjectName(QStringLiteral("dbl") + m_kind.name);
    m_list->setMinimumWidth(300);
    m_members = new db::DataSet(db::kMain, this);
    m_members->setObjectName(QStringLiteral("qry") + m_kind.name);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("dbg") + m_kind.name);
    ui::bindGrid(m_grid, m_members, m_kind.columns);

    auto* addB = button(QStringLiteral("btnIncluir") + m_kind.name, QStringLiteral("&Incluir"), this);
    auto* removeB = button(QStringLiteral("btnExcluir") + m_kind.name, QStringLiteral("&Excluir"), this);
    connect(addB, &QPushButton::clicked, this, [this] { guarded([this] { add(); }); });
    connect(removeB, &QPushButton::clicked, this, [this] { guarded([this] { remove(); }); });

    m_buttons = new QHBoxLayout;
    m_buttons->addWidget(m_list);
    m_buttons->addWidget(addB);
    m_buttons->addWidget(removeB);
    m_buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_buttons);
    layout->addWidget(m_grid, 1);
}

void MemberPage::loadList() {
    m_listRows = atendimentosql::memberChoices(m_kind.statements);
    const QSignalBlocker block(m_list);
    m_list->clear();
    const int key = m_listRows.indexOrThrow(m_kind.listKey);
    const int shown = m_listRows.indexOrThrow(m_kind.listShown);
    for (int r = 0; r < m_listRows.count(); ++r)
        m_list->addItem(db::toText(m_listRows.row(r)[shown]), m_listRows.row(r)[key]);
    m_list->setCurrentIndex(-1);
}

void MemberPage::load(const QVariant& attendanceId) {
    atendimentosql::selectMembers(*m_members, m_kind.statements, blank(attendanceId) ? QVariant() : attendanceId);
}

QVariant MemberPage::chosen() const {
    const int index = m_list->currentIndex();
    return index >= 0 ? m_list->itemData(index) : QVariant();
}

bool MemberPage::checks(const QVariant& item) {
    if (!item.isNull())
        return true;
    Prompts::information(m_kind.noChoiceMessage);
    m_list->setFocus();
    return false;
}

void MemberPage::add() {
    const QVariant item = chosen();
    if (!checks(item))
        return;
    const QVariant id = m_attendanceId();
    if (blank(id))
        return;  // an attendance not saved yet has no members
    if (atendimentosql::isMember(m_kind.statements, item, id)) {
        Prompts::information(m_kind.duplicateMessage);
        return;
    }
    const db::Stamp stamp = tables::byUser(db::serverTime());
    {
        db::Transaction transaction;
        QVariantHash values = extraColumns();
        values.insert(m_kind.itemField, item);
        values.insert(QStringLiteral("Id_Atendimento"), id);
        atendimentosql::insertMember(m_kind.statements, values, stamp);
        transaction.commit();
    }
    load(id);
}

void MemberPage::remove() {
    if (!Prompts::confirm(kConfirmaExclusaoMembro))
        return;
    if (m_members->recNo() < 0)
        return;
    for (const QString& key : std::as_const(m_kind.statements.table.key))
        if (blank(m_members->field(key)))
            return;
    {
        db::Transaction transaction;
        atendimentosql::deleteMember(m_kind.statements, db::readValues(*m_members));
        transaction.commit();
    }
    m_members->open();
}

// --- medicines ---

MedicinePage::MedicinePage(std::function<QVariant()> attendanceId, QWidget* parent)
    : MemberPage(medicineKind(), std::move(attendanceId), parent) {
    DBText1 = new QLabel(this);
    DBText1->setObjectName(QStringLiteral("DBText1"));
    mkeQuandidade = new QLineEdit(this);
    mkeQuandidade->setObjectName(QStringLiteral("mkeQuandidade"));
    mkeQuandidade->setMaximumWidth(80);
    buttonRow()->insertWidget(1, new QLabel(QStringLiteral("Quant.:"), this));
    buttonRow()->insertWidget(2, mkeQuandidade);
    buttonRow()->insertWidget(3, DBText1);

    connect(m_list, &QComboBox::currentIndexChanged, this, [this](int index) {
        const int measure = m_listRows.fieldIndex(QStringLiteral("nome_Medida"));
        DBText1->setText(index >= 0 && measure >= 0 && index < m_listRows.count()
                             ? db::toText(m_listRows.row(index)[measure])
                             : QString());
    });
    connect(mkeQuandidade, &QLineEdit::editingFinished, this, [this] {
        const QString text = mkeQuandidade->text();
        if (!text.trimmed().isEmpty() && !fmt::parseDecimal(text, nullptr))
            Prompts::information(kValorInvalido);
    });
}

bool MedicinePage::checks(const QVariant& item) {
    if (m_list->currentText().trimmed().isEmpty() || item.isNull()) {
        Prompts::information(kFaltaMedicamento);
        m_list->setFocus();
        return false;
    }
    const QString text = mkeQuandidade->text();
    const QString refusal = text.trimmed().isEmpty()            ? kInformeQuantidade
                            : !fmt::parseDecimal(text, nullptr) ? kQuantidadeInvalida
                                                                : QString();
    if (refusal.isEmpty())
        return true;
    Prompts::information(refusal);
    mkeQuandidade->setFocus();
    return false;
}

QVariantHash MedicinePage::extraColumns() {
    double quantity = 0;
    fmt::parseDecimal(mkeQuandidade->text(), &quantity);
    return {{QStringLiteral("Quantidade"), quantity}};
}

// --- day summary ---

SummaryPage::SummaryPage(std::function<QVariant()> unitId, std::function<QDate()> day, QWidget* parent)
    : QWidget(parent), m_unitId(std::move(unitId)), m_day(std::move(day)) {
    m_rows = new db::DataSet(db::kMain, this);
    m_rows->setObjectName(QStringLiteral("qryResumo"));
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("dbgResumo"));
    m_model = ui::bindGrid(
        m_grid, m_rows,
        {dateTimeColumn(QStringLiteral("Data atendimento"), QStringLiteral("Data_Hora_Atendimento"), 130),
         {QStringLiteral("Especie"), QStringLiteral("nomeEspecie"), 120},
         {QStringLiteral("Status do agendamento"), QStringLiteral("nome"), 160},
         ui::GridColumn::calculated(QStringLiteral("Procedimentos"), 200, [this](const db::DataSet& data, int row) {
             return m_procedures.value(db::toInt(data.cell(row, QStringLiteral("Id_Atendimento"))));
         })});
    ui::onTitleClick(m_grid, [this](int column) { guarded([this, column] { sortBy(column); }); });

    auto* refreshB = button(QStringLiteral("btnAtualizarResumo"), QStringLiteral("&Atualizar"), this);
    connect(refreshB, &QPushButton::clicked, this, [this] { guarded([this] { refresh(); }); });
    auto* row = new QHBoxLayout;
    row->addWidget(refreshB);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_grid, 1);
}

void SummaryPage::refresh() {
    const QVariant unit = m_unitId();
    m_rows->close();
    if (blank(unit)) {
        Prompts::information(kErroResumo);
        return;
    }
    try {
        m_baseSql = atendimentosql::daySummarySql();
        m_params = atendimentosql::daySummaryParams(unit, m_day());
        m_rows->setSql(m_baseSql + atendimentosql::summaryOrder());
        for (auto it = m_params.cbegin(); it != m_params.cend(); ++it)
            m_rows->query().bind(it.key(), it.value());
        m_rows->open();
        // Read once here; the grid asks for them each time it paints.
        QList<int> ids;
        for (int r = 0; r < m_rows->recordCount(); ++r)
            ids << db::toInt(m_rows->cell(r, QStringLiteral("Id_Atendimento")));
        m_procedures = atendimentosql::procedureNames(ids);
    } catch (const std::exception&) {
        Prompts::information(kErroResumo);
    }
}

void SummaryPage::sortBy(int column) {
    if (m_baseSql.isEmpty())
        return;
    const QList<ui::GridColumn>& columns = m_model->columns();
    const QString field = column >= 0 && column < columns.size() ? columns[column].field : QString();
    const auto openWith = [this](const QString& sql) {
        m_rows->setSql(sql);
        for (auto it = m_params.cbegin(); it != m_params.cend(); ++it)
            m_rows->query().bind(it.key(), it.value());
        m_rows->open();
    };
    try {
        if (field.isEmpty())
            throw db::Error(kNaoPodeOrdenar);
        openWith(registersql::withOrderBy(m_baseSql, field));
        m_model->markSortColumn(column);
    } catch (const std::exception&) {
        openWith(m_baseSql);
        Prompts::error(kNaoPodeOrdenar);
    }
}
