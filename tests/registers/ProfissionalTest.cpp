// SPDX-License-Identifier: GPL-3.0-or-later
// The professionals register: the conflict rule of its lists, list editing, the save of the professional
// with its lists, the delete, the search and the report.

#include "RegistersFixture.h"

#include "ReportText.h"
#include "UserInput.h"
#include "platform/ui/DateEdit.h"
#include "registers/ScheduleConflict.h"
#include "registers/ScheduleGroup.h"
#include "registers/UProfissional.h"
#include "registers/UProfissionalPesquisa.h"

#include <QScopeGuard>
#include <QTimeEdit>
#include <QTreeWidget>

using namespace common;
using namespace registers;

namespace {

QDate day(int d, int m) { return QDate(2027, m, d); }
QTime at(const char* hhmm) { return QTime::fromString(QString::fromLatin1(hhmm), "HH:mm"); }
ScheduleEntry entry(QDate d1, QDate d2, const char* t1, const char* t2, const QString& weekday = {}) {
    return {.firstDay = d1, .lastDay = d2, .start = at(t1), .end = at(t2), .weekday = weekday};
}

}  // namespace

TEST(ScheduleConflictRule, SharedDayMomentAndWeekday) {
    const QList<ScheduleEntry> hours{entry(day(1, 1), day(31, 1), "08:00", "12:00", "Segunda"),
                                     entry(day(1, 2), day(28, 2), "14:00", "18:00", "Segunda")};
    const QList<ScheduleEntry> blocked{entry(day(1, 1), day(31, 1), "08:00", "12:00")};
    const QList<ScheduleEntry> reversedRow{entry(day(31, 1), day(1, 1), "08:00", "12:00")};
    const QStringList monday{"Segunda"};
    struct Case {
        ScheduleEntry entry;
        QList<ScheduleEntry> rows;
        std::optional<QStringList> weekdays;
        bool conflict;
    };
    const QList<Case> cases{
        {entry(day(10, 1), day(20, 1), "14:00", "18:00"), hours, monday, false},
        {entry(day(1, 1), day(31, 1), "12:00", "14:00"), hours, monday, true},
        {{.firstDay = day(1, 1), .lastDay = day(31, 1), .start = QTime(12, 0, 1), .end = at("14:00")},
         hours,
         monday,
         false},
        {entry(day(1, 1), day(31, 1), "12:01", "14:00"), hours, monday, false},
        {entry(day(1, 1), day(31, 1), "08:00", "12:00"), hours, QStringList{"Terça"}, false},
        {entry(day(1, 1), day(31, 1), "10:00", "11:00"), hours, QStringList{"Segunda", "Quarta"}, true},
        {entry(day(15, 1), day(20, 1), "09:00", "10:00"), blocked, std::nullopt, true},
        {entry(day(1, 2), day(5, 2), "09:00", "10:00"), blocked, std::nullopt, false},
        {entry(day(31, 1), day(5, 2), "09:00", "10:00"), blocked, std::nullopt, true},  // touching days
        {entry(day(10, 1), day(10, 1), "09:00", "10:00"), reversedRow, std::nullopt, false},
        {entry(day(10, 1), day(10, 1), "18:00", "08:00"), {}, std::nullopt, false},
        // A weekday as another program stored it: blanks, case and accents aside.
        {entry(day(1, 1), day(31, 1), "10:00", "11:00"),
         {entry(day(1, 1), day(31, 1), "08:00", "12:00", " segunda ")},
         monday,
         true},
        {entry(day(1, 1), day(31, 1), "10:00", "11:00"),
         {entry(day(1, 1), day(31, 1), "08:00", "12:00", "TERCA")},
         QStringList{"Terça"},
         true},
        {entry(day(1, 1), day(31, 1), "10:00", "11:00"),
         {entry(day(1, 1), day(31, 1), "08:00", "12:00", "quarta")},
         monday,
         false},
    };
    for (int i = 0; i < cases.size(); ++i)
        EXPECT_EQ(conflicts(cases[i].entry, cases[i].rows, cases[i].weekdays), cases[i].conflict) << "case " << i;

    EXPECT_TRUE(isReversed(entry(day(2, 1), day(1, 1), "08:00", "09:00")));
    EXPECT_TRUE(isReversed(entry(day(1, 1), day(1, 1), "09:00", "08:59")));
    EXPECT_FALSE(isReversed(entry(day(1, 1), day(1, 1), "09:00", "09:00")));
}

