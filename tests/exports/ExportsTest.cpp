// SPDX-License-Identifier: GPL-3.0-or-later
// The three exports, driven from their menu actions; every file is read back by independent readers.

#include "ExportsFixture.h"
#include "ForeignReaders.h"

#include "common/ExportStatus.h"
#include "exports/UExportaTabelaAgendamento.h"
#include "exports/UExportaTabelas.h"
#include "exports/UExportarDados.h"

#include "exports/ExportsRules.h"

#include "platform/files/Replacement.h"

#include <QDir>
#include <QFile>
#include <QTableView>
#include <QTreeWidget>
#include <QtEndian>

#include <sys/resource.h>
#include <cerrno>
#include <csignal>

using namespace common;
using namespace exports;

namespace {

QVariantList column(const DbfContents& dbf, const QString& name) {
    QVariantList values;
    for (int r = 0; r < dbf.rows.size(); ++r)
        values << dbf.value(r, name);
    return values;
}

}  // namespace

TEST_F(ExportsTest, AnimalExportOfTickedColumns) {
    exec(
        R"(
            insert into proprietario (Id_Proprietario, Nome, Telefone_Residencial, Telefone_Recado)
            values (1, 'MARIA', '3333', '4444')
        )");
    exec("insert into especie (Id_Especie, Nome) values (1, 'CANINA')");
    exec("insert into grupo_animal (Id_Grupo_Animal, Nome) values (1, 'ANTIGO'), (2, 'ATUAL')");
    exec("insert into endereco (Id_Endereco, NOM_LOGR, End_X) values (1, 'RUA VELHA', 1.5), (2, 'RUA NOVA', 2.25)");
    exec(
        R"(
            insert into animal (Id_Animal, Id_Proprietario, Id_Especie, Nome, Data_Nascimento)
            values (1, 1, 1, 'REX', '2019-03-04 10:20:30'), (2, null, null, :miau, null)
        )",
        {{"miau", kNameBeyondLatin1}});
    exec("insert into endereco_animal (Id_Animal, Id_Endereco) values (1, 2), (1, 1)");
    exec(
        R"(
            insert into grupo_animal_animal (Id_Grupo_Animal_Animal, Id_Grupo_Animal, Id_Animal)
            values (1, 1, 1), (2, 2, 1)
        )");
    auto* form = open("actExportaDados", frmExportarDados);
    auto* list = child<QTreeWidget>(form, "ltvCampos");
    ASSERT_EQ(list->topLevelItemCount(), 39);

    // Nothing ticked: the message before any dialog, and no file.
    click(form, "BitBtn2");
    EXPECT_EQ(prompts.texts(), QStringList{kErroExportacao});
    EXPECT_FALSE(askedForFile());

    // Only the animal's name, under a ".txt" name: a dBase file all the same, named with ".dbf" added.
    list->topLevelItem(26)->setCheckState(0, Qt::Checked);
    const QString txt = answerSave("nomes.txt");
    click(form, "BitBtn2");
    const DbfContents names = readDbf(txt + ".dbf");
    EXPECT_EQ(names.specs, QStringList{"nome_anima C(100)"});
    QStringList exported;
    for (const QVariant& v : column(names, "nome_anima"))
        exported << v.toString();
    exported.sort();
    EXPECT_EQ(exported, QStringList({"REX", kNameBeyondLatin1Written}));
    EXPECT_EQ(panel(form, 0), kExportacaoRealizada);
    expectForeignReadable(txt + ".dbf", "nome_anima", kNameBeyondLatin1Written);

    // Every column, twice to the same name: the second file replaces the first.
    QTest::mouseClick(child<QCheckBox>(form, "ccbSeleciona_tuto"), Qt::LeftButton);
    const QString all = answerSave("todos");
    click(form, "BitBtn2");
    exec("delete from animal where Id_Animal = 2");
    answerSave("todos");
    click(form, "BitBtn2");
    const DbfContents dbf = readDbf(all + ".dbf");
    ASSERT_EQ(dbf.names.size(), 39);
    EXPECT_EQ(dbf.names.mid(0, 5), QStringList({"id_proprie", "nome_prop", "telefone_r", "telefone_c", "telefone_2"}));
    EXPECT_EQ(QSet<QString>(dbf.names.begin(), dbf.names.end()).size(), 39);
    ASSERT_EQ(dbf.rows.size(), 1);
    EXPECT_EQ(dbf.value(0, "telefone_2"), "4444");
    EXPECT_EQ(dbf.value(0, "nom_logr"), "RUA NOVA");
    EXPECT_EQ(dbf.value(0, "end_x"), 2.25);
    EXPECT_EQ(dbf.value(0, "nome"), "ATUAL");
    EXPECT_EQ(dbf.value(0, "id_grupo_a"), 2);
    EXPECT_EQ(dbf.value(0, "nome_espec"), "CANINA");
    EXPECT_EQ(dbf.value(0, "data_nasci"), "2019-03-04");

    // An animal without owner, address or group exports nulls there.
    exec("insert into animal (Id_Animal, Nome) values (3, 'SEM DADOS')");
    answerSave("todos");
    click(form, "BitBtn2");
    const DbfContents bare = readDbf(all + ".dbf");
    const int row = column(bare, "nome_anima").indexOf("SEM DADOS");
    ASSERT_GE(row, 0);
    for (const char* name : {"id_proprie", "num_logr", "end_x", "id_grupo_a", "data_nasci"})
        EXPECT_TRUE(bare.value(row, name).isNull()) << name;
    EXPECT_EQ(bare.value(row, "nome"), "");
}

