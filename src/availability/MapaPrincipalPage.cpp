// The availability map's slot editor and day list.

#include "availability/MapaPrincipalPage.h"

#include "availability/MapaSql.h"
#include "availability/MapaTexts.h"
#include "availability/MapaWidgets.h"
#include "availability/UMapaDisponibilidadeClone.h"
#include "availability/UMapaDisponibilidadeInformacao.h"
#include "availability/UMapaDisponibilidadeRascunho.h"
#include "availability/UVagasAreaAbrangencia.h"
#include "common/FormOpening.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/FieldLink.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

using namespace mapa;


MapaPrincipalPage::MapaPrincipalPage(QStatusBar* status, QWidget* parent) : QWidget(parent), stbPrincipal(status) {
    setObjectName(QStringLiteral("tbsPrincipal"));
    QWidget* principal = this;

    calData = new QCalendarWidget(principal);
    calData->setObjectName(QStringLiteral("calData"));
    calData->setSelectedDate(db::serverTime().date());
    dblUnidade_trabalho = listaCombo(principal, "dblUnidade_trabalho", unidadesAtivas());
    dblProcedimento = listaCombo(principal, "dblProcedimento", procedimentosCirurgia());
    dblEspecie = listaCombo(principal, "dblEspecie", especies(false));
    mkeHora = edicao(principal, "mkeHora");
    mkeHora->setInputMask(QStringLiteral("90:00; "));
    mkeVagaGeral = edicao(principal, "mkeVagaGeral");
    mkeVagaFemea = edicao(principal, "mkeVagaFemea");
    for (QLineEdit* e : {mkeHora, mkeVagaGeral, mkeVagaFemea})
        e->installEventFilter(this);
    for (QLineEdit* e : {mkeVagaGeral, mkeVagaFemea})
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));

    auto* filtro = botao(principal, "bmpFiltroRegistro", QStringLiteral("Filtrar registros"));
    filtro->setVisible(false);
    auto* nova = botao(principal, "bmpNovaVaga", QStringLiteral("Novas vagas"));
    auto* alterarB = botao(principal, "bmpAlterar", QStringLiteral("Alterar"));
    auto* gravarB = botao(principal, "bmpGravar", QStringLiteral("Gravar"));
    auto* excluirB = botao(principal, "bmpExcluir", QStringLiteral("Excluir"));
    auto* cancelarB = botao(principal, "bmpCancelar", QStringLiteral("Cancelar"));
    bmpAreas = botao(principal, "bmpAreas", kAssociarAreas);
    auto* clonarB = botao(principal, "BitBtn5", QStringLiteral("&Clonar agenda"));
    auto* rascunho = botao(principal, "BitBtn7", QStringLiteral("Criar rascunho..."));
    auto* informacao = botao(principal, "BitBtn6", QStringLiteral("Informação"));
    lblResumo = new QLabel(principal);
    lblResumo->setObjectName(QStringLiteral("lblResumo"));

    qryMapa = new db::DataSet(db::kMain, this);
    dbgResume = new QTableView(principal);
    dbgResume->setObjectName(QStringLiteral("dbgResume"));
    const auto usada = [](const char* field) {
        return [field](const db::DataSet& d, int row) {
            return QString::number(db::toInt(d.cell(row, QString::fromLatin1(field))));
        };
    };
    ui::bindGrid(dbgResume, qryMapa,
                 {colunaNome(QStringLiteral("Unidade"), 160, m_nomes.unidades, "Id_unidade_trabalho"),
                  colunaNome(QStringLiteral("Procedimento"), 120, m_nomes.procedimentos, "Id_tipo_procedimento"),
                  colunaDataHora(QStringLiteral("Data / hora"), 130, "Data_hora_disponibilidade"),
                  {QStringLiteral("Qt.vaga geral"), QStringLiteral("Qt_vaga_disponivel_geral"), 80},
                  {QStringLiteral("Qt.vaga fêmea grande"), QStringLiteral("Qt_vaga_disp_f_grande_porte"), 110},
                  ui::GridColumn::calculated(QStringLiteral("Qt.vaga geral usada"), 110, usada("Qt_vaga_usada_geral")),
                  ui::GridColumn::calculated(QStringLiteral("Qt.vaga fêmea grande usada"), 140,
                                             usada("Qt_vaga_usada_f_grande_porte")),
                  colunaNome(QStringLiteral("Especie"), 100, m_nomes.especies, "Id_Especie"),
                  {QStringLiteral("Área de abrangência"), QStringLiteral("COD_AREA_ABRN"), 110}});

    auto* editor = new QGridLayout;
    editor->addWidget(new QLabel(QStringLiteral("Unidade:"), principal), 0, 0);
    editor->addWidget(dblUnidade_trabalho, 0, 1);
    editor->addWidget(new QLabel(QStringLiteral("Procedimento:"), principal), 1, 0);
    editor->addWidget(dblProcedimento, 1, 1);
    editor->addWidget(new QLabel(QStringLiteral("Hora:"), principal), 2, 0);
    editor->addWidget(mkeHora, 2, 1);
    editor->addWidget(new QLabel(QStringLiteral("Qt. vagas geral:"), principal), 3, 0);
    editor->addWidget(mkeVagaGeral, 3, 1);
    editor->addWidget(new QLabel(QStringLiteral("Qt.vaga fêmea grande:"), principal), 4, 0);
    editor->addWidget(mkeVagaFemea, 4, 1);
    editor->addWidget(new QLabel(QStringLiteral("Espécie:"), principal), 5, 0);
    editor->addWidget(dblEspecie, 5, 1);
    auto* botoesL = new QHBoxLayout;
    for (QPushButton* b : {nova, alterarB, gravarB, excluirB, cancelarB, bmpAreas, clonarB, rascunho, informacao})
        botoesL->addWidget(b);
    auto* topo = new QHBoxLayout;
    topo->addWidget(calData);
    topo->addLayout(editor, 1);
    auto* col = new QVBoxLayout(principal);
    col->addLayout(topo);
    col->addLayout(botoesL);
    col->addWidget(lblResumo);
    col->addWidget(dbgResume, 1);

    connect(filtro, &QPushButton::clicked, this, [this] { guarded([this] { carregaDia(); }); });
    connect(calData, &QCalendarWidget::clicked, this, [this] { guarded([this] { cliqueFiltro(); }); });
    for (QComboBox* c : {dblUnidade_trabalho, dblProcedimento})
        connect(c, &QComboBox::activated, this, [this] { guarded([this] { cliqueFiltro(); }); });
    const auto liga = [this](QPushButton* b, void (MapaPrincipalPage::*f)()) {
        connect(b, &QPushButton::clicked, this, [this, f] { guarded([this, f] { (this->*f)(); }); });
    };
    liga(nova, &MapaPrincipalPage::novasVagas);
    liga(alterarB, &MapaPrincipalPage::alterar);
    liga(gravarB, &MapaPrincipalPage::gravar);
    liga(excluirB, &MapaPrincipalPage::excluir);
    liga(cancelarB, &MapaPrincipalPage::cancelar);
    liga(bmpAreas, &MapaPrincipalPage::abreAreas);
    liga(clonarB, &MapaPrincipalPage::clonar);
    connect(rascunho, &QPushButton::clicked, this, [this] {
        frmMapaDisponibilidadeRascunho = new TfrmMapaDisponibilidadeRascunho;
        showForm(frmMapaDisponibilidadeRascunho, ShowAs::MdiChild, this);
    });
    connect(informacao, &QPushButton::clicked, this, [this] {
        guarded([this] {
            frmMapaDisponibilidadeInformacao = new TfrmMapaDisponibilidadeInformacao;
            showForm(frmMapaDisponibilidadeInformacao, ShowAs::Window, this);
        });
    });
    connect(qryMapa, &db::DataSet::currentChanged, this, [this] { mostraLinha(); });

    travaEditor(true);
    botoes(true);
    findChild<QPushButton*>(QStringLiteral("bmpAlterar"))->setEnabled(false);
    findChild<QPushButton*>(QStringLiteral("bmpExcluir"))->setEnabled(false);
}

