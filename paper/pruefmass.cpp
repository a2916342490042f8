// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/pruefmass.h"

namespace pruefmass {

namespace {

constexpr double kCm = blatt::kTwipsProCm;
constexpr double kStrich = 0.2 * kCm;     // a centimetre tick
constexpr double kEndStrich = 0.4 * kCm;  // the ticks that end a bar

} // namespace

Zeichnung Zeichnen(blatt::Punkt ecke, double zeile)
{
    const double x0 = ecke.x;
    const double y0 = ecke.y;
    const double unten = y0 + kSeite;
    Zeichnung z;
    z.striche.push_back({{x0, y0}, {x0, unten}});
    z.striche.push_back({{x0, unten}, {x0 + kSeite, unten}});
    // Ticks point into the L; the corner where the bars meet needs none.
    for (int cm = 0; cm < 5; ++cm) {
        const double laenge = cm == 0 ? kEndStrich : kStrich;
        z.striche.push_back({{x0, y0 + cm * kCm}, {x0 + laenge, y0 + cm * kCm}});
        z.striche.push_back({{x0 + kSeite - cm * kCm, unten}, {x0 + kSeite - cm * kCm, unten - laenge}});
    }
    const double links = x0 + 0.5 * kCm;
    z.texte = {
        {{links, y0 + 0.3 * kCm}, PELOX_TEXT("pruefmass", "Prüfmaß: nachmessen,")},
        {{links, y0 + 0.3 * kCm + zeile}, PELOX_TEXT("pruefmass", "beide Striche müssen")},
        {{links, y0 + 0.3 * kCm + 2 * zeile}, PELOX_TEXT("pruefmass", "5 cm lang sein.")},
        {{links, y0 + 2.5 * kCm - zeile / 2}, Phrase("5 cm")},
        {{x0 + 2.5 * kCm - 2 * blatt::kZeichenBreite, unten - kEndStrich - zeile}, Phrase("5 cm")},
    };
    return z;
}

std::optional<blatt::Punkt> FreieEcke(const blatt::Inhalt& belegt, const blatt::Rechteck& bereich)
{
    const double links = bereich.links + kRand;
    const double oben = bereich.oben + kRand;
    const double rechts = bereich.rechts - kRand - kSeite;
    const double unten = bereich.unten - kRand - kSeite;
    if (rechts < links || unten < oben)
        return std::nullopt;
    for (const blatt::Punkt ecke : {blatt::Punkt{rechts, unten}, blatt::Punkt{links, unten},
             blatt::Punkt{rechts, oben}, blatt::Punkt{links, oben}}) {
        const blatt::Rechteck platz{ecke.x, ecke.y, ecke.x + kSeite, ecke.y + kSeite};
        if (!belegt.beruehrt(platz.erweitert(kAbstand)))
            return ecke;
    }
    return std::nullopt;
}

} // namespace pruefmass
