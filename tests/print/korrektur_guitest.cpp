// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The printer's correction as the paper receives it, without a print server:
// the printer port's own drawing into a PDF, for a printer calibrated 2 %
// narrow across its paper and 2 % long down it, read back from the vector
// data. The check scale's bars show the factor on each axis of the page.
#include "support/printer.h"
#include "support/star.h"

#include "platform/pdffile.h"
#include "print/einmessblatt.h"
#include "print/poster.h"

#include <QTemporaryDir>

namespace {

constexpr double kPunkteProCm = 72 / 2.54;

// A printer calibrated to 0.98 x 1.02 of the paper standing upright.
class KalibrierterDrucker : public PdfFilePrinter {
protected:
    kalibrierung::Korrektur calibration() override { return {0.98, 1.02}; }
};

// Each page's stroked lines, in points from the paper's top-left corner.
std::vector<std::vector<QLineF>> seiten(KalibrierterDrucker& drucker, int anzahl)
{
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath("k.pdf");
    QFile datei(pdf);
    EXPECT_TRUE(datei.open(QIODevice::WriteOnly) && datei.write(drucker.pdf()) > 0);
    datei.close();
    std::vector<std::vector<QLineF>> r;
    for (int i = 1; i <= anzahl; ++i)
        r.push_back(pdfLines(pdf, i));
    return r;
}

// The lengths in cm of the lines along one axis of the page, between von and bis cm.
std::vector<double> laengen(const std::vector<QLineF>& linien, bool waagrecht, double von, double bis)
{
    std::vector<double> r;
    for (const QLineF& l : linien) {
        const double cm = l.length() / kPunkteProCm;
        if (std::abs(waagrecht ? l.dy() : l.dx()) < 1e-3 && cm > von && cm < bis)
            r.push_back(cm);
    }
    return r;
}

// Every line inside the page's drawing area: the paper less its margin.
void innerhalb(const std::vector<QLineF>& linien, QSizeF papier)
{
    const double rand = blatt::kPdfRandMm / 25.4 * 72;
    const QRectF flaeche = QRectF(QPointF(), papier).adjusted(rand - 0.1, rand - 0.1, 0.1 - rand, 0.1 - rand);
    for (const QLineF& l : linien)
        EXPECT_TRUE(flaeche.contains(l.p1()) && flaeche.contains(l.p2())) << l.x1() << ", " << l.y1() << " to "
                                                                          << l.x2() << ", " << l.y2();
}

// A4 as a PDF page has it, in whole points.
const QSizeF kA4Punkte(595, 842);

} // namespace

// One sheet and both of two: the star and the check scale scaled by the
// paper's factors, every sheet inside its drawing area.
TEST(Korrektur, OneAndTwoSheetsFollowThePaper)
{
    for (const bool zwei : {false, true}) {
        SCOPED_TRACE(zwei);
        KalibrierterDrucker drucker;
        PeloxState s = startStern();
        s.DruckMassstab = 566;
        star::SeitenMitte(s, drucker.pageWidth(), drucker.pageHeight());
        druck::Steuerung st;
        st.zweiBlaetter = zwei;
        ASSERT_EQ(druck::Drucken(drucker, s, st), druck::Ergebnis::Gedruckt);
        for (const std::vector<QLineF>& linien : seiten(drucker, zwei ? 2 : 1)) {
            const std::vector<double> quer = laengen(linien, true, 4, 6), hoch = laengen(linien, false, 4, 6);
            ASSERT_EQ(quer.size(), 1u);
            ASSERT_EQ(hoch.size(), 1u);
            EXPECT_NEAR(quer[0], 5 * 0.98, 0.01);
            EXPECT_NEAR(hoch[0], 5 * 1.02, 0.01);
            innerhalb(linien, kA4Punkte);
        }
    }
}

// On paper lying on its side the page's x runs down the paper: the bar
// across the page is the longer one, and a 50 cm star at 40 % height stays
// on its sheets.
TEST(Korrektur, ALandscapePosterFollowsThePaperTurned)
{
    KalibrierterDrucker drucker;
    PeloxState s = startStern();
    s.YFaktor = 0.4f;
    star::PeloxBerechnung(s);
    const poster::Poster p
        = poster::entwerfen(s, {}, {50, 1, poster::Ausrichtung::Querformat}, drucker.pageSize());
    ASSERT_TRUE(p.plan.quer);
    ASSERT_EQ(poster::PosterDrucken(drucker, p), druck::Ergebnis::Gedruckt);
    // Every sheet's check scale is measured; the map's grid has lines of
    // about that length besides its own.
    const std::vector<std::vector<QLineF>> alle = seiten(drucker, int(p.plan.blaetter.size()) + 1);
    ASSERT_EQ(alle.size(), p.plan.blaetter.size() + 1);
    for (std::size_t i = 0; i < alle.size(); ++i) {
        innerhalb(alle[i], kA4Punkte.transposed());
        if (i == 0)
            continue;
        const std::vector<double> quer = laengen(alle[i], true, 4.5, 5.5), hoch = laengen(alle[i], false, 4.5, 5.5);
        ASSERT_EQ(quer.size(), 1u);
        ASSERT_EQ(hoch.size(), 1u);
        EXPECT_NEAR(quer[0], 5 * 1.02, 0.01);
        EXPECT_NEAR(hoch[0], 5 * 0.98, 0.01);
    }
}

// The calibration sheet measures the printer as it is: rulers of 18 and 25
// cm whatever is stored, and the next printout is corrected again.
TEST(Korrektur, TheCalibrationSheetIsNotCorrected)
{
    KalibrierterDrucker drucker;
    ASSERT_EQ(druck::Einmessblatt(drucker), druck::Ergebnis::Gedruckt);
    EXPECT_EQ(drucker.correction(), (kalibrierung::Korrektur{0.98, 1.02}));
    const std::vector<QLineF> linien = seiten(drucker, 1)[0];
    const std::vector<double> waagrecht = laengen(linien, true, 10, 30), senkrecht = laengen(linien, false, 10, 30);
    ASSERT_EQ(waagrecht.size(), 1u);
    ASSERT_EQ(senkrecht.size(), 1u);
    EXPECT_NEAR(waagrecht[0], 18, 0.001);
    EXPECT_NEAR(senkrecht[0], 25, 0.001);
    innerhalb(linien, kA4Punkte);
}
