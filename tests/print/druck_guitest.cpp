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
#include <string>

namespace {

using Op = Drawing::Op;
using Abbildung = std::function<QPointF(float, float)>;

// The fake printer's page is A4 without margins: 11906 x 16838 twips. True
// size is 566 twips to the cm: on one sheet around the page centre, on two
// sheets with x and y exchanged around the centre on the cut line.
const Abbildung eins = [](float x, float y) { return QPointF(5953 + x * 566.0, 8419 + y * 566.0); };

Abbildung zwei(double schnitt)
{
    return [schnitt](float x, float y) { return QPointF(schnitt + y * 566.0, 8419 + x * 566.0); };
}

// The kinds of a job's operations as letters: Font, Größe, Line, Circle, Text.
std::string folge(const Drawing& job)
{
    std::string r;
    for (const Op& o : job.ops)
        r += "FGLCT"[o.kind];
    return r;
}

QStringList texte(const Drawing& job)
{
    QStringList r;
    for (const Op& o : job.only(Op::Text))
        r << o.text;
    return r;
}

void expectLine(const Op& o, QPointF from, QPointF to)
{
    EXPECT_NEAR(o.a, from.x(), 0.01);
    EXPECT_NEAR(o.b, from.y(), 0.01);
    EXPECT_NEAR(o.c, to.x(), 0.01);
    EXPECT_NEAR(o.d, to.y(), 0.01);
}

class DruckTest : public WindowTest {
protected:
    void drucken() { w->cmdDrucken->click(); }

    QPointF ecke(const Abbildung& m, int i) const { return m(w->PunktX[i], w->PunktY[i]); }

