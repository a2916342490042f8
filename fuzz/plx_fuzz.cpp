// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes given to the reader of the star data file: it must neither crash
// nor misbehave, and whatever it takes must come out of the writer in a form
// it takes again unchanged. A design it takes then goes the way a read design
// goes: corners, bent edges, the size check of the export picture and the SVG
// writer, none of which may crash or compute a coordinate that is not finite.
#include "curve/calc.h"
#include "files/format.h"
#include "render/svg.h"
#include "star/corners.h"
#include "star/picturesize.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void pruefe(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

// The star as reading the file leaves it, on a screen of 96 dots per inch.
void zeichneNach(const plx::Inhalt& in)
{
    PeloxState s;
    s.Pi = 3.14159f;
    s.PixelProCm = 566.0f / 15;
    s.AnzahlSpitzen = in.AnzahlSpitzen;
    s.YFaktor = in.YFaktor;
    s.KurvenWert = {0, in.KurvenWert1, in.KurvenWert2, in.KurvenWert3, 0};
    s.KurveEin = in.KurvenWert1 != 0 || in.KurvenWert2 != 0 || in.KurvenWert3 != 0;
    std::copy(in.Radien.begin(), in.Radien.end(), s.Radius.begin() + 1);
    star::PeloxBerechnung(s);
    curve::KurvenBerechnung(s);
    for (int i = 1; i <= s.AnzahlEcken + 1; ++i) {
        pruefe(std::isfinite(s.PunktX[i]) && std::isfinite(s.PunktY[i]));
        for (int k = 1; k <= 3 && i <= s.AnzahlEcken; ++k)
            pruefe(std::isfinite(s.KurvePunktX[i][k]) && std::isfinite(s.KurvePunktY[i][k]));
    }
    star::BildGrösseRechnen(s);
    if (star::BildMachbar(s))
        pruefe(s.BildBreite > 0 && s.BildHoehe > 0 && s.BildBreite <= star::kGroessteBildSeite + 1
            && s.BildHoehe <= star::kGroessteBildSeite + 1);
    const QByteArray svg = starSvg(s, in.PeloxForm == 1, in.StrichDicke == 1);
    pruefe(svg.endsWith("</svg>\n") && !svg.contains("nan") && !svg.contains("inf"));
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
        zeichneNach(in);
    }
    return 0;
}
