// SPDX-License-Identifier: GPL-3.0-or-later
// What every reference register does, run over each of the eleven.

#include "RegistersFixture.h"

#include "platform/report/Output.h"
#include "platform/report/Report.h"

namespace {

struct Reference {
    QString table, column;
};

struct Member {
    QString action;
    QString caption;
    bool mdiChild;
    QString table, key;
    QStringList seeds;     // rows its look-ups list
    QStringList required;  // the save's messages, in the order it asks
    QList<Reference> references;
    QString refusal;
    QString confirmation;  // %1: the key
    QString reportCode, reportTitle;
    bool searches;
};

void PrintTo(const Member& m, std::ostream* os) { *os << m.action.toStdString(); }

const QString kAlerta = "O registro será excluído definitivamente.\nDeseja continuar?";
const QString kNesteGrupo = "O registro não pode ser excluído.\nExiste animal neste grupo.";
const QString kUsado = "O registro já esta sendo usado! Ele não pode ser excluído.";

const QList<Member>& members() {
    static const QList<Member> list{
        {"actGrupoAnimais",
         "009 - Grupo de animais.",
         true,
         "grupo_animal",
         "Id_Grupo_Animal",
         {},
         {"Falta preencher o nome!"},
         {{"animal", "id_grupo_animal"}, {"grupo_animal_animal", "id_grupo_animal"}},
         kNesteGrupo,
         kAlerta,
         "REL028",
         "Grupo de animais",
         false},
        {"actEspecie",
         "010 - Especie de animal.",
         true,
         "especie",
         "Id_Especie",
         {},
         {},
         {{"animal", "id_especie"},
          {"raca", "id_especie"},
          {"mapa_disponibilidade_agenda", "id_especie"},
          {"mapa_rascunho", "id_especie"}},
         kNesteGrupo,
         kAlerta,
         "REL029",
         "Espécies de Animais",
         false},
        {"actRaca",
         "011 - Raça",
         true,
         "raca",
         "Id_Raca",
         {"insert into especie (Id_Especie, Nome) values (5, 'CANINA')",
          "insert into porte (Id_porte, Descricao) values (6, 'PEQUENO')",
          "insert into pelo (Id_pelo, Descricao) values (7, 'CURTO')"},
         {"Falta selecionar a especie!", "Falta selecionar o porte do animal!",
          "Falta selecionar o tipo de pelo do animal!"},
         {{"animal", "id_raca"}},
         "O registro não pode ser excluído.\nExiste animal com esta raça.",
         kAlerta,
         "REL030",
         "Raças de Animais",
         false},
        {"actPelo",
         "012 - Tamanho do pêlo.",
         false,
         "pelo",
         "Id_pelo",
         {},
         {},
         {{"animal", "id_pelo"}, {"raca", "id_pelo"}},
         "O registro não pode ser excluído.\nExiste animal com este tipo de pelo.",
         kAlerta,
         "REL031",
         "Tipo de Pelo dos Animais",
         false},
        {"actPorteAnimal",
         "013 - Porte do animais.",
         true,
         "porte",
         "Id_porte",
         {},
         {},
         {{"animal", "id_porte"}, {"raca", "id_porte"}},
         "O registro não pode ser excluído.\nExiste animal utilizando este porte.",
         kAlerta,
         "REL032",
         "Porte de Animal",
         false},
        {"actStatusAtendimento",
         "014 - Status atendimento.",
         true,
         "atendimento_status",
         "Id_Atendimento_Status",
         {},
         {"Falta preencher o nome do status!"},
         {{"atendimento", "id_atendimento_status"}},
         "O registro não pode ser excluído.\nEle esta sendo usado.",
         "Você esta preste a deletar o status nº: %1\n deseje continuar?",
         "REL033",
         "Status do Atendimento",
         true},
        {"actUnidadeMedida",
         "015 - Unidade de medida.",
         true,
         "unidade_medida",
         "Id_Unidade_Medida",
         {},
         {"Falta preencher o nome da unidade de medida!"},
         {{"medicamento", "id_unidade_medida"}},
         kUsado,
         "Você esta preste a deletar a unidade de medida nº: %1\n deseje continuar?",
         "REL035",
         "Unidade de Medida",
         false},
        {"actMedicamento",
         "016 - Cadastro de Medicamento",
         true,
         "medicamento",
         "Id_Medicamento",
         {"insert into unidade_medida (Id_Unidade_Medida, Nome, Descricao) values (3, 'ML', 'Mililitro')"},
         {"Falta digitar o nome do medicamento!", "Falta selecionar a unidade de medida!"},
         {{"medicamento_gasto", "id_medicamento"}},
         kUsado,
         "Você esta preste a excluir definitivamento o medicamento nº: %1\n deseje continuar?",
         "REL036",
         "Medicamentos Cadastrados",
         true},
        {"actProcedimento",
         "017 - Procedimento.",
         true,
         "tipo_procedimento",
         "Id_Tipo_Procedimento",
         {},
         {"Falta preencher o nome da unidade!"},
         {{"atendimento_particular", "id_tipo_procedimento"},
          {"procedimento", "id_tipo_procedimento"},
          {"mapa_disponibilidade_agenda", "id_tipo_procedimento"},
          {"mapa_rascunho", "id_tipo_procedimento"}},
         kUsado,
         "Você esta preste a deletar o procedimento nº: %1\n deseje continuar?",
         "REL001",
         "Procedimentos Médico",
         true},
        {"actTipoOcorrencia",
         "018 - Tipos de ocorrências para animais.",
         true,
         "tipo_ocorrencia",
         "Id_Tipo_Ocorrencia",
         {},
         {},
         {{"ocorrencia", "id_tipo_ocorrencia"}},
         kNesteGrupo,
         kAlerta,
         "REL001",
         "Tipo de Ocorrência",
         false},
        {"actReceituario_Texto_Peso",
         "019 - Texto do receituário baseado em peso.",
         true,
         "receituario_texto_peso",
         "Id_Receituario_texto_Peso",
         {},
         {"Falta preencher !"},
         {},
         {},
         "Você esta preste a deletar a unidade nº: %1\n deseje continuar?",
         "REL001",
         "Relação peso e texto para o receituário",
         false},
    };
    return list;
}

// Keys of the referring tables that the server does not make.
const QHash<QString, QString> kClientKeys{
    {"raca", "Id_Raca"},
    {"medicamento", "Id_Medicamento"},
    {"medicamento_gasto", "Id_Medicamento_Gasto"},
    {"ocorrencia", "Id_Ocorrencia"},
    {"atendimento_particular", "Id_Atendimento_Particular"},
    {"mapa_disponibilidade_agenda", "Id_Mapa_disponibilidade_agenda"},
    {"mapa_rascunho", "Id_Mapa_rascunho"},
};

}  // namespace

