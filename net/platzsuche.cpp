// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/platzsuche.h"

#include "net/beschriftung.h"

#include <algorithm>
#include <cmath>

namespace netz {

namespace {

// The step a label shrinks by while it finds no room, in points.
constexpr double kSchritt = 0.5;
// The search for room steps through a label's area at most this many
// times along its longer side.
constexpr double kRaster = 300;
// The cells the lines and labels of a piece are sorted into, cm.
constexpr double kZelle = 0.5;

bool innen(Punkt p, const std::vector<Punkt>& v)
{
    bool drin = false;
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
        if ((v[i].y > p.y) != (v[j].y > p.y)
            && p.x < v[j].x + (p.y - v[j].y) / (v[i].y - v[j].y) * (v[i].x - v[j].x))
            drin = !drin;
    }
    return drin;
}

std::vector<Text> setzen(const Marke& m, double punkte, Punkt mitte)
{
    // Lines apart by the height of their boxes, and a little.
    const double abstand = textRahmen({{0, 0}, punkte, Phrase("0")}).hoehe() + 0.01;
    std::vector<Text> t;
    for (std::size_t i = 0; i < m.zeilen.size(); ++i) {
        const double versatz = (double(i) - double(m.zeilen.size() - 1) / 2) * abstand;
        t.push_back({mitte + Punkt{0, versatz}, punkte, m.zeilen[i]});
    }
    return t;
}

Rechteck rahmen(const std::vector<Text>& texte)
{
    Rechteck r{INFINITY, INFINITY, -INFINITY, -INFINITY};
    for (const Text& t : texte) {
        const Rechteck e = textRahmen(t);
        r = {std::min(r.links, e.links), std::min(r.oben, e.oben), std::max(r.rechts, e.rechts),
            std::max(r.unten, e.unten)};
    }
    return r;
}

// The cut lines and the labels placed so far on one piece, by the cells of
// a grid they reach into, so that a box meets only its neighbours.
class Raster {
public:
    Raster(const Rechteck& r, double zelle)
        : m_r(r), m_zelle(zelle), m_spalten(stelle(r.rechts, r.links) + 1),
          m_zellen(m_spalten * (stelle(r.unten, r.oben) + 1))
    {
    }

    void strecke(const blatt::Strecke& s)
    {
        m_strecken.push_back(s);
        eintragen(umriss({s.a, s.b}), int(m_strecken.size()) - 1);
    }

    void belegen(const Rechteck& r)
    {
        m_belegt.push_back(r);
        eintragen(r, -int(m_belegt.size()));
    }

    // Whether the box touches no label and no cut line.
    bool frei(const Rechteck& r) const
    {
        for (std::size_t z = zeile(r.oben); z <= zeile(r.unten); ++z) {
            for (std::size_t s = spalte(r.links); s <= spalte(r.rechts); ++s) {
                for (const int i : m_zellen[z * m_spalten + s]) {
                    if (i < 0 ? m_belegt[std::size_t(-i - 1)].schneidet(r)
                              : blatt::schneidet(m_strecken[std::size_t(i)], r))
                        return false;
                }
            }
        }
        return true;
    }

private:
    Rechteck m_r;
    double m_zelle;
    std::size_t m_spalten;
    std::vector<std::vector<int>> m_zellen;  // cut lines from 0 up, labels from -1 down
    std::vector<blatt::Strecke> m_strecken;
    std::vector<Rechteck> m_belegt;

    std::size_t stelle(double v, double von) const { return std::size_t(std::max(0.0, (v - von) / m_zelle)); }
    std::size_t spalte(double x) const { return std::min(stelle(x, m_r.links), m_spalten - 1); }
    std::size_t zeile(double y) const { return std::min(stelle(y, m_r.oben), m_zellen.size() / m_spalten - 1); }

    void eintragen(const Rechteck& r, int i)
    {
        for (std::size_t z = zeile(r.oben); z <= zeile(r.unten); ++z) {
            for (std::size_t s = spalte(r.links); s <= spalte(r.rechts); ++s)
                m_zellen[z * m_spalten + s].push_back(i);
        }
    }
};

// The stretches of the line at height y that lie inside the polygon, as
// the ends of each, sorted; into x, which is reused.
void innenStrecken(const std::vector<Punkt>& v, double y, std::vector<double>& x)
{
    x.clear();
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
        if ((v[i].y > y) != (v[j].y > y))
            x.push_back(v[j].x + (y - v[j].y) / (v[i].y - v[j].y) * (v[i].x - v[j].x));
    }
    std::sort(x.begin(), x.end());
}

