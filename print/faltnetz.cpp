// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/faltnetz.h"

#include "net/laterne.h"
#include "net/vieleck.h"
#include "paper/blatt.h"
#include "platform/sprache.h"
#include "print/zeilen.h"
#include "print/zusammenbau.h"

#include <QCoreApplication>
#include <QLineF>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
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
constexpr double kLegendeSchrift = 8;
const QString kSchrift = QStringLiteral("Liberation Sans");
// The window's number on its insert.
constexpr double kNummerSchrift = 12;
// How far to each side of a line the colour under it is looked for, cm:
// well within the bleed, beyond the width of the line.
constexpr double kSeitlich = 0.05;

BgrColor bgr(const netz::Rgb& f)
{
    return BgrColor(f.rot) | BgrColor(f.gruen) << 8 | BgrColor(f.blau) << 16;
}

// A shade of the colour that stands out on it: dark on a light colour,
// light on a dark one.
BgrColor kontrast(const netz::Rgb& f)
{
    const bool hell = 0.299 * f.rot + 0.587 * f.gruen + 0.114 * f.blau >= 128;
    const auto kanal = [hell](int w) { return hell ? w / 4 : w + (255 - w) * 4 / 5; };
    return bgr({kanal(f.rot), kanal(f.gruen), kanal(f.blau)});
}

// The colours printed on a piece, which its lines and texts stand out on.
class Farben {
public:
    Farben() = default;
    Farben(const netz::Netz& n, const netz::Teil& t)
    {
        for (const netz::Anstrich& a : t.anstrich)
            if (!a.anschnitt.empty())
                m_flaechen.emplace_back(&a.anschnitt, netz::druckfarbe(n, t, a));
    }

    // Black on white paper and where a line parts colour from white (a tab's
    // fold), else the shade that stands out on the colour.
    BgrColor linie(netz::Punkt a, netz::Punkt b) const
    {
        const double l = netz::laenge(b - a);
        if (m_flaechen.empty() || l == 0)
            return kSchwarz;
        const netz::Punkt m = 0.5 * (a + b), quer = (kSeitlich / l) * netz::Punkt{a.y - b.y, b.x - a.x};
        const std::optional<netz::Rgb> links = bei(m + quer);
        return links && bei(m - quer) ? kontrast(*links) : kSchwarz;
    }

    BgrColor text(netz::Punkt p) const
    {
        const std::optional<netz::Rgb> f = bei(p);
        return f ? kontrast(*f) : kSchwarz;
    }

private:
    std::optional<netz::Rgb> bei(netz::Punkt p) const
    {
        for (const auto& [flaeche, farbe] : m_flaechen)
            if (netz::drinnen(*flaeche, p))
                return farbe;
        return std::nullopt;
    }

    std::vector<std::pair<const std::vector<netz::Punkt>*, netz::Rgb>> m_flaechen;
};

struct Seite {
    PrinterPort& p;
    blatt::Inhalt belegt{};

    void linie(netz::Punkt a, netz::Punkt b) { linien({{a, b}}); }

    // The lines in one go per colour, so that a document states their pen
    // once.
    void linien(const std::vector<std::pair<netz::Punkt, netz::Punkt>>& strecken, const Farben& farben = {})
    {
        std::map<BgrColor, std::vector<std::pair<netz::Punkt, netz::Punkt>>> nachFarbe;
        for (const auto& [a, b] : strecken)
            nachFarbe[farben.linie(a, b)].emplace_back(a, b);
        for (const auto& [farbe, l] : nachFarbe)
            linien(l, farbe);
    }

    void linien(const std::vector<std::pair<netz::Punkt, netz::Punkt>>& strecken, BgrColor farbe)
    {
        std::vector<QLineF> twips;
        twips.reserve(strecken.size());
        for (const auto& [a, b] : strecken) {
            twips.emplace_back(a.x * kTwips, a.y * kTwips, b.x * kTwips, b.y * kTwips);
            belegt.strecke({a.x * kTwips, a.y * kTwips}, {b.x * kTwips, b.y * kTwips});
        }
        p.lines(twips, farbe);
    }

    // A closed path as one cut.
    void umlauf(const std::vector<netz::Punkt>& pfad, const Farben& farben = {})
    {
        std::vector<std::pair<netz::Punkt, netz::Punkt>> strecken;
        for (std::size_t i = 0; i < pfad.size(); ++i)
            strecken.emplace_back(pfad[i], pfad[(i + 1) % pfad.size()]);
        linien(strecken, farben);
    }

    void flaeche(const std::vector<netz::Punkt>& pfad, BgrColor farbe)
    {
        std::vector<QPointF> twips;
        twips.reserve(pfad.size());
        for (const netz::Punkt& q : pfad)
            twips.emplace_back(q.x * kTwips, q.y * kTwips);
        p.fillPolygon(twips, farbe);
    }

    // The folds of one kind together, each in one colour from end to end.
    void falten(const std::vector<netz::Falte>& alle, const Farben& farben = {})
    {
        std::map<BgrColor, std::vector<std::pair<netz::Punkt, netz::Punkt>>> tal, berg;
        for (const netz::Falte& f : alle) {
            const BgrColor farbe = farben.linie(f.a, f.b);
            (f.art == netz::Falz::Tal ? tal : berg)[farbe].emplace_back(f.a, f.b);
        }
        p.setLineWidthMm(kFalteMm);
        for (const auto& [art, falze] : {std::pair(LineStyle::Dash, &tal), std::pair(LineStyle::DashDot, &berg)}) {
            p.setLineStyle(art);
            for (const auto& [farbe, strecken] : *falze)
                linien(strecken, farbe);
        }
    }