class EveryRegister : public RegistersTest, public ::testing::WithParamInterface<Member> {
protected:
    void SetUp() override {
        RegistersTest::SetUp();
        for (const QString& seed : GetParam().seeds)
            exec(seed);
    }

    const ReferenceTable& table() const {
        for (const ReferenceTable* t : referenceTables())
            if (t->action == GetParam().action)
                return *t;
        throw std::runtime_error("no such register");
    }

    // Fills what the save asks for, as typed and chosen by the user.
    void fill(ReferenceForm* form, const QString& name) {
        for (const ReferenceControl& c : table().controls) {
            switch (c.kind) {
            case ReferenceControl::Kind::Name:
                if (!c.readOnly)
                    type(form, c.name, name);
                break;
            case ReferenceControl::Kind::Decimal: type(form, c.name, "12,5"); break;
            case ReferenceControl::Kind::Memo: type(form, c.name, "Texto de " + name); break;
            case ReferenceControl::Kind::Lookup: {
                auto* combo = child<QComboBox>(form, c.name);
                ASSERT_GT(combo->count(), 0) << c.name.toStdString();
                pick(form, c.name, combo->itemText(0));
                break;
            }
            case ReferenceControl::Kind::Flag: break;
            }
        }
    }

    QVariant cell(const QString& column, int key) {
        return scalar(QString("select %1 from %2 where %3 = :k").arg(column, GetParam().table, GetParam().key),
                      {{"k", key}});
    }

