// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/entwurf.h"
#include "net/netz.h"

#include <gtest/gtest.h>

// A lantern with every part on, on A3, for the lantern's tests.
inline netz::Vorgabe laterne(double hoehe)
{
    netz::Vorgabe v;
    v.hoehe = hoehe;
    v.blattBreite = 28.998;
    v.blattHoehe = 41.311;
    v.fensterRahmen = 0.5;
    v.fensterRadius = 0.3;
    v.einsaetze = true;
    v.oeffnung = 4;
    v.aufhaenger = true;
    v.farbig = true;
    v.schattiert = true;
    return v;
}

// The start-up star made into it.
inline netz::Netz startLaterne(const netz::Vorgabe& v)
{
    const netz::Ergebnis e = netz::entfalten(netzStern(), v);
    EXPECT_TRUE(e.netz) << e.grund.source;
    return e.netz.value_or(netz::Netz{});
}
