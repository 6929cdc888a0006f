// SPDX-License-Identifier: GPL-3.0-or-later
// The descriptions of the eleven reference registers and of the three search dialogs.

#include "registers/ReferenceForms.h"
#include "registers/ReferenceReports.h"
#include "registers/ReferenceSearches.h"
#include "registers/ReferenceSql.h"

namespace {

using Kind = ReferenceControl::Kind;
using Shows = ReferenceGridColumn::Shows;

const QString kAlertaExclusao = QStringLiteral("O registro será excluído definitivamente.\nDeseja continuar?");
const QString kExisteAnimalNesteGrupo = QStringLiteral("O registro não pode ser excluído.\nExiste animal neste grupo.");
const QString kJaEstaSendoUsado = QStringLiteral("O registro já esta sendo usado! Ele não pode ser excluído.");

QString presteA(const QString& what) {
    return QStringLiteral("Você esta preste a %1 nº: %2\n deseje continuar?").arg(what, QStringLiteral("%1"));
}

ReferenceControl nameEdit(const QString& field, int maxLength, const QString& required = {}) {
    return {.kind = Kind::Name,
            .name = QStringLiteral("dbeNome"),
            .label = QStringLiteral("Nome:"),
            .field = field,
            .maxLength = maxLength,
            .requiredMessage = required};
}

// A memo of a column `maxLength` wide (0: a text column without a width).
ReferenceControl memo(const QString& name, const QString& label, const QString& field, int maxLength = 0) {
    return {.kind = Kind::Memo, .name = name, .label = label, .field = field, .maxLength = maxLength};
}

ReferenceControl descriptionMemo() {
    return memo(QStringLiteral("dbmDescricao"), QStringLiteral("Descrição:"), QStringLiteral("Descricao"), 250);
}

// A look-up over every row of a table, its key stored in the field of the same name.
ReferenceControl lookup(const QString& name, const QString& label, const QString& key, const QString& shown,
                        const QString& listSql, const QString& required, const QString& page = {}) {
    return {.kind = Kind::Lookup,
            .name = name,
            .label = label,
            .field = key,
            .page = page,
            .listSql = listSql,
            .listKey = key,
            .listShown = shown,
            .requiredMessage = required};
}

const ReferenceGridColumn kNomeColumn{QStringLiteral("Nome"), QStringLiteral("Nome"), 250};
const ReferenceGridColumn kStatusColumn{QStringLiteral("Status"), QStringLiteral("Ind_Status"), 80};
const ReferenceGridColumn kDescricaoColumn{QStringLiteral("Descrição"), QStringLiteral("Descricao"), 300};

// What every member names: its form, menu action, table and key.
ReferenceTable baseTable(const QString& objectName, const QString& caption, const QString& action, int formId,
                         const QString& table, const QString& key) {
    ReferenceTable t;
    t.objectName = objectName;
    t.caption = caption;
    t.action = action;
    t.formId = formId;
    t.table = table;
    t.key = key;
    return t;
}

// The shape most members share: "Nome:", "Descrição:" and the grid of key, name, status and description.
ReferenceTable namedTable(const QString& objectName, const QString& caption, const QString& action, int formId,
                          const QString& table, const QString& key, int nameLength, const QString& nameRequired = {}) {
    ReferenceTable t = baseTable(objectName, caption, action, formId, table, key);
    t.columns = {QStringLiteral("Nome"), QStringLiteral("Descricao"), QStringLiteral("Ind_Status")};
    t.controls = {nameEdit(QStringLiteral("Nome"), nameLength, nameRequired), descriptionMemo()};
    t.grid = {kNomeColumn, kStatusColumn, kDescricaoColumn};
    return t;
}

// Coats and sizes: the description is their name.
ReferenceTable describedTable(const QString& objectName, const QString& caption, const QString& action, int formId,
                              const QString& table, const QString& key) {
    ReferenceTable t = baseTable(objectName, caption, action, formId, table, key);
    t.columns = {QStringLiteral("Descricao"), QStringLiteral("Ind_Status")};
    t.controls = {nameEdit(QStringLiteral("Descricao"), 50)};
    t.grid = {kStatusColumn, {QStringLiteral("Nome"), QStringLiteral("Descricao"), 250}};
    return t;
}

template <class Report>
std::shared_ptr<report::Report> make() {
    return std::make_shared<Report>();
}

}  // namespace