    int addRow(ReferenceForm* form, const QString& name) {
        trigger(form, "actAppend");
        fill(form, name);
        prompts.clear();
        trigger(form, "actPost");
        EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!");
        return form->qryPrincipal->field(GetParam().key).toInt();
    }
};

TEST_P(EveryRegister, OpensFromItsMenuActionWithItsCaptionWindowAndRights) {
    const Member& m = GetParam();
    ReferenceForm* form = open(m.action);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), m.caption);
    EXPECT_EQ(qobject_cast<QMdiSubWindow*>(form->parentWidget()) != nullptr, m.mdiChild);
    EXPECT_EQ(child<QAction>(form, "actPesquisar")->isVisible(), m.searches);
    for (const char* a : {"actAppend", "actEdit", "actDelete", "actPrint"})
        EXPECT_TRUE(child<QAction>(form, a)->isVisible()) << a;

    // A second instance becomes the newest; a profile refusing every right hides the four actions on it only.
    exec(
        R"(
            insert into perfil_form (Id_Perfil, Id_Form, Visualizar, Incluir, Alterar, Excluir, Imprimir)
            values (1000, :f, 'S', 'N', 'N', 'N', 'N')
        )",
        {{"f", table().formId}});
    ReferenceForm* second = open(m.action);
    EXPECT_NE(second, form);
    for (const char* a : {"actAppend", "actEdit", "actDelete", "actPrint"}) {
        EXPECT_FALSE(child<QAction>(second, a)->isVisible()) << a;
        EXPECT_TRUE(child<QAction>(form, a)->isVisible()) << a;
    }
}

TEST_P(EveryRegister, NewRowsTakeTheNextKeyAndTheAuditOfTheirInsert) {
    ReferenceForm* form = open(GetParam().action);
    EXPECT_EQ(addRow(form, "PRIMEIRO"), 1);
    trigger(form, "actAppend");
    EXPECT_TRUE(child<QLineEdit>(form, "dbeCodigo")->isReadOnly());
    fill(form, "SEGUNDO");
    tick(form, "dbcAtivo");
    trigger(form, "actPost");
    EXPECT_EQ(form->qryPrincipal->field(GetParam().key).toInt(), 2);
    EXPECT_EQ(child<QLineEdit>(form, "dbeCodigo")->text(), "2");

    EXPECT_EQ(str(QString("select Ind_Status from %1 where %2 = 1").arg(GetParam().table, GetParam().key)), "ATIVO");
    EXPECT_EQ(db::toText(cell("Ind_Status", 2)), "INATIVO");
    EXPECT_EQ(db::toInt(cell("Inserido_Por", 2)), 1);
    const QDateTime inserted = db::toDateTime(cell("Inserido_Em", 2));
    EXPECT_LE(qAbs(inserted.secsTo(QDateTime::currentDateTime())), 5);
    EXPECT_TRUE(cell("Modificado_Por", 2).isNull());
    EXPECT_TRUE(cell("Modificado_Em", 2).isNull());
    EXPECT_FALSE(db::inTransaction());
}

