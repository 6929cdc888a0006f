// The clone dialog: a month grid whose marked days receive a copy of the source slot.

#include "availability/UMapaDisponibilidadeClone.h"

#include "availability/MapaTexts.h"
#include "common/Guard.h"
#include "common/Prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace mapa;

TfrmMapaDisponibilidadeClone::TfrmMapaDisponibilidadeClone(QWidget* mapa, VagaOrigem origem)
    : QDialog(mapa), m_origem(std::move(origem)) {
    setObjectName(QStringLiteral("frmMapaDisponibilidadeClone"));
    setWindowTitle(QStringLiteral("Clonagem de agenda"));
    setAttribute(Qt::WA_DeleteOnClose);
    memOrigem = new QPlainTextEdit(this);
    memOrigem->setObjectName(QStringLiteral("memOrigem"));
    memOrigem->setReadOnly(true);
    lblMes = new QLabel(this);
    lblMes->setObjectName(QStringLiteral("lblMes"));
    strGrade = new QTableWidget(7, 7, this);
    strGrade->setObjectName(QStringLiteral("strGrade"));
    strGrade->horizontalHeader()->hide();
    strGrade->verticalHeader()->hide();
    strGrade->setWordWrap(true);
    strGrade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    chkSegundaSexta = new QCheckBox(QStringLiteral("Selecionar de segunda a sexta."), this);
    chkSegundaSexta->setObjectName(QStringLiteral("chkSegundaSexta"));
    cbbUnidade = new QComboBox(this);
    cbbUnidade->setObjectName(QStringLiteral("cbbUnidade"));
    auto* anterior = new QPushButton(QStringLiteral("<<"), this);
    anterior->setObjectName(QStringLiteral("btnAnterior"));
    auto* proximo = new QPushButton(QStringLiteral(">>"), this);
    proximo->setObjectName(QStringLiteral("btnProximo"));
    auto* gerarB = new QPushButton(QStringLiteral("Gerar agenda"), this);
    gerarB->setObjectName(QStringLiteral("btnGerar"));

    auto* topo = new QHBoxLayout;
    topo->addWidget(anterior);
    topo->addWidget(lblMes, 1, Qt::AlignCenter);
    topo->addWidget(proximo);
    auto* baixo = new QHBoxLayout;
    baixo->addWidget(chkSegundaSexta);
    baixo->addWidget(cbbUnidade, 1);
    baixo->addWidget(gerarB);
    auto* col = new QVBoxLayout(this);
    col->addWidget(memOrigem);
    col->addLayout(topo);
    col->addWidget(strGrade, 1);
    col->addLayout(baixo);
    resize(760, 560);

    connect(anterior, &QPushButton::clicked, this, [this] { guarded([this] { desloca(-1); }); });
    connect(proximo, &QPushButton::clicked, this, [this] { guarded([this] { desloca(1); }); });
    connect(strGrade, &QTableWidget::cellClicked, this, [this](int r, int c) { alterna(r, c); });
    connect(chkSegundaSexta, &QCheckBox::toggled, this, [this](bool on) { segundaSexta(on); });
    connect(gerarB, &QPushButton::clicked, this, [this] { guarded([this] { gerar(); }); });
    montaMes();
}

QString TfrmMapaDisponibilidadeClone::hora() const { return horaDaVaga(m_origem.vaga.dataHora); }

void TfrmMapaDisponibilidadeClone::montaMes() {
    memOrigem->setPlainText(QStringList{QStringLiteral("Especie:") + m_origem.especie,
                                        QStringLiteral("Hora: ") + hora(),
                                        QStringLiteral("Proced.: ") + m_origem.procedimento,
                                        QStringLiteral("Vagas geral: ") + QString::number(m_origem.vaga.geral),
                                        QStringLiteral("Vagas fem. grand.:") + QString::number(m_origem.vaga.femea)}
                                .join(QLatin1Char('\n')));
    cbbUnidade->clear();
    UnidadesClone.clear();
    cbbUnidade->addItem(QStringLiteral("Todas unidades"), 0);
    const db::RowSet unidades = unidadesClone();
    for (int i = 0; i < unidades.count(); ++i) {
        const int key = db::toInt(unidades.row(i)[0]);
        cbbUnidade->addItem(QStringLiteral("%1 - %2").arg(key).arg(db::toText(unidades.row(i)[1])), key);
        UnidadesClone << key;
    }
    const QDate mes = mesDeslocado(db::serverTime().date(), DeslocamentoMes);
    m_mes = mes.month();
    m_ano = mes.year();
    lblMes->setText(nomeMes(m_mes) + QStringLiteral(" de ") + QString::number(m_ano));
    const GradeMes g = gradeMes(m_ano, m_mes);
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 7; ++c)
            strGrade->setItem(r, c, new QTableWidgetItem(g[r][c]));
}

void TfrmMapaDisponibilidadeClone::desloca(int meses) {
    chkSegundaSexta->setChecked(false);
    DeslocamentoMes += meses;
    montaMes();
}

void TfrmMapaDisponibilidadeClone::alterna(int row, int column) {
    if (row < 1)
        return;
    QTableWidgetItem* item = strGrade->item(row, column);
    item->setText(alternaMarca(item->text(), hora()));
}

void TfrmMapaDisponibilidadeClone::segundaSexta(bool marcar) {
    if (!marcar)
        return;
    for (int r = 1; r < 7; ++r)
        for (int c = 1; c <= 5; ++c) {
            QTableWidgetItem* item = strGrade->item(r, c);
            if (!item->text().trimmed().isEmpty())
                item->setText(item->text().left(2) + QStringLiteral(" (") + hora() + QStringLiteral(")"));
        }
}

GradeMes TfrmMapaDisponibilidadeClone::grade() const {
    GradeMes g{};
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 7; ++c)
            g[r][c] = strGrade->item(r, c)->text();
    return g;
}

void TfrmMapaDisponibilidadeClone::gerar() {
    const QList<int> unidades = cbbUnidade->currentIndex() > 0 ? QList<int>{cbbUnidade->currentData().toInt()}
                                                                : UnidadesClone;
    int existentes = 0;
    try {
        db::Transaction t;
        for (int dia : diasMarcados(grade())) {
            for (int unidade : unidades) {
                Vaga v = m_origem.vaga;
                v.unidade = unidade;
                v.area = QVariant();
                v.dataHora = QDateTime(QDate(m_ano, m_mes, dia), m_origem.vaga.dataHora.time());
                if (contaIguais(v) > 0) {
                    ++existentes;
                    continue;
                }
                insereVaga(proximaChave(QStringLiteral("Mapa_disponibilidade_agenda"),
                                        QStringLiteral("Id_Mapa_disponibilidade_agenda")), v);
            }
        }
        t.commit();
    } catch (const std::exception&) {
        emit vagasGeradas();
        Prompts::error(kErroGravar);
        return;
    }
    emit vagasGeradas();
    Prompts::information(existentes > 0 ? kSucesso + kJaExistiam.arg(existentes) : kSucesso);
}
