// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/teile.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace netz {

namespace {

// Tabs are tried at these fractions of their width, and at each with their
// ends moved in by these fractions of their edge, until one overlaps nothing.
constexpr double kBreiten[] = {1, 0.8, 0.6, 0.45, 0.3, 0.2, 0.12, 0.07, 0.04, 0.02};
constexpr double kEinzuege[] = {0.15, 0.3, 0.45, 0.6, 0.75};
// Sizes of the labels, in points.
constexpr double kTeilSchrift = 9;
constexpr double kKantenSchrift = 7;
constexpr double kBuchstabenSchrift = 9;
// Half the distance between the two lines of a piece's name, cm.
constexpr double kNamensAbstand = 0.25;

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

// The angle at corner a between the lines to b and to c.
double winkelBei(Punkt a, Punkt b, Punkt c)
{
    return std::abs(std::atan2(kreuz(b - a, c - a), skalar(b - a, c - a)));
}

// The shortest edge of a cut line that scissors can follow, cm.
constexpr double kKuerzesteKante = 0.01;

// One part of a tab on the segment from a to b, its sides leaving the
// segment at the angles wa and wb toward the outside n (a right angle
// stands upright, less leans over the part), cut at the depth breite or
// where its sides meet.
std::vector<Punkt> stueck(Punkt a, Punkt b, Punkt n, double breite, double wa, double wb)
{
    const double l = laenge(b - a);
    const Punkt u = (1 / l) * (b - a);
    const double ka = std::cos(wa) / std::sin(wa), kb = std::cos(wb) / std::sin(wb);
    if (ka + kb > 0 && l / (ka + kb) <= breite) {
        const double spitze = l / (ka + kb);
        return {a, b, a + spitze * ka * u + spitze * n};
    }
    const Punkt vorn = b - breite * kb * u + breite * n, hinten = a + breite * ka * u + breite * n;
    // An outer edge too short to cut is none: the part ends in a point
    // between its corners, inside it.
    if (laenge(vorn - hinten) < kKuerzesteKante)
        return {a, b, 0.5 * (vorn + hinten)};
    return {a, b, vorn, hinten};
}

// The angles a tab's sides leave their segments at: at a corner of the star
// as a trapezoid's, at a bend point no further than the other half's spoke
// there, folded over, so that the part stays on the face it is glued to, and
// everywhere short of half the room outside the corner, less a notch, where
// the neighbouring segment carries a tab too, so that no two tabs touch.
constexpr double kEckWinkel = std::numbers::pi / 4;
constexpr double kSteilsterEckWinkel = 75 * std::numbers::pi / 180;
constexpr double kKerbe = 10 * std::numbers::pi / 180;
constexpr double kSchmalsterWinkel = 0.1 * std::numbers::pi / 180;

// At the corners of a straight edge too short for a trapezoid that deep,
// the sides stand up steeper until the tab is deep enough to glue, or as
// far as they may.
double eckWinkel(double kante)
{
    return std::clamp(std::atan(2 * kKlebbar / kante), kEckWinkel, kSteilsterEckWinkel);
}

// The angle at the corner where the part's face has the angle innen, beside
// another face (or the cut) with the angle nachbar inside the piece; at a
// corner of the star at most ecke.
double seitenWinkel(bool biegung, double innen, double nachbar, bool nachbarLasche, double ecke = kEckWinkel)
{
    const double raum = std::max(0.0, 2 * std::numbers::pi - innen - nachbar);
    const double frei = raum - std::min(kKerbe, raum / 2);
    double w = nachbarLasche ? frei / 2 : frei;
    w = std::min(w, biegung ? std::min(innen, std::numbers::pi / 2) : ecke);
    return std::max(w, kSchmalsterWinkel);
}

// The clearance a tab keeps from everything it does not meet at a corner,
// so that the cut line never touches itself, cm.
constexpr double kSpielraum = 0.02;

// Whether two convex polygons share a corner.
bool gemeinsameEcke(const std::vector<Punkt>& a, const std::vector<Punkt>& b)
{
    for (const Punkt& p : a)
        for (const Punkt& q : b)
            if (laenge(p - q) < 1e-9)
                return true;
    return false;
}

// The depth of a tab: how far its outermost corner lies from its fold line.
double tiefe(const Lasche& k)
{
    double t = 0;
    for (const std::vector<Punkt>& s : k) {
        const Punkt u = (1 / laenge(s[1] - s[0])) * (s[1] - s[0]);
        for (std::size_t i = 2; i < s.size(); ++i)
            t = std::max(t, std::abs(kreuz(u, s[i] - s[0])));
    }
    return t;
}

Punkt mitte(const std::vector<Punkt>& v)
{
    Punkt m{0, 0};
    for (const Punkt& p : v)
        m = m + p;
    return (1.0 / double(v.size())) * m;
}

Punkt mitte(const std::array<Punkt, 3>& d)
{
    return (1.0 / 3) * (d[0] + d[1] + d[2]);
}

// A tab to be laid along the segments from p[0] to p.back(), its sides'
// angles at each of those points (on both sides of a bend point). Its ends,
// which lie at corners of the star or at the peak, may be moved in along
// their segments, and then lean over as a trapezoid's, clear of the corner.
struct Entwurf {
    std::vector<Punkt> p;
    std::vector<Punkt> n;       // per segment, the outside
    std::vector<double> anfang;  // per segment, the angle at its start
    std::vector<double> ende;    // and at its end

