// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The owner and animal registry's menu actions: 006 the owner and animal register, 021 the animal transfer,
// 022 the occurrence register, 024 the animal's addresses and 043 the transferred animals.

void registerRegistryForms();
