// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/zerlegung.h"

#include <cmath>
#include <numbers>

namespace netz {

namespace {

constexpr double kGrad = std::numbers::pi / 180;
constexpr double kVoll = 2 * std::numbers::pi;
// A cut piece leaves this much of a full turn free, where the tab of its
// last spoke goes.
constexpr double kFreiFuerLasche = 5 * kGrad;
// A half whose angles make a full turn this closely is one closed piece; its
// last spoke then ends less than a thousandth of a millimetre from its first.
constexpr double kGeschlossen = 1e-6;
// The largest angle a piece may have, tried in turn when sheets are to be
// saved: from none (as few pieces as fit) down to single faces.
constexpr double kGrenzen[] = {INFINITY, 270 * kGrad, 180 * kGrad, 120 * kGrad, 90 * kGrad, 60 * kGrad,
    40 * kGrad, 25 * kGrad, 0};

bool passt(const Haelfte& h, const Lauf& l, double breite, double hoehe)
{
    return einpassen(huelle(reichweite(h, l)), breite, hoehe).has_value();
}

std::vector<Lauf> teilen(const Haelfte& h, double grenze, double breite, double hoehe)
{
    const std::size_t n = h.anzahl();
    if (std::isinf(grenze) && std::abs(h.summe - kVoll) < kGeschlossen && passt(h, {0, n, true}, breite, hoehe))
        return {{0, n, true}};
    std::vector<double> summe(2 * n + 1, 0);
    for (std::size_t i = 0; i < 2 * n; ++i)
        summe[i + 1] = summe[i] + h.winkel[i % n];
    const double groesster = std::min(grenze, kVoll - kFreiFuerLasche);
    const auto geht = [&](std::size_t i, std::size_t m) {
        return summe[i + m] - summe[i] <= groesster && passt(h, {i, m, false}, breite, hoehe);
    };
    // Every run that fits holds the shorter runs with the same end, so the
    // longest run from the next spoke is at most one face shorter. Only
    // nearly: the turns tried differ with the hull, so that is checked.
    std::vector<std::size_t> laenge(n);
    std::size_t m = 1;
    for (std::size_t i = 0; i < n; ++i) {
        m = std::max<std::size_t>(1, i == 0 ? 1 : m - 1);
        while (m > 1 && !geht(i, m))
            --m;
        while (m < n && geht(i, m + 1))
            ++m;
        laenge[i] = m;
    }
    // The last run round may have to stop early, and then ends at another
    // spoke, whose tab may not fit where the longer run's did.
    const auto rest = [&](std::size_t i, std::size_t uebrig) {
        if (laenge[i] <= uebrig)
            return laenge[i];
        std::size_t l = uebrig;
        while (l > 1 && !geht(i, l))
            --l;
        return l;
    };
    // The start with the fewest pieces, and of those the one with the
    // shortest cut spokes, which are the fewest to glue.
    std::size_t besterStart = 0, wenigste = n + 1;
    double kuerzeste = INFINITY;
    for (std::size_t s = 0; s < n; ++s) {
        std::size_t bedeckt = 0, stuecke = 0, pos = s;
        double schnitt = 0;
        while (bedeckt < n && stuecke <= wenigste) {
            schnitt += h.speiche[pos % n];
            const std::size_t l = rest(pos % n, n - bedeckt);
            bedeckt += l;
            pos += l;
            ++stuecke;
        }
        if (stuecke < wenigste || (stuecke == wenigste && schnitt < kuerzeste)) {
            besterStart = s;
            wenigste = stuecke;
            kuerzeste = schnitt;
        }
    }
    std::vector<Lauf> laeufe;
    for (std::size_t bedeckt = 0, pos = besterStart; bedeckt < n;) {
        const std::size_t l = rest(pos % n, n - bedeckt);
        laeufe.push_back({pos % n, l, false});
        bedeckt += l;
        pos += l;
    }
    return laeufe;
}

} // namespace

bool einzelnePassen(const Haelfte& h, double breite, double hoehe)
{
    for (std::size_t i = 0; i < h.anzahl(); ++i) {
        if (!passt(h, {i, 1, false}, breite, hoehe))
            return false;
    }
    return true;
}

Zerlegung zerlegen(const std::vector<Haelfte>& haelften, Ziel ziel, double breite, double hoehe)
{
    Zerlegung beste;
    std::size_t besteTeile = 0;
    for (const double grenze : kGrenzen) {
        Zerlegung z;
        std::vector<std::vector<Punkt>> huellen;
        for (const Haelfte& h : haelften) {
            z.laeufe.push_back(teilen(h, grenze, breite, hoehe));
            for (const Lauf& l : z.laeufe.back())
                huellen.push_back(huelle(reichweite(h, l)));
        }
        z.anordnung = anordnen(huellen, breite, hoehe);
        if (beste.laeufe.empty() || z.anordnung.blaetter < beste.anordnung.blaetter
            || (z.anordnung.blaetter == beste.anordnung.blaetter && huellen.size() < besteTeile)) {
            besteTeile = huellen.size();
            beste = std::move(z);
        }
        if (ziel == Ziel::WenigeTeile)
            break;
    }
    return beste;
}

} // namespace netz
