// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One sheet of the poster. The sheet left of or above a join carries the glue
// strip; its neighbour is cut along its own edge there and laid onto the
// strip, so that its cut edge meets the dotted line and the marks of both
// sheets run on into each other.
#include "print/poster.h"

#include "print/druck.h"
#include "print/posterclip.h"
#include "print/zeilen.h"
#include "render/figure.h"

#include <QCoreApplication>
#include <array>

namespace poster {

namespace {

class Posterdruck {
    Q_DECLARE_TR_FUNCTIONS(Posterdruck)
};

constexpr BgrColor kKlebeGrau = 0xE6E6E6;
constexpr double kMarke = kTwipsProCm;        // length of an alignment mark
constexpr double kAbstand = 0.2 * kTwipsProCm;  // of texts from their lines
constexpr double kRandLinieMm = 0.3;
// "dünn" and "dick" as widths on paper, both plain to see on any printer.
constexpr double kDuennMm = 0.25;
constexpr double kDickMm = 0.7;

// Two alignment marks on each join, a third of the way in from each end:
// far enough apart to lay the sheets straight by.
std::array<double, 2> marken(double laenge)
{
    return {laenge / 3, laenge * 2 / 3};
}

QString label(const Blatt& b)
{
    return QString::fromStdString(blattName(b));
}

struct Seite {
    PrinterPort& p;
    double breite;
    double hoehe;
    double kleben;
    // Everything drawn on the sheet, for the check scale to keep clear of.
    blatt::Inhalt belegt{};

    void strich(double x1, double y1, double x2, double y2, LineStyle stil)
    {
        p.setLineStyle(stil);
        p.line(x1, y1, x2, y2, kSchwarz);
        belegt.strecke({x1, y1}, {x2, y2});
    }

    void text(double x, double y, double punkte, const QString& t)
    {
        p.setFontSize(punkte);
        p.textAt(x, y, t);
        belegt.flaeche({x, y, x + p.textWidth(t), y + p.lineHeight()});
    }

    // The word on the part of the glue strip from x, y of breite x hoehe, in
    // the largest size that fits inside; left out where none does.
    void klebeWort(double x, double y, double breite, double hoehe)
    {
        const QString wort = Posterdruck::tr("kleben");
        for (const double punkte : {8.0, 7.0, 6.0}) {
            p.setFontSize(punkte);
            if (p.textWidth(wort) + kAbstand <= breite && p.lineHeight() + kAbstand <= hoehe) {
                text(x + kAbstand / 2, y + kAbstand / 2, punkte, wort);
                return;
            }
        }
    }

    void flaeche(double x, double y, double w, double h)
    {
        p.fill(x, y, w, h, kKlebeGrau);
        belegt.flaeche({x, y, x + w, y + h});
    }

    // The strip along the right edge (or, turned, the bottom) that the
    // neighbour is glued onto, with two marks labelled with that neighbour.
    void klebeRechts(const QString& nachbar)
    {
        const double x = breite - kleben;
        if (kleben > 0) {
            flaeche(x, 0, kleben, hoehe);
            klebeWort(x, hoehe / 2, kleben, hoehe / 2);
        }
        strich(x, 0, x, hoehe, LineStyle::Dot);
        for (const double y : marken(hoehe)) {
            strich(x - kMarke, y, x, y, LineStyle::Solid);
            text(x - kMarke, y + kAbstand, 9, nachbar);
        }
    }

    void klebeUnten(const QString& nachbar)
    {
        const double y = hoehe - kleben;
        if (kleben > 0) {
            flaeche(0, y, breite, kleben);
            klebeWort(breite / 2, y, breite / 2, kleben);
        }
        strich(0, y, breite, y, LineStyle::Dot);
        for (const double x : marken(breite)) {
            strich(x, y - kMarke, x, y, LineStyle::Solid);
            text(x + kAbstand, y - kMarke, 9, nachbar);
        }
    }

    // The cut line along the left edge (or the top), where this sheet is laid
    // onto its neighbour's strip, with the marks that continue the neighbour's.
    void schnittLinks(const QString& nachbar)
    {
        strich(0, 0, 0, hoehe, LineStyle::Dash);
        for (const double y : marken(hoehe)) {
            strich(0, y, kMarke, y, LineStyle::Solid);
            text(kAbstand, y + kAbstand, 9, nachbar);
        }
    }

    void schnittOben(const QString& nachbar)
    {
        strich(0, 0, breite, 0, LineStyle::Dash);
        for (const double x : marken(breite)) {
            strich(x, 0, x, kMarke, LineStyle::Solid);
            text(x + kAbstand, kAbstand, 9, nachbar);
        }
    }
};

} // namespace

void BlattZeichnen(PrinterPort& p, const Poster& poster, std::size_t nummer)
{
    const Plan& plan = poster.plan;
    const Blatt& b = plan.blaetter[nummer];
    // The star's part of the sheet, above the band that holds the check scale.
    const double hoehe = plan.blattHoehe * kTwipsProCm;
    Seite seite{p, poster.seite.width(), hoehe, plan.kleben * kTwipsProCm};
    p.setFontName(QStringLiteral("Liberation Sans"));
    p.setLineWidthMm(kRandLinieMm);
    if (const Blatt* n = plan.blatt(b.spalte + 1, b.zeile))
        seite.klebeRechts(label(*n));
    if (const Blatt* n = plan.blatt(b.spalte, b.zeile + 1))
        seite.klebeUnten(label(*n));
    if (const Blatt* n = plan.blatt(b.spalte - 1, b.zeile))
        seite.schnittLinks(label(*n));
    if (const Blatt* n = plan.blatt(b.spalte, b.zeile - 1))
        seite.schnittOben(label(*n));

    p.setLineWidthMm(poster.steuerung.dick ? kDickMm : kDuennMm);
    p.setLineStyle(LineStyle::Solid);
    ClipSurface blatt(p, {0, 0, seite.breite, seite.hoehe});
    const FigureMapping m{kTwipsProCm, -b.bereich.links * kTwipsProCm, -b.bereich.oben * kTwipsProCm, false};
    drawFigure(blatt, poster.stern, m, 1, poster.stern.AnzahlEcken, poster.steuerung.dreiD, kMittenKreis);

    const double rand = 0.5 * kTwipsProCm;
    seite.text(rand + kAbstand, rand, 28, label(b));
    p.setFontSize(9);
    seite.text(rand + kAbstand, rand + 1.4 * kTwipsProCm, 9,
        zeilen::kuerzen(p,
            Posterdruck::tr("Blatt %1 von %2 – %3").arg(nummer + 1).arg(plan.blaetter.size()).arg(poster.name),
            seite.breite - rand - kAbstand));

    // The band below the star, where nothing else lies, a millimetre in from
    // the cut line along a join on the left.
    const double mm = 0.1 * kTwipsProCm;
    const blatt::Rechteck band{plan.blatt(b.spalte - 1, b.zeile) ? mm : 0, seite.hoehe, seite.breite,
        poster.seite.height()};
    p.setFontSize(10);
    druck::PruefmassDrucken(p, poster.steuerung, seite.belegt, band);
}

} // namespace poster