int MapaPrincipalPage::chaveDe(QComboBox* combo) const {
    return combo->currentIndex() < 0 ? -1 : combo->currentData().toInt();
}

void MapaPrincipalPage::posiciona(QComboBox* combo, const QVariant& key) {
    combo->setCurrentIndex(key.isNull() ? -1 : combo->findData(db::toInt(key)));
}

void MapaPrincipalPage::trava(QWidget* control, bool locked) {
    if (auto* e = qobject_cast<QLineEdit*>(control))
        e->setReadOnly(locked);
    else
        control->setEnabled(!locked);
    pinta(control, locked ? ui::readOnlyColour() : corJanela());
}

void MapaPrincipalPage::travaEditor(bool especieTambem) {
    for (QWidget* w : {static_cast<QWidget*>(mkeHora), static_cast<QWidget*>(mkeVagaGeral),
                       static_cast<QWidget*>(mkeVagaFemea)})
        trava(w, true);
    if (especieTambem)
        trava(dblEspecie, true);
}

// Browsing: Excluir, Alterar and Novas vagas on, Gravar and the areas off; editing the other way round.
void MapaPrincipalPage::botoes(bool navegando) {
    for (const char* n : {"bmpExcluir", "bmpAlterar", "bmpNovaVaga"})
        findChild<QPushButton*>(QString::fromLatin1(n))->setEnabled(navegando);
    findChild<QPushButton*>(QStringLiteral("bmpGravar"))->setEnabled(!navegando);
    bmpAreas->setEnabled(!navegando);
}

