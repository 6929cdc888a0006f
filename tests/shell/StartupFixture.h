// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up in a temporary folder: its settings file, the user's data folder, and a start that must be
// refused.

#include "PromptRecorder.h"

#include "common/Process.h"
#include "platform/db/Query.h"
#include "shell/UdtmPrincipal.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

inline QStringList g_warnings;
inline void keepWarning(QtMsgType, const QMessageLogContext&, const QString& text) { g_warnings << text; }

// The start-up with its settings file and the user's data folder inside a temporary folder.
class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        setProcessEndHandler([](int code) { throw ProcessEnded{code}; });
        config = dir.filePath("nurv.conf");
        qputenv("NURV_CONFIG", config.toUtf8());
        qputenv("XDG_DATA_HOME", dir.filePath("share").toUtf8());
        appName = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("nurv"));
    }
    void TearDown() override {
        db::disconnectAll();
        qunsetenv("NURV_CONFIG");
        qunsetenv("XDG_DATA_HOME");
        QCoreApplication::setApplicationName(appName);
        setProcessEndHandler({});
    }
    void writeConfig(const QString& text) { writeFile(config, text); }
    // A file with its folders made. Each file written gets a time of its own: Qt's settings reader keeps a file
    // it parsed while its size and time stay the same, and two files written within the file system's tick
    // share a time.
    static void writeFile(const QString& path, const QString& text) {
        static int written = 0;
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
        f.flush();
        f.setFileTime(QDateTime::currentDateTime().addSecs(-3600 + ++written), QFileDevice::FileModificationTime);
    }
    // The embedded default's folder.
    QString data(const QString& file = {}) const {
        return QDir(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/nurv")).filePath(file);
    }
    // Every name under the temporary folder, to see that nothing was written.
    QStringList listing() const {
        QStringList out;
        QDirIterator it(dir.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            out << it.next();
        out.sort();
        return out;
    }
    int count(const QString& sql) { return db::toInt(db::run(db::kMain, sql, {}).row(0)[0]); }
    // A start that must end with the connection warning and nothing else; what it wrote to the standard
    // error stream.
    QStringList refusedStart() {
        prompts.clear();
        g_warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(keepWarning);
        EXPECT_THROW({ TdtmPrincipal dtm; }, ProcessEnded);
        qInstallMessageHandler(previous);
        EXPECT_EQ(prompts.texts(), QStringList{"Falha na conexão com o banco de dados!"});
        return g_warnings;
    }
    QTemporaryDir dir;
    QString config;
    QString appName;
    PromptRecorder prompts;
};
