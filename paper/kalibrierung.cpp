// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/kalibrierung.h"

#include "star/ranges.h"

#include <cmath>

namespace kalibrierung {

bool Gueltig(double faktor)
{
    return star::inRange(faktor, kKleinsterFaktor, kGroessterFaktor);
}

Einmessung Einmessen(double waagrechtGemessen, double senkrechtGemessen)
{
    Einmessung e;
    if (!(waagrechtGemessen > 0) || !(senkrechtGemessen > 0))
        return e;
    e.korrektur = {kLinealWaagrecht / waagrechtGemessen, kLinealSenkrecht / senkrechtGemessen};
    if (!Gueltig(e.korrektur.x) || !Gueltig(e.korrektur.y))
        e.urteil = Urteil::Unmoeglich;
    else if (std::abs(e.korrektur.x - 1) > kVerdaechtig || std::abs(e.korrektur.y - 1) > kVerdaechtig)
        e.urteil = Urteil::Verdaechtig;
    else
        e.urteil = Urteil::Gut;
    return e;
}

} // namespace kalibrierung
