// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What "Drucken" hands to the printer: the order of the operations, the
// coordinates in twips, the line widths and styles, the data block, and what
// happens when the printer is missing or refuses a job. How the figure itself
// is drawn is the render tests' part.
#include "support/window.h"

#include "app/posterdialog.h"
#include "platform/sprache.h"

#include <QApplication>
#include <QDoubleSpinBox>

#include <QLineF>
#include <string>

namespace {

using Op = Drawing::Op;

// The printout as it has always been: with the check scale switched off.
class DruckTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        w->mnuPruefmass->trigger();
    }
};
using PruefmassTest = WindowTest;

const std::string kText(6, 'T');  // the data block

// The operations of every job as letters: F font, G size, T text, C circle,
// P text at a place, and for a solid line its width in dots, '-' for a dashed
// one; '|' ends a job.
std::string folge(const std::vector<Drawing>& jobs)
{
    std::string r;
    for (const Drawing& job : jobs) {
        for (const Op& o : job.ops)
            r += o.kind != Op::Line ? "FG?CTP"[o.kind] : o.style == LineStyle::Dash ? '-' : char('0' + o.width);
        r += '|';
    }
    return r;
}

// How far a job's first line starts from corner i at true size, 566 twips to
// the cm, on the fake printer's A4 page: around the page centre on one sheet,
// with x and y exchanged around the cut line schnitt on two.
double abstand(const Drawing& job, const frmPelox& w, int i, double schnitt = 0)
{
    const double x = w.PunktX[i] * 566.0, y = w.PunktY[i] * 566.0;
    const Op o = job.only(Op::Line).at(0);
    return QLineF(o.a, o.b, schnitt ? schnitt + y : 5953 + x, schnitt ? 8419 + x : 8419 + y).length();
}

} // namespace

TEST_F(DruckTest, OneSheetTwoSheetsAndOneAgainThinAndThick)
{
    for (int dicke : {0, 1}) {
        w->optStrichDicke[dicke]->click();
        for (bool zweiBlaetter : {false, true, false}) {
            w->chkZweiA4->setChecked(zweiBlaetter);
            w->cmdDrucken->click();
        }
    }
    ASSERT_EQ(printer.jobs.size(), 8u);
    // One sheet: Courier 10, the data block, the 16 edges and the centre mark.
    // Two sheets: the data block on the second only, 8 edges, the centre mark
    // and the dashed cut line on each. Thin lines are 2 dots on one sheet and
    // 1 on two, thick ones 6 and 2.
    const auto eins = [](char b) { return "FG" + kText + std::string(16, b) + "C|"; };
    const auto zwei = [](char b) { return "FG" + std::string(8, b) + "C-|" + kText + std::string(8, b) + "C-|"; };
    EXPECT_EQ(folge(printer.jobs), eins('2') + zwei('1') + eins('2') + eins('6') + zwei('2') + eins('6'));
    EXPECT_EQ(printer.jobs[0].ops[0].text, "courier");
    EXPECT_EQ(printer.jobs[0].ops[1].a, 10);
    EXPECT_LT(abstand(printer.jobs[0], *w, 1), 0.01);
    EXPECT_EQ(printer.jobs[0].ops.back().c, 60);

    // Edges 1 to 8 around a cut line 500 twips from the left, 9 to 16 around
    // one 500 twips from the right; the centre mark lies on the cut line,
    // which runs the page's height.
    for (int blatt : {0, 1}) {
        const Drawing& job = printer.jobs[std::size_t(1 + blatt)];
        const double schnitt = blatt == 0 ? 500 : 11906 - 500;
        EXPECT_LT(abstand(job, *w, 8 * blatt + 1, schnitt), 0.01) << blatt;
        EXPECT_EQ(QPointF(job.ops.end()[-2].a, job.ops.end()[-2].b), QPointF(schnitt, 8419)) << blatt;
        EXPECT_EQ(QLineF(job.ops.back().a, job.ops.back().b, job.ops.back().c, job.ops.back().d),
            QLineF(schnitt, 0, schnitt, 16838)) << blatt;
    }
}

