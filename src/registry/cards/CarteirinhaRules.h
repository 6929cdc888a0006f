// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of an identification card: registration code, address, phones, and the portrait layout's
// dashes for an empty value.

#include <QString>

// The registration code (RGA) of an animal: "57-57".
QString registrationCode(int animalId);

// "R: DAS FLORES, 51; CASA 2; B:CENTRO"; empty when the owner has no address.
QString cardAddress(bool hasAddress, const QString& type, const QString& street, const QString& number,
                    const QString& complement, const QString& neighbourhood);

// The residential and mobile phones that hold a number, joined by " / "; the message phone when neither
// does; empty when none. A phone counts as blank once "(", ")", "-" and blanks are removed.
QString cardPhones(const QString& residential, const QString& mobile, const QString& message);

// What the portrait layout prints for a value: "---" when it is blank.
QString dashedWhenBlank(const QString& value);
