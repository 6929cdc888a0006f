// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// SHA-512 of the Windows-1252 bytes of the text (dbase::toWindows1252), as 128 lower-case hexadecimal
// characters. Callers pass the password already trimmed.
QString GeraHashSenha(const QString& text);
