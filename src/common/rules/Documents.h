// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Brazilian document numbers (CPF of a person, CNPJ of a company) by their check digits, and the form of
// an e-mail address.

#include <QString>
#include <QStringList>

// Eleven digits whose two last are the check digits of the nine first; eleven equal digits are refused.
bool ValidaCPF(const QString& text);
// Fourteen characters (trimmed) whose two last are digits and the check digits of the twelve first, which
// are digits or, in the register's alphanumeric form, capital letters (each valued as its character code
// minus 48); fourteen equal digits are refused.
bool ValidaCNPJ(const QString& text);
// Something before the first "@", and after it a "." that is neither its first nor its second character.
bool ValidaEmail(const QString& text);

// A CPF or CNPJ as it is stored and compared: its digits and letters, in capitals, without punctuation or
// blanks. A number of digits only is its digits.
QString documentKey(const QString& text);
// The same key of a stored document in SQL, as another program may have written it ("123.456.789-09",
// " 12345678909"): `column` without its dots, dashes, slashes and blanks, in capitals. The index on
// proprietario's (db/upgrade) serves this expression as written.
QString documentKeySql(const QString& column);

// What a CPF or CNPJ typed among other characters may be stored as: its digits; and, for an alphanumeric CNPJ,
// its digits and letters whole (documentKey()) or, with letters typed around it, each fourteen of them in a row
// that make a valid CNPJ. Without repeats; none when no digit was typed.
QStringList typedDocuments(const QString& text);
