// SPDX-License-Identifier: GPL-3.0-or-later
// The upgrade of a database made by an earlier version: from any earlier step to what a new database gets, a fill
// failed half-way on a full disk and finished by the next start, beside a workstation that holds a write and one
// that saves, ten starts at once, fold() of another version, the progress before the login, a refused step told
// to the administrator, and the sqlite3 shell with the fold() extension.
#include "PromptRecorder.h"
#include "TestDatabase.h"
#include "UserInput.h"

#include "common/access/PasswordDigest.h"
#include "common/access/Session.h"
#include "common/schema/SchemaScripts.h"
#include "common/schema/TextIndexes.h"
#include "platform/db/Query.h"
#include "platform/db/Search.h"
#include "platform/db/Upgrade.h"
#include "shell/UdtmPrincipal.h"
#include "shell/login/ULogin.h"
#include "shell/shared/DatabaseUpgrade.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>

#include <condition_variable>
#include <future>
#include <memory>
#include <mutex>

namespace {

using namespace std::chrono_literals;

const QList<db::UpgradeStep>& steps() {
    static const QList<db::UpgradeStep> all = upgradeSteps();
    return all;
}

// The rows of `sql` on a connection of its own, each row's columns joined by " | ".
QStringList rowsOf(const db::Settings& s, const QString& sql) {
    OtherWorkstation c(s, 5000);
    QSqlQuery q(c.database());
    EXPECT_TRUE(q.exec(sql)) << q.lastError().text().toStdString() << "\n" << sql.toStdString();
    QStringList out;
    while (q.next()) {
        QStringList columns;
        for (int i = 0; i < q.record().count(); ++i)
            columns << q.value(i).toString();
        out << columns.join(QStringLiteral(" | "));
    }
    return out;
}

void execOn(const db::Settings& s, const QString& sql) {
    OtherWorkstation c(s, 5000);
    QString error;
    EXPECT_TRUE(c.exec(sql, {}, &error)) << error.toStdString() << "\n" << sql.toStdString();
}

// What the schema is made of: compared between a database upgraded and a new one.
QStringList schemaOf(const db::Settings& s) {
    QStringList out = rowsOf(s, "select Passo, Versao_Fold from nurv_versao");
    if (testingPostgres()) {
        out += rowsOf(s,
                      R"(
                          select i.schemaname, i.indexname, i.indexdef, x.indisvalid
                          from pg_indexes i
                          join pg_class c on c.relname = i.indexname
                          join pg_namespace n on n.oid = c.relnamespace
                            and n.nspname = i.schemaname
                          join pg_index x on x.indexrelid = c.oid
                          where i.schemaname in ('public', 'padrao', 'zzoo01')
                          order by 1, 2
                      )");
        out += rowsOf(s, "select stxname from pg_statistic_ext order by 1");
        out += rowsOf(s, "select extname from pg_extension order by 1");
        out += rowsOf(s, "select proname, prosrc from pg_proc where proname in ('fold', 'fold_table') order by 1");
    } else {
        out += rowsOf(
            s, "select type, name, tbl_name, sql from sqlite_master where name not like 'sqlite_%' order by name");
        out += rowsOf(s, "select tabela, ate from nurv_preenchimento");
    }
    return out;
}

const QStringList& freshSchema() {
    static const QStringList schema = [] {
        const ScratchDatabase fresh;
        EXPECT_TRUE(db::upgradeSchema(fresh.settings(), steps()).complete());
        return schemaOf(fresh.settings());
    }();
    return schema;
}

// Owners `first` to `last`: one in three a "JOÃO DA SILVA", the others "MARIA SOUZA"; an animal each.
void addOwners(const db::Settings& s, int first, int last) {
    const QString numbers =
        QStringLiteral("with recursive n(i) as (select %1 union all select i + 1 from n where i < %2) ")
            .arg(first)
            .arg(last);
    execOn(s, numbers +
                  R"(insert into proprietario (Id_Proprietario, Nome, Status_Registro)
                      select i, case when i % 3 = 0 then 'JOÃO DA SILVA ' || i else 'MARIA SOUZA ' || i end, 'ATIVO'
                      from n
                  )");
    execOn(s, numbers +
                  R"(insert into animal (Id_Animal, Id_Proprietario, Nome, Num_Microchip)
                      select i, i, 'TOTÓ ' || i, '98 ' || i
                      from n
                  )");
}

// The owners (or animals) whose name holds `typed`, as the program's search counts them (through the full-text
// table where it is whole) and as a reading of every name does; and whether the table was whole.
struct Counted {
    int searched = -1;
    int read = -1;
    bool textIndex = false;
};

Counted namesHolding(const db::Settings& s, const QString& typed, bool animals = false) {
    db::connectAll(s);
    const QString table = animals ? QStringLiteral("animal") : QStringLiteral("proprietario");
    const QString key = animals ? QStringLiteral("Id_Animal") : QStringLiteral("Id_Proprietario");
    Counted c;
    db::Query q;
    q << QStringLiteral("select count(*) as n from %1 where 1=1").arg(table);
    q.andWhere(
        db::foldedContains("Nome", "p", typed, animals ? textindex::animalName(key) : textindex::ownerName(key)));
    q.open();
    c.searched = q.integer("n");
    c.read = db::toInt(db::run(db::kMain, QStringLiteral("select count(*) from %1 where fold(Nome) like :p").arg(table),
                               {{"p", db::likeContains(typed)}})
                           .row(0)[0]);
    c.textIndex = !testingPostgres() && db::textIndexReady(table + QStringLiteral("_fold"));
    db::disconnectAll();
    return c;
}

// A database that ends as a new one: the same schema, and a search inside the owners' names that finds the
// `silvas` owners named SILVA, through the full-text table on SQLite.
void expectWhole(const db::Settings& s, int silvas) {
    EXPECT_EQ(schemaOf(s), freshSchema());
    const Counted silva = namesHolding(s, "silva");
    EXPECT_EQ(silva.searched, silvas);
    EXPECT_EQ(silva.read, silvas);
    EXPECT_EQ(silva.textIndex, !testingPostgres());
}

void expectUpgradedWhole(const db::Settings& s, int silvas) {
    const db::UpgradeOutcome outcome = db::upgradeSchema(s, steps());
    EXPECT_TRUE(outcome.complete()) << outcome.reason.toStdString();
    expectWhole(s, silvas);
}

// A database with the steps up to `applied` (0: none, a database made before the version row).
std::unique_ptr<ScratchDatabase> madeBefore(int applied) {
    auto made = std::make_unique<ScratchDatabase>();
    if (applied > 0) {
        EXPECT_TRUE(db::upgradeSchema(made->settings(), steps().mid(0, applied)).complete());
    }
    return made;
}

// upgrade_child on the database of `s`, with a file-size limit when `limit` > 0.
std::unique_ptr<QProcess> startChild(const db::Settings& s, qint64 limit = 0) {
    auto child = std::make_unique<QProcess>();
    child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child->start(QStringLiteral(NURV_UPGRADE_CHILD),
                 {testingPostgres() ? s.database : s.directory, QString::number(limit)});
    return child;
}

QString finished(QProcess& child) {
    EXPECT_TRUE(child.waitForFinished(120000)) << "the upgrade did not end";
    return QString::fromUtf8(child.readAllStandardOutput());
}

class Upgrade : public DbTest {};

}  // namespace