void MapaPrincipalPage::cliqueFiltro() {
    if (recarregaDia(EstadoMapa))
        carregaDia();
}

void MapaPrincipalPage::carregaDia() {
    stbPrincipal->clearMessage();
    m_nomes = leNomes();
    abreDia(*qryMapa, calData->selectedDate());
    if (!qryMapa->isEmpty()) {
        stbPrincipal->showMessage(kTotalRegistro + QString::number(qryMapa->recordCount()));
    } else {
        stbPrincipal->showMessage(kNenhumRegistro);
        limpaEditor();
    }
    findChild<QPushButton*>(QStringLiteral("bmpAlterar"))->setEnabled(!qryMapa->isEmpty());
    findChild<QPushButton*>(QStringLiteral("bmpExcluir"))->setEnabled(!qryMapa->isEmpty());
}

void MapaPrincipalPage::mostraLinha() {
    if (qryMapa->recNo() < 0 || qryMapa->isEmpty())
        return;
    const QDateTime quando = db::toDateTime(qryMapa->field(QStringLiteral("Data_hora_disponibilidade")));
    calData->setSelectedDate(quando.date());
    mkeHora->setText(horaDaVaga(quando));
    mkeVagaGeral->setText(qryMapa->str(QStringLiteral("Qt_vaga_disponivel_geral")));
    mkeVagaFemea->setText(qryMapa->str(QStringLiteral("Qt_vaga_disp_f_grande_porte")));
    posiciona(dblUnidade_trabalho, qryMapa->field(QStringLiteral("Id_unidade_trabalho")));
    posiciona(dblProcedimento, qryMapa->field(QStringLiteral("Id_tipo_procedimento")));
    posiciona(dblEspecie, qryMapa->field(QStringLiteral("Id_Especie")));
    travaEditor(true);
    botoes(true);
}

void MapaPrincipalPage::limpaEditor() {
    for (QLineEdit* e : {mkeHora, mkeVagaGeral, mkeVagaFemea})
        e->clear();
    for (QComboBox* c : {dblUnidade_trabalho, dblProcedimento, dblEspecie})
        c->setCurrentIndex(-1);
}

void MapaPrincipalPage::novasVagas() {
    for (QWidget* w : {static_cast<QWidget*>(mkeHora), static_cast<QWidget*>(mkeVagaGeral),
                       static_cast<QWidget*>(mkeVagaFemea), static_cast<QWidget*>(dblEspecie)})
        trava(w, false);
    mkeHora->setFocus();
    botoes(false);
    findChild<QPushButton*>(QStringLiteral("bmpNovaVaga"))->setEnabled(true);
    limpaEditor();
    EstadoMapa = proximoEstado(EstadoMapa, EventoMapa::NovasVagas);
    lblResumo->setEnabled(false);
}

void MapaPrincipalPage::alterar() {
    if (qryMapa->isEmpty() || qryMapa->recNo() < 0)
        return;
    EstadoMapa = proximoEstado(EstadoMapa, EventoMapa::Alterar);
    mkeHora->setText(horaDaVaga(db::toDateTime(qryMapa->field(QStringLiteral("Data_hora_disponibilidade")))));
    mkeVagaGeral->setText(qryMapa->str(QStringLiteral("Qt_vaga_disponivel_geral")));
    mkeVagaFemea->setText(qryMapa->str(QStringLiteral("Qt_vaga_disp_f_grande_porte")));
    // A slot already booked keeps its hour and species.
    const bool usada = db::toInt(qryMapa->field(QStringLiteral("Qt_vaga_usada_geral"))) > 0 ||
                       db::toInt(qryMapa->field(QStringLiteral("Qt_vaga_usada_f_grande_porte"))) > 0;
    trava(mkeHora, usada);
    trava(dblEspecie, usada);
    trava(mkeVagaGeral, false);
    trava(mkeVagaFemea, false);
    mkeHora->setFocus();
    botoes(false);
}

