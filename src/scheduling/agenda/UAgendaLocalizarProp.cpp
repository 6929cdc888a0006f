// SPDX-License-Identifier: GPL-3.0-or-later
// The agenda's attendance locator.
#include "scheduling/agenda/UAgendaLocalizarProp.h"

#include "common/FormWindows.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/rules/Documents.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/EnterAsTab.h"
#include "scheduling/agenda/AgendaPages.h"
#include "scheduling/agenda/AgendaSql.h"
#include "scheduling/agenda/AttendanceTarget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace scheduling;

namespace {

using agendasql::LocateBy;

const QList<QPair<QString, LocateBy>>& choices() {
    static const QList<QPair<QString, LocateBy>> list{{QStringLiteral("Nome Propriet."), LocateBy::OwnerName},
                                                      {QStringLiteral("Nome animal"), LocateBy::AnimalName},
                                                      {QStringLiteral("Código atendimento"), LocateBy::Attendance},
                                                      {QStringLiteral("CPF/CNPJ"), LocateBy::Cpf},
                                                      {QStringLiteral("Identidade"), LocateBy::Identity},
                                                      {QStringLiteral("Microchip"), LocateBy::Microchip},
                                                      {QStringLiteral("Cód. Proprietário"), LocateBy::Owner},
                                                      {QStringLiteral("Cód. Animal"), LocateBy::Animal}};
    return list;
}

QString digitsOf(const QString& text) {
    QString out;
    for (QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            out += c;
    return out;
}

QString withoutBlanks(const QString& text) {
    QString out = text;
    out.remove(QLatin1Char(' '));
    return out;
}

}  // namespace

TfrmAgendaLocalizarProp::TfrmAgendaLocalizarProp(QWidget* agenda, QWidget* parent) : QWidget(parent), m_agenda(agenda) {
    setObjectName(QStringLiteral("frmAgendaLocalizarProp"));
    setWindowTitle(QStringLiteral("Localizar"));
    cbbSelecao = new QComboBox(this);
    cbbSelecao->setObjectName(QStringLiteral("cbbSelecao"));
    for (const auto& choice : choices())
        cbbSelecao->addItem(choice.first);
    cbbSelecao->addItem(QString());
    edtTexto = new QLineEdit(this);
    edtTexto->setObjectName(QStringLiteral("edtTexto"));
    ui::dropControlsAsTyped(edtTexto);
    btnPesquisar = new QPushButton(QStringLiteral("&Pesquisar"), this);
    btnPesquisar->setObjectName(QStringLiteral("btnPesquisar"));
    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    qryPrincipal = new db::DataSet(db::kMain, this);
    dbgPesquisa = new QTableView(this);
    dbgPesquisa->setObjectName(QStringLiteral("dbgPesquisa"));
    m_model = ui::bindGrid(dbgPesquisa, qryPrincipal,
                           {{QStringLiteral("Nº Atendimento"), QStringLiteral("id_atendimento"), 90},
                            {QStringLiteral("Proprietário"), QStringLiteral("nome_proprietario"), 160},
                            {QStringLiteral("Cód.Prop."), QStringLiteral("id_proprietario")},
                            {QStringLiteral("Animal"), QStringLiteral("nome_animal"), 120},
                            {QStringLiteral("Cód.Animal"), QStringLiteral("id_animal")},
                            {QStringLiteral("CPF / CNPJ"), QStringLiteral("Num_CPF_CNPJ"), 100},
                            {QStringLiteral("Identidade"), QStringLiteral("Num_CI"), 100},
                            {QStringLiteral("Microchip"), QStringLiteral("Num_Microchip"), 110}});
    ui::onTitleClick(dbgPesquisa, [this](int column) { sortBy(column); });
    connect(dbgPesquisa, &QTableView::doubleClicked, this, [this] { guarded([this] { confirm(); }); });
    dbgPesquisa->installEventFilter(this);
    connect(btnPesquisar, &QPushButton::clicked, this, [this] { guarded([this] { search(); }); });
    ui::EnterAsTab::pressOnEnter(edtTexto, btnPesquisar);
    connect(btnOK, &QPushButton::clicked, this, [this] { guarded([this] { confirm(); }); });

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Selecione:"), cbbSelecao);
    fields->addRow(QStringLiteral("Texto:"), edtTexto);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnPesquisar);
    buttons->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(dbgPesquisa, 1);
    layout->addLayout(buttons);
    resize(760, 380);
}

TfrmAgendaLocalizarProp* TfrmAgendaLocalizarProp::open(QWidget* agenda) {
    auto* form = new TfrmAgendaLocalizarProp(agenda);
    frmAgendaLocalizarProp = form;
    showForm(form, ShowAs::MdiChild, agenda);
    return form;
}

void TfrmAgendaLocalizarProp::search() {
    qryPrincipal->close();
    qryPrincipal->query().clear();
    const QString choice = cbbSelecao->currentText().trimmed();
    const QString text = edtTexto->text().trimmed();
    auto found = std::find_if(choices().cbegin(), choices().cend(), [&](const auto& c) { return c.first == choice; });
    if (text.isEmpty() || found == choices().cend()) {
        Prompts::information(kFaltaCampoPesquisa);
        return;
    }
    QVariant value = text;
    switch (found->second) {
    case LocateBy::Attendance:
    case LocateBy::Owner:
    case LocateBy::Animal: {
        bool number = false;
        const int id = text.toInt(&number);
        if (!number) {
            Prompts::information(kErroConsulta);
            return;
        }
        value = id;
        break;
    }
    case LocateBy::Cpf:
    case LocateBy::Identity: {
        // The digits, whatever is typed around them; an alphanumeric CNPJ also with its letters.
        const bool document = found->second == LocateBy::Cpf;
        const QStringList compared = document ? typedDocuments(text) : QStringList{digitsOf(text)};
        if (compared.isEmpty() || compared.constFirst().isEmpty()) {
            Prompts::information(kFaltaCampoPesquisa);
            return;
        }
        value = document ? QVariant(compared) : QVariant(compared.constFirst());
        break;
    }
    case LocateBy::Microchip: value = withoutBlanks(text); break;
    default: break;
    }
    try {
        agendasql::selectLocated(*qryPrincipal, found->second, value);
    } catch (const std::exception&) {
        Prompts::information(kErroConsulta);
        return;
    }
    if (qryPrincipal->isEmpty())
        Prompts::information(kNenhumAtendimento + cbbSelecao->currentText() + QStringLiteral(" = ") + edtTexto->text());
}

AttendanceTarget* TfrmAgendaLocalizarProp::agenda() const { return dynamic_cast<AttendanceTarget*>(m_agenda.data()); }

void TfrmAgendaLocalizarProp::confirm() {
    AttendanceTarget* into = agenda();
    if (into && qryPrincipal->isActive() && !qryPrincipal->isEmpty() && qryPrincipal->recNo() >= 0)
        into->showAttendance(qryPrincipal->field(QStringLiteral("id_atendimento")));
    close();
}

void TfrmAgendaLocalizarProp::sortBy(int column) { sortGrid(*qryPrincipal, *m_model, column); }

bool TfrmAgendaLocalizarProp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dbgPesquisa && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded([this] { confirm(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
