// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/faltnetz.h"

#include "paper/blatt.h"
#include "platform/sprache.h"
#include "print/zeilen.h"
#include "print/zusammenbau.h"

#include <QCoreApplication>
#include <QLineF>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace faltnetz {

double cm(double twips)
{
    return twips / blatt::kTwipsProCm;
}

namespace {

class Faltnetz {
    Q_DECLARE_TR_FUNCTIONS(Faltnetz)
};

using netz::operator+;
using netz::operator-;
using netz::operator*;

constexpr double kTwips = blatt::kTwipsProCm;
constexpr double kSchnittMm = 0.3;
constexpr double kFalteMm = 0.2;
// The mountain fold's pattern along the line, in cm: dash, gap, dot, gap.
constexpr double kStrich = 0.3;
constexpr double kLuecke = 0.12;
constexpr double kPunkt = 0.03;
constexpr double kLegendeSchrift = 8;
const QString kSchrift = QStringLiteral("Liberation Sans");

struct Seite {
    PrinterPort& p;
    blatt::Inhalt belegt{};

    void linie(netz::Punkt a, netz::Punkt b) { linien({{a, b}}); }

    // The lines in one go, so that a document states their pen once.
    void linien(const std::vector<std::pair<netz::Punkt, netz::Punkt>>& strecken)
    {
        std::vector<QLineF> twips;
        twips.reserve(strecken.size());
        for (const auto& [a, b] : strecken) {
            twips.emplace_back(a.x * kTwips, a.y * kTwips, b.x * kTwips, b.y * kTwips);
            belegt.strecke({a.x * kTwips, a.y * kTwips}, {b.x * kTwips, b.y * kTwips});
        }
        p.lines(twips, kSchwarz);
    }

    // Dash-dot, drawn as solid pieces: the surfaces know dashes and dots
    // but not the two together.
    static void strichPunkt(netz::Punkt a, netz::Punkt b, std::vector<std::pair<netz::Punkt, netz::Punkt>>& stuecke)
    {
        const double l = netz::laenge(b - a);
        if (l == 0)
            return;
        const netz::Punkt u = (1 / l) * (b - a);
        for (double s = 0; s < l; s += kStrich + kPunkt + 2 * kLuecke) {
            stuecke.emplace_back(a + s * u, a + std::min(l, s + kStrich) * u);
            const double punkt = s + kStrich + kLuecke;
            if (punkt < l)
                stuecke.emplace_back(a + punkt * u, a + std::min(l, punkt + kPunkt) * u);
        }
    }

    // The folds of one kind together; they are all black, so their order
    // does not show.
    void falten(const std::vector<netz::Falte>& alle)
    {
        std::vector<std::pair<netz::Punkt, netz::Punkt>> tal, berg;
        for (const netz::Falte& f : alle) {
            if (f.art == netz::Falz::Tal)
                tal.emplace_back(f.a, f.b);
            else
                strichPunkt(f.a, f.b, berg);
        }
        p.setLineWidthMm(kFalteMm);
        p.setLineStyle(LineStyle::Dash);
        linien(tal);
        p.setLineStyle(LineStyle::Solid);
        linien(berg);
    }

    void text(double x, double y, double punkte, const QString& t)
    {
        p.setFontSize(punkte);
        p.textAt(x, y, t);
        belegt.flaeche({x, y, x + p.textWidth(t), y + p.lineHeight()});
    }

    // Centred on its advance in the font, as the net's labels were given
    // room for.
    void mittig(netz::Punkt m, double punkte, const QString& t)
    {
        p.setFontSize(punkte);
        text(m.x * kTwips - p.textWidth(t) / 2, m.y * kTwips - punkte * 10, punkte, t);
    }

