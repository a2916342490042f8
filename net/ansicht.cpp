// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/ansicht.h"

#include "net/laterne.h"
#include "net/netz.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

namespace netz {

namespace {

constexpr double kGrad = std::numbers::pi / 180;
// A drag across 180 pixels turns the star by a right angle.
constexpr double kJePixel = 0.5 * kGrad;
constexpr double kJeStufe = 1.15;
// Light that does not reach a face directly still shows its shape.
constexpr double kUmgebung = 0.3;
// The light comes from the upper left, in front of the picture.
constexpr Punkt3 kLicht{-0.5773502691896258, 0.5773502691896258, 0.5773502691896258};
// The star keeps this much of the picture free around it.
constexpr double kRand = 0.04;

Punkt3 minus(const Punkt3& a, const Punkt3& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Punkt3 kreuz(const Punkt3& a, const Punkt3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double skalar(const Punkt3& a, const Punkt3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Turned by the camera: x to the right of the picture, y up, z toward the viewer.
struct Drehung3 {
    double cd, sd, cn, sn;

    Punkt3 operator()(const Punkt3& p) const
    {
        const double x = cd * p.x + sd * p.z;
        const double z = -sd * p.x + cd * p.z;
        return {x, cn * p.y - sn * z, sn * p.y + cn * z};
    }
};

} // namespace

Kamera startKamera()
{
    return {0, 20 * kGrad, 1};
}

Kamera gedreht(const Kamera& k, double dx, double dy)
{
    Kamera g = k;
    g.drehung = std::remainder(k.drehung + dx * kJePixel, 2 * std::numbers::pi);
    g.neigung = std::clamp(k.neigung + dy * kJePixel, -std::numbers::pi / 2, std::numbers::pi / 2);
    return g;
}

Kamera gezoomt(const Kamera& k, double stufen)
{
    Kamera g = k;
    g.zoom = std::clamp(k.zoom * std::pow(kJeStufe, stufen), kZoomMin, kZoomMax);
    return g;
}

Szene szene(const Koerper& k, int haelften)
{
    Szene s;
    const std::size_t n = k.umriss.size();
    std::vector<bool> falte(n);
    std::vector<double> winkel(n);
    for (std::size_t i = 0; i < n; ++i) {
        falte[i] = faltung(k, i).has_value();
        winkel[i] = std::atan2(k.umriss[i].y, k.umriss[i].x);
    }
    // A point on the centre has no angle: its segments' wedges are the flat
    // triangles of both peaks and the other end.
    const auto sektor = [&](std::size_t anfang, std::size_t ende, Dreieck3 d) {
        const auto mitte = [&k](std::size_t i) { return std::hypot(k.umriss[i].x, k.umriss[i].y) < 1e-7; };
        d.von = winkel[mitte(anfang) ? ende : anfang];
        d.bis = winkel[mitte(ende) ? anfang : ende];
        s.dreiecke.push_back(d);
    };
    for (std::size_t i = 0; i < k.flaechen.size(); ++i) {
        const Flaeche& f = k.flaechen[i];
        if (haelften == 1 && !f.oben)
            continue;
        // The upper face runs peak, end, start of its segment; the lower one
        // peak, start, end.
        const std::size_t anfang = std::size_t(f.segment), ende = (anfang + 1) % n;
        const bool erste = falte[f.oben ? ende : anfang], zweite = falte[f.oben ? anfang : ende];
        sektor(anfang, ende, {{f.a, f.b, f.c}, {erste, true, zweite}, 0, 0, int(i), f.oben, {}});
        // Seen from below, the outline runs counter-clockwise.
        if (haelften == 1)
            sektor(anfang, ende, {{Punkt3{}, k.umriss[anfang], k.umriss[ende]}, {}, 0, 0, -1, true, {}});
    }
    for (const Dreieck3& d : s.dreiecke) {
        for (const Punkt3& p : d.ecken)
            s.radius = std::max(s.radius, std::sqrt(skalar(p, p)));
    }
    return s;
}

namespace {

Punkt3 plus(const Punkt3& a, const Punkt3& b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

Punkt3 mal(double f, const Punkt3& a)
{
    return {f * a.x, f * a.y, f * a.z};
}

// The point q of the flat triangle e carried onto the face's triangle d,
// corner by corner: the piece is the face unfolded, so this keeps lengths.
Punkt3 aufgefaltet(const std::array<Punkt, 3>& e, const std::array<Punkt3, 3>& d, Punkt q)
{
    const double ux = e[1].x - e[0].x, uy = e[1].y - e[0].y, wx = e[2].x - e[0].x, wy = e[2].y - e[0].y;
    const double det = ux * wy - uy * wx;
    const double qx = q.x - e[0].x, qy = q.y - e[0].y;
    const double s = (qx * wy - qy * wx) / det, t = (ux * qy - uy * qx) / det;
    return plus(d[0], plus(mal(s, minus(d[1], d[0])), mal(t, minus(d[2], d[0]))));
}

// The part of a face of the lower half within r of its peak (corner 0),
// the round opening's share of it, arcs as chords within kBogenGenau. The
// net has refused an opening that reaches beyond a face's spokes.
std::vector<Punkt3> oeffnungsStueck(const std::array<Punkt3, 3>& d, double r)
{
    const Punkt3 u = minus(d[1], d[0]), w = minus(d[2], d[0]);
    const double lu = std::sqrt(skalar(u, u));
    const Punkt3 eu = mal(1 / lu, u);
    const Punkt3 senk = minus(w, mal(skalar(w, eu), eu));
    const Punkt3 ev = mal(1 / std::sqrt(skalar(senk, senk)), senk);
    const double winkel = std::atan2(skalar(w, ev), skalar(w, eu));
    const double schritt = 2 * std::acos(std::max(0.0, 1 - kBogenGenau / r));
    const int stuecke = std::max(1, int(std::ceil(winkel / schritt)));
    std::vector<Punkt3> pfad{d[0]};
    for (int j = 0; j <= stuecke; ++j) {
        const double phi = winkel * j / stuecke;
        pfad.push_back(plus(d[0], mal(r, plus(mal(std::cos(phi), eu), mal(std::sin(phi), ev)))));
    }
    return pfad;
}

} // namespace

Szene szene(const Netz& n, const Vorgabe& v)
{
    Szene s = szene(n.koerper, v.haelften);
    std::vector<int> zuDreieck(n.koerper.flaechen.size(), -1);
    for (std::size_t i = 0; i < s.dreiecke.size(); ++i) {
        if (s.dreiecke[i].flaeche >= 0)
            zuDreieck[std::size_t(s.dreiecke[i].flaeche)] = int(i);
    }
    for (const Teil& t : n.teile) {
        for (const Loch& l : t.loecher) {
            if (l.flaeche < 0)
                continue;
            const int d = zuDreieck[std::size_t(t.flaechen[std::size_t(l.flaeche)])];
            if (d < 0)
                continue;
            Dreieck3& ziel = s.dreiecke[std::size_t(d)];
            // The piece's triangle runs peak, start, end of its segment; the
            // upper face peak, end, start.
            const std::array<Punkt3, 3> ecken = ziel.oben
                ? std::array<Punkt3, 3>{ziel.ecken[0], ziel.ecken[2], ziel.ecken[1]}
                : ziel.ecken;
            std::vector<Punkt3> pfad;
            pfad.reserve(l.pfad.size());
            for (const Punkt& q : l.pfad)
                pfad.push_back(aufgefaltet(t.dreiecke[std::size_t(l.flaeche)], ecken, q));
            ziel.loecher.push_back(std::move(pfad));
        }
    }
    if (v.oeffnung > 0) {
        for (Dreieck3& d : s.dreiecke) {
            if (!d.oben)
                d.loecher.push_back(oeffnungsStueck(d.ecken, v.oeffnung / 2));
        }
    }
    return s;
}

double helligkeit(const Punkt3& normale)
{
    const double licht = skalar(normale, kLicht) / std::sqrt(skalar(normale, normale));
    return kUmgebung + (1 - kUmgebung) * std::max(0.0, licht);
}

std::vector<Bildflaeche> abbilden(const Szene& s, const Kamera& k, double breite, double hoehe)
{
    const Drehung3 dreh{std::cos(k.drehung), std::sin(k.drehung), std::cos(k.neigung), std::sin(k.neigung)};
    const double massstab = s.radius > 0 ? k.zoom * std::min(breite, hoehe) / 2 * (1 - kRand) / s.radius : 0;
    const Punkt mitte{breite / 2, hoehe / 2};
    struct Sichtbar {
        double abstand;
        Bildflaeche bild;
        std::array<Punkt3, 3> ecken;  // of the solid, where neighbours share them
    };
    // A side of a face by its ends, the same for both faces it parts.
    struct Strecke {
        std::array<double, 6> enden;
        std::size_t flaeche;
        std::size_t seite;
    };
    const auto strecke = [](const Punkt3& a, const Punkt3& b) {
        std::array<double, 6> e{a.x, a.y, a.z, b.x, b.y, b.z};
        if (std::tie(b.x, b.y, b.z) < std::tie(a.x, a.y, a.z))
            e = {b.x, b.y, b.z, a.x, a.y, a.z};
        return e;
    };
    // The direction toward the viewer, turned back into the star's
    // coordinates, seen along the axis: the wedge around it is the nearest.
    const double blick = std::atan2(dreh.sn, -dreh.cn * dreh.sd);
    const auto abstand = [blick](const Dreieck3& d) {
        const double r1 = std::remainder(d.von - blick, 2 * std::numbers::pi);
        const double r2 = std::remainder(d.bis - blick, 2 * std::numbers::pi);
        if ((r1 < 0) != (r2 < 0))
            return std::abs(r1) + std::abs(r2) <= std::numbers::pi ? 0.0 : std::numbers::pi;
        return (std::abs(r1) + std::abs(r2)) / 2;
    };
    std::vector<Sichtbar> sichtbar;
    sichtbar.reserve(s.dreiecke.size());
    for (const Dreieck3& d : s.dreiecke) {
        const Punkt3 a = dreh(d.ecken[0]), b = dreh(d.ecken[1]), c = dreh(d.ecken[2]);
        const Punkt3 normale = kreuz(minus(b, a), minus(c, a));
        // Seen in parallel, a face looks at the camera where its normal does.
        if (normale.z <= 0)
            continue;
        Bildflaeche f;
        f.linie = d.linie;
        f.tiefe = {massstab * a.z, massstab * b.z, massstab * c.z};
        f.helligkeit = helligkeit(normale);
        f.farbe = s.farbe[d.oben ? 0 : 1];
        const auto bildpunkt = [&](const Punkt3& p) {
            return Punkt{mitte.x + massstab * p.x, mitte.y - massstab * p.y};
        };
        int j = 0;
        for (const Punkt3& p : {a, b, c})
            f.ecken[std::size_t(j++)] = bildpunkt(p);
        for (const std::vector<Punkt3>& loch : d.loecher) {
            std::vector<Punkt> pfad;
            pfad.reserve(loch.size());
            for (const Punkt3& p : loch)
                pfad.push_back(bildpunkt(dreh(p)));
            f.loecher.push_back(std::move(pfad));
        }
        sichtbar.push_back({abstand(d), f, d.ecken});
    }
    std::stable_sort(sichtbar.begin(), sichtbar.end(),
        [](const Sichtbar& l, const Sichtbar& r) { return l.abstand > r.abstand; });
    // A fold between two faces in sight is drawn once, with the one painted
    // later: that one covers its side of the other's line anyway, and the
    // line drawn twice over the same pixels costs the painter twice.
    std::vector<Strecke> speichen;
    for (std::size_t i = 0; i < sichtbar.size(); ++i) {
        for (const std::size_t j : {std::size_t(0), std::size_t(2)}) {
            if (sichtbar[i].bild.linie[j])
                speichen.push_back({strecke(sichtbar[i].ecken[j], sichtbar[i].ecken[(j + 1) % 3]), i, j});
        }
    }
    std::sort(speichen.begin(), speichen.end(), [](const Strecke& a, const Strecke& b) {
        return std::tie(a.enden, a.flaeche) < std::tie(b.enden, b.flaeche);
    });
    for (std::size_t k = 0; k + 1 < speichen.size(); ++k) {
        if (speichen[k].enden == speichen[k + 1].enden)
            sichtbar[speichen[k].flaeche].bild.linie[speichen[k].seite] = false;
    }
    std::vector<Bildflaeche> bild;
    bild.reserve(sichtbar.size());
    for (Sichtbar& v : sichtbar)
        bild.push_back(std::move(v.bild));
    return bild;
}

} // namespace netz
