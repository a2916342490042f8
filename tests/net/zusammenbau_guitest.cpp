// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The finished star on the first page of the net, in the printout and in
// the PDF.
#include "support/dateitest.h"
#include "support/program.h"

#include "net/ansicht.h"
#include "net/netz.h"
#include "print/faltnetz.h"
#include "platform/pdffile.h"
#include "print/zusammenbau.h"

#include "laterne_vorgabe.h"

#include <QImage>

namespace {

class Zusammenbau : public DateiTest {
protected:
    netz::Netz netzFuer(int haelften)
    {
        netz::Vorgabe v;
        v.hoehe = 3.8;
        v.haelften = haelften;
        const QSizeF blatt = frmPelox::NetzPapier(QPageSize::A4);
        v.blattBreite = blatt.width();
        v.blattHoehe = blatt.height();
        netz::Ergebnis e = w->Faltnetz(w->AussenDurchmesser, v);
        EXPECT_TRUE(e.netz) << e.grund;
        return e.netz ? *e.netz : netz::Netz{};
    }
};

// What the first page of a printed net holds.
Drawing ersteSeite(const Drawing& job)
{
    Drawing seite;
    for (const Drawing::Op& op : job.ops) {
        if (op.kind == Drawing::Op::Page)
            break;
        seite.ops.push_back(op);
    }
    return seite;
}

TEST_F(Zusammenbau, TheFirstPageShowsTheFinishedStarAndItsSize)
{
    for (const int haelften : {2, 1}) {
        const netz::Netz n = netzFuer(haelften);
        FakePrinter drucker;
        faltnetz::NetzDrucken(drucker, n, w->NetzAngaben(w->AussenDurchmesser));
        ASSERT_EQ(drucker.jobs.size(), 1u);
        const Drawing seite = ersteSeite(drucker.jobs[0]);
        // Every face the view shows from its start, and nothing on the
        // sheets of pieces.
        const auto bild = netz::abbilden(netz::szene(n.koerper, haelften), netz::startKamera(), 1, 1);
        EXPECT_EQ(seite.count(Drawing::Op::Polygon), int(bild.size()));
        EXPECT_EQ(drucker.jobs[0].count(Drawing::Op::Polygon), int(bild.size()));
        EXPECT_TRUE(seite.texte().contains(haelften == 2 ? "Fertiger Stern: 19,0 × 19,0 cm, 7,6 cm dick"
                                                         : "Fertiger Stern: 19,0 × 19,0 cm, 3,8 cm dick"))
            << seite.texte().join('\n').toStdString();
        // On the page, below the text, clear of the check scale's corner.
        for (const Drawing::Op& f : seite.only(Drawing::Op::Polygon)) {
            EXPECT_GE(f.a, 0);
            EXPECT_LE(f.c, drucker.width);
            EXPECT_GT(f.b, 3000);
            EXPECT_LT(f.d, drucker.height - 6 * 567);
        }
    }
}

TEST_F(Zusammenbau, ThePictureIsFilledInThePdf)
{
    speichere(pfad("stern.plx"));
    const Lauf l = starte(QStringLiteral(PELOX_PROGRAM),
        {"--net", pfad("netz.pdf"), "--peak", "3.8", pfad("stern.plx")},
        {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}});
    ASSERT_EQ(l.status, 0);
    const QString text = QString::fromUtf8(run(QStringLiteral("pdftotext"), {"-f", "1", "-l", "1", pfad("netz.pdf"), "-"}));
    EXPECT_TRUE(text.contains("Fertiger Stern: 19,0 × 19,0 cm, 7,6 cm dick")) << text.toStdString();
    run(QStringLiteral("pdftoppm"), {"-f", "1", "-l", "1", "-r", "30", "-png", pfad("netz.pdf"), pfad("seite")});
    const QImage seite(pfad("seite-1.png"));
    ASSERT_FALSE(seite.isNull());
    // The card's golden faces, light and shaded.
    int golden = 0;
    for (int y = 0; y < seite.height(); ++y)
        for (int x = 0; x < seite.width(); ++x) {
            const QColor c = seite.pixelColor(x, y);
            golden += c.red() > c.blue() + 60 && c.green() > c.blue() + 30;
        }
    EXPECT_GT(golden, 1500);
}

TEST_F(Zusammenbau, ThePictureShowsTheChosenColoursAndLitGlowsOnANightSky)
{
    const netz::Vorgabe v = laterne(3.8);
    const netz::Netz n = startLaterne(v);
    netz::Szene s = netz::szene(n, v);
    s.farbe = {netz::Rgb{220, 20, 20}, netz::Rgb{20, 20, 220}};
    // Pixels of the page at 30 dpi: red, and dark or glowing warm white.
    const auto zaehlen = [&](const QString& name) {
        EXPECT_TRUE(savePdf(pfad(name + ".pdf"), PdfPaper{}, [&](PrinterPort& p) {
            faltnetz::ZusammenbauZeichnen(p, {0, 0, 9000, 10000}, s, n.koerper, 2);
            p.endDoc();
        }));
        run(QStringLiteral("pdftoppm"), {"-r", "30", "-png", pfad(name + ".pdf"), pfad(name)});
        const QImage seite(pfad(name + "-1.png"));
        EXPECT_FALSE(seite.isNull());
        std::array<int, 3> anzahl{};
        for (int y = 0; y < seite.height(); ++y)
            for (int x = 0; x < seite.width(); ++x) {
                const QColor c = seite.pixelColor(x, y);
                anzahl[0] += c.red() > c.green() + 60 && c.red() > c.blue() + 60 && c.red() > 60;
                anzahl[1] += qGray(c.rgb()) < 40;
                anzahl[2] += c.red() > 240 && c.green() > 215 && c.blue() > 150 && c.blue() < 210;
            }
        return anzahl;
    };
    const std::array<int, 3> tag = zaehlen("tag");
    EXPECT_GT(tag[0], 1500);
    EXPECT_EQ(tag[2], 0);
    s.leuchtend = true;
    const std::array<int, 3> nacht = zaehlen("nacht");
    EXPECT_LT(nacht[0], 50);
    EXPECT_GT(nacht[1], 10000);
    EXPECT_GT(nacht[2], 300);
}

} // namespace
