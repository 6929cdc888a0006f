// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule list editors of the professional register.

#include "registers/ScheduleGroup.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "platform/ui/ColumnWidths.h"
#include "platform/ui/DateEdit.h"
#include "platform/ui/GridRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTimeEdit>
#include <QTreeWidget>

using namespace registers;

namespace {

// What each list row keeps besides its texts; the texts are for display only.
enum Role {
    UnitRole = Qt::UserRole,
    FirstDayRole,
    LastDayRole,
    StartRole,
    EndRole,
    WeekdayRole,
};

const QString kDateFormat = QStringLiteral("dd/MM/yyyy");
const QString kTimeFormat = QStringLiteral("HH:mm:ss");

QStringList columnsOf(ScheduleGroup::Kind kind) {
    switch (kind) {
    case ScheduleGroup::Kind::WorkingHours:
        return {QStringLiteral("Cod. unidade"),  QStringLiteral("Unidade"),    QStringLiteral("Data inicial"),
                QStringLiteral("Hora inical"),   QStringLiteral("Data final"), QStringLiteral("Hora final"),
                QStringLiteral("Dia da semana"), QStringLiteral("Cod. semana")};
    case ScheduleGroup::Kind::Impediments:
        return {QStringLiteral("Cod. Unidade"), QStringLiteral("Unidade"),      QStringLiteral("Data inical"),
                QStringLiteral("Data final"),   QStringLiteral("Hora inicial"), QStringLiteral("Hora final")};
    case ScheduleGroup::Kind::ExtraHours: break;
    }
    return {QStringLiteral("Cod. Unidade"), QStringLiteral("Unidade"),      QStringLiteral("Data inicial"),
            QStringLiteral("Data final"),   QStringLiteral("Hora inicial"), QStringLiteral("Hora final")};
}

QString captionOf(ScheduleGroup::Kind kind) {
    return kind == ScheduleGroup::Kind::WorkingHours ? QStringLiteral(" Dias/Hora do atendimento: ")
                                                     : QStringLiteral(" Impedimento: ");
}

// A control of the group takes its name with the group's suffix.
void named(QWidget* w, const QString& name, const QString& suffix) { w->setObjectName(name + suffix); }

QTime toSecond(const QTime& t) { return QTime(t.hour(), t.minute(), t.second()); }

}  // namespace

ScheduleGroup::ScheduleGroup(Kind kind, const QString& listName, const QString& suffix, std::function<bool()> editable,
                             QWidget* parent)
    : QGroupBox(captionOf(kind), parent), m_kind(kind), m_editable(std::move(editable)) {
    setObjectName(QStringLiteral("grb") + suffix);
    createFields(suffix);
    createList(listName);
    QBoxLayout* buttons = createButtons(suffix);
    QLayout* fields = layOutFields();
    if (kind == Kind::WorkingHours)
        buttons->addWidget(createCancel(suffix));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->addWidget(m_list, 1);
}

void ScheduleGroup::createFields(const QString& suffix) {
    m_unit = new QComboBox(this);
    named(m_unit, QStringLiteral("cbbUnidade"), suffix);
    m_firstDay = new ui::DateEdit(QDate::currentDate(), this);
    m_lastDay = new ui::DateEdit(QDate::currentDate(), this);
    named(m_firstDay, QStringLiteral("dtpDataInicial"), suffix);
    named(m_lastDay, QStringLiteral("dtpDataFinal"), suffix);
    m_start = new QTimeEdit(this);
    m_end = new QTimeEdit(this);
    for (QTimeEdit* t : {m_start, m_end})
        t->setDisplayFormat(kTimeFormat);
    named(m_start, QStringLiteral("dtpHoraInicial"), suffix);
    named(m_end, QStringLiteral("dtpHoraFinal"), suffix);
}

void ScheduleGroup::createList(const QString& listName) {
    m_list = new QTreeWidget(this);
    m_list->setObjectName(listName);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHeaderLabels(columnsOf(m_kind));
    m_list->setColumnWidth(0, 40);
    ui::ColumnFitter::fitList(m_list);
}