TEST_F(ExportsTest, ExtractorPeriodStatusDictionary) {
    exec("insert into atendimento_status (Id_Atendimento_Status, Nome) values (1, 'AGENDADO'), (2, 'D''ÁGUA')");
    addStaging(1, "AGENDADO", "2024-05-10 23:59:30", "2024-05-01 10:00:00");
    addStaging(2, "D'ÁGUA", "2024-05-10 08:00:00", "2024-05-11 00:00:00");
    addStaging(3, "AGENDADO", "2024-05-11 00:00:00", "2024-05-10 12:00:00");
    exec("update Exportacao2 set prop = :p where id_atend = 2", {{"p", kNameBeyondLatin1}});
    auto* form = open("actExtratorTabelasSistema", frmExportaTabelas);
    auto* status = child<QComboBox>(form, "cbbStatusAtendimento");
    EXPECT_EQ(status->count(), 3);
    EXPECT_EQ(status->itemText(0), "");
    auto* export_ = child<QPushButton>(form, "bpmExportacao");
    EXPECT_FALSE(export_->isEnabled());

    click(form, "BitBtn1");
    EXPECT_EQ(prompts.last(), kFaltaSelecionarTabela);
    child<QComboBox>(form, "cbbTabela")->setCurrentIndex(0);
    input::clickAndType(child<ui::DateEdit>(form, "dtpInicial"), "11052024");
    input::clickAndType(child<ui::DateEdit>(form, "dtpFinal"), "10052024");
    click(form, "BitBtn1");
    EXPECT_EQ(prompts.last(), kDataInicialMaior);

    // The end day is whole, up to its last second, on either date.
    input::clickAndType(child<ui::DateEdit>(form, "dtpInicial"), "10052024");
    child<QRadioButton>(form, "rdbDtAtendimento")->setChecked(true);
    click(form, "BitBtn1");
    EXPECT_EQ(panel(form, 0), "Pesquisa realizada com sucesso. 2 registros");
    EXPECT_TRUE(export_->isEnabled());
    child<QRadioButton>(form, "rdbCriacaoRegistro")->setChecked(true);
    click(form, "BitBtn1");
    EXPECT_EQ(panel(form, 0), "Pesquisa realizada com sucesso. 1 registros");
    // A status with an apostrophe is a value like any other.
    input::clickAndType(child<ui::DateEdit>(form, "dtpFinal"), "11052024");
    status->setCurrentIndex(2);
    click(form, "BitBtn1");
    EXPECT_EQ(panel(form, 0), "Pesquisa realizada com sucesso. 1 registros");
    EXPECT_EQ(form->qryPrincipal->recordCount(), 1);
    EXPECT_EQ(form->dbgDados->model()->columnCount(), 57);
    EXPECT_EQ(form->dbgDados->model()->headerData(0, Qt::Horizontal).toString(), "Identificador do proprietário");
    // Each column as wide as the form's description sets it, whatever its title or text.
    for (int c = 0; c < 57; ++c)
        EXPECT_EQ(form->dbgDados->columnWidth(c), c < 55 ? 150 : 250) << c;

    // The export: saida.dbf with every column and saida.dbf.txt with the dictionary.
    const QString written = answerSave("saida");
    prompts.clear();
    click(form, "bpmExportacao");
    EXPECT_EQ(prompts.last(), kExportacaoConcluidaModelo + written + ".dbf.txt");
    EXPECT_EQ(panel(form, 1), kExportacaoRealizada);
    const DbfContents dbf = readDbf(written + ".dbf");
    EXPECT_EQ(dbf.names.size(), 58);
    ASSERT_EQ(dbf.rows.size(), 1);
    EXPECT_EQ(dbf.value(0, "st_atend"), "D'ÁGUA");
    EXPECT_EQ(dbf.value(0, "prop"), kNameBeyondLatin1Written);
    expectForeignReadable(written + ".dbf", "prop", kNameBeyondLatin1Written);
    EXPECT_EQ(fileMode(written + ".dbf.txt"), newFileMode());
    EXPECT_EQ(dbf.value(0, "td_atend"), "2024-05-10");
    EXPECT_EQ(dbf.value(0, "dt_nasc"), "2015-06-07");
    EXPECT_EQ(dbf.value(0, "p_coox"), 1.25);
    EXPECT_TRUE(dbf.value(0, "a_coox").isNull());
    QFile dictionary(written + ".dbf.txt");
    ASSERT_TRUE(dictionary.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = dictionary.readAll().split('\n');
    ASSERT_EQ(lines.size(), 62);  // 61 lines and the empty tail after the last break
    EXPECT_EQ(lines[0], QByteArray("----------------- Dicion\xE1rio de dados---------------\r"));
    EXPECT_EQ(lines[60], QByteArray("DT_Nasc: Data de nascimento do animal.\r"));

    // A search that fails leaves nothing to export.
    exec("alter table Exportacao2 rename to Exportacao2_fora");
    click(form, "BitBtn1");
    exec("alter table Exportacao2_fora rename to Exportacao2");
    EXPECT_EQ(prompts.last(), kErroAoPesquisar);
    EXPECT_FALSE(export_->isEnabled());
}

TEST_F(ExportsTest, ExtractorLimit) {
    exec(
        R"(
            insert into Exportacao2 (id_atend,
                Dt_inse) with recursive n(i) as (select 1 union all select i + 1 from n where i < 120000)
            select i, '2024-01-01 10:00:00'
            from n
        )");
    auto* form = open("actExtratorTabelasSistema", frmExportaTabelas);
    child<QComboBox>(form, "cbbTabela")->setCurrentIndex(0);
    click(form, "BitBtn1");
    EXPECT_TRUE(child<QPushButton>(form, "bpmExportacao")->isEnabled());
    EXPECT_TRUE(prompts.asked.isEmpty());
    // Counted by a statement of its own while the grid reads a screen; the export reads every row again as it
    // writes it.
    EXPECT_EQ(panel(form, 0), "Pesquisa realizada com sucesso. 120000 registros");
    if (!testingPostgres()) {
        EXPECT_LT(form->qryPrincipal->fetchedCount(), 120000);
    }
    const QString limit = answerSave("limite");
    click(form, "bpmExportacao");
    QFile table(limit + ".dbf");
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    const QByteArray header = table.read(8);
    EXPECT_EQ(qFromLittleEndian<quint32>(header.constData() + 4), 120000u);  // the table's own row count

    addStaging(120001, "AGENDADO", "2024-01-01 10:00:00", "2024-01-01 10:00:00");
    click(form, "BitBtn1");
    EXPECT_EQ(prompts.last(), limitWarning(120001));
    EXPECT_FALSE(child<QPushButton>(form, "bpmExportacao")->isEnabled());
}

TEST_F(ExportsTest, SchedulingExport) {
    exec("insert into unidade_trabalho (Id_Unidade_Trabalho, Nome) values (1, 'CENTRAL'), (2, 'NORTE')");
    exec("insert into usuario (Id_Usuario, Nome) values (1, 'ANA')");
    exec("insert into atendimento_status (Id_Atendimento_Status, Nome) values (1, 'AGENDADO')");
    exec("insert into animal (Id_Animal, Nome, Sexo) values (1, :rex, 'M')", {{"rex", kNameBeyondLatin1}});
    exec(
        R"(
            insert into atendimento (Id_Atendimento, Id_Animal, Id_Unidade_Trabalho, Id_Unidade_Agendada,
                Data_Hora_Atendimento, Id_Atendimento_Status, Inserido_Por)
            values (1, 1, 2, 1, '2024-03-31 15:00:00', 1, 1), (2, 99, 98, 2, '2024-03-01 00:00:00', 97, 96),
                (3, 1, 1, 1, '2024-04-01 00:00:00', 1, 1)
        )");
    auto* form = open("actExportaTabelaAgendamento", frmExportaTabelaAgendamento);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowCloseButtonHint);
    input::clickAndType(child<ui::DateEdit>(form, "dtpDataInicio"), "01032024");
    input::clickAndType(child<ui::DateEdit>(form, "dtpDataFim"), "31032024");
    auto* unit = child<QComboBox>(form, "dbcUnidade");
    ASSERT_EQ(unit->count(), 3);

    const QString file = answerSave("agenda.dbf");
    click(form, "bmpGeral");
    EXPECT_EQ(prompts.last(), kExportacaoConcluida);
    DbfContents dbf = readDbf(file);
    ASSERT_EQ(dbf.names.size(), 32);
    EXPECT_EQ(dbf.names.mid(0, 8), QStringList({"id_atendim", "id_proprie", "id_animal", "nomeanimal", "id_unidade",
                                                "nomeunidad", "id_unida_2", "nomeunid_2"}));
    EXPECT_EQ(dbf.names[9], "id_atend_2");
    ASSERT_EQ(dbf.rows.size(), 2);
    const int first = column(dbf, "id_atendim").indexOf(1);
    const int second = 1 - first;
    EXPECT_EQ(dbf.value(first, "nomeanimal"), kNameBeyondLatin1Written);
    expectForeignReadable(file, "nomeanimal", kNameBeyondLatin1Written);
    EXPECT_EQ(dbf.value(first, "nomeunidad"), "NORTE");
    EXPECT_EQ(dbf.value(first, "nomeunid_2"), "CENTRAL");
    EXPECT_EQ(dbf.value(first, "nomeinseri"), "ANA");
    EXPECT_EQ(dbf.value(first, "data_hora_"), "2024-03-31");
    EXPECT_EQ(dbf.value(first, "anoatentid"), 2024);
    EXPECT_EQ(dbf.value(first, "mesatentid"), 3);
    for (const char* name : {"nomeanimal", "nomeunidad", "nomeatendi", "nomeinseri"})
        EXPECT_EQ(dbf.value(second, name), "") << name;
    EXPECT_TRUE(dbf.value(second, "modificado").isNull());

    // One booking unit, then every unit again; the same name is replaced each time.
    unit->setCurrentIndex(unit->findText("NORTE"));
    answerSave("agenda.dbf");
    click(form, "bmpGeral");
    EXPECT_EQ(column(readDbf(file), "id_atendim"), QVariantList{2});
    unit->setCurrentIndex(0);
    answerSave("agenda.dbf");
    click(form, "bmpGeral");
    EXPECT_EQ(readDbf(file).rows.size(), 2);
}

