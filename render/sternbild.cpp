// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/sternbild.h"

#include <algorithm>
#include <cmath>

namespace {

// Lit from inside, the card lets a little light through.
constexpr double kDurchscheinend = 0.12;
constexpr BgrColor kNacht = 0x201010;
constexpr BgrColor kPapier = 0xffffff;
// The lamp's warm white.
constexpr netz::Rgb kLampe{255, 236, 180};
constexpr BgrColor kUmriss = 0x202020;
constexpr BgrColor kFalte = 0x505050;

int kanal(double wert, double helligkeit)
{
    return int(std::lround(std::clamp(wert * helligkeit, 0.0, 255.0)));
}

} // namespace

BgrColor flaechenFarbe(double helligkeit, const netz::Rgb& farbe)
{
    return BgrColor(kanal(farbe.rot, helligkeit)) | BgrColor(kanal(farbe.gruen, helligkeit)) << 8
        | BgrColor(kanal(farbe.blau, helligkeit)) << 16;
}

BgrColor hintergrund(const netz::Szene& s)
{
    return s.leuchtend ? kNacht : kPapier;
}

void sternbildZeichnen(SternbildFlaeche& f, const netz::Szene& s, const netz::Kamera& k, double breite,
    double hoehe, double linienBreite)
{
    // Through the insert's paper the lamp shows in its colour, lightened.
    const BgrColor loch = !s.leuchtend ? kPapier
        : s.einsatz ? flaechenFarbe(1, {(s.einsatz->rot + 255) / 2, (s.einsatz->gruen + 255) / 2,
                                           (s.einsatz->blau + 255) / 2})
                    : flaechenFarbe(1, kLampe);
    for (const netz::Bildflaeche& b : netz::abbilden(s, k, breite, hoehe)) {
        f.dreieck(b.ecken, flaechenFarbe(s.leuchtend ? kDurchscheinend : b.helligkeit, b.farbe));
        for (const std::vector<netz::Punkt>& l : b.loecher)
            f.vieleck(l, loch);
        for (std::size_t j = 0; j < 3; ++j) {
            if (!b.linie[j])
                continue;
            // Side 1 of every face is its outline segment; the others are spokes.
            const bool umriss = j == 1;
            f.strich(b.ecken[j], b.ecken[(j + 1) % 3], umriss ? linienBreite : linienBreite / 2,
                umriss ? kUmriss : kFalte);
        }
    }
}
