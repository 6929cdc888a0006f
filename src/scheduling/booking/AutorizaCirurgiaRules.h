// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines of the surgery authorisation over one attendance's row: attendance, owner, phones, address,
// animal, the animal's details, colour and the declaration of the procedures.

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

struct CirurgiaRow {
    QVariant attendanceId, ownerId, animalId;
    QDateTime attendanceAt;
    QString ownerName, cpfCnpj, ci;
    QString phoneHome, phoneMobile, phoneMessage;
    QString streetType, street, number, complement, district, cep;
    QString animalName, group, breed, species, sex, size, coat, marks, colour;
    QDate birth;
};

QString attendanceLine(const CirurgiaRow& r);
QString ownerLine(const CirurgiaRow& r);
QString phoneLine(const CirurgiaRow& r);
QString addressLine(const CirurgiaRow& r);
QString animalLine(const CirurgiaRow& r);
QString detailsLine(const CirurgiaRow& r);
QString colourLine(const CirurgiaRow& r);

// The declaration for an attendance id and its procedure types (name, description) in their order.
QString declarationText(const QVariant& attendanceId, const QList<QPair<QString, QString>>& procedures);
