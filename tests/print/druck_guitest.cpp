// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What "Drucken" hands to the printer: the order of the operations, the
// coordinates in twips, the line widths and styles, the data block, and what
// happens when the printer is missing or refuses a job.
#include "../support/window.h"

#include "platform/picturewidget.h"
#include "platform/scrollbar.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

namespace {

using Op = FakePrinter::Op;
using Job = FakePrinter::Job;
using Abbildung = std::function<QPointF(float, float)>;

// The fake printer's page is A4 without margins: 11906 x 16838 twips.
constexpr double kMitteX = 5953;
constexpr double kMitteY = 8419;
constexpr double kBreite = 11906;
constexpr double kHoehe = 16838;

// True size, 566 twips to the cm: on one sheet around the page centre, on two
// sheets with x and y exchanged around the centre on the cut line.
QPointF eins(float x, float y)
{
    return {kMitteX + x * 566.0, kMitteY + y * 566.0};
}

Abbildung zwei(double schnitt)
{
    return [schnitt](float x, float y) { return QPointF(schnitt + y * 566.0, kMitteY + x * 566.0); };
}

void expectLine(const Op& o, QPointF from, QPointF to)
{
    ASSERT_EQ(o.kind, Op::Line);
    EXPECT_NEAR(o.a, from.x(), 0.01);
    EXPECT_NEAR(o.b, from.y(), 0.01);
    EXPECT_NEAR(o.c, to.x(), 0.01);
    EXPECT_NEAR(o.d, to.y(), 0.01);
}

class DruckTest : public WindowTest {
protected:
    void drucken() { w->cmdDrucken->click(); }

    QPointF ecke(const Abbildung& m, int i) const { return m(w->PunktX[i], w->PunktY[i]); }

    // Straight edges first..last from lines[at], then from lines[at + count]
    // the spokes when there are any.
    void expectEdges(const std::vector<Op>& lines, int first, int last, const Abbildung& m, bool spokes = false)
    {
        const std::size_t n = std::size_t(last - first + 1);
        ASSERT_GE(lines.size(), spokes ? 2 * n : n);
        for (int i = first; i <= last; ++i) {
            expectLine(lines[std::size_t(i - first)], ecke(m, i), ecke(m, i + 1));
            if (spokes)
                expectLine(lines[n + std::size_t(i - first)], ecke(m, i), m(0, 0));
        }
    }

    void bendEdges()
    {
        // The caught point follows the pointer in steps it can keep up with.
        move(w->picKurvenForm, w->KurveX2, w->KurveNullY);
        for (int dy = 100; dy <= 400; dy += 100)
            move(w->picKurvenForm, w->KurveX2, w->KurveNullY - dy, 1);
        ASSERT_TRUE(w->KurveEin);
    }
};

} // namespace

