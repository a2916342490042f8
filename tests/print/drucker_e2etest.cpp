// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "Drucken" on the real window through the real printer port into a private
// print server whose default printer writes PDFs. The PDFs are read back with
// the poppler tools: pages, text, and the star's size and place on paper.
#include "support/printer.h"

#include "app/posterdialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <cups/cups.h>

namespace {

// Width and height in points of the first such word on the page.
std::pair<double, double> wort(const QString& pdf, int seite, const QString& text)
{
    const QString s = QString::number(seite);
    const QString box = QString::fromUtf8(run(QStringLiteral("pdftotext"), {"-bbox", "-f", s, "-l", s, pdf, "-"}));
    const QRegularExpression muster(QStringLiteral(
        "xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">%1<").arg(text));
    const QRegularExpressionMatch m = muster.match(box);
    EXPECT_TRUE(m.hasMatch()) << text.toStdString();
    return {m.captured(3).toDouble() - m.captured(1).toDouble(), m.captured(4).toDouble() - m.captured(2).toDouble()};
}

// The text of each page, line by line, without the white space at the ends.
QList<QStringList> seiten(const QStringList& pdfs)
{
    QList<QStringList> r;
    for (const QString& pdf : pdfs) {
        const QString text = QString::fromUtf8(run(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}));
        for (const QString& seite : text.split('\f'))
            r << seite.trimmed().split(QRegularExpression(QStringLiteral("\\s*\\n\\s*")), Qt::SkipEmptyParts);
        r.removeLast();  // every page ends with a form feed
    }
    return r;
}

using DruckerTest = PrinterTest;

} // namespace

// Without the check scale, the printout is the plain one.
TEST_F(DruckerTest, PrintoutAndSavedPdfsOnOneAndTwoSheets)
{
    QTemporaryDir ordner;
    w.mnuPruefmass->trigger();
    ASSERT_TRUE(QDir(ordner.path()).mkpath("Pelox"));
    QFile konfig(ordner.filePath("Pelox/pelox.conf"));
    ASSERT_TRUE(konfig.open(QIODevice::WriteOnly) && konfig.write("[Druck]\nPruefmass=false\n") > 0);
    konfig.close();
    for (const int blaetter : {1, 2}) {
        SCOPED_TRACE(blaetter);
        leeren();
        w.chkZweiA4->setChecked(blaetter == 2);
        // The printout, the PDF from the picture's menu and from the command line.
        const QString entwurf = ordner.filePath(QString::number(blaetter) + ".plx");
        const QString ausMenue = entwurf + ".menue.pdf", ausAufruf = entwurf + ".aufruf.pdf";
        fileDialog.answers = {entwurf, ausMenue};
        w.cmdDatenSpeichern->click();
        w.cmdDrucken->click();
        w.mnuPdfSpeichern->trigger();
        run(QStringLiteral(PELOX_PROGRAM), {"--pdf", ausAufruf, entwurf}, {{"XDG_CONFIG_HOME", ordner.path()}});

        // A job of one page for each sheet, the data block on the last.
        const QStringList gedruckt = pdfs(blaetter);
        ASSERT_EQ(gedruckt.size(), blaetter);
        QList<QStringList> text(blaetter - 1);
        text << QStringList{"Dateiname = " + QString::fromStdString(w.DateiPfad), "Anzahl Spitzen = 8",
            "Aussenmass = 19 cm", "Innenmass = 8 cm", "Kp1= 0 Kp2= 0 Kp3= 0", "Höhe = 100%"};
        EXPECT_EQ(seiten(gedruckt), text);
        if (blaetter == 1) {
            // 19 cm at 566 twips to the centimetre, centred on the drawing area.
            const QRectF stern = sternUmriss(pdfLines(gedruckt[0]));
            EXPECT_NEAR(stern.width(), 19 * 566 / 20.0, 0.5);
            EXPECT_NEAR(stern.center().x(), zeichenflaeche().center().x(), 0.5);
        }

        // The saved PDFs have the printout's pages, text and scale.
        for (const QString& gespeichert : {ausMenue, ausAufruf}) {
            ASSERT_EQ(seiten({gespeichert}), text) << gespeichert.toStdString();
            for (int i = 0; i < blaetter; ++i)
                EXPECT_NEAR(sternUmriss(pdfLines(gespeichert, i + 1)).width(),
                    sternUmriss(pdfLines(gedruckt[i])).width(), 0.5) << "sheet " << i;
        }
    }
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(DruckerTest, PosterIsOneJobWithTheMapFirstAndALabelOnEverySheet)
{
    w.mnuPoster->trigger();
    ASSERT_TRUE(w.dlgPoster);
    w.dlgPoster->spnDurchmesser->setValue(60);
    const poster::Plan plan = w.dlgPoster->poster().plan;
    w.dlgPoster->cmdDrucken->click();
    EXPECT_TRUE(messageBox.shown.empty());

    const QStringList gedruckt = pdfs(1);
    ASSERT_EQ(gedruckt.size(), 1);
    const QList<QStringList> text = seiten(gedruckt);
    ASSERT_EQ(std::size_t(text.size()), plan.blaetter.size() + 1);
    EXPECT_TRUE(text[0].contains(QStringLiteral("Außendurchmesser 60 cm, der ganze Stern 60,0 × 60,0 cm")));
    EXPECT_TRUE(text[0].join(' ').contains(QStringLiteral("%1 Blätter (").arg(plan.blaetter.size())));
    for (std::size_t i = 0; i < plan.blaetter.size(); ++i) {
        const QString seite = text[qsizetype(i) + 1].join(' ');
        const QString name = QString::fromStdString(poster::blattName(plan.blaetter[i]));
        EXPECT_TRUE(seite.contains(QRegularExpression("\\b" + name + "\\b"))) << seite.toStdString();
        EXPECT_TRUE(seite.contains(QStringLiteral("Blatt %1 von %2").arg(i + 1).arg(plan.blaetter.size())));
    }

    // On its side when asked, and the next one-sheet printout upright again.
    leeren();
    w.mnuPoster->trigger();
    w.dlgPoster->spnDurchmesser->setValue(30);
    w.dlgPoster->cboAusrichtung->setCurrentIndex(2);
    w.dlgPoster->cmdDrucken->click();
    w.cmdDrucken->click();
    const QStringList zwei = pdfs(2);
    ASSERT_EQ(zwei.size(), 2);
    // The test printer's paper is upright, so sheets printed on their side
    // come back turned: their text runs up the page, the data block's across.
    const auto [breiteQuer, hoeheQuer] = wort(zwei[0], 2, QStringLiteral("Blatt"));
    EXPECT_LT(breiteQuer, hoeheQuer);
    const auto [breiteHoch, hoeheHoch] = wort(zwei[1], 1, QStringLiteral("Dateiname"));
    EXPECT_GT(breiteHoch, hoeheHoch);
    EXPECT_NEAR(sternUmriss(pdfLines(zwei[1])).width(), 19 * 566 / 20.0, 0.5);
}

TEST_F(DruckerTest, ARefusedJobOrNoPrinterIsReportedAndNothingIsPrinted)
{
    const QString ziel = QPrinterInfo::defaultPrinter().printerName();
    // The queue commands are in the administrator's folder, which a user's
    // PATH leaves out.
    run(QStringLiteral("/usr/sbin/cupsreject"), {ziel});
    w.cmdDrucken->click();
    run(QStringLiteral("/usr/sbin/cupsaccept"), {ziel});
    // With the print server out of reach there is no printer for the program,
    // and the page centre still comes from a sensible page: A4 without margins.
    cupsSetServer("/nonexistent/cups.sock");
    w.chkZweiA4->click();
    w.cmdDrucken->click();
    cupsSetServer(nullptr);

    ASSERT_EQ(messageBox.shown.size(), 2u);
    EXPECT_TRUE(messageBox.shown[0].text.contains(QStringLiteral("nichts gedruckt")));
    EXPECT_EQ(messageBox.shown[1].text, QStringLiteral(" Es ist kein Drucker eingerichtet !! "));
    EXPECT_NEAR(w.DruckMitteX, 21 * 1440 / 2.54 / 2, 5);
    EXPECT_TRUE(pdfs(0).isEmpty());
}
