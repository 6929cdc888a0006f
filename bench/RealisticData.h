// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The registry of a centre as real data is: owners named as people are (a few first names start many of the
// names, "MARIA" about 7 %, surnames repeat, accents where real names have them), their addresses and web
// accounts, animals of three species with their groups and addresses, and a year of attendances booked at the
// slots' times in five units.

#include <QString>

namespace benchdata {

constexpr int kOwners = 200000, kAnimals = 300000, kAttendances = 500000;
constexpr int kAttendanceYear = 2024;  // every attendance falls in it

// Fills the bench's database (on either engine) with the registry above.
void fillRegistry();

// A CPF with its check digits, made from `n` (n < 1,000,000,000), unlike any the registry holds.
QString newCpf(int n);

}  // namespace benchdata