TEST_F(Upgrade, FromAnyEarlierStepTheDatabaseEndsAsANewOneAndItsSearchesFindEveryRow) {
    ASSERT_FALSE(freshSchema().isEmpty());
    for (int applied = 0; applied < steps().size(); ++applied) {
        SCOPED_TRACE("steps applied before: " + std::to_string(applied));
        const auto earlier = madeBefore(applied);
        addOwners(earlier->settings(), 1, 300);
        expectUpgradedWhole(earlier->settings(), 100);
        EXPECT_EQ(namesHolding(earlier->settings(), "otó 2", true).searched, 111);
    }
}

// The previous version made the full-text tables without a version row; a full disk during its first start left
// them empty with their triggers in place, and a save then made them look filled: no search inside a name found
// the owners made before. The first start of this version makes them again, whole.
TEST_F(Upgrade, FullTextTablesThatAnEarlierVersionLeftEmptyAreFilledAgain) {
    const auto earlier = madeBefore(steps().size());
    const db::Settings& s = earlier->settings();
    addOwners(s, 1, 300);
    execOn(s, "drop table nurv_versao");
    if (!testingPostgres()) {
        // As the earlier version made the owners' table: filled once when made, then kept by its triggers.
        for (const char* made :
             {"table nurv_preenchimento", "trigger tr_proprietario_fold_insert", "trigger tr_proprietario_fold_delete",
              "trigger tr_proprietario_fold_update", "table proprietario_fold"})
            execOn(s, QStringLiteral("drop %1").arg(QLatin1String(made)));
        execOn(s, "create virtual table proprietario_fold using fts5(nome, content='', tokenize='trigram')");
        execOn(s,
               "create trigger tr_proprietario_fold_insert after insert on proprietario begin insert into "
               "proprietario_fold (rowid, nome) values (new.Id_Proprietario, fold(new.Nome)); end");
        execOn(s, "insert into proprietario (Id_Proprietario, Nome) values (999, 'JOSÉ SILVA')");
        // Until the upgrade the searches read the names rather than a table they cannot trust.
        const Counted before = namesHolding(s, "silva");
        EXPECT_FALSE(before.textIndex);
        EXPECT_EQ(before.searched, 101);
    }
    expectUpgradedWhole(s, testingPostgres() ? 100 : 101);
}

