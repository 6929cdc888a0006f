// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the leishmaniasis results query decides without a database: its criteria as typed, the colour of a
// row by its result, and its grid's columns.

#include <QColor>
#include <QList>
#include <QString>

namespace registry {
inline const QString kFaltaTextoPesquisa = QStringLiteral("Falta preencher o texto para a pesquisa!");
inline const QString kRegistrosEncontrados = QStringLiteral(" registros encontrados.");
}  // namespace registry

struct LvcCriteria {
    QString animal;  // "Nome do animal:", from the start of the name
    QString street;  // "Logradouro:", anywhere in the street
    QString number;  // "Numero:", digits
    QString sample;  // "Cód. amostra:", exact
    bool blank() const;
};

// The text colour of a sample's row: red for a confirmed positive ("PO", "RE"), blue for a confirmed
// non-reactive ("NR"), green for a confirmed "IN" or "MO"; invalid (the default) otherwise.
QColor lvcColour(const QString& result, const QString& confirmation);

struct LvcColumn {
    QString title;
    QString field;
};
const QList<LvcColumn>& lvcColumns();
