// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes given to the reader of the star data file: it must neither crash
// nor misbehave, and whatever it takes must come out of the writer in a form
// it takes again unchanged.
#include "files/format.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void pruefe(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view datei(reinterpret_cast<const char*>(data), size);
    const std::string_view kennung = "Pelox-Datei";
    for (const bool zweiA4Jetzt : {false, true}) {
        const plx::Gelesen g = plx::lesen(datei, kennung, zweiA4Jetzt);
        pruefe((g.befund == plx::Gelesen::Beschaedigt) == !g.grund.empty());
        if (g.befund != plx::Gelesen::Gut)
            continue;
        const plx::Inhalt& in = g.inhalt;
        pruefe(in.AnzahlSpitzen >= 2 && in.AnzahlSpitzen <= 36);
        pruefe(!in.Radien.empty() && in.Radien.size() <= plx::kMeisteRadien);
        for (const float r : in.Radien)
            pruefe(std::isfinite(r) && r >= 0 && r <= plx::kGroessterBetrag);

        const std::string einmal = plx::schreiben(in, kennung);
        const plx::Gelesen wieder = plx::lesen(einmal, kennung, zweiA4Jetzt);
        pruefe(wieder.befund == plx::Gelesen::Gut);
        pruefe(wieder.inhalt.Radien.size() == in.Radien.size());
        pruefe(plx::schreiben(wieder.inhalt, kennung) == einmal);
    }
    return 0;
}