    Lasche bei(double breite, double vorn, double hinten) const
    {
        Lasche k;
        const std::size_t m = n.size();
        for (std::size_t j = 0; j < m; ++j) {
            const Punkt u = (1 / laenge(p[j + 1] - p[j])) * (p[j + 1] - p[j]);
            const Punkt a = j == 0 ? p[j] + vorn * u : p[j];
            const Punkt b = j + 1 == m ? p[j + 1] - hinten * u : p[j + 1];
            const double wa = j == 0 && vorn > 0 ? kEckWinkel : anfang[j];
            const double wb = j + 1 == m && hinten > 0 ? kEckWinkel : ende[j];
            k.push_back(stueck(a, b, n[j], breite, wa, wb));
        }
        return k;
    }
};

struct Leger {
    const Haelfte& h;
    Teil& t;
    // Faces and tabs' parts laid so far, the rectangle around each with the
    // clearance, and whose each is: the tab's number, or -1 for a face.
    std::vector<std::vector<Punkt>> belegt;
    std::vector<Rechteck> rahmen;
    std::vector<int> wem;

    void belegen(std::vector<Punkt> v, int wessen = -1)
    {
        Rechteck r = umriss(v);
        r = {r.links - kSpielraum, r.oben - kSpielraum, r.rechts + kSpielraum, r.unten + kSpielraum};
        rahmen.push_back(r);
        belegt.push_back(std::move(v));
        wem.push_back(wessen);
    }

    // Whether tab number `wessen` overlaps nothing laid but itself.
    bool frei(const Lasche& k, int wessen) const
    {
        for (const std::vector<Punkt>& s : k) {
            const Rechteck r = umriss(s);
            for (std::size_t i = 0; i < belegt.size(); ++i) {
                if (wem[i] == wessen && wessen >= 0)
                    continue;
                if (!r.schneidet(rahmen[i]))
                    continue;
                // What the part meets at a corner it is kept apart from by
                // the angles of its sides; anything else by the clearance.
                if (gemeinsameEcke(s, belegt[i]) ? ueberlappen(s, belegt[i])
                                                 : naeherAls(s, belegt[i], kSpielraum))
                    return false;
            }
        }
        return true;
    }