QWidget* MapaPrincipalPage::campo(Campo c) const {
    switch (c) {
    case Campo::Unidade: return dblUnidade_trabalho;
    case Campo::Procedimento: return dblProcedimento;
    case Campo::Especie: return dblEspecie;
    case Campo::Hora: return mkeHora;
    case Campo::Geral: return mkeVagaGeral;
    case Campo::Femea: return mkeVagaFemea;
    default: return nullptr;
    }
}

void MapaPrincipalPage::gravar() {
    VagaDigitada digitada{dblUnidade_trabalho->currentText(), dblProcedimento->currentText(),
                          dblEspecie->currentText(), chaveDe(dblEspecie), {}, mkeHora->text(),
                          mkeVagaGeral->text(), mkeVagaFemea->text()};
    const auto recusa = checaGravarMapa(digitada);
    mkeVagaGeral->setText(digitada.geral);
    mkeVagaFemea->setText(digitada.femea);
    if (recusa) {
        if (recusa->zeraFemea)
            trava(mkeVagaFemea, true);
        if (QWidget* w = campo(recusa->campo))
            w->setFocus();
        Prompts::information(recusa->mensagem);
        return;
    }
    const Vaga vaga{chaveDe(dblUnidade_trabalho), chaveDe(dblProcedimento), chaveDe(dblEspecie),
                    dataHora(calData->selectedDate(), mkeHora->text()), numero(digitada.geral).value_or(0),
                    numero(digitada.femea).value_or(0), 0, 0, {}, {}};
    try {
        if (EstadoMapa == mapa::EstadoMapa::Novo && !insere(vaga))
            return;
        if (EstadoMapa == mapa::EstadoMapa::Alterar && !altera(vaga))
            return;
    } catch (const std::exception&) {
        Prompts::error(kErroGravar);
    }
    fimGravar();
}

bool MapaPrincipalPage::insere(const Vaga& vaga) {
    {
        db::Transaction t;
        if (contaIguais(vaga) > 0) {
            Prompts::information(kDuplicado + kReplanejamento);
            return false;
        }
        const bool comAreas = AreasSelecionadas.size() > 1 && AreasSelecionadas[1] != 0;
        QList<QVariant> areas;
        if (comAreas) {
            for (int i = 1; i < AreasSelecionadas.size(); ++i)
                if (AreasSelecionadas[i] != 0)
                    areas << AreasSelecionadas[i];
        } else {
            areas << QVariant();
        }
        for (const QVariant& area : std::as_const(areas)) {
            Vaga v = vaga;
            v.area = area;
            insereVaga(proximaChave(QStringLiteral("Mapa_disponibilidade_agenda"),
                                    QStringLiteral("Id_Mapa_disponibilidade_agenda")), v);
        }
        t.commit();
        if (comAreas)
            EstadoMapa = proximoEstado(EstadoMapa, EventoMapa::GravouComAreas);
    }
    Prompts::information(kSucesso);
    return true;
}

bool MapaPrincipalPage::altera(const Vaga& vaga) {
    const QVariant id = qryMapa->field(QStringLiteral("Id_Mapa_disponibilidade_agenda"));
    if (contaIguais(vaga, id) > 0) {
        Prompts::information(kDuplicado + kReplanejamento);
        return false;
    }
    // Tells why the slot as it now stands refuses the change, if it does.
    const auto recusa = [&vaga](const Usadas& atual) -> std::optional<QString> {
        if (auto m = checaUsadas(atual.geral, atual.femea, vaga.geral, vaga.femea))
            return m;
        const bool move = atual.vaga.unidade != vaga.unidade || atual.vaga.procedimento != vaga.procedimento ||
                          atual.vaga.especie != vaga.especie || atual.vaga.dataHora != vaga.dataHora;
        if ((atual.geral > 0 || atual.femea > 0) && move)
            return kUsadaNaoMove;
        return std::nullopt;
    };
    if (auto m = recusa(leVaga(id.toInt()))) {
        Prompts::information(*m);
        return false;
    }
    if (!Prompts::confirm(kConfirmaAlterar))
        return true;
    if (!alteraVaga(id.toInt(), vaga)) {
        // The web system booked the slot meanwhile, or it is gone.
        const Usadas agora = leVaga(id.toInt());
        Prompts::information(agora.existe ? recusa(agora).value_or(kUsadaGeral) : kErroGravar);
        return false;
    }
    Prompts::information(kSucesso);
    return true;
}

