// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/teile.h"

#include "net/laschen.h"

#include <algorithm>
#include <cmath>

namespace netz {

namespace {


Punkt spitzenPunkt(const Haelfte& h, std::size_t i, double phi)
{
    // The lower half is seen from below, the mirror image of the view from
    // above: its faces follow each other the other way round.
    const double l = h.speiche[i % h.anzahl()];
    return {l * std::cos(phi), (h.oberteil ? 1 : -1) * l * std::sin(phi)};
}

// The outline points of the run, P_0 on the first spoke to P_m on the last.
std::vector<Punkt> strahlen(const Haelfte& h, const Lauf& l)
{
    std::vector<Punkt> p;
    p.reserve(l.laenge + 1);
    double phi = 0;
    for (std::size_t j = 0; j <= l.laenge; ++j) {
        p.push_back(spitzenPunkt(h, l.start + j, phi));
        if (j < l.laenge)
            phi += h.winkel[(l.start + j) % h.anzahl()];
    }
    if (l.geschlossen)
        p.back() = p.front();
    return p;
}

// The side of the edge p q away from the point innen, as a unit normal.
Punkt aussen(Punkt p, Punkt q, Punkt innen)
{
    const Punkt u = q - p;
    Punkt n = (1 / laenge(u)) * Punkt{-u.y, u.x};
    if (skalar(n, 0.5 * (p + q) - innen) < 0)
        n = -1 * n;
    return n;
}

Punkt mitte(const std::array<Punkt, 3>& d)
{
    return (1.0 / 3) * (d[0] + d[1] + d[2]);
}

// The cut outline of a piece as it is drawn round, with the folds and the
// tabs it passes.
struct Schnitt {
    Teil& t;

    // The cut outline runs round the tab, glued along face `flaeche`'s
    // outline edge, or along the spoke (-1), which the outline passes the
    // other way round.
    void umrunden(const Lasche& k, int flaeche)
    {
        const auto teil = [this](const std::vector<Punkt>& s, bool rueckwaerts) {
            punkt(rueckwaerts ? s[1] : s[0]);
            if (rueckwaerts)
                for (std::size_t i = 2; i < s.size(); ++i)
                    punkt(s[i]);
            else
                for (std::size_t i = s.size(); i-- > 2;)
                    punkt(s[i]);
            punkt(rueckwaerts ? s[0] : s[1]);
            t.falten.push_back({s[0], s[1], Falz::Berg});
        };
        if (flaeche < 0)
            for (std::size_t i = k.size(); i-- > 0;)
                teil(k[i], true);
        else
            for (const std::vector<Punkt>& s : k)
                teil(s, false);
        t.laschen.push_back(k);
        t.laschenFlaeche.push_back(flaeche);
    }

    void punkt(Punkt p)
    {
        if (t.schnitt.empty() || laenge(t.schnitt.back() - p) > 1e-9)
            t.schnitt.push_back(p);
    }
};

} // namespace

Haelfte haelfte(const Koerper& k, bool oberteil, bool umrissLaschen, double lasche)
{
    Haelfte h;
    h.koerper = &k;
    h.oberteil = oberteil;
    h.umrissLaschen = umrissLaschen;
    h.lasche = lasche;
    const std::size_t n = k.umriss.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Punkt3& v = k.umriss[i];
        h.speiche.push_back(std::sqrt(v.x * v.x + v.y * v.y + k.hoehe * k.hoehe));
        h.winkel.push_back(spitzenWinkel(k.hoehe, v, k.umriss[(i + 1) % n]));
        h.summe += h.winkel.back();
    }
    h.phi.push_back(0);
    for (std::size_t j = 0; j <= 2 * n; ++j) {
        h.abgerollt.push_back(spitzenPunkt(h, j, h.phi[j]));
        h.phi.push_back(h.phi[j] + h.winkel[j % n]);
    }
    // Each tab at its full width with its sides at the largest angles they
    // ever take: every tab laid is inside.
    h.speichenEcken.push_back({});
    for (std::size_t j = 0; j < 2 * n; ++j) {
        const Punkt o{0, 0}, p = h.abgerollt[j], q = h.abgerollt[j + 1];
        const bool biegtVorn = k.kante[j % n] == k.kante[(j + n - 1) % n];
        const bool biegtHinten = k.kante[j % n] == k.kante[(j + 1) % n];
        const double ecke = biegtVorn || biegtHinten ? kEckWinkel : eckWinkel(laenge(q - p));
        const std::vector<Punkt> u = stueck(p, q, aussen(p, q, o), lasche,
            seitenWinkel(biegtVorn, winkelBei(p, o, q), 0, false, ecke),
            seitenWinkel(biegtHinten, winkelBei(q, o, p), 0, false, ecke));
        h.umrissEcken.push_back({u[2], u.back()});
        const std::vector<Punkt> s = stueck(o, q, aussen(o, q, p), lasche, kEckWinkel, kEckWinkel);
        h.speichenEcken.push_back({s[2], s.back()});
    }
    return h;
}

std::vector<Punkt> reichweite(const Haelfte& h, const Lauf& l, bool abgerollt)
{
    std::vector<Punkt> r(h.abgerollt.begin() + std::ptrdiff_t(l.start),
        h.abgerollt.begin() + std::ptrdiff_t(l.start + l.laenge + 1));
    r.push_back({0, 0});
    for (std::size_t j = l.start; h.umrissLaschen && j < l.start + l.laenge; ++j)
        r.insert(r.end(), h.umrissEcken[j].begin(), h.umrissEcken[j].end());
    if (!l.geschlossen)
        r.insert(r.end(), h.speichenEcken[l.start + l.laenge].begin(), h.speichenEcken[l.start + l.laenge].end());
    if (!abgerollt) {
        const double w = -(h.oberteil ? 1 : -1) * h.phi[l.start];
        const Lage zurueck{std::cos(w), std::sin(w), {}};
        for (Punkt& p : r)
            p = zurueck(p);
    }
    return r;
}

