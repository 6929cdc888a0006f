// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the advanced search decides without a database: the criteria as typed, the refusal of a number that
// is none, its grid's columns and the district items of its list.

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantHash>
#include <stdexcept>

namespace registry {
inline const QString kValorInvalido = QStringLiteral("Valor inválido no campo \"%1\".");
}  // namespace registry

// The criteria as the form's controls hold them: the text of each control by its object name (mkeCodAnimal,
// cbbEspecie...), the status radio and the birth-date range.
struct AdvancedCriteria {
    QHash<QString, QString> texts;
    bool inactiveOwners = false;
    bool birthDate = false;  // "Ignorar DT." unchecked
    QDate bornFrom, bornTo;
};

// A number or list field whose value is no whole number: the control to focus and the message to show.
class InvalidCriterion : public std::runtime_error {
public:
    InvalidCriterion(QString control, QString message)
        : std::runtime_error(message.toStdString()), control(std::move(control)), message(std::move(message)) {}
    QString control;
    QString message;
};

// The id of a list item: its text before the first "-", as a whole number; false when it is none.
bool listItemId(const QString& item, int* id);

// A district item: the full id, " - " and twenty characters of the name from its fifth on.
QString districtItem(int id, const QString& name);

// A column of the result grid: the field it shows, its title (the field's name when untitled) and its width.
struct AdvancedGridColumn {
    QString field;
    QString title;
    int width = 0;      // as the form's description sets it; 0: none set, the column fits what it shows
    bool date = false;  // a date shown dd/mm/yyyy, without its time
};
const QList<AdvancedGridColumn>& advancedGridColumns();