// "Cancelar" on the progress of any export stops it and leaves the file of the export before untouched;
// the next export writes as usual.
TEST_F(ExportsTest, CancelledExportsKeepTheEarlierFile) {
    exec("insert into animal (Id_Animal, Nome, Data_Nascimento) values (1, 'REX', '2019-03-04 00:00:00')");
    exec(
        R"(
            insert into atendimento (Id_Atendimento, Id_Animal, Data_Hora_Atendimento)
            values (1, 1, '2024-03-10 09:00:00')
        )");
    addStaging(1, "AGENDADO", "2024-03-10 09:00:00", "2024-03-10 09:00:00");
    auto* data = open("actExportaDados", frmExportarDados);
    QTest::mouseClick(child<QCheckBox>(data, "ccbSeleciona_tuto"), Qt::LeftButton);
    auto* agenda = open("actExportaTabelaAgendamento", frmExportaTabelaAgendamento);
    input::clickAndType(child<ui::DateEdit>(agenda, "dtpDataInicio"), "01032024");
    input::clickAndType(child<ui::DateEdit>(agenda, "dtpDataFim"), "31032024");
    auto* extractor = open("actExtratorTabelasSistema", frmExportaTabelas);
    child<QComboBox>(extractor, "cbbTabela")->setCurrentIndex(0);
    input::clickAndType(child<ui::DateEdit>(extractor, "dtpInicial"), "01032024");
    struct Case {
        QWidget* form;
        const char* button;
        int panel;
        const char* file;
    };
    const QList<Case> cases = {{data, "BitBtn2", 0, "dados.dbf"},
                               {agenda, "bmpGeral", 0, "agenda.dbf"},
                               {extractor, "bpmExportacao", 1, "extrator.dbf"}};
    const auto bytes = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    // A second row for each export to stop at.
    const auto addRows = [&] {
        exec("insert into animal (Id_Animal, Nome) values (2, 'MIAU')");
        exec(
            R"(
                insert into atendimento (Id_Atendimento, Id_Animal, Data_Hora_Atendimento)
                values (2, 2, '2024-03-11 09:00:00')
            )");
        addStaging(2, "AGENDADO", "2024-03-11 09:00:00", "2024-03-11 09:00:00");
    };
    for (int round = 0; round < 3; ++round) {
        if (round == 1)
            addRows();
        for (const Case& c : cases) {
            SCOPED_TRACE(c.file);
            if (c.form == extractor)
                click(extractor, "BitBtn1");  // the rows of the day
            const QString path = answerSave(c.file);
            const QByteArray before = bytes(path);
            prompts.clear();
            prompts.cancelAfterSteps = round == 1 ? 1 : -1;
            click(c.form, c.button);
            const DbfContents dbf = readDbf(path);
            if (round == 1) {
                EXPECT_EQ(bytes(path), before) << "the earlier file, untouched";
                EXPECT_EQ(dbf.rows.size(), 1);
                EXPECT_EQ(panel(c.form, c.panel), "") << "no success shown";
                for (const RecordedPrompt& p : prompts.asked)
                    EXPECT_EQ(p.kind, Prompts::Kind::SaveFile) << "a cancel is no failure: " << p.text.toStdString();
            } else {
                EXPECT_EQ(dbf.rows.size(), round == 0 ? 1 : 2);
                EXPECT_EQ(panel(c.form, c.panel), kExportacaoRealizada);
            }
            EXPECT_EQ(prompts.progresses, QStringList{common::kExportandoDados});
        }
    }
    // What a cancelled export wrote aside is gone: only the three tables with their code-page files and the
    // extractor's dictionary.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({"agenda.cpg", "agenda.dbf", "dados.cpg", "dados.dbf", "extrator.cpg", "extrator.dbf",
                           "extrator.dbf.txt"}));
}