TEST_F(Upgrade, AStepFailedHalfWayIsToldAndFinishedByTheNextStart) {
    const auto earlier = madeBefore(5);
    addOwners(earlier->settings(), 1, 30000);
    if (testingPostgres()) {
        // An interrupted concurrent build leaves its index behind, invalid: here one that a unique key refused.
        OtherWorkstation owner(earlier->settings(), 5000);
        execOn(earlier->settings(), "update nurv_versao set Passo = 2");
        execOn(earlier->settings(),
               "insert into proprietario (Id_Proprietario, Nome) values (40001, 'DUPLO'), (40002, 'DUPLO')");
        execOn(earlier->settings(), "drop index ix_proprietario_fold_nome");
        EXPECT_FALSE(
            owner.exec("create unique index concurrently ix_proprietario_fold_nome on proprietario (fold(Nome))"));
        EXPECT_EQ(rowsOf(earlier->settings(),
                         R"(
                             select indisvalid
                             from pg_index
                             where indexrelid = 'ix_proprietario_fold_nome'::regclass
                         )"),
                  QStringList{"false"});
    } else {
        // The disk fills while the owners' full-text table is being filled.
        const qint64 size = QFileInfo(db::sqliteFile(earlier->settings(), db::kMain)).size();
        const auto child = startChild(earlier->settings(), size + 256 * 1024 + 100);
        const QString told = finished(*child);
        QString missing;
        for (const db::UpgradeStep& step : steps().mid(5))
            missing += QStringLiteral(" %1").arg(step.number);
        EXPECT_TRUE(told.startsWith("refused ") && told.contains(" missing" + missing + ": ")) << told.toStdString();
        EXPECT_EQ(rowsOf(earlier->settings(), "select Passo from nurv_versao"), QStringList{"5"});
        // Meanwhile the searches read the names: none is missed.
        const Counted meanwhile = namesHolding(earlier->settings(), "silva");
        EXPECT_FALSE(meanwhile.textIndex);
        EXPECT_EQ(meanwhile.searched, 10000);
    }
    expectUpgradedWhole(earlier->settings(), 10000);
}

namespace {

// The upgrade on a thread of its own hands over to the test after each statement and each part of a fill, and
// waits for it: what the test saves then lands between the upgrade's transactions.
class Turns {
public:
    void handOver() {
        std::unique_lock lock(m_mutex);
        m_asked = true;
        m_changed.notify_all();
        m_changed.wait(lock, [&] { return !m_asked; });
    }
    void finish() {
        const std::lock_guard lock(m_mutex);
        m_finished = true;
        m_changed.notify_all();
    }
    // Runs `turn` at each hand-over until the upgrade has finished.
    void serve(const std::function<void()>& turn) {
        for (;;) {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] { return m_asked || m_finished; });
            if (!m_asked)
                return;
            lock.unlock();
            turn();
            lock.lock();
            m_asked = false;
            m_changed.notify_all();
        }
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_asked = false;
    bool m_finished = false;
};

