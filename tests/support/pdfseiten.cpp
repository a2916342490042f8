// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdfseiten.h"

#include "paper/blatt.h"
#include "paper/pruefmass.h"
#include "printer.h"
#include "program.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <gtest/gtest.h>
#include <cmath>

namespace {

constexpr double kPunkteProTwip = 1 / 20.0;
// Rounding in the PDF and in poppler's boxes.
constexpr double kSpiel = 0.3;

} // namespace

std::vector<PdfSeite> pdfSeiten(const QString& pdf)
{
    const QString box = QString::fromUtf8(run(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"}));
    static const QRegularExpression seite(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression wort(QStringLiteral(
        R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"));
    std::vector<PdfSeite> r;
    for (const QString& zeile : box.split(QLatin1Char('\n'))) {
        if (const QRegularExpressionMatch m = seite.match(zeile); m.hasMatch()) {
            r.push_back({QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()), {}});
        } else if (const QRegularExpressionMatch w = wort.match(zeile); w.hasMatch() && !r.empty()) {
            const QPointF a(w.captured(1).toDouble(), w.captured(2).toDouble());
            const QPointF b(w.captured(3).toDouble(), w.captured(4).toDouble());
            r.back().woerter.push_back({QTextDocumentFragment::fromHtml(w.captured(5)).toPlainText(), QRectF(a, b)});
        }
    }
    return r;
}

void pruefeSeite(const QString& pdf, int nummer, const PdfSeite& seite, double randMm, const QString& erstesWort)
{
    SCOPED_TRACE(QStringLiteral("%1, page %2").arg(pdf).arg(nummer).toStdString());
    // The page's margin in whole points, never less than asked.
    const double rand = std::ceil(randMm / 25.4 * 72 - 1e-9);
    const QRectF flaeche = QRectF(QPointF(), seite.groesse).adjusted(rand, rand, -rand, -rand);
    // The scale's square and the room around it, in points.
    const double seitePt = pruefmass::kSeite * kPunkteProTwip;
    const double abstand = pruefmass::kAbstand * kPunkteProTwip;
    const QPointF ecke = flaeche.bottomRight() - QPointF(1, 1) * (pruefmass::kRand * kPunkteProTwip + seitePt);
    const QRectF quadrat(ecke, QSizeF(seitePt, seitePt));
    const QRectF innen = quadrat.adjusted(-kSpiel, -kSpiel, kSpiel, kSpiel);
    const QRectF raum = quadrat.adjusted(-abstand + kSpiel, -abstand + kSpiel, abstand - kSpiel, abstand - kSpiel);

    bool gefunden = false;
    for (const PdfWort& w : seite.woerter) {
        EXPECT_TRUE(flaeche.adjusted(-kSpiel, -kSpiel, kSpiel, kSpiel).contains(w.box))
            << w.text.toStdString() << " at " << w.box.left() << ", " << w.box.top() << " to " << w.box.right()
            << ", " << w.box.bottom() << " outside the margin of " << randMm << " mm";
        const bool eigenes = innen.contains(w.box);
        gefunden |= eigenes && w.text == erstesWort;
        EXPECT_TRUE(eigenes || !raum.intersects(w.box))
            << w.text.toStdString() << " at " << w.box.left() << ", " << w.box.top() << " on the check scale";
    }
    EXPECT_TRUE(gefunden) << "no check scale";
    const blatt::Rechteck r{raum.left(), raum.top(), raum.right(), raum.bottom()};
    for (const QLineF& l : pdfLines(pdf, nummer)) {
        const bool eigene = innen.contains(l.p1()) && innen.contains(l.p2());
        EXPECT_TRUE(eigene || !blatt::schneidet({{l.x1(), l.y1()}, {l.x2(), l.y2()}}, r))
            << "line " << l.x1() << ", " << l.y1() << " to " << l.x2() << ", " << l.y2() << " on the check scale";
    }
}
