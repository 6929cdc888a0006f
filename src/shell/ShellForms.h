// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Registers the openers of the shell's own menu actions.
void registerShellForms();
