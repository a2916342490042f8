// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What "Drucken" hands to the printer: the order of the operations, the
// coordinates in twips, the line widths and styles, the data block, and what
// happens when the printer is missing or refuses a job. How the figure itself
// is drawn is the render tests' part.
#include "../support/window.h"

#include "platform/scrollbar.h"

#include <QCheckBox>
#include <QLineF>
#include <QPushButton>
#include <QRadioButton>
#include <string>

namespace {

using Op = Drawing::Op;

const std::string kKopf = "FG", kText(6, 'T');  // font and size, the data block

// The kinds of a job's operations as letters: F font, G size, T text, C
// circle, and for a solid line its width in dots, '-' for a dashed one.
std::string folge(const Drawing& job)
{
    std::string r;
    for (const Op& o : job.ops)
        r += o.kind != Op::Line ? "FG?CT"[o.kind] : o.style == LineStyle::Dash ? '-' : char('0' + o.width);
    return r;
}

QStringList texte(const Drawing& job)
{
    QStringList r;
    for (const Op& o : job.only(Op::Text))
        r << o.text;
    return r;
}

class DruckTest : public WindowTest {
protected:
    void drucken() { w->cmdDrucken->click(); }

    // How far a job's first line lies from edge i at true size, 566 twips to
    // the cm, on the fake printer's A4 page: around the page centre on one
    // sheet, with x and y exchanged around the cut line schnitt on two.
    double ersteKante(const Drawing& job, int i, double schnitt = 0) const
    {
        const auto ecke = [&](int k) {
            const double x = w->PunktX[k] * 566.0, y = w->PunktY[k] * 566.0;
            return schnitt ? QPointF(schnitt + y, 8419 + x) : QPointF(5953 + x, 8419 + y);
        };
        const Op o = job.only(Op::Line).at(0);
        return QLineF(QPointF(o.a, o.b), ecke(i)).length() + QLineF(QPointF(o.c, o.d), ecke(i + 1)).length();
    }
};

} // namespace

TEST_F(DruckTest, OneSheetTwoSheetsAndOneAgainThinAndThick)
{
    for (int dicke : {0, 1}) {
        w->optStrichDicke[dicke]->click();
        for (bool zweiBlaetter : {false, true, false}) {
            w->chkZweiA4->setChecked(zweiBlaetter);
            drucken();
        }
    }
    ASSERT_EQ(printer.jobs.size(), 8u);
    EXPECT_TRUE(messageBox.shown.empty());
    // One sheet: Courier 10, the data block, the 16 edges and the centre mark.
    // Two sheets: the data block on the second only, 8 edges, the centre mark
    // and the dashed cut line on each. Thin lines are 2 dots on one sheet and
    // 1 on two, thick ones 6 and 2.
    const auto l = [](int n, char breite) { return std::string(n, breite); };
    const std::string erwartet[] = {kKopf + kText + l(16, '2') + "C", kKopf + l(8, '1') + "C-", kText + l(8, '1') + "C-",
        kKopf + kText + l(16, '2') + "C", kKopf + kText + l(16, '6') + "C", kKopf + l(8, '2') + "C-",
        kText + l(8, '2') + "C-", kKopf + kText + l(16, '6') + "C"};
    for (std::size_t j = 0; j < 8; ++j)
        EXPECT_EQ(folge(printer.jobs[j]), erwartet[j]) << "job " << j;
    const Drawing& eineSeite = printer.jobs[0];
    EXPECT_EQ(eineSeite.ops[0].text, "courier");
    EXPECT_EQ(eineSeite.ops[1].a, 10);
    EXPECT_LT(ersteKante(eineSeite, 1), 0.02);
    EXPECT_EQ(eineSeite.ops.back().c, 60);

    // Edges 1 to 8 around a cut line 500 twips from the left, 9 to 16 around
    // one 500 twips from the right; the centre mark lies on the cut line,
    // which runs the page's height.
    for (int blatt : {0, 1}) {
        const Drawing& job = printer.jobs[std::size_t(1 + blatt)];
        const double schnitt = blatt == 0 ? 500 : 11906 - 500;
        EXPECT_LT(ersteKante(job, 8 * blatt + 1, schnitt), 0.02) << blatt;
        EXPECT_EQ(QPointF(job.ops.end()[-2].a, job.ops.end()[-2].b), QPointF(schnitt, 8419)) << blatt;
        EXPECT_EQ(QLineF(job.ops.back().a, job.ops.back().b, job.ops.back().c, job.ops.back().d),
            QLineF(schnitt, 0, schnitt, 16838)) << blatt;
    }
}

