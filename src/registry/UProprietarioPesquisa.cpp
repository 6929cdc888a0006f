// The owner picker and what it writes into the side of the transfer form it serves.
#include "registry/UProprietarioPesquisa.h"

#include "common/FormOpening.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/EnterAsTab.h"
#include "registry/AnimalRules.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

struct SideNames {
    const char *code, *name, *address, *animals;
};
const SideNames kSides[] = {
    {"ediCodigo_atual", "ediNome_atual", "ediEndereco_atual", "ltvAnimal_Prop_atual"},
    {"edicodigo_Destino", "ediNome_destino", "ediEndereco_destino", "ltvAnimal_Prop_destino"},
};

QString rowAddress(const db::DataSet& data, int row) {
    auto t = [&](const char* f) { return db::toText(data.cell(row, QString::fromLatin1(f))).trimmed(); };
    return pickerAddress(t("TIP_LOGR"), t("NOM_LOGR"), t("NUM_IMOV_LOGR"), t("DES_CMPL_ENDR"), t("nom_bair"));
}

}  // namespace

QString pickerAddress(const QString& type, const QString& street, const QString& number, const QString& complement,
                      const QString& neighbourhood) {
    QString text;
    if (!type.trimmed().isEmpty())
        text += type.trimmed() + QLatin1Char(' ');
    text += street.trimmed();
    if (!number.trimmed().isEmpty())
        text += QStringLiteral(" nº ") + number.trimmed() + QStringLiteral("; ");
    text += complement.trimmed();
    if (!neighbourhood.trimmed().isEmpty())
        text += QStringLiteral("Bairro: ") + neighbourhood.trimmed();
    return text;
}