TEST_F(DruckTest, DefaultStarOnOneSheet)
{
    drucken();

    ASSERT_EQ(printer.jobs.size(), 1u);
    const Job& job = printer.jobs[0];
    std::vector<Op::Kind> erwartet{Op::FontName, Op::FontSize};
    erwartet.insert(erwartet.end(), 6, Op::Text);
    erwartet.insert(erwartet.end(), {Op::Width, Op::Style});
    erwartet.insert(erwartet.end(), 16, Op::Line);
    erwartet.push_back(Op::Circle);
    std::vector<Op::Kind> gedruckt;
    for (const Op& o : job.ops)
        gedruckt.push_back(o.kind);
    EXPECT_EQ(gedruckt, erwartet);

    EXPECT_EQ(job.ops[0].text, "courier");
    EXPECT_EQ(job.ops[1].a, 10);
    EXPECT_EQ(job.texts(), QStringList({"  Dateiname = " + QString::fromStdString(w->DateiPfad),
                               "  Anzahl Spitzen = 8", "  Aussenmass = 19 cm", "  Innenmass = 8 cm",
                               "  Kp1= 0  Kp2= 0  Kp3= 0", "  Höhe = 100%"}));

    const auto lines = job.only(Op::Line);
    // Corner 1 is the tip 9.5 cm right of the page centre.
    expectLine(lines[0], {kMitteX + 5377, kMitteY}, ecke(eins, 2));
    expectEdges(lines, 1, 16, eins);
    EXPECT_NEAR(lines[15].c, lines[0].a, 0.5);
    EXPECT_NEAR(lines[15].d, lines[0].b, 0.5);

    const Op kreis = job.only(Op::Circle)[0];
    EXPECT_EQ(QPointF(kreis.a, kreis.b), QPointF(kMitteX, kMitteY));
    EXPECT_EQ(kreis.c, 60);
    for (const Op& o : job.ops) {
        if (o.kind == Op::Line || o.kind == Op::Circle) {
            EXPECT_EQ(o.width, 2);
            EXPECT_EQ(o.style, LineStyle::Solid);
            EXPECT_EQ(o.color, kSchwarz);
        }
    }
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(DruckTest, ThickLinesOnOneAndOnTwoSheets)
{
    w->optStrichDicke[1]->click();
    drucken();
    w->chkZweiA4->click();
    drucken();

    ASSERT_EQ(printer.jobs.size(), 3u);
    for (std::size_t j = 0; j < 3; ++j) {
        for (const Op& o : printer.jobs[j].ops) {
            if (o.kind == Op::Line || o.kind == Op::Circle) {
                EXPECT_EQ(o.width, j == 0 ? 6 : 2);
            }
        }
    }
}

TEST_F(DruckTest, BentEdgesPrintFourSegmentsThroughTheBendPoints)
{
    bendEdges();
    drucken();

    const auto lines = printer.jobs.at(0).only(Op::Line);
    ASSERT_EQ(lines.size(), 64u);
    for (int i = 1; i <= 16; ++i) {
        const auto bend = [&](int k) { return eins(w->KurvePunktX[i][k], w->KurvePunktY[i][k]); };
        const Op* seg = &lines[std::size_t(4 * (i - 1))];
        expectLine(seg[0], ecke(eins, i), bend(1));
        expectLine(seg[1], bend(1), bend(2));
        expectLine(seg[2], bend(2), bend(3));
        expectLine(seg[3], bend(3), ecke(eins, i + 1));
    }
    // The block shows the bend values as the curve editor shows them.
    EXPECT_EQ(printer.jobs[0].texts()[4], " " + w->lblKurvenWerte->text());
    EXPECT_NE(printer.jobs[0].texts()[4], "  Kp1= 0  Kp2= 0  Kp3= 0");
}

TEST_F(DruckTest, DreiDPrintsSpokesFromTheCornersAndNoCircle)
{
    w->optPeloxForm[1]->click();
    bendEdges();
    drucken();

    const Job& job = printer.jobs.at(0);
    EXPECT_EQ(job.count(Op::Circle), 0);
    const auto lines = job.only(Op::Line);
    ASSERT_EQ(lines.size(), 64u + 16u);
    // After every edge, a spoke from each corner (not from a bend point).
    for (int i = 1; i <= 16; ++i)
        expectLine(lines[std::size_t(63 + i)], ecke(eins, i), {kMitteX, kMitteY});
}

TEST_F(DruckTest, EightPointStarOnTwoSheets)
{
    w->chkZweiA4->click();
    drucken();

    ASSERT_EQ(printer.jobs.size(), 2u);
    // The first sheet: no text, edges 1 to 8 right of the cut line 500 twips
    // from the left. The second: the data block first (the font is not set
    // again), edges 9 to 16 left of the cut line 500 twips from the right.
    for (std::size_t blatt = 0; blatt < 2; ++blatt) {
        SCOPED_TRACE(blatt);
        const Job& job = printer.jobs[blatt];
        const double schnitt = blatt == 0 ? 500 : kBreite - 500;
        EXPECT_EQ(job.count(Op::FontName), blatt == 0 ? 1 : 0);
        EXPECT_EQ(job.count(Op::Text), blatt == 0 ? 0 : 6);
        if (blatt == 1) {
            EXPECT_EQ(job.ops[0].kind, Op::Text);
        }
        const auto lines = job.only(Op::Line);
        ASSERT_EQ(lines.size(), 9u);
        expectEdges(lines, 8 * int(blatt) + 1, 8 * int(blatt) + 8, zwei(schnitt));
        for (std::size_t k = 0; k < 8; ++k) {
            EXPECT_EQ(lines[k].style, LineStyle::Solid);
            EXPECT_EQ(lines[k].width, 1);
            EXPECT_TRUE(blatt == 0 ? lines[k].a >= schnitt - 0.5 : lines[k].a <= schnitt + 0.5);
        }
        const Op kreis = job.only(Op::Circle).at(0);
        EXPECT_EQ(QPointF(kreis.a, kreis.b), QPointF(schnitt, kMitteY));
        expectLine(job.ops.back(), {schnitt, 0}, {schnitt, kHoehe});
        EXPECT_EQ(job.ops.back().style, LineStyle::Dash);
    }
    // Corner 5, at the bottom of the screen picture, lies right of the centre.
    EXPECT_NEAR(printer.jobs[0].only(Op::Line)[4].a, 500 + 5377, 0.01);
}

TEST_F(DruckTest, TwoPointStarOnOneAndTwoSheets)
{
    w->hsbAnzahl->setValue(2);
    w->optPeloxForm[1]->click();
    drucken();
    w->chkZweiA4->click();
    drucken();

    ASSERT_EQ(printer.jobs.size(), 3u);
    EXPECT_EQ(printer.jobs[0].count(Op::Line), 8);
    expectEdges(printer.jobs[0].only(Op::Line), 1, 4, eins, true);
    EXPECT_EQ(printer.jobs[1].count(Op::Line), 5);
    expectEdges(printer.jobs[1].only(Op::Line), 1, 2, zwei(500), true);
    EXPECT_EQ(printer.jobs[2].count(Op::Line), 5);
    expectEdges(printer.jobs[2].only(Op::Line), 3, 4, zwei(kBreite - 500), true);
}

TEST_F(DruckTest, OneSheetAfterTwoSheetsDrawsSolidLines)
{
    w->chkZweiA4->click();
    drucken();
    w->chkZweiA4->click();
    drucken();

    ASSERT_EQ(printer.jobs.size(), 3u);
    EXPECT_EQ(printer.jobs[2].count(Op::Line), 16);
    for (const Op& o : printer.jobs[2].only(Op::Line)) {
        EXPECT_EQ(o.style, LineStyle::Solid);
        EXPECT_EQ(o.width, 2);
    }
}

TEST_F(DruckTest, NumbersInTheDataBlockFollowTheLocale)
{
    w->hsbAnzahl->setValue(36);
    w->hsbAussen->setValue(25);
    w->hsbInnen->setValue(15);
    w->vsbYFaktor->setValue(7);
    w->DateiPfad.clear();
    drucken();
    QLocale::setDefault(QLocale::c());
    drucken();

    ASSERT_EQ(printer.jobs.size(), 2u);
    EXPECT_EQ(printer.jobs[0].texts(),
        QStringList({"  Dateiname = ", "  Anzahl Spitzen = 36", "  Aussenmass = 12,5 cm", "  Innenmass = 7,5 cm",
            "  Kp1= 0  Kp2= 0  Kp3= 0", "  Höhe = 70%"}));
    EXPECT_EQ(printer.jobs[1].texts()[2], "  Aussenmass = 12.5 cm");
}

TEST_F(DruckTest, NoPrinterAndRefusedJobs)
{
    const auto expectMessage = [&](std::size_t n, const QString& text) {
        ASSERT_EQ(messageBox.shown.size(), n);
        EXPECT_TRUE(messageBox.shown.back().text.contains(text)) << messageBox.shown.back().text.toStdString();
        EXPECT_EQ(messageBox.shown.back().title, QStringLiteral("Drucken nicht möglich !!"));
        EXPECT_EQ(messageBox.shown.back().flags, MessageBoxPort::kExclamation);
    };

    // No printer: nothing at all is sent, on one sheet or two.
    printer.present = false;
    drucken();
    w->chkZweiA4->click();
    drucken();
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_TRUE(printer.pending().ops.empty());
    expectMessage(2, QStringLiteral(" Es ist kein Drucker eingerichtet !! "));

    // A refused first sheet: the second is not even begun.
    printer.present = true;
    printer.answers = {false};
    drucken();
    EXPECT_EQ(printer.jobs.size(), 1u);
    expectMessage(3, QStringLiteral("nichts gedruckt"));

    // A refused second sheet after the first was taken.
    printer.answers = {true, false};
    drucken();
    EXPECT_EQ(printer.jobs.size(), 3u);
    expectMessage(4, QStringLiteral("zweite Blatt"));

    w->chkZweiA4->click();
    printer.answers = {false};
    drucken();
    EXPECT_EQ(printer.jobs.size(), 4u);
    expectMessage(5, QStringLiteral("nichts gedruckt"));
}
