// SPDX-License-Identifier: GPL-3.0-or-later
// The coverage-area dialog: areas of a health district ticked and handed to the map editor.

#include "availability/UVagasAreaAbrangencia.h"

#include "availability/MapaSql.h"
#include "availability/MapaTexts.h"
#include "common/Configuration.h"
#include "common/Guard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

QStringList districtNames() {
    // In the settings file a ";" outside quotes starts a comment: the names are written in quotes
    // ("Centro;Norte;..."); names separated by commas are read as well.
    const QString text =
        settingText(QSettings(configurationPath(), QSettings::IniFormat), QStringLiteral("mapa/distritos"));
    QStringList names = text.split(text.contains(QLatin1Char(';')) ? QLatin1Char(';') : QLatin1Char(','));
    for (QString& name : names)
        name = name.trimmed();
    if (names.size() == 9)
        return names;
    QStringList defaults;
    for (int i = 1; i <= 9; ++i)
        defaults << QStringLiteral("Distrito %1").arg(i);
    return defaults;
}

TfrmVagasAreaAbrangencia::TfrmVagasAreaAbrangencia(QWidget* map) : QDialog(map), m_districts(districtNames()) {
    setObjectName(QStringLiteral("frmVagasAreaAbrangencia"));
    setWindowTitle(QStringLiteral("Área de abrangências"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);

    auto* group =
        new QGroupBox(QStringLiteral("Selecionar áreas de abrangência para disposnibilização de vagas na web."), this);
    cbbPrincpal = new QComboBox(group);
    cbbPrincpal->setObjectName(QStringLiteral("cbbPrincpal"));
    cbbPrincpal->setPlaceholderText(QStringLiteral("Selecionar..."));
    cbbPrincpal->addItem(QStringLiteral("Todos os distritos"), 0);
    for (int i = 0; i < m_districts.size(); ++i)
        cbbPrincpal->addItem(m_districts[i], i + 1);
    cbbPrincpal->setCurrentIndex(-1);
    cklPrincipal = new QListWidget(group);
    cklPrincipal->setObjectName(QStringLiteral("cklPrincipal"));
    chkSelecionarTodos = new QCheckBox(QStringLiteral("Selecionar todos"), group);
    chkSelecionarTodos->setObjectName(QStringLiteral("chkSelecionarTodos"));
    auto* g = new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Distrrito Sanitário:"), group));
    row->addWidget(cbbPrincpal, 1);
    g->addLayout(row);
    g->addWidget(cklPrincipal, 1);
    g->addWidget(chkSelecionarTodos);
    auto* unitBox = new QGroupBox(QStringLiteral(" Unidade onde a vaga será disponibilizada: "), this);
    (new QVBoxLayout(unitBox))->addWidget(new QLabel(QStringLiteral("Unidade de cirurgia"), unitBox));
    auto* cancelB = new QPushButton(QStringLiteral("&Cancelar"), this);
    cancelB->setObjectName(QStringLiteral("btnCancelar"));
    auto* finishB = new QPushButton(QStringLiteral("Conclu&ir"), this);
    finishB->setObjectName(QStringLiteral("btnConcluir"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelB);
    buttons->addWidget(finishB);
    auto* col = new QVBoxLayout(this);
    col->addWidget(group, 1);
    col->addWidget(unitBox);
    col->addLayout(buttons);
    resize(560, 480);

    connect(cbbPrincpal, &QComboBox::currentIndexChanged, this,
            [this](int i) { guarded([this, i] { loadAreas(i < 0 ? 0 : cbbPrincpal->itemData(i).toInt()); }); });
    connect(chkSelecionarTodos, &QCheckBox::clicked, this, [this](bool on) {
        for (int i = 0; i < cklPrincipal->count(); ++i)
            cklPrincipal->item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    });
    connect(cancelB, &QPushButton::clicked, this, &QDialog::reject);
    connect(finishB, &QPushButton::clicked, this, [this] { guarded([this] { finish(); }); });
}

void TfrmVagasAreaAbrangencia::loadAreas(int district) {
    cklPrincipal->clear();
    const db::RowSet rows = mapasql::areas(district);
    QString name;
    for (int i = 0; i < rows.count(); ++i) {
        const int districtCode = db::toInt(rows.row(i)[2]);
        if (districtCode >= 1 && districtCode <= 9)
            name = m_districts[districtCode - 1];
        const int area = db::toInt(rows.row(i)[0]);
        auto* item = new QListWidgetItem(
            QStringLiteral("%1 - %2 - %3").arg(name).arg(area, 4, 10, QLatin1Char('0')).arg(db::toText(rows.row(i)[1])),
            cklPrincipal);
        item->setData(Qt::UserRole, area);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    chkSelecionarTodos->setChecked(false);
}

void TfrmVagasAreaAbrangencia::finish() {
    QList<int> chosen(cklPrincipal->count() + 1, 0);
    QString summary;
    int k = 1;
    for (int i = 0; i < cklPrincipal->count(); ++i) {
        const QListWidgetItem* item = cklPrincipal->item(i);
        if (item->checkState() != Qt::Checked)
            continue;
        const int area = item->data(Qt::UserRole).toInt();
        chosen[k++] = area;
        summary += QStringLiteral(" [%1]").arg(area, 4, 10, QLatin1Char('0'));
    }
    emit areasChosen(chosen, summary);
    accept();
}
