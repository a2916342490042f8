// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The check before a print or a PDF that the star fits the printable area of
// every sheet, the question when it does not, and the PDFs' print scaling.
#include "support/printer.h"
#include "support/program.h"
#include "support/star.h"
#include "support/window.h"

#include "app/posterdialog.h"
#include "curve/calc.h"
#include "print/druck.h"

#include <QComboBox>
#include <QDoubleSpinBox>

#include <QImage>
#include <QTemporaryDir>
#include <qpdf/QPDF.hh>

namespace {

// A4 without margins, in twips.
constexpr double kBreite = 11906, kHoehe = 16838;

// The start-up star, centred on the page as the window centres it.
PeloxState stern(int spitzen = 8)
{
    PeloxState s = startStern(spitzen);
    s.DruckMassstab = 566;
    s.DruckMitteX = star::halbeGanzzahl(kBreite);
    s.DruckMitteY = star::halbeGanzzahl(kHoehe);
    return s;
}

bool passt(const PeloxState& s, const druck::Steuerung& st, double breite = kBreite)
{
    return !druck::Pruefen(s, st, breite, kHoehe).has_value();
}

// The nearest anything on any page comes to the paper's edge, in mm: the
// pages as a printer gets them, at 72 dots per inch.
double naechsterRand(const QString& pdf)
{
    QTemporaryDir ordner;
    run(QStringLiteral("pdftoppm"), {"-r", "72", "-gray", pdf, ordner.filePath("s")});
    double r = 1e9;
    for (const QString& name : QDir(ordner.path()).entryList(QDir::Files)) {
        const QImage seite(ordner.filePath(name));
        for (int y = 0; y < seite.height(); ++y) {
            for (int x = 0; x < seite.width(); ++x) {
                if (qGray(seite.pixel(x, y)) < 250)
                    r = std::min({r, double(x), double(y), double(seite.width() - 1 - x), double(seite.height() - 1 - y)});
            }
        }
    }
    return r / 72 * 25.4;
}

QByteArray druckSkalierung(const QString& pdf)
{
    QPDF dokument;
    dokument.processFile(pdf.toLocal8Bit().constData());
    QPDFObjectHandle vorgaben = dokument.getRoot().getKey("/ViewerPreferences");
    return vorgaben.isDictionary() ? QByteArray::fromStdString(vorgaben.getKey("/PrintScaling").unparse()) : "";
}

} // namespace

TEST(Passung, BendPointsSpokesAndTheExchangedAxesOfTwoSheets)
{
    druck::Steuerung st;
    // 19 cm across on a sheet 21 cm wide: 1 cm to spare on each side.
    PeloxState s = stern();
    EXPECT_TRUE(passt(s, st));
    EXPECT_FALSE(passt(s, st, 18.9 * 566));

    // A rhombus 4 cm wide and 19 cm high on a page 5 cm wide: its corners fit,
    // but with every edge bent by 1.2 cm one way its bend points run off,
    // while bent the other way they stay inside.
    PeloxState raute = stern(2);
    raute.AussenDurchmesser = 4;
    raute.InnenDurchmesser = 19;
    star::RadienZuruecksetzen(raute);
    star::PeloxBerechnung(raute);
    raute.DruckMitteX = 2.5f * 566;
    EXPECT_TRUE(passt(raute, st, 5 * 566));
    raute.KurveEin = true;
    for (const float wert : {-1.2f, 1.2f}) {
        raute.KurvenWert = {0, wert, wert, wert, 0};
        curve::KurvenBerechnung(raute);
        EXPECT_EQ(passt(raute, st, 5 * 566), wert > 0) << wert;
    }

    // Nothing of a "Drei-D" star reaches further than its corners: the
    // spokes are checked as the circle is, the star fits until it is moved
    // past its spare centimetre.
    s.DruckMitteX = 9.7f * 566;
    st.dreiD = true;
    EXPECT_TRUE(passt(s, st));
    s.DruckMitteX = 9.4f * 566;
    EXPECT_FALSE(passt(s, st));

    // Two sheets: the design's height runs across the paper. 27 cm of height
    // 100 % fits, the same star 150 % high no longer does, though 27 cm x
    // 40.5 cm would fit on a sheet turned the other way.
    st = {};
    st.zweiBlaetter = true;
    s = stern();
    s.AussenDurchmesser = 27;
    star::RadienZuruecksetzen(s);
    star::PeloxBerechnung(s);
    EXPECT_TRUE(passt(s, st));
    s.YFaktor = 1.5f;
    star::PeloxBerechnung(s);
    const auto ueber = druck::Pruefen(s, st, kBreite, kHoehe);
    ASSERT_TRUE(ueber.has_value());
    EXPECT_NEAR(ueber->sternBreite, 40.5, 0.01);
    EXPECT_NEAR(ueber->sternHoehe, 27, 0.01);
    EXPECT_NEAR(ueber->flaecheBreite, 2 * (kBreite - 500) / (1440 / 2.54), 0.01);
    EXPECT_NEAR(ueber->flaecheHoehe, 29.7, 0.01);
}

