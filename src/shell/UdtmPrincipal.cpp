#include "shell/UdtmPrincipal.h"

#include "common/Formats.h"
#include "common/Process.h"
#include "common/Prompts.h"
#include "common/SchemaScripts.h"
#include "platform/db/Schema.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

QString configurationPath() {
    const QString env = qEnvironmentVariable("NURV_CONFIG");
    if (!env.isEmpty())
        return env;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(QStringLiteral("nurv.conf"));
}

db::Settings readSettings(const QString& path) {
    db::Settings s;
    s.directory = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!QFile::exists(path))
        return s;
    QSettings ini(path, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("database"));
    const QString engine = ini.value(QStringLiteral("engine"), QStringLiteral("sqlite")).toString().trimmed().toLower();
    if (engine == QLatin1String("postgresql") || engine == QLatin1String("postgres")) {
        s.engine = db::Engine::PostgreSQL;
        s.host = ini.value(QStringLiteral("host"), QStringLiteral("localhost")).toString();
        s.port = ini.value(QStringLiteral("port"), 5432).toInt();
        s.database = ini.value(QStringLiteral("name"), QStringLiteral("nurv")).toString();
        s.user = ini.value(QStringLiteral("user")).toString();
        s.password = ini.value(QStringLiteral("password")).toString();
    } else {
        const QString dir = ini.value(QStringLiteral("directory")).toString();
        if (!dir.isEmpty())
            s.directory = QDir(QFileInfo(path).absolutePath()).absoluteFilePath(dir);
    }
    return s;
}

void ensureEmbeddedDefault(const db::Settings& settings) {
    if (db::schemaInstalled(settings))
        return;
    if (settings.engine == db::Engine::PostgreSQL) {
        // A new server database gets the schema; its rows are the centre's to load.
        db::installSchema(settings, schemaScripts(false));
        return;
    }
    try {
        db::installSchema(settings, schemaScripts(true));
    } catch (...) {
        // A half-made database would pass for a good one on the next start.
        for (const QString& name : {db::kMain, db::kPadrao, db::kKelvo})
            QFile::remove(db::sqliteFile(settings, name));
        throw;
    }
}

TdtmPrincipal::TdtmPrincipal() {
    fmt::installLocale();
    try {
        const db::Settings settings = readSettings(configurationPath());
        ensureEmbeddedDefault(settings);
        db::connectAll(settings);
    } catch (const std::exception&) {
        db::disconnectAll();
        Prompts::warning(QStringLiteral("Falha na conexão com o banco de dados!"));
        endProcess(1);
    }
}

TdtmPrincipal::~TdtmPrincipal() { db::disconnectAll(); }
