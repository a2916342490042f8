// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/sternbild.h"

#include <algorithm>
#include <cmath>

namespace {

// Golden card, as stars for the window are mostly made of.
constexpr double kRot = 250, kGruen = 205, kBlau = 95;
constexpr BgrColor kUmriss = 0x202020;
constexpr BgrColor kFalte = 0x505050;

int kanal(double wert, double helligkeit)
{
    return int(std::lround(std::clamp(wert * helligkeit, 0.0, 255.0)));
}

} // namespace

BgrColor flaechenFarbe(double helligkeit)
{
    return BgrColor(kanal(kRot, helligkeit)) | BgrColor(kanal(kGruen, helligkeit)) << 8
        | BgrColor(kanal(kBlau, helligkeit)) << 16;
}

void sternbildZeichnen(SternbildFlaeche& f, const std::vector<netz::Bildflaeche>& bild, double linienBreite)
{
    for (const netz::Bildflaeche& b : bild) {
        f.dreieck(b.ecken, flaechenFarbe(b.helligkeit));
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
