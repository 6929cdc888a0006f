// The provisional map form, its transfer into the published map, and its report.

#include "availability/UMapaDisponibilidadeRascunho.h"

#include "availability/MapaSql.h"
#include "availability/MapaTexts.h"
#include "availability/MapaWidgets.h"
#include "common/Guard.h"
#include "common/Prompts.h"
#include "common/ReportParts.h"
#include "platform/ui/DateEdit.h"
#include "platform/ui/EnterAsTab.h"
#include "platform/ui/FieldLink.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

using namespace mapa;


TfrmMapaDisponibilidadeRascunho::TfrmMapaDisponibilidadeRascunho(QWidget* parent) : RegisterForm(parent) {
    setObjectName(QStringLiteral("frmMapaDisponibilidadeRascunho"));
    setWindowTitle(QStringLiteral("Mapa de disponibilidade (Temporário)"));
    setTable(QStringLiteral("Mapa_rascunho"), QStringLiteral("Id_Mapa_rascunho"));
    setNewRowDefaults({{QStringLiteral("Status_Registro"), QStringLiteral("ATIVO")}});
    setGridColumns({colunaNome(QStringLiteral("Unidade"), 160, m_nomes.unidades, "Id_unidade_trabalho"),
                    colunaNome(QStringLiteral("Procedimento"), 120, m_nomes.procedimentos, "Id_tipo_procedimento"),
                    colunaNome(QStringLiteral("Espécie"), 100, m_nomes.especies, "Id_Especie"),
                    colunaDataHora(QStringLiteral("Data/Hora"), 130, "Data_hora_disponibilidade"),
                    {QStringLiteral("Qt. vaga geral"), QStringLiteral("Qt_vaga_disponivel_geral"), 90},
                    {QStringLiteral("Qt.vaga fêmea grande"), QStringLiteral("Qt_vaga_disp_f_grande_porte"), 110},
                    colunaNome(QStringLiteral("Quem inseriu o registro"), 150, m_nomes.usuarios, "Inserido_por"),
                    colunaDataHora(QStringLiteral("Data de criação do registro"), 140, "Inserido_em")});

    dblUnidade = listaCombo(tbsPrincipal, "dblUnidade", unidadesAtivas());
    dblProcedimento = listaCombo(tbsPrincipal, "dblProcedimento", procedimentosCirurgia());
    dblEspecie = listaCombo(tbsPrincipal, "dblEspecie", especies(true), false);
    mkeData = new ui::DateEdit(tbsPrincipal);
    mkeData->setObjectName(QStringLiteral("mkeData"));
    ui::EnterAsTab::install(mkeData);
    mkeHora = edicao(tbsPrincipal, "mkeHora");
    mkeHora->setInputMask(QStringLiteral("90:00; "));
    edtVagaGeral = edicao(tbsPrincipal, "edtVagaGeral");
    edtVagaFemea = edicao(tbsPrincipal, "edtVagaFemea");
    btnTransferir = new QPushButton(QStringLiteral("Tranferir programação para produção"), tbsPrincipal);
    btnTransferir->setObjectName(QStringLiteral("btnTransferir"));
    for (QWidget* w : std::initializer_list<QWidget*>{dblUnidade, dblProcedimento, dblEspecie, mkeData, mkeHora,
                                                      edtVagaGeral, edtVagaFemea})
        w->installEventFilter(this);

    auto* grid = new QGridLayout(tbsPrincipal);
    int linha = 0;
    grid->addWidget(new QLabel(QStringLiteral("Vagas:"), tbsPrincipal), linha++, 0);
    for (auto [texto, w] : std::initializer_list<std::pair<const char*, QWidget*>>{
             {"Unidade:", dblUnidade}, {"Procedimento:", dblProcedimento}, {"Espécie:", dblEspecie},
             {"Data:", mkeData}, {"Hora:", mkeHora}, {"Qt. vaga geral:", edtVagaGeral},
             {"Qt.vaga fêmea grande:", edtVagaFemea}}) {
        grid->addWidget(new QLabel(QString::fromUtf8(texto), tbsPrincipal), linha, 0);
        grid->addWidget(w, linha++, 1);
    }
    grid->addWidget(btnTransferir, linha++, 1, Qt::AlignLeft);
    grid->setRowStretch(linha, 1);

    connect(qryPrincipal, &db::DataSet::currentChanged, this, [this] { mostraLinha(); });
    connect(btnTransferir, &QPushButton::clicked, this, [this] { guarded([this] { transferir(); }); });
    QObject::disconnect(actSair, &QAction::triggered, nullptr, nullptr);
    onTriggered(actSair, [this] { sair(); });
    for (QAction* a : {actPesquisar, actInformation, actAjuda})
        a->setVisible(false);
    pgcPrincipal->setTabText(pgcPrincipal->indexOf(tbsGeral), QStringLiteral("Disponível para transferencia:"));
    setOpenOnShow(OpenOnShow::Empty);
    trava(true);
}

