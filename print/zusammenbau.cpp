// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/zusammenbau.h"

#include "net/ansicht.h"
#include "net/netz.h"
#include "platform/sprache.h"
#include "render/sternbild.h"

#include <algorithm>

namespace faltnetz {

namespace {

constexpr double kSchrift = 10;
// Twips to the millimetre, for the widths of the lines.
constexpr double kTwipsProMm = blatt::kTwipsProCm / 10;

// The picture on paper, shifted to its place on the page.
class Papier : public SternbildFlaeche {
public:
    Papier(PrinterPort& p, double links, double oben) : m_p(p), m_links(links), m_oben(oben) {}

    void dreieck(const std::array<netz::Punkt, 3>& ecken, BgrColor farbe) override
    {
        std::vector<QPointF> punkte;
        for (const netz::Punkt& e : ecken)
            punkte.emplace_back(m_links + e.x, m_oben + e.y);
        m_p.fillPolygon(punkte, farbe);
    }

    void vieleck(const std::vector<netz::Punkt>& ecken, BgrColor farbe) override
    {
        std::vector<QPointF> punkte;
        punkte.reserve(ecken.size());
        for (const netz::Punkt& e : ecken)
            punkte.emplace_back(m_links + e.x, m_oben + e.y);
        m_p.fillPolygon(punkte, farbe);
    }

    void strich(netz::Punkt a, netz::Punkt b, double breite, BgrColor farbe) override
    {
        m_p.setLineWidthMm(breite / kTwipsProMm);
        m_p.line(m_links + a.x, m_oben + a.y, m_links + b.x, m_oben + b.y, farbe);
    }

private:
    PrinterPort& m_p;
    double m_links;
    double m_oben;
};

} // namespace

void ZusammenbauZeichnen(PrinterPort& p, const blatt::Rechteck& r, const netz::Koerper& k, int haelften)
{
    ZusammenbauZeichnen(p, r, netz::szene(k, haelften), k, haelften);
}

void ZusammenbauZeichnen(
    PrinterPort& p, const blatt::Rechteck& r, const netz::Szene& s, const netz::Koerper& k, int haelften)
{
    const double zeile = kSchrift * 20 * 1.4;
    const double seite = std::min(r.breite(), r.hoehe() - zeile);
    if (seite <= 0)
        return;
    const double links = r.links + (r.breite() - seite) / 2;
    p.setLineStyle(LineStyle::Solid);
    Papier papier(p, links, r.oben);
    if (s.leuchtend)
        papier.vieleck({{0, 0}, {seite, 0}, {seite, seite}, {0, seite}}, hintergrund(s));
    // The outline a third of a millimetre wide, as the cut lines of the net.
    sternbildZeichnen(papier, s, netz::startKamera(), seite, seite, 0.3 * kTwipsProMm);
    p.setFontSize(kSchrift);
    p.textAt(links, r.oben + seite + zeile * 0.2, sprache::text(netz::fertigerStern(k, haelften)));
}

} // namespace faltnetz
