// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up: settings, databases made or refused, and the process's end on a failed connection.
#include "StartupFixture.h"
#include "TestDatabase.h"

#include "common/Process.h"
#include "common/access/Session.h"
#include "common/schema/SchemaScripts.h"
#include "platform/db/Query.h"
#include "platform/db/Schema.h"
#include "shell/NurvApp.h"
#include "shell/UdtmPrincipal.h"
#include "shell/login/ULogin.h"
#include "shell/menu/UMenuPrincipal.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QHash>
#include <QIcon>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <random>

namespace {

const QStringList kFiles{"nurv.db", "padrao.db", "zzoo01.db"};

QByteArray bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int mode(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

}  // namespace

TEST_F(Startup, UnreachableDatabaseShowsOnlyTheWarningAndEndsTheProcess) {
    writeConfig("[database]\nengine=postgresql\nhost=127.0.0.1\nport=1\nname=nurv\nuser=nurv\n");
    try {
        TdtmPrincipal dtm;
        FAIL() << "started without a database";
    } catch (const ProcessEnded& e) {
        EXPECT_NE(e.code, 0);
    }
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].kind, Prompts::Kind::Warning);
    EXPECT_EQ(prompts.asked[0].text, "Falha na conexão com o banco de dados!");
    EXPECT_FALSE(db::isConnected());
}

TEST_F(Startup, MissingStreetRegisterOfAConfiguredFolderEndsTheStartTheSameWay) {
    { TdtmPrincipal dtm; }
    writeConfig("[database]\nengine=sqlite\ndirectory=share/nurv\n");
    ASSERT_TRUE(QFile::remove(data("padrao.db")));
    EXPECT_THROW({ TdtmPrincipal dtm; }, ProcessEnded);
    EXPECT_EQ(prompts.last(), "Falha na conexão com o banco de dados!");
    EXPECT_FALSE(QFile::exists(data("padrao.db")));
}