    // What the three lines mean, from the top-left corner of the legend on,
    // in as many rows as the width (cm) asks for, each text cut short where
    // even a row of its own is too narrow; the legend's bottom in cm.
    double legende(double x, double y, double breite)
    {
        const double lang = 1.2, abstand = 0.3;
        p.setFontSize(kLegendeSchrift);
        const double zeile = cm(p.lineHeight()), mitte = kLegendeSchrift * 20 / kTwips * 0.6;
        QString texte[] = {Faltnetz::tr("schneiden"), Faltnetz::tr("Talfalte (nach vorn falten)"),
            Faltnetz::tr("Bergfalte (nach hinten falten)")};
        double links = x;
        for (QString& t : texte)
            t = zeilen::kuerzen(p, t, (breite - lang - abstand) * kTwips);
        for (int i = 0; i < 3; ++i) {
            const double ende = links + lang + abstand + cm(p.textWidth(texte[i]));
            if (links > x && ende - x > breite) {
                links = x;
                y += zeile;
            }
            const netz::Punkt a{links, y + mitte}, b{links + lang, y + mitte};
            if (i == 0) {
                p.setLineWidthMm(kSchnittMm);
                p.setLineStyle(LineStyle::Solid);
                linie(a, b);
            } else {
                falten({{a, b, i == 1 ? netz::Falz::Tal : netz::Falz::Berg}});
            }
            links += lang + abstand;
            text(links * kTwips, y * kTwips, kLegendeSchrift, texte[i]);
            links += cm(p.textWidth(texte[i])) + 2 * abstand;
        }
        return y + zeile;
    }
};

void pruefmass(Seite& s, const Angaben& a)
{
    druck::Steuerung st;
    st.pruefmass = a.pruefmass;
    s.p.setFontSize(10);
    druck::PruefmassDrucken(s.p, st, s.belegt, {0, 0, s.p.pageWidth(), s.p.pageHeight()});
}

// How many pieces there are of each half and on how many sheets, for the
// copies of the star together.
QString teileText(int oben, int unten, int kopien, int blaetter)
{
    if (kopien > 1 && unten > 0)
        return Faltnetz::tr("%1 Sterne, jeder aus Oberteil %2 Teile und Unterteil %3 Teile, zusammen auf %4 Blättern")
            .arg(kopien)
            .arg(oben)
            .arg(unten)
            .arg(blaetter);
    if (kopien > 1)
        return Faltnetz::tr("%1 Sterne aus einer Hälfte zu je %2 Teilen, zusammen auf %3 Blättern")
            .arg(kopien)
            .arg(oben)
            .arg(blaetter);
    if (unten > 0)
        return Faltnetz::tr("Oberteil %1 Teile, Unterteil %2 Teile, auf %3 Blättern")
            .arg(oben)
            .arg(unten)
            .arg(blaetter);
    return Faltnetz::tr("Eine Hälfte, %1 Teile, auf %2 Blättern").arg(oben).arg(blaetter);
}

} // namespace

