// The street search dialog and its hand-back into the address that opened it.
#include "registry/UEnderecoPesquisa.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/RegisterForm.h"
#include "platform/ui/Capitals.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/EnterAsTab.h"
#include "registry/AddressGroup.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TfrmEnderecoPesquisa::TfrmEnderecoPesquisa(int tag, QObject* target, QWidget* parent)
    : QWidget(parent, Qt::Window), m_tag(tag), m_target(target) {
    setAttribute(Qt::WA_DeleteOnClose, true);
    setObjectName(QStringLiteral("frmEnderecoPesquisa"));
    setWindowTitle(QStringLiteral("Pesquisa endereço."));

    cbbSelecao = new QComboBox(this);
    cbbSelecao->setObjectName(QStringLiteral("cbbSelecao"));
    cbbSelecao->addItems({street::kCriterionCode, street::kCriterionName, street::kCriterionNeighbourhoodCode,
                          street::kCriterionNeighbourhood});
    mkeTexto = new QLineEdit(this);
    mkeTexto->setObjectName(QStringLiteral("mkeTexto"));
    ui::Capitals::install(mkeTexto);
    ui::EnterAsTab::install(cbbSelecao);
    ui::EnterAsTab::install(mkeTexto);
    btnPesquisar = new QPushButton(QStringLiteral("&Pesquisar"), this);
    btnPesquisar->setObjectName(QStringLiteral("btnPesquisar"));
    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));

    qryPrincipal = new db::DataSet(db::kPadrao, this);
    qryPrincipal->setObjectName(QStringLiteral("qryPrincipal"));
    dbgPrincipal = new QTableView(this);
    dbgPrincipal->setObjectName(QStringLiteral("dbgPrincipal"));
    m_grid = ui::bindGrid(dbgPrincipal, qryPrincipal,
                          {{QStringLiteral("Núm. lograd."), QStringLiteral("NUM_LOGR"), 80},
                           {QStringLiteral("Tipo lograd."), QStringLiteral("tip_logr"), 80},
                           {QStringLiteral("Lograd."), QStringLiteral("nom_logr"), 250},
                           {QStringLiteral("Bairro"), QStringLiteral("nom_bair"), 180}});
    dbgPrincipal->installEventFilter(this);
    connect(dbgPrincipal->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { guarded([this, column] { sortBy(column); }); });
    connect(dbgPrincipal, &QTableView::doubleClicked, this, [this] { guarded([this] { choose(); }); });
    connect(btnPesquisar, &QPushButton::clicked, this, [this] { guarded([this] { search(); }); });
    connect(btnOK, &QPushButton::clicked, this, [this] { guarded([this] { choose(); }); });

    lblQuantidade = new QLabel(this);
    lblQuantidade->setObjectName(QStringLiteral("StatusBar1Panel0"));
    lblCriterio = new QLabel(this);
    lblCriterio->setObjectName(QStringLiteral("StatusBar1Panel1"));

    auto* top = new QHBoxLayout;
    top->addWidget(cbbSelecao);
    top->addWidget(mkeTexto, 1);
    top->addWidget(btnPesquisar);
    auto* status = new QHBoxLayout;
    status->addWidget(lblQuantidade);
    status->addWidget(lblCriterio, 1);
    status->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(dbgPrincipal, 1);
    layout->addLayout(status);
    resize(620, 400);
}

TfrmEnderecoPesquisa* TfrmEnderecoPesquisa::open(int tag, QObject* target, const QString& criterion,
                                                 const QString& text, bool runNow) {
    auto* dialog = new TfrmEnderecoPesquisa(tag, target);
    frmEnderecoPesquisa = dialog;
    dialog->cbbSelecao->setCurrentText(criterion);
    dialog->mkeTexto->setText(text);
    if (runNow)
        dialog->search();
    dialog->show();
    return dialog;
}

void TfrmEnderecoPesquisa::search() {
    db::Query& select = qryPrincipal->query();
    street::prepareSearch(select, cbbSelecao->currentText(), mkeTexto->text());
    m_statement = select.text();
    select.add(QStringLiteral(" order by nom_logr "));
    qryPrincipal->open();
    lblQuantidade->setText(QStringLiteral("Qt. registro: %1").arg(qryPrincipal->recordCount()));
    lblCriterio->setText(cbbSelecao->currentText().trimmed() + QStringLiteral(" - ") + mkeTexto->text().trimmed());
}

void TfrmEnderecoPesquisa::sortBy(int column) {
    const QList<ui::GridColumn>& columns = m_grid->columns();
    if (m_statement.isEmpty() || column < 0 || column >= columns.size())
        return;
    qryPrincipal->query().setSql(m_statement + QStringLiteral(" Order by ") + columns[column].field);
    qryPrincipal->open();
    m_grid->markSortColumn(column);
}

StreetTarget* TfrmEnderecoPesquisa::target() const { return dynamic_cast<StreetTarget*>(m_target.data()); }

void TfrmEnderecoPesquisa::choose() {
    StreetTarget* into = target();
    if (into && into->takesStreet() && qryPrincipal->isActive() && qryPrincipal->recNo() >= 0) {
        street::Street chosen;
        chosen.code = qryPrincipal->field(QStringLiteral("NUM_LOGR"));
        chosen.sequence = qryPrincipal->field(QStringLiteral("NUM_SEQU_LOGR"));
        chosen.type = qryPrincipal->str(QStringLiteral("tip_logr")).trimmed();
        chosen.name = qryPrincipal->str(QStringLiteral("nom_logr")).trimmed();
        chosen.neighbourhood = qryPrincipal->field(QStringLiteral("num_bair"));
        chosen.neighbourhoodName = qryPrincipal->str(QStringLiteral("nom_bair")).trimmed();
        into->applyStreet(chosen);
    }
    close();
}

bool TfrmEnderecoPesquisa::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dbgPrincipal && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded([this] { choose(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