    // The deepest tab up to the width `breite` deeper than `tiefste` that
    // overlaps nothing laid but itself: as it stands at that width, else
    // also narrower and with its ends moved in along their segments, until
    // no narrower one could be deeper.
    std::optional<Lasche> suchen(const Entwurf& e, int wessen, double breite, double tiefste) const
    {
        const double l0 = laenge(e.p[1] - e.p[0]);
        const double l1 = laenge(e.p.back() - e.p[e.p.size() - 2]);
        const bool einTeil = e.n.size() == 1;
        std::optional<Lasche> k;
        for (const double f : kBreiten) {
            const double b = breite * f;
            if (tiefste >= b - 1e-9)
                break;
            const auto versuchen = [&](double vorn, double hinten) {
                const Lasche v = e.bei(b, vorn, hinten);
                const double t = tiefe(v);
                if (t > tiefste + 1e-9 && frei(v, wessen)) {
                    k = v;
                    tiefste = t;
                }
            };
            // Moved in, a tab is never deeper than where it stands, unless
            // the room beside a corner it starts or ends at held it back.
            versuchen(0, 0);
            const bool eng = e.anfang.front() < kEckWinkel || e.ende.back() < kEckWinkel;
            for (std::size_t i = 0; tiefste < b - 1e-9 && (!k || eng) && i < std::size(kEinzuege); ++i) {
                for (const auto& [vorn, hinten] : {std::pair{kEinzuege[i] * l0, 0.0},
                         std::pair{0.0, kEinzuege[i] * l1}, std::pair{kEinzuege[i] * l0, kEinzuege[i] * l1}}) {
                    if (!(einTeil ? vorn + hinten >= l0 : vorn >= l0 || hinten >= l1))
                        versuchen(vorn, hinten);
                }
            }
        }
        return k;
    }

