// The owner consult and its hand-over of the chosen owner to the register.
#include "registry/UConsultaProprietario.h"

#include "common/Guard.h"
#include "common/Prompts.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/EnterAsTab.h"
#include "registry/AnimalRules.h"
#include "registry/UPropAnimal.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kColumns = QStringLiteral(
    " select b.Id_Proprietario, b.nome, b.Telefone_Residencial, b.Telefone_Celular, "
    " b.Telefone_Recado, b.Num_CPF_CNPJ, b.Num_CI, a.Id_Animal, a.nome as nome_animal, "
    " a.num_microchip, c.Id_Endereco, c.TIP_LOGR, c.NOM_LOGR, c.NUM_IMOV_LOGR, "
    " c.DES_CMPL_ENDR, c.NOM_BAIR ");
const QString kFromOwner = QStringLiteral(
    " from proprietario b left join animal a on (a.id_proprietario = b.id_proprietario) "
    " left join endereco c on (b.id_endereco = c.id_endereco) ");
const QString kFromAnimal = QStringLiteral(
    " from animal a left join proprietario b on (a.id_proprietario = b.id_proprietario) "
    " left join endereco c on (b.id_endereco = c.id_endereco) ");

QString ownerAddress(const db::DataSet& data, int row) {
    auto t = [&](const char* f) { return db::toText(data.cell(row, QString::fromLatin1(f))).trimmed(); };
    return t("TIP_LOGR") + QLatin1Char(' ') + t("NOM_LOGR") + QLatin1Char(' ') + t("NUM_IMOV_LOGR") +
           QStringLiteral("  ") + t("DES_CMPL_ENDR");
}

}  // namespace

TfrmConsultaProprietario::TfrmConsultaProprietario(TfrmPropAnimal* opener, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), m_opener(opener) {
    setAttribute(Qt::WA_DeleteOnClose, true);
    setObjectName(QStringLiteral("frmConsultaProprietario"));
    setWindowTitle(QStringLiteral("Consulta proprietário."));
    cbbSelecao = new QComboBox(this);
    cbbSelecao->setObjectName(QStringLiteral("cbbSelecao"));
    cbbSelecao->addItems({kConsultaCodigoProp, kConsultaNomeProp, kConsultaDocumento, kConsultaIdentidade,
                          kConsultaLogradouro, kConsultaCodAnimal, kConsultaNomeAnimal, kConsultaMicrochip});
    cbbSelecao->setCurrentIndex(-1);
    edtTexto = new QLineEdit(this);
    edtTexto->setObjectName(QStringLiteral("edtTexto"));
    ui::EnterAsTab::install(cbbSelecao);
    ui::EnterAsTab::install(edtTexto);
    auto* localizar = new QPushButton(QStringLiteral("&Localizar"), this);
    localizar->setObjectName(QStringLiteral("btnLocalizar"));
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
                          {col("Cód. Prop.", "Id_Proprietario", 70), col("Proprietario", "nome", 180),
                           col("Cód. Animal", "Id_Animal", 70), col("Animal", "nome_animal", 140),
                           col("Microchip", "num_microchip", 110), col("Tel. Residencial", "Telefone_Residencial", 100),
                           col("Tel. Celular", "Telefone_Celular", 100), col("Tel. Recado", "Telefone_Recado", 100),
                           col("CPF/CNPJ", "Num_CPF_CNPJ", 100), col("Carteira IdentidadeI.", "Num_CI", 100),
                           ui::GridColumn::calculated(QStringLiteral("Endereco prop.:"), 250, ownerAddress)});
    dbgPrincipal->installEventFilter(this);
    StatusBar1Panel0 = new QLabel(this);
    StatusBar1Panel0->setObjectName(QStringLiteral("StatusBar1Panel0"));
    connect(localizar, &QPushButton::clicked, this, [this] { guarded([this] { search(); }); });
    connect(ok, &QPushButton::clicked, this, [this] { guarded([this] { choose(); }); });
    connect(dbgPrincipal, &QTableView::doubleClicked, this, [this] { guarded([this] { choose(); }); });
    connect(dbgPrincipal->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { guarded([this, column] { sortBy(column); }); });

    auto* top = new QHBoxLayout;
    top->addWidget(cbbSelecao);
    top->addWidget(edtTexto, 1);
    top->addWidget(localizar);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(StatusBar1Panel0, 1);
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(dbgPrincipal, 1);
    layout->addLayout(bottom);
    resize(820, 420);
}

TfrmConsultaProprietario* TfrmConsultaProprietario::open(TfrmPropAnimal* opener) {
    frmConsultaProprietario = new TfrmConsultaProprietario(opener);
    frmConsultaProprietario->show();
    return frmConsultaProprietario;
}

void TfrmConsultaProprietario::search() {
    if (cbbSelecao->currentText().trimmed().isEmpty() || edtTexto->text().trimmed().isEmpty()) {
        Prompts::information(kFaltaCampoTexto);
        return;
    }
    const ConsultFilter filter = consultFilter(cbbSelecao->currentText(), edtTexto->text());
    db::Query& select = qryPrincipal->query();
    select.clear();
    select << kColumns;
    if (filter.matched) {
        select << (filter.fromOwner ? kFromOwner : kFromAnimal) << QStringLiteral(" where b.status_registro = 'ATIVO' ")
               << filter.clause;
        for (auto it = filter.params.begin(); it != filter.params.end(); ++it)
            select.bind(it.key(), it.value());
        edtTexto->setText(filter.shownText);
    } else {
        select << kFromAnimal << QStringLiteral(" where 1=2 ");
    }
    m_statement = select.text();
    qryPrincipal->open();
    StatusBar1Panel0->setText(QStringLiteral("%1 registros encontrado.").arg(qryPrincipal->recordCount()));
}

void TfrmConsultaProprietario::sortBy(int column) {
    const QList<ui::GridColumn>& columns = m_grid->columns();
    if (m_statement.isEmpty() || column < 0 || column >= columns.size() || columns[column].field.isEmpty())
        return;
    qryPrincipal->query().setSql(m_statement + QStringLiteral(" order by ") + columns[column].field);
    qryPrincipal->open();
    m_grid->markSortColumn(column);
}

void TfrmConsultaProprietario::choose() {
    const QVariant owner = qryPrincipal->isActive() && qryPrincipal->recNo() >= 0
                               ? qryPrincipal->field(QStringLiteral("Id_Proprietario"))
                               : QVariant();
    if (db::toText(owner).trimmed().isEmpty()) {
        Prompts::information(kNenhumRegistro);
    } else if (m_opener) {
        const QVariant animal = qryPrincipal->field(QStringLiteral("Id_Animal"));
        m_opener->openOwner(db::toInt(owner), db::toText(animal).trimmed().isEmpty() ? 0 : db::toInt(animal));
    }
    close();
}

bool TfrmConsultaProprietario::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dbgPrincipal && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded([this] { choose(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
