#pragma once
// The availability map's menu action: 48 - Mapa disponibilidade.

void registerAvailabilityForms();
