// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/ebene.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <cmath>
#include <numbers>

namespace netz {

namespace {

// What two shapes may overlap by and still count as touching, in cm.
constexpr double kBeruehrung = 1e-6;
// Turns tried besides those along the hull's edges, which alone can miss the
// turn that fits an almost round piece into a narrow sheet.
constexpr int kProbeDrehungen = 18;

// Whether the projections of both polygons onto the normal of some edge of a
// lie more than abstand apart.
bool trennt(const std::vector<Punkt>& a, const std::vector<Punkt>& b, double abstand = -kBeruehrung)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        const Punkt k = a[(i + 1) % a.size()] - a[i];
        const Punkt n{-k.y, k.x};
        const double l = laenge(n);
        if (l == 0)
            continue;
        double aMin = INFINITY, aMax = -INFINITY, bMin = INFINITY, bMax = -INFINITY;
        for (const Punkt& p : a) {
            const double d = skalar(p, n) / l;
            aMin = std::min(aMin, d);
            aMax = std::max(aMax, d);
        }
        for (const Punkt& p : b) {
            const double d = skalar(p, n) / l;
            bMin = std::min(bMin, d);
            bMax = std::max(bMax, d);
        }
        if (std::max(aMin, bMin) - std::min(aMax, bMax) >= abstand)
            return true;
    }
    return false;
}

// A turn under which the hull fits into breite x hoehe, wherever one exists.
// Between two neighbouring directions in which an edge of the hull lies
// along a side of the rectangle, the same two pairs of corners give its
// width and its height, each a cosine of the turn; so the turns where either
// reaches its bound, and the ends of each such stretch, are all there is to
// try. Exact, unlike trying turns: a hull inside another fits wherever that
// one does.
std::optional<Drehung> genauEinpassen(const std::vector<Punkt>& huelle, double breite, double hoehe)
{
    const std::size_t n = huelle.size();
    if (n == 0)
        return Drehung{};
    double flaeche = 0;
    for (std::size_t i = 0; i < n; ++i)
        flaeche += kreuz(huelle[i], huelle[(i + 1) % n]);
    if (flaeche / 2 > breite * hoehe)
        return std::nullopt;
    constexpr double kHalb = std::numbers::pi;
    // The directions where the stretches end, each edge's turned into the
    // first quarter and once more a quarter on, in order, from along the x
    // axis to against it: as unit vectors, ordered by their cross products.
    std::vector<Punkt> viertel;
    viertel.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        Punkt k = huelle[(i + 1) % n] - huelle[i];
        if (k.x == 0 && k.y == 0)
            continue;
        for (int r = 0; r < 4 && !(k.x > 0 && k.y >= 0); ++r)
            k = {k.y, -k.x};
        viertel.push_back((1 / laenge(k)) * k);
    }
    std::sort(viertel.begin(), viertel.end(), [](Punkt a, Punkt b) { return kreuz(a, b) > 0; });
    std::vector<Punkt> richtungen{{1, 0}};
    richtungen.insert(richtungen.end(), viertel.begin(), viertel.end());
    richtungen.push_back({0, 1});
    for (const Punkt& v : viertel)
        richtungen.push_back({-v.y, v.x});
    richtungen.push_back({-1, 0});
    const auto richtung = [](double t) { return Punkt{std::cos(t), std::sin(t)}; };
    // The corners furthest in the directions d, q = d turned a quarter, -d
    // and -q: as d turns, each moves on round the hull, counter-clockwise
    // like the hull itself, and never back.
    std::array<std::size_t, 4> ecke{};
    const auto weiter = [&](std::size_t& i, Punkt d, bool ganz) {
        if (ganz) {
            for (std::size_t j = 1; j < n; ++j)
                if (skalar(huelle[j], d) > skalar(huelle[i], d))
                    i = j;
            return;
        }
        for (std::size_t k = 0; k < n && skalar(huelle[(i + 1) % n], d) > skalar(huelle[i], d); ++k)
            i = (i + 1) % n;
    };
    for (std::size_t i = 0; i + 1 < richtungen.size(); ++i) {
        const Punkt da = richtungen[i], db = richtungen[i + 1];
        const Punkt dm = (1 / laenge(da + db)) * (da + db), qm{-dm.y, dm.x};
        const Punkt zu[] = {dm, qm, -1 * dm, -1 * qm};
        for (std::size_t r = 0; r < 4; ++r)
            weiter(ecke[r], zu[r], i == 0);
        const Punkt vx = huelle[ecke[0]] - huelle[ecke[2]], vy = huelle[ecke[1]] - huelle[ecke[3]];
        const auto masse = [&](Punkt d) {
            return std::pair{std::abs(skalar(vx, d)), std::abs(skalar(vy, Punkt{-d.y, d.x}))};
        };
        // Each is a cosine hump over the stretch, smallest at one of its
        // ends: where both ends are too wide or both too high, so is all between.
        const auto [wa, ha] = masse(da);
        const auto [wb, hb] = masse(db);
        if (wa <= breite && ha <= hoehe)
            return Drehung{-std::atan2(da.y, da.x), wa, ha};
        if (wb <= breite && hb <= hoehe)
            return Drehung{-std::atan2(db.y, db.x), wb, hb};
        if (std::min(wa, wb) > breite || std::min(ha, hb) > hoehe)
            continue;
        const double a = std::atan2(da.y, da.x), b = std::atan2(db.y, db.x);
        // |vx . (cos t, sin t)| = breite where t = atan2(vx) -+ acos(breite / |vx|)
        // give or take a half turn, and |vy . (-sin t, cos t)| = hoehe likewise
        // a quarter turn back.
        for (const auto& [v, g, versatz] : {std::tuple{vx, breite, 0.0}, std::tuple{vy, hoehe, -kHalb / 2}}) {
            const double l = laenge(v);
            if (l <= g)
                continue;
            for (const double vz : {-1.0, 1.0}) {
                double t = std::atan2(v.y, v.x) + versatz + vz * std::acos(g / l);
                t -= std::floor((t - a) / kHalb) * kHalb;
                if (t > b)
                    continue;
                const auto [w, h] = masse(richtung(t));
                if (w <= breite + 1e-12 && h <= hoehe + 1e-12)
                    return Drehung{-t, w, h};
            }
        }
    }
    return std::nullopt;
}