void MapaPrincipalPage::fimGravar() {
    travaEditor(true);
    botoes(true);
    cancelar();
    EstadoMapa = proximoEstado(EstadoMapa, EventoMapa::FimGravar);
    findChild<QPushButton*>(QStringLiteral("bmpGravar"))->setEnabled(false);
    bmpAreas->setEnabled(false);
    bmpAreas->setText(kAssociarAreas);
    bmpAreas->setStyleSheet(QString());
    restauraAreas();
}

void MapaPrincipalPage::restauraAreas() {
    AreasSelecionadas = {0};
    lblResumo->clear();
}

void MapaPrincipalPage::excluir() {
    if (qryMapa->isEmpty() || qryMapa->recNo() < 0)
        return;
    if (Prompts::confirm(kConfirmaExcluir)) {
        const int id = db::toInt(qryMapa->field(QStringLiteral("Id_Mapa_disponibilidade_agenda")));
        const Usadas u = leVaga(id);
        if (u.geral >= 1 || u.femea >= 1 || (!excluiVaga(id) && leVaga(id).existe)) {
            Prompts::information(kUsadoNaoExclui);
            return;
        }
        Prompts::information(kExcluido);
    }
    travaEditor(true);
    cancelar();
}

void MapaPrincipalPage::cancelar() {
    travaEditor(false);
    botoes(true);
    EstadoMapa = proximoEstado(EstadoMapa, EventoMapa::Cancelar);
    limpaEditor();
    carregaDia();
    restauraAreas();
}

void MapaPrincipalPage::abreAreas() {
    if (EstadoMapa == mapa::EstadoMapa::Alterar) {
        Prompts::information(kAreasEmAlteracao);
        return;
    }
    frmVagasAreaAbrangencia = new TfrmVagasAreaAbrangencia(this);
    connect(frmVagasAreaAbrangencia, &TfrmVagasAreaAbrangencia::areasEscolhidas, this,
            [this](const QList<int>& areas, const QString& resumo) {
                AreasSelecionadas = areas;
                bmpAreas->setText(mapa::kAreasSelecionadas);
                bmpAreas->setStyleSheet(QStringLiteral("color: green"));
                lblResumo->setText(QStringLiteral("Resumo:") + resumo);
                lblResumo->setEnabled(true);
            });
    frmVagasAreaAbrangencia->open();
}

void MapaPrincipalPage::clonar() {
    if (qryMapa->isEmpty() || qryMapa->recNo() < 0 ||
        qryMapa->field(QStringLiteral("Id_Mapa_disponibilidade_agenda")).isNull()) {
        Prompts::information(kSemAgendaClonar);
        return;
    }
    VagaOrigem origem;
    origem.id = db::toInt(qryMapa->field(QStringLiteral("Id_Mapa_disponibilidade_agenda")));
    const Usadas fonte = leVaga(origem.id);
    if (!fonte.existe) {
        Prompts::information(kSemAgendaClonar);
        return;
    }
    origem.vaga = fonte.vaga;
    origem.especie = m_nomes.especies.value(origem.vaga.especie);
    origem.procedimento = m_nomes.procedimentos.value(origem.vaga.procedimento);
    frmMapaDisponibilidadeClone = new TfrmMapaDisponibilidadeClone(this, origem);
    connect(frmMapaDisponibilidadeClone, &TfrmMapaDisponibilidadeClone::vagasGeradas, this, [this] { carregaDia(); });
    frmMapaDisponibilidadeClone->open();
}

void MapaPrincipalPage::saidaHora() {
    if (EstadoMapa != mapa::EstadoMapa::Novo && EstadoMapa != mapa::EstadoMapa::Alterar)
        return;
    if (const auto m = checaSaidaHora(mkeHora->text())) {
        mkeHora->clear();
        Prompts::information(*m);
        QTimer::singleShot(0, mkeHora, [e = mkeHora] { e->setFocus(); });
    }
}

void MapaPrincipalPage::saidaQuantidade(QLineEdit* edit) {
    const SaidaQuantidade s = checaSaidaQuantidade(edit->text());
    if (s == SaidaQuantidade::Aceita)
        return;
    Prompts::information(kValorInvalido);
    if (s == SaidaQuantidade::Limpa) {
        edit->clear();
        QTimer::singleShot(0, edit, [edit] { edit->setFocus(); });
    }
}

bool MapaPrincipalPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == mkeHora)
            guarded([this] { saidaHora(); });
        else if (watched == mkeVagaGeral || watched == mkeVagaFemea)
            guarded([this, watched] { saidaQuantidade(static_cast<QLineEdit*>(watched)); });
    }
    return QWidget::eventFilter(watched, event);
}
