// The animal search of the animal-address form.
#include "registry/UPesquisaNovoEndAnimal.h"

#include "common/FormOpening.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/EnterAsTab.h"
#include "registry/AnimalSql.h"
#include "registry/UEndereco_Animal.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TfrmPesquisaNovoEndAnimal::TfrmPesquisaNovoEndAnimal(TfrmEndereco_Animal* target, QWidget* parent)
    : QWidget(parent, Qt::Window), m_target(target) {
    setAttribute(Qt::WA_DeleteOnClose, true);
    setWindowModality(Qt::ApplicationModal);
    setObjectName(QStringLiteral("frmPesquisaNovoEndAnimal"));
    setWindowTitle(QStringLiteral("Pesquisa"));
    cbbSelecao = new QComboBox(this);
    cbbSelecao->setObjectName(QStringLiteral("cbbSelecao"));
    cbbSelecao->addItems({animalsql::kBuscaNomeAnimal, animalsql::kBuscaCodigoAnimal, animalsql::kBuscaNomeProprietario,
                          animalsql::kBuscaCodigoProprietario, animalsql::kBuscaMicrochip});
    mkeTexto = new QLineEdit(this);
    mkeTexto->setObjectName(QStringLiteral("mkeTexto"));
    ui::EnterAsTab::install(cbbSelecao);
    ui::EnterAsTab::install(mkeTexto);
    auto* pesquisar = new QPushButton(QStringLiteral("&Pesquisar"), this);
    pesquisar->setObjectName(QStringLiteral("btnPesquisar"));
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    qryPrincipal = new db::DataSet(db::kMain, this);
    qryPrincipal->setObjectName(QStringLiteral("qryPrincipal"));
    dbgPrincipal = new QTableView(this);
    dbgPrincipal->setObjectName(QStringLiteral("dbgPrincipal"));
    auto col = [](const char* title, const char* field, int width) {
        return ui::GridColumn(QString::fromUtf8(title), QString::fromLatin1(field), width);
    };
    m_grid = ui::bindGrid(dbgPrincipal, qryPrincipal,
                          {col("Cód. Animal", "Id_Animal", 70), col("Animal", "nome_animal", 150),
                           col("Cód. Prop.", "Id_Proprietario", 70), col("Proprietário", "nome_Proprietario", 180),
                           col("Microchip", "Num_Microchip", 110), col("Raça", "nome_raca", 120), col("Sexo", "Sexo", 40),
                           col("Esterilizado", "Esterilizado", 70), col("Cor", "Cor", 80), col("Sinais", "Sinais", 100),
                           col("Pedigree", "Num_Pedigree", 80), col("CPF / CNPJ", "Num_CPF_CNPJ", 100),
                           col("RG", "Num_CI", 80), col("Tel. Residencial", "Telefone_Residencial", 100),
                           col("Tel. Celular", "Telefone_Celular", 100), col("Tel. Recado", "Telefone_Recado", 100)});
    dbgPrincipal->installEventFilter(this);
    StatusBar1Panel0 = new QLabel(this);
    StatusBar1Panel0->setObjectName(QStringLiteral("StatusBar1Panel0"));

    connect(pesquisar, &QPushButton::clicked, this, [this] { guarded([this] { search(); }); });
    connect(ok, &QPushButton::clicked, this, [this] { guarded([this] { choose(); }); });
    connect(dbgPrincipal, &QTableView::doubleClicked, this, [this] { guarded([this] { choose(); }); });
    connect(dbgPrincipal->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { guarded([this, column] { sortBy(column); }); });

    auto* top = new QHBoxLayout;
    top->addWidget(cbbSelecao);
    top->addWidget(mkeTexto, 1);
    top->addWidget(pesquisar);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(StatusBar1Panel0, 1);
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(dbgPrincipal, 1);
    layout->addLayout(bottom);
    resize(760, 420);

    animalsql::prepareAnimalSearch(qryPrincipal->query(), {}, {});
    qryPrincipal->query().add(QStringLiteral(" and 1=2 "));
    qryPrincipal->open();
}

void TfrmPesquisaNovoEndAnimal::search() {
    animalsql::prepareAnimalSearch(qryPrincipal->query(), cbbSelecao->currentText(), mkeTexto->text());
    m_statement = qryPrincipal->query().text();
    qryPrincipal->open();
    StatusBar1Panel0->setText(QStringLiteral("Registro(os) encontrados: %1").arg(qryPrincipal->recordCount()));
}

void TfrmPesquisaNovoEndAnimal::sortBy(int column) {
    if (qryPrincipal->isEmpty() || m_statement.isEmpty()) {
        Prompts::information(kNadaOrdenar);
        return;
    }
    const QList<ui::GridColumn>& columns = m_grid->columns();
    if (column < 0 || column >= columns.size())
        return;
    qryPrincipal->query().setSql(m_statement + QStringLiteral(" order by ") + columns[column].field);  // values stay bound
    qryPrincipal->open();
    m_grid->markSortColumn(column);
    StatusBar1Panel0->setText(QStringLiteral("Registro(os) encontrados: %1").arg(qryPrincipal->recordCount()));
}

void TfrmPesquisaNovoEndAnimal::choose() {
    if (m_target && qryPrincipal->recNo() >= 0 && !db::toText(qryPrincipal->field(QStringLiteral("Id_Animal"))).isEmpty())
        m_target->chooseAnimal(db::toInt(qryPrincipal->field(QStringLiteral("Id_Proprietario"))),
                               db::toInt(qryPrincipal->field(QStringLiteral("Id_Animal"))));
    close();
}

bool TfrmPesquisaNovoEndAnimal::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dbgPrincipal && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded([this] { choose(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
