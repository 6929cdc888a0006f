// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the street search writes a chosen street into: the address that opened it, known to the search only
// through this, so that neither includes the other.

#include "registry/address/StreetSql.h"

class StreetTarget {
public:
    virtual ~StreetTarget() = default;
    virtual bool takesStreet() const = 0;  // the address is being inserted or edited
    virtual void applyStreet(const streetsql::Street& chosen) = 0;
};