// Whether the PostgreSQL session of the upgrade waits for a lock in a statement that begins with `statement` (a
// concurrent build or drop waiting for another's transaction).
bool upgradeWaitsForALock(const db::Settings& s,
                          const QString& statement = QStringLiteral("create index concurrently")) {
    for (int tries = 0; tries < 400; ++tries) {
        if (!rowsOf(s, QStringLiteral(R"(
            select 1
            from pg_stat_activity
            where wait_event_type = 'Lock'
              and query like '%1%'
        )")
                           .arg(statement))
                 .isEmpty())
            return true;
        QThread::msleep(25);
    }
    return false;
}

}  // namespace

// Other workstations keep working during an upgrade: one that holds a write transaction only makes it wait, and
// the saves of another (which waits at most a second for any lock) go through, also those saved between the parts
// of a fill, which the full-text tables then hold exactly once.
TEST_F(Upgrade, OtherWorkstationsKeepSavingDuringAnUpgrade) {
    const auto database = madeBefore(2);
    const db::Settings& s = database->settings();
    addOwners(s, 1, 25000);
    OtherWorkstation writer(s, 5000), saver(s, 1000);
    ASSERT_TRUE(writer.exec(testingPostgres() ? "begin" : "begin immediate"));
    ASSERT_TRUE(writer.exec("update proprietario set Telefone_Residencial = '6133334444' where Id_Proprietario = 1"));
    Turns turns;
    auto upgrade = std::async(std::launch::async, [&] {
        const db::UpgradeOutcome outcome = db::upgradeSchema(s, steps(), [&](qint64, qint64) { turns.handOver(); });
        turns.finish();
        return outcome;
    });
    int saved = 0;
    QString error;
    const auto save = [&] {
        ++saved;
        const int n = saved;
        EXPECT_TRUE(saver.exec("insert into proprietario (Id_Proprietario, Nome) values (?, ?)",
                               {100000 + n, QStringLiteral("NOVO SILVA %1").arg(n)}, &error))
            << error.toStdString();
        EXPECT_TRUE(saver.exec("update proprietario set Nome = ? where Id_Proprietario = ?",
                               {QStringLiteral("RENOMEADA %1").arg(n), 3 * (997 * n % 8000) + 3}, &error))
            << error.toStdString();
        EXPECT_TRUE(
            saver.exec("delete from proprietario where Id_Proprietario = ?", {3 * (991 * n % 8000) + 6}, &error))
            << error.toStdString();
    };
    if (testingPostgres()) {
        EXPECT_TRUE(upgradeWaitsForALock(s));
        save();
    }
    ASSERT_TRUE(writer.exec("commit"));
    turns.serve(save);
    const db::UpgradeOutcome outcome = upgrade.get();
    EXPECT_TRUE(outcome.complete()) << outcome.reason.toStdString();
    EXPECT_GT(saved, 20);
    EXPECT_EQ(schemaOf(s), freshSchema());
    for (const char* typed : {"silva", "novo silva", "renomeada", "souza 1"}) {
        SCOPED_TRACE(typed);
        const Counted c = namesHolding(s, typed);
        EXPECT_EQ(c.searched, c.read);
        EXPECT_GT(c.read, 0);
        EXPECT_EQ(c.textIndex, !testingPostgres());
    }
}

// A later step may index a table of another schema and drop an index it replaces: on PostgreSQL the drop, as
// the build, waits for another workstation's open transaction without stopping a third one's saves.
TEST_F(Upgrade, AStepIndexesAnotherSchemaAndDropsAnIndexWithoutStoppingSaves) {
    const auto database = madeBefore(steps().size());
    const db::Settings& s = database->settings();
    const QList<db::UpgradeStep> later =
        QList<db::UpgradeStep>(steps()) << db::UpgradeStep{
            steps().last().number + 1, "010-later",
            "drop index if exists ix_proprietario_num_ci;\n"
            "create index if not exists ix_later_bairro on padrao.bairro (nom_bair) @POSTGRESQL@;\n"};
    OtherWorkstation writer(s, 5000), saver(s, 1000);
    ASSERT_TRUE(writer.exec(testingPostgres() ? "begin" : "begin immediate"));
    ASSERT_TRUE(writer.exec("update proprietario set Num_CI = '7' where Id_Proprietario = 1"));
    auto upgrade = std::async(std::launch::async, [&] { return db::upgradeSchema(s, later); });
    if (testingPostgres()) {
        EXPECT_TRUE(upgradeWaitsForALock(s, QStringLiteral("drop index concurrently")));
        QString error;
        EXPECT_TRUE(
            saver.exec("insert into proprietario (Id_Proprietario, Nome, Num_CI) values (5, 'ANA', '9')", {}, &error))
            << error.toStdString();
    }
    ASSERT_TRUE(writer.exec("commit"));
    const db::UpgradeOutcome outcome = upgrade.get();
    EXPECT_TRUE(outcome.complete()) << outcome.reason.toStdString();
    const QString made = testingPostgres()
                             ? R"(
                                 select schemaname, indexname
                                 from pg_indexes
                                 where indexname like 'ix_later%'
                                   or indexname = 'ix_proprietario_num_ci'
                             )"
                             : "select 'main', name from sqlite_master where name = 'ix_proprietario_num_ci'";
    EXPECT_EQ(rowsOf(s, made), testingPostgres() ? QStringList{"padrao | ix_later_bairro"} : QStringList{});
    EXPECT_EQ(rowsOf(s, "select Passo from nurv_versao"), QStringList{QString::number(later.last().number)});
}

