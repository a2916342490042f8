// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The check scale through the private print server, measured from the vector
// data of the PDFs its printer writes.
#include "../support/printer.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <cmath>

namespace {

constexpr double kPunkteProCm = 72 / 2.54;

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

QString text(const QString& pdf)
{
    return QString::fromUtf8(run(QStringLiteral("pdftotext"), {pdf, "-"})).simplified();
}

using PruefmassDrucker = PrinterTest;

} // namespace

TEST_F(PruefmassDrucker, CheckScaleOnEverySheetUnlessSwitchedOff)
{
    // By default on one sheet and on both of two: two bars of 5 cm.
    w.cmdDrucken->click();
    w.chkZweiA4->setChecked(true);
    w.cmdDrucken->click();
    QStringList gedruckt = pdfs(3);
    ASSERT_EQ(gedruckt.size(), 3);
    for (const QString& pdf : gedruckt) {
        const std::vector<QLineF> linien = pdfLines(pdf);
        for (auto richtung : {waagrecht, senkrecht}) {
            const std::vector<double> balken = laengen(linien, richtung, 4, 6);
            ASSERT_EQ(balken.size(), 1u) << pdf.toStdString();
            EXPECT_NEAR(balken[0], 5, 0.01) << pdf.toStdString();
        }
        EXPECT_TRUE(text(pdf).contains("Prüfmaß: nachmessen, beide Striche müssen 5 cm lang sein.")) << pdf.toStdString();
    }
    // Switched off: no bars.
    leeren();
    w.mnuPruefmass->trigger();
    w.cmdDrucken->click();
    gedruckt = pdfs(2);
    ASSERT_EQ(gedruckt.size(), 2);
    for (const QString& pdf : gedruckt)
        EXPECT_TRUE(laengen(pdfLines(pdf), waagrecht, 4, 6).empty() && !text(pdf).contains("Prüfmaß"));
}
