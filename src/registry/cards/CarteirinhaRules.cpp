// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of an identification card.

#include "registry/cards/CarteirinhaRules.h"

#include <QStringList>

QString registrationCode(int animalId) { return QStringLiteral("%1-%1").arg(animalId); }

QString cardAddress(bool hasAddress, const QString& type, const QString& street, const QString& number,
                    const QString& complement, const QString& neighbourhood) {
    if (!hasAddress)
        return {};
    return type.trimmed() + QStringLiteral(": ") + street.trimmed() + QStringLiteral(", ") + number.trimmed() +
           QStringLiteral("; ") + complement.trimmed() + QStringLiteral("; B:") + neighbourhood.trimmed();
}

namespace {

bool blankPhone(const QString& phone) {
    for (QChar c : phone)
        if (!QStringLiteral("()- ").contains(c) && !c.isSpace())
            return false;
    return true;
}

}  // namespace

QString cardPhones(const QString& residential, const QString& mobile, const QString& message) {
    QStringList phones;
    for (const QString& p : {residential, mobile})
        if (!blankPhone(p))
            phones << p.trimmed();
    if (phones.isEmpty() && !blankPhone(message))
        phones << message.trimmed();
    return phones.join(QStringLiteral(" / "));
}

QString dashedWhenBlank(const QString& value) { return value.trimmed().isEmpty() ? QStringLiteral("---") : value; }
