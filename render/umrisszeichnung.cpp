// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/umrisszeichnung.h"

#include "render/figure.h"

#include <algorithm>
#include <cmath>

namespace {

using zeichnung::Rolle;

// Collects what the figure routine draws, in mm. A line that starts where
// the last one ended continues it; the outline, drawn first, is cut, what
// follows are marks.
class Sammler : public DrawingSurface {
public:
    zeichnung::Zeichnung z;

    void setLineWidth(int) override {}
    void setLineStyle(LineStyle) override {}
    void line(double x1, double y1, double x2, double y2, BgrColor) override
    {
        if (!m_offen || x1 != m_ende.x || y1 != m_ende.y) {
            z.linien.push_back({z.linien.empty() ? Rolle::Schnitt : Rolle::Zeichen, 0, {{x1, y1}}, false});
            m_offen = true;
        }
        m_ende = {x2, y2};
        z.linien.back().punkte.push_back(m_ende);
    }
    void circle(double x, double y, double r, BgrColor) override
    {
        z.linien.push_back(zeichnung::kreis(Rolle::Zeichen, 0, {x, y}, r));
        m_offen = false;
    }

private:
    zeichnung::Punkt m_ende;
    bool m_offen = false;
};

} // namespace

zeichnung::Zeichnung umrissZeichnung(const PeloxState& s, bool dreiD, bool nurSchnitt)
{
    const UmrissRahmen r = umrissRahmen(s);
    Sammler sammler;
    drawFigure(sammler, s, {10.0, r.links * 10, r.oben * 10, false}, 1, s.AnzahlEcken, dreiD, r.kreis * 10);
    zeichnung::Zeichnung& z = sammler.z;
    // The outline ends at the corner it began with, computed once more and
    // so a little apart from it, at most a rounding: it is closed there.
    if (!z.linien.empty()) {
        zeichnung::Linie& umriss = z.linien.front();
        const zeichnung::Punkt a = umriss.punkte.front(), e = umriss.punkte.back();
        if (umriss.punkte.size() > 3 && std::hypot(e.x - a.x, e.y - a.y) < 1e-3) {
            umriss.punkte.pop_back();
            umriss.geschlossen = true;
        }
    }
    z.breite = r.breite * 10;
    z.hoehe = r.hoehe * 10;
    z.blattBreite = z.breite;
    if (nurSchnitt)
        std::erase_if(z.linien, [](const zeichnung::Linie& l) { return l.rolle != Rolle::Schnitt; });
    return z;
}