TEST_F(Upgrade, TenStartsAtOnceUpgradeTheDatabaseOnce) {
    const auto database = madeBefore(0);
    addOwners(database->settings(), 1, 3000);
    std::vector<std::unique_ptr<QProcess>> children;
    for (int i = 0; i < 10; ++i)
        children.push_back(startChild(database->settings()));
    for (auto& child : children)
        EXPECT_EQ(finished(*child), "complete");
    expectWhole(database->settings(), 1000);
}

// With nothing missing a start reads the version row and nothing else: neither the upgrade's lock nor a lock of a
// table that another workstation holds in a write transaction keeps it waiting.
TEST_F(Upgrade, NothingMissingTakesNoLockAndRunsNoDdl) {
    const auto database = madeBefore(steps().size());
    db::Settings s = database->settings();
    s.busyTimeoutMs = 100;
    OtherWorkstation writer(s, 5000);
    std::optional<QLockFile> held;
    if (testingPostgres()) {
        ASSERT_TRUE(writer.exec("select pg_advisory_lock(7305001)"));
        ASSERT_TRUE(writer.exec("begin"));
        ASSERT_TRUE(writer.exec("lock table proprietario in exclusive mode"));
    } else {
        held.emplace(db::upgradeLockFile(s));
        ASSERT_TRUE(held->tryLock());
        ASSERT_TRUE(writer.exec("begin immediate"));
        ASSERT_TRUE(writer.exec("insert into proprietario (Id_Proprietario, Nome) values (7, 'ESPERA')"));
    }
    auto upgrade = std::async(std::launch::async, [&] { return db::upgradeSchema(s, steps()); });
    const bool done = upgrade.wait_for(60s) == std::future_status::ready;
    writer.exec("rollback");
    writer.exec("select pg_advisory_unlock_all()");
    held.reset();
    EXPECT_TRUE(done) << "the start waited for the lock";
    EXPECT_TRUE(upgrade.get().complete());
    db::connectAll(s);
    EXPECT_TRUE(db::pendingUpgrade(steps()).empty());
}

// The indexes over fold() hold what it gave when they were built: one built by another fold() (another version's,
// or a program that defined fold() as lower()) misses what this one finds, until the start sees fold()'s version
// differ and builds them again.
TEST_F(Upgrade, IndexesBuiltByAnotherFoldAreBuiltAgainAtTheNextStart) {
    const auto database = madeBefore(steps().size());
    const db::Settings& s = database->settings();
    addOwners(s, 1, 60);
    const auto lowered = [](sqlite3_context* ctx, int, sqlite3_value** argv) {
        const QByteArray lower =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[0]))).toLower().toUtf8();
        sqlite3_result_text(ctx, lower.constData(), int(lower.size()), SQLITE_TRANSIENT);
    };
    if (testingPostgres()) {
        execOn(s,
               "create or replace function public.fold(text) returns text language sql immutable strict as $$ "
               "select lower($1) $$");
        execOn(s, "reindex index ix_proprietario_fold_nome");
    } else {
        OtherWorkstation other(s, 5000);
        sqlite3* raw = *static_cast<sqlite3* const*>(other.database().driver()->handle().data());
        sqlite3_create_function(raw, "fold", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, +lowered, nullptr,
                                nullptr);
        ASSERT_TRUE(other.exec("update proprietario set Nome = 'JOÃO PEDRO' where Id_Proprietario = 4"));
        EXPECT_NE(rowsOf(s, "pragma integrity_check"), QStringList{"ok"});
    }
    execOn(s, "update nurv_versao set Versao_Fold = 'anterior'");
    EXPECT_TRUE(db::upgradeSchema(s, steps()).complete());
    EXPECT_EQ(schemaOf(s), freshSchema());
    if (!testingPostgres()) {
        EXPECT_EQ(rowsOf(s, "pragma integrity_check"), QStringList{"ok"});
    }
    db::connectAll(s);
    db::Query q;
    q << "select count(*) as n from proprietario where 1=1";
    q.andWhere(db::foldedPrefix("Nome", "p", testingPostgres() ? "joao da silva" : "joao pedro"));
    q.open();
    EXPECT_EQ(q.integer("n"), testingPostgres() ? 20 : 1);
}