int TfrmMapaDisponibilidadeRascunho::chaveDe(QComboBox* combo) const {
    return combo->currentIndex() < 0 ? -1 : combo->currentData().toInt();
}

QString TfrmMapaDisponibilidadeRascunho::selectAllSql() const {
    return QStringLiteral(" select * from Mapa_rascunho where Status_Registro <> 'INATIVO' order by Id_Mapa_rascunho");
}

QString TfrmMapaDisponibilidadeRascunho::emptySelectSql() const {
    return QStringLiteral(" select * from Mapa_rascunho  where 1=2 ");
}

void TfrmMapaDisponibilidadeRascunho::trava(bool locked) {
    for (QWidget* w : std::initializer_list<QWidget*>{dblUnidade, dblProcedimento, dblEspecie, mkeData, mkeHora,
                                                      edtVagaGeral, edtVagaFemea})
        w->setEnabled(!locked);
    edtVagaFemea->setReadOnly(false);
    pinta(edtVagaFemea, corJanela());
    dbgPrincipal->setEnabled(locked);
}

void TfrmMapaDisponibilidadeRascunho::limpaCampos() {
    mkeData->setDate({});
    for (QLineEdit* e : {mkeHora, edtVagaGeral, edtVagaFemea})
        e->clear();
}

void TfrmMapaDisponibilidadeRascunho::mostraLinha() {
    if (qryPrincipal->recNo() < 0 || qryPrincipal->isEmpty() || qryPrincipal->state() == db::DataSet::State::Insert)
        return;
    const QDateTime quando = db::toDateTime(qryPrincipal->field(QStringLiteral("Data_hora_disponibilidade")));
    mkeData->setDate(quando.date());
    mkeHora->setText(quando.toString(QStringLiteral("HH:mm")));
    edtVagaGeral->setText(qryPrincipal->str(QStringLiteral("Qt_vaga_disponivel_geral")));
    edtVagaFemea->setText(qryPrincipal->str(QStringLiteral("Qt_vaga_disp_f_grande_porte")));
    const auto posiciona = [this](QComboBox* c, const char* field) {
        const QVariant key = qryPrincipal->field(QString::fromLatin1(field));
        c->setCurrentIndex(key.isNull() ? -1 : c->findData(db::toInt(key)));
    };
    posiciona(dblUnidade, "Id_unidade_trabalho");
    posiciona(dblProcedimento, "Id_tipo_procedimento");
    posiciona(dblEspecie, "Id_Especie");
}

void TfrmMapaDisponibilidadeRascunho::refresh() {
    m_nomes = leNomes();
    RegisterForm::refresh();
}

void TfrmMapaDisponibilidadeRascunho::append() {
    RegisterForm::append();
    for (QComboBox* c : {dblUnidade, dblProcedimento, dblEspecie})
        c->setCurrentIndex(-1);
    limpaCampos();
    trava(false);
    // The large-female quantity opens when the species is left.
    edtVagaFemea->setReadOnly(true);
}

void TfrmMapaDisponibilidadeRascunho::edit() {
    if (qryPrincipal->isEmpty())
        return;
    RegisterForm::edit();
    trava(false);
    mostraLinha();
}

void TfrmMapaDisponibilidadeRascunho::cancel() {
    RegisterForm::cancel();
    trava(true);
    for (QComboBox* c : {dblUnidade, dblProcedimento, dblEspecie})
        c->setCurrentIndex(-1);
    limpaCampos();
}

void TfrmMapaDisponibilidadeRascunho::saidaEspecie() {
    const QString femea = edtVagaFemea->text().trimmed();
    const bool felino = chaveDe(dblEspecie) == 2;
    if (felino && !femea.isEmpty() && femea != QStringLiteral("0"))
        Prompts::information(kFelinoSaida);
    if (felino) {
        edtVagaFemea->setText(QStringLiteral("0"));
        edtVagaFemea->setEnabled(false);
        edtVagaFemea->setReadOnly(true);
        pinta(edtVagaFemea, ui::readOnlyColour());
    } else {
        edtVagaFemea->setEnabled(true);
        edtVagaFemea->setReadOnly(false);
        pinta(edtVagaFemea, corJanela());
    }
}