TEST_F(Startup, EmbeddedDefaultIsCreatedOnFirstStartAndReusedOnTheSecond) {
    {
        TdtmPrincipal dtm;
        EXPECT_TRUE(QFile::exists(data("nurv.db")));
        EXPECT_EQ(db::toText(db::run(db::kMain, "select Login from usuario where Id_Usuario = 1", {}).row(0)[0]),
                  "ADMIN");
        const db::RowSet weeks =
            db::run(db::kMain, "select count(*), min(nrideano), max(nrideano) from semana_epidemiologica", {});
        EXPECT_GT(db::toInt(weeks.row(0)[0]), 41 * 52);
        EXPECT_EQ(db::toInt(weeks.row(0)[1]), 2000);
        EXPECT_EQ(db::toInt(weeks.row(0)[2]), 2040);
        db::run(db::kMain, "insert into perfil (Id_Perfil, Nome) values (77, 'MARCA')", {});
        // The formats are fixed whatever the machine says.
        EXPECT_EQ(QLocale().toString(2.5, 'f', 1), "2,5");
    }
    db::disconnectAll();
    {
        TdtmPrincipal dtm;
        EXPECT_EQ(db::toInt(db::run(db::kMain, "select count(*) from perfil where Id_Perfil = 77", {}).row(0)[0]), 1);
    }
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(Startup, FirstUserOfTheEmbeddedDefaultLogsIn) {
    TdtmPrincipal dtm;
    TfrmMenuPrincipal main;
    frmMenuPrincipal = &main;
    TfrmLogin_2 login;
    login.FormShow();
    auto* unidade = login.findChild<QComboBox*>("dblUnidade");
    ASSERT_GE(unidade->count(), 1);
    unidade->setCurrentIndex(0);
    emit unidade->activated(0);
    auto* usuario = login.findChild<QComboBox*>("dblUsuario");
    const int admin = usuario->findText("ADMINISTRADOR");
    ASSERT_GE(admin, 0);
    usuario->setCurrentIndex(admin);
    emit usuario->activated(admin);
    QTest::keyClicks(login.findChild<QLineEdit*>("edtSenha"), "NURV");
    login.findChild<QPushButton*>("bmpOK")->click();
    EXPECT_TRUE(login.succeeded()) << prompts.last().toStdString();
    EXPECT_EQ(PerfilLogado, "1000");
    EXPECT_TRUE(main.action("actExtratorTabelasSistema")->isEnabled());
}

TEST_F(Startup, OnlyMissingFilesAreBuiltPrivateAndTheOthersKeptByteForByte) {
    {
        TdtmPrincipal dtm;
        // A main database made before files carried their completion mark opens as it is.
        db::run(db::kMain, "pragma user_version = 0", {});
        db::run(db::kMain, "insert into perfil (Id_Perfil, Nome) values (77, 'ANTIGO')", {});
    }
    EXPECT_EQ(mode(data()), 0700);
    for (const QString missing : {"padrao.db", "zzoo01.db", "nurv.db"}) {
        SCOPED_TRACE(missing.toStdString());
        QHash<QString, QByteArray> kept;
        for (const QString& name : kFiles) {
            if (name != missing)
                kept[name] = bytes(data(name));
        }
        ASSERT_TRUE(QFile::remove(data(missing)));
        {
            TdtmPrincipal dtm;
            EXPECT_EQ(count("select count(*) from usuario where Login = 'ADMIN'"), 1);
            EXPECT_EQ(count("select count(*) from perfil where Id_Perfil = 77"), missing == "nurv.db" ? 0 : 1);
        }
        for (auto it = kept.cbegin(); it != kept.cend(); ++it)
            EXPECT_EQ(bytes(data(it.key())), it.value()) << it.key().toStdString();
        EXPECT_EQ(QDir(data()).entryList(QDir::Files), kFiles);
        EXPECT_EQ(mode(data(missing)), 0600);
    }
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(Startup, FirstStartKilledAtAnyMomentIsFinishedByTheNextStart) {
    if (testingPostgres())
        GTEST_SKIP() << "the embedded default is SQLite";
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QProcess child;
    const auto start = [&](const QString& home) {
        env.insert(QStringLiteral("XDG_DATA_HOME"), home);
        child.setProcessEnvironment(env);
        child.start(QStringLiteral(NURV_STARTUP_CHILD), {});
        return child.waitForStarted();
    };
    QElapsedTimer whole;
    whole.start();
    ASSERT_TRUE(start(dir.filePath("whole")) && child.waitForFinished(20000) && child.exitCode() == 0);
    const int span = int(whole.elapsed()) + 10;
    // The street register of a finished start is the sample one, whole.
    qputenv("XDG_DATA_HOME", dir.filePath("whole").toUtf8());
    int streets = 0;
    {
        TdtmPrincipal dtm;
        streets = count("select count(*) from padrao.bairro");
    }
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const QString home = dir.filePath(QStringLiteral("round%1").arg(round));
        ASSERT_TRUE(start(home));
        if (!child.waitForFinished(std::uniform_int_distribution<int>(0, span)(random))) {
            child.kill();
            child.waitForFinished();
        }
        qputenv("XDG_DATA_HOME", home.toUtf8());
        TdtmPrincipal dtm;
        EXPECT_EQ(count("select count(*) from usuario where Login = 'ADMIN'"), 1);
        EXPECT_GT(count("select count(*) from semana_epidemiologica"), 41 * 52);
        EXPECT_EQ(count("select count(*) from padrao.bairro"), streets);
        EXPECT_EQ(count("select count(*) from zzoo01.sa001041"), 0);
        EXPECT_EQ(QDir(data()).entryList(QDir::Files), kFiles);
    }
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(Startup, UnusableSettingsEndTheStartWithTheWarningAndWriteNothing) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("vazio"));
    const struct {
        const char* text;  // null: a folder stands where the file should be
        const char* reason;
    } cases[] = {
        {"[database\nengine=sqlite\n", "malformado"},
        {"", "[database]"},
        {"[banco]\nengine=sqlite\n", "[database]"},
        {"[database]\nengine=oracle\n", "engine=oracle"},
        {"[database]\nengine=sqlite\ndirectory=vazio\n", "directory=vazio"},
        {nullptr, "ilegível"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        if (c.text) {
            writeConfig(c.text);
        } else {
            ASSERT_TRUE(QFile::remove(config));
            ASSERT_TRUE(QDir().mkdir(config));
        }
        const QStringList before = listing();
        const QStringList warnings = refusedStart();
        // The reason, for an installer to read: the file, then the key.
        ASSERT_EQ(warnings.size(), 1);
        EXPECT_TRUE(warnings[0].startsWith(config + ":")) << warnings[0].toStdString();
        EXPECT_TRUE(warnings[0].contains(QString::fromUtf8(c.reason))) << warnings[0].toStdString();
        EXPECT_EQ(listing(), before);
    }
}

TEST_F(Startup, AnEmptyOrForeignDatabaseEndsTheStartWithTheWarningAndWritesNothing) {
    if (testingPostgres())
        GTEST_SKIP() << "the files of the embedded default";
    { TdtmPrincipal dtm; }
    db::disconnectAll();
    // Another program's SQLite database.
    const QString foreign = dir.filePath("outro.db");
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "outro");
        other.setDatabaseName(foreign);
        ASSERT_TRUE(other.open());
        QSqlQuery(other).exec("create table clientes (id integer primary key, nome text)");
        other.close();
    }
    QSqlDatabase::removeDatabase("outro");
    const struct {
        const char* file;
        QByteArray content;
        const char* reason;
    } cases[] = {
        {"nurv.db", QByteArray(), "no such table: usuario"},
        {"nurv.db", QByteArray("planilha;de;outro;programa\n").repeated(20), "file is not a database"},
        {"nurv.db", bytes(foreign), "no such table: usuario"},
        {"padrao.db", QByteArray(), "no such table: logradouro"},
        {"zzoo01.db", QByteArray("x").repeated(600), "file is not a database"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const QByteArray kept = bytes(data(c.file));
        {
            QFile f(data(c.file));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(c.content);
        }
        const QStringList before = listing();
        // The database's own words are written where it failed; the start's reason, for an installer, comes last.
        const QStringList warnings = refusedStart();
        ASSERT_FALSE(warnings.isEmpty());
        EXPECT_TRUE(warnings.last().startsWith(data(c.file) + ":")) << warnings.last().toStdString();
        EXPECT_TRUE(warnings.last().contains(c.reason)) << warnings.last().toStdString();
        EXPECT_EQ(listing(), before);
        EXPECT_EQ(bytes(data(c.file)), c.content) << "never rebuilt over";
        QFile f(data(c.file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(kept);
    }
}

TEST_F(Startup, APostgresDatabaseNotInUtf8IsRefusedBeforeAnythingIsMadeInIt) {
    if (!testingPostgres())
        GTEST_SKIP() << "a PostgreSQL server";
    db::Settings admin = testSettings();
    admin.database = "postgres";
    const QString name = QStringLiteral("nurv_latin1_%1").arg(QCoreApplication::applicationPid());
    const auto adminExec = [&](const QString& sql) {
        {
            QSqlDatabase server = db::addPostgres(admin, "admin");
            ASSERT_TRUE(server.open());
            QSqlQuery q(server);
            EXPECT_TRUE(q.exec(sql)) << q.lastError().text().toStdString();
        }
        QSqlDatabase::removeDatabase("admin");
    };
    adminExec("drop database if exists " + name);
    adminExec("create database " + name + " encoding 'LATIN1' template template0 lc_collate 'C' lc_ctype 'C'");
    writeConfig(QStringLiteral("[database]\nengine=postgresql\nhost=%1\nport=%2\nname=%3\nuser=%4\n")
                    .arg(admin.host, QString::number(admin.port), name, admin.user));
    const QStringList warnings = refusedStart();
    ASSERT_EQ(warnings.size(), 1) << warnings.join('\n').toStdString();
    EXPECT_TRUE(warnings[0].contains(name + ": codificação LATIN1")) << warnings[0].toStdString();
    EXPECT_TRUE(warnings[0].contains("UTF8")) << warnings[0].toStdString();
    // Nothing was made in it: the same database, converted to UTF8 by its owner, starts as a new one.
    db::Settings latin1 = admin;
    latin1.database = name;
    EXPECT_FALSE(db::schemaInstalled(latin1));
    adminExec("drop database " + name);
}

TEST_F(Startup, ValuesWithCommasAreReadAsWritten) {
    // Qt's reader splits an unquoted value at its commas: a password or a subject keeps them all the same.
    writeConfig(
        "[database]\nengine=postgresql\nhost=db.example\nuser=nurv\npassword=a,b c,\n"
        "[mail]\nsubject=Centro de Zoonoses, Prefeitura\n");
    const db::Settings s = readSettings(config);
    EXPECT_EQ(s.password, "a,b c,");
    EXPECT_EQ(s.host, "db.example");
    QSettings ini(config, QSettings::IniFormat);
    EXPECT_EQ(settingText(ini, "mail/subject"), "Centro de Zoonoses, Prefeitura");
    EXPECT_EQ(settingText(ini, "mail/host", "nenhum"), "nenhum");
}

TEST_F(Startup, FolderNameWithUriCharactersAttachesTheOtherDatabasesReadOnly) {
    db::Settings s;
    s.directory = dir.filePath("a#b?c%d e");
    db::installSchema(s, schemaScripts(false) << db::Script{
                             db::Target::Padrao, "insert into bairro (num_bair, nom_bair) values (7, 'CENTRO');"});
    writeConfig("[database]\nengine=sqlite\ndirectory=a#b?c%d e\n");
    TdtmPrincipal dtm;
    EXPECT_EQ(
        db::toText(db::run(db::kMain, "select nom_bair from padrao.bairro where num_bair = :n", {{"n", 7}}).row(0)[0]),
        "CENTRO");
    EXPECT_EQ(count("select count(*) from zzoo01.sa001041"), 0);
    EXPECT_THROW(db::run(db::kMain, "insert into padrao.bairro (num_bair, nom_bair) values (8, 'NOVO')", {}),
                 db::Error);
    EXPECT_THROW(db::run(db::kMain, "delete from zzoo01.sa001041", {}), db::Error);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"a#b?c%d e", "nurv.conf"}));
    EXPECT_EQ(QDir(s.directory).entryList(QDir::Files), kFiles);
}

TEST(Translations, QtOwnDialogsSpeakPortuguese) {
    QTranslator* qtbase = installQtTranslations(*QCoreApplication::instance());
    ASSERT_NE(qtbase, nullptr);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Procurar em:");
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), "Imprimir");
    QCoreApplication::removeTranslator(qtbase);
    delete qtbase;
}

TEST(ProgramIcon, HoldsEverySizeTheMenuEntryShips) {
    const QList<QSize> sizes = programIcon().availableSizes();
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}