TEST_F(Upgrade, TheSqliteShellWithTheExtensionWritesVacuumsChecksDumpsAndRestores) {
    if (testingPostgres())
        GTEST_SKIP() << "the sqlite3 shell opens SQLite files";
    const auto database = madeBefore(steps().size());
    const db::Settings& s = database->settings();
    addOwners(s, 1, 30);
    const QString file = db::sqliteFile(s, db::kMain);
    struct Shell {
        int exit;
        QString out;
    };
    const auto shell = [](const QString& on, const QString& input, bool extension = true) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        QStringList args{QStringLiteral("-batch"), QStringLiteral("-bail")};
        if (extension)
            args << QStringLiteral("-cmd") << QStringLiteral(".load %1").arg(QStringLiteral(NURV_FOLD_EXTENSION_FILE));
        p.start(QStringLiteral("sqlite3"), args << on);
        p.write(input.toUtf8());
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(60000));
        return Shell{p.exitCode(), QString::fromUtf8(p.readAll())};
    };
    const Shell refused = shell(file, "insert into proprietario (Id_Proprietario, Nome) values (900, 'X');", false);
    EXPECT_NE(refused.exit, 0);
    EXPECT_TRUE(refused.out.contains("fold")) << refused.out.toStdString();

    const Shell wrote = shell(file,
                              R"(
                                  insert into proprietario (Id_Proprietario, Nome, Email_Proprietario)
                                  values (901, 'JOÃO DAS NEVES', ' Joao@Neves.Example '); update proprietario
                                  set Nome = 'ANA CONCEIÇÃO'
                                  where Id_Proprietario = 4; update proprietario
                                  set Email_Proprietario = 'MARIA@SOUZA.EXAMPLE'
                                  where Id_Proprietario = 5; delete from proprietario
                                  where Id_Proprietario = 7; vacuum; pragma integrity_check;
                              )");
    EXPECT_EQ(wrote.exit, 0) << wrote.out.toStdString();
    EXPECT_EQ(wrote.out.trimmed(), "ok");
    for (const auto& [typed, owners] : {std::pair{"joao das", 1}, {"conceicao", 1}, {"souza 7", 0}, {"silva", 10}}) {
        SCOPED_TRACE(typed);
        const Counted c = namesHolding(s, typed);
        EXPECT_TRUE(c.textIndex);
        EXPECT_EQ(c.searched, owners);
        EXPECT_EQ(c.read, owners);
    }
    EXPECT_EQ(rowsOf(s,
                     R"(
                         select Id_Proprietario
                         from proprietario
                         where fold(trim(Email_Proprietario)) = 'maria@souza.example'
                     )"),
              QStringList{"5"});

    // A dump restored beside the street register and the sibling system's database: the same objects, whole.
    const Shell dumped = shell(file, ".dump\n");
    ASSERT_EQ(dumped.exit, 0) << dumped.out.toStdString();
    QTemporaryDir elsewhere;
    db::Settings restored;
    restored.directory = elsewhere.path();
    for (const QString& other : {db::kPadrao, db::kKelvo})
        ASSERT_TRUE(QFile::copy(db::sqliteFile(s, other), db::sqliteFile(restored, other)));
    const Shell loaded = shell(db::sqliteFile(restored, db::kMain), dumped.out + "\npragma integrity_check;\n");
    EXPECT_EQ(loaded.exit, 0) << loaded.out.right(2000).toStdString();
    EXPECT_EQ(loaded.out.trimmed(), "ok");
    const QString objects = "select type, name from sqlite_master order by name";
    EXPECT_EQ(rowsOf(restored, objects), rowsOf(s, objects));
    EXPECT_GE(rowsOf(restored, "select name from sqlite_master where type = 'index' and sql like '%fold(%'").size(),
              14);
    const Counted silva = namesHolding(restored, "silva");
    EXPECT_EQ(silva.searched, 10);
    EXPECT_TRUE(silva.textIndex);
}

