// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/zerlegung.h"

#include "net/zugleich.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <unordered_map>

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

// Runs are fitted with a margin far below anything on paper, so that their
// hulls turned into the runs' own frames, which the sheets are laid out
// with, fit as well.
constexpr double kSpiel = 1e-6;

// The turn under which a hull fits, if any.
std::optional<Drehung> drehungFuer(const std::vector<Punkt>& h, double breite, double hoehe)
{
    return einpassen(h, breite - kSpiel, hoehe - kSpiel, true);
}

bool passt(const Haelfte& h, const Lauf& l, double breite, double hoehe)
{
    return drehungFuer(huelle(reichweite(h, l, true)), breite, hoehe).has_value();
}

// Whether the points fit under the turn w, as einpassen turns them.
bool passtGedreht(const std::vector<Punkt>& a, const std::vector<Punkt>& b, double w, double breite, double hoehe)
{
    const double c = std::cos(w), s = std::sin(w);
    double x0 = INFINITY, x1 = -INFINITY, y0 = INFINITY, y1 = -INFINITY;
    for (const std::vector<Punkt>* v : {&a, &b}) {
        for (const Punkt& p : *v) {
            const double x = c * p.x - s * p.y, y = s * p.x + c * p.y;
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
    }
    return x1 - x0 <= breite - kSpiel && y1 - y0 <= hoehe - kSpiel;
}

// The faces where the star's edges begin: a half is cut only along the
// spokes to its corners, never to a bend point.
std::vector<std::size_t> ecken(const Haelfte& h)
{
    const std::vector<int>& kante = h.koerper->kante;
    const std::size_t n = h.anzahl();
    std::vector<std::size_t> e;
    for (std::size_t i = 0; i < n; ++i) {
        if (kante[i] != kante[(i + n - 1) % n])
            e.push_back(i);
    }
    if (e.empty())
        e.push_back(0);
    return e;
}

// What is known of one half's runs, whatever the largest angle asked for.
// Runs are counted in whole edges: edge k of 2g begins at face f(k).
struct Laeufe {
    const Haelfte& h;
    double breite;
    double hoehe;
    std::vector<std::size_t> e = ecken(h);
    std::size_t g = e.size();
    // A run's hull is the hull of its edges' hulls. Those of 2^s edges in a
    // row are kept for every s, so that any run is two such blocks, which
    // may overlap. Each edge's block holds the tab of the spoke it ends at,
    // which a run ending there carries: so a run holds every shorter run
    // inside it, tabs and all, and what fits one fits those.
    std::vector<std::vector<std::vector<Punkt>>> bloecke;
    // Runs are asked about more than once; each is laid out once.
    std::unordered_map<std::size_t, bool> bekannt;
    std::vector<std::optional<double>> zuletzt = std::vector<std::optional<double>>(g);

    Laeufe(const Haelfte& haelfte, double b, double hoch)
        : h(haelfte)
        , breite(b)
        , hoehe(hoch)
    {
    }

    // The blocks of single edges, when a run is first asked about, and
    // those of 2^s edges when a run that long is.
    void bauen(std::size_t stufe)
    {
        if (bloecke.empty()) {
            bloecke.emplace_back();
            for (std::size_t k = 0; k < 2 * g; ++k) {
                std::vector<Punkt> v = reichweite(h, {f(k), f(k + 1) - f(k), true}, true);
                v.insert(v.end(), h.speichenEcken[f(k + 1)].begin(), h.speichenEcken[f(k + 1)].end());
                bloecke[0].push_back(huelle(std::move(v)));
            }
        }
        while (bloecke.size() <= stufe) {
            const std::size_t b = std::size_t(1) << bloecke.size();
            const std::vector<std::vector<Punkt>>& halb = bloecke.back();
            std::vector<std::vector<Punkt>> neu;
            for (std::size_t k = 0; k + b <= 2 * g; ++k) {
                neu.push_back(huelle(halb[k], halb[k + b / 2]));
            }
            bloecke.push_back(std::move(neu));
        }
    }

    std::size_t f(std::size_t k) const { return e[k % g] + k / g * h.anzahl(); }

    // Whether the run of m edges from edge i fits the sheet.
    bool passt(std::size_t i, std::size_t m)
    {
        const auto [it, neu] = bekannt.try_emplace(i * (g + 1) + m, false);
        if (neu) {
            std::size_t stufe = 0;
            while (std::size_t(2) << stufe <= m)
                ++stufe;
            bauen(stufe);
            const std::vector<Punkt>& vorn = bloecke[stufe][i];
            const std::vector<Punkt>& hinten = bloecke[stufe][i + m - (std::size_t(1) << stufe)];
            // The turn that fitted the last run from here or from the corner
            // before mostly fits this one too, and is quick to try.
            for (const std::size_t k : {i, (i + g - 1) % g}) {
                if (!it->second && zuletzt[k])
                    it->second = passtGedreht(vorn, hinten, *zuletzt[k], breite, hoehe);
            }
            if (!it->second) {
                if (const std::optional<Drehung> d = drehungFuer(huelle(vorn, hinten), breite, hoehe)) {
                    it->second = true;
                    zuletzt[i] = d->winkel;
                }
            }
        }
        return it->second;
    }
};

std::vector<Lauf> teilen(Laeufe& vorrat, double grenze)
{
    const Haelfte& h = vorrat.h;
    const std::size_t n = h.anzahl();
    if (std::isinf(grenze) && std::abs(h.summe - kVoll) < kGeschlossen
        && passt(h, {0, n, true}, vorrat.breite, vorrat.hoehe))
        return {{0, n, true}};
    const std::vector<std::size_t>& e = vorrat.e;
    const std::size_t g = vorrat.g;
    const auto f = [&](std::size_t k) { return vorrat.f(k); };
    const double groesster = std::min(grenze, kVoll - kFreiFuerLasche);
    const auto geht = [&](std::size_t i, std::size_t m) {
        return h.phi[f(i + m)] - h.phi[f(i)] <= groesster && vorrat.passt(i, m);
    };
    // Every run that fits holds the shorter runs with the same end, so the
    // longest run from the next corner is at most one edge shorter; and the
    // last run round, stopping early, fits where the longer one did.
    std::vector<std::size_t> laenge(g);
    std::size_t m = 1;
    for (std::size_t i = 0; i < g; ++i) {
        m = std::max<std::size_t>(1, m - 1);
        while (m < g && geht(i, m + 1))
            ++m;
        laenge[i] = m;
    }
    const auto rest = [&](std::size_t i, std::size_t uebrig) { return std::min(laenge[i], uebrig); };
    // The start with the fewest pieces, and of those the one with the
    // shortest cut spokes, which are the fewest to glue.
    std::size_t besterStart = 0, wenigste = g + 1;
    double kuerzeste = INFINITY;
    for (std::size_t s = 0; s < g; ++s) {
        std::size_t bedeckt = 0, stuecke = 0, pos = s;
        double schnitt = 0;
        while (bedeckt < g && stuecke <= wenigste) {
            schnitt += h.speiche[e[pos % g]];
            const std::size_t l = rest(pos % g, g - bedeckt);
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
    for (std::size_t bedeckt = 0, pos = besterStart; bedeckt < g;) {
        const std::size_t l = rest(pos % g, g - bedeckt);
        laeufe.push_back({e[pos % g], f(pos % g + l) - f(pos % g), false});
        bedeckt += l;
        pos += l;
    }
    return laeufe;
}

// The runs of kopien stars laid out together, star after star as the
// runs are given. Where the pieces of all of them, mixed, would take more
// sheets than each star on sheets of its own, each star has its own.
Anordnung zusammen(const std::vector<std::vector<Punkt>>& huellen, double breite, double hoehe, int kopien)
{
    const Anordnung eine = anordnen(huellen, breite, hoehe);
    if (kopien <= 1)
        return eine;
    std::vector<std::vector<Punkt>> alle;
    alle.reserve(huellen.size() * std::size_t(kopien));
    for (int k = 0; k < kopien; ++k)
        alle.insert(alle.end(), huellen.begin(), huellen.end());
    Anordnung a = anordnen(alle, breite, hoehe);
    if (a.blaetter <= kopien * eine.blaetter)
        return a;
    a.plaetze.clear();
    for (int k = 0; k < kopien; ++k)
        for (const Platz& p : eine.plaetze)
            a.plaetze.push_back({p.blatt + k * eine.blaetter, p.lage});
    a.blaetter = kopien * eine.blaetter;
    return a;
}

} // namespace

bool einzelnePassen(const Haelfte& h, double breite, double hoehe)
{
    const std::vector<std::size_t> e = ecken(h);
    for (std::size_t k = 0; k < e.size(); ++k) {
        const std::size_t ende = k + 1 < e.size() ? e[k + 1] : e[0] + h.anzahl();
        if (!passt(h, {e[k], ende - e[k], false}, breite, hoehe))
            return false;
    }
    return true;
}

Zerlegung zerlegen(const std::vector<Haelfte>& haelften, Ziel ziel, double breite, double hoehe, int kopien)
{
    Zerlegung beste;
    std::size_t besteTeile = 0, wenigsteTeile = 0;
    double groessterWinkel = INFINITY;
    std::vector<Laeufe> bekannt;
    bekannt.reserve(haelften.size());
    for (const Haelfte& h : haelften)
        bekannt.emplace_back(h, breite, hoehe);
    for (const double grenze : kGrenzen) {
        // A limit above every piece's angle cuts as before; one that needs
        // more pieces than the fewest is no choice with few pieces.
        if (!beste.laeufe.empty() && grenze >= groessterWinkel)
            continue;
        std::size_t mindestens = 0;
        for (const Haelfte& h : haelften)
            mindestens += grenze > 0 ? std::size_t(std::ceil(h.summe / grenze - 1e-9)) : h.anzahl();
        if (ziel == Ziel::WenigeTeile && !beste.laeufe.empty() && mindestens > wenigsteTeile)
            break;
        Zerlegung z;
        std::vector<std::vector<Punkt>> huellen;
        double winkel = 0;
        z.laeufe.resize(haelften.size());
        zugleich(haelften.size(), [&](std::size_t hi) { z.laeufe[hi] = teilen(bekannt[hi], grenze); });
        for (std::size_t hi = 0; hi < haelften.size(); ++hi) {
            const Haelfte& h = haelften[hi];
            for (const Lauf& l : z.laeufe[hi]) {
                huellen.push_back(huelle(reichweite(h, l)));
                winkel = std::max(winkel, h.phi[l.start + l.laenge] - h.phi[l.start]);
            }
        }
        groessterWinkel = winkel;
        // With few pieces a smaller largest angle is taken only where it
        // gives as few pieces that go onto fewer sheets.
        if (beste.laeufe.empty())
            wenigsteTeile = huellen.size();
        else if (ziel == Ziel::WenigeTeile && huellen.size() > wenigsteTeile)
            break;
        const std::size_t teile = huellen.size();
        z.anordnung = zusammen(huellen, breite, hoehe, kopien);
        if (beste.laeufe.empty() || z.anordnung.blaetter < beste.anordnung.blaetter
            || (z.anordnung.blaetter == beste.anordnung.blaetter && teile < besteTeile)) {
            besteTeile = teile;
            beste = std::move(z);
        }
    }
    return beste;
}

} // namespace netz
