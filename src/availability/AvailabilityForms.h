// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The availability map's menu action: 48 - Mapa disponibilidade.

void registerAvailabilityForms();
