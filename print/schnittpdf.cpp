// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/schnittpdf.h"

#include "paper/blatt.h"

namespace {

constexpr double kTwipsProMm = blatt::kTwipsProCm / 10;
// As thin as a cutter's software still shows it.
constexpr double kStrichMm = 0.1;
constexpr BgrColor kRot = 0x0000ff;
constexpr BgrColor kBlau = 0xff0000;

BgrColor farbe(zeichnung::Rolle r)
{
    switch (r) {
    case zeichnung::Rolle::Berg:
        return kRot;
    case zeichnung::Rolle::Tal:
        return kBlau;
    case zeichnung::Rolle::Schnitt:
    case zeichnung::Rolle::Zeichen:
    case zeichnung::Rolle::Blatt:
        break;
    }
    return kSchwarz;
}

} // namespace

bool schnittQuer(const zeichnung::Zeichnung& z)
{
    return z.blattSchritt > 0 && z.blattBreite > z.hoehe;
}

void schnittZeichnen(PrinterPort& p, const zeichnung::Zeichnung& z)
{
    const bool mittig = z.blattSchritt == 0;
    p.setLandscape(schnittQuer(z));
    for (int b = 0; b < z.blaetter; ++b) {
        if (b > 0)
            p.newPage();
        const QSizeF seite = p.pageSize();
        const double links = mittig ? (seite.width() - z.breite * kTwipsProMm) / 2 : -b * z.blattSchritt * kTwipsProMm;
        const double oben = mittig ? (seite.height() - z.hoehe * kTwipsProMm) / 2 : 0;
        p.setLineWidthMm(kStrichMm);
        p.setLineStyle(LineStyle::Solid);
        for (const zeichnung::Linie& l : z.linien) {
            if (l.blatt != b)
                continue;
            const std::size_t n = l.punkte.size();
            for (std::size_t i = 0; i + 1 < n + (l.geschlossen ? 1 : 0); ++i) {
                const zeichnung::Punkt a = l.punkte[i], e = l.punkte[(i + 1) % n];
                p.line(links + a.x * kTwipsProMm, oben + a.y * kTwipsProMm, links + e.x * kTwipsProMm,
                    oben + e.y * kTwipsProMm, farbe(l.rolle));
            }
        }
    }
    p.endDoc();
}
