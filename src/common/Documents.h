#pragma once
// Brazilian document numbers (CPF of a person, CNPJ of a company) by their check digits, and the form of
// an e-mail address.

#include <QString>

// Eleven digits whose two last are the check digits of the nine first; eleven equal digits are refused.
bool ValidaCPF(const QString& text);
// Fourteen digits (trimmed) whose two last are the check digits of the twelve first; fourteen equal digits
// are refused.
bool ValidaCNPJ(const QString& text);
// Something before the first "@", and after it a "." that is neither its first nor its second character.
bool ValidaEmail(const QString& text);