class Profissionais : public RegistersTest {
protected:
    void SetUp() override {
        RegistersTest::SetUp();
        exec(
            R"(
                insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status)
                values (1, 'CENTRAL', 'ATIVO'), (2, 'Norte', 'ATIVO'), (3, 'VELHA', 'INATIVO')
            )");
        for (int i = 0; i < weekdayNames().size(); ++i)
            exec("insert into dia_semana (id_Dia_Semana, nome) values (:i, :n)",
                 {{"i", i + 1}, {"n", weekdayNames()[i]}});
    }

    TfrmProfissional* openForm() {
        openerFor("actProfissional")();
        QCoreApplication::processEvents();
        return frmProfissional.data();
    }

    // Fills a list group's unit, days and times and presses its "&Incluir".
    static void include(QWidget* f, const QString& group, const QString& unit, QDate d1, QDate d2, const char* t1,
                        const char* t2) {
        auto* units = child<QComboBox>(f, "cbbUnidade" + group);
        input::turnToPage(units);
        units->setCurrentIndex(units->findText(unit));
        input::clickAndType(child<ui::DateEdit>(f, "dtpDataInicial" + group), d1.toString("ddMMyyyy"));
        input::clickAndType(child<ui::DateEdit>(f, "dtpDataFinal" + group), d2.toString("ddMMyyyy"));
        child<QTimeEdit>(f, "dtpHoraInicial" + group)->setTime(at(t1));
        child<QTimeEdit>(f, "dtpHoraFinal" + group)->setTime(at(t2));
        child<QPushButton>(f, "btnIncluir" + group)->click();
    }

    static QStringList rows(QWidget* f, const char* list) {
        QStringList out;
        auto* tree = child<QTreeWidget>(f, list);
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QStringList texts;
            for (int c = 0; c < tree->columnCount(); ++c)
                texts << tree->topLevelItem(i)->text(c);
            out << texts.join('|');
        }
        return out;
    }

    // A new professional of unit 1 with two working-hours rows, one impediment and one extra-hours row.
    TfrmProfissional* saveNew(const QString& name) {
        TfrmProfissional* f = openForm();
        trigger(f, "actAppend");
        type(f, "dbeNome", name);
        pick(f, "dblUnidadeOrigem", "CENTRAL");
        tick(f, "chkSegunda");
        tick(f, "chkQuarta");
        include(f, "Atendimento", "NORTE", day(1, 1), day(31, 1), "08:00", "12:00");
        include(f, "Impedimento", "CENTRAL", day(15, 1), day(20, 1), "09:00", "10:00");
        include(f, "Horas_Extra", "NORTE", day(1, 2), day(1, 2), "18:00", "20:00");
        trigger(f, "actPost");
        return f;
    }

    QStringList stored(const QString& sql) {
        QStringList out;
        const db::RowSet rows = db::run(db::kMain, sql, {});
        for (int i = 0; i < rows.count(); ++i) {
            QStringList values;
            for (const QVariant& v : rows.row(i))
                values << (v.typeId() == QMetaType::QDateTime || v.toString().contains(':')
                               ? db::toDateTime(v).toString("dd/MM/yyyy HH:mm")
                               : db::toText(v).trimmed());
            out << values.join('|');
        }
        return out;
    }
};