TEST_F(DruckTest, DreiDSpokesBentEdgesAndTheDataBlock)
{
    // A two-point star: four edges and their spokes, on two sheets two of each
    // and the cut line. Bent edges: four segments each, then the spokes.
    w->optPeloxForm[1]->click();
    w->hsbAnzahl->setValue(2);
    w->cmdDrucken->click();
    w->chkZweiA4->setChecked(true);
    w->cmdDrucken->click();
    EXPECT_LT(abstand(printer.jobs.at(2), *w, 3, 11906 - 500), 0.01);
    w->chkZweiA4->setChecked(false);
    // The data block shows the bend values and, like all its numbers, follows
    // the locale.
    w->hsbAussen->setValue(25);
    w->vsbYFaktor->setValue(7);
    w->DateiPfad.clear();
    w->KurvenWert[2] = -0.3f;
    w->KurvenBerechnung();
    w->KurveEin = true;
    w->cmdDrucken->click();
    QLocale::setDefault(QLocale::c());
    w->cmdDrucken->click();
    ASSERT_EQ(printer.jobs.size(), 5u);
    const std::string gebogen = "FG" + kText + std::string(4 * 4 + 4, '2') + "|";
    EXPECT_EQ(folge(printer.jobs), "FG" + kText + "22222222|FG1111-|" + kText + "1111-|" + gebogen + gebogen);
    EXPECT_EQ(printer.jobs[3].texte(), QStringList({"  Dateiname = (nicht gespeichert)", "  Anzahl Spitzen = 2",
        "  Aussenmass = 12,5 cm", "  Innenmass = 8 cm", "  Kp1= 0  Kp2= 0,3  Kp3= 0", "  Höhe = 70%"}));
    // Under no language at all the texts are German, and so is every
    // decimal sign of the printout and of the window.
    EXPECT_EQ(printer.jobs[4].texte(), printer.jobs[3].texte());
    w->hsbAussen->setValue(27);
    w->KurvenWerteAnzeige();
    EXPECT_EQ(w->lblAussen->text(), "13,5");
    EXPECT_EQ(w->lblKurvenWerte->text(), " Kp1= 0  Kp2= 0,3  Kp3= 0");
}

// English texts write their numbers with a point whatever the locale's
// numbers are, in the window and on paper.
TEST_F(DruckTest, EnglishWritesItsNumbersWithAPoint)
{
    sprache::laden(*qApp, QLocale(QLocale::English));
    w.reset();
    open();
    w->mnuPruefmass->trigger();
    w->hsbAussen->setValue(25);
    w->KurvenWert[2] = -0.3f;
    w->KurvenBerechnung();
    w->KurveEin = true;
    w->cmdDrucken->click();
    w->mnuPoster->trigger();
    const QString poster = w->dlgPoster->spnDurchmesser->text();
    sprache::laden(*qApp, QLocale(QLocale::German));
    EXPECT_EQ(poster, "12.5 cm");
    EXPECT_EQ(w->lblAussen->text(), "12.5");
    EXPECT_EQ(w->lblKurvenWerte->text(), " Kp1= 0  Kp2= 0.3  Kp3= 0");
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].texte().mid(2, 3), QStringList({"  Outer size = 12.5 cm", "  Inner size = 8 cm",
        "  Kp1= 0  Kp2= 0.3  Kp3= 0"}));
}

// Two sheets, where a job can be refused when the first or the second sheet
// is handed over; a refused single sheet is left to the end-to-end test.
TEST_F(DruckTest, NoPrinterAndRefusedJobs)
{
    w->chkZweiA4->setChecked(true);
    // Without a printer not even the first sheet is begun.
    printer.present = false;
    w->cmdDrucken->click();
    EXPECT_TRUE(printer.jobs.empty() && printer.ops.empty());
    // A refused first sheet keeps the second from being begun.
    printer.present = true;
    printer.answers = {false, true, false};
    w->cmdDrucken->click();
    w->cmdDrucken->click();
    EXPECT_EQ(printer.jobs.size(), 3u);
    EXPECT_TRUE(printer.ops.empty());
    ASSERT_EQ(messageBox.shown.size(), 3u);
    EXPECT_TRUE(messageBox.shown[0].text.contains("kein Drucker eingerichtet"));
    EXPECT_TRUE(messageBox.shown[1].text.contains("nichts gedruckt"));
    EXPECT_TRUE(messageBox.shown[2].text.contains("zweite Blatt"));
    // All three go through the same message box call.
    EXPECT_EQ(messageBox.shown[2].title, QStringLiteral("Drucken nicht möglich !!"));
    EXPECT_EQ(messageBox.shown[2].flags, MessageBoxPort::kExclamation);
}