TfrmProprietarioPesquisa::TfrmProprietarioPesquisa(QWidget* target, int side, QWidget* parent)
    : QWidget(parent), m_target(target), m_side(side == 2 ? 2 : 1) {
    setAttribute(Qt::WA_DeleteOnClose, true);
    setObjectName(QStringLiteral("frmProprietarioPesquisa"));
    setWindowTitle(QStringLiteral("Pesquisa prorietário."));
    cbbSelecao = new QComboBox(this);
    cbbSelecao->setObjectName(QStringLiteral("cbbSelecao"));
    cbbSelecao->addItems({QStringLiteral("Código"), QStringLiteral("Nome"), QStringLiteral("CPF/CNPJ"),
                          QStringLiteral("Logradouro")});
    cbbSelecao->setCurrentIndex(-1);
    edtTexto = new QLineEdit(this);
    edtTexto->setObjectName(QStringLiteral("edtTexto"));
    ui::EnterAsTab::install(cbbSelecao);
    ui::EnterAsTab::install(edtTexto);
    auto* pesquisar = new QPushButton(QStringLiteral("&Pesquisar"), this);
    pesquisar->setObjectName(QStringLiteral("btnPesquisar"));
    actOK = new QAction(QStringLiteral("&OK"), this);
    actOK->setObjectName(QStringLiteral("actOK"));
    addAction(actOK);
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    qryPrincipal = new db::DataSet(db::kMain, this);
    qryPrincipal->setObjectName(QStringLiteral("qryPrincipal"));
    dbgPrincipal = new QTableView(this);
    dbgPrincipal->setObjectName(QStringLiteral("dbgPrincipal"));
    ui::bindGrid(dbgPrincipal, qryPrincipal,
                 {{QStringLiteral("Cód. prop."), QStringLiteral("id_proprietario"), 70},
                  {QStringLiteral("Nome"), QStringLiteral("nome"), 200},
                  {QStringLiteral("Identidade"), QStringLiteral("num_ci"), 100},
                  ui::GridColumn::calculated(QStringLiteral("Endereço"), 300, rowAddress)});
    dbgPrincipal->installEventFilter(this);
    connect(pesquisar, &QPushButton::clicked, this, [this] { guarded([this] { search(); }); });
    onTriggered(actOK, [this] { choose(); });
    connect(ok, &QPushButton::clicked, actOK, &QAction::trigger);
    connect(dbgPrincipal, &QTableView::doubleClicked, actOK, &QAction::trigger);
    connect(qryPrincipal, &db::DataSet::currentChanged, this, [this] {
        guarded([this] {
            if (qryPrincipal->recNo() < 0)
                return;
            writeBoxes();
            writeAnimals();
        });
    });

    auto* top = new QHBoxLayout;
    top->addWidget(cbbSelecao);
    top->addWidget(edtTexto, 1);
    top->addWidget(pesquisar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(dbgPrincipal, 1);
    layout->addWidget(ok, 0, Qt::AlignRight);
    resize(640, 380);
}

TfrmProprietarioPesquisa* TfrmProprietarioPesquisa::open(QWidget* target, int side) {
    frmProprietarioPesquisa = new TfrmProprietarioPesquisa(target, side);
    showForm(frmProprietarioPesquisa, ShowAs::MdiChild);
    return frmProprietarioPesquisa;
}

void TfrmProprietarioPesquisa::search() {
    if (cbbSelecao->currentIndex() < 0) {
        cbbSelecao->setFocus();
        Prompts::information(kSelecioneCampo);
        return;
    }
    if (edtTexto->text().trimmed().isEmpty()) {
        Prompts::information(kDigiteTexto);
        return;
    }
    db::Query& select = qryPrincipal->query();
    select.clear();
    select << QStringLiteral(" select a.id_proprietario, a.nome, a.num_CPF_CNPJ, b.NOM_LOGR, ")
           << QStringLiteral(" b.TIP_LOGR, b.NUM_IMOV_LOGR, b.DES_CMPL_ENDR, b.nom_bair, a.num_ci, a.id_endereco ")
           << QStringLiteral(" from proprietario a ")
           << QStringLiteral(" left outer join endereco b on (a.id_endereco = b.id_endereco) ")
           << QStringLiteral(" where 1=1 ");
    const QString text = edtTexto->text().trimmed();
    auto prefix = [&](const char* column) {
        select << QStringLiteral(" and ") + db::foldedPrefix(QLatin1String(column), QStringLiteral("texto"));
        select.bind(QStringLiteral("texto"), db::likePrefix(text));
    };
    switch (cbbSelecao->currentIndex()) {
    case 0:
        select << QStringLiteral(" and a.id_proprietario = :codigo ");
        select.bind(QStringLiteral("codigo"), wholeNumber(text));
        break;
    case 1:
        prefix("a.nome");
        break;
    case 2:
        select << QStringLiteral(" and a.Num_CPF_CNPJ = :documento ");
        select.bind(QStringLiteral("documento"), digitsOf(text));
        break;
    default:
        prefix("b.NOM_LOGR");
        break;
    }
    select << QStringLiteral(" order by a.nome ");
    qryPrincipal->open();
}

void TfrmProprietarioPesquisa::writeBoxes() {
    if (!m_target || qryPrincipal->recNo() < 0)
        return;
    const SideNames& n = kSides[m_side - 1];
    auto write = [this](const char* name, const QString& text) {
        if (auto* box = m_target->findChild<QLineEdit*>(QString::fromLatin1(name)))
            box->setText(text);
    };
    write(n.code, qryPrincipal->str(QStringLiteral("id_proprietario")).trimmed());
    write(n.name, qryPrincipal->str(QStringLiteral("nome")).trimmed());
    write(n.address, rowAddress(*qryPrincipal, qryPrincipal->recNo()));
}

void TfrmProprietarioPesquisa::writeAnimals() {
    if (!m_target)
        return;
    auto* list = m_target->findChild<QTreeWidget*>(QString::fromLatin1(kSides[m_side - 1].animals));
    if (!list)
        return;
    list->clear();
    const db::RowSet animals = db::run(db::kMain,
                                       QStringLiteral(" select id_animal, nome, num_microchip, num_pedigree from animal "
                                                      " where id_proprietario = :owner order by id_animal "),
                                       {{QStringLiteral("owner"), qryPrincipal->field(QStringLiteral("id_proprietario"))}});
    for (int i = 0; i < animals.count(); ++i) {
        const auto& r = animals.row(i);
        new QTreeWidgetItem(list, {db::toText(r[0]) + QStringLiteral(" - ") + db::toText(r[1]).trimmed(),
                                   db::toText(r[2]).trimmed(), db::toText(r[3]).trimmed()});
    }
}

void TfrmProprietarioPesquisa::choose() {
    writeBoxes();
    if (auto* sub = parentWidget(); sub && sub->inherits("QMdiSubWindow"))
        sub->close();
    else
        close();
}

bool TfrmProprietarioPesquisa::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dbgPrincipal && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            actOK->trigger();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
