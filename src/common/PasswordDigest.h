#pragma once
#include <QByteArray>
#include <QString>

// The bytes of a text in the Windows-1252 code page; a character it cannot hold becomes '?'.
QByteArray toWindows1252(const QString& text);

// SHA-512 of the Windows-1252 bytes of the text, as 128 lower-case hexadecimal characters. Callers pass
// the password already trimmed.
QString GeraHashSenha(const QString& text);
