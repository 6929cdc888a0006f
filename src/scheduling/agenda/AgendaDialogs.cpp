// SPDX-License-Identifier: GPL-3.0-or-later
// The report selection dialogs of the agenda.
#include "scheduling/agenda/AgendaDialogs.h"

#include "common/FormWindows.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/access/FormOpening.h"
#include "common/access/Session.h"
#include "platform/ui/DateEdit.h"
#include "scheduling/agenda/AgendaReports.h"
#include "scheduling/agenda/AgendaRules.h"
#include "scheduling/agenda/AgendaSql.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMap>
#include <QPushButton>
#include <QVBoxLayout>

using namespace scheduling;

namespace {

QStringList entriesOf(const db::RowSet& rows) {
    QList<QPair<QVariant, QVariant>> pairs;
    for (int r = 0; r < rows.count(); ++r)
        pairs.append({rows.row(r)[0], rows.row(r)[1]});
    return selectionEntries(pairs);
}

QComboBox* combo(QWidget* parent, const char* name, const QStringList& items, bool editable) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setEditable(editable);
    c->addItems(items);
    c->setCurrentIndex(-1);
    c->setMinimumWidth(260);
    return c;
}

ui::DateEdit* datePicker(QWidget* parent, const char* name, const QDate& start) {
    auto* d = new ui::DateEdit(start, parent);
    d->setObjectName(QLatin1String(name));
    return d;
}

// The fields above, the two buttons below; the second button closes the dialog, the first runs `run`.
void layOut(QWidget* dialog, QFormLayout* fields, QPushButton*& run, const QString& runCaption, QPushButton*& quit,
            const QString& quitCaption, const std::function<void()>& handler) {
    run = new QPushButton(runCaption, dialog);
    run->setObjectName(QStringLiteral("BitBtn2"));
    quit = new QPushButton(quitCaption, dialog);
    quit->setObjectName(QStringLiteral("BitBtn1"));
    QObject::connect(run, &QPushButton::clicked, dialog, [handler] { guarded(handler); });
    QObject::connect(quit, &QPushButton::clicked, dialog, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(run);
    buttons->addWidget(quit);
    auto* main = new QVBoxLayout(dialog);
    main->addLayout(fields);
    main->addLayout(buttons);
}

QDateTime atMidnight(const QDate& d) { return QDateTime(d, QTime(0, 0)); }

// `buttons`: the window buttons the dialog has besides its title.
template <typename Dialog>
void open(Dialog* dialog, QPointer<Dialog>& global, Qt::WindowFlags buttons) {
    global = dialog;
    showForm(dialog, ShowAs::MdiChild);
    setWindowButtons(dialog, buttons);
}

}  // namespace

QStringList selectionEntries(const QList<QPair<QVariant, QVariant>>& idsAndNames) {
    QStringList entries{kTodos};
    for (const auto& [id, name] : idsAndNames)
        entries << db::toText(id).trimmed() + QStringLiteral(" - ") + db::toText(name).trimmed();
    return entries;
}

TfrmSelRelDataUnidade::TfrmSelRelDataUnidade(int tag, QWidget* parent) : QWidget(parent), Tag(tag) {
    setObjectName(QStringLiteral("frmSelRelDataUnidade"));
    setWindowTitle(QStringLiteral("Seleção de relatório."));
    cbbUnidade = combo(this, "cbbUnidade", entriesOf(agendasql::activeUnits()), true);
    dtpDataInicial = datePicker(this, "dtpDataInicial", QDate(2000, 1, 1));
    dtpDataFinal = datePicker(this, "dtpDataFinal", QDate(2020, 12, 31));
    auto* periodo = new QGroupBox(QStringLiteral(" Periodo "), this);
    periodo->setObjectName(QStringLiteral("GroupBox1"));
    auto* dates = new QFormLayout(periodo);
    dates->addRow(QStringLiteral("Inicio:"), dtpDataInicial);
    dates->addRow(QStringLiteral("Fim:"), dtpDataFinal);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Unidade :"), cbbUnidade);
    fields->addRow(periodo);
    layOut(this, fields, BitBtn2, QStringLiteral("&Visualizar impr."), BitBtn1, QStringLiteral("&Sair"),
           [this] { preview(); });
}

