// SPDX-License-Identifier: GPL-3.0-or-later
// The data module: settings, the embedded default and the three connections.
#include "shell/UdtmPrincipal.h"

#include "common/Process.h"
#include "common/Prompts.h"
#include "common/rules/Formats.h"
#include "common/schema/SchemaScripts.h"
#include "platform/db/Query.h"
#include "platform/db/Schema.h"
#include "shell/shared/DatabaseUpgrade.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

db::Settings embeddedDefaultSettings() {
    db::Settings s;
    s.directory = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return s;
}

db::Settings readSettings(const QString& path) {
    const auto fail = [&](const QString& why) { throw db::Error(QStringLiteral("%1: %2").arg(path, why)); };
    QSettings ini(path, QSettings::IniFormat);
    if (ini.status() == QSettings::AccessError || !QFileInfo(path).isFile())
        fail(QStringLiteral("arquivo de configuração ilegível"));
    if (ini.status() == QSettings::FormatError)
        fail(QStringLiteral("arquivo de configuração malformado"));
    if (!ini.childGroups().contains(QStringLiteral("database")))
        fail(QStringLiteral("falta a seção [database]"));
    db::Settings s = embeddedDefaultSettings();
    ini.beginGroup(QStringLiteral("database"));
    const QString engine = settingText(ini, QStringLiteral("engine"), QStringLiteral("sqlite")).toLower();
    if (engine == QLatin1String("postgresql") || engine == QLatin1String("postgres")) {
        s.engine = db::Engine::PostgreSQL;
        s.directory.clear();
        s.host = settingText(ini, QStringLiteral("host"), QStringLiteral("localhost"));
        s.port = settingText(ini, QStringLiteral("port"), QStringLiteral("5432")).toInt();
        s.database = settingText(ini, QStringLiteral("name"), QStringLiteral("nurv"));
        s.user = settingText(ini, QStringLiteral("user"));
        s.password = settingText(ini, QStringLiteral("password"));
    } else if (engine == QLatin1String("sqlite")) {
        const QString dir = settingText(ini, QStringLiteral("directory"));
        if (!dir.isEmpty())
            s.directory = QDir(QFileInfo(path).absolutePath()).absoluteFilePath(dir);
        const QString main = db::sqliteFile(s, db::kMain);
        if (!QFileInfo(main).isFile())
            fail(QStringLiteral("[database] directory=%1: banco de dados principal %2 não encontrado").arg(dir, main));
    } else {
        fail(QStringLiteral("[database] engine=%1 desconhecido (sqlite ou postgresql)").arg(engine));
    }
    return s;
}

void ensureEmbeddedDefault(const db::Settings& settings) { db::installSchema(settings, schemaScripts(true)); }

db::Settings prepareDatabases(const QString& path) {
    if (!settingsFilePresent(path)) {
        const db::Settings s = embeddedDefaultSettings();
        ensureEmbeddedDefault(s);
        return s;
    }
    const db::Settings s = readSettings(path);
    // A new server database gets the schema; its rows are the centre's to load.
    if (s.engine == db::Engine::PostgreSQL && !db::schemaInstalled(s))
        db::installSchema(s, schemaScripts(false));
    return s;
}

void checkSystemTables(const db::Settings& settings) {
    const struct {
        const QString& connection;
        const char* schema;
        const char* table;
    } probes[] = {
        {db::kMain, "public", "usuario"}, {db::kPadrao, "padrao", "logradouro"}, {db::kKelvo, "zzoo01", "sa001041"}};
    for (const auto& p : probes) {
        try {
            db::probeTable(p.connection, QLatin1String(p.table));
        } catch (const db::Error& e) {
            const QString where = settings.engine == db::Engine::SQLite
                                      ? db::sqliteFile(settings, p.connection)
                                      : QStringLiteral("%1 (%2)").arg(settings.database, QLatin1String(p.schema));
            throw db::Error(QStringLiteral("%1: não é um banco de dados do NURV: %2")
                                .arg(where, e.detail().isEmpty() ? e.text() : e.detail()));
        }
    }
}

TdtmPrincipal::TdtmPrincipal() {
    fmt::installLocale();
    try {
        const db::Settings settings = prepareDatabases(configurationPath());
        db::connectAll(settings);
        checkSystemTables(settings);
        upgradeAtStart();
    } catch (const std::exception& e) {
        qWarning().noquote() << QString::fromUtf8(e.what());
        db::disconnectAll();
        Prompts::warning(QStringLiteral("Falha na conexão com o banco de dados!"));
        endProcess(1);
    }
}

TdtmPrincipal::~TdtmPrincipal() { db::disconnectAll(); }