TEST_F(Profissionais, ListEditingRefusesWhatItMustAndAddsOneRowPerTickedDay) {
    TfrmProfissional* f = openForm();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "007 - Profissional.");
    EXPECT_EQ(f->pgcPrincipal->indexOf(f->tbsGeral), -1);
    EXPECT_EQ(child<QComboBox>(f, "cbbUnidadeImpedimento")->count(), 2);  // active units only
    EXPECT_FALSE(child<QWidget>(f, "grbAtendimento")->isEnabled());

    trigger(f, "actAppend");
    EXPECT_TRUE(child<QWidget>(f, "grbHoras_Extra")->isEnabled());
    include(f, "Atendimento", "", day(1, 1), day(31, 1), "08:00", "12:00");
    EXPECT_EQ(prompts.last(), kFaltaDiaSemana);
    tick(f, "chkSegunda");
    tick(f, "chkQuarta");
    include(f, "Atendimento", "", day(1, 1), day(31, 1), "08:00", "12:00");
    EXPECT_EQ(prompts.last(), kFaltaUnidadeAtendimento);
    for (const char* group : {"Impedimento", "Horas_Extra"}) {
        include(f, group, "", day(1, 1), day(31, 1), "08:00", "12:00");
        EXPECT_EQ(prompts.last(), kFaltaUnidadeAtendimento);
    }
    include(f, "Atendimento", "NORTE", day(31, 1), day(1, 1), "08:00", "12:00");
    EXPECT_EQ(prompts.last(), kInicialMaiorFinal);
    prompts.clear();
    include(f, "Atendimento", "NORTE", day(1, 1), day(31, 1), "08:00", "12:00");
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(rows(f, "ltvAtendimeto"), (QStringList{"2|NORTE|01/01/2027|08:00:00|31/01/2027|12:00:00|Segunda|",
                                                     "2|NORTE|01/01/2027|08:00:00|31/01/2027|12:00:00|Quarta|"}));
    include(f, "Atendimento", "CENTRAL", day(31, 1), day(2, 2), "12:00", "13:00");
    EXPECT_EQ(prompts.last(), kConflitoHorario);
    EXPECT_EQ(rows(f, "ltvAtendimeto").size(), 2);

    child<QPushButton>(f, "btnExcluirAtendimento")->click();
    EXPECT_EQ(prompts.last(), kSelecioneRegistro);
    auto* list = child<QTreeWidget>(f, "ltvAtendimeto");
    list->topLevelItem(0)->setSelected(true);
    child<QPushButton>(f, "btnExcluirAtendimento")->click();
    EXPECT_EQ(rows(f, "ltvAtendimeto").size(), 1);
    EXPECT_TRUE(rows(f, "ltvAtendimeto").first().contains("Quarta"));

    // Once saved the lists stay, but change only after "Novo" or "Alterar".
    type(f, "dbeNome", "ANA");
    pick(f, "dblUnidadeOrigem", "CENTRAL");
    trigger(f, "actPost");
    EXPECT_EQ(prompts.last(), kOperacaoRealizada);
    include(f, "Impedimento", "CENTRAL", day(1, 3), day(1, 3), "08:00", "12:00");
    EXPECT_EQ(prompts.last(), kClickNovoAlterar);
    list->topLevelItem(0)->setSelected(true);
    child<QPushButton>(f, "btnExcluirAtendimento")->click();
    EXPECT_EQ(prompts.last(), kClickNovoAlterar);
    EXPECT_EQ(rows(f, "ltvAtendimeto").size(), 1);
    trigger(f, "actEdit");
    trigger(f, "actCancel");
    EXPECT_TRUE(rows(f, "ltvAtendimeto").isEmpty());
    EXPECT_FALSE(child<QWidget>(f, "grbAtendimento")->isEnabled());
}

TEST_F(Profissionais, StoredWeekdaysAndStatusesInAnotherCaseStillCount) {
    exec("update dia_semana set nome = 'segunda' where id_Dia_Semana = 2");
    exec("update unidade_trabalho set Ind_Status = ' ativo' where Id_Unidade_Trabalho = 2");
    exec("insert into profissional (Id_Profissional, Id_Unidade_Trabalho, Nome) values (1, 1, 'ANA')");
    exec(
        R"(
            insert into jornada_trabalho (Id_Jornada_Trabalho, Id_Profissional, Id_Unidade_Trabalho,
                Data_Hora_Inicial, Data_Hora_Final, Id_Dia_Semana, Status_Registro, Controle)
            values (1, 1, 2, :a, :b, 2, 'Ativo ', 1)
        )",
        {{"a", QDateTime(day(1, 1), at("08:00"))}, {"b", QDateTime(day(31, 1), at("12:00"))}});
    TfrmProfissional* f = openForm();
    trigger(f, "actRefresh");
    EXPECT_EQ(rows(f, "ltvAtendimeto"), QStringList{"2|Norte|01/01/2027|08:00:00|31/01/2027|12:00:00|segunda|"})
        << "an active row of an active unit";
    EXPECT_GE(child<QComboBox>(f, "cbbUnidadeAtendimento")->findText("NORTE"), 0);

    trigger(f, "actEdit");
    input::click(child<QCheckBox>(f, "chkSegunda"));
    include(f, "Atendimento", "CENTRAL", day(10, 1), day(20, 1), "09:00", "10:00");
    EXPECT_EQ(prompts.texts(),
              QStringList{"Conflito entre horário/data.\nVerifique se o horário/data esta coincidindo. "});
    EXPECT_EQ(rows(f, "ltvAtendimeto").size(), 1);
    trigger(f, "actCancel");
}

