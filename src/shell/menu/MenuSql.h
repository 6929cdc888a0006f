// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main menu's statement: the logged-in profile's rights, which decide the items it may use.

#include "shell/menu/MenuModel.h"

namespace menusql {

// The profile's rows of perfil_form with their forms' tags (-1 for a form without one).
QList<ProfileFormRow> menuRows(int profileId);

}  // namespace menusql