void TfrmMapaDisponibilidadeRascunho::save() {
    if (!qryPrincipal->isEditing())
        return;
    VagaDigitada digitada{dblUnidade->currentText(), dblProcedimento->currentText(), dblEspecie->currentText(),
                          chaveDe(dblEspecie), mkeData->text(), mkeHora->text(), edtVagaGeral->text(),
                          edtVagaFemea->text()};
    const auto recusa = checaGravarRascunho(digitada);
    edtVagaFemea->setText(digitada.femea);
    if (recusa) {
        const QHash<Campo, QWidget*> campos{{Campo::Unidade, dblUnidade}, {Campo::Procedimento, dblProcedimento},
                                           {Campo::Especie, dblEspecie},  {Campo::Data, mkeData},
                                           {Campo::Hora, mkeHora},        {Campo::Geral, edtVagaGeral},
                                           {Campo::Femea, edtVagaFemea}};
        if (QWidget* w = campos.value(recusa->campo)) {
            pinta(w, Qt::yellow);
            w->setFocus();
        }
        recusa->aviso ? Prompts::warning(recusa->mensagem) : Prompts::information(recusa->mensagem);
        return;
    }
    const bool inserindo = qryPrincipal->state() == db::DataSet::State::Insert;
    const QVariant id = inserindo ? QVariant() : qryPrincipal->field(keyField());
    Vaga vaga{chaveDe(dblUnidade), chaveDe(dblProcedimento), chaveDe(dblEspecie),
              QDateTime(mkeData->date(),
                        *horaValida(mkeHora->text())),
              *numero(digitada.geral), *numero(digitada.femea), 0, 0, {}, {}};
    try {
        db::Transaction t;
        if (contaIguais(vaga) > 0) {
            Prompts::information(kDuplicadoProducao + kReplanejamento);
            return;
        }
        if (contaIguaisRascunho(vaga, id) > 0) {
            Prompts::information(kDuplicado + kReplanejamento);
            return;
        }
        if (inserindo)
            insereRascunho(proximaChave(table(), keyField()), vaga);
        else
            alteraRascunho(id.toInt(), vaga, db::readValues(*qryPrincipal));
        t.commit();
    } catch (const std::exception& e) {
        Prompts::error(failureText(e, kErroGravar));
        return;
    }
    qryPrincipal->cancel();
    trava(true);
    refresh();
    Prompts::warning(kSucesso);
}

void TfrmMapaDisponibilidadeRascunho::remove() {
    if (qryPrincipal->isEmpty() || qryPrincipal->isEditing())
        return;
    if (!Prompts::confirm(kConfirmaExcluirRascunho))
        return;
    {
        db::Transaction t;
        inativaRascunho(db::toInt(qryPrincipal->field(keyField())), db::readValues(*qryPrincipal));
        t.commit();
    }
    refresh();
    Prompts::warning(kSucesso);
}

void TfrmMapaDisponibilidadeRascunho::transferir() {
    if (qryPrincipal->isEditing()) {
        Prompts::warning(kEditandoTransferir);
        return;
    }
    if (!Prompts::confirm(kConfirmaTransferir))
        return;
    try {
        db::Transaction t;
        const db::RowSet rows = rascunhosAtivos();
        const auto f = [&rows](int i, const char* name) { return rows.row(i)[rows.indexOrThrow(QString::fromLatin1(name))]; };
        QList<std::pair<int, Vaga>> vagas;
        QStringList choques;
        const QHash<int, QString> unidades = leNomes().unidades;
        for (int i = 0; i < rows.count(); ++i) {
            Vaga v{db::toInt(f(i, "Id_unidade_trabalho")), db::toInt(f(i, "Id_tipo_procedimento")),
                   db::toInt(f(i, "Id_Especie")), db::toDateTime(f(i, "Data_hora_disponibilidade")),
                   db::toInt(f(i, "Qt_vaga_disponivel_geral")), db::toInt(f(i, "Qt_vaga_disp_f_grande_porte")), 0, 0, {}, f(i, "Inserido_por")};
            if (contaIguais(v) > 0)
                choques << unidades.value(v.unidade) + QStringLiteral(", ") +
                               v.dataHora.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
            vagas.append({db::toInt(f(i, "Id_Mapa_rascunho")), v});
        }
        if (!choques.isEmpty()) {
            Prompts::warning(kDuplicadoProducao + QLatin1Char('\n') + choques.join(QLatin1Char('\n')));
            return;
        }
        for (const auto& [rascunho, v] : vagas) {
            const int chave = proximaChave(QStringLiteral("Mapa_disponibilidade_agenda"),
                                           QStringLiteral("Id_Mapa_disponibilidade_agenda"));
            insereVaga(chave, v);
            marcaTransferido(rascunho, chave);
        }
        t.commit();
    } catch (const db::Error& e) {
        refresh();
        Prompts::error(e.text());
        return;
    }
    refresh();
    limpaCampos();
    Prompts::warning(kSucesso);
}

