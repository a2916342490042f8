// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The net's PDF from the command line, read back: the check scale on every
// page, in German and in English, with nothing of the net on it; and the
// footer beside it on narrow paper.
#include "support/dateitest.h"
#include "support/pdfseiten.h"
#include "support/program.h"
#include "support/sprachlauf.h"

#include "net/entwurf.h"
#include "paper/blatt.h"
#include "print/faltnetz.h"
#include "support/fakes.h"

#include <QFileInfo>
#include <map>
#include <utility>

namespace {

using NetzPruefmass = DateiTest;

} // namespace

// Examples on every paper, with few sheets and with few pieces, narrow and
// wide tabs: the pieces take the top corners and the legend runs along the
// whole bottom; the scale keeps its corner all the same.
TEST_F(NetzPruefmass, EveryPageOfTheNetCarriesTheCheckScaleWithNothingOnIt)
{
    speichere(pfad("start.plx"));
    const struct {
        QString datei;
        QStringList optionen;
        const Sprache& sprache;
    } faelle[] = {
        {pfad("start.plx"), {"--peak", "1", "--tab", "2"}, kDeutsch},
        {pfad("start.plx"), {"--peak", "3.8", "--fewest", "sheets", "--tab", "0.5", "--paper", "Letter"}, kEnglisch},
        {beispiel("sonne"), {"--peak", "1.5", "--paper", "Legal"}, kDeutsch},
        {beispiel("blume"), {"--peak", "2", "--halves", "1", "--paper", "A3"}, kEnglisch},
        {beispiel("kompassrose"), {"--peak", "2", "--fewest", "sheets"}, kDeutsch},
        {beispiel("weihnachtsstern"), {"--peak", "natural", "--paper", "Letter"}, kEnglisch},
        {beispiel("bethlehemstern"), {"--peak", "0.5", "--halves", "1"}, kDeutsch},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE((f.datei + ' ' + f.optionen.join(' ')).toStdString());
        const QString pdf = pfad("netz.pdf");
        ASSERT_EQ(pelox(f.sprache, QStringList{"--net", pdf} + f.optionen + QStringList{f.datei}), 0);
        const std::vector<PdfSeite> seiten = pdfSeiten(pdf);
        ASSERT_GE(seiten.size(), 2u);
        for (std::size_t i = 0; i < seiten.size(); ++i)
            pruefeSeite(pdf, int(i) + 1, seiten[i], blatt::kPdfRandMm, f.sprache.erstesWort);
    }
}

// The legend wraps into rows beside the check scale where the paper is narrow
// and is cut short where even a row is too narrow; the footer stays on the
// sheet and off the scale, on A4, A5 and A6 with their printers' margins.
TEST(NetzFuss, OnNarrowPaperTheFooterWrapsBesideTheCheckScale)
{
    const double cm = blatt::kTwipsProCm;
    for (const auto& [breite, hoehe] : {std::pair(19.73, 28.43), std::pair(13.53, 19.73), std::pair(9.23, 13.53)}) {
        SCOPED_TRACE(breite);
        netz::Vorgabe v;
        v.hoehe = 1;
        v.blattBreite = breite;
        v.blattHoehe = hoehe;
        const netz::Ergebnis e = netz::entfalten(netzStern(8, 6, 3), v);
        ASSERT_TRUE(e.netz) << e.grund.asWritten();
        FakePrinter drucker;
        drucker.width = breite * cm;
        drucker.height = hoehe * cm;
        faltnetz::BlattZeichnen(drucker, *e.netz, {QStringLiteral("ein recht langer Name eines Sterns.plx"), 6}, 0);

        const QRectF seite(0, 0, drucker.width, drucker.height);
        const QPointF ecke = seite.bottomRight() - QPointF(1, 1) * (pruefmass::kRand + pruefmass::kSeite);
        const QRectF quadrat(ecke, QSizeF(pruefmass::kSeite, pruefmass::kSeite));
        const QRectF raum = quadrat.adjusted(-pruefmass::kAbstand, -pruefmass::kAbstand, 0, 0);
        EXPECT_TRUE(drucker.texte().contains(QStringLiteral("Prüfmaß: nachmessen,")));
        int zeilen = 0;
        double punkte = 0;
        for (const Drawing::Op& o : drucker.ops) {
            if (o.kind == Drawing::Op::FontSize)
                punkte = o.a;
            if (o.kind == Drawing::Op::TextAt) {
                const QRectF box(o.a, o.b, punkte * 12 * double(o.text.size()), punkte * 25);
                EXPECT_TRUE(seite.contains(box)) << o.text.toStdString();
                EXPECT_TRUE(quadrat.contains(box) || !raum.intersects(box)) << o.text.toStdString();
                zeilen += !quadrat.contains(box) && o.b > drucker.height - netz::kFusszeile * cm;
            }
            if (o.kind == Drawing::Op::Line) {
                const QRectF l = QRectF(QPointF(o.a, o.b), QPointF(o.c, o.d)).normalized();
                EXPECT_TRUE(quadrat.contains(l) || !raum.intersects(l)) << o.a << ", " << o.b;
            }
        }
        // Three texts of the legend and the sheet's line.
        EXPECT_EQ(zeilen, 4);
    }
}

// The legend's samples are the lines they name as the sheet draws them: the
// cut solid and thick, the valley fold dashed, the mountain fold dash-dot.
TEST(NetzFuss, TheLegendsSamplesAreTheLinesTheyName)
{
    netz::Vorgabe v;
    v.hoehe = 1;
    v.blattBreite = 19.73;
    v.blattHoehe = 28.43;
    const netz::Ergebnis e = netz::entfalten(netzStern(8, 6, 3), v);
    ASSERT_TRUE(e.netz) << e.grund.asWritten();
    FakePrinter drucker;
    drucker.width = v.blattBreite * blatt::kTwipsProCm;
    drucker.height = v.blattHoehe * blatt::kTwipsProCm;
    faltnetz::BlattZeichnen(drucker, *e.netz, {QStringLiteral("stern.plx"), 6}, 0);
    // The lines drawn before each text, since the text before it.
    std::map<QString, std::vector<Drawing::Op>> vor;
    std::vector<Drawing::Op> linien;
    for (const Drawing::Op& o : drucker.ops) {
        if (o.kind == Drawing::Op::Line)
            linien.push_back(o);
        if (o.kind == Drawing::Op::TextAt)
            vor[o.text] = std::exchange(linien, {});
    }
    const std::vector<Drawing::Op>& schnitt = vor["schneiden"];
    const std::vector<Drawing::Op>& tal = vor["Talfalte (nach vorn falten)"];
    const std::vector<Drawing::Op>& berg = vor["Bergfalte (nach hinten falten)"];
    ASSERT_EQ(schnitt.size(), 1u);
    EXPECT_EQ(schnitt[0].style, LineStyle::Solid);
    EXPECT_DOUBLE_EQ(schnitt[0].widthMm, 0.3);
    ASSERT_EQ(tal.size(), 1u);
    EXPECT_EQ(tal[0].style, LineStyle::Dash);
    EXPECT_DOUBLE_EQ(tal[0].widthMm, 0.2);
    ASSERT_EQ(berg.size(), 1u);
    EXPECT_EQ(berg[0].style, LineStyle::DashDot);
    EXPECT_DOUBLE_EQ(berg[0].widthMm, 0.2);
}