void TfrmSelRelDataUnidade::preview() {
    const std::optional<int> unit = entryId(cbbUnidade->currentText());
    if (!unit) {
        Prompts::information(kFaltaSelecionarUnidade);
        return;
    }
    UnidadeRel = *unit;
    DataInicialRel = atMidnight(dtpDataInicial->date());
    DataFinalRel = atMidnight(dtpDataFinal->date());
    const FormOpener start = reportStarterFor(Tag);
    close();
    if (start)
        start();
}

TfrmSelRelAgendaMensal::TfrmSelRelAgendaMensal(int tag, QWidget* parent) : QWidget(parent), Tag(tag) {
    setObjectName(QStringLiteral("frmSelRelAgendaMensal"));
    QStringList years;
    for (int y = 2005; y <= db::serverTime().date().year() + 1; ++y)
        years << QString::number(y);
    const QStringList months{"01 - Janeiro",  "02 - Fevereiro", "03 - Março",    "04 - Abril",
                             "05 - Maio",     "06 - Junho",     "07 - Julho",    "08 - Agosto",
                             "09 - Setembro", "10 - Outubro",   "11 - Novembro", "12 - Dezembro"};
    cbbAno = combo(this, "cbbAno", years, true);
    cbbMes = combo(this, "cbbMes", months, true);
    cbbUnidade = combo(this, "cbbUnidade", entriesOf(agendasql::unitsAsStored()), true);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Ano:"), cbbAno);
    fields->addRow(QStringLiteral("Mês:"), cbbMes);
    fields->addRow(QStringLiteral("Unidade:"), cbbUnidade);
    layOut(this, fields, BitBtn2, QStringLiteral("Gerar relatório..."), BitBtn1, QStringLiteral("&Sair"),
           [this] { preview(); });
    cbbUnidade->setFocus();
}

void TfrmSelRelAgendaMensal::preview() {
    const int tag = Tag;
    const std::optional<int> unit = entryId(cbbUnidade->currentText());
    AnoRel = cbbAno->currentText();
    MesRel = cbbMes->currentText().left(2).trimmed();
    UnidadeRelMensal = unit ? QString::number(qMax(*unit, 0)) : cbbUnidade->currentText().trimmed();
    close();
    if (tag != 51)
        return;
    if (auto report = TfrmRelAgendaRelatorioMensal::create())
        Prompts::preview(report, true);
}

TfrmSelAgendaProfissional::TfrmSelAgendaProfissional(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmSelAgendaProfissional"));
    setWindowTitle(QStringLiteral("Agenda profissional."));
    cbbProfissional = combo(this, "cbbProfissional", entriesOf(agendasql::professionals()), true);
    cbbProfissional->setCurrentIndex(0);
    dtpInicial = datePicker(this, "dtpInicial", QDate(2010, 1, 1));
    dtpFinal = datePicker(this, "dtpFinal", QDate(2010, 12, 31));
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Profissional:"), cbbProfissional);
    fields->addRow(QStringLiteral("Inicial:"), dtpInicial);
    fields->addRow(QStringLiteral("Final:"), dtpFinal);
    layOut(this, fields, BitBtn2, QStringLiteral("&Visualizar..."), BitBtn1, QStringLiteral("&Cancelar"),
           [this] { preview(); });
}

void TfrmSelAgendaProfissional::preview() {
    const std::optional<int> professional = entryId(cbbProfissional->currentText());
    if (!professional) {
        Prompts::information(kRelatorioNaoConstruido);
        return;
    }
    DataInicialProf = atMidnight(dtpInicial->date());
    DataFinalProf = atMidnight(dtpFinal->date());
    ProfissionalRel = QString::number(qMax(*professional, 0));
    close();
    Prompts::preview(std::make_shared<TfrmRelAgendaProfissional>(), false);
}

void openSelRelDataUnidade(int tag) {
    open(new TfrmSelRelDataUnidade(tag), frmSelRelDataUnidade, Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
}
void openSelRelAgendaDiaria() { openSelRelDataUnidade(50); }
void openSelRelAgendaMensal() { open(new TfrmSelRelAgendaMensal(51), frmSelRelAgendaMensal, Qt::WindowSystemMenuHint); }
void openSelAgendaProfissional() { open(new TfrmSelAgendaProfissional, frmSelAgendaProfissional, {}); }
