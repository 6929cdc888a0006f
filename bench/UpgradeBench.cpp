// SPDX-License-Identifier: GPL-3.0-or-later
// The start of the program up to its login painted: the first one after an update that brings the search indexes
// to 200,000 owners, and one beside another workstation's open write transaction.
#include "UpgradeBench.h"

#include "BenchMethod.h"
#include "BenchServer.h"

#include "common/Prompts.h"
#include "common/schema/SchemaScripts.h"
#include "platform/db/Query.h"
#include "platform/db/Schema.h"
#include "platform/db/Upgrade.h"
#include "shell/UdtmPrincipal.h"
#include "shell/login/ULogin.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

constexpr int kOwners = 200000;
constexpr int kPairs = 5;

// 200,000 owners (a third with an accented name) and an animal each, as the previous version kept them.
void fillOwners() {
    const QString upTo =
        QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) ").arg(kOwners);
    db::Transaction t;
    db::run(db::kMain,
            upTo + QStringLiteral(
                       R"(insert into proprietario (Id_Proprietario, Nome, Num_CPF_CNPJ, Num_CI, Email_Proprietario,
                    Status_Registro)
                select i, case when i % 3 = 0 then 'JOSÉ' else 'MARIA' end || ' DA SILVA ' || i,
                    '1' || (10000000000 + i), '' || i, 'p' || i || '@example.com', 'ATIVO'
                from n
            )"),
            {});
    db::run(db::kMain,
            upTo + QStringLiteral(R"(insert into animal (Id_Animal, Id_Proprietario, Nome, Num_Microchip, Inserido_Em)
                select i, i, 'TOTÓ ' || i, 'CHIP ' || i, '2020-01-01 08:00:00'
                from n
            )"),
            {});
    t.commit();
}

// The databases of a scenario: the previous version's (the owners, no step of the upgrade), a copy of it made
// before each start, and one up to date; the settings file that the start reads names the one in use.
class StartDatabases {
public:
    explicit StartDatabases(db::Engine engine) : m_engine(engine) {
        m_earlier = settingsOf(QStringLiteral("antes"));
        m_work = settingsOf(QStringLiteral("trabalho"));
        m_current = settingsOf(QStringLiteral("atual"));
        if (engine == db::Engine::PostgreSQL)
            adminExec(QStringLiteral("create database %1 encoding 'UTF8' template template0").arg(m_earlier.database));
        db::installSchema(m_earlier, schemaScripts(false));
        db::connectAll(m_earlier);
        fillOwners();
        db::disconnectAll();
        copy(m_earlier, m_current);
        db::upgradeSchema(m_current, upgradeSteps());
        qputenv("NURV_CONFIG", m_dir.filePath(QStringLiteral("nurv.conf")).toUtf8());
    }
    ~StartDatabases() {
        db::disconnectAll();
        qunsetenv("NURV_CONFIG");
        if (m_engine == db::Engine::PostgreSQL) {
            for (const db::Settings* s : {&m_earlier, &m_work, &m_current})
                adminExec(QStringLiteral("drop database if exists %1 with (force)").arg(s->database));
        }
    }
    StartDatabases(const StartDatabases&) = delete;
    StartDatabases& operator=(const StartDatabases&) = delete;

    // The next start finds a fresh copy of the previous version's database.
    void useEarlier() {
        copy(m_earlier, m_work);
        configure(m_work);
    }
    void useCurrent() { configure(m_current); }
    const db::Settings& work() const { return m_work; }
    const db::Settings& current() const { return m_current; }

private:
    db::Settings settingsOf(const QString& name) const {
        if (m_engine == db::Engine::PostgreSQL)
            return postgresSettings(
                QStringLiteral("nurv_bench_%1_%2").arg(QCoreApplication::applicationPid()).arg(name));
        db::Settings s;
        s.directory = m_dir.filePath(name);
        return s;
    }
    void copy(const db::Settings& from, const db::Settings& to) const {
        if (m_engine == db::Engine::PostgreSQL) {
            adminExec(QStringLiteral("drop database if exists %1 with (force)").arg(to.database));
            adminExec(QStringLiteral("create database %1 template %2").arg(to.database, from.database));
            return;
        }
        QDir(to.directory).removeRecursively();
        QDir().mkpath(to.directory);
        for (const QString& c : {db::kMain, db::kPadrao, db::kKelvo})
            QFile::copy(db::sqliteFile(from, c), db::sqliteFile(to, c));
    }
    void configure(const db::Settings& s) const {
        QFile conf(m_dir.filePath(QStringLiteral("nurv.conf")));
        conf.open(QIODevice::WriteOnly | QIODevice::Truncate);
        if (m_engine == db::Engine::PostgreSQL)
            conf.write(
                QStringLiteral("[database]\nengine=postgresql\nhost=%1\nport=%2\nname=%3\nuser=%4\npassword=%5\n")
                    .arg(s.host, QString::number(s.port), s.database, s.user, s.password)
                    .toUtf8());
        else
            conf.write(QStringLiteral("[database]\nengine=sqlite\ndirectory=%1\n").arg(s.directory).toUtf8());
    }

    db::Engine m_engine;
    QTemporaryDir m_dir;
    db::Settings m_earlier, m_work, m_current;
};

// When the progress window showed, from the moment the start began.
class ProgressWatch : public QObject {
public:
    ProgressWatch() { qApp->installEventFilter(this); }
    ~ProgressWatch() override { qApp->removeEventFilter(this); }
    void start() {
        m_shownAfter.reset();
        m_since.start();
    }
    std::optional<double> shownAfterMs() const { return m_shownAfter; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !m_shownAfter && qobject_cast<QProgressDialog*>(watched))
            m_shownAfter = double(m_since.nsecsElapsed()) / 1e6;
        return false;
    }