// The widest stretch inside the polygon along any line across it. Each
// stretch lies between two sides, so its width changes linearly between the
// heights of two corners: the widest begins at a corner's height or ends
// just short of the next, a millionth of the way before it.
double breitesteStrecke(const std::vector<Punkt>& v, std::vector<double>& x)
{
    std::vector<double> hoehen;
    for (const Punkt& p : v)
        hoehen.push_back(p.y);
    std::sort(hoehen.begin(), hoehen.end());
    hoehen.erase(std::unique(hoehen.begin(), hoehen.end()), hoehen.end());
    double breite = 0;
    for (std::size_t k = 0; k + 1 < hoehen.size(); ++k) {
        for (const double y : {hoehen[k], hoehen[k + 1] - (hoehen[k + 1] - hoehen[k]) * 1e-6}) {
            innenStrecken(v, y, x);
            for (std::size_t a = 0; a + 1 < x.size(); a += 2)
                breite = std::max(breite, x[a + 1] - x[a]);
        }
    }
    return breite;
}

// Points about a step apart where the box (about the point) has room in
// the polygon along its top, its middle and its bottom line: all of them
// where the polygon is convex. Whether the whole box has is checked after.
void proben(const std::vector<Punkt>& v, const Rechteck& box, double schritt, std::vector<Punkt>& p)
{
    const Rechteck g = umriss(v);
    std::vector<double> oben, mitte, unten;
    const auto reihe = [&](double y) {
        // Most rows of a thin face are too narrow along their middle line
        // already; their top and bottom lines are not asked. The margin
        // keeps every row whose points the rounding below might still take.
        innenStrecken(v, y, mitte);
        bool breit = false;
        for (std::size_t a = 0; a + 1 < mitte.size() && !breit; a += 2)
            breit = mitte[a + 1] - mitte[a] >= box.rechts - box.links - 1e-9;
        if (!breit)
            return;
        innenStrecken(v, y + box.oben, oben);
        innenStrecken(v, y + box.unten, unten);
        for (std::size_t a = 0; a + 1 < mitte.size(); a += 2) {
            for (std::size_t b = 0; b + 1 < oben.size(); b += 2) {
                for (std::size_t c = 0; c + 1 < unten.size(); c += 2) {
                    const double von = std::max({mitte[a], oben[b], unten[c]}) - box.links;
                    const double bis = std::min({mitte[a + 1], oben[b + 1], unten[c + 1]}) - box.rechts;
                    if (von > bis)
                        continue;
                    const int n = int((bis - von) / schritt);
                    for (int k = 0; k <= n; ++k)
                        p.push_back({(von + bis) / 2 + (k - n / 2.0) * schritt, y});
                }
            }
        }
    };
    const double von = g.oben - box.oben, bis = g.unten - box.unten;
    if (von > bis)
        return;
    const int n = int((bis - von) / schritt);
    for (int k = 0; k <= n; ++k)
        reihe((von + bis) / 2 + (k - n / 2.0) * schritt);
}

struct Beschrifter {
    Teil& t;
    Raster raster;
    int fehlend = 0;

    // The point nearest the wished one where the label stands inside one
    // of the areas at this size, crossing none of its sides, no cut line
    // and no label placed before.
    std::optional<Punkt> platz(const Marke& m, const std::vector<std::vector<Punkt>>& gebiete, Punkt wunsch,
        double punkte, bool nurWunsch = false) const
    {
        const Rechteck probe = rahmen(setzen(m, punkte, {0, 0}));
        const auto passt = [&](Punkt c, const std::vector<Punkt>& gebiet) {
            const Rechteck r{probe.links + c.x, probe.oben + c.y, probe.rechts + c.x, probe.unten + c.y};
            for (std::size_t i = 0, j = gebiet.size() - 1; i < gebiet.size(); j = i++) {
                if (blatt::schneidet(blatt::Strecke{gebiet[j], gebiet[i]}, r))
                    return false;
            }
            return raster.frei(r);
        };
        for (const std::vector<Punkt>& g : gebiete) {
            if (innen(wunsch, g) && passt(wunsch, g))
                return wunsch;
        }
        if (nurWunsch)
            return std::nullopt;
        // The points by their distance from the wished one, nearest first,
        // taken from a heap: most labels find room long before the last.
        struct Probe {
            double weite;
            Punkt punkt;
            std::size_t gebiet;
            bool operator<(const Probe& p) const { return weite > p.weite; }
        };
        std::vector<Probe> p;
        std::vector<Punkt> q;
        std::vector<double> strecken;
        for (std::size_t i = 0; i < gebiete.size(); ++i) {
            // A box that fits inside the area is no larger than it, and no
            // wider than its widest stretch (give or take what the stretch
            // short of a corner misses): thin faces are passed over before
            // their rows are searched.
            const Rechteck g = umriss(gebiete[i]);
            if (probe.breite() > g.breite() || probe.hoehe() > g.hoehe()
                || probe.breite() * probe.hoehe() > flaeche(gebiete[i])
                || breitesteStrecke(gebiete[i], strecken) < probe.breite() - 1e-3)
                continue;
            const double schritt
                = std::max(std::min(probe.breite(), probe.hoehe()) / 4, std::max(g.breite(), g.hoehe()) / kRaster);
            q.clear();
            proben(gebiete[i], probe, schritt, q);
            for (const Punkt& x : q)
                p.push_back({skalar(x - wunsch, x - wunsch), x, i});
        }
        std::make_heap(p.begin(), p.end());
        for (auto ende = p.end(); ende != p.begin(); --ende) {
            std::pop_heap(p.begin(), ende);
            const Probe& q = *(ende - 1);
            if (passt(q.punkt, gebiete[q.gebiet]))
                return q.punkt;
        }
        return std::nullopt;
    }

