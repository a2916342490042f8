// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/umrisszeichnung.h"

#include "render/figure.h"

#include <algorithm>

namespace {

using zeichnung::Rolle;

// Collects what the figure routine draws, in mm. A line that starts where
// the last one ended continues it; the outline, drawn first, ends where it
// began and is closed there; what follows are marks.
class Sammler : public DrawingSurface {
public:
    zeichnung::Zeichnung z;

    void setLineWidth(int) override {}
    void setLineStyle(LineStyle) override {}
    void line(double x1, double y1, double x2, double y2, BgrColor) override
    {
        const zeichnung::Punkt a{x1, y1}, b{x2, y2};
        if (!m_offen || a.x != m_ende.x || a.y != m_ende.y) {
            z.linien.push_back({m_umrissFertig ? Rolle::Zeichen : Rolle::Schnitt, 0, {a}, false});
            m_offen = true;
        }
        zeichnung::Linie& l = z.linien.back();
        m_ende = b;
        if (l.rolle == Rolle::Schnitt && b.x == l.punkte.front().x && b.y == l.punkte.front().y) {
            l.geschlossen = true;
            m_umrissFertig = true;
            m_offen = false;
            return;
        }
        l.punkte.push_back(b);
    }
    void circle(double x, double y, double r, BgrColor) override
    {
        z.linien.push_back(zeichnung::kreis(Rolle::Zeichen, 0, {x, y}, r));
        m_offen = false;
    }

private:
    zeichnung::Punkt m_ende;
    bool m_offen = false;
    bool m_umrissFertig = false;
};

} // namespace

zeichnung::Zeichnung umrissZeichnung(const PeloxState& s, bool dreiD, bool nurSchnitt)
{
    // As on the printout: the centre mark 60 twips across, 3 mm around all.
    const double kreis = 60.0 / 566.0;
    const double rand = 0.3;
    double minX = -kreis, maxX = kreis, minY = -kreis, maxY = kreis;
    const auto einschliessen = [&](double x, double y) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    };
    for (int i = 1; i <= s.AnzahlEcken + 1; ++i) {
        einschliessen(s.PunktX[i], s.PunktY[i]);
        if (s.KurveEin && i <= s.AnzahlEcken)
            for (int k = 1; k <= 3; ++k)
                einschliessen(s.KurvePunktX[i][k], s.KurvePunktY[i][k]);
    }
    Sammler sammler;
    drawFigure(sammler, s, {10.0, (rand - minX) * 10, (rand - minY) * 10, false}, 1, s.AnzahlEcken, dreiD,
        kreis * 10);
    zeichnung::Zeichnung& z = sammler.z;
    z.breite = (maxX - minX + 2 * rand) * 10;
    z.hoehe = (maxY - minY + 2 * rand) * 10;
    z.blattBreite = z.breite;
    if (nurSchnitt)
        std::erase_if(z.linien, [](const zeichnung::Linie& l) { return l.rolle != Rolle::Schnitt; });
    return z;
}
