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

namespace {

using Op = FakePrinter::Op;
using Job = FakePrinter::Job;

// The A4 page of the fake printer: 11906 x 16838 twips, centre (5953, 8419).
constexpr double kMitteX = 5953;
constexpr double kMitteY = 8419;
constexpr double kBreite = 11906;
constexpr double kHoehe = 16838;

class DruckTest : public WindowTest {
protected:
    void drucken() { w->cmdDrucken->click(); }

    // Corner i on one sheet: true size at 566 twips per cm around the page centre.
    QPointF eins(int i) const { return {kMitteX + w->PunktX[i] * 566.0, kMitteY + w->PunktY[i] * 566.0}; }
    // Corner i on a sheet of two: x and y exchanged, centred on the cut line.
    QPointF zwei(int i, double schnittX) const
    {
        return {schnittX + w->PunktY[i] * 566.0, kMitteY + w->PunktX[i] * 566.0};
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

std::vector<Op::Kind> kinds(const Job& job)
{
    std::vector<Op::Kind> r;
    for (const Op& o : job.ops)
        r.push_back(o.kind);
    return r;
}

void expectLine(const Op& o, QPointF from, QPointF to)
{
    ASSERT_EQ(o.kind, Op::Line);
    EXPECT_NEAR(o.a, from.x(), 0.01);
    EXPECT_NEAR(o.b, from.y(), 0.01);
    EXPECT_NEAR(o.c, to.x(), 0.01);
    EXPECT_NEAR(o.d, to.y(), 0.01);
}

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
    EXPECT_EQ(kinds(job), erwartet);

    EXPECT_EQ(job.ops[0].text, "courier");
    EXPECT_EQ(job.ops[1].a, 10);
    EXPECT_EQ(job.texts(), QStringList({
        "  Dateiname = " + QString::fromStdString(w->DateiPfad),
        "  Anzahl Spitzen = 8",
        "  Aussenmass = 19 cm",
        "  Innenmass = 8 cm",
        "  Kp1= 0  Kp2= 0  Kp3= 0",
        "  Höhe = 100%",
    }));

    const auto lines = job.only(Op::Line);
    // Corner 1, the tip on the right, 9.5 cm right of the page centre.
    EXPECT_NEAR(lines[0].a, kMitteX + 5377, 0.01);
    EXPECT_NEAR(lines[0].b, kMitteY, 0.01);
    for (int i = 1; i <= 16; ++i)
        expectLine(lines[i - 1], eins(i), eins(i + 1));
    // The outline closes on corner 1.
    EXPECT_NEAR(lines[15].c, lines[0].a, 0.5);
    EXPECT_NEAR(lines[15].d, lines[0].b, 0.5);

    const Op kreis = job.only(Op::Circle)[0];
    EXPECT_EQ(kreis.a, kMitteX);
    EXPECT_EQ(kreis.b, kMitteY);
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
    for (const Op& o : printer.jobs[0].only(Op::Line))
        EXPECT_EQ(o.width, 6);
    EXPECT_EQ(printer.jobs[0].only(Op::Circle)[0].width, 6);
    for (int j = 1; j <= 2; ++j) {
        for (const Op& o : printer.jobs[j].only(Op::Line))
            EXPECT_EQ(o.width, 2);
    }
}

TEST_F(DruckTest, BentEdgesPrintFourSegmentsThroughTheBendPoints)
{
    bendEdges();
    drucken();

    const auto lines = printer.jobs.at(0).only(Op::Line);
    ASSERT_EQ(lines.size(), 64u);
    const auto bend = [&](int i, int k) {
        return QPointF(kMitteX + w->KurvePunktX[i][k] * 566.0, kMitteY + w->KurvePunktY[i][k] * 566.0);
    };
    for (int i = 1; i <= 16; ++i) {
        const Op* seg = &lines[std::size_t(4 * (i - 1))];
        expectLine(seg[0], eins(i), bend(i, 1));
        expectLine(seg[1], bend(i, 1), bend(i, 2));
        expectLine(seg[2], bend(i, 2), bend(i, 3));
        expectLine(seg[3], bend(i, 3), eins(i + 1));
    }
    // The bend really leaves the straight edge, and the block shows what the
    // curve editor shows.
    EXPECT_GT(std::hypot(bend(1, 2).x() - (eins(1).x() + eins(2).x()) / 2,
                  bend(1, 2).y() - (eins(1).y() + eins(2).y()) / 2),
        100);
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
    // The spokes come after every edge and start at the corners, not at the
    // bend points.
    for (int i = 1; i <= 16; ++i)
        expectLine(lines[std::size_t(63 + i)], eins(i), {kMitteX, kMitteY});
}

TEST_F(DruckTest, EightPointStarOnTwoSheets)
{
    w->chkZweiA4->click();
    drucken();

    ASSERT_EQ(printer.jobs.size(), 2u);
    const Job& erstes = printer.jobs[0];
    const Job& zweites = printer.jobs[1];
    const double rechts = kBreite - 500;

    // The first sheet: half the star right of the cut line 500 twips in from
    // the left, no text.
    EXPECT_EQ(erstes.count(Op::Text), 0);
    EXPECT_EQ(erstes.count(Op::FontName), 1);
    auto lines = erstes.only(Op::Line);
    ASSERT_EQ(lines.size(), 9u);
    for (int i = 1; i <= 8; ++i) {
        expectLine(lines[i - 1], zwei(i, 500), zwei(i + 1, 500));
        EXPECT_GE(lines[i - 1].a, 500 - 0.5);
        EXPECT_EQ(lines[i - 1].style, LineStyle::Solid);
        EXPECT_EQ(lines[i - 1].width, 1);
    }
    // Corner 5, at the bottom of the screen picture, lies right of the centre.
    EXPECT_NEAR(lines[4].a, 500 + 5377, 0.01);
    EXPECT_NEAR(lines[4].b, kMitteY, 0.01);
    const Op kreis1 = erstes.only(Op::Circle).at(0);
    EXPECT_EQ(QPointF(kreis1.a, kreis1.b), QPointF(500, kMitteY));
    expectLine(erstes.ops.back(), {500, 0}, {500, kHoehe});
    EXPECT_EQ(erstes.ops.back().style, LineStyle::Dash);

    // The second sheet: the data block first, then the other half left of the
    // cut line 500 twips in from the right; the font is not set again.
    ASSERT_GE(zweites.ops.size(), 6u);
    for (std::size_t k = 0; k < 6; ++k)
        EXPECT_EQ(zweites.ops[k].kind, Op::Text);
    EXPECT_EQ(zweites.texts().size(), 6);
    EXPECT_EQ(zweites.count(Op::FontName), 0);
    lines = zweites.only(Op::Line);
    ASSERT_EQ(lines.size(), 9u);
    for (int i = 9; i <= 16; ++i) {
        expectLine(lines[i - 9], zwei(i, rechts), zwei(i + 1, rechts));
        EXPECT_LE(lines[i - 9].a, rechts + 0.5);
        EXPECT_EQ(lines[i - 9].style, LineStyle::Solid);
        EXPECT_EQ(lines[i - 9].width, 1);
    }
    const Op kreis2 = zweites.only(Op::Circle).at(0);
    EXPECT_EQ(QPointF(kreis2.a, kreis2.b), QPointF(rechts, kMitteY));
    expectLine(zweites.ops.back(), {rechts, 0}, {rechts, kHoehe});
    EXPECT_EQ(zweites.ops.back().style, LineStyle::Dash);
}

TEST_F(DruckTest, TwoPointStarOnOneAndTwoSheets)
{
    w->hsbAnzahl->setValue(2);
    w->optPeloxForm[1]->click();
    drucken();
    w->chkZweiA4->click();
    drucken();

    ASSERT_EQ(printer.jobs.size(), 3u);
    auto lines = printer.jobs[0].only(Op::Line);
    ASSERT_EQ(lines.size(), 8u);
    for (int i = 1; i <= 4; ++i) {
        expectLine(lines[i - 1], eins(i), eins(i + 1));
        expectLine(lines[i + 3], eins(i), {kMitteX, kMitteY});
    }
    // Edges 1 and 2 with their spokes on the first sheet, 3 and 4 on the second.
    for (int blatt = 0; blatt < 2; ++blatt) {
        const double schnitt = blatt == 0 ? 500 : kBreite - 500;
        lines = printer.jobs[1 + blatt].only(Op::Line);
        ASSERT_EQ(lines.size(), 5u);
        for (int k = 0; k < 2; ++k) {
            const int i = 2 * blatt + k + 1;
            expectLine(lines[k], zwei(i, schnitt), zwei(i + 1, schnitt));
            expectLine(lines[k + 2], zwei(i, schnitt), {schnitt, kMitteY});
        }
    }
}

TEST_F(DruckTest, OneSheetAfterTwoSheetsDrawsSolidLines)
{
    w->chkZweiA4->click();
    drucken();
    w->chkZweiA4->click();
    drucken();

    ASSERT_EQ(printer.jobs.size(), 3u);
    const Job& job = printer.jobs[2];
    EXPECT_EQ(job.count(Op::Line), 16);
    for (const Op& o : job.only(Op::Line)) {
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
    EXPECT_EQ(printer.jobs[0].texts(), QStringList({
        "  Dateiname = ",
        "  Anzahl Spitzen = 36",
        "  Aussenmass = 12,5 cm",
        "  Innenmass = 7,5 cm",
        "  Kp1= 0  Kp2= 0  Kp3= 0",
        "  Höhe = 70%",
    }));
    EXPECT_EQ(printer.jobs[1].texts()[2], "  Aussenmass = 12.5 cm");
}

TEST_F(DruckTest, NoPrinterAndRefusedJobs)
{
    const QString titel = QStringLiteral("Drucken nicht möglich !!");

    printer.present = false;
    drucken();
    w->chkZweiA4->click();
    drucken();
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_TRUE(printer.pending().ops.empty());
    ASSERT_EQ(messageBox.shown.size(), 2u);
    EXPECT_EQ(messageBox.shown[1].text, QStringLiteral(" Es ist kein Drucker eingerichtet !! "));
    EXPECT_EQ(messageBox.shown[1].title, titel);
    EXPECT_EQ(messageBox.shown[1].flags, MessageBoxPort::kExclamation);

    // A refused first sheet: the second is not even begun.
    printer.present = true;
    printer.answers = {false};
    drucken();
    ASSERT_EQ(printer.jobs.size(), 1u);
    ASSERT_EQ(messageBox.shown.size(), 3u);
    EXPECT_TRUE(messageBox.shown[2].text.contains(QStringLiteral("nichts gedruckt")));

    // A refused second sheet after the first was taken.
    printer.answers = {true, false};
    drucken();
    ASSERT_EQ(printer.jobs.size(), 3u);
    ASSERT_EQ(messageBox.shown.size(), 4u);
    EXPECT_TRUE(messageBox.shown[3].text.contains(QStringLiteral("zweite Blatt")));

    // One sheet refused.
    w->chkZweiA4->click();
    printer.answers = {false};
    drucken();
    ASSERT_EQ(printer.jobs.size(), 4u);
    ASSERT_EQ(messageBox.shown.size(), 5u);
    EXPECT_EQ(messageBox.shown[4].text, messageBox.shown[2].text);
    EXPECT_EQ(messageBox.shown[4].title, titel);
}