TEST_F(Profissionais, SaveWritesTheProfessionalAndItsListsTogether) {
    TfrmProfissional* f = openForm();
    trigger(f, "actAppend");
    trigger(f, "actPost");
    EXPECT_EQ(prompts.last(), "Falta preencher o nome do profissional!");
    type(f, "dbeNome", "ana");
    trigger(f, "actPost");
    EXPECT_EQ(prompts.last(), "Falta selecionar a unidade de origem!");
    trigger(f, "actCancel");
    EXPECT_EQ(count("profissional"), 0);

    f = saveNew("ana");
    EXPECT_EQ(prompts.last(), kOperacaoRealizada);
    EXPECT_EQ(stored(R"(
        select Id_Profissional, Id_Unidade_Trabalho, Nome, Inativo, Bloqueado, Inserido_Por
        from profissional
    )"),
              QStringList{"1|1|ANA|NAO|NAO|1"});
    const char* workingHours =
        R"(
            select Id_Jornada_Trabalho, Id_Unidade_Trabalho, Data_Hora_Inicial, Data_Hora_Final,
                Id_Dia_Semana, Status_Registro, Controle
            from jornada_trabalho
            order by 1
        )";
    EXPECT_EQ(stored(workingHours), (QStringList{"1|2|01/01/2027 08:00|31/01/2027 12:00|2|ATIVO|1",
                                                 "2|2|01/01/2027 08:00|31/01/2027 12:00|4|ATIVO|1"}));
    const char* others =
        R"(
            select 'I', Id_Impedimento, Id_Profissional, Id_Unidade_Trabalho, Data_Hora_Inicial,
                Data_Hora_Final
            from impedimento
            union all
            select 'E', Id_Jornada_Trabalho_Execao, Id_Profissional, Id_Unidade_Trabalho, Data_Hora_Inicial,
                Data_Hora_Final
            from jornada_trabalho_execao
            order by 1 desc
        )";
    EXPECT_EQ(stored(others),
              (QStringList{"I|1|1|1|15/01/2027 09:00|20/01/2027 10:00", "E|1|1|2|01/02/2027 18:00|01/02/2027 20:00"}));

    // An edit that leaves the lists alone rewrites them with new keys and the next save number.
    trigger(f, "actEdit");
    trigger(f, "actPost");
    EXPECT_EQ(stored(workingHours), (QStringList{"3|2|01/01/2027 08:00|31/01/2027 12:00|2|ATIVO|2",
                                                 "4|2|01/01/2027 08:00|31/01/2027 12:00|4|ATIVO|2"}));
    EXPECT_EQ(stored(others),
              (QStringList{"I|2|1|1|15/01/2027 09:00|20/01/2027 10:00", "E|2|1|2|01/02/2027 18:00|01/02/2027 20:00"}));

    // Reading the professional again shows the stored lists.
    trigger(f, "actRefresh");
    EXPECT_EQ(rows(f, "ltvImpedimento"), QStringList{"1|CENTRAL|15/01/2027|20/01/2027|09:00:00|10:00:00"});
    EXPECT_EQ(rows(f, "ltvAtendimeto").size(), 2);

    // A failure on the last row written leaves the professional and its old rows untouched, still in edit.
    exec("create unique index ix_test_hora_extra on jornada_trabalho_execao (Id_Profissional, Id_Unidade_Trabalho)");
    const auto dropIndex = qScopeGuard([this] { exec("drop index ix_test_hora_extra"); });
    trigger(f, "actEdit");
    type(f, "dbeNome", "BEATRIZ");
    include(f, "Horas_Extra", "NORTE", day(2, 2), day(2, 2), "18:00", "20:00");
    prompts.clear();
    trigger(f, "actPost");
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked.first().kind, Prompts::Kind::Error);
    EXPECT_EQ(f->qryPrincipal->state(), db::DataSet::State::Edit);
    EXPECT_EQ(rows(f, "ltvHoras_Extra").size(), 2);
    EXPECT_EQ(str("select Nome from profissional"), "ANA");
    EXPECT_EQ(stored("select Id_Jornada_Trabalho from jornada_trabalho order by 1"), (QStringList{"3", "4"}));
    EXPECT_EQ(stored("select Id_Jornada_Trabalho_Execao from jornada_trabalho_execao"), QStringList{"2"});
}

