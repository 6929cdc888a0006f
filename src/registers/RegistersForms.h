// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reference registers' menu actions: the professionals register 007, the forms 009 to 019, the list
// reports 028 to 036 and the professionals report 042.

void registerRegistersForms();
