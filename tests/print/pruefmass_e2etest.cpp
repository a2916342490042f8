// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The check scale and the calibration through the private print server,
// measured from the vector data of the PDFs its printer writes.
#include "support/printer.h"

#include "app/calibrationdialog.h"

#include <QLineEdit>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kPunkteProCm = 72 / 2.54;
constexpr double kZehntelMm = 0.01 * kPunkteProCm;

bool waagrecht(const QLineF& l)
{
    return std::abs(l.dy()) < 1e-3;
}

bool senkrecht(const QLineF& l)
{
    return std::abs(l.dx()) < 1e-3;
}

// The lengths in cm of the page's axis-parallel lines between von and bis cm.
std::vector<double> laengen(const std::vector<QLineF>& linien, bool (*richtung)(const QLineF&), double von, double bis)
{
    std::vector<double> r;
    for (const QLineF& l : linien) {
        const double cm = l.length() / kPunkteProCm;
        if (richtung(l) && cm > von && cm < bis)
            r.push_back(cm);
    }
    return r;
}

// The length of the one such line; 0 when there is none or more than one.
double einzige(const std::vector<QLineF>& linien, bool (*richtung)(const QLineF&), double von, double bis)
{
    const std::vector<double> r = laengen(linien, richtung, von, bis);
    return r.size() == 1 ? r[0] : 0;
}

QString text(const QString& pdf)
{
    return QString::fromUtf8(run(QStringLiteral("pdftotext"), {pdf, "-"})).simplified();
}

using PruefmassDrucker = PrinterTest;

} // namespace

TEST_F(PruefmassDrucker, CheckScaleOnEverySheetAndCorrectedOnTheCalibratedPrinter)
{
    // By default on one sheet and on both of two: two bars of 5 cm. Switched
    // off, the printout is the plain one that the printer tests read.
    w.cmdDrucken->click();
    w.chkZweiA4->setChecked(true);
    w.cmdDrucken->click();
    QStringList gedruckt = pdfs(3);
    ASSERT_EQ(gedruckt.size(), 3);
    for (const QString& pdf : gedruckt) {
        const std::vector<QLineF> linien = pdfLines(pdf);
        for (auto richtung : {waagrecht, senkrecht})
            EXPECT_NEAR(einzige(linien, richtung, 4, 6), 5, 0.01) << pdf.toStdString();
        EXPECT_TRUE(text(pdf).contains("Prüfmaß: nachmessen, beide Striche müssen 5 cm lang sein.")) << pdf.toStdString();
    }
    // Calibrated: 2 % smaller across the paper and 2 % larger down it, on one
    // sheet and on two, which still join at their cut lines.
    leeren();
    const QString queue = QPrinterInfo::defaultPrinter().printerName();
    settings.values["Kalibrierung/" + queue + "/FaktorX"] = "0.98";
    settings.values["Kalibrierung/" + queue + "/FaktorY"] = "1.02";
    w.SeiteMessen();
    w.cmdDrucken->click();
    w.chkZweiA4->setChecked(false);
    w.cmdDrucken->click();
    gedruckt = pdfs(3);
    ASSERT_EQ(gedruckt.size(), 3);
    // The star is printed at 566 twips to its centimetre, 19 cm as 18.97 cm.
    const double stern19 = 19 * 566 / 1440.0 * 2.54;
    const std::vector<QLineF> einBlatt = pdfLines(gedruckt[2]);
    const QRectF umriss = sternUmriss(einBlatt);
    EXPECT_NEAR(umriss.width() / kPunkteProCm, stern19 * 0.98, 0.01);
    EXPECT_NEAR(umriss.height() / kPunkteProCm, stern19 * 1.02, 0.01);
    // Still in the middle of the drawing area.
    const QRectF flaeche = zeichenflaeche();
    EXPECT_NEAR(umriss.center().x(), flaeche.center().x(), 2 * kZehntelMm);
    EXPECT_NEAR(umriss.center().y(), flaeche.center().y(), 2 * kZehntelMm);
    EXPECT_NEAR(einzige(einBlatt, waagrecht, 4, 6), 4.9, 0.01);
    EXPECT_NEAR(einzige(einBlatt, senkrecht, 4, 6), 5.1, 0.01);
    EXPECT_TRUE(text(gedruckt[2]).contains("Korrektur = 98,0 % x 102,0 %"));

    // Two sheets: each half as wide beside its cut line, corner 1 at the same
    // height on both.
    for (int blatt : {0, 1}) {
        const std::vector<QLineF> linien = pdfLines(gedruckt[blatt]);
        const QRectF haelfte = sternUmriss(linien);
        const double schnitt = std::max_element(linien.begin(), linien.end(), [](const QLineF& a, const QLineF& b) {
            return senkrecht(a) * a.length() < senkrecht(b) * b.length();
        })->x1();
        const double breite = blatt == 0 ? haelfte.right() - schnitt : schnitt - haelfte.left();
        EXPECT_NEAR(breite / kPunkteProCm, stern19 / 2 * 0.98, 0.01) << blatt;
        EXPECT_NEAR(haelfte.height() / kPunkteProCm, stern19 * 1.02, 0.01) << blatt;
    }
}

// The calibration sheet is printed as the printer is, whatever it stores:
// rulers of 18 and 25 cm. Its PDF from the command line has them too.
TEST_F(PruefmassDrucker, CalibrationSheetAndDialog)
{
    const QString queue = QPrinterInfo::defaultPrinter().printerName();
    settings.values["Kalibrierung/" + queue + "/FaktorX"] = "0.95";
    settings.values["Kalibrierung/" + queue + "/FaktorY"] = "0.95";
    w.mnuEinmessen->trigger();
    ASSERT_TRUE(w.dlgEinmessen && w.dlgEinmessen->isVisible());
    EXPECT_TRUE(w.dlgEinmessen->lblAnleitung->text().contains(queue));
    w.dlgEinmessen->cmdBlattDrucken->click();
    w.dlgEinmessen->txtWaagrecht->setText("18,1");
    w.dlgEinmessen->txtSenkrecht->setText("24,9");
    w.dlgEinmessen->cmdUebernehmen->click();
    EXPECT_FALSE(w.dlgEinmessen->isVisible());
    EXPECT_EQ(settings.values["Kalibrierung/" + queue + "/FaktorX"], "0.994475");
    EXPECT_EQ(settings.values["Kalibrierung/" + queue + "/FaktorY"], "1.00402");

    QTemporaryDir ordner;
    const QString datei = ordner.filePath("einmess.pdf");
    run(QStringLiteral(PELOX_PROGRAM), {"--calibration-pdf", datei}, {{"XDG_CONFIG_HOME", ordner.path()}});
    const QStringList gedruckt = pdfs(1);
    ASSERT_EQ(gedruckt.size(), 1);
    for (const QString& pdf : {gedruckt[0], datei}) {
        const std::vector<QLineF> linien = pdfLines(pdf);
        EXPECT_NEAR(einzige(linien, waagrecht, 10, 30), 18, 0.01) << pdf.toStdString();
        EXPECT_NEAR(einzige(linien, senkrecht, 10, 30), 25, 0.01) << pdf.toStdString();
        // A tick for every millimetre but the zero each ruler starts from.
        EXPECT_EQ(laengen(linien, senkrecht, 0.1, 0.5).size(), 180u) << pdf.toStdString();
        EXPECT_TRUE(text(pdf).contains("Originalgröße (100 %)")) << pdf.toStdString();
    }
    EXPECT_TRUE(messageBox.shown.empty());
}