// Another workstation changes the lists of the professional being edited within the same second (the
// professional's own row untouched): the save, which rewrites the lists whole, is refused with the edit kept
// and the other's rows stay; read again, the same edit saves.
TEST_F(Profissionais, ListsChangedMeanwhileByAnotherWorkstationAreNeverOverwritten) {
    TfrmProfissional* f = saveNew("ANA");
    const QStringList changes{
        "update impedimento set Data_Hora_Final = ? where Id_Profissional = 1",
        R"(
            insert into jornada_trabalho_execao (Id_Jornada_Trabalho_Execao, Id_Profissional,
                Id_Unidade_Trabalho, Data_Hora_Inicial, Data_Hora_Final)
            values (90, 1, 1, ?, ?)
        )",
        R"(
            delete from jornada_trabalho
            where Id_Jornada_Trabalho = (select min(Id_Jornada_Trabalho) from jornada_trabalho)
        )",
        // The same lists written again by another save: new keys, the same values.
        "update jornada_trabalho set Id_Jornada_Trabalho = Id_Jornada_Trabalho + 100",
        // A working-hours row the list does not show (inactive) is replaced too, so it is compared too.
        R"(
            update jornada_trabalho
            set Status_Registro = 'INATIVO'
            where Id_Jornada_Trabalho = (select max(Id_Jornada_Trabalho) from jornada_trabalho)
        )",
    };
    const QDateTime when(day(3, 3), at("09:00"));
    const auto lists = [this] {
        return stored("select * from jornada_trabalho order by 1") + stored("select * from impedimento order by 1") +
               stored("select * from jornada_trabalho_execao order by 1");
    };
    for (const QString& change : changes) {
        trigger(f, "actRefresh");
        trigger(f, "actEdit");
        type(f, "dbeNome", "ANA MARIA");
        const QStringList before = lists();
        {
            OtherWorkstation station;
            QString error;
            const int marks = int(change.count('?'));
            ASSERT_TRUE(station.exec(change, QVariantList(marks, when), &error)) << error.toStdString();
        }
        const QStringList others = lists();
        ASSERT_NE(others, before) << qPrintable(change);
        prompts.clear();
        trigger(f, "actPost");
        EXPECT_EQ(prompts.texts(), QStringList{db::kRegistroAlterado}) << qPrintable(change);
        EXPECT_EQ(f->qryPrincipal->state(), db::DataSet::State::Edit) << qPrintable(change);
        EXPECT_EQ(lists(), others) << qPrintable(change);
        EXPECT_EQ(str("select Nome from profissional"), "ANA");
        trigger(f, "actCancel");
    }
    trigger(f, "actRefresh");
    trigger(f, "actEdit");
    type(f, "dbeNome", "ANA MARIA");
    trigger(f, "actPost");
    EXPECT_EQ(prompts.last(), kOperacaoRealizada);
    EXPECT_EQ(str("select Nome from profissional"), "ANA MARIA");
    EXPECT_EQ(count("jornada_trabalho_execao"), 2) << "the other's row, read again, is kept";
}

TEST_F(Profissionais, DeleteIsRefusedAfterAnAttendanceAndOtherwiseEmptiesAllFourTables) {
    saveNew("ANA");
    TfrmProfissional* f = saveNew("BRUNO");
    exec("insert into atendimento_profissional (Id_Profissional, Id_Atendimento) values (1, 10)");
    trigger(f, "actRefresh");
    prompts.clear();
    remove(f, true);
    EXPECT_EQ(prompts.texts(), (QStringList{"O registro será excluído definitivamente.\n Deseja continuar?",
                                            "O profissional realizou atendimento e não poderá ser excluído!"}));
    EXPECT_EQ(count("profissional"), 2);

    f->qryPrincipal->last();
    prompts.clear();
    remove(f, true);
    EXPECT_EQ(prompts.asked.size(), 1);  // the question, no success message
    EXPECT_EQ(stored(R"(
        select Id_Profissional
        from profissional
        union all
        select Id_Profissional
        from jornada_trabalho
        union all
        select Id_Profissional
        from impedimento
        union all
        select Id_Profissional
        from jornada_trabalho_execao
    )"),
              (QStringList{"1", "1", "1", "1", "1"}));
    EXPECT_EQ(f->qryPrincipal->recordCount(), 1);

    // With no professional left, no lists of a deleted one stay on screen.
    exec("delete from atendimento_profissional");
    remove(f, true);
    EXPECT_EQ(count("profissional"), 0);
    EXPECT_TRUE(rows(f, "ltvAtendimeto").isEmpty());
}