const ReferenceTable& grupoAnimaisTable() {
    static const ReferenceTable t = [] {
        ReferenceTable t =
            namedTable(QStringLiteral("frmGrupoAnimais"), QStringLiteral("009 - Grupo de animais."),
                       QStringLiteral("actGrupoAnimais"), 9, QStringLiteral("grupo_Animal"),
                       QStringLiteral("Id_Grupo_Animal"), 100, QStringLiteral("Falta preencher o nome!"));
        t.references = {{QStringLiteral("animal"), QStringLiteral("id_grupo_animal")},
                        {QStringLiteral("grupo_animal_animal"), QStringLiteral("id_grupo_animal")}};
        t.refusal = kExisteAnimalNesteGrupo;
        t.confirmation = kAlertaExclusao;
        t.reportAction = QStringLiteral("actRelGrupo");
        t.report = make<TfrmRelGrupo_Animais>;
        t.open = [] { openReferenceForm(frmGrupoAnimais, grupoAnimaisTable()); };
        return t;
    }();
    return t;
}

const ReferenceTable& especieAnimalTable() {
    static const ReferenceTable t = [] {
        ReferenceTable t =
            namedTable(QStringLiteral("frmEspecieAnimal"), QStringLiteral("010 - Especie de animal."),
                       QStringLiteral("actEspecie"), 10, QStringLiteral("Especie"), QStringLiteral("Id_Especie"), 100);
        const QString column = QStringLiteral("id_especie");
        t.references = {{QStringLiteral("animal"), column},
                        {QStringLiteral("raca"), column},
                        {QStringLiteral("mapa_disponibilidade_agenda"), column},
                        {QStringLiteral("mapa_rascunho"), column}};
        t.refusal = kExisteAnimalNesteGrupo;
        t.confirmation = kAlertaExclusao;
        t.reportAction = QStringLiteral("actRelEspecie");
        t.report = make<TfrmRelEspecie_Animal>;
        t.open = [] { openReferenceForm(frmEspecieAnimal, especieAnimalTable()); };
        return t;
    }();
    return t;
}

const ReferenceTable& racaTable() {
    static const ReferenceTable t = [] {
        ReferenceTable t =
            namedTable(QStringLiteral("frmRaca"), QStringLiteral("011 - Raça"), QStringLiteral("actRaca"), 11,
                       QStringLiteral("raca"), QStringLiteral("Id_Raca"), 60);
        t.columns = QStringList{QStringLiteral("Id_Especie"), QStringLiteral("Id_Porte"), QStringLiteral("Id_Pelo")} +
                    t.columns;
        // The size and coat chosen on the page "Padrão da raça" are the breed's standard ones.
        const QString standard = QStringLiteral("Padrão da raça");
        t.controls << lookup(QStringLiteral("dblEspecie"), QStringLiteral("Especie"), QStringLiteral("Id_Especie"),
                             QStringLiteral("nome"), referencesql::speciesList(),
                             QStringLiteral("Falta selecionar a especie!"))
                   << ReferenceControl{.kind = Kind::Name,
                                       .name = QStringLiteral("dbeNomePadrao"),
                                       .label = QStringLiteral("Raça:"),
                                       .field = QStringLiteral("Nome"),
                                       .page = standard,
                                       .readOnly = true}
                   << lookup(QStringLiteral("dblPorte"), QStringLiteral("Porte:"), QStringLiteral("Id_Porte"),
                             QStringLiteral("descricao"), referencesql::sizeList(),
                             QStringLiteral("Falta selecionar o porte do animal!"), standard)
                   << lookup(QStringLiteral("dblPelo"), QStringLiteral("Pêlo:"), QStringLiteral("Id_Pelo"),
                             QStringLiteral("descricao"), referencesql::coatList(),
                             QStringLiteral("Falta selecionar o tipo de pelo do animal!"), standard);
        t.references = {{QStringLiteral("animal"), QStringLiteral("id_raca")}};
        t.refusal = QStringLiteral("O registro não pode ser excluído.\nExiste animal com esta raça.");
        t.confirmation = kAlertaExclusao;
        t.reportAction = QStringLiteral("actRelRaca");
        t.report = make<TfrmRelRaca>;
        t.open = [] { openReferenceForm(frmRaca, racaTable()); };
        return t;
    }();
    return t;
}