// A star that runs off the sheet, without a printer: nothing to ask about.
TEST_F(DruckTest, NoPrinterIsSaidBeforeTheSheetIsAskedAbout)
{
    printer.present = false;
    w->Radius[1] = 40;
    w->Gezogen = 1;
    w->Neuzeichnen();
    w->cmdDrucken->click();
    EXPECT_TRUE(messageBox.asked.empty());
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_TRUE(messageBox.shown[0].text.contains("kein Drucker eingerichtet"));
    printer.present = true;
    messageBox.answers = {false};
    w->cmdDrucken->click();
    EXPECT_EQ(messageBox.asked.size(), 1u);
    EXPECT_TRUE(printer.jobs.empty());
}

TEST_F(PruefmassTest, OnEverySheetInAFreeCornerUnlessSwitchedOff)
{
    EXPECT_TRUE(w->mnuPruefmass->isChecked());
    w->cmdDrucken->click();
    w->chkZweiA4->setChecked(true);
    w->hsbAussen->setValue(16);
    w->cmdDrucken->click();
    // After the figure (and the cut line) the two bars with their ticks and
    // the five texts, on one sheet and on both of two.
    const std::string pruefmass = std::string(12, '2') + "PPPPP|";
    ASSERT_EQ(folge(printer.jobs), "FG" + kText + std::string(16, '2') + "C" + pruefmass + "FG" + std::string(8, '1')
            + "C-" + pruefmass + kText + std::string(8, '1') + "C-" + pruefmass);
    // Bottom right on one sheet, clear of the star; with a star of 8 cm on
    // two sheets there too on the first, on the second, where the cut line
    // runs through the right corners, at the bottom left.
    const auto ecke = [&](std::size_t job) {
        const Op strich = printer.jobs[job].only(Op::Line).end()[-12];
        return QPointF(strich.a, strich.b);
    };
    const double cm = 1440 / 2.54;
    EXPECT_NEAR(ecke(0).x(), 11906 - 5.3 * cm, 0.01);
    EXPECT_NEAR(ecke(0).y(), 16838 - 5.3 * cm, 0.01);
    EXPECT_EQ(ecke(1), ecke(0));
    EXPECT_NEAR(ecke(2).x(), 0.3 * cm, 0.01);
    EXPECT_EQ(printer.jobs[0].only(Op::TextAt)[0].text, "Prüfmaß: nachmessen,");

    // A star taller than the sheet leaves no corner free, and is printed
    // when the user says so.
    w->chkZweiA4->setChecked(false);
    w->hsbAussen->setValue(38);
    w->vsbYFaktor->setValue(30);
    messageBox.answers = {true};
    w->cmdDrucken->click();
    EXPECT_EQ(printer.jobs.back().count(Op::TextAt), 0);

    // On a page just high enough for the star its tips take three corners;
    // the fourth, with the tip there pulled in, still holds the data block.
    w->cmdSetFaktor->click();
    printer.height = 12000;
    w->SeiteMessen();
    w->Radius[11] = 2;
    w->PeloxBerechnung();
    w->cmdDrucken->click();
    EXPECT_EQ(printer.jobs.back().count(Op::TextAt), 0);
    printer.height = 16838;

    // Switched off, and so it stays for the next run.
    w->mnuPruefmass->trigger();
    EXPECT_EQ(settings.value("Druck/Pruefmass"), "false");
    open();
    EXPECT_FALSE(w->mnuPruefmass->isChecked());
    w->cmdDrucken->click();
    EXPECT_EQ(folge({printer.jobs.back()}), "FG" + kText + std::string(16, '2') + "C|");
    // A calibrated printer's line below the data is read from the real printer's PDF.
}