TEST_F(Profissionais, SearchPutsTheOpeningFormOnTheChosenProfessional) {
    for (const auto& [id, nome] : QList<std::pair<int, QString>>{{1, "JOÃO"}, {2, "JOSE"}, {3, "MARIA"}})
        exec("insert into profissional (Id_Profissional, Nome) values (:i, :n)", {{"i", id}, {"n", nome}});
    exec(
        R"(
            insert into impedimento (Id_Impedimento, Id_Profissional, Id_Unidade_Trabalho,
                Data_Hora_Inicial, Data_Hora_Final)
            values (1, 2, 1, :a, :b)
        )",
        {{"a", QDateTime(day(1, 3), at("08:00"))}, {"b", QDateTime(day(2, 3), at("09:30"))}});
    TfrmProfissional* f = openForm();
    trigger(f, "actPesquisar");
    TfrmProfissionalPesquisa* d = frmProfissionalPesquisa;
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->form(), f);
    EXPECT_EQ(d->windowTitle(), "Pesquisa profissional.");
    EXPECT_EQ(d->dbgPrincipal->model()->rowCount(), 3);

    QTest::mouseClick(d->bmpPesquisar, Qt::LeftButton);
    EXPECT_EQ(prompts.last(), "Falta selecionar o tipo de procura!");
    d->cbbSelecao->setCurrentText("Nome");
    QTest::mouseClick(d->bmpPesquisar, Qt::LeftButton);
    EXPECT_EQ(prompts.last(), "Falta digitar o texto para realizar a procura!");
    QTest::keyClicks(d->edtTexto, "jo");
    QTest::mouseClick(d->bmpPesquisar, Qt::LeftButton);
    EXPECT_EQ(d->dbgPrincipal->model()->rowCount(), 2);
    d->cbbSelecao->setCurrentText("Código");
    d->edtTexto->setText("2x");
    QTest::mouseClick(d->bmpPesquisar, Qt::LeftButton);
    EXPECT_EQ(d->dbgPrincipal->model()->rowCount(), 0);
    QTest::mouseClick(d->bmpOK, Qt::LeftButton);  // nothing chosen: stays open
    EXPECT_FALSE(frmProfissionalPesquisa.isNull());
    d->edtTexto->setText("2");
    QTest::mouseClick(d->bmpPesquisar, Qt::LeftButton);
    QTest::mouseClick(d->bmpOK, Qt::LeftButton);
    EXPECT_EQ(f->qryPrincipal->str("Nome").trimmed(), "JOSE");
    EXPECT_EQ(rows(f, "ltvImpedimento"), QStringList{"1|CENTRAL|01/03/2027|02/03/2027|08:00:00|09:30:00"});
}

TEST_F(Profissionais, ReportGroupsByUnitWithTotals) {
    exec(
        R"(
            insert into profissional (Id_Profissional, Id_Unidade_Trabalho, Nome, Telefone_residencial,
                Telefone_celular, Telefone_Recado, Email)
            values (1, 2, 'ANA', '(11)1111-1111', '(11)92222-2222', '', 'ana@x.br'),
                (2, 1, 'BRUNO', null, null, null, null), (3, 2, 'CARLA', null, null, null, null),
                (4, null, 'DIEGO', null, null, null, null)
        )");
    TfrmProfissional* f = openForm();
    trigger(f, "actPrint");
    ASSERT_EQ(prompts.previews.size(), 1);
    EXPECT_TRUE(prompts.previews.first().modal);
    openerFor("actRelProfissional")();
    ASSERT_EQ(prompts.previews.size(), 2);
    EXPECT_FALSE(prompts.previews.last().modal);

    QStringList lines = printedLines(*prompts.previews.last().report);
    lines.removeAll(QString());
    const auto at = [&lines](const QString& text) { return lines.indexOf(text); };
    const int diego = lines.indexOf(QRegularExpression("^4 - DIEGO.*"));
    const int bruno = lines.indexOf(QRegularExpression("^2 - BRUNO.*"));
    const int ana = lines.indexOf(QRegularExpression("^1 - ANA \\(11\\)1111-1111 / \\(11\\)92222-2222 /  ?ana@x.br"));
    EXPECT_TRUE(diego >= 0 && diego < bruno && bruno < ana) << lines.join('\n').toStdString();
    EXPECT_EQ(lines.count("Total na unidade: 1"), 2);
    EXPECT_EQ(lines.count("Total na unidade: 2"), 1);
    EXPECT_GT(at("Total na unidade: 2"), ana);
    EXPECT_GE(at("Total geral: 4"), 0);
    EXPECT_TRUE(printedText(*prompts.previews.last().report).contains("Rel.:042"));
}