const ReferenceTable& peloTable() {
    static const ReferenceTable t = [] {
        ReferenceTable t =
            describedTable(QStringLiteral("frmPelo"), QStringLiteral("012 - Tamanho do pêlo."),
                           QStringLiteral("actPelo"), 12, QStringLiteral("pelo"), QStringLiteral("Id_pelo"));
        t.window = ShowAs::Window;
        t.references = {{QStringLiteral("animal"), QStringLiteral("id_pelo")},
                        {QStringLiteral("raca"), QStringLiteral("id_pelo")}};
        t.refusal = QStringLiteral("O registro não pode ser excluído.\nExiste animal com este tipo de pelo.");
        t.confirmation = kAlertaExclusao;
        t.reportAction = QStringLiteral("actRelPelo");
        t.report = make<TfrmRelPelo>;
        t.open = [] { openReferenceForm(frmPelo, peloTable()); };
        return t;
    }();
    return t;
}

const ReferenceTable& porteAnimalTable() {
    static const ReferenceTable t = [] {
        ReferenceTable t =
            describedTable(QStringLiteral("frmPorteAnimal"), QStringLiteral("013 - Porte do animais."),
                           QStringLiteral("actPorteAnimal"), 13, QStringLiteral("Porte"), QStringLiteral("Id_porte"));
        t.references = {{QStringLiteral("animal"), QStringLiteral("id_porte")},
                        {QStringLiteral("raca"), QStringLiteral("id_porte")}};
        t.refusal = QStringLiteral("O registro não pode ser excluído.\nExiste animal utilizando este porte.");
        t.confirmation = kAlertaExclusao;
        t.reportAction = QStringLiteral("actRelPorte");
        t.report = make<TfrmRelPorte>;
        t.open = [] { openReferenceForm(frmPorteAnimal, porteAnimalTable()); };
        return t;
    }();
    return t;
}

const ReferenceTable& statusAtendimentoTable() {
    static const ReferenceTable t = [] {
        ReferenceTable t = namedTable(
            QStringLiteral("frmStatusAtendimento"), QStringLiteral("014 - Status atendimento."),
            QStringLiteral("actStatusAtendimento"), 14, QStringLiteral("Atendimento_status"),
            QStringLiteral("Id_Atendimento_Status"), 100, QStringLiteral("Falta preencher o nome do status!"));
        t.references = {{QStringLiteral("atendimento"), QStringLiteral("id_atendimento_status")}};
        t.refusal = QStringLiteral("O registro não pode ser excluído.\nEle esta sendo usado.");
        t.confirmation = presteA(QStringLiteral("deletar o status"));
        t.deleteFailure = QStringLiteral("Erro ao tentar excluir o registro!");
        t.reportAction = QStringLiteral("actRelTipoStatusAtendimento");
        t.report = make<TfrmRelStatusAtendimento>;
        t.search = [](ReferenceForm* form) {
            openReferenceSearch(frmAtendimentoStatusPesquisa, atendimentoStatusPesquisa(), form);
        };
        t.open = [] { openReferenceForm(frmStatusAtendimento, statusAtendimentoTable()); };
        return t;
    }();
    return t;
}

const ReferenceTable& unidadeMedidaTable() {
    static const ReferenceTable t = [] {
        ReferenceTable t = namedTable(QStringLiteral("frmUnidadeMedida"), QStringLiteral("015 - Unidade de medida."),
                                      QStringLiteral("actUnidadeMedida"), 15, QStringLiteral("unidade_medida"),
                                      QStringLiteral("Id_Unidade_Medida"), 100,
                                      QStringLiteral("Falta preencher o nome da unidade de medida!"));
        t.references = {{QStringLiteral("medicamento"), QStringLiteral("id_unidade_medida")}};
        t.refusal = kJaEstaSendoUsado;
        t.confirmation = presteA(QStringLiteral("deletar a unidade de medida"));
        t.reportAction = QStringLiteral("actRelUnidadeMedida");
        t.report = make<TfrmRelUnidadeMedida>;
        t.open = [] { openReferenceForm(frmUnidadeMedida, unidadeMedidaTable()); };
        return t;
    }();
    return t;
}

