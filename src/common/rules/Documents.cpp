// SPDX-License-Identifier: GPL-3.0-or-later
// Check digits of CPF and CNPJ numbers and the e-mail form test.
#include "common/rules/Documents.h"

#include <QList>

namespace {

bool allDigits(const QString& text) {
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return !text.isEmpty();
}

bool allEqual(const QString& text) { return text.count(text.front()) == text.size(); }

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool isCapital(QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); }

// A digit's value; a capital letter's is its code minus 48 ("A" is 17), as the register counts them.
int digit(const QString& text, int i) { return text[i].unicode() - '0'; }

// CPF rule: weights from count+1 down to 2; 11 - (sum mod 11), 10 and 11 giving 0.
int cpfDigit(const QString& digits, int count) {
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += digit(digits, i) * (count + 1 - i);
    const int r = 11 - sum % 11;
    return r >= 10 ? 0 : r;
}

// CNPJ rule: weights 2..9 cycling from the right; remainders 0 and 1 give 0, else 11 - remainder.
int cnpjDigit(const QString& digits, int count) {
    int sum = 0;
    int weight = 2;
    for (int i = count - 1; i >= 0; --i) {
        sum += digit(digits, i) * weight;
        weight = weight == 9 ? 2 : weight + 1;
    }
    const int r = sum % 11;
    return r < 2 ? 0 : 11 - r;
}

}  // namespace

bool ValidaCPF(const QString& text) {
    if (text.size() != 11 || !allDigits(text) || allEqual(text))
        return false;
    return cpfDigit(text, 9) == digit(text, 9) && cpfDigit(text, 10) == digit(text, 10);
}

bool ValidaCNPJ(const QString& text) {
    const QString number = text.trimmed();
    if (number.size() != 14 || !allDigits(number.right(2)) || allEqual(number))
        return false;
    for (int i = 0; i < 12; ++i)
        if (!isDigit(number[i]) && !isCapital(number[i]))
            return false;
    return cnpjDigit(number, 12) == digit(number, 12) && cnpjDigit(number, 13) == digit(number, 13);
}

QString documentKey(const QString& text) {
    QString key;
    for (const QChar c : text) {
        const QChar upper = c.toUpper();
        if (isDigit(upper) || isCapital(upper))
            key += upper;
    }
    return key;
}

QString documentKeySql(const QString& column) {
    return QStringLiteral("upper(replace(replace(replace(replace(%1, '.', ''), '-', ''), '/', ''), ' ', ''))")
        .arg(column);
}

QStringList typedDocuments(const QString& text) {
    QString digits;
    for (const QChar c : text)
        if (isDigit(c))
            digits += c;
    if (digits.isEmpty())
        return {};
    QStringList documents{digits};
    const QString key = documentKey(text);
    if (key.size() <= 15)  // as long as the column holds
        documents << key;
    for (qsizetype at = 0; at + 14 <= key.size(); ++at)
        if (ValidaCNPJ(key.mid(at, 14)))
            documents << key.mid(at, 14);
    documents.removeDuplicates();
    return documents;
}

bool ValidaEmail(const QString& text) {
    const QString address = text.trimmed().toUpper();
    const int at = address.indexOf(QLatin1Char('@'));
    if (at < 1)
        return false;
    const QString domain = address.mid(at + 1);
    return !domain.isEmpty() && domain.indexOf(QLatin1Char('.')) >= 2;
}