TEST_P(EveryRegister, AnEditSetsOnlyTheModifyingAudit) {
    ReferenceForm* form = open(GetParam().action);
    addRow(form, "ANTES");
    exec(QString("update %1 set Inserido_Em = :t where %2 = 1").arg(GetParam().table, GetParam().key),
         {{"t", QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5))}});
    trigger(form, "actRefresh");
    trigger(form, "actEdit");
    const ReferenceControl& first = table().controls.first();
    type(form, first.name, first.kind == ReferenceControl::Kind::Decimal ? "7,25" : "DEPOIS");
    tick(form, "dbcAtivo");
    trigger(form, "actPost");
    EXPECT_EQ(prompts.last(), "Operação realizada com sucesso!");
    if (first.kind == ReferenceControl::Kind::Decimal)
        EXPECT_DOUBLE_EQ(db::toNumber(cell(first.field, 1)), 7.25);
    else
        EXPECT_EQ(db::toText(cell(first.field, 1)).trimmed(), "DEPOIS");
    EXPECT_EQ(db::toText(cell("Ind_Status", 1)), "INATIVO");
    EXPECT_EQ(db::toDateTime(cell("Inserido_Em", 1)), QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)));
    EXPECT_EQ(db::toInt(cell("Modificado_Por", 1)), 1);
    EXPECT_FALSE(cell("Modificado_Em", 1).isNull());
}

// Another workstation saves the row within the same second, between this one's read and its save: the save
// is refused in the error box, keeps what was typed and leaves the other's value.
TEST_P(EveryRegister, AnotherWorkstationsChangeInTheSameSecondIsNotReverted) {
    ReferenceForm* form = open(GetParam().action);
    addRow(form, "ANTES");
    trigger(form, "actRefresh");
    trigger(form, "actEdit");
    const ReferenceControl& first = table().controls.first();
    const bool decimal = first.kind == ReferenceControl::Kind::Decimal;
    type(form, first.name, decimal ? "7,25" : "DEPOIS");
    {
        OtherWorkstation station;
        ASSERT_TRUE(station.exec(
            QString("update %1 set %2 = ? where %3 = 1").arg(GetParam().table, first.field, GetParam().key),
            {decimal ? QVariant(99) : QVariant("OUTRO")}));
    }
    prompts.clear();
    trigger(form, "actPost");
    EXPECT_EQ(prompts.texts(), QStringList{db::kRegistroAlterado});
    EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Edit);
    EXPECT_EQ(db::toText(cell(first.field, 1)).trimmed(), decimal ? "99" : "OUTRO");
}

TEST_P(EveryRegister, TheSaveAsksForEachMissingFieldInTurn) {
    ReferenceForm* form = open(GetParam().action);
    trigger(form, "actAppend");
    for (const QString& message : GetParam().required) {
        prompts.clear();
        trigger(form, "actPost");
        EXPECT_EQ(prompts.texts(), QStringList{message});
        EXPECT_EQ(form->qryPrincipal->state(), db::DataSet::State::Insert);
        EXPECT_FALSE(db::inTransaction());
        // Give what was asked for and try again; blanks alone are no name.
        for (const ReferenceControl& c : table().controls) {
            if (c.requiredMessage != message)
                continue;
            if (c.kind == ReferenceControl::Kind::Name) {
                type(form, c.name, "   ");
                trigger(form, "actPost");
                EXPECT_EQ(prompts.last(), message);
            }
            if (c.kind == ReferenceControl::Kind::Lookup)
                pick(form, c.name, child<QComboBox>(form, c.name)->itemText(0));
            else
                type(form, c.name, c.kind == ReferenceControl::Kind::Decimal ? "3" : "X");
        }
    }
    EXPECT_EQ(count(GetParam().table), 0);
    prompts.clear();
    trigger(form, "actPost");
    EXPECT_EQ(prompts.texts(), QStringList{"Operação realizada com sucesso!"});
    EXPECT_EQ(count(GetParam().table), 1);
}

