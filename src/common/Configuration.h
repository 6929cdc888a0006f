// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The installation's settings file and the reading of its values.

#include <QString>
#include <QStringList>

class QSettings;

// Where a settings file may stand, in the order they are tried: $NURV_CONFIG alone when set; else the user's
// (nurv.conf in the user's configuration folder, ~/.config/nurv), then the machine's, one per system
// configuration folder of the desktop's conventions ($XDG_CONFIG_DIRS, /etc/xdg when unset, each with nurv/).
QStringList settingsFileCandidates();

// Whether something stands at `path` that the start must read or refuse: a file, a folder, a link to nowhere,
// or a name behind a folder that cannot be searched. Only a name plainly not there is absent, so that a
// machine's settings the user cannot reach never turn into a silent start on the embedded default.
bool settingsFilePresent(const QString& path);

// The settings file: the first present of settingsFileCandidates(), else the first of them (absent).
QString configurationPath();

// A key's text as written in the file, trimmed; `fallback` when absent or blank. Qt's reader splits an
// unquoted value at its commas (a password, a subject): the parts are joined again as they stood.
QString settingText(const QSettings& ini, const QString& key, const QString& fallback = {});