void AnleitungZeichnen(PrinterPort& p, const netz::Netz& n, const Angaben& a)
{
    Seite s{p};
    p.setFontName(kSchrift);
    // The pieces of one star; every copy has the same.
    int oben = 0, unten = 0;
    for (const netz::Teil& t : n.teile)
        ++(t.oberteil ? oben : unten);
    oben /= n.kopien;
    unten /= n.kopien;
    const double grad = n.winkelsumme * 180 / std::acos(-1.0);
    QStringList zeilen{
        Faltnetz::tr("Faltstern – %1").arg(a.name),
        Faltnetz::tr("Größe %1, Spitze %2 cm über der Mitte, Winkelsumme einer Hälfte %3°")
            .arg(sprache::text(netz::groesse(netz::ausmass(n.koerper))), sprache::dezimal(n.koerper.hoehe, 1),
                sprache::dezimal(grad, 1)),
        teileText(oben, unten, n.kopien, n.blaetter),
        QString(),
        Faltnetz::tr("1. Jedes Teil mit seinen Laschen an der durchgezogenen Linie ausschneiden."),
        Faltnetz::tr("2. Alle Faltlinien mit Lineal und stumpfer Spitze vorritzen. Gedruckt ist die Außenseite:"),
        Faltnetz::tr("    Talfalten nach vorn falten, Bergfalten und alle Laschen nach hinten."),
        Faltnetz::tr("3. Die Teile einer Hälfte an den Speichen mit gleichem Buchstaben zusammenkleben:"),
        Faltnetz::tr("    die Lasche unter die Kante mit demselben Buchstaben."),
    };
    if (unten > 0) {
        zeilen << Faltnetz::tr("4. Oberteil und Unterteil an den Kanten mit gleicher Nummer zusammenkleben:")
               << Faltnetz::tr(
                      "    die Laschen des Unterteils innen unter die Kanten des Oberteils, Nummer für Nummer.");
    } else {
        zeilen << Faltnetz::tr("4. Die Hälfte mit den Laschen am Rand auf Karton oder ans Fenster kleben.");
    }
    const double zeile = 11 * 20 * 1.3;
    double y = 0;
    p.setFontSize(11);
    for (const QString& z : zeilen) {
        for (const QString& teil : zeilen::umbrechen(p, z, p.pageWidth())) {
            s.text(0, y, 11, teil);
            y += zeile;
        }
    }
    y = s.legende(0, cm(y + zeile), cm(p.pageWidth())) * kTwips;
    // The finished star below, beside nothing else, clear of the bottom
    // corners where the check scale goes.
    const double bildOben = y + 2 * zeile;
    const double bildHoehe = std::min(12 * kTwips, p.pageHeight() - bildOben - 6 * kTwips);
    const blatt::Rechteck bild{0, bildOben, p.pageWidth(), bildOben + bildHoehe};
    ZusammenbauZeichnen(p, bild, n.koerper, unten > 0 ? 2 : 1);
    s.belegt.flaeche(bild);
    pruefmass(s, a);
}

void BlattZeichnen(PrinterPort& p, const netz::Netz& n, const Angaben& a, int blatt)
{
    Seite s{p};
    p.setFontName(kSchrift);
    for (const netz::Teil& t : n.teile) {
        if (t.blatt != blatt)
            continue;
        p.setLineWidthMm(kSchnittMm);
        p.setLineStyle(LineStyle::Solid);
        std::vector<std::pair<netz::Punkt, netz::Punkt>> schnitt;
        for (std::size_t i = 0; i < t.schnitt.size(); ++i)
            schnitt.emplace_back(t.schnitt[i], t.schnitt[(i + 1) % t.schnitt.size()]);
        s.linien(schnitt);
        s.falten(t.falten);
        for (const netz::Text& x : t.texte)
            s.mittig(x.mitte, x.punkte, sprache::text(x.text));
    }
    // The footer band beside the check scale's square, where no piece lies.
    const double breite = n.blattBreite - netz::kPruefmassFeld;
    const double unten = s.legende(0, n.blattHoehe - netz::kFusszeile + 0.3, breite);
    p.setFontSize(9);
    s.text(0, (unten + 0.1) * kTwips, 9,
        zeilen::kuerzen(p, Faltnetz::tr("Blatt %1 von %2 – %3").arg(blatt + 1).arg(n.blaetter).arg(a.name),
            breite * kTwips));
    pruefmass(s, a);
}

druck::Ergebnis NetzDrucken(PrinterPort& p, const netz::Netz& n, const Angaben& a)
{
    if (!p.available())
        return druck::Ergebnis::KeinDrucker;
    p.setLandscape(false);
    AnleitungZeichnen(p, n, a);
    for (int b = 0; b < n.blaetter; ++b) {
        p.newPage();
        BlattZeichnen(p, n, a, b);
    }
    return p.endDoc() ? druck::Ergebnis::Gedruckt : druck::Ergebnis::Abgelehnt;
}

} // namespace faltnetz
