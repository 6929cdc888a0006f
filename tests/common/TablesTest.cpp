// SPDX-License-Identifier: GPL-3.0-or-later
// The descriptions of the written tables: each insert and whole-row update generated from them writes the
// columns the hand-written statements they replaced wrote, under the same guard, and every column they name is
// a column of db/main.sql.

#include "TestDatabase.h"
#include "common/schema/Tables.h"
#include "platform/db/EditedRow.h"

#include <QRegularExpression>
#include <QSet>
#include <functional>

namespace {

QSet<QString> lowerSet(const QStringList& names) {
    QSet<QString> out;
    for (const QString& n : names)
        out.insert(n.trimmed().toLower());
    return out;
}

QString joined(const QSet<QString>& names) {
    QStringList sorted(names.cbegin(), names.cend());
    sorted.sort();
    return sorted.join(QStringLiteral(", "));
}

// The columns between the first parentheses of an insert.
QSet<QString> insertedColumns(const QString& sql) {
    const int open = int(sql.indexOf(QLatin1Char('('))), close = int(sql.indexOf(QLatin1Char(')')));
    return lowerSet(sql.mid(open + 1, close - open - 1).split(QLatin1Char(',')));
}

// The columns of an update's "set c = :p, ..." before its where.
QSet<QString> setColumns(const QString& sql) {
    const int set = int(sql.indexOf(QStringLiteral(" set "))), where = int(sql.indexOf(QStringLiteral(" where ")));
    QStringList columns;
    for (const QString& item : sql.mid(set + 5, where - set - 5).split(QLatin1Char(',')))
        columns << item.section(QLatin1Char('='), 0, 0);
    return lowerSet(columns);
}

// The columns a generated update or delete compares with the values read.
QSet<QString> guardedColumns(const QString& sql) {
    static const QRegularExpression compared(QStringLiteral("(\\w+) (?:is not distinct from|>=) :old_"));
    QStringList columns;
    for (auto it = compared.globalMatch(sql); it.hasNext();)
        columns << it.next().captured(1);
    return lowerSet(columns);
}

const QStringList kAudit{"Inserido_Por", "Inserido_Em", "Modificado_Por", "Modificado_Em"};
const QStringList kModified{"Modificado_Por", "Modificado_Em"};

// A written table and the statements its description replaced: the columns today's insert wrote, and those the
// generated one adds (bound null, as the columns were left before); the columns today's whole-row update set,
// none where the table has no such update. The guard of that update compared Modificado_Em and each column set.
struct Case {
    std::function<const db::Table&()> table;
    QStringList inserted;
    QStringList addedNull{};
    QStringList updated{};
};

// Every written table with the statements its description replaced.
const QList<Case>& cases() {
    const QStringList address{"Id_Distrito",     "COD_AREA_ABRN", "NUM_LOGR",      "NUM_SEQU_LOGR",
                              "TIP_LOGR",        "NOM_LOGR",      "NUM_IMOV_LOGR", "DES_CMPL_ENDR",
                              "NUM_BAIR",        "NOM_BAIR",      "NUM_CEP",       "num_locl",
                              "nom_locl",        "End_X",         "End_Y",         "Ind_Endereco_Informado",
                              "data_inicial_end"};
    const QStringList owner{
        "Nome",   "Telefone_Residencial", "Telefone_Celular",   "Telefone_Recado", "Num_CPF_CNPJ", "Tipo_Pessoa",
        "Num_CI", "id_Unidade_Trabalho",  "Email_Proprietario", "Id_Endereco"};
    const QStringList animal{"Id_Especie", "Id_Raca",         "Id_Grupo_Animal", "Nome",     "Id_Pelo",
                             "Sexo",       "Data_Nascimento", "Esterilizado",    "Id_Porte", "Num_Microchip",
                             "Cor",        "Sinais",          "Num_Pedigree",    "OBS",      "Ind_End_Animal_Prop"};
    const QStringList user{"Id_Unidade_Trabalho", "Id_Perfil", "Nome", "Login", "Bloqueado", "Inativo", "senha_crip"};
    const QStringList webOnly{
        "Id_proprietario", "DDD_TEL_USU", "Telefone_usu", "Num_CPF_CNPJ", "Ind_solicitacao_nova_senha", "Email_usu"};
    const QStringList professional{"Id_Unidade_Trabalho",
                                   "Nome",
                                   "Telefone_residencial",
                                   "Telefone_celular",
                                   "Telefone_Recado",
                                   "Email",
                                   "Inativo",
                                   "Bloqueado",
                                   "Ind_Status"};
    const QStringList hours{"Id_Profissional", "Id_Unidade_Trabalho", "Data_Hora_Inicial", "Data_Hora_Final"};
    const QStringList slot{"Id_unidade_trabalho",      "Id_tipo_procedimento",        "Data_hora_disponibilidade",
                           "Qt_vaga_disponivel_geral", "Qt_vaga_disp_f_grande_porte", "Id_Especie",
                           "Qt_vaga_usada_geral",      "Qt_vaga_usada_f_grande_porte"};
    const QStringList nameAndStatus{"Nome", "Descricao", "Ind_Status"};
    const QStringList insertedOnly{"Inserido_Por", "Inserido_Em"};

    static const QList<Case> cases{
        {tables::unidadeTrabalho,
         QStringList{"Id_Unidade_Trabalho"} + nameAndStatus + kAudit,
         {},
         nameAndStatus + kAudit},
        // The register's insert; the web account's wrote the owner's columns and left Modificado_* out.
        {tables::usuario, user + QStringList{"Status_Registro"} + kAudit, webOnly, user + kAudit},
        {tables::perfil, QStringList{"Id_Perfil"} + nameAndStatus + kAudit, {}, nameAndStatus + kAudit},
        {tables::form,
         QStringList{"Id_Form", "Nome", "Descricao", "Tipo_Form", "Tag", "Ind_Status"} + kAudit,
         {},
         QStringList{"Id_Form", "Nome", "Descricao", "Tipo_Form", "Tag", "Ind_Status"} + kAudit},
        {tables::perfilForm, {"Id_Perfil", "Id_Form", "Visualizar", "Incluir", "Alterar", "Excluir", "Imprimir"}},
        {tables::endereco, address + kAudit, {}, address + kAudit},
        {tables::proprietario, owner + kAudit + QStringList{"Status_Registro"}, {}, owner + kAudit},
        {tables::animal, QStringList{"Id_Proprietario", "Id_faixa_peso_animal"} + animal + kAudit, {}, animal + kAudit},
        {tables::enderecoAnimal, {"id_animal", "id_endereco"}},
        {tables::grupoAnimalAnimal, {"Id_Grupo_Animal", "Id_Animal", "Dt_Entrada_Grupo"}, kAudit},
        {tables::histoMudaProprietario,
         QStringList{"Id_Histo_Muda_Proprietario", "Id_Animal", "Id_Anterior_Proprietario", "Id_Proprietario",
                     "Dt_Muda_Proprietario"} +
             insertedOnly,
         kModified},
        {tables::vacina, QStringList{"Id_vacina", "Id_Animal", "Id_tipo_vacina", "Id_tipo_vacina_ocorrencia",
                                     "Id_tipo_motivo_nao_vacina", "Data_atividade"} +
                             kAudit},
        {tables::ocorrencia,
         QStringList{"Id_Ocorrencia", "Id_Animal", "Id_Tipo_Ocorrencia", "Dt_Ocorrencia"} + insertedOnly, kModified},
        {tables::atendimento,
         QStringList{"Id_Proprietario", "Id_Animal", "Id_Unidade_Trabalho", "Id_Unidade_Agendada",
                     "Data_Hora_Atendimento", "Id_Atendimento_Status", "Ind_Autoriza_Cirurgia"} +
             kAudit,
         {},
         QStringList{"Id_Proprietario", "Id_Animal", "Id_Unidade_Trabalho", "Id_Unidade_Agendada",
                     "Data_Hora_Atendimento", "Id_Atendimento_Status", "Ind_Autoriza_Cirurgia"} +
             kAudit},
        // An attendance's members: the item, the attendance and who added it.
        {tables::atendimentoProfissional, QStringList{"Id_Profissional", "Id_Atendimento"} + insertedOnly, kModified},
        {tables::procedimento, QStringList{"Id_Tipo_Procedimento", "Id_Atendimento"} + insertedOnly, kModified},
        {tables::medicamentoGasto,
         QStringList{"Id_Medicamento_Gasto", "Quantidade", "Id_Medicamento", "Id_Atendimento"} + insertedOnly,
         kModified},
        {tables::receituario,
         QStringList{"Id_Receituario", "Id_Atendimento", "Descricao", "OBS"} + kAudit,
         {},
         QStringList{"Id_Atendimento", "Descricao", "OBS"} + kAudit},
        {tables::receituarioPadrao, QStringList{"Id_Receituario_padrao", "descricao"} + insertedOnly, kModified},
        {tables::atendimentoParticular,
         QStringList{"Id_Atendimento_Particular", "Id_Animal", "Id_Tipo_Procedimento", "dt_Atendimento"} + insertedOnly,
         kModified},
        {tables::profissional, QStringList{"Id_Profissional"} + professional + kAudit, {}, professional + kAudit},
        {tables::jornadaTrabalho,
         QStringList{"Id_Jornada_Trabalho"} + hours + QStringList{"Id_Dia_Semana", "Status_Registro", "Controle"},
         kAudit},
        {tables::impedimento, QStringList{"Id_Impedimento"} + hours, kAudit},
        {tables::jornadaTrabalhoExecao, QStringList{"Id_Jornada_Trabalho_Execao"} + hours, kAudit},
        {tables::mapaDisponibilidadeAgenda,
         QStringList{"Id_Mapa_disponibilidade_agenda", "COD_AREA_ABRN"} + slot + insertedOnly, kModified},
        {tables::mapaRascunho, QStringList{"Id_Mapa_rascunho", "Status_Registro"} + slot + insertedOnly, kModified},
        {tables::agendamentoEspecial, QStringList{"Id_Agendamento_Especial", "Id_Proprietario",
                                                  "Qt_Agendamento_Reservado", "Ind_Registro_Excluido"} +
                                          insertedOnly},
    };
    return cases;
}

}  // namespace

