// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The assembly map: the star reduced with the grid of sheets over it, on the
// poster's first page and in the dialog's preview.
#include "print/poster.h"

#include "platform/numbers.h"
#include "platform/sprache.h"
#include "print/zeilen.h"
#include "render/figure.h"

#include <QCoreApplication>
#include <algorithm>

namespace poster {

namespace {

class Posterdruck {
    Q_DECLARE_TR_FUNCTIONS(Posterdruck)
};

} // namespace

void KarteZeichnen(PageSurface& p, const Poster& poster, const QRectF& rahmen)
{
    const Plan& plan = poster.plan;
    if (plan.blaetter.empty())
        return;
    const Rechteck ganz{plan.ursprung.x, plan.ursprung.y, plan.bereich(plan.spalten - 1, 0).rechts,
        plan.bereich(0, plan.zeilen - 1).unten};
    const double m = std::min(rahmen.width() / (ganz.rechts - ganz.links), rahmen.height() / (ganz.unten - ganz.oben));
    const double x0 = rahmen.center().x() - (ganz.links + ganz.rechts) / 2 * m;
    const double y0 = rahmen.center().y() - (ganz.oben + ganz.unten) / 2 * m;

    p.setLineWidthMm(0.2);
    p.setLineStyle(LineStyle::Solid);
    drawFigure(p, poster.stern, FigureMapping{m, x0, y0, false}, 1, poster.stern.AnzahlEcken, poster.steuerung.dreiD,
        kMittenKreis * m / kTwipsProCm);

    // Labels sized to the sheets on the map, within what stays legible.
    const double zelle = std::min(plan.blattBreite, plan.blattHoehe) * m;
    p.setFontName(QStringLiteral("Liberation Sans"));
    const double punkte = std::clamp(zelle / 20 / 7, 5.0, 14.0);
    p.setFontSize(punkte);
    for (int zeile = 0; zeile < plan.zeilen; ++zeile) {
        for (int spalte = 0; spalte < plan.spalten; ++spalte) {
            const Rechteck r = plan.bereich(spalte, zeile);
            const bool gedruckt = plan.blatt(spalte, zeile) != nullptr;
            const double l = x0 + r.links * m, o = y0 + r.oben * m, re = x0 + r.rechts * m, u = y0 + r.unten * m;
            p.setLineWidthMm(gedruckt ? 0.35 : 0.2);
            p.setLineStyle(gedruckt ? LineStyle::Solid : LineStyle::Dot);
            p.line(l, o, re, o, kSchwarz);
            p.line(re, o, re, u, kSchwarz);
            p.line(re, u, l, u, kSchwarz);
            p.line(l, u, l, o, kSchwarz);
            const QString name = QString::fromStdString(blattName(Blatt{spalte, zeile, r}));
            p.textAt(l + zelle / 10, o + zelle / 10, name);
            if (!gedruckt)
                p.textAt(l + zelle / 10, o + zelle / 10 + punkte * 20 * 1.3, Posterdruck::tr("(leer)"));
        }
    }
}

void KartenSeite(PrinterPort& p, const Poster& poster)
{
    const Plan& plan = poster.plan;
    const Rechteck stern = blatt::umriss(poster.figur);
    p.setFontName(QStringLiteral("Liberation Sans"));
    p.setFontSize(11);
    const QStringList zeilen{
        Posterdruck::tr("Pelox als Poster – %1").arg(poster.name),
        Posterdruck::tr("Außendurchmesser %1 cm, der ganze Stern %2 × %3 cm")
            .arg(numbers::kurz(poster.stern.AussenDurchmesser), sprache::dezimal(stern.breite(), 1),
                sprache::dezimal(stern.hoehe(), 1)),
        Posterdruck::tr("%1, Klebestreifen %2 cm").arg(blaetterText(plan), numbers::kurz(float(plan.kleben))),
        QString(),
        Posterdruck::tr("1. An jedem Blatt mit gestrichelter Linie den Rand an dieser Linie abschneiden."),
        Posterdruck::tr("2. Die Schnittkante genau auf die gepunktete Linie des Nachbarblatts legen, sodass"),
        Posterdruck::tr("    die Marken beider Blätter ineinander übergehen (jede Marke nennt das Nachbarblatt)."),
        Posterdruck::tr("3. Im grauen Streifen „kleben“ festkleben; Reihe für Reihe, links oben beginnen."),
        Posterdruck::tr("Blätter mit „(leer)“ auf der Karte tragen nichts vom Stern und werden nicht gedruckt."),
    };
    // Every line within the margin the page was given.
    qsizetype anzahl = 0;
    for (const QString& z : zeilen) {
        for (const QString& teil : zeilen::umbrechen(p, z, poster.seite.width())) {
            p.printLine(teil);
            ++anzahl;
        }
    }
    // Below the text and one blank line, above the band of the check scale.
    const double kopf = double(anzahl + 1) * p.lineHeight();
    const double band = poster.steuerung.pruefmass ? kPruefmassFuss * kTwipsProCm : 0;
    const double unten = poster.seite.height() - band;
    KarteZeichnen(p, poster, QRectF(0, kopf, poster.seite.width(), unten - kopf));
    p.setFontSize(10);
    druck::PruefmassDrucken(p, poster.steuerung, {}, {0, unten, poster.seite.width(), poster.seite.height()});
}

} // namespace poster
