// SPDX-License-Identifier: GPL-3.0-or-later
// The clone dialog: a month grid whose marked days receive a copy of the source slot.

#include "availability/UMapaDisponibilidadeClone.h"

#include "availability/MapaTexts.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "platform/db/Keys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace availability;

TfrmMapaDisponibilidadeClone::TfrmMapaDisponibilidadeClone(QWidget* map, VagaOrigem source)
    : QDialog(map), m_source(std::move(source)) {
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
    auto* previousB = new QPushButton(QStringLiteral("<<"), this);
    previousB->setObjectName(QStringLiteral("btnAnterior"));
    auto* nextB = new QPushButton(QStringLiteral(">>"), this);
    nextB->setObjectName(QStringLiteral("btnProximo"));
    auto* generateB = new QPushButton(QStringLiteral("Gerar agenda"), this);
    generateB->setObjectName(QStringLiteral("btnGerar"));

    auto* top = new QHBoxLayout;
    top->addWidget(previousB);
    top->addWidget(lblMes, 1, Qt::AlignCenter);
    top->addWidget(nextB);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkSegundaSexta);
    bottom->addWidget(cbbUnidade, 1);
    bottom->addWidget(generateB);
    auto* col = new QVBoxLayout(this);
    col->addWidget(memOrigem);
    col->addLayout(top);
    col->addWidget(strGrade, 1);
    col->addLayout(bottom);
    resize(760, 560);

    connect(previousB, &QPushButton::clicked, this, [this] { guarded([this] { shift(-1); }); });
    connect(nextB, &QPushButton::clicked, this, [this] { guarded([this] { shift(1); }); });
    connect(strGrade, &QTableWidget::cellClicked, this, [this](int r, int c) { toggle(r, c); });
    connect(chkSegundaSexta, &QCheckBox::toggled, this, [this](bool on) { markWeekdays(on); });
    connect(generateB, &QPushButton::clicked, this, [this] { guarded([this] { generate(); }); });
    buildMonth();
}

QString TfrmMapaDisponibilidadeClone::hour() const { return slotHour(m_source.slot.dateTime); }

void TfrmMapaDisponibilidadeClone::buildMonth() {
    memOrigem->setPlainText(QStringList{QStringLiteral("Especie:") + m_source.species,
                                        QStringLiteral("Hora: ") + hour(),
                                        QStringLiteral("Proced.: ") + m_source.procedure,
                                        QStringLiteral("Vagas geral: ") + QString::number(m_source.slot.general),
                                        QStringLiteral("Vagas fem. grand.:") + QString::number(m_source.slot.female)}
                                .join(QLatin1Char('\n')));
    cbbUnidade->clear();
    UnidadesClone.clear();
    cbbUnidade->addItem(QStringLiteral("Todas unidades"), 0);
    const db::RowSet units = mapasql::cloneUnits();
    for (int i = 0; i < units.count(); ++i) {
        const int key = db::toInt(units.row(i)[0]);
        cbbUnidade->addItem(QStringLiteral("%1 - %2").arg(key).arg(db::toText(units.row(i)[1])), key);
        UnidadesClone << key;
    }
    const QDate month = shiftedMonth(db::serverTime().date(), DeslocamentoMes);
    m_month = month.month();
    m_year = month.year();
    lblMes->setText(NomeMes(m_month) + QStringLiteral(" de ") + QString::number(m_year));
    const MonthGrid g = monthGrid(m_year, m_month);
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 7; ++c)
            strGrade->setItem(r, c, new QTableWidgetItem(g[r][c]));
}

void TfrmMapaDisponibilidadeClone::shift(int months) {
    chkSegundaSexta->setChecked(false);
    DeslocamentoMes += months;
    buildMonth();
}

void TfrmMapaDisponibilidadeClone::toggle(int row, int column) {
    if (row < 1)
        return;
    QTableWidgetItem* item = strGrade->item(row, column);
    item->setText(toggleMark(item->text(), hour()));
}

void TfrmMapaDisponibilidadeClone::markWeekdays(bool mark) {
    if (!mark)
        return;
    for (int r = 1; r < 7; ++r)
        for (int c = 1; c <= 5; ++c) {
            QTableWidgetItem* item = strGrade->item(r, c);
            if (!item->text().trimmed().isEmpty())
                item->setText(item->text().left(2) + QStringLiteral(" (") + hour() + QStringLiteral(")"));
        }
}

MonthGrid TfrmMapaDisponibilidadeClone::grid() const {
    MonthGrid g{};
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 7; ++c)
            g[r][c] = strGrade->item(r, c)->text();
    return g;
}

void TfrmMapaDisponibilidadeClone::generate() {
    const QList<int> units =
        cbbUnidade->currentIndex() > 0 ? QList<int>{cbbUnidade->currentData().toInt()} : UnidadesClone;
    int existing = 0;
    try {
        db::Transaction t;
        for (int day : markedDays(grid())) {
            for (int unit : units) {
                mapasql::Slot v = m_source.slot;
                v.unit = unit;
                v.area = QVariant();
                v.dateTime = QDateTime(QDate(m_year, m_month, day), m_source.slot.dateTime.time());
                if (mapasql::countSame(v) > 0) {
                    ++existing;
                    continue;
                }
                mapasql::insertSlot(db::nextKey(QStringLiteral("Mapa_disponibilidade_agenda"),
                                                QStringLiteral("Id_Mapa_disponibilidade_agenda")),
                                    v);
            }
        }
        t.commit();
    } catch (const std::exception&) {
        emit slotsGenerated();
        Prompts::error(kErroGravar);
        return;
    }
    emit slotsGenerated();
    Prompts::information(existing > 0 ? kSucesso + kJaExistiam.arg(existing) : kSucesso);
}