TEST(Tables, GeneratedWritesMatchTheStatementsTheyReplace) {
    for (const Case& c : cases()) {
        const db::Table& t = c.table();
        SCOPED_TRACE(t.name.toStdString());
        // Keys the server makes are left out and read back.
        const db::Statement insert = db::insertStatement(t, {});
        EXPECT_EQ(joined(insertedColumns(insert.sql)), joined(lowerSet(c.inserted + c.addedNull)));
        EXPECT_EQ(insert.sql.endsWith(QStringLiteral(" returning ") + t.keyColumn()), t.newKey == db::NewKey::Server);
        if (c.updated.isEmpty())
            continue;
        // A whole-row update, every column read, stamped as a save stamps it.
        db::RowValues read;
        for (const QString& column : t.key + t.columns + t.insertOnly + db::auditColumns(t))
            read.insert(column.toLower(), 1);
        const db::Statement update =
            db::updateStatement({.table = t,
                                 .key = 1,
                                 .typed = read,
                                 .read = read,
                                 .stamp = db::Stamp{7, QDateTime(QDate(2026, 1, 2), QTime(3, 4))}});
        EXPECT_EQ(joined(setColumns(update.sql)), joined(lowerSet(c.updated)));
        QSet<QString> guard = lowerSet(c.updated + QStringList{"Modificado_Em"});
        for (const QString& k : t.key)
            guard.remove(k.toLower());  // the row is found by the key read
        EXPECT_EQ(joined(guardedColumns(update.sql)), joined(guard));
        EXPECT_EQ(update.params.value("modificado_por"), 7);
        EXPECT_EQ(update.params.value("inserido_por"), 1) << "the insert's stamp is written back as read";
    }
}

class TablesTest : public DbTest {};

TEST_F(TablesTest, EveryDescribedColumnIsAColumnOfItsTable) {
    for (const Case& c : cases()) {
        const db::Table& t = c.table();
        const QStringList columns = t.key + t.columns + t.insertOnly + db::auditColumns(t);
        EXPECT_NO_THROW(
            db::run(db::kMain, QStringLiteral("select %1 from %2 where 1=2").arg(columns.join(", "), t.name), {}))
            << t.name.toStdString();
    }
}
