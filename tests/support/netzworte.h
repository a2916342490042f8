// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/program.h"

#include "net/ebene.h"
#include "paper/blatt.h"

#include <QRegularExpression>
#include <cmath>
#include <vector>

// The words of a net's PDF page as poppler finds them, each with its box in
// cm of the sheet's printable area, where the net's pieces lie.
struct Wort {
    QString text;
    netz::Rechteck r;
};

inline std::vector<Wort> woerter(const QString& pdf, int seite)
{
    // The PDF's margin, whole points, and its points in cm.
    const double rand = std::ceil(blatt::kPdfRandMm / 25.4 * 72 - 1e-9);
    constexpr double kCm = 2.54 / 72;
    const QString s = QString::number(seite);
    const QString box = QString::fromUtf8(run(QStringLiteral("pdftotext"), {"-bbox", "-f", s, "-l", s, pdf, "-"}));
    static const QRegularExpression muster(QStringLiteral(
        "xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)<"));
    std::vector<Wort> w;
    for (auto it = muster.globalMatch(box); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const auto cm = [&](int i) { return (m.captured(i).toDouble() - rand) * kCm; };
        w.push_back({m.captured(5), {cm(1), cm(2), cm(3), cm(4)}});
    }
    return w;
}
