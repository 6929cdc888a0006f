// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scenarios of the owners over the realistic registry: the consult by a common name's beginning, a search of a
// text inside owners' names, and a new owner's save.

bool ownerCommonPrefixScenario();
bool ownerContainsScenario();
bool ownerSaveScenario();
