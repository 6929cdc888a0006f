// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The identification card on an A4 portrait page.

#include "registry/cards/URelCarteirinha.h"

class TfrmRelCarteirinha_Verdical : public TfrmRelCarteirinha {
public:
    explicit TfrmRelCarteirinha_Verdical(int animalId) : TfrmRelCarteirinha(animalId, true) {}
};
