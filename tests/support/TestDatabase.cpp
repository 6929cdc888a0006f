// SPDX-License-Identifier: GPL-3.0-or-later
// The test databases: SQLite files or a PostgreSQL database of the process's own, emptied between tests.
#include "TestDatabase.h"

#include "common/Process.h"
#include "common/access/Session.h"
#include "common/schema/SchemaScripts.h"
#include "platform/db/Schema.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QWidget>
#include <atomic>

namespace {

bool g_pgReady = false;
QStringList g_pgTables;

}  // namespace

db::Settings postgresTestSettings(const QString& database) {
    db::Settings s;
    s.engine = db::Engine::PostgreSQL;
    s.host = qEnvironmentVariable("NURV_TEST_PGHOST", QStringLiteral("/tmp"));
    s.port = qEnvironmentVariableIntValue("NURV_TEST_PGPORT");
    if (s.port == 0)
        s.port = 5432;
    s.database = database;
    s.user = qEnvironmentVariable("NURV_TEST_PGUSER", QStringLiteral("postgres"));
    return s;
}

namespace {

QString pgDatabaseName() { return QStringLiteral("nurv_test_%1").arg(QCoreApplication::applicationPid()); }

void adminExec(const QString& sql) {
    const QString name = QStringLiteral("nurv_test_admin");
    {
        QSqlDatabase admin = db::addPostgres(postgresTestSettings(QStringLiteral("postgres")), name);
        if (!admin.open())
            throw db::Error(admin.lastError().text());
        QSqlQuery q(admin);
        if (!q.exec(sql))
            throw db::Error(q.lastError().text());
        admin.close();
    }
    QSqlDatabase::removeDatabase(name);
}

void dropPgDatabase() {
    if (!g_pgReady)
        return;
    db::disconnectAll();
    try {
        adminExec(QStringLiteral("drop database if exists %1").arg(pgDatabaseName()));
    } catch (...) {
        // Tidying at exit only: a database left behind goes with the throwaway cluster, or with the next
        // program of the same process id.
    }
}

// The PostgreSQL database is made once a process; each test then starts from emptied tables.
void preparePg() {
    if (!g_pgReady) {
        adminExec(QStringLiteral("drop database if exists %1").arg(pgDatabaseName()));
        adminExec(QStringLiteral("create database %1 encoding 'UTF8' template template0").arg(pgDatabaseName()));
        g_pgReady = true;
        std::atexit(dropPgDatabase);
        db::installSchema(testSettings(), schemaScripts(false));
        db::connectAll(testSettings());
        db::upgradeSchema(upgradeSteps());
        db::Query q;
        q << "select table_schema || '.' || table_name as name from information_schema.tables"
          << "where table_schema in ('public', 'padrao', 'zzoo01') and table_type = 'BASE TABLE'"
          << "and table_name not like 'nurv\\_%'";  // the version row stays: the steps stay applied
        q.open();
        for (q.first(); !q.eof(); q.next())
            g_pgTables << q.str("name");
    } else {
        db::connectAll(testSettings());
    }
    db::Query truncate;
    truncate.add(QStringLiteral("truncate table %1 restart identity").arg(g_pgTables.join(QStringLiteral(", "))));
    truncate.exec();
}

}  // namespace

bool testingPostgres() { return qEnvironmentVariable("NURV_TEST_ENGINE") == QLatin1String("postgres"); }

db::Settings testSettings() {
    if (testingPostgres())
        return postgresTestSettings(pgDatabaseName());
    return {};
}

void DbTest::SetUp() {
    setProcessEndHandler([](int code) { throw ProcessEnded{code}; });
    if (testingPostgres()) {
        preparePg();
    } else {
        m_dir = std::make_unique<QTemporaryDir>();
        db::Settings s;
        s.directory = m_dir->path();
        db::installSchema(s, schemaScripts(false));
        db::connectAll(s);
        db::upgradeSchema(upgradeSteps());
    }
    for (QString* v : {&UsuarioLogado, &PerfilLogado, &UnidadeLogada, &NomeUsuarioLogado, &LoginUsuarioLogado,
                       &NomeUnidadeLogada, &NomePerfilLogado})
        v->clear();
}

void deleteTopLevelWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            windows << w;
    for (const QPointer<QWidget>& w : windows)
        delete w.data();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

void DbTest::TearDown() {
    db::rollback();
    db::disconnectAll();
    m_dir.reset();
    setProcessEndHandler({});
}

