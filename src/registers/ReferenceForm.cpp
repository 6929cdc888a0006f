// SPDX-License-Identifier: GPL-3.0-or-later
// The reference-table register built from its table's description: its pages, checks and look-ups.
#include "registers/ReferenceForm.h"

#include "common/Prompts.h"
#include "platform/report/Report.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/FieldLink.h"
#include "platform/ui/GridRows.h"
#include "registers/ReferenceSql.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QValidator>

namespace {

const QString kAtivo = QStringLiteral("ATIVO");
const QString kInativo = QStringLiteral("INATIVO");
// A weight typed with the decimal comma: up to seven whole digits and three decimals, as the column keeps
// them. A point typed becomes the comma rather than vanishing (12.5 must not turn into 125).
class WeightValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input.replace(QLatin1Char('.'), QLatin1Char(','));
        static const QRegularExpression weight(
            QRegularExpression::anchoredPattern(QStringLiteral("\\d{0,7}(,\\d{0,3})?")));
        return weight.match(input).hasMatch() ? Acceptable : Invalid;
    }
};

}  // namespace

bool isWeight(const QString& text) {
    static const QRegularExpression weight(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]+(,[0-9]+)?")));
    return weight.match(text.trimmed()).hasMatch();
}

QString decimalText(const QVariant& value) {
    if (value.isNull() || db::toText(value).trimmed().isEmpty())
        return {};
    return QString::number(db::toNumber(value), 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

ReferenceForm::ReferenceForm(const ReferenceTable& table, QWidget* parent) : RegisterForm(parent), m_table(table) {
    setObjectName(table.objectName);
    setWindowTitle(table.caption);
    describeRegister();
    describeGrid();
    createFields();
    keepControlsAtTop();
    if (!table.search)
        actPesquisar->setVisible(false);
    setFirstFocus(dbeCodigo);
}

void ReferenceForm::describeRegister() {
    setTable({.name = m_table.table, .key = {m_table.key}, .newKey = db::NewKey::Client, .columns = m_table.columns});
    QVariantHash defaults = m_table.defaults;
    defaults.insert(QStringLiteral("Ind_Status"), kAtivo);
    setNewRowDefaults(defaults);
    setReferenceChecks(m_table.references, m_table.refusal);
    setDeleteTexts(m_table.confirmation, m_table.deleteFailure);
    setOpenOnShow(OpenOnShow::AllRows);
    setEmptyCheck(EmptyCheck::BeforeReferences);
}

void ReferenceForm::describeGrid() {
    QList<ui::GridColumn> columns{{QStringLiteral("Código"), m_table.key, 60, ui::readOnlyColour(), true}};
    for (const ReferenceGridColumn& c : m_table.grid) {
        ui::GridColumn column{c.title, c.field, c.width};
        if (c.shows == ReferenceGridColumn::Shows::Decimal) {
            column.format = [](const QVariant& value) { return decimalText(value); };
        } else if (c.shows == ReferenceGridColumn::Shows::Lookup) {
            column.field.clear();
            column.valueField = c.field;
            column.format = [this, sql = c.lookupSql](const QVariant& value) { return lookupName(sql, value); };
        }
        columns << column;
    }
    setGridColumns(columns);
    // Names looked up for the grid are read again with the rows.
    connect(qryPrincipal, &db::DataSet::rowsChanged, this, [this] { m_lookedUp.clear(); });
}

void ReferenceForm::createFields() {
    m_pages.insert(QString(), tbsPrincipal);
    ui::GridRows principal(new QGridLayout(tbsPrincipal));
    dbeCodigo = new QLineEdit(tbsPrincipal);
    dbeCodigo->setObjectName(QStringLiteral("dbeCodigo"));
    dbeCodigo->setMaximumWidth(90);
    ui::setReadOnlyLook(dbeCodigo);
    ui::bindLineEdit(dbeCodigo, qryPrincipal, m_table.key, ui::ValueKind::Integer)->setAlwaysReadOnly(true);
    ui::EnterAsTab::install(dbeCodigo);
    principal.row().labelled(QStringLiteral("Código:"), dbeCodigo, 1, Qt::AlignLeft);

    for (const ReferenceControl& control : m_table.controls)
        m_controls.insert(control.name, makeControl(control, page(control.page)));

    dbcAtivo = new QCheckBox(QStringLiteral("Registro inativo."), tbsPrincipal);
    dbcAtivo->setObjectName(QStringLiteral("dbcAtivo"));
    ui::bindCheckBox(dbcAtivo, qryPrincipal, QStringLiteral("Ind_Status"), kInativo, kAtivo);
    principal.row().skip().add(dbcAtivo);
}

// A page without a memo to take the height keeps its controls at the top.
void ReferenceForm::keepControlsAtTop() {
    for (QWidget* p : std::as_const(m_pages)) {
        auto* grid = static_cast<QGridLayout*>(p->layout());
        bool stretches = false;
        for (int r = 0; r < grid->rowCount(); ++r)
            stretches = stretches || grid->rowStretch(r) > 0;
        if (!stretches)
            ui::GridRows(grid).row().stretch();
    }
}

QWidget* ReferenceForm::page(const QString& caption) {
    if (QWidget* found = m_pages.value(caption))
        return found;
    auto* added = new QWidget(pgcPrincipal);
    added->setObjectName(QStringLiteral("tbs%1").arg(m_pages.size()));
    new QGridLayout(added);
    pgcPrincipal->addTab(added, caption);
    m_pages.insert(caption, added);
    return added;
}

QWidget* ReferenceForm::makeControl(const ReferenceControl& c, QWidget* on) {
    QWidget* widget = nullptr;
    ui::FieldLink* link = nullptr;
    switch (c.kind) {
    case ReferenceControl::Kind::Name:
    case ReferenceControl::Kind::Decimal: {
        auto* edit = new QLineEdit(on);
        if (c.kind == ReferenceControl::Kind::Name) {
            if (c.maxLength > 0)
                ui::setColumnLength(edit, c.maxLength);
            ui::Capitals::install(edit);
            link = ui::bindLineEdit(edit, qryPrincipal, c.field);
        } else {
            edit->setValidator(new WeightValidator(edit));
            if (c.maxLength > 0)
                edit->setMaxLength(c.maxLength);  // digits and a comma
            edit->setMaximumWidth(120);
            link = ui::bindLineEdit(edit, qryPrincipal, c.field, ui::ValueKind::Decimal);
        }
        ui::EnterAsTab::install(edit);
        widget = edit;
        break;
    }
    case ReferenceControl::Kind::Memo: {
        auto* memo = new QPlainTextEdit(on);
        link = ui::bindMemo(memo, qryPrincipal, c.field, c.maxLength);
        widget = memo;
        break;
    }
    case ReferenceControl::Kind::Lookup: {
        auto* combo = new QComboBox(on);
        auto* lookup = ui::bindLookupCombo(combo, qryPrincipal, c.field, c.listKey, c.listShown);
        m_lookups.insert(c.name, lookup);
        ui::EnterAsTab::install(combo);
        link = lookup;
        widget = combo;
        break;
    }
    case ReferenceControl::Kind::Flag: {
        auto* box = new QCheckBox(c.label, on);
        link = ui::bindCheckBox(box, qryPrincipal, c.field, c.ticked, c.unticked);
        widget = box;
        break;
    }
    }
    widget->setObjectName(c.name);
    if (c.readOnly)
        link->setAlwaysReadOnly(true);
    ui::GridRows rows(static_cast<QGridLayout*>(on->layout()));
    if (c.kind == ReferenceControl::Kind::Flag)
        rows.row().skip().add(widget);
    else if (c.kind == ReferenceControl::Kind::Memo)
        rows.row().label(c.label, 1, Qt::AlignTop).add(widget).stretch();
    else
        rows.row().labelled(c.label, widget);
    return widget;
}

void ReferenceForm::opening() {
    // The look-up lists show every row of their table, inactive ones included.
    for (const ReferenceControl& c : m_table.controls) {
        if (c.kind != ReferenceControl::Kind::Lookup)
            continue;
        db::Query list;
        referencesql::openList(list, c.listSql);
        m_lookups.value(c.name)->setList(list.rows());
        if (c.hintField.isEmpty())
            continue;
        auto* combo = static_cast<QComboBox*>(m_controls.value(c.name));
        QHash<QString, QString> hints;
        for (int r = 0; r < list.rowCount(); ++r)
            hints.insert(db::toText(list.value(r, c.listKey)), db::toText(list.value(r, c.hintField)));
        const auto showHint = [combo, hints] { combo->setToolTip(hints.value(db::toText(combo->currentData()))); };
        connect(combo, &QComboBox::currentIndexChanged, this, showHint);
        showHint();
    }
    RegisterForm::opening();
}

void ReferenceForm::newRecord(db::DataSet&) {
    if (QWidget* focus = m_controls.value(m_table.newRowFocus)) {
        pgcPrincipal->setCurrentWidget(focus->parentWidget());
        focus->setFocus();
    }
}

bool ReferenceForm::isBlank(const ReferenceControl& c) const {
    if (c.kind == ReferenceControl::Kind::Lookup)
        return m_lookups.value(c.name)->currentKey().isNull();
    if (c.kind == ReferenceControl::Kind::Decimal)  // a lone comma is no weight
        return !isWeight(static_cast<QLineEdit*>(m_controls.value(c.name))->text());
    return qryPrincipal->str(c.field).trimmed().isEmpty();
}

bool ReferenceForm::validate() {
    for (const ReferenceControl& c : m_table.controls) {
        if (c.requiredMessage.isEmpty() || !isBlank(c))
            continue;
        QWidget* control = m_controls.value(c.name);
        pgcPrincipal->setCurrentWidget(control->parentWidget());
        return refuse(c.requiredMessage, control);
    }
    return true;
}

bool ReferenceForm::checkReferences(const QVariant& key) {
    if (m_table.deleteFailure.isEmpty())
        return RegisterForm::checkReferences(key);
    try {
        return RegisterForm::checkReferences(key);
    } catch (const db::Error&) {
        Prompts::information(m_table.deleteFailure);
        return false;
    }
}

QString ReferenceForm::lookupName(const QString& sql, const QVariant& id) {
    if (db::toText(id).trimmed().isEmpty())
        return {};
    const QString cacheKey = sql + QLatin1Char('\x1f') + db::toText(id);
    const auto found = m_lookedUp.constFind(cacheKey);
    if (found != m_lookedUp.cend())
        return *found;
    QString name;
    try {
        name = referencesql::lookedUpText(sql, id).left(50);
    } catch (const std::exception&) {
        // A grid paints whatever the database says; a failed read leaves the cell empty.
    }
    m_lookedUp.insert(cacheKey, name);
    return name;
}

void ReferenceForm::print() {
    if (m_table.report)
        Prompts::preview(m_table.report(), true);
}

void ReferenceForm::search() {
    if (m_table.search)
        m_table.search(this);
}
