// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/druck.h"

#include "platform/numbers.h"
#include "render/figure.h"

#include <QStringList>

namespace druck {

namespace {

// Every half of the star on two sheets has its centre on a cut line this far
// in from the sheet's edge.
constexpr float kSchnittRand = 500;
// The centre mark on paper, in twips.
constexpr double kMittenKreis = 60;

// The six lines of the data block.
QStringList Textblock(const PeloxState& s)
{
    // The height is brought to a float before it becomes text, so 0.7 prints as 70.
    const float hoehe = static_cast<float>(double(s.YFaktor) * 100);
    return {
        QStringLiteral("  Dateiname = ") + QString::fromStdString(s.DateiPfad),
        QStringLiteral("  Anzahl Spitzen = ") + QString::number(s.AnzahlSpitzen),
        QStringLiteral("  Aussenmass = ") + numbers::kurz(s.AussenDurchmesser) + QStringLiteral(" cm"),
        QStringLiteral("  Innenmass = ") + numbers::kurz(s.InnenDurchmesser) + QStringLiteral(" cm"),
        QStringLiteral("  Kp1= ") + numbers::kurz(s.Kp1) + QStringLiteral("  Kp2= ") + numbers::kurz(s.Kp2)
            + QStringLiteral("  Kp3= ") + numbers::kurz(s.Kp3),
        QStringLiteral("  Höhe = ") + numbers::kurz(hoehe) + QStringLiteral("%"),
    };
}

void TextDrucken(PrinterPort& drucker, const PeloxState& s)
{
    for (const QString& zeile : Textblock(s))
        drucker.printLine(zeile);
}

void Schnittlinie(PrinterPort& drucker, float blattMitteX)
{
    drucker.setLineStyle(LineStyle::Dash);
    const float h = static_cast<float>(drucker.pageHeight());
    drucker.line(blattMitteX, 0, blattMitteX, h, kSchwarz);
}

Ergebnis EinBlatt(PrinterPort& drucker, const PeloxState& s, const Steuerung& st)
{
    TextDrucken(drucker, s);
    if (st.duenn)
        drucker.setLineWidth(2);
    if (st.dick)
        drucker.setLineWidth(6);
    drucker.setLineStyle(LineStyle::Solid);
    const FigureMapping m1{s.DruckMassstab, s.DruckMitteX, s.DruckMitteY, false};
    drawFigure(drucker, s, m1, 1, s.AnzahlEcken, st.dreiD, kMittenKreis);
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

// The halves are exchanged in x and y: the lower half of the screen picture
// lies right of the first sheet's cut line, the upper half left of the second's.
Ergebnis ZweiBlaetter(PrinterPort& drucker, const PeloxState& s, const Steuerung& st)
{
    const int halbeEcken = s.AnzahlEcken / 2;

    ZweiBlattStrich(drucker, st);
    float blattMitteX = kSchnittRand;
    drawFigure(drucker, s, FigureMapping{s.DruckMassstab, blattMitteX, s.DruckMitteY, true}, 1, halbeEcken,
        st.dreiD, kMittenKreis);
    Schnittlinie(drucker, blattMitteX);
    if (!drucker.endDoc())
        return Ergebnis::Abgelehnt;

    TextDrucken(drucker, s);
    ZweiBlattStrich(drucker, st);
    blattMitteX = static_cast<float>(drucker.pageWidth() - kSchnittRand);
    drawFigure(drucker, s, FigureMapping{s.DruckMassstab, blattMitteX, s.DruckMitteY, true}, halbeEcken + 1,
        s.AnzahlEcken, st.dreiD, kMittenKreis);
    Schnittlinie(drucker, blattMitteX);
    return drucker.endDoc() ? Ergebnis::Gedruckt : Ergebnis::ZweitesBlattFehlt;
}

} // namespace

Ergebnis Drucken(PrinterPort& drucker, const PeloxState& s, const Steuerung& st)
{
    // Asked before the first job: without a printer nothing is begun, not
    // even the first of two sheets.
    if (!drucker.available())
        return Ergebnis::KeinDrucker;
    drucker.setFontName(QStringLiteral("courier"));
    drucker.setFontSize(10);
    return st.zweiBlaetter ? ZweiBlaetter(drucker, s, st) : EinBlatt(drucker, s, st);
}

} // namespace druck