// The order the hull is built in: by x, then by y.
bool vorher(const Punkt& a, const Punkt& b)
{
    return a.x < b.x || (a.x == b.x && a.y < b.y);
}

// The hull of points in that order: the lower chain along them, the upper
// one back.
std::vector<Punkt> kette(const std::vector<Punkt>& punkte)
{
    if (punkte.size() < 3)
        return punkte;
    std::vector<Punkt> h(2 * punkte.size());
    std::size_t k = 0;
    for (const Punkt& p : punkte) {
        while (k >= 2 && kreuz(h[k - 1] - h[k - 2], p - h[k - 2]) <= 0)
            --k;
        h[k++] = p;
    }
    const std::size_t unten = k + 1;
    for (std::size_t i = punkte.size() - 1; i-- > 0;) {
        while (k >= unten && kreuz(h[k - 1] - h[k - 2], punkte[i] - h[k - 2]) <= 0)
            --k;
        h[k++] = punkte[i];
    }
    h.resize(k - 1);
    return h;
}

} // namespace

double laenge(Punkt a)
{
    // Lengths here are centimetres: nothing near where hypot's care for
    // overflow would matter, and it is the inner loop of every fit.
    return std::sqrt(a.x * a.x + a.y * a.y);
}

Rechteck umriss(const std::vector<Punkt>& punkte)
{
    Rechteck r{INFINITY, INFINITY, -INFINITY, -INFINITY};
    for (const Punkt& p : punkte) {
        r.links = std::min(r.links, p.x);
        r.oben = std::min(r.oben, p.y);
        r.rechts = std::max(r.rechts, p.x);
        r.unten = std::max(r.unten, p.y);
    }
    return r;
}