namespace {

// Writes in this process fail as on a full disk once a file passes `bytes` (EFBIG, the signal ignored), until
// the object goes.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_kept);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_kept;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &m_kept);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_kept{};
    void (*m_signal)(int) = nullptr;
};

}  // namespace

// An export that cannot write its table, on a full disk or into a folder that is not there, gives the form's own
// text and then the cause, in the words of a report saved from its preview; no file is left.
TEST_F(ExportsTest, AnExportThatCannotWriteGivesItsTextAndTheCause) {
    exec(
        R"(
            insert into animal (Id_Animal,
                Nome) with recursive n(i) as (select 1 union all select i + 1 from n where i < 200)
            select i, 'ANIMAL DE NOME COMPRIDO PARA ENCHER O DISCO ' || i
            from n
        )");
    for (int i = 1; i <= 200; ++i)
        addStaging(i, "AGENDADO", "2024-05-10 08:00:00", "2024-05-10 08:00:00");
    auto* data = open("actExportaDados", frmExportarDados);
    child<QTreeWidget>(data, "ltvCampos")->topLevelItem(26)->setCheckState(0, Qt::Checked);
    auto* extractor = open("actExtratorTabelasSistema", frmExportaTabelas);
    child<QComboBox>(extractor, "cbbTabela")->setCurrentIndex(0);
    input::clickAndType(child<ui::DateEdit>(extractor, "dtpInicial"), "10052024");
    input::clickAndType(child<ui::DateEdit>(extractor, "dtpFinal"), "10052024");
    click(extractor, "BitBtn1");
    ASSERT_TRUE(child<QPushButton>(extractor, "bpmExportacao")->isEnabled());

    struct Case {
        QWidget* form;
        const char* button;
        QString told;
    };
    for (const Case& c : {Case{data, "BitBtn2", kErroExportacao}, Case{extractor, "bpmExportacao", kErroBatchMove}}) {
        const QString table = answerSave("cheio") + ".dbf";
        prompts.clear();
        {
            const FullDisk full(4096);
            click(c.form, c.button);
        }
        EXPECT_EQ(prompts.last().toStdString(), (c.told + "\n" + files::writeFailure(table, ENOSPC)).toStdString());
        EXPECT_FALSE(QFile::exists(table));

        const QString elsewhere = answerSave("sem-pasta/tabela") + ".dbf";
        prompts.clear();
        click(c.form, c.button);
        EXPECT_EQ(prompts.last().toStdString(), (c.told + "\n" + files::writeFailure(elsewhere, ENOENT)).toStdString());
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}
