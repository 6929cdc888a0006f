// SPDX-License-Identifier: GPL-3.0-or-later
// 046 - advanced search of owners and animals.

#include "registry/search/UPesquisaAvancado.h"

#include "common/ExportStatus.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/access/FormOpening.h"
#include "common/rules/Formats.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/DateEdit.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/GridRows.h"
#include "registry/register/UPropAnimal.h"
#include "registry/search/PesquisaAvancadoExport.h"
#include "registry/search/PesquisaAvancadoSql.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
using namespace common;
using namespace registry;

namespace {

// A labelled control in a group's grid, four per row.
class Boxes {
public:
    explicit Boxes(QGroupBox* box) : m_box(box), m_rows(new QGridLayout(box)) {}

    QLineEdit* text(const char* name, const QString& label) {
        auto* edit = new QLineEdit(m_box);
        edit->setObjectName(QString::fromLatin1(name));
        ui::dropControlsAsTyped(edit);
        ui::EnterAsTab::install(edit);
        place(label, edit);
        return edit;
    }
    QComboBox* list(const char* name, const QString& label, const QStringList& fixed = {}, bool enterMoves = true) {
        auto* combo = new QComboBox(m_box);
        combo->setObjectName(QString::fromLatin1(name));
        combo->setEditable(true);
        combo->addItems(fixed);
        combo->setCurrentIndex(-1);
        combo->setMinimumWidth(120);  // the form fits a 1366-pixel screen
        if (enterMoves)
            ui::EnterAsTab::install(combo);
        place(label, combo);
        return combo;
    }
    void place(const QString& label, QWidget* control) {
        if (m_placed++ % 4 == 0)
            m_rows.row();
        m_rows.over(label, control);
    }

private:
    QGroupBox* m_box;
    ui::GridRows m_rows;
    int m_placed = 0;
};

ui::DateEdit* datePicker(QWidget* parent, const char* name, const QDate& date) {
    auto* edit = new ui::DateEdit(date, parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setEnabled(false);
    return edit;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace

TfrmPesquisaAvancado::TfrmPesquisaAvancado(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmPesquisaAvancado"));
    setWindowTitle(QStringLiteral("046 - Pesquisa Avançada."));
    setAttribute(Qt::WA_DeleteOnClose, true);
    qryPrincipal = new db::DataSet(db::kMain, this);
    qryPrincipal->setObjectName(QStringLiteral("qryPrincipal"));
    createAnimalCriteria();
    createAddressCriteria();
    createOwnerCriteria();
    createButtons();
    createGrid();
    layOut();
    connectControls();
    resize(1200, 760);
}

void TfrmPesquisaAvancado::createAnimalCriteria() {
    m_animalBox = new QGroupBox(QStringLiteral(" Dados do animal: "), this);
    Boxes a(m_animalBox);
    a.text("mkeCodAnimal", QStringLiteral("Cód. animal:"));
    ui::Capitals::install(a.text("mkeNomeAnimal", QStringLiteral("Nome do animal:")));
    a.list("cbbGrupo", QStringLiteral("Grupo:"), {}, false);
    a.list("cbbEspecie", QStringLiteral("Espécie:"), {}, false);
    a.list("cbbRaca", QStringLiteral("Raça:"), {}, false);
    a.list("cbbPorte", QStringLiteral("Porte:"));
    a.list("cbbPelo", QStringLiteral("Pelo:"));
    ui::Capitals::install(a.text("edtCor", QStringLiteral("Cor:")));
    a.list("cbbSexo", QStringLiteral("Sexo:"), {QStringLiteral("M"), QStringLiteral("F")});
    a.text("mkePedigree", QStringLiteral("Pedigree:"));
    a.text("mkeMicrochip", QStringLiteral("Microchip:"));
    ui::Capitals::install(a.text("mkeSinais", QStringLiteral("Sinais:")));
    a.list("cbbComSemMicrochipe", QStringLiteral("Microchipado:"), {QStringLiteral("SIM"), QStringLiteral("NAO")},
           false);
    a.list("cbbEsterilizado", QStringLiteral("Esterilizado:"), {QStringLiteral("SIM"), QStringLiteral("NAO")});
    ckbIgnoraData = new QCheckBox(QStringLiteral("Ignorar DT."), m_animalBox);
    ckbIgnoraData->setObjectName(QStringLiteral("ckbIgnoraData"));
    ckbIgnoraData->setChecked(true);
    dtpDataInicio = datePicker(m_animalBox, "dtpDataInicio", QDate(1990, 1, 1));
    dtpDataFim = datePicker(m_animalBox, "dtpDataFim", QDate(2030, 12, 31));
    auto* born = new QGroupBox(QStringLiteral("Nascido entre :"), m_animalBox);
    auto* bornRow = new QHBoxLayout(born);
    bornRow->addWidget(ckbIgnoraData);
    bornRow->addWidget(new QLabel(QStringLiteral("De"), born));
    bornRow->addWidget(dtpDataInicio);
    bornRow->addWidget(new QLabel(QStringLiteral("a"), born));
    bornRow->addWidget(dtpDataFim);
    a.place(QString(), born);
}

void TfrmPesquisaAvancado::createAddressCriteria() {
    m_addressBox = new QGroupBox(QStringLiteral("Endereço do animal: "), this);
    Boxes e(m_addressBox);
    e.list("cbbDistrito", QStringLiteral("Distrito:"));
    e.list("cbbArea", QStringLiteral("Área:"));
    e.list("cbbBairro", QStringLiteral("Bairro:"));
    ui::Capitals::install(e.text("mkeLogradouro", QStringLiteral("Logradouro:")));
    e.text("mkeNum_Imivel", QStringLiteral("Nº imóvel:"));
    ui::Capitals::install(e.text("mkeComplemento", QStringLiteral("Complemento:")));
}

void TfrmPesquisaAvancado::createOwnerCriteria() {
    m_ownerBox = new QGroupBox(QStringLiteral(" Dados do proprietário: "), this);
    Boxes o(m_ownerBox);
    o.text("mkeCodProprietario", QStringLiteral("Cód. proprietário:"));
    ui::Capitals::install(o.text("edtNome", QStringLiteral("Nome:")));
    o.list("cbbTipoPessoa", QStringLiteral("Tipo pessoa:"), {QStringLiteral("FÍSICA"), QStringLiteral("JURÍDICA")});
    o.text("mkeNumCPF_CNPJ", QStringLiteral("CPF / CNPJ:"));
    o.text("mkeIdentidade", QStringLiteral("Identidade:"));
}

void TfrmPesquisaAvancado::createButtons() {
    rdbRegistroAtivo = new QRadioButton(QStringLiteral("Regtros ativos."), this);
    rdbRegistroAtivo->setObjectName(QStringLiteral("rdbRegistroAtivo"));
    rdbRegistroAtivo->setChecked(true);
    rdbRegistroInativo = new QRadioButton(QStringLiteral("Regitros inativos."), this);
    rdbRegistroInativo->setObjectName(QStringLiteral("rdbRegistroInativo"));
    m_search = button(this, "bmpLocalizar", QStringLiteral("&Pesquisar"));
    m_export = button(this, "BitBtn1", QStringLiteral("&Exportar..."));
    m_toRegister = button(this, "BitBtn2", QStringLiteral("Ir para cadastro..."));
    m_leave = button(this, "bmpSair", QStringLiteral("&Sair"));
    m_refresh = new QAction(QStringLiteral("Atualizar"), this);
    m_refresh->setObjectName(QStringLiteral("actAtualizar"));
    addAction(m_refresh);
}

void TfrmPesquisaAvancado::createGrid() {
    dbgPrincipal = new QTableView(this);
    dbgPrincipal->setObjectName(QStringLiteral("dbgPrincipal"));
    QList<ui::GridColumn> columns;
    for (const AdvancedGridColumn& c : advancedGridColumns()) {
        columns << (c.width > 0 ? ui::GridColumn::fixedAt(c.title, c.field, c.width)
                                : ui::GridColumn(c.title, c.field));
        if (c.date)
            columns.last().format = [](const QVariant& value) { return fmt::date(db::toDateTime(value)); };
    }
    ui::bindGrid(dbgPrincipal, qryPrincipal, columns);
    StatusBar1 = makeExportStatusBar(this, 3);
}

void TfrmPesquisaAvancado::layOut() {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(rdbRegistroAtivo);
    buttons->addWidget(rdbRegistroInativo);
    buttons->addStretch(1);
    for (QPushButton* b : {m_search, m_export, m_toRegister, m_leave})
        buttons->addWidget(b);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(m_animalBox, 2);
    auto* right = new QVBoxLayout;
    right->addWidget(m_addressBox);
    right->addWidget(m_ownerBox);
    boxes->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
    layout->addWidget(dbgPrincipal, 1);
    layout->addWidget(StatusBar1);
}

void TfrmPesquisaAvancado::connectControls() {
    onTriggered(m_refresh, [this] { fillLists(); });
    connect(ckbIgnoraData, &QCheckBox::toggled, this, [this](bool ignore) {
        dtpDataInicio->setEnabled(!ignore);
        dtpDataFim->setEnabled(!ignore);
    });
    connect(rdbRegistroAtivo, &QRadioButton::clicked, this, [this] { guarded([this] { statusChosen(); }); });
    connect(rdbRegistroInativo, &QRadioButton::clicked, this, [this] { guarded([this] { statusChosen(); }); });
    connect(m_search, &QPushButton::clicked, this, [this] { guarded([this] { search(); }); });
    connect(m_export, &QPushButton::clicked, this, [this] { guarded([this] { exportRows(); }); });
    connect(m_toRegister, &QPushButton::clicked, this, [this] { guarded([this] { openRegister(); }); });
    connect(m_leave, &QPushButton::clicked, this, &QWidget::close);
    ui::onTitleClick(dbgPrincipal, [this](int column) { guarded([this, column] { sortBy(column); }); });
}

void TfrmPesquisaAvancado::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous() || std::exchange(m_filled, true))
        return;
    guarded([this] { fillLists(); });
}

void TfrmPesquisaAvancado::fillLists() {
    using namespace pesquisaavancadosql;
    const std::pair<const char*, QStringList (*)()> lists[] = {
        {"cbbDistrito", districtItems}, {"cbbArea", areaItems},       {"cbbBairro", neighbourhoodItems},
        {"cbbGrupo", groupItems},       {"cbbEspecie", speciesItems}, {"cbbRaca", breedItems},
        {"cbbPorte", sizeItems},        {"cbbPelo", coatItems},
    };
    for (const auto& [name, read] : lists) {
        auto* combo = findChild<QComboBox*>(QString::fromLatin1(name));
        combo->clear();
        combo->addItems(read());
        combo->setCurrentIndex(-1);
    }
}

AdvancedCriteria TfrmPesquisaAvancado::criteria() const {
    AdvancedCriteria c;
    for (const pesquisaavancadosql::Criterion& criterion : pesquisaavancadosql::advancedCriteria()) {
        if (auto* combo = findChild<QComboBox*>(criterion.control))
            c.texts.insert(criterion.control, combo->currentText());
        else if (auto* edit = findChild<QLineEdit*>(criterion.control))
            c.texts.insert(criterion.control, edit->text());
    }
    c.texts.insert(QStringLiteral("cbbComSemMicrochipe"),
                   findChild<QComboBox*>(QStringLiteral("cbbComSemMicrochipe"))->currentText());
    c.inactiveOwners = rdbRegistroInativo->isChecked();
    c.birthDate = !ckbIgnoraData->isChecked();
    c.bornFrom = dtpDataInicio->date();
    c.bornTo = dtpDataFim->date();
    return c;
}

void TfrmPesquisaAvancado::search() {
    SearchFilter filter;
    try {
        filter = pesquisaavancadosql::searchFilter(criteria());
    } catch (const InvalidCriterion& refused) {
        Prompts::information(refused.message);
        if (auto* control = findChild<QWidget*>(refused.control))
            control->setFocus();
        return;
    }
    qryPrincipal->close();
    m_last.reset();
    showNotice(StatusBar1, 2, QString(), Qt::yellow);
    showNotice(StatusBar1, 0, kPesquisaAguarde, Qt::yellow);
    bool found = false;
    try {
        // The count by a statement of its own, then the rows, read as the grid shows them.
        m_found = pesquisaavancadosql::count(filter);
        showNotice(StatusBar1, 2, kTotalRegistro + QString::number(m_found), Qt::yellow);
        pesquisaavancadosql::open(*qryPrincipal, filter);
        m_last = filter;
        ui::gridModelOf(dbgPrincipal)->markSortColumn(-1);
        found = !qryPrincipal->isEmpty();
    } catch (const std::exception&) {
        qryPrincipal->close();
        showNotice(StatusBar1, 0, kErroNaPesquisa, Qt::red);
        Prompts::error(kErroTentarPesquisar);
        showNotice(StatusBar1, 0, kOperacaoConcluida, QApplication::palette().color(QPalette::Button));
        return;
    }
    showNotice(StatusBar1, 0, kOperacaoConcluida, QApplication::palette().color(QPalette::Button));
    if (!found)
        Prompts::warning(kRegistroNaoEncontrado);
}

void TfrmPesquisaAvancado::sortBy(int column) {
    if (!m_last)
        return;
    const QString field = advancedGridColumns().value(column).field;
    if (pesquisaavancadosql::sortExpression(field).isEmpty())
        return;
    try {
        pesquisaavancadosql::open(*qryPrincipal, *m_last, field);
        ui::gridModelOf(dbgPrincipal)->markSortColumn(column);
    } catch (const std::exception&) {
        pesquisaavancadosql::open(*qryPrincipal, *m_last);
        Prompts::error(kErroOrdenar);
    }
}

void TfrmPesquisaAvancado::statusChosen() {
    QPalette palette = dbgPrincipal->palette();
    palette.setColor(QPalette::Base, QApplication::palette().color(rdbRegistroInativo->isChecked() ? QPalette::Button
                                                                                                   : QPalette::Base));
    dbgPrincipal->setPalette(palette);
    qryPrincipal->close();
    for (int panel = 0; panel < 3; ++panel)
        showNotice(StatusBar1, panel, QString(), StatusBar1->palette().color(QPalette::Window));
}

void TfrmPesquisaAvancado::exportRows() {
    const bool rows = qryPrincipal->isActive() && !qryPrincipal->isEmpty() &&
                      !qryPrincipal->field(QStringLiteral("Id_Proprietario")).isNull();
    if (!rows && !Prompts::confirm(kNaoHaRegistroExportar))
        return;
    // Under either filter the table is written with ".dbf" (and the dictionary beside it ends in ".txt").
    const QString chosen = Prompts::saveFileName(
        windowTitle(), {Prompts::kArquivoDbase, {QStringLiteral("Texto (*.txt)"), Prompts::kArquivoDbase.suffix}});
    if (chosen.trimmed().isEmpty())
        return;
    const QString table = dbase::tableFileName(chosen);
    try {
        // The rows the grid shows, in its order, read again from the server as they are written; with no
        // result, the columns alone.
        writeWithNotice(
            StatusBar1, 0,
            [&](const dbase::Progress& progress) {
                if (qryPrincipal->isActive()) {
                    dbase::writeSelect(table, advancedResultFields(), qryPrincipal->query(), {}, progress);
                } else {
                    dbase::Writer writer(table, advancedResultFields());
                    writer.close();
                }
            },
            m_found);
    } catch (const std::exception& e) {
        const QFileInfo file(table);
        Prompts::error(
            exportFailure(kErroExportarPara.arg(file.absolutePath() + QLatin1Char('/') + file.fileName()), e));
        return;
    }
    const QString dictionary = chosen + QStringLiteral(".txt");
    try {
        writeTextLines(dictionary, advancedDictionary());
    } catch (const std::exception& e) {
        Prompts::error(exportFailure(kErroExportarVelmoran, e));
        return;
    }
    Prompts::information(kExportacaoConcluidaModelo + dictionary);
}

void TfrmPesquisaAvancado::openRegister() {
    if (!qryPrincipal->isActive() || qryPrincipal->recNo() < 0)
        return;
    const QVariant owner = qryPrincipal->field(QStringLiteral("Id_Proprietario"));
    if (owner.isNull())
        return;
    const int animal = db::toInt(qryPrincipal->field(QStringLiteral("Id_Animal")));
    openerFor(QStringLiteral("actProprietario_Animal"))();
    if (frmPropAnimal)
        frmPropAnimal->openAnyOwner(db::toInt(owner), animal);
}