using PassungFrage = WindowTest;

// Every PDF the program writes opens at actual size, read back with libqpdf;
// the command line warns of a clipped star and writes it all the same.
TEST_F(PassungFrage, AClippedStarIsPrintedOrSavedOnlyWhenTheUserSaysSo)
{
    // 19 cm at 300 % height: 57 cm on a sheet 29.7 cm high.
    w->vsbYFaktor->setValue(30);
    messageBox.answers = {false, true, false, true};
    w->cmdDrucken->click();
    EXPECT_TRUE(printer.jobs.empty());
    w->cmdDrucken->click();
    EXPECT_EQ(printer.jobs.size(), 1u);
    ASSERT_EQ(messageBox.asked.size(), 2u);
    EXPECT_EQ(messageBox.asked[0].text,
        "Der Pelox ist 19,0 x 57,0 cm groß, der druckbare Bereich des Blatts nur 21,0 x 29,7 cm: er würde "
        "abgeschnitten.\nTrotzdem drucken?");

    // The same for a PDF from the picture's menu, before its name is asked.
    QTemporaryDir ordner;
    const QString entwurf = ordner.filePath("hoch.plx"), ausMenue = ordner.filePath("menue.pdf"),
                  ausAufruf = ordner.filePath("aufruf.pdf"), einmess = ordner.filePath("einmess.pdf");
    fileDialog.answers = {ausMenue, entwurf};
    w->mnuPdfSpeichern->trigger();
    EXPECT_TRUE(fileDialog.shown.empty());
    EXPECT_TRUE(messageBox.asked.back().text.endsWith("Trotzdem speichern?"));
    w->mnuPdfSpeichern->trigger();
    w->cmdDatenSpeichern->click();

    const Lauf pelox = starte(PELOX_PROGRAM, {"--pdf", ausAufruf, "--calibration-pdf", einmess, entwurf},
        {{"XDG_CONFIG_HOME", ordner.path()}});
    EXPECT_EQ(pelox.status, 0);
    const QStringList fehler = pelox.meldungen();
    ASSERT_EQ(fehler.size(), 1);
    EXPECT_TRUE(fehler[0].startsWith("pelox: Warnung: Der Pelox ist 19") && fehler[0].endsWith("abgeschnitten."))
        << fehler[0].toStdString();
    // The poster from its dialog and from the command line, one with a
    // wider margin.
    const QString posterDialog = ordner.filePath("poster-dialog.pdf"), posterAufruf = ordner.filePath("poster.pdf"),
                  posterRand = ordner.filePath("poster-rand.pdf");
    w->mnuPoster->trigger();
    w->dlgPoster->spnDurchmesser->setValue(60);
    w->dlgPoster->cboPapier->setCurrentIndex(w->dlgPoster->cboPapier->findData("A4"));
    fileDialog.answers = {posterDialog};
    w->dlgPoster->cmdPdf->click();
    for (const auto& [pdf, rand] : {std::pair(posterAufruf, "6.35"), std::pair(posterRand, "20")}) {
        EXPECT_EQ(starte(PELOX_PROGRAM, {"--poster", pdf, "--diameter", "60", "--margin", rand, entwurf}).status, 0);
    }
    for (const QString& pdf : {ausMenue, ausAufruf, einmess, posterDialog, posterAufruf, posterRand}) {
        EXPECT_EQ(druckSkalierung(pdf), "/None") << pdf.toStdString();
        // A dot of the rendering less, where a line on the margin's edge is smoothed.
        EXPECT_GE(naechsterRand(pdf), (pdf == posterRand ? 20 : 6.35) - 25.4 / 72) << pdf.toStdString();
    }

    // A star that fits is printed without a question.
    w->cmdSetFaktor->click();
    w->cmdDrucken->click();
    EXPECT_EQ(printer.jobs.size(), 2u);
    EXPECT_EQ(messageBox.asked.size(), 4u);
    EXPECT_TRUE(messageBox.shown.empty());
}