TEST_P(EveryRegister, EachReferenceBlocksTheDeleteWithTheRegistersOwnText) {
    const Member& m = GetParam();
    ReferenceForm* form = open(m.action);
    addRow(form, "USADO");
    for (const Reference& ref : m.references) {
        SCOPED_TRACE(ref.table.toStdString());
        const QString key = kClientKeys.value(ref.table);
        if (key.isEmpty())
            exec(QString("insert into %1 (%2) values (1)").arg(ref.table, ref.column));
        else
            exec(QString("insert into %1 (%2, %3) values (99, 1)").arg(ref.table, key, ref.column));
        prompts.clear();
        remove(form, true);
        EXPECT_EQ(prompts.texts(), QStringList{m.refusal});
        EXPECT_EQ(prompts.confirmations.size(), 1);  // nothing was asked
        prompts.confirmations.clear();
        EXPECT_EQ(count(m.table), 1);
        exec(QString("delete from %1").arg(ref.table));
    }
    // Rows that refer to another key do not count.
    if (!m.references.isEmpty()) {
        const Reference& ref = m.references.first();
        const QString key = kClientKeys.value(ref.table);
        exec(key.isEmpty() ? QString("insert into %1 (%2) values (2)").arg(ref.table, ref.column)
                           : QString("insert into %1 (%2, %3) values (99, 2)").arg(ref.table, key, ref.column));
    }
    prompts.clear();
    remove(form, true);
    EXPECT_EQ(count(m.table), 0);
}

TEST_P(EveryRegister, TheDeleteAsksFirstAndReloadsOnYes) {
    const Member& m = GetParam();
    ReferenceForm* form = open(m.action);
    addRow(form, "UM");
    addRow(form, "DOIS");
    trigger(form, "actRefresh");
    trigger(form, "actLast");
    prompts.clear();
    remove(form, false);
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].kind, Prompts::Kind::Confirmation);
    EXPECT_EQ(prompts.last(), QString(m.confirmation).replace("%1", "2"));
    EXPECT_EQ(count(m.table), 2);

    prompts.clear();
    remove(form, true);
    EXPECT_EQ(prompts.texts(),
              (QStringList{QString(m.confirmation).replace("%1", "2"), "Operação realizada com sucesso!"}));
    EXPECT_EQ(count(m.table), 1);
    EXPECT_EQ(form->qryPrincipal->recordCount(), 1);
    EXPECT_FALSE(db::inTransaction());
}

TEST_P(EveryRegister, AnEmptyTableHasNothingToDelete) {
    ReferenceForm* form = open(GetParam().action);
    EXPECT_FALSE(child<QAction>(form, "actDelete")->isEnabled());
    form->remove();
    EXPECT_EQ(prompts.texts(), QStringList{"Não há registro!"});
}

TEST_P(EveryRegister, OpensShowingEveryRowAndPrintsItsListInTheModalPreview) {
    const Member& m = GetParam();
    ReferenceForm* first = open(m.action);
    addRow(first, "LISTADO");
    ReferenceForm* form = open(m.action);
    EXPECT_EQ(form->qryPrincipal->recordCount(), 1);
    auto* grid = child<QTableView>(form, "dbgPrincipal");
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), "Código");
    EXPECT_EQ(grid->model()->index(0, 0).data().toString(), "1");

    trigger(form, "actPrint");
    ASSERT_EQ(prompts.previews.size(), 1);
    EXPECT_TRUE(prompts.previews[0].modal);
    const QString printed = report::exportText(prompts.previews[0].report->layout(), report::Format::Text);
    EXPECT_TRUE(printed.contains(m.reportCode)) << printed.toStdString();
    EXPECT_TRUE(printed.contains(m.reportTitle));
    EXPECT_TRUE(printed.contains("1 - "));
}

INSTANTIATE_TEST_SUITE_P(Reference, EveryRegister, ::testing::ValuesIn(members()),
                         [](const ::testing::TestParamInfo<Member>& info) {
                             return info.param.action.mid(3).toStdString();
                         });
