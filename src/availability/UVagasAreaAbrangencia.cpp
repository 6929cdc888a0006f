// The coverage-area dialog: areas of a health district ticked and handed to the map editor.

#include "availability/UVagasAreaAbrangencia.h"

#include "availability/MapaSql.h"
#include "availability/MapaTexts.h"
#include "common/Guard.h"
#include "common/Configuration.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

QStringList nomesDistritos() {
    // In the settings file a ";" outside quotes starts a comment: the names are written in quotes
    // ("Centro;Norte;..."); names separated by commas are read as well.
    const QString valor = settingText(QSettings(configurationPath(), QSettings::IniFormat), QStringLiteral("mapa/distritos"));
    QStringList nomes = valor.split(valor.contains(QLatin1Char(';')) ? QLatin1Char(';') : QLatin1Char(','));
    for (QString& nome : nomes)
        nome = nome.trimmed();
    if (nomes.size() == 9)
        return nomes;
    QStringList padrao;
    for (int i = 1; i <= 9; ++i)
        padrao << QStringLiteral("Distrito %1").arg(i);
    return padrao;
}

TfrmVagasAreaAbrangencia::TfrmVagasAreaAbrangencia(QWidget* mapa)
    : QDialog(mapa), m_distritos(nomesDistritos()) {
    setObjectName(QStringLiteral("frmVagasAreaAbrangencia"));
    setWindowTitle(QStringLiteral("Área de abrangências"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);

    auto* grupo = new QGroupBox(QStringLiteral("Selecionar áreas de abrangência para disposnibilização de vagas na web."), this);
    cbbPrincpal = new QComboBox(grupo);
    cbbPrincpal->setObjectName(QStringLiteral("cbbPrincpal"));
    cbbPrincpal->setPlaceholderText(QStringLiteral("Selecionar..."));
    cbbPrincpal->addItem(QStringLiteral("Todos os distritos"), 0);
    for (int i = 0; i < m_distritos.size(); ++i)
        cbbPrincpal->addItem(m_distritos[i], i + 1);
    cbbPrincpal->setCurrentIndex(-1);
    cklPrincipal = new QListWidget(grupo);
    cklPrincipal->setObjectName(QStringLiteral("cklPrincipal"));
    chkSelecionarTodos = new QCheckBox(QStringLiteral("Selecionar todos"), grupo);
    chkSelecionarTodos->setObjectName(QStringLiteral("chkSelecionarTodos"));
    auto* g = new QVBoxLayout(grupo);
    auto* linha = new QHBoxLayout;
    linha->addWidget(new QLabel(QStringLiteral("Distrrito Sanitário:"), grupo));
    linha->addWidget(cbbPrincpal, 1);
    g->addLayout(linha);
    g->addWidget(cklPrincipal, 1);
    g->addWidget(chkSelecionarTodos);
    auto* unidade = new QGroupBox(QStringLiteral(" Unidade onde a vaga será disponibilizada: "), this);
    (new QVBoxLayout(unidade))->addWidget(new QLabel(QStringLiteral("Unidade de cirurgia"), unidade));
    auto* cancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    cancelar->setObjectName(QStringLiteral("btnCancelar"));
    auto* concluirB = new QPushButton(QStringLiteral("Conclu&ir"), this);
    concluirB->setObjectName(QStringLiteral("btnConcluir"));
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(cancelar);
    botoes->addWidget(concluirB);
    auto* col = new QVBoxLayout(this);
    col->addWidget(grupo, 1);
    col->addWidget(unidade);
    col->addLayout(botoes);
    resize(560, 480);

    connect(cbbPrincpal, &QComboBox::currentIndexChanged, this, [this](int i) {
        guarded([this, i] { carregaAreas(i < 0 ? 0 : cbbPrincpal->itemData(i).toInt()); });
    });
    connect(chkSelecionarTodos, &QCheckBox::clicked, this, [this](bool on) {
        for (int i = 0; i < cklPrincipal->count(); ++i)
            cklPrincipal->item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    });
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(concluirB, &QPushButton::clicked, this, [this] { guarded([this] { concluir(); }); });
}

void TfrmVagasAreaAbrangencia::carregaAreas(int distrito) {
    cklPrincipal->clear();
    const db::RowSet rows = mapa::areas(distrito);
    QString nome;
    for (int i = 0; i < rows.count(); ++i) {
        const int codigoDistrito = db::toInt(rows.row(i)[2]);
        if (codigoDistrito >= 1 && codigoDistrito <= 9)
            nome = m_distritos[codigoDistrito - 1];
        const int area = db::toInt(rows.row(i)[0]);
        auto* item = new QListWidgetItem(QStringLiteral("%1 - %2 - %3").arg(nome).arg(area, 4, 10, QLatin1Char('0'))
                                             .arg(db::toText(rows.row(i)[1])), cklPrincipal);
        item->setData(Qt::UserRole, area);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    chkSelecionarTodos->setChecked(false);
}

void TfrmVagasAreaAbrangencia::concluir() {
    QList<int> escolhidas(cklPrincipal->count() + 1, 0);
    QString resumo;
    int k = 1;
    for (int i = 0; i < cklPrincipal->count(); ++i) {
        const QListWidgetItem* item = cklPrincipal->item(i);
        if (item->checkState() != Qt::Checked)
            continue;
        const int area = item->data(Qt::UserRole).toInt();
        escolhidas[k++] = area;
        resumo += QStringLiteral(" [%1]").arg(area, 4, 10, QLatin1Char('0'));
    }
    emit areasEscolhidas(escolhidas, resumo);
    accept();
}