const ReferenceTable& medicamentoTable() {
    static const ReferenceTable t = [] {
        ReferenceTable t =
            namedTable(QStringLiteral("frmMedicamento"), QStringLiteral("016 - Cadastro de Medicamento"),
                       QStringLiteral("actMedicamento"), 16, QStringLiteral("medicamento"),
                       QStringLiteral("Id_Medicamento"), 100, QStringLiteral("Falta digitar o nome do medicamento!"));
        t.columns.prepend(QStringLiteral("Id_Unidade_Medida"));
        ReferenceControl unidade =
            lookup(QStringLiteral("dblUnidadeMedida"), QStringLiteral("Unidade medida:"),
                   QStringLiteral("Id_Unidade_Medida"), QStringLiteral("nome"), referencesql::measureUnitList(),
                   QStringLiteral("Falta selecionar a unidade de medida!"));
        unidade.hintField = QStringLiteral("descricao");
        t.controls.insert(1, unidade);
        t.grid.insert(1, {QStringLiteral("Unidade medida"), QStringLiteral("Id_Unidade_Medida"), 150, Shows::Lookup,
                          referencesql::measureUnitName()});
        t.newRowFocus = QStringLiteral("dbeNome");
        t.references = {{QStringLiteral("medicamento_gasto"), QStringLiteral("id_medicamento")}};
        t.refusal = kJaEstaSendoUsado;
        t.confirmation = presteA(QStringLiteral("excluir definitivamento o medicamento"));
        t.reportAction = QStringLiteral("actRelMedicamento");
        t.report = make<TfrmRelMedicamento>;
        t.search = [](ReferenceForm* form) {
            openReferenceSearch(frmMedicamentoPesquisa, medicamentoPesquisa(), form);
        };
        t.open = [] { openReferenceForm(frmMedicamento, medicamentoTable()); };
        return t;
    }();
    return t;
}

const ReferenceTable& procedimentoTable() {
    static const ReferenceTable t = [] {
        ReferenceTable t = namedTable(QStringLiteral("frmProcedimento"), QStringLiteral("017 - Procedimento."),
                                      QStringLiteral("actProcedimento"), 17, QStringLiteral("tipo_Procedimento"),
                                      QStringLiteral("Id_Tipo_Procedimento"), 100,
                                      QStringLiteral("Falta preencher o nome da unidade!"));
        const QString column = QStringLiteral("id_tipo_procedimento");
        t.references = {{QStringLiteral("atendimento_particular"), column},
                        {QStringLiteral("procedimento"), column},
                        {QStringLiteral("mapa_disponibilidade_agenda"), column},
                        {QStringLiteral("mapa_rascunho"), column}};
        t.refusal = kJaEstaSendoUsado;
        t.confirmation = presteA(QStringLiteral("deletar o procedimento"));
        t.report = make<TfrmRelTipoProcedimento>;
        t.search = [](ReferenceForm* form) {
            openReferenceSearch(frmTipoProcedimentoPesquisa, tipoProcedimentoPesquisa(), form);
        };
        t.open = [] { openReferenceForm(frmProcedimento, procedimentoTable()); };
        return t;
    }();
    return t;
}

const ReferenceTable& tipoOcorrenciaTable() {
    static const ReferenceTable t = [] {
        ReferenceTable t =
            namedTable(QStringLiteral("frmTipoOcorrencia"), QStringLiteral("018 - Tipos de ocorrências para animais."),
                       QStringLiteral("actTipoOcorrencia"), 18, QStringLiteral("tipo_ocorrencia"),
                       QStringLiteral("Id_Tipo_Ocorrencia"), 100);
        t.columns.insert(2, QStringLiteral("Ind_Finaliza_Caso"));
        t.controls << ReferenceControl{.kind = Kind::Flag,
                                       .name = QStringLiteral("dbcFinalizaCaso"),
                                       .label = QStringLiteral("Finaliza o caso."),
                                       .field = QStringLiteral("Ind_Finaliza_Caso"),
                                       .ticked = QStringLiteral("SIM"),
                                       .unticked = QStringLiteral("NAO")};
        t.grid.insert(1, {QStringLiteral("Finaliza caso"), QStringLiteral("Ind_Finaliza_Caso"), 80});
        t.defaults = {{QStringLiteral("Ind_Finaliza_Caso"), QStringLiteral("NAO")}};
        t.references = {{QStringLiteral("ocorrencia"), QStringLiteral("id_tipo_ocorrencia")}};
        t.refusal = kExisteAnimalNesteGrupo;
        t.confirmation = kAlertaExclusao;
        t.report = make<TfrmRelTipoOcorrencia>;
        t.open = [] { openReferenceForm(frmTipoOcorrencia, tipoOcorrenciaTable()); };
        return t;
    }();
    return t;
}