    // A job's straight edges first..last, in this order.
    void expectEdges(const Drawing& job, int first, int last, const Abbildung& m)
    {
        const auto lines = job.only(Op::Line);
        ASSERT_GT(lines.size(), std::size_t(last - first));
        for (int i = first; i <= last; ++i)
            expectLine(lines[std::size_t(i - first)], ecke(m, i), ecke(m, i + 1));
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
    const Drawing& eineSeite = printer.jobs[0];
    EXPECT_EQ(folge(eineSeite), "FG" + std::string(6, 'T') + std::string(16, 'L') + "C");
    EXPECT_EQ(eineSeite.ops[0].text, "courier");
    EXPECT_EQ(eineSeite.ops[1].a, 10);
    // Corner 1 is the tip 9.5 cm right of the page centre.
    EXPECT_NEAR(eineSeite.ops[8].a, 5953 + 5377, 0.01);
    expectEdges(eineSeite, 1, 16, eins);
    EXPECT_EQ(QPointF(eineSeite.ops.back().a, eineSeite.ops.back().b), eins(0, 0));
    EXPECT_EQ(eineSeite.ops.back().c, 60);

    // Two sheets: the data block on the second only, edges 1 to 8 around a
    // cut line 500 twips from the left, 9 to 16 around one 500 twips from the
    // right, the centre mark on the cut line, which runs the page's height.
    for (int blatt : {0, 1}) {
        SCOPED_TRACE(blatt);
        const Drawing& job = printer.jobs[std::size_t(1 + blatt)];
        const double schnitt = blatt == 0 ? 500 : 11906 - 500;
        EXPECT_EQ(folge(job), (blatt == 0 ? "FG" : std::string(6, 'T')) + std::string(8, 'L') + "CL");
        expectEdges(job, 8 * blatt + 1, 8 * blatt + 8, zwei(schnitt));
        EXPECT_EQ(QPointF(job.ops.end()[-2].a, job.ops.end()[-2].b), QPointF(schnitt, 8419));
        expectLine(job.ops.back(), {schnitt, 0}, {schnitt, 16838});
    }

    // Thin lines are 2 dots on one sheet and 1 on two, thick ones 6 and 2;
    // only the cut lines that end the two-sheet jobs are dashed.
    const int breite[] = {2, 1, 1, 2, 6, 2, 2, 6};
    for (std::size_t j = 0; j < 8; ++j) {
        const auto lines = printer.jobs[j].only(Op::Line);
        for (std::size_t k = 0; k < lines.size(); ++k) {
            const bool schnitt = (j % 4 == 1 || j % 4 == 2) && k + 1 == lines.size();
            EXPECT_EQ(lines[k].width, breite[j]) << "job " << j;
            EXPECT_EQ(lines[k].style, schnitt ? LineStyle::Dash : LineStyle::Solid) << "job " << j;
        }
    }
}

TEST_F(DruckTest, DreiDPrintsSpokesAndNoCentreMark)
{
    // A two-point star: four edges and their spokes, on two sheets two of each
    // and the cut line.
    w->optPeloxForm[1]->click();
    w->hsbAnzahl->setValue(2);
    drucken();
    w->chkZweiA4->setChecked(true);
    drucken();
    ASSERT_EQ(printer.jobs.size(), 3u);
    EXPECT_EQ(folge(printer.jobs[0]), "FG" + std::string(6, 'T') + std::string(8, 'L'));
    EXPECT_EQ(folge(printer.jobs[1]), "FG" + std::string(5, 'L'));
    EXPECT_EQ(folge(printer.jobs[2]), std::string(6, 'T') + std::string(5, 'L'));
    expectEdges(printer.jobs[0], 1, 4, eins);
    expectEdges(printer.jobs[1], 1, 2, zwei(500));
    expectEdges(printer.jobs[2], 3, 4, zwei(11906 - 500));

    // Bent edges: four segments each, then a spoke from every corner, not
    // from a bend point, to the centre.
    w->chkZweiA4->setChecked(false);
    w->hsbAnzahl->setValue(8);
    // The caught point follows the pointer in steps it can keep up with.
    move(w->picKurvenForm, w->KurveX2, w->KurveNullY);
    for (int dy = 100; dy <= 400; dy += 100)
        move(w->picKurvenForm, w->KurveX2, w->KurveNullY - dy, 1);
    ASSERT_TRUE(w->KurveEin);
    drucken();
    const Drawing& job = printer.jobs.at(3);
    ASSERT_EQ(folge(job), "FG" + std::string(6, 'T') + std::string(64 + 16, 'L'));
    for (int i = 1; i <= 16; ++i)
        expectLine(job.ops[std::size_t(71 + i)], ecke(eins, i), eins(0, 0));
    // The block shows the bend values as the curve editor shows them.
    EXPECT_NE(w->lblKurvenWerte->text(), " Kp1= 0  Kp2= 0  Kp3= 0");
    EXPECT_EQ(texte(job)[4], " " + w->lblKurvenWerte->text());
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
    EXPECT_EQ(texte(printer.jobs[0]),
        QStringList({"  Dateiname = ", "  Anzahl Spitzen = 36", "  Aussenmass = 12,5 cm", "  Innenmass = 7,5 cm",
            "  Kp1= 0  Kp2= 0  Kp3= 0", "  Höhe = 70%"}));
    EXPECT_EQ(texte(printer.jobs[1])[2], "  Aussenmass = 12.5 cm");
}

TEST_F(DruckTest, NoPrinterAndRefusedJobs)
{
    const auto drucke = [&](bool zweiBlaetter, std::vector<bool> answers, std::size_t jobs, const QString& meldung) {
        SCOPED_TRACE(meldung.toStdString());
        printer.answers = answers;
        printer.jobs.clear();
        messageBox.shown.clear();
        w->chkZweiA4->setChecked(zweiBlaetter);
        drucken();
        EXPECT_EQ(printer.jobs.size(), jobs);
        EXPECT_TRUE(printer.ops.empty());
        ASSERT_EQ(messageBox.shown.size(), 1u);
        EXPECT_TRUE(messageBox.shown[0].text.contains(meldung)) << messageBox.shown[0].text.toStdString();
        EXPECT_EQ(messageBox.shown[0].title, QStringLiteral("Drucken nicht möglich !!"));
        EXPECT_EQ(messageBox.shown[0].flags, MessageBoxPort::kExclamation);
    };
    // Without a printer not even the first of two sheets is begun.
    printer.present = false;
    drucke(true, {}, 0, "kein Drucker eingerichtet");
    printer.present = true;
    drucke(false, {false}, 1, "nichts gedruckt");
    // A refused first sheet: the second is not even begun.
    drucke(true, {false}, 1, "nichts gedruckt");
    drucke(true, {true, false}, 2, "zweite Blatt");
}