TEST_F(DruckTest, DreiDSpokesBentEdgesAndTheDataBlock)
{
    // A two-point star: four edges and their spokes, on two sheets two of each
    // and the cut line.
    w->optPeloxForm[1]->click();
    w->hsbAnzahl->setValue(2);
    drucken();
    w->chkZweiA4->setChecked(true);
    drucken();
    ASSERT_EQ(printer.jobs.size(), 3u);
    EXPECT_EQ(folge(printer.jobs[0]), kKopf + kText + std::string(8, '2'));
    EXPECT_EQ(folge(printer.jobs[1]), kKopf + "1111-");
    EXPECT_EQ(folge(printer.jobs[2]), kText + "1111-");
    EXPECT_LT(ersteKante(printer.jobs[2], 3, 11906 - 500), 0.02);

    // Bent edges: four segments each, then the spokes. The data block shows
    // the bend values and, like all its numbers, follows the locale.
    w->chkZweiA4->setChecked(false);
    w->hsbAnzahl->setValue(36);
    w->hsbAussen->setValue(25);
    w->hsbInnen->setValue(15);
    w->vsbYFaktor->setValue(7);
    w->DateiPfad.clear();
    w->KurvenWert[2] = -0.3f;
    w->KurvenBerechnung();
    w->KurveEin = true;
    drucken();
    QLocale::setDefault(QLocale::c());
    drucken();
    ASSERT_EQ(printer.jobs.size(), 5u);
    EXPECT_EQ(folge(printer.jobs[3]), kKopf + kText + std::string(72 * 4 + 72, '2'));
    EXPECT_EQ(texte(printer.jobs[3]),
        QStringList({"  Dateiname = ", "  Anzahl Spitzen = 36", "  Aussenmass = 12,5 cm", "  Innenmass = 7,5 cm",
            "  Kp1= 0  Kp2= 0,3  Kp3= 0", "  Höhe = 70%"}));
    EXPECT_EQ(texte(printer.jobs[4])[2], "  Aussenmass = 12.5 cm");
}

// Two sheets, where a job can be refused when the first or the second sheet
// is handed over; a refused single sheet is left to the end-to-end test.
TEST_F(DruckTest, NoPrinterAndRefusedJobs)
{
    w->chkZweiA4->setChecked(true);
    // Without a printer not even the first sheet is begun.
    printer.present = false;
    drucken();
    EXPECT_TRUE(printer.jobs.empty() && printer.ops.empty());
    // A refused first sheet keeps the second from being begun.
    printer.present = true;
    printer.answers = {false, true, false};
    drucken();
    drucken();
    EXPECT_EQ(printer.jobs.size(), 3u);
    EXPECT_TRUE(printer.ops.empty());
    const char* meldungen[] = {"kein Drucker eingerichtet", "nichts gedruckt", "zweite Blatt"};
    ASSERT_EQ(messageBox.shown.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(messageBox.shown[i].text.contains(meldungen[i])) << messageBox.shown[i].text.toStdString();
    // All three go through the same message box call.
    EXPECT_EQ(messageBox.shown[2].title, QStringLiteral("Drucken nicht möglich !!"));
    EXPECT_EQ(messageBox.shown[2].flags, MessageBoxPort::kExclamation);
}
