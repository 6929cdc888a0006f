// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menu actions of the exports and the auxiliary vaccination tables: 044, 049, 050 and 060.

void registerExportsForms();
