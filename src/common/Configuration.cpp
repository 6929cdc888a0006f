// SPDX-License-Identifier: GPL-3.0-or-later
// Where the settings file is, and its values read as the installer wrote them.
#include "common/Configuration.h"

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>

QStringList settingsFileCandidates() {
    const QString env = qEnvironmentVariable("NURV_CONFIG");
    if (!env.isEmpty())
        return {env};
    // The user's folder first, then the system's in the order $XDG_CONFIG_DIRS gives them.
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::AppConfigLocation);
    folders.removeAll(user);
    folders.prepend(user);
    QStringList files;
    for (const QString& folder : folders)
        files << QDir(folder).filePath(QStringLiteral("nurv.conf"));
    return files;
}

bool settingsFilePresent(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) == 0)
        return true;
    return errno != ENOENT && errno != ENOTDIR;
}

QString configurationPath() {
    const QStringList candidates = settingsFileCandidates();
    for (const QString& path : candidates) {
        if (settingsFilePresent(path))
            return path;
    }
    return candidates.first();
}

namespace {

// The text after "name=" in the file's section, as written up to a comment: Qt's reader gives a value with
// commas as a list, without the blanks beside them.
QString writtenValue(const QString& path, const QString& groupAndName) {
    const qsizetype slash = groupAndName.lastIndexOf(QLatin1Char('/'));
    const QString group = slash < 0 ? QStringLiteral("General") : groupAndName.left(slash);
    const QString name = groupAndName.mid(slash + 1);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QString section = QStringLiteral("General");
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (section != group || equals < 0 || line.left(equals).trimmed() != name)
            continue;
        QString value = line.mid(equals + 1);
        const qsizetype comment = value.indexOf(QLatin1Char(';'));
        return (comment < 0 ? value : value.left(comment)).trimmed();
    }
    return {};
}

}  // namespace

QString settingText(const QSettings& ini, const QString& key, const QString& fallback) {
    const QVariant value = ini.value(key);
    const QString group = ini.group();
    const QString text = value.typeId() == QMetaType::QStringList
                             ? writtenValue(ini.fileName(), group.isEmpty() ? key : group + QLatin1Char('/') + key)
                             : value.toString().trimmed();
    return text.isEmpty() ? fallback : text;
}