void DbTest::loginAsAdmin() {
    UsuarioLogado = QStringLiteral("1");
    PerfilLogado = QStringLiteral("1000");
    UnidadeLogada = QStringLiteral("1");
    NomeUsuarioLogado = QStringLiteral("ADMINISTRADOR");
    LoginUsuarioLogado = QStringLiteral("ADMIN");
    NomeUnidadeLogada = QStringLiteral("UNIDADE CENTRAL");
    NomePerfilLogado = QStringLiteral("ADMINISTRADOR");
}

void DbTest::exec(const QString& sql, const QVariantHash& params) { db::run(db::kMain, sql, params); }

QVariant DbTest::scalar(const QString& sql, const QVariantHash& params) {
    const db::RowSet rows = db::run(db::kMain, sql, params);
    return rows.count() > 0 ? rows.row(0)[0] : QVariant();
}

int DbTest::count(const QString& table) { return db::toInt(scalar(QStringLiteral("select count(*) from ") + table)); }

OtherWorkstation::OtherWorkstation(int waitMs)
    : OtherWorkstation(testingPostgres() ? testSettings() : db::settings(), waitMs) {}

OtherWorkstation::OtherWorkstation(const db::Settings& settings, int waitMs) {
    static std::atomic<int> made{0};
    m_name = QStringLiteral("outra_estacao_%1").arg(++made);
    QSqlDatabase other;
    if (testingPostgres()) {
        other = db::addPostgres(settings, m_name);
    } else {
        other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        other.setDatabaseName(db::sqliteFile(settings, db::kMain));
        other.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(waitMs));
    }
    if (!other.open())
        throw db::Error(other.lastError().text());
    if (!testingPostgres())
        db::registerSqliteFunctions(other);  // the indexes over fold() need it, as on every workstation
    if (testingPostgres())
        exec(QStringLiteral("set lock_timeout = %1").arg(waitMs));
}

OtherWorkstation::~OtherWorkstation() {
    {
        QSqlDatabase other = QSqlDatabase::database(m_name, false);
        other.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase OtherWorkstation::database() const { return QSqlDatabase::database(m_name, false); }

bool OtherWorkstation::exec(const QString& sql, const QVariantList& values, QString* error) {
    QSqlQuery q(database());
    bool ok = values.isEmpty() ? q.exec(sql) : q.prepare(sql);
    if (ok && !values.isEmpty()) {
        for (const QVariant& v : values)
            q.addBindValue(v.typeId() == QMetaType::QDateTime ? QVariant(db::storedDateTime(v.toDateTime())) : v);
        ok = q.exec();
    }
    if (!ok && error)
        *error = q.lastError().text();
    return ok;
}

QVariant OtherWorkstation::scalar(const QString& sql, const QVariantList& values) {
    QSqlQuery q(database());
    q.prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    return q.exec() && q.next() ? q.value(0) : QVariant();
}

void DbTest::writePadrao(const QStringList& statements) {
    if (testingPostgres()) {
        for (const QString& s : statements)
            db::run(db::kMain, QString(s).replace(QStringLiteral("{p}"), QStringLiteral("padrao.")), {});
        return;
    }
    const QString name = QStringLiteral("padrao_fixture");
    {
        QSqlDatabase padrao = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        padrao.setDatabaseName(db::sqliteFile(db::settings(), db::kPadrao));
        ASSERT_TRUE(padrao.open());
        for (const QString& s : statements) {
            QSqlQuery q(padrao);
            ASSERT_TRUE(q.exec(QString(s).replace(QStringLiteral("{p}"), QString())))
                << q.lastError().text().toStdString();
        }
        padrao.close();
    }
    QSqlDatabase::removeDatabase(name);
}

ScratchDatabase::ScratchDatabase() {
    if (testingPostgres()) {
        static int made = 0;
        m_settings = postgresTestSettings(QStringLiteral("%1_%2").arg(pgDatabaseName()).arg(++made));
        adminExec(QStringLiteral("create database %1 encoding 'UTF8' template template0").arg(m_settings.database));
    } else {
        m_settings.directory = m_dir.path();
    }
    db::installSchema(m_settings, schemaScripts(false));
}

ScratchDatabase::~ScratchDatabase() {
    const db::Settings& open = db::settings();
    if (db::isConnected() && open.engine == m_settings.engine && open.database == m_settings.database &&
        open.directory == m_settings.directory)
        db::disconnectAll();
    if (!testingPostgres())
        return;
    try {
        adminExec(QStringLiteral("drop database if exists %1 with (force)").arg(m_settings.database));
    } catch (...) {
        // Tidying only: the database goes with the throwaway cluster.
    }
}
