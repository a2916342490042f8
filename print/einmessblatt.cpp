// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/einmessblatt.h"

#include "paper/blatt.h"
#include "paper/kalibrierung.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace druck {

namespace {

class Einmessblatt {
    Q_DECLARE_TR_FUNCTIONS(Einmessblatt)
};

constexpr double kCm = blatt::kTwipsProCm;
constexpr double kRand = 0.5 * kCm;

// The tick of millimetre mm: longer at every half and whole centimetre.
double Strichlaenge(int mm)
{
    return mm % 10 == 0 ? 0.4 * kCm : mm % 5 == 0 ? 0.25 * kCm : 0.15 * kCm;
}

QString Zahl(int cm, int ende)
{
    return QString::number(cm) + (cm == ende ? QStringLiteral(" cm") : QString());
}

} // namespace

Ergebnis Einmessblatt(PrinterPort& drucker)
{
    if (!drucker.available())
        return Ergebnis::KeinDrucker;
    drucker.setCorrected(false);
    drucker.setFontName(QStringLiteral("courier"));
    drucker.setFontSize(10);
    drucker.setLineWidth(2);
    drucker.setLineStyle(LineStyle::Solid);

    const int waagrecht = int(kalibrierung::kLinealWaagrecht);
    const int senkrecht = int(kalibrierung::kLinealSenkrecht);
    // The zero of both rulers, with the L in the middle of the drawing area.
    const double x0 = std::max(kRand, (drucker.pageWidth() - waagrecht * kCm) / 2);
    const double y0 = std::min(drucker.pageHeight() - kRand, (drucker.pageHeight() + senkrecht * kCm) / 2);
    const double zeile = drucker.lineHeight();

    drucker.line(x0, y0, x0 + waagrecht * kCm, y0, kSchwarz);
    for (int mm = 1; mm <= 10 * waagrecht; ++mm) {
        const double x = x0 + mm * kCm / 10;
        drucker.line(x, y0, x, y0 - Strichlaenge(mm), kSchwarz);
        if (mm % 10 == 0) {
            const QString zahl = Zahl(mm / 10, waagrecht);
            drucker.textAt(x - drucker.textWidth(QString::number(mm / 10)) / 2, y0 - 0.5 * kCm - zeile, zahl);
        }
    }
    drucker.line(x0, y0, x0, y0 - senkrecht * kCm, kSchwarz);
    for (int mm = 1; mm <= 10 * senkrecht; ++mm) {
        const double y = y0 - mm * kCm / 10;
        drucker.line(x0, y, x0 + Strichlaenge(mm), y, kSchwarz);
        if (mm % 10 == 0)
            drucker.textAt(x0 + 0.6 * kCm, y - zeile / 2, Zahl(mm / 10, senkrecht));
    }

    const QStringList anleitung{
        Einmessblatt::tr("Einmessblatt"),
        Einmessblatt::tr("1. Dieses Blatt in Originalgröße (100 %) drucken,"),
        Einmessblatt::tr("   nicht an die Seite angepasst."),
        Einmessblatt::tr("2. Beide Lineale von der Ecke bis zum Ende nachmessen:"),
        Einmessblatt::tr("   waagrecht 18 cm, senkrecht 25 cm."),
        Einmessblatt::tr("3. Die gemessenen Längen im Fenster"),
        Einmessblatt::tr("   \"Drucker einmessen\" eintragen."),
    };
    double y = y0 - senkrecht * kCm + kCm;
    for (const QString& text : anleitung) {
        drucker.textAt(x0 + 2 * kCm, y, text);
        // A blank line below the heading.
        y += text == anleitung.constFirst() ? 2 * zeile : zeile;
    }
    const bool angenommen = drucker.endDoc();
    drucker.setCorrected(true);
    return angenommen ? Ergebnis::Gedruckt : Ergebnis::Abgelehnt;
}

} // namespace druck
