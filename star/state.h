// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

// The whole state of the star. The window owns exactly one of these for its
// whole life; every procedure of the program reads and writes it. The values
// here are the ones the window has when it is created: zero, false and empty.
// Form_Load gives them their defaults.
struct PeloxState {
    using Ecken = std::array<float, 101>;           // index 0 is never used
    using KurvenPunkte = std::array<std::array<float, 5>, 101>;  // [edge][slot]

    // Star parameters
    std::int16_t AnzahlSpitzen = 0;
    float AussenDurchmesser = 0;
    float InnenDurchmesser = 0;
    float AussenDurchmesserNeu = 0;
    float InnenDurchmesserNeu = 0;
    float YFaktor = 0;

    // Corners, in cm of the true-size star relative to its centre, y downward
    Ecken Radius{};
    Ecken PunktX{};
    Ecken PunktY{};
    std::int16_t AnzahlEcken = 0;

    // Screen view
    float Pi = 0;
    float TwipsProPixel = 0;
    float TwipsProCm = 0;
    float PixelProCm = 0;
    float VerkleinerungA4 = 0;
    float Verkleinerung = 0;
    float Massstab = 0;
    float MitteX = 0;
    float MitteY = 0;
    float ZiehGrenzeLinks = 0;
    float ZiehGrenzeRechts = 0;
    float ZiehGrenzeOben = 0;
    float ZiehGrenzeUnten = 0;
    float FangAbstand = 0;
    std::int16_t ZiehEcke = 0;
    std::int16_t Gezogen = 0;

    // Printer
    float DruckMitteX = 0;
    float DruckMitteY = 0;
    float DruckMassstab = 0;

    // Files
    std::string Pfad;
    std::string DateiName;
    std::string BildName;
    std::string DateiPfad;
    std::string BildPfad;
    std::string DateiKennung;

    // Options
    std::int16_t PeloxForm = 0;
    std::int16_t StrichDicke = 0;
    std::int16_t ZweiA4 = 0;

    // Line curve
    bool KurveEin = false;
    std::array<float, 5> KurvenWert{};  // 1 to 3 are used
    KurvenPunkte KurvePunktX{};
    KurvenPunkte KurvePunktY{};
    float Kp1 = 0;
    float Kp2 = 0;
    float Kp3 = 0;
    float KurveNullY = 0;
    float KurveLinks = 0;
    float KurveRechts = 0;
    float KurveOben = 0;
    float KurveUnten = 0;
    float KurveBreite = 0;
    float KurveX1 = 0;
    float KurveX2 = 0;
    float KurveX3 = 0;
    float KurveY1 = 0;
    float KurveY2 = 0;
    float KurveY3 = 0;
    float RichtungX = 0;
    float RichtungY = 0;
    float VersatzX = 0;
    float VersatzY = 0;
    std::array<float, 5> TeilX{};
    std::array<float, 5> TeilY{};

    // Picture export, in pixels of the export picture
    float BildMitteX = 0;
    float BildMitteY = 0;
    float BildBreite = 0;
    float BildHoehe = 0;
};