    // The tabs, each as deep as the others leave room for: first every one
    // only as deep as glue needs, so that none takes the room another
    // needs for that, then each in turn as deep as its width and the others
    // allow.
    std::vector<std::optional<Lasche>> legen(const std::vector<Entwurf>& entwuerfe)
    {
        std::vector<std::optional<Lasche>> k(entwuerfe.size());
        for (std::size_t i = 0; i < entwuerfe.size(); ++i) {
            k[i] = suchen(entwuerfe[i], int(i), std::min(h.lasche, kKlebbar), 0);
            for (std::size_t s = 0; k[i] && s < k[i]->size(); ++s)
                belegen((*k[i])[s], int(i));
        }
        for (std::size_t i = 0; h.lasche > kKlebbar && i < entwuerfe.size(); ++i) {
            std::optional<Lasche> tiefer = suchen(entwuerfe[i], int(i), h.lasche, k[i] ? tiefe(*k[i]) : 0);
            if (!tiefer)
                continue;
            for (std::size_t j = belegt.size(); j-- > 0;) {
                if (wem[j] == int(i)) {
                    belegt.erase(belegt.begin() + std::ptrdiff_t(j));
                    rahmen.erase(rahmen.begin() + std::ptrdiff_t(j));
                    wem.erase(wem.begin() + std::ptrdiff_t(j));
                }
            }
            k[i] = std::move(tiefer);
            for (const std::vector<Punkt>& s : *k[i])
                belegen(s, int(i));
        }
        return k;
    }

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
    const std::vector<Punkt> p = strahlen(h, l);
    const std::size_t n = h.anzahl();
    Leger leger{h, t, {}, {}, {}};
    for (std::size_t j = 0; j < l.laenge; ++j) {
        const std::size_t i = (l.start + j) % n;
        t.flaechen.push_back(int(i) + (h.oberteil ? 0 : int(n)));
        t.dreiecke.push_back({Punkt{0, 0}, p[j], p[j + 1]});
        t.winkel += h.winkel[i];
        leger.belegen({Punkt{0, 0}, p[j], p[j + 1]});
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
        leger.punkt({0, 0});
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
    std::vector<std::optional<Lasche>> gelegt = leger.legen(entwuerfe);
    std::optional<Lasche> speichenLasche;
    if (!l.geschlossen)
        speichenLasche = gelegt.front();
    std::vector<std::optional<Lasche>> laschen(segmente);
    for (std::size_t i = 0; i < kantenAnfang.size(); ++i)
        laschen[kantenAnfang[i]] = std::move(gelegt[i + (l.geschlossen ? 0 : 1)]);
    // Each segment's part of its edge's tab, where the edge has one.
    std::vector<const std::vector<Punkt>*> stuecke(segmente, nullptr);
    leger.punkt(p.front());
    for (std::size_t j = 0; j < segmente;) {
        if (!laschen[j]) {
            leger.punkt(p[++j]);
            continue;
        }
        const std::size_t z = j + laschen[j]->size();
        std::size_t laengstes = j;
        for (std::size_t i = j; i < z; ++i) {
            stuecke[i] = &(*laschen[j])[i - j];
            if (laenge(p[i + 1] - p[i]) > laenge(p[laengstes + 1] - p[laengstes]))
                laengstes = i;
        }
        leger.umrunden(*laschen[j], int(laengstes));
        leger.punkt(p[z]);
        j = z;
    }
    if (speichenLasche)
        leger.umrunden(*speichenLasche, -1);
    if (!l.geschlossen)
        leger.punkt({0, 0});
    if (laenge(t.schnitt.back() - t.schnitt.front()) < 1e-9)
        t.schnitt.pop_back();

    // Each edge's number once on the piece, on its longest segment here, and
    // on that segment's tab.
    for (std::size_t j = 0; j < l.laenge; ++j) {
        const std::size_t i = (l.start + j) % n;
        const auto segment = [&](std::size_t m) { return laenge(p[m + 1] - p[m]); };
        bool laengstes = true;
        for (std::size_t m = 0; m < l.laenge; ++m) {
            const bool gleicheKante = k.kante[(l.start + m) % n] == k.kante[i];
            if (m != j && gleicheKante && (segment(m) > segment(j) || (segment(m) == segment(j) && m < j)))
                laengstes = false;
        }
        if (!laengstes)
            continue;
        const std::string nummer = std::to_string(k.kante[i]);
        const Punkt s = 0.5 * (p[j] + p[j + 1]);
        const Punkt z = mitte(t.dreiecke[j]) - s;
        t.texte.push_back({s + std::min(0.6, 0.4 * laenge(z)) / laenge(z) * z, kKantenSchrift, Phrase(nummer)});
        if (stuecke[j])
            t.texte.push_back({mitte(*stuecke[j]), kKantenSchrift, Phrase(nummer)});
    }
    // The letters of the cut spokes, inside the faces beside them and on the tab.
    const auto buchstabe = [&](std::size_t j, std::size_t flaeche, const std::string& b) {
        const Punkt s = 0.5 * p[j];
        const Punkt z = mitte(t.dreiecke[flaeche]) - s;
        t.texte.push_back({s + std::min(0.5, 0.5 * laenge(z)) / laenge(z) * z, kBuchstabenSchrift, Phrase(b)});
    };
    if (!l.geschlossen) {
        buchstabe(0, 0, namen.anfang);
        buchstabe(l.laenge, l.laenge - 1, namen.ende);
        if (speichenLasche)
            t.texte.push_back({mitte(speichenLasche->front()), kBuchstabenSchrift, Phrase(namen.ende)});
    }
    // The piece's name halfway out along its middle.
    const double phi = t.winkel / 2;
    double kurz = INFINITY;
    for (std::size_t j = 0; j <= l.laenge; ++j)
        kurz = std::min(kurz, h.speiche[(l.start + j) % n]);
    const Punkt r{std::cos(phi), (h.oberteil ? 1 : -1) * std::sin(phi)};
    const Punkt m = 0.5 * kurz * r;
    t.texte.push_back(
        {m, kTeilSchrift, h.oberteil ? PELOX_TEXT("netz", "Oberteil") : PELOX_TEXT("netz", "Unterteil")});
    t.texte.push_back({m, kTeilSchrift, PELOX_TEXT("netz", "Teil %1 von %2").arg(namen.nummer).arg(namen.anzahl)});
    return t;
}

std::optional<Phrase> laschenHinweis(const std::vector<Teil>& teile)
{
    int schmal = 0, alle = 0;
    for (const Teil& t : teile) {
        for (const Lasche& k : t.laschen) {
            ++alle;
            schmal += tiefe(k) < kKlebbar - 1e-9;
        }
    }
    if (schmal == 0)
        return std::nullopt;
    return PELOX_TEXT("netz", "Schmaler als 3 mm und damit kaum zu kleben: %1 von %2 Laschen. Diese Kanten besser "
                              "mit einem Streifen Klebeband schließen.")
        .arg(schmal)
        .arg(alle);
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
    for (Text& x : t.texte)
        x.mitte = l(x.mitte);
    // The piece's name is its last two texts, one above the other as the
    // sheet lies, whichever way the piece is turned.
    const std::size_t n = t.texte.size();
    t.texte[n - 2].mitte = t.texte[n - 2].mitte - Punkt{0, kNamensAbstand};
    t.texte[n - 1].mitte = t.texte[n - 1].mitte + Punkt{0, kNamensAbstand};
}

} // namespace netz