void TfrmMapaDisponibilidadeRascunho::sair() {
    if (qryPrincipal->isEditing()) {
        if (!Prompts::confirm(kSairEditando))
            return;
        cancel();
    }
    closeForm();
}

void TfrmMapaDisponibilidadeRascunho::print() {
    Prompts::preview(std::make_shared<TrelMapaDisponibilidadeRascunho>(), true);
}

bool TfrmMapaDisponibilidadeRascunho::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && qobject_cast<QWidget*>(watched) &&
        (watched == dblUnidade || watched == dblProcedimento || watched == dblEspecie || watched == mkeData ||
         watched == mkeHora || watched == edtVagaGeral || watched == edtVagaFemea)) {
        auto* w = static_cast<QWidget*>(watched);
        if (w != edtVagaFemea || !edtVagaFemea->isReadOnly())
            pinta(w, corJanela());
        if (watched == dblEspecie && qryPrincipal->isEditing())
            guarded([this] { saidaEspecie(); });
    }
    return RegisterForm::eventFilter(watched, event);
}

TrelMapaDisponibilidadeRascunho::TrelMapaDisponibilidadeRascunho() {
    setTitle(QStringLiteral("Programação de cotas "));
    setMargins(1.0);
    const qreal w = bodyRectMm().width();
    db::Query q = relatorioRascunho();
    setData(reportData(q));
    addReportHeading(addBand(report::BandType::Title, 16), QStringLiteral("REL51"),
                     QStringLiteral("Programação de cotas "), w);
    const QList<qreal> x{0, w * 0.28, w * 0.46, w * 0.60, w * 0.76, w * 0.85, w};
    report::Band& header = addBand(report::BandType::ColumnHeader, 7);
    const QStringList titulos{"Unidade trabalho", "Procedimento", "Especie", "Data/Hora", "Qt. Geral", "Qt. Fêmea grande"};
    for (int i = 0; i < titulos.size(); ++i)
        header.addLabel(QRectF(x[i], 1, x[i + 1] - x[i] - 1, 5), titulos[i]).setBold();  // a millimetre apart
    report::Band& detail = addBand(report::BandType::Detail, 6);
    detail.addField(QRectF(x[0], 0.5, x[1] - x[0] - 1, 5), QStringLiteral("unidade_trabalho"));
    detail.addField(QRectF(x[1], 0.5, x[2] - x[1] - 1, 5), QStringLiteral("tipo_procedimento"));
    detail.addField(QRectF(x[2], 0.5, x[3] - x[2] - 1, 5), QStringLiteral("especie"));
    detail.addExpression(QRectF(x[3], 0.5, x[4] - x[3] - 1, 5), [](const report::Context& c) {
        return QVariant(db::toDateTime(c.value(QStringLiteral("Data_hora_disponibilidade")))
                            .toString(QStringLiteral("dd/MM/yyyy HH:mm")));
    });
    detail.addField(QRectF(x[4], 0.5, x[5] - x[4] - 1, 5), QStringLiteral("Qt_vaga_disponivel_geral"));
    detail.addField(QRectF(x[5], 0.5, x[6] - x[5], 5), QStringLiteral("Qt_vaga_disp_f_grande_porte"));
    report::Band& summary = addBand(report::BandType::Summary, 8);
    summary.addLabel(QRectF(x[3], 2, x[4] - x[3], 5), QStringLiteral("Totais:")).setBold();
    summary.addExpression(QRectF(x[4], 2, x[5] - x[4], 5), [](const report::Context& c) {
        return QVariant(qRound(c.sum(QStringLiteral("Qt_vaga_disponivel_geral"))));
    });
    summary.addExpression(QRectF(x[5], 2, x[6] - x[5], 5), [](const report::Context& c) {
        return QVariant(qRound(c.sum(QStringLiteral("Qt_vaga_disp_f_grande_porte"))));
    });
    addPageNumber(addBand(report::BandType::PageFooter, 7), w);
}
