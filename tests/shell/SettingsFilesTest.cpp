// SPDX-License-Identifier: GPL-3.0-or-later
// Which settings file a start reads: the environment's, the user's, the machine's or none; a machine's file
// that cannot be used ends the start as a user's does.
#include "StartupFixture.h"

#include "common/Configuration.h"
#include "common/schema/SchemaScripts.h"
#include "platform/db/Schema.h"

#include <unistd.h>
#include <QFileInfo>

namespace {

// A desk with the user's configuration folder and two system configuration folders in a temporary folder.
class SettingsFiles : public Startup {
protected:
    void SetUp() override {
        Startup::SetUp();
        qunsetenv("NURV_CONFIG");
        qputenv("XDG_CONFIG_HOME", dir.filePath("home").toUtf8());
        qputenv("XDG_CONFIG_DIRS", (dir.filePath("etc1") + ':' + dir.filePath("etc2")).toUtf8());
    }
    void TearDown() override {
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_CONFIG_DIRS");
        Startup::TearDown();
    }
    QString user() const { return dir.filePath("home/nurv/nurv.conf"); }
    QString machine() const { return dir.filePath("etc1/nurv/nurv.conf"); }
    QString secondMachine() const { return dir.filePath("etc2/nurv/nurv.conf"); }
    // A folder of the system's databases, as the centre's IT person sets one up for a desk.
    QString serverFolder() {
        db::Settings s;
        s.directory = dir.filePath("srv");
        db::installSchema(s, schemaScripts(false));
        return s.directory;
    }
    static QString sqliteSettings(const QString& folder) {
        return QStringLiteral("[database]\nengine=sqlite\ndirectory=%1\n").arg(folder);
    }
};

}  // namespace

TEST_F(SettingsFiles, TheEnvironmentThenTheUsersThenTheMachinesFirstFileThenNone) {
    const QString env = dir.filePath("env.conf");
    const struct {
        const char* what;
        bool envSet;
        QStringList present;
        QString expected;
    } cases[] = {
        {"the environment wins", true, {env, user(), machine()}, env},
        {"even naming nothing", true, {user(), machine()}, env},
        {"the user's before the machine's", false, {user(), machine(), secondMachine()}, user()},
        {"the machine's", false, {machine(), secondMachine()}, machine()},
        {"the next system folder's", false, {secondMachine()}, secondMachine()},
        {"none: the user's, absent", false, {}, user()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& path : {env, user(), machine(), secondMachine()})
            QFile::remove(path);
        for (const QString& path : c.present)
            writeFile(path, "[database]\n");
        if (c.envSet)
            qputenv("NURV_CONFIG", env.toUtf8());
        else
            qunsetenv("NURV_CONFIG");
        EXPECT_EQ(configurationPath(), c.expected);
    }
    // Without $XDG_CONFIG_DIRS the desktop's conventions name /etc/xdg.
    qunsetenv("NURV_CONFIG");
    qunsetenv("XDG_CONFIG_DIRS");
    EXPECT_EQ(settingsFileCandidates(), (QStringList{user(), "/etc/xdg/nurv/nurv.conf"}));
}

TEST_F(SettingsFiles, TheMachinesFileServesAUserWithoutOneAndTheUsersOwnWinsOverABrokenOne) {
    const QString srv = serverFolder();
    writeFile(machine(), sqliteSettings(srv));
    {
        TdtmPrincipal dtm;
        EXPECT_EQ(db::settings().directory, srv);
        EXPECT_EQ(count("select count(*) from usuario"), 0);
    }
    EXPECT_FALSE(QFileInfo::exists(data())) << "the embedded default was made beside the machine's settings";
    db::disconnectAll();

    // A user's file is read first: the machine's is not even opened.
    writeFile(machine(), "[database\n");
    writeFile(user(), sqliteSettings(srv));
    {
        TdtmPrincipal dtm;
        EXPECT_EQ(db::settings().directory, srv);
    }
    EXPECT_TRUE(prompts.asked.isEmpty()) << prompts.last().toStdString();
}

TEST_F(SettingsFiles, AMachinesFileThatCannotBeUsedEndsTheStartNamingItAndWritesNothing) {
    const QString srv = serverFolder();
    const struct {
        const char* what;
        const char* text;  // null: no file but `link`, or a folder where the file should be
        const char* link;
        const char* reason;
    } cases[] = {
        {"malformed", "[database\nengine=sqlite\n", nullptr, "malformado"},
        {"without [database]", "[mail]\nhost=smtp.example\n", nullptr, "[database]"},
        {"an unknown engine", "[database]\nengine=oracle\n", nullptr, "engine=oracle"},
        {"a folder in its place", nullptr, nullptr, "ilegível"},
        // A link to a share that is not mounted, or to itself: never a quiet start on a database of the desk's own.
        {"a link to nowhere", nullptr, "/nonexistent/nurv.conf", "ilegível"},
        {"a link to itself", nullptr, "nurv.conf", "ilegível"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(dir.filePath("etc1")).removeRecursively();
        // The second system folder's file is never reached past a broken first.
        writeFile(secondMachine(), sqliteSettings(srv));
        if (c.text) {
            writeFile(machine(), c.text);
        } else if (c.link) {
            ASSERT_TRUE(QDir().mkpath(QFileInfo(machine()).path()));
            ASSERT_EQ(::symlink(c.link, QFile::encodeName(machine()).constData()), 0);
        } else {
            ASSERT_TRUE(QDir().mkpath(machine()));
        }
        const QStringList before = listing();
        const QStringList warnings = refusedStart();
        ASSERT_EQ(warnings.size(), 1);
        EXPECT_TRUE(warnings[0].startsWith(machine() + ":")) << warnings[0].toStdString();
        EXPECT_TRUE(warnings[0].contains(QString::fromUtf8(c.reason))) << warnings[0].toStdString();
        EXPECT_EQ(listing(), before);
    }
}
