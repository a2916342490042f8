// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/rat.h"

#include "net/teile.h"
#include "net/zerlegung.h"
#include "poster/plan.h"

#include <cmath>
#include <optional>

namespace netz {

namespace {

// The sheet is taken this much smaller (cm) when a change is tried, so that
// it holds as well for the design scaled from its own size, whose float
// corners round a little differently.
constexpr double kSpiel = 1e-4;
constexpr double kHoeheSchritt = 0.1;

// Whether every single face with its tabs fits the sheet, as entfalten asks.
bool passt(const PeloxState& t, double hoehe, const Vorgabe& v)
{
    const Gefaltet g = falten(t, hoehe);
    return g.koerper
        && einzelnePassen(
            haelfte(*g.koerper, false, true, v.lasche), v.blattBreite - kSpiel, teilHoehe(v.blattHoehe) - kSpiel);
}

// The largest k in [von, bis] for which ok holds, where ok holds from von up
// to some k and for none beyond; none where it does not hold for von.
template <typename F>
std::optional<int> groesstes(int von, int bis, F ok)
{
    if (von > bis || !ok(von))
        return std::nullopt;
    int gut = von, schlecht = bis + 1;
    while (schlecht - gut > 1) {
        const int m = gut + (schlecht - gut) / 2;
        (ok(m) ? gut : schlecht) = m;
    }
    return gut;
}

// The smallest k in [von, bis] for which ok holds, where it holds from some
// k on; bis + 1 where it holds for none.
template <typename F>
int kleinstes(int von, int bis, F ok)
{
    int schlecht = von - 1, gut = bis + 1;
    while (gut - schlecht > 1) {
        const int m = schlecht + (gut - schlecht) / 2;
        (ok(m) ? gut : schlecht) = m;
    }
    return gut;
}

} // namespace

Phrase zuGross(const PeloxState& s, const Vorgabe& v)
{
    const double jetzt = s.AussenDurchmesser;
    const auto durchmesser = [](int k) { return kDurchmesserMin + k * kDurchmesserSchritt; };
    // The diameters offered below this one.
    const int kleiner = int(std::ceil((jetzt - kDurchmesserMin) / kDurchmesserSchritt - 1e-9)) - 1;
    const std::optional<double> eigen = natuerlicheHoehe(s);
    const bool natuerlich = eigen && std::abs(*eigen - v.hoehe) <= 1e-9 * *eigen;

    if (natuerlich) {
        const std::optional<int> k = groesstes(0, kleiner, [&](int i) {
            const PeloxState t = poster::skaliert(s, durchmesser(i));
            const std::optional<double> h = natuerlicheHoehe(t);
            return h && passt(t, *h, v);
        });
        if (k)
            return PELOX_TEXT("netz",
                "Eine einzelne Fläche ist mit ihren Laschen größer als das Blatt. Bei seiner natürlichen Höhe passt "
                "der Stern auf dieses Papier bis zu einem Außendurchmesser von %1 cm.")
                .arg(durchmesser(*k), 1);
    } else {
        // The peak must be offered at the smaller diameter too.
        const int ab = kleinstes(0, kleiner, [&](int i) { return v.hoehe <= hoeheMax(poster::skaliert(s, durchmesser(i))); });
        const std::optional<int> k
            = groesstes(ab, kleiner, [&](int i) { return passt(poster::skaliert(s, durchmesser(i)), v.hoehe, v); });
        if (k)
            return PELOX_TEXT("netz",
                "Eine einzelne Fläche ist mit ihren Laschen größer als das Blatt. Bei dieser Höhe passt der Stern auf "
                "dieses Papier bis zu einem Außendurchmesser von %1 cm.")
                .arg(durchmesser(*k), 1);
    }

    const auto hoehe = [](int j) { return kHoeheMin + j * kHoeheSchritt; };
    const int niedriger = int(std::ceil((v.hoehe - kHoeheMin) / kHoeheSchritt - 1e-9)) - 1;
    if (const std::optional<int> j = groesstes(0, niedriger, [&](int i) { return passt(s, hoehe(i), v); }))
        return PELOX_TEXT("netz",
            "Eine einzelne Fläche ist mit ihren Laschen größer als das Blatt. Bei diesem Außendurchmesser passt der "
            "Stern auf dieses Papier mit einer Spitze von höchstens %1 cm.")
            .arg(hoehe(*j), 1);

    if (!natuerlich) {
        // Diameter and peak together, the peak on tenths of a centimetre below
        // its share of the diameter.
        const auto gleichHoch = [&](int i) {
            return std::floor(v.hoehe * durchmesser(i) / jetzt / kHoeheSchritt + 1e-9) * kHoeheSchritt;
        };
        const int ab = kleinstes(0, kleiner, [&](int i) { return gleichHoch(i) >= kHoeheMin - 1e-9; });
        const std::optional<int> k = groesstes(ab, kleiner, [&](int i) {
            const PeloxState t = poster::skaliert(s, durchmesser(i));
            return gleichHoch(i) <= hoeheMax(t) && passt(t, gleichHoch(i), v);
        });
        if (k)
            return PELOX_TEXT("netz",
                "Eine einzelne Fläche ist mit ihren Laschen größer als das Blatt. In derselben Form passt der Stern "
                "auf dieses Papier bis zu einem Außendurchmesser von %1 cm mit einer Spitze von %2 cm.")
                .arg(durchmesser(*k), 1)
                .arg(gleichHoch(*k), 1);
    }

    if (const std::optional<int> k
        = groesstes(0, kleiner, [&](int i) { return passt(poster::skaliert(s, durchmesser(i)), kHoeheMin, v); }))
        return PELOX_TEXT("netz",
            "Eine einzelne Fläche ist mit ihren Laschen größer als das Blatt. Mit der niedrigsten Spitze (0,1 cm) "
            "passt der Stern auf dieses Papier bis zu einem Außendurchmesser von %1 cm.")
            .arg(durchmesser(*k), 1);
    return PELOX_TEXT("netz",
        "Eine einzelne Fläche ist mit ihren Laschen größer als das Blatt, auch beim kleinsten Außendurchmesser "
        "(5 cm) mit der niedrigsten Spitze (0,1 cm): Der Stern braucht ein größeres Papier.");
}

} // namespace netz
