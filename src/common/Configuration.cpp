// SPDX-License-Identifier: GPL-3.0-or-later
// Where the settings file is, and its values read as the installer wrote them.
#include "common/Configuration.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

QString configurationPath() {
    const QString env = qEnvironmentVariable("NURV_CONFIG");
    if (!env.isEmpty())
        return env;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("nurv.conf"));
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
