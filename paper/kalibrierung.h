// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Measuring a printer: it prints two rulers of known length, the user
// measures them, and every later print on that printer is scaled on each
// axis of the paper by nominal / measured length.
namespace kalibrierung {

// The rulers of the calibration sheet, in cm.
constexpr double kLinealWaagrecht = 18;
constexpr double kLinealSenkrecht = 25;

// Factors outside these are no printer tolerance but a mistake.
constexpr double kKleinsterFaktor = 0.90;
constexpr double kGroessterFaktor = 1.10;
// Beyond this a print dialog or driver scales the page.
constexpr double kVerdaechtig = 0.03;

// The factors on the paper's x and y axis; 1 x 1 is no correction.
struct Korrektur {
    double x = 1;
    double y = 1;

    bool aktiv() const { return x != 1 || y != 1; }
    friend bool operator==(const Korrektur&, const Korrektur&) = default;
};

// The factors on the axes of the page as it is drawn: on paper lying on its
// side the page's x runs along the paper's y.
constexpr Korrektur aufSeite(const Korrektur& k, bool quer)
{
    return quer ? Korrektur{k.y, k.x} : k;
}

// A factor that may be used: a number within the limits.
bool Gueltig(double faktor);

enum class Urteil {
    Gut,
    Verdaechtig,  // within the limits, but off by more than 3 % on an axis
    Unmoeglich,   // outside the limits, or a length that is no length
};

struct Einmessung {
    Korrektur korrektur;
    Urteil urteil = Urteil::Unmoeglich;
};

// The correction from the lengths measured on the calibration sheet, in cm.
Einmessung Einmessen(double waagrechtGemessen, double senkrechtGemessen);

} // namespace kalibrierung
