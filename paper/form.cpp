// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/form.h"

#include <algorithm>
#include <cmath>

namespace form {

namespace {

double kreuz(Punkt o, Punkt a, Punkt b)
{
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

double punktStrecke(Punkt p, Punkt a, Punkt b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double l = dx * dx + dy * dy;
    double t = l > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / l : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

bool schneiden(Punkt a, Punkt b, Punkt c, Punkt d)
{
    const double d1 = kreuz(c, d, a), d2 = kreuz(c, d, b), d3 = kreuz(a, b, c), d4 = kreuz(a, b, d);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

// The grid is this many cells on a side: enough that a cell holds a few
// edges of a star of 72 bent edges.
constexpr int kZellen = 24;

} // namespace

Punkt Lage::operator()(Punkt p) const
{
    const double c = std::cos(winkel), s = std::sin(winkel);
    return {ort.x + c * p.x - s * p.y, ort.y + s * p.x + c * p.y};
}

double abstand(Punkt a, Punkt b, Punkt c, Punkt d)
{
    if (schneiden(a, b, c, d))
        return 0;
    return std::min({punktStrecke(a, c, d), punktStrecke(b, c, d), punktStrecke(c, a, b), punktStrecke(d, a, b)});
}

Form::Form(std::vector<Punkt> ecken) : m_ecken(std::move(ecken))
{
    for (const Punkt& p : m_ecken)
        m_radius = std::max(m_radius, std::hypot(p.x, p.y));
    m_gitterRahmen = umriss(0);
    m_zellen = kZellen;
    m_zelle = std::max(m_gitterRahmen.breite(), m_gitterRahmen.hoehe()) / m_zellen;
    if (!(m_zelle > 0))
        m_zelle = 1;
    m_gitter.assign(std::size_t(m_zellen * m_zellen), {});
    const auto zelle = [this](double v, double von) { return std::clamp(int((v - von) / m_zelle), 0, m_zellen - 1); };
    for (std::size_t i = 0; i < m_ecken.size(); ++i) {
        const Punkt& a = m_ecken[i];
        const Punkt& b = m_ecken[(i + 1) % m_ecken.size()];
        const int x0 = zelle(std::min(a.x, b.x), m_gitterRahmen.links), x1 = zelle(std::max(a.x, b.x), m_gitterRahmen.links);
        const int y0 = zelle(std::min(a.y, b.y), m_gitterRahmen.oben), y1 = zelle(std::max(a.y, b.y), m_gitterRahmen.oben);
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                m_gitter[std::size_t(y * m_zellen + x)].push_back(int(i));
    }
}

std::vector<Punkt> Form::gelegt(const Lage& l) const
{
    const double c = std::cos(l.winkel), s = std::sin(l.winkel);
    std::vector<Punkt> p;
    p.reserve(m_ecken.size());
    for (const Punkt& e : m_ecken)
        p.push_back({l.ort.x + c * e.x - s * e.y, l.ort.y + s * e.x + c * e.y});
    return p;
}

Rechteck Form::umriss(double winkel) const
{
    if (m_ecken.empty())
        return {};
    Rechteck r{INFINITY, INFINITY, -INFINITY, -INFINITY};
    for (const Punkt& p : gelegt({winkel, {}})) {
        r.links = std::min(r.links, p.x);
        r.rechts = std::max(r.rechts, p.x);
        r.oben = std::min(r.oben, p.y);
        r.unten = std::max(r.unten, p.y);
    }
    return r;
}

bool Form::innen(Punkt p) const
{
    bool drin = false;
    for (std::size_t i = 0, j = m_ecken.size() - 1; i < m_ecken.size(); j = i++) {
        const Punkt& a = m_ecken[i];
        const Punkt& b = m_ecken[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            drin = !drin;
    }
    return drin;
}

bool Form::nahe(Punkt a, Punkt b, double abstand) const
{
    const Rechteck& g = m_gitterRahmen;
    const double links = std::min(a.x, b.x) - abstand, rechts = std::max(a.x, b.x) + abstand;
    const double oben = std::min(a.y, b.y) - abstand, unten = std::max(a.y, b.y) + abstand;
    if (rechts < g.links || links > g.rechts || unten < g.oben || oben > g.unten)
        return false;
    const auto zelle = [this](double v, double von) { return std::clamp(int((v - von) / m_zelle), 0, m_zellen - 1); };
    const int x0 = zelle(links, g.links), x1 = zelle(rechts, g.links);
    const int y0 = zelle(oben, g.oben), y1 = zelle(unten, g.oben);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            for (const int i : m_gitter[std::size_t(y * m_zellen + x)]) {
                // Edges that touch are near even with no gap asked for.
                const double d
                    = form::abstand(a, b, m_ecken[std::size_t(i)], m_ecken[(std::size_t(i) + 1) % m_ecken.size()]);
                if (d < abstand || d == 0)
                    return true;
            }
    return false;
}

bool frei(const Form& a, const Lage& la, const Form& b, const Lage& lb, double abstand)
{
    if (a.ecken().empty() || b.ecken().empty())
        return true;
    if (std::hypot(la.ort.x - lb.ort.x, la.ort.y - lb.ort.y) >= a.radius() + b.radius() + abstand)
        return true;
    // b's corners in a's own frame: turned by the difference of the turns,
    // moved by the distance of the origins turned back.
    const double c = std::cos(-la.winkel), s = std::sin(-la.winkel);
    const double dx = lb.ort.x - la.ort.x, dy = lb.ort.y - la.ort.y;
    const Punkt ort{c * dx - s * dy, s * dx + c * dy};
    const double cw = std::cos(lb.winkel - la.winkel), sw = std::sin(lb.winkel - la.winkel);
    std::vector<Punkt> p;
    p.reserve(b.ecken().size());
    for (const Punkt& e : b.ecken())
        p.push_back({ort.x + cw * e.x - sw * e.y, ort.y + sw * e.x + cw * e.y});
    for (std::size_t i = 0; i < p.size(); ++i)
        if (a.nahe(p[i], p[(i + 1) % p.size()], abstand))
            return false;
    // No edges near each other: the shapes lie apart, or one within the other.
    if (a.innen(p.front()))
        return false;
    const Punkt q = a.ecken().front();
    const Punkt zurueck{cw * (q.x - ort.x) + sw * (q.y - ort.y), -sw * (q.x - ort.x) + cw * (q.y - ort.y)};
    return !b.innen(zurueck);
}

bool frei(const Form& f, const Lage& l, const Rechteck& r, double abstand)
{
    const std::vector<Punkt> p = f.gelegt(l);
    const Rechteck um = blatt::umriss([&p] {
        std::vector<blatt::Strecke> s;
        for (std::size_t i = 0; i < p.size(); ++i)
            s.push_back({p[i], p[(i + 1) % p.size()]});
        return s;
    }());
    if (!um.erweitert(abstand).schneidet(r))
        return true;
    const Punkt ecken[] = {{r.links, r.oben}, {r.rechts, r.oben}, {r.rechts, r.unten}, {r.links, r.unten}};
    for (std::size_t i = 0; i < p.size(); ++i) {
        const Punkt& a = p[i];
        const Punkt& b = p[(i + 1) % p.size()];
        if (blatt::schneidet({a, b}, r))
            return false;
        for (int k = 0; k < 4; ++k)
            if (form::abstand(a, b, ecken[k], ecken[(k + 1) % 4]) < abstand)
                return false;
    }
    // Apart from the rectangle's edges: the rectangle may yet lie inside.
    const Lage zurueck{-l.winkel, {}};
    return !f.innen(zurueck({ecken[0].x - l.ort.x, ecken[0].y - l.ort.y}));
}

} // namespace form