namespace {

// The start-up on a database of its own: its settings file names it.
class StartUpgrade : public Upgrade {
protected:
    void SetUp() override {
        Upgrade::SetUp();
        qputenv("NURV_CONFIG", dir.filePath("nurv.conf").toUtf8());
        appName = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("nurv"));
    }
    void TearDown() override {
        db::disconnectAll();
        qunsetenv("NURV_CONFIG");
        QCoreApplication::setApplicationName(appName);
        Upgrade::TearDown();
    }
    void configure(const db::Settings& s, const QString& user = {}) {
        QFile f(dir.filePath("nurv.conf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        if (testingPostgres())
            f.write(QStringLiteral("[database]\nengine=postgresql\nhost=%1\nport=%2\nname=%3\nuser=%4\n")
                        .arg(s.host, QString::number(s.port), s.database, user.isEmpty() ? s.user : user)
                        .toUtf8());
        else
            f.write(QStringLiteral("[database]\nengine=sqlite\ndirectory=%1\n").arg(s.directory).toUtf8());
    }
    // The central unit, the administrator's profile and an operator's, a user of each.
    static void addLoginRows(const db::Settings& s) {
        execOn(s,
               "insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status) values (1, 'CENTRAL', 'ATIVO')");
        execOn(s,
               R"(
                   insert into perfil (Id_Perfil, Nome, Ind_Status)
                   values (1000, 'ADMINISTRADOR', 'ATIVO'), (10, 'OPERADOR', 'ATIVO')
               )");
        for (const auto& [id, name, profile] : {std::tuple{1, "ADMINISTRADOR", 1000}, {2, "ANA", 10}})
            execOn(s, QStringLiteral(R"(
                insert into usuario (Id_Usuario, Id_Unidade_Trabalho, Id_Perfil, Nome, Login, senha_crip,
                    Bloqueado, Inativo, Status_Registro)
                values (%1, 1, %2, '%3', '%3', '%4', 'NAO', 'NAO', 'ATIVO')
            )")
                          .arg(id)
                          .arg(profile)
                          .arg(QLatin1String(name), GeraHashSenha("SENHA")));
    }
    // The start-up's login as `user`, typed as a clerk types it.
    void logIn(const QString& user) {
        TfrmLogin_2 login;
        login.setModal(true);
        login.show();
        input::chooseItem(login.findChild<QComboBox*>("dblUnidade"), "1 - CENTRAL");
        input::chooseItem(login.findChild<QComboBox*>("dblUsuario"), user);
        input::clickAndType(login.findChild<QLineEdit*>("edtSenha"), "SENHA");
        input::clickButton(login.findChild<QPushButton*>("bmpOK"));
        EXPECT_TRUE(login.succeeded()) << prompts.last().toStdString();
    }
    QTemporaryDir dir;
    QString appName;
};

}  // namespace

TEST_F(StartUpgrade, TheProgressShowsBeforeTheLoginOnlyWhenSomethingIsMissing) {
    const auto database = madeBefore(3);
    addLoginRows(database->settings());
    configure(database->settings());
    {
        TdtmPrincipal dtm;
        EXPECT_EQ(prompts.progresses, QStringList{shell::kAtualizandoBanco});
        EXPECT_TRUE(db::pendingUpgrade(steps()).empty());
        logIn("ADMINISTRADOR");
    }
    EXPECT_TRUE(prompts.asked.isEmpty()) << prompts.last().toStdString();
    prompts.clear();
    { TdtmPrincipal dtm; }
    EXPECT_TRUE(prompts.progresses.isEmpty());
}

TEST_F(StartUpgrade, ARefusedStepIsToldToTheAdministratorAfterTheLoginUntilAStartDoesIt) {
    const auto database = madeBefore(2);
    const db::Settings& s = database->settings();
    addLoginRows(s);
    QString clerk;
    if (testingPostgres()) {
        // A login that may read and write the rows but owns no table: the server refuses it the indexes.
        clerk = QStringLiteral("nurv_balcao_%1").arg(QCoreApplication::applicationPid());
        execOn(s, "create role " + clerk + " login");
        execOn(s, "grant usage on schema padrao, zzoo01 to " + clerk);
        execOn(s, "grant select, insert, update, delete on all tables in schema public, padrao, zzoo01 to " + clerk);
        configure(s, clerk);
    } else {
        // Something that stands where a step's index goes.
        execOn(s, "create table ix_proprietario_fold_nome (x integer)");
        configure(s);
    }
    for (const char* user : {"ANA", "ADMINISTRADOR"}) {
        SCOPED_TRACE(user);
        prompts.clear();
        TdtmPrincipal dtm;
        logIn(user);
        if (QLatin1String(user) == QLatin1String("ANA")) {
            EXPECT_TRUE(prompts.asked.isEmpty()) << "only the administrator is told";
            continue;
        }
        ASSERT_EQ(prompts.asked.size(), 1);
        EXPECT_EQ(prompts.asked[0].kind, Prompts::Kind::Warning);
        const QString told = prompts.asked[0].text;
        const QString last = QStringLiteral("%1").arg(steps().last().number, 3, 10, QChar(u'0'));
        EXPECT_TRUE(told.startsWith(
            shell::kAtualizacaoIncompleta + "\nFalta: os passos 003 a " + last +
            " (db/upgrade).\nMotivo: " + (testingPostgres() ? db::kSemPermissaoNasTabelas : db::kErroBanco) + "\n"))
            << told.toStdString();
        EXPECT_TRUE(told.endsWith((testingPostgres() ? shell::kComoDonoDasTabelas : shell::kInicieNovamente) + " " +
                                  shell::kAteLa))
            << told.toStdString();
    }
    db::disconnectAll();
    if (testingPostgres()) {
        configure(s);
    } else {
        execOn(s, "drop table ix_proprietario_fold_nome");
    }
    prompts.clear();
    {
        TdtmPrincipal dtm;
        logIn("ADMINISTRADOR");
        EXPECT_TRUE(db::pendingUpgrade(steps()).empty());
    }
    EXPECT_TRUE(prompts.asked.isEmpty()) << prompts.last().toStdString();
    if (testingPostgres()) {
        execOn(s, "drop owned by " + clerk);
        execOn(s, "drop role " + clerk);
    }
}

TEST(UpgradeNotice, WhatIsMissingWhyAndWhatToDo) {
    const db::UpgradeStep three{3, "003-owners", {}}, nine{9, "009-periods", {}};
    const auto outcome = [&](QList<db::UpgradeStep> missing, bool fold, db::UpgradeRefusal why) {
        db::UpgradeOutcome o;
        o.missing = missing;
        o.foldMissing = fold;
        o.refusal = why;
        o.reason = "motivo";
        return o;
    };
    const QString head = shell::kAtualizacaoIncompleta + "\nFalta: ";
    const struct {
        db::UpgradeOutcome outcome;
        QString told;
    } cases[] = {
        {outcome({}, false, db::UpgradeRefusal::None), ""},
        {outcome({three, nine}, false, db::UpgradeRefusal::Privilege),
         head + "os passos 003 a 009 (db/upgrade).\nMotivo: motivo\n" + shell::kComoDonoDasTabelas + " " +
             shell::kAteLa},
        {outcome({nine}, true, db::UpgradeRefusal::ReadOnly),
         head + "o passo 009 (db/upgrade) e a reconstrução dos índices sobre fold().\nMotivo: motivo\n" +
             shell::kComGravacao + " " + shell::kAteLa},
        {outcome({}, true, db::UpgradeRefusal::DiskFull),
         head + "a reconstrução dos índices sobre fold().\nMotivo: motivo\n" + shell::kLibereEspaco + " " +
             shell::kAteLa},
        {outcome({three}, false, db::UpgradeRefusal::Busy),
         head + "o passo 003 (db/upgrade).\nMotivo: motivo\n" + shell::kInicieNovamente + " " + shell::kAteLa},
    };
    for (const auto& c : cases)
        EXPECT_EQ(upgradeNotice(c.outcome), c.told);
}