const ReferenceTable& receituarioTextoPesoTable() {
    static const ReferenceTable t = [] {
        ReferenceTable t;
        t.objectName = QStringLiteral("frmReceituario_Texto_Peso");
        t.caption = QStringLiteral("019 - Texto do receituário baseado em peso.");
        t.action = QStringLiteral("actReceituario_Texto_Peso");
        t.formId = 19;
        t.table = QStringLiteral("receituario_texto_peso");
        t.key = QStringLiteral("Id_Receituario_texto_Peso");
        t.columns = {QStringLiteral("Peso"), QStringLiteral("Texto"), QStringLiteral("Ind_Status")};
        t.controls = {{.kind = Kind::Decimal,
                       .name = QStringLiteral("dbePeso"),
                       .label = QStringLiteral("Peso:"),
                       .field = QStringLiteral("Peso"),
                       .requiredMessage = QStringLiteral("Falta preencher !")},
                      memo(QStringLiteral("dbmTexto"), QStringLiteral("Texto:"), QStringLiteral("Texto"))};
        t.grid = {{QStringLiteral("Peso"), QStringLiteral("Peso"), 80, Shows::Decimal}, kStatusColumn};
        t.confirmation = presteA(QStringLiteral("deletar a unidade"));
        t.report = make<TfrmRelTextoPeso>;
        t.open = [] { openReferenceForm(frmReceituario_Texto_Peso, receituarioTextoPesoTable()); };
        return t;
    }();
    return t;
}

QList<const ReferenceTable*> referenceTables() {
    return {&grupoAnimaisTable(),   &especieAnimalTable(),       &racaTable(),
            &peloTable(),           &porteAnimalTable(),         &statusAtendimentoTable(),
            &unidadeMedidaTable(),  &medicamentoTable(),         &procedimentoTable(),
            &tipoOcorrenciaTable(), &receituarioTextoPesoTable()};
}

// --- search dialogs ---

const ReferenceSearchDialog& tipoProcedimentoPesquisa() {
    static const ReferenceSearchDialog d{.objectName = QStringLiteral("frmTipoProcedimentoPesquisa"),
                                         .caption = QStringLiteral("Pesquisa."),
                                         .window = ShowAs::MdiChild,
                                         .searchCaption = QStringLiteral("&Pesqisar"),
                                         .table = QStringLiteral("tipo_procedimento"),
                                         .key = QStringLiteral("Id_tipo_procedimento"),
                                         .followsCursor = true};
    return d;
}

const ReferenceSearchDialog& atendimentoStatusPesquisa() {
    static const ReferenceSearchDialog d{.objectName = QStringLiteral("frmAtendimentoStatusPesquisa"),
                                         .caption = QStringLiteral("Pesquisa status atendimento."),
                                         .window = ShowAs::Window,
                                         .searchCaption = QStringLiteral("&Pesquisar"),
                                         .table = QStringLiteral("atendimento_Status"),
                                         .key = QStringLiteral("Id_atendimento_Status")};
    return d;
}

const ReferenceSearchDialog& medicamentoPesquisa() {
    static const ReferenceSearchDialog d{.objectName = QStringLiteral("frmMedicamentoPesquisa"),
                                         .caption = QStringLiteral("Pesquisa"),
                                         .window = ShowAs::MdiChild,
                                         .searchCaption = QStringLiteral("&Pesquisar"),
                                         .table = QStringLiteral("medicamento"),
                                         .key = QStringLiteral("Id_medicamento"),
                                         .noKindMessage = QStringLiteral("Falta selecionar o campo a ser pesquisado!"),
                                         .noTextMessage = QStringLiteral("Falta digitar o texto a ser pesquisado!")};
    return d;
}