Teil teilLegen(const Haelfte& h, const Lauf& l, const Namen& namen)
{
    Teil t;
    t.oberteil = h.oberteil;
    t.nummer = namen.nummer;
    t.anzahl = namen.anzahl;
    if (!l.geschlossen) {
        t.anfang = namen.anfang;
        t.ende = namen.ende;
    }
    const std::vector<Punkt> p = strahlen(h, l);
    const std::size_t n = h.anzahl();
    Schnitt schnitt{t};
    for (std::size_t j = 0; j < l.laenge; ++j) {
        const std::size_t i = (l.start + j) % n;
        t.flaechen.push_back(int(i) + (h.oberteil ? 0 : int(n)));
        t.dreiecke.push_back({Punkt{0, 0}, p[j], p[j + 1]});
        t.winkel += h.winkel[i];
        // The spokes inside the piece; a closed one folds at its first too.
        if (j > 0 || l.geschlossen) {
            if (const std::optional<Falz> f = faltung(*h.koerper, i))
                t.falten.push_back({{0, 0}, p[j], *f});
        }
    }

    const Koerper& k = *h.koerper;
    const std::size_t segmente = l.laenge;
    const auto innen = [&](std::size_t j, bool amEnde) {
        return amEnde ? winkelBei(p[j + 1], {0, 0}, p[j]) : winkelBei(p[j], {0, 0}, p[j + 1]);
    };
    const auto kante = [&](std::size_t j) { return k.kante[(l.start + j) % n]; };
    // The spoke tab first, then one along each edge, over all its segments.
    std::vector<Entwurf> entwuerfe;
    std::vector<std::size_t> kantenAnfang;  // per edge's tab, its first segment
    if (!l.geschlossen) {
        entwuerfe.push_back({{{0, 0}, p.back()}, {aussen({0, 0}, p.back(), mitte(t.dreiecke.back()))},
            {seitenWinkel(false, t.winkel, 0, false)},
            {seitenWinkel(false, innen(segmente - 1, true), 0, h.umrissLaschen)}});
        schnitt.punkt({0, 0});
    }
    for (std::size_t j = 0; h.umrissLaschen && j < segmente;) {
        std::size_t z = j + 1;
        while (z < segmente && kante(z) == kante(j))
            ++z;
        Entwurf e;
        const double ecke = z == j + 1 ? eckWinkel(laenge(p[z] - p[j])) : kEckWinkel;
        for (std::size_t i = j; i < z; ++i) {
            e.p.push_back(p[i]);
            e.n.push_back(aussen(p[i], p[i + 1], mitte(t.dreiecke[i])));
            // Beside the first spoke of a cut piece there is no tab; beside
            // the last there is its own, and a closed piece goes round.
            const bool vorn = i > 0 || l.geschlossen;
            const double davor = i > 0 ? innen(i - 1, true) : l.geschlossen ? innen(segmente - 1, true) : 0;
            e.anfang.push_back(seitenWinkel(i > j, innen(i, false), davor, vorn, ecke));
            const double danach = i + 1 < segmente ? innen(i + 1, false) : l.geschlossen ? innen(0, false) : 0;
            e.ende.push_back(seitenWinkel(i + 1 < z, innen(i, true), danach, true, ecke));
        }
        e.p.push_back(p[z]);
        entwuerfe.push_back(std::move(e));
        kantenAnfang.push_back(j);
        j = z;
    }
    std::vector<std::optional<Lasche>> gelegt = laschenLegen(t.dreiecke, entwuerfe, h.lasche);
    std::optional<Lasche> speichenLasche;
    if (!l.geschlossen)
        speichenLasche = gelegt.front();
    std::vector<std::optional<Lasche>> laschen(segmente);
    for (std::size_t i = 0; i < kantenAnfang.size(); ++i)
        laschen[kantenAnfang[i]] = std::move(gelegt[i + (l.geschlossen ? 0 : 1)]);
    // Each segment's part of its edge's tab, where the edge has one.
    std::vector<const std::vector<Punkt>*> stuecke(segmente, nullptr);
    schnitt.punkt(p.front());
    for (std::size_t j = 0; j < segmente;) {
        if (!laschen[j]) {
            schnitt.punkt(p[++j]);
            continue;
        }
        const std::size_t z = j + laschen[j]->size();
        std::size_t laengstes = j;
        for (std::size_t i = j; i < z; ++i) {
            stuecke[i] = &(*laschen[j])[i - j];
            if (laenge(p[i + 1] - p[i]) > laenge(p[laengstes + 1] - p[laengstes]))
                laengstes = i;
        }
        schnitt.umrunden(*laschen[j], int(laengstes));
        schnitt.punkt(p[z]);
        j = z;
    }
    if (speichenLasche)
        schnitt.umrunden(*speichenLasche, -1);
    if (!l.geschlossen)
        schnitt.punkt({0, 0});
    if (laenge(t.schnitt.back() - t.schnitt.front()) < 1e-9)
        t.schnitt.pop_back();

    return t;
}

void legen(Teil& t, const Platz& p)
{
    t.blatt = p.blatt;
    const Lage& l = p.lage;
    for (auto& d : t.dreiecke)
        for (Punkt& q : d)
            q = l(q);
    for (Punkt& q : t.schnitt)
        q = l(q);
    for (Lasche& k : t.laschen)
        for (std::vector<Punkt>& s : k)
            for (Punkt& q : s)
                q = l(q);
    for (Falte& f : t.falten) {
        f.a = l(f.a);
        f.b = l(f.b);
    }
}

} // namespace netz
