// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The installation's settings file and the reading of its values.

#include <QString>

class QSettings;

// The settings file: $NURV_CONFIG when set, else nurv.conf in the user's configuration folder.
QString configurationPath();

// A key's text as written in the file, trimmed; `fallback` when absent or blank. Qt's reader splits an
// unquoted value at its commas (a password, a subject): the parts are joined again as they stood.
QString settingText(const QSettings& ini, const QString& key, const QString& fallback = {});