bool ueberlappen(const std::vector<Punkt>& a, const std::vector<Punkt>& b)
{
    const Rechteck ra = umriss(a), rb = umriss(b);
    if (ra.rechts - rb.links <= kBeruehrung || rb.rechts - ra.links <= kBeruehrung
        || ra.unten - rb.oben <= kBeruehrung || rb.unten - ra.oben <= kBeruehrung)
        return false;
    return !trennt(a, b) && !trennt(b, a);
}

bool naeherAls(const std::vector<Punkt>& a, const std::vector<Punkt>& b, double abstand)
{
    return !trennt(a, b, abstand) && !trennt(b, a, abstand);
}

std::vector<Punkt> huelle(std::vector<Punkt> punkte)
{
    std::sort(punkte.begin(), punkte.end(), vorher);
    return kette(punkte);
}

std::vector<Punkt> huelle(const std::vector<Punkt>& a, const std::vector<Punkt>& b)
{
    // A hull's lower chain runs up the order of its corners from its first
    // corner to the last in that order, its upper chain down it back: two
    // sorted runs each, merged.
    const auto ordnen = [](const std::vector<Punkt>& h, std::vector<Punkt>& aus) {
        aus.clear();
        if (h.empty())
            return;
        const std::size_t letzte = std::size_t(std::max_element(h.begin(), h.end(), vorher) - h.begin());
        aus.resize(h.size());
        std::merge(h.begin(), h.begin() + std::ptrdiff_t(letzte) + 1, h.rbegin(),
            h.rend() - std::ptrdiff_t(letzte) - 1, aus.begin(), vorher);
    };
    std::vector<Punkt> sa, sb;
    ordnen(a, sa);
    ordnen(b, sb);
    std::vector<Punkt> alle(sa.size() + sb.size());
    std::merge(sa.begin(), sa.end(), sb.begin(), sb.end(), alle.begin(), vorher);
    return kette(alle);
}

std::optional<Drehung> einpassen(const std::vector<Punkt>& huelle, double breite, double hoehe, bool ersteReicht)
{
    if (ersteReicht)
        return genauEinpassen(huelle, breite, hoehe);
    // The turns as cosine and sine: along each edge of the hull, and evenly
    // spread ones counted from its longest edge, so that the same hull
    // turned is tried at the same turns; each also a quarter further, so
    // that the rectangle stands up.
    std::vector<Punkt> drehungen;
    drehungen.reserve(2 * huelle.size() + 2 * kProbeDrehungen);
    Punkt laengste{1, 0};
    double groesste = 0;
    for (std::size_t i = 0; i < huelle.size(); ++i) {
        const Punkt k = huelle[(i + 1) % huelle.size()] - huelle[i];
        const double l = laenge(k);
        if (l == 0)
            continue;
        // The turn that lays this edge along the x axis.
        const Punkt d{k.x / l, -k.y / l};
        drehungen.push_back(d);
        drehungen.push_back({-d.y, d.x});
        if (l > groesste) {
            groesste = l;
            laengste = d;
        }
    }
    static const std::vector<Punkt> proben = [] {
        std::vector<Punkt> p;
        for (int i = 1; i < 2 * kProbeDrehungen; ++i)
            p.push_back({std::cos(std::numbers::pi * i / kProbeDrehungen / 2),
                std::sin(std::numbers::pi * i / kProbeDrehungen / 2)});
        return p;
    }();
    for (const Punkt& p : proben)
        drehungen.push_back({laengste.x * p.x - laengste.y * p.y, laengste.x * p.y + laengste.y * p.x});
    std::optional<Drehung> beste;
    for (const Punkt& d : drehungen) {
        const double c = d.x, s = d.y;
        double x0 = INFINITY, x1 = -INFINITY, y0 = INFINITY, y1 = -INFINITY;
        for (const Punkt& p : huelle) {
            const double x = c * p.x - s * p.y, y = s * p.x + c * p.y;
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
        const double b = x1 - x0, h = y1 - y0;
        if (b <= breite && h <= hoehe && (!beste || b * h < beste->breite * beste->hoehe))
            beste = Drehung{std::atan2(s, c), b, h};
    }
    return beste ? beste : genauEinpassen(huelle, breite, hoehe);
}

} // namespace netz