QBoxLayout* ScheduleGroup::createButtons(const QString& suffix) {
    auto* incluir = new QPushButton(QStringLiteral("&Incluir"), this);
    named(incluir, QStringLiteral("btnIncluir"), suffix);
    auto* excluir = new QPushButton(QStringLiteral("&Excluir"), this);
    named(excluir, QStringLiteral("btnExcluir"), suffix);
    connect(incluir, &QPushButton::clicked, this, [this] { guarded([this] { include(); }); });
    connect(excluir, &QPushButton::clicked, this, [this] { guarded([this] { exclude(); }); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(incluir);
    buttons->addWidget(excluir);
    return buttons;
}

QLayout* ScheduleGroup::layOutFields() {
    auto* fields = new QGridLayout;
    ui::GridRows rows(fields);
    rows.row().labelled(QStringLiteral("Unidade de atendimento:"), m_unit, 3);
    rows.row().labelled(QStringLiteral("Data inicial:"), m_firstDay).labelled(QStringLiteral("Data final:"), m_lastDay);
    rows.row().labelled(QStringLiteral("Hora inicial:"), m_start).labelled(QStringLiteral("Hora final:"), m_end);
    if (m_kind == Kind::WorkingHours)
        rows.row().add(createWeekdays(), 4);
    return fields;
}

QLayout* ScheduleGroup::createWeekdays() {
    auto* days = new QHBoxLayout;
    for (const QString& name : weekdayNames()) {
        auto* box = new QCheckBox(name, this);
        box->setObjectName(QStringLiteral("chk") + QString(name).replace(QStringLiteral("ç"), QStringLiteral("c")));
        days->addWidget(box);
        m_days << box;
    }
    days->addStretch(1);
    return days;
}

// The group's "&Cancelar" does nothing.
QPushButton* ScheduleGroup::createCancel(const QString& suffix) {
    auto* cancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    named(cancelar, QStringLiteral("btnCancelar"), suffix);
    return cancelar;
}

void ScheduleGroup::setUnits(const db::RowSet& units) {
    const int key = units.fieldIndex(QStringLiteral("id_Unidade_trabalho"));
    const int name = units.fieldIndex(QStringLiteral("nome"));
    m_unit->clear();
    for (int r = 0; r < units.count(); ++r)
        m_unit->addItem(db::toText(units.row(r)[name]), units.row(r)[key]);
    m_unit->setCurrentIndex(-1);
}

void ScheduleGroup::setMoment(const QDateTime& now) {
    for (ui::DateEdit* d : {m_firstDay, m_lastDay})
        d->setDate(now.date());
    for (QTimeEdit* t : {m_start, m_end})
        t->setTime(toSecond(now.time()));
}

QList<QCheckBox*> ScheduleGroup::tickedDays() const {
    QList<QCheckBox*> ticked;
    for (QCheckBox* box : m_days)
        if (box->isChecked())
            ticked << box;
    return ticked;
}

void ScheduleGroup::include() {
    if (!m_editable()) {
        Prompts::information(kClickNovoAlterar);
        return;
    }
    const QList<QCheckBox*> ticked = tickedDays();
    if (m_kind == Kind::WorkingHours && ticked.isEmpty()) {
        Prompts::information(kFaltaDiaSemana);
        return;
    }
    if (m_unit->currentText().trimmed().isEmpty() || m_unit->currentIndex() < 0) {
        Prompts::information(kFaltaUnidadeAtendimento);
        return;
    }
    ScheduleEntry entry{.unit = m_unit->currentData(),
                        .unitName = m_unit->currentText(),
                        .firstDay = m_firstDay->date(),
                        .lastDay = m_lastDay->date(),
                        .start = toSecond(m_start->time()),
                        .end = toSecond(m_end->time())};
    if (isReversed(entry)) {
        Prompts::information(kInicialMaiorFinal);
        return;
    }
    std::optional<QStringList> weekdays;
    if (m_kind == Kind::WorkingHours) {
        weekdays.emplace();
        for (QCheckBox* box : ticked)
            weekdays->append(box->text());
    }
    if (conflicts(entry, entries(), weekdays)) {
        Prompts::information(kConflitoHorario);
        return;
    }
    if (!weekdays) {
        addRow(entry);
        return;
    }
    for (const QString& day : std::as_const(*weekdays)) {
        entry.weekday = day;
        addRow(entry);
    }
}

void ScheduleGroup::exclude() {
    if (!m_editable()) {
        Prompts::information(kClickNovoAlterar);
        return;
    }
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        Prompts::information(kSelecioneRegistro);
        return;
    }
    delete selected.first();
}

void ScheduleGroup::addRow(const ScheduleEntry& e) {
    const QString unit = db::toText(e.unit);
    const QString d1 = e.firstDay.toString(kDateFormat), d2 = e.lastDay.toString(kDateFormat);
    const QString t1 = e.start.toString(kTimeFormat), t2 = e.end.toString(kTimeFormat);
    const QStringList texts = m_kind == Kind::WorkingHours
                                  ? QStringList{unit, e.unitName, d1, t1, d2, t2, e.weekday, QString()}
                                  : QStringList{unit, e.unitName, d1, d2, t1, t2};
    auto* item = new QTreeWidgetItem(m_list, texts);
    item->setData(0, UnitRole, e.unit);
    item->setData(0, FirstDayRole, e.firstDay);
    item->setData(0, LastDayRole, e.lastDay);
    item->setData(0, StartRole, e.start);
    item->setData(0, EndRole, e.end);
    item->setData(0, WeekdayRole, e.weekday);
}

QList<ScheduleEntry> ScheduleGroup::entries() const {
    QList<ScheduleEntry> out;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_list->topLevelItem(i);
        out << ScheduleEntry{.unit = item->data(0, UnitRole),
                             .unitName = item->text(1),
                             .firstDay = item->data(0, FirstDayRole).toDate(),
                             .lastDay = item->data(0, LastDayRole).toDate(),
                             .start = item->data(0, StartRole).toTime(),
                             .end = item->data(0, EndRole).toTime(),
                             .weekday = item->data(0, WeekdayRole).toString()};
    }
    return out;
}

void ScheduleGroup::setEntries(const QList<ScheduleEntry>& entries) {
    m_list->clear();
    for (const ScheduleEntry& e : entries)
        addRow(e);
}

void ScheduleGroup::clearEntries() { m_list->clear(); }