    // The label in the areas at the largest size that finds room there: at
    // the wished point if it can, else nearest to it. A smaller box lies
    // inside a larger one round the same point, so where the smallest finds
    // no room, none does, and the largest that does is found by halving.
    bool stellen(const Marke& m, const std::vector<std::vector<Punkt>>& gebiete, Punkt wunsch)
    {
        const int stufen = int(std::floor((m.punkte - kMindestSchrift) / kSchritt + 1e-9));
        const auto groesse = [&](int i) { return m.punkte - i * kSchritt; };
        int gut = 0;
        std::optional<Punkt> c = platz(m, gebiete, wunsch, groesse(0), true);
        if (!c) {
            gut = stufen;
            c = platz(m, gebiete, wunsch, groesse(stufen));
            for (int schlecht = -1; c && gut - schlecht > 1;) {
                const int mitte = (gut + schlecht) / 2;
                if (const std::optional<Punkt> d = platz(m, gebiete, wunsch, groesse(mitte))) {
                    gut = mitte;
                    c = d;
                } else {
                    schlecht = mitte;
                }
            }
        }
        if (!c)
            return false;
        for (const Text& x : setzen(m, groesse(gut), *c)) {
            raster.belegen(textRahmen(x));
            t.texte.push_back(x);
        }
        return true;
    }

    // The label where it finds room, else elsewhere; a name that finds none
    // tries its lines one by one, the widest first while most room is left.
    void legen(const Marke& m)
    {
        if (stellen(m, m.gebiete, m.wunsch))
            return;
        for (const std::vector<Punkt>& gebiet : m.ausweich) {
            if (stellen(m, {gebiet}, mittel(gebiet)))
                return;
        }
        if (m.zeilen.size() > 1) {
            std::vector<Phrase> zeilen = m.zeilen;
            const auto breite = [&](const Phrase& z) { return textRahmen({{0, 0}, m.punkte, z}).breite(); };
            std::sort(zeilen.begin(), zeilen.end(),
                [&](const Phrase& a, const Phrase& b) { return breite(a) > breite(b); });
            for (const Phrase& z : zeilen) {
                Marke einzeln = m;
                einzeln.zeilen = {z};
                legen(einzeln);
            }
            return;
        }
        ++fehlend;
    }
};

} // namespace

double flaeche(const std::vector<Punkt>& v)
{
    double a = 0;
    for (std::size_t i = 0; i < v.size(); ++i)
        a += kreuz(v[i], v[(i + 1) % v.size()]);
    return std::abs(a) / 2;
}

Punkt mittel(const std::vector<Punkt>& v)
{
    Punkt s;
    for (const Punkt& p : v)
        s = s + p;
    return (1.0 / double(v.size())) * s;
}

int platzieren(Teil& t, const std::vector<Marke>& marken)
{
    Beschrifter b{t, Raster(umriss(t.schnitt), kZelle), 0};
    for (std::size_t i = 0; i < t.schnitt.size(); ++i)
        b.raster.strecke({t.schnitt[i], t.schnitt[(i + 1) % t.schnitt.size()]});
    for (const Marke& m : marken)
        b.legen(m);
    return b.fehlend;
}

} // namespace netz