private:
    QElapsedTimer m_since;
    std::optional<double> m_shownAfter;
};

// The program's start as the clerk waits for it: the data module (which upgrades what is missing, with the
// progress window of the program's own dialogs), then the login dialog filled and painted.
void startToLogin() {
    TdtmPrincipal dtm;
    TfrmLogin_2 login;
    login.show();
    QCoreApplication::processEvents();
    login.repaint();
}

// The floor of a first start after the update: the same statements run once each as a developer would write
// them (each index built in place, each full-text table filled by one statement), the version recorded and every
// table analysed, then the start with nothing missing.
void plainUpgradeThenStart(const db::Settings& s) {
    static const QRegularExpression part(QStringLiteral(" order by \\w+ limit \\d+"));
    db::connectAll(s);
    for (const db::UpgradeStep& step : upgradeSteps()) {
        for (QString statement : db::splitStatements(step.sql, s.engine)) {
            const bool fill = statement.contains(QStringLiteral("@PARTS@"));
            statement.remove(QStringLiteral("@PARTS@")).remove(part);
            db::run(db::kMain, statement, fill ? QVariantHash{{QStringLiteral("ate"), -1}} : QVariantHash{});
        }
    }
    const bool sqlite = s.engine == db::Engine::SQLite;
    if (sqlite)
        db::run(db::kMain, QStringLiteral("delete from nurv_preenchimento"), {});
    db::run(db::kMain, QStringLiteral("create table nurv_versao (Passo integer not null, Versao_Fold varchar(64))"),
            {});
    db::run(db::kMain, QStringLiteral("insert into nurv_versao (Passo, Versao_Fold) values (:p, :f)"),
            {{QStringLiteral("p"), upgradeSteps().last().number}, {QStringLiteral("f"), db::foldVersion()}});
    db::run(db::kMain, sqlite ? QStringLiteral("analyze main") : QStringLiteral("analyze"), {});
    db::disconnectAll();
    startToLogin();
}

// Runs `scenario` on each engine of the bench.
bool onEachEngine(const std::function<bool(StartDatabases&, db::Engine)>& scenario) {
    bool ok = true;
    for (db::Engine engine : benchEngines()) {
        std::printf("  %s (%d owners)\n", engineName(engine), kOwners);
        std::fflush(stdout);
        StartDatabases databases(engine);
        ok = scenario(databases, engine) && ok;
    }
    return ok;
}

}  // namespace

bool firstStartUpgradeScenario() {
    return onEachEngine([](StartDatabases& databases, db::Engine) {
        // The program's own dialogs: the progress window is the one the clerk sees.
        Prompts::setHandler(nullptr);
        ProgressWatch watch;
        double latest = 0;
        bool shown = true;
        const Pairs first = pairsOf(
            kPairs,
            [&] {
                watch.start();
                startToLogin();
                shown = shown && watch.shownAfterMs().has_value();
                latest = std::max(latest, watch.shownAfterMs().value_or(0));
            },
            [&] { plainUpgradeThenStart(databases.work()); }, [&] { databases.useEarlier(); });
        databases.useCurrent();
        const Pairs plain = pairsOf(kPairs, startToLogin, startToLogin);
        printTimes(QStringLiteral("first start after the update, against the same indexes built plainly"), first,
                   kPairs);
        std::printf(
            "  a start with nothing missing %.0f ms: the first start after the update takes %.0f times as long\n",
            plain.a, first.a / plain.a);
        std::printf("first-start-upgrade: progress shown after %.2f s at the latest (goal <= 0.5)\n", latest / 1000);
        const bool progressOk = shown && latest <= 500;
        return printRatio(QStringLiteral("first-start-upgrade"), first.ratio, 1.5) && progressOk;
    });
}

bool startBesideAWriterScenario() {
    return onEachEngine([](StartDatabases& databases, db::Engine engine) {
        databases.useCurrent();
        const QString name = QStringLiteral("nurv_bench_writer");
        bool ok = true;
        {
            QSqlDatabase writer;
            if (engine == db::Engine::PostgreSQL) {
                writer = db::addPostgres(databases.current(), name);
            } else {
                writer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
                writer.setDatabaseName(db::sqliteFile(databases.current(), db::kMain));
            }
            writer.open();
            if (engine == db::Engine::SQLite)
                db::registerSqliteFunctions(writer);
            QSqlQuery q(writer);
            // Another workstation (the outside web system) keeps an owner's change open while this one starts.
            const auto besideAWriter = [&] {
                ok = q.exec(engine == db::Engine::PostgreSQL ? QStringLiteral("begin")
                                                             : QStringLiteral("begin immediate")) &&
                     q.exec(QStringLiteral(R"(
                         update proprietario
                         set Telefone_Residencial = '6133334444'
                         where Id_Proprietario = 7
                     )")) &&
                     ok;
                startToLogin();
                q.exec(QStringLiteral("rollback"));
            };
            const Pairs p = pairsOf(kPairs, besideAWriter, startToLogin);
            printTimes(QStringLiteral("a start beside a write transaction, against one without it"), p, kPairs);
            ok = printRatio(QStringLiteral("start-beside-a-writer"), p.ratio, 2) && ok;
            writer.close();
        }
        QSqlDatabase::removeDatabase(name);
        return ok;
    });
}
