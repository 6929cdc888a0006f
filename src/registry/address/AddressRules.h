// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rules of an address without a database: the coordinates of a house from the buildings of its street.

#include <QList>
#include <QString>

// A building of the street register: its number as stored (the first five characters are the number).
struct Building {
    QString number;
    double x = 0, y = 0;
};

namespace registry {
inline const QString kGradeExato = QStringLiteral("EXATO");
inline const QString kGradeAproximado = QStringLiteral("APROXIMADO");
inline const QString kGradeDistancia = QStringLiteral("DISTANCIA EXCESSIVA");
inline const QString kGradeNaoEncontrado = QStringLiteral("NÃO ENCONTRADO");
}  // namespace registry

struct Coordinates {
    double x = 0, y = 0;
    QString grade;
};

// Where house `number` lies among the street's buildings: the building of that number, else the nearest
// buildings below and above within 100 numbers (of the number's side when there are any).
Coordinates geocode(int number, const QList<Building>& buildings);
