// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/stl.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace netz {

namespace {

using Punkt3f = std::array<float, 3>;
using Dreieck = std::array<Punkt3f, 3>;

// Readers join the faces by the bits of their vertices: a point shared by
// several faces is converted from the same double for each of them.
float mm(double cm)
{
    return static_cast<float>(cm * 10);
}

Punkt3f inMm(const Punkt3& p)
{
    return {mm(p.x), mm(p.y), mm(p.z)};
}

// Twice the signed area of a, b, c: negative when they turn clockwise. The
// floats' differences and products are (nearly) exact in double, so the sign
// is that of the points as they are written.
double drehung(const Punkt2f& a, const Punkt2f& b, const Punkt2f& c)
{
    return (double(b[0]) - a[0]) * (double(c[1]) - a[1]) - (double(b[1]) - a[1]) * (double(c[0]) - a[0]);
}

bool imDreieck(const Punkt2f& a, const Punkt2f& b, const Punkt2f& c, const Punkt2f& p)
{
    return drehung(a, b, p) <= 0 && drehung(b, c, p) <= 0 && drehung(c, a, p) <= 0;
}

// Whether the corner i can be cut off: it turns clockwise, and no other
// corner lies in the triangle or on its sides, which keeps the new edge from
// crossing the polygon or running through a corner of it.
bool istOhr(const std::vector<Punkt2f>& v, const std::vector<std::size_t>& vor,
    const std::vector<std::size_t>& nach, std::size_t i)
{
    const std::size_t a = vor[i], c = nach[i];
    if (drehung(v[a], v[i], v[c]) >= 0)
        return false;
    for (std::size_t j = nach[c]; j != a; j = nach[j]) {
        if (imDreieck(v[a], v[i], v[c], v[j]))
            return false;
    }
    return true;
}

void schreibe32(std::string& out, std::uint32_t w)
{
    for (int b = 0; b < 4; ++b)
        out.push_back(static_cast<char>((w >> (8 * b)) & 0xff));
}

void schreibeFloat(std::string& out, float f)
{
    schreibe32(out, std::bit_cast<std::uint32_t>(f));
}

// The unit normal from the points as written.
Punkt3f normale(const Dreieck& d)
{
    const double ux = double(d[1][0]) - d[0][0], uy = double(d[1][1]) - d[0][1], uz = double(d[1][2]) - d[0][2];
    const double vx = double(d[2][0]) - d[0][0], vy = double(d[2][1]) - d[0][1], vz = double(d[2][2]) - d[0][2];
    const double nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
    const double l = std::sqrt(nx * nx + ny * ny + nz * nz);
    return {float(nx / l), float(ny / l), float(nz / l)};
}

std::string binaer(const std::vector<Dreieck>& dreiecke)
{
    // The header must not begin with "solid", or readers take the file for text.
    std::string out = "Pelox Faltstern, mm";
    out.resize(80, '\0');
    schreibe32(out, static_cast<std::uint32_t>(dreiecke.size()));
    out.reserve(out.size() + 50 * dreiecke.size());
    for (const Dreieck& d : dreiecke) {
        for (const float f : normale(d))
            schreibeFloat(out, f);
        for (const Punkt3f& p : d) {
            for (const float f : p)
                schreibeFloat(out, f);
        }
        out.append(2, '\0');
    }
    return out;
}

} // namespace

std::optional<std::vector<std::array<std::size_t, 3>>> dreiecke(const std::vector<Punkt2f>& v)
{
    const std::size_t n = v.size();
    if (n < 3)
        return std::nullopt;
    std::vector<std::size_t> vor(n), nach(n);
    for (std::size_t i = 0; i < n; ++i) {
        vor[i] = (i + n - 1) % n;
        nach[i] = (i + 1) % n;
    }
    std::vector<std::array<std::size_t, 3>> d;
    d.reserve(n - 2);
    std::size_t rest = n, i = 0, vergeblich = 0;
    while (rest > 3) {
        if (istOhr(v, vor, nach, i)) {
            d.push_back({vor[i], i, nach[i]});
            nach[vor[i]] = nach[i];
            vor[nach[i]] = vor[i];
            --rest;
            // The corner before may have become an ear.
            i = vor[i];
            vergeblich = 0;
        } else if (++vergeblich > rest) {
            return std::nullopt;
        } else {
            i = nach[i];
        }
    }
    if (drehung(v[vor[i]], v[i], v[nach[i]]) >= 0)
        return std::nullopt;
    d.push_back({vor[i], i, nach[i]});
    return d;
}

Stl stlDatei(const Koerper& k, int haelften)
{
    Stl stl;
    // The outline as written. Two of its points that fall on one float make
    // the faces over the segment between them lines, which are left out;
    // their neighbours then meet along the spokes as before.
    std::vector<Punkt2f> rand;
    for (const Punkt3& p : k.umriss) {
        const Punkt2f q{mm(p.x), mm(p.y)};
        if (rand.empty() || rand.back() != q)
            rand.push_back(q);
    }
    while (rand.size() > 1 && rand.back() == rand.front())
        rand.pop_back();
    std::vector<Punkt2f> sortiert = rand;
    std::sort(sortiert.begin(), sortiert.end());
    if (std::adjacent_find(sortiert.begin(), sortiert.end()) != sortiert.end()) {
        stl.grund = PELOX_TEXT("netz",
            "Der Umriss berührt sich selbst (etwa wo mehrere Ecken in der Mitte liegen); dort hinge der "
            "Körper nur an einer Kante und ergäbe kein geschlossenes 3D-Modell.");
        return stl;
    }
    std::vector<Dreieck> flaechen;
    flaechen.reserve(k.flaechen.size() + rand.size());
    for (const Flaeche& f : k.flaechen) {
        if (haelften == 1 && !f.oben)
            continue;
        const Dreieck d{inMm(f.a), inMm(f.b), inMm(f.c)};
        if (d[0] != d[1] && d[1] != d[2] && d[2] != d[0])
            flaechen.push_back(d);
    }
    if (haelften == 1) {
        const auto boden = dreiecke(rand);
        if (!boden) {
            stl.grund = PELOX_TEXT("netz", "Der Boden der Hälfte lässt sich nicht in Dreiecke teilen.");
            return stl;
        }
        // The outline runs clockwise seen from above, so its triangles face
        // down, out of the half.
        for (const auto& t : *boden) {
            flaechen.push_back({Punkt3f{rand[t[0]][0], rand[t[0]][1], 0}, Punkt3f{rand[t[1]][0], rand[t[1]][1], 0},
                Punkt3f{rand[t[2]][0], rand[t[2]][1], 0}});
        }
    }
    stl.daten = binaer(flaechen);
    return stl;
}

} // namespace netz