    void text(double x, double y, double punkte, const QString& t)
    {
        p.setFontSize(punkte);
        p.textAt(x, y, t);
        belegt.flaeche({x, y, x + p.textWidth(t), y + p.lineHeight()});
    }

    // Centred on its advance in the font, as the net's labels were given
    // room for.
    void mittig(netz::Punkt m, double punkte, const QString& t, BgrColor farbe = kSchwarz)
    {
        p.setFontSize(punkte);
        p.setTextColor(farbe);
        text(m.x * kTwips - p.textWidth(t) / 2, m.y * kTwips - punkte * 10, punkte, t);
        p.setTextColor(kSchwarz);
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
// copies of the star together; one piece and one sheet in the singular.
QString teileText(int oben, int unten, int kopien, int blaetter)
{
    const auto teile = [](int n) { return n == 1 ? Faltnetz::tr("1 Teil") : Faltnetz::tr("%1 Teile").arg(n); };
    const QString auf = blaetter == 1 ? Faltnetz::tr("1 Blatt") : Faltnetz::tr("%1 Blättern").arg(blaetter);
    if (kopien > 1 && unten > 0)
        return Faltnetz::tr("%1 Sterne, jeder aus Oberteil %2 und Unterteil %3, zusammen auf %4")
            .arg(QString::number(kopien), teile(oben), teile(unten), auf);
    if (kopien > 1) {
        const QString je = oben == 1 ? Faltnetz::tr("1 Teil") : Faltnetz::tr("%1 Teilen").arg(oben);
        return Faltnetz::tr("%1 Sterne aus einer Hälfte zu je %2, zusammen auf %3").arg(QString::number(kopien), je, auf);
    }
    if (unten > 0)
        return Faltnetz::tr("Oberteil %1, Unterteil %2, auf %3").arg(teile(oben), teile(unten), auf);
    return Faltnetz::tr("Eine Hälfte, %1, auf %2").arg(teile(oben), auf);
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
    if (n.einsatzBlaetter > 0) {
        zeilen << Faltnetz::tr("5. Die Einsätze ab Blatt %1 ausschneiden und, bevor die Hälften zusammengeklebt "
                               "werden, von innen hinter die Fenster gleicher Form kleben, Klebstoff nur außerhalb "
                               "der dünnen Linie.")
                      .arg(n.blaetter + 1);
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
    netz::Szene stern = netz::szene(n, n.vorgabe);
    if (n.vorgabe.farbig)
        stern.farbe = n.vorgabe.farbe;
    ZusammenbauZeichnen(p, bild, stern, n.koerper, unten > 0 ? 2 : 1);
    s.belegt.flaeche(bild);
    pruefmass(s, a);
}

void BlattZeichnen(PrinterPort& p, const netz::Netz& n, const Angaben& a, int blatt)
{
    Seite s{p};
    p.setFontName(kSchrift);
    // Every colour of the sheet first, so that no bleed covers a line of
    // the piece beside it.
    for (const netz::Teil& t : n.teile) {
        for (const netz::Anstrich& f : t.anstrich)
            if (t.blatt == blatt && !f.anschnitt.empty())
                s.flaeche(f.anschnitt, bgr(netz::druckfarbe(n, t, f)));
    }
    for (const netz::Teil& t : n.teile) {
        if (t.blatt != blatt)
            continue;
        const Farben farben(n, t);
        p.setLineWidthMm(kSchnittMm);
        p.setLineStyle(LineStyle::Solid);
        for (const netz::Loch& l : t.loecher)
            s.umlauf(l.pfad, farben);
        s.umlauf(t.schnitt, farben);
        s.falten(t.falten, farben);
        for (const netz::Text& x : t.texte)
            s.mittig(x.mitte, x.punkte, sprache::text(x.text), farben.text(x.mitte));
    }
    for (const netz::Einsatz& e : n.einsaetze) {
        if (e.blatt != blatt)
            continue;
        p.setLineStyle(LineStyle::Solid);
        p.setLineWidthMm(kSchnittMm);
        s.umlauf(e.umriss);
        // Where the glue ends.
        p.setLineWidthMm(kFalteMm);
        s.umlauf(e.fenster);
        s.mittig(e.mitte, kNummerSchrift, QString::number(e.nummer));
    }
    // The footer band beside the check scale's square, where no piece lies.
    const double breite = n.blattBreite - netz::kPruefmassFeld;
    const double unten = s.legende(0, n.blattHoehe - netz::kFusszeile + 0.3, breite);
    p.setFontSize(9);
    s.text(0, (unten + 0.1) * kTwips, 9,
        zeilen::kuerzen(p,
            Faltnetz::tr("Blatt %1 von %2 – %3").arg(blatt + 1).arg(n.blaetter + n.einsatzBlaetter).arg(a.name),
            breite * kTwips));
    pruefmass(s, a);
}

druck::Ergebnis NetzDrucken(PrinterPort& p, const netz::Netz& n, const Angaben& a)
{
    if (!p.available())
        return druck::Ergebnis::KeinDrucker;
    p.setLandscape(false);
    AnleitungZeichnen(p, n, a);
    for (int b = 0; b < n.blaetter + n.einsatzBlaetter; ++b) {
        p.newPage();
        BlattZeichnen(p, n, a, b);
    }
    return p.endDoc() ? druck::Ergebnis::Gedruckt : druck::Ergebnis::Abgelehnt;
}

} // namespace faltnetz
