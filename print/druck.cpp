// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/druck.h"

#include "paper/blatt.h"
#include "paper/pruefmass.h"
#include "platform/numbers.h"
#include "platform/sprache.h"
#include "render/figure.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <algorithm>

namespace druck {

namespace {

class Druck {
    Q_DECLARE_TR_FUNCTIONS(Druck)
};

// Every half of the star on two sheets has its centre on a cut line this far
// in from the sheet's edge.
constexpr float kSchnittRand = 500;
// The check scale's lines, in dots.
constexpr int kPruefmassStrich = 2;

// Passes the figure on to the printer, if there is one, and keeps the place
// of every line.
class Mitschrift : public DrawingSurface {
public:
    explicit Mitschrift(DrawingSurface* ziel) : m_ziel(ziel) {}
    blatt::Inhalt inhalt;

    void setLineWidth(int width) override
    {
        if (m_ziel)
            m_ziel->setLineWidth(width);
    }
    void setLineStyle(LineStyle style) override
    {
        if (m_ziel)
            m_ziel->setLineStyle(style);
    }
    void line(double x1, double y1, double x2, double y2, BgrColor color) override
    {
        inhalt.strecke({x1, y1}, {x2, y2});
        if (m_ziel)
            m_ziel->line(x1, y1, x2, y2, color);
    }
    void circle(double x, double y, double radius, BgrColor color) override
    {
        inhalt.flaeche({x - radius, y - radius, x + radius, y + radius});
        if (m_ziel)
            m_ziel->circle(x, y, radius, color);
    }

private:
    DrawingSurface* m_ziel;
};

// The part of the star on one sheet: its edges and the mapping onto the page.
struct Blatt {
    int erste;
    int letzte;
    FigureMapping abbildung;
};

Blatt EinBlatt(const PeloxState& s)
{
    return {1, s.AnzahlEcken, FigureMapping{s.DruckMassstab, s.DruckMitteX, s.DruckMitteY, false}};
}

// The halves are exchanged in x and y: the lower half of the screen picture
// lies right of the first sheet's cut line, the upper half left of the second's.
Blatt HalbesBlatt(const PeloxState& s, bool erstes, float blattMitteX)
{
    const int halbeEcken = s.AnzahlEcken / 2;
    return {erstes ? 1 : halbeEcken + 1, erstes ? halbeEcken : s.AnzahlEcken,
        FigureMapping{s.DruckMassstab, blattMitteX, s.DruckMitteY, true}};
}

// The figure on a sheet, drawn on ziel unless that is null.
blatt::Inhalt Figur(DrawingSurface* ziel, const PeloxState& s, const Blatt& b, bool dreiD)
{
    Mitschrift m(ziel);
    drawFigure(m, s, b.abbildung, b.erste, b.letzte, dreiD, kMittenKreis);
    return std::move(m.inhalt);
}

// The six lines of the data block.
QStringList Textblock(const PeloxState& s)
{
    // The height is brought to a float before it becomes text, so 0.7 prints as 70.
    const float hoehe = static_cast<float>(double(s.YFaktor) * 100);
    return {
        Druck::tr("  Dateiname = ")
            + (s.DateiPfad.empty() ? Druck::tr("(nicht gespeichert)") : QFile::decodeName(s.DateiPfad.c_str())),
        Druck::tr("  Anzahl Spitzen = ") + QString::number(s.AnzahlSpitzen),
        Druck::tr("  Aussenmass = ") + numbers::kurz(s.AussenDurchmesser) + QStringLiteral(" cm"),
        Druck::tr("  Innenmass = ") + numbers::kurz(s.InnenDurchmesser) + QStringLiteral(" cm"),
        QStringLiteral("  Kp1= ") + numbers::kurz(s.Kp1) + QStringLiteral("  Kp2= ") + numbers::kurz(s.Kp2)
            + QStringLiteral("  Kp3= ") + numbers::kurz(s.Kp3),
        Druck::tr("  Höhe = ") + numbers::kurz(hoehe) + QStringLiteral("%"),
    };
}

// The data block, and below it the calibration the printer applies to this
// document, if any; asked once the document is open, so that the line
// tells what this sheet was printed with. Gives the place the block takes.
blatt::Rechteck TextDrucken(PrinterPort& drucker, const PeloxState& s)
{
    QStringList zeilen = Textblock(s);
    for (const QString& zeile : zeilen)
        drucker.printLine(zeile);
    const kalibrierung::Korrektur k = drucker.correction();
    if (k.aktiv()) {
        zeilen << Druck::tr("  Korrektur = ") + numbers::einDezimal(k.x * 100) + QStringLiteral(" % x ")
                + numbers::einDezimal(k.y * 100) + QStringLiteral(" %");
        drucker.printLine(zeilen.constLast());
    }
    double breite = 0;
    for (const QString& zeile : zeilen)
        breite = std::max(breite, drucker.textWidth(zeile));
    return {0, 0, breite, double(zeilen.size()) * drucker.lineHeight()};
}

void Schnittlinie(PrinterPort& drucker, float blattMitteX, blatt::Inhalt& inhalt)
{
    drucker.setLineStyle(LineStyle::Dash);
    const float h = static_cast<float>(drucker.pageHeight());
    drucker.line(blattMitteX, 0, blattMitteX, h, kSchwarz);
    inhalt.strecke({blattMitteX, 0}, {blattMitteX, h});
}

Ergebnis EinBlattDrucken(PrinterPort& drucker, const PeloxState& s, const Steuerung& st)
{
    const blatt::Rechteck datenblock = TextDrucken(drucker, s);
    if (st.duenn)
        drucker.setLineWidth(2);
    if (st.dick)
        drucker.setLineWidth(6);
    drucker.setLineStyle(LineStyle::Solid);
    blatt::Inhalt inhalt = Figur(&drucker, s, EinBlatt(s), st.dreiD);
    inhalt.flaeche(datenblock);
    PruefmassDrucken(drucker, st, inhalt, {0, 0, drucker.pageWidth(), drucker.pageHeight()});
    return drucker.endDoc() ? Ergebnis::Gedruckt : Ergebnis::Abgelehnt;
}

void ZweiBlattStrich(PrinterPort& drucker, const Steuerung& st)
{
    if (st.duenn)
        drucker.setLineWidth(1);
    if (st.dick)
        drucker.setLineWidth(2);
    drucker.setLineStyle(LineStyle::Solid);
}

Ergebnis ZweiBlaetterDrucken(PrinterPort& drucker, const PeloxState& s, const Steuerung& st)
{
    ZweiBlattStrich(drucker, st);
    float blattMitteX = kSchnittRand;
    blatt::Inhalt inhalt = Figur(&drucker, s, HalbesBlatt(s, true, blattMitteX), st.dreiD);
    Schnittlinie(drucker, blattMitteX, inhalt);
    PruefmassDrucken(drucker, st, inhalt, {0, 0, drucker.pageWidth(), drucker.pageHeight()});
    if (!drucker.endDoc())
        return Ergebnis::Abgelehnt;

    const blatt::Rechteck datenblock = TextDrucken(drucker, s);
    ZweiBlattStrich(drucker, st);
    blattMitteX = static_cast<float>(drucker.pageWidth() - kSchnittRand);
    inhalt = Figur(&drucker, s, HalbesBlatt(s, false, blattMitteX), st.dreiD);
    Schnittlinie(drucker, blattMitteX, inhalt);
    inhalt.flaeche(datenblock);
    PruefmassDrucken(drucker, st, inhalt, {0, 0, drucker.pageWidth(), drucker.pageHeight()});
    return drucker.endDoc() ? Ergebnis::Gedruckt : Ergebnis::ZweitesBlattFehlt;
}

bool Innerhalb(const blatt::Inhalt& inhalt, double breite, double hoehe)
{
    return blatt::Rechteck{0, 0, breite, hoehe}.enthaelt(inhalt.umriss());
}

} // namespace

void PruefmassDrucken(PrinterPort& drucker, const Steuerung& st, const blatt::Inhalt& belegt, const blatt::Rechteck& bereich)
{
    if (!st.pruefmass)
        return;
    const auto ecke = pruefmass::FreieEcke(belegt, bereich);
    if (!ecke)
        return;
    const pruefmass::Zeichnung z = pruefmass::Zeichnen(*ecke, drucker.lineHeight());
    drucker.setLineWidth(kPruefmassStrich);
    drucker.setLineStyle(LineStyle::Solid);
    for (const blatt::Strecke& strich : z.striche)
        drucker.line(strich.a.x, strich.a.y, strich.b.x, strich.b.y, kSchwarz);
    for (const pruefmass::Text& text : z.texte)
        drucker.textAt(text.obenLinks.x, text.obenLinks.y, sprache::text(text.text));
}


Ergebnis Drucken(PrinterPort& drucker, const PeloxState& s, const Steuerung& st)
{
    // Asked before the first job: without a printer nothing is begun, not
    // even the first of two sheets.
    if (!drucker.available())
        return Ergebnis::KeinDrucker;
    drucker.setFontName(QStringLiteral("courier"));
    drucker.setFontSize(10);
    return st.zweiBlaetter ? ZweiBlaetterDrucken(drucker, s, st) : EinBlattDrucken(drucker, s, st);
}

std::optional<Ueberstand> Pruefen(const PeloxState& s, const Steuerung& st, double seiteBreite, double seiteHoehe)
{
    bool passt = true;
    double flaecheBreite = seiteBreite;
    if (st.zweiBlaetter) {
        const float zweiteMitteX = static_cast<float>(seiteBreite - kSchnittRand);
        passt = Innerhalb(Figur(nullptr, s, HalbesBlatt(s, true, kSchnittRand), st.dreiD), seiteBreite, seiteHoehe)
            && Innerhalb(Figur(nullptr, s, HalbesBlatt(s, false, zweiteMitteX), st.dreiD), seiteBreite, seiteHoehe);
        flaecheBreite = 2 * (seiteBreite - kSchnittRand);
    } else {
        passt = Innerhalb(Figur(nullptr, s, EinBlatt(s), st.dreiD), seiteBreite, seiteHoehe);
    }
    if (passt)
        return std::nullopt;
    // The whole star as it lies on the paper, around its centre.
    const Blatt ganz{1, s.AnzahlEcken, FigureMapping{s.DruckMassstab, 0, 0, st.zweiBlaetter}};
    const blatt::Rechteck stern = Figur(nullptr, s, ganz, st.dreiD).umriss();
    return Ueberstand{stern.breite() / s.DruckMassstab, stern.hoehe() / s.DruckMassstab,
        flaecheBreite / blatt::kTwipsProCm, seiteHoehe / blatt::kTwipsProCm};
}

} // namespace druck
