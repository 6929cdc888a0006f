#pragma once
// Registers the openers of the shell's own menu actions.
void registerShellForms();
