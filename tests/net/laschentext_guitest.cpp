// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The labels on the tabs as the PDF prints them, read back word by word:
// every word on a piece lies inside one of its tabs and on none of its
// faces, and every edge's number is printed on a tab.
#include "support/dateitest.h"
#include "support/netzworte.h"
#include "support/program.h"

#include "net/beschriftung.h"
#include "net/vieleck.h"
#include "platform/pdffile.h"
#include "print/faltnetz.h"

#include <QRegularExpression>
#include <set>

namespace {

using netz::Punkt;
using netz::Rechteck;

std::vector<Punkt> ecken(const Rechteck& r)
{
    return {{r.links, r.oben}, {r.rechts, r.oben}, {r.rechts, r.unten}, {r.links, r.unten}};
}

class LaschenText : public DateiTest {
protected:
    // The net of the start-up star at the peak with the labels on the tabs,
    // written as the PDF the dialog saves, read back sheet by sheet.
    void pruefe(double hoehe, int haelften)
    {
        SCOPED_TRACE(testing::Message() << hoehe << " cm, " << haelften << " halves");
        netz::Vorgabe v;
        v.hoehe = hoehe;
        v.haelften = haelften;
        v.beschriftung = netz::Beschriftung::Laschen;
        const QSizeF blatt = frmPelox::NetzPapier(QPageSize::A4);
        v.blattBreite = blatt.width();
        v.blattHoehe = blatt.height();
        const netz::Ergebnis e = w->Faltnetz(w->AussenDurchmesser, v);
        ASSERT_TRUE(e.netz) << e.grund;
        const netz::Netz& n = *e.netz;
        const QString pdf = pfad("netz.pdf");
        ASSERT_TRUE(w->NetzPdfSchreiben(pdf, n, w->NetzAngaben(w->AussenDurchmesser), PdfPaper{QPageSize(QPageSize::A4)}));

        std::set<QString> nummern;  // printed on a tab
        int aufTeilen = 0;
        for (int b = 0; b < n.blaetter; ++b) {
            for (const Wort& wort : woerter(pdf, b + 2)) {
                const Rechteck r = wort.r.erweitert(-0.005);
                const Punkt m{(r.links + r.rechts) / 2, (r.oben + r.unten) / 2};
                for (const netz::Teil& t : n.teile) {
                    if (t.blatt != b || !netz::drinnen(t.schnitt, m))
                        continue;
                    ++aufTeilen;
                    bool aufLasche = false;
                    for (const netz::Lasche& l : t.laschen) {
                        for (const std::vector<Punkt>& stueck : l) {
                            const auto drin = [&](Punkt p) { return netz::drinnen(stueck, p); };
                            const std::vector<Punkt> e = ecken(r);
                            aufLasche |= std::all_of(e.begin(), e.end(), drin);
                        }
                    }
                    EXPECT_TRUE(aufLasche) << wort.text.toStdString() << " at " << m.x << ", " << m.y;
                    for (const auto& d : t.dreiecke) {
                        for (const Punkt& p : ecken(r))
                            EXPECT_FALSE(netz::drinnen({d.begin(), d.end()}, p)) << wort.text.toStdString();
                    }
                    if (aufLasche && wort.text.front().isDigit())
                        nummern.insert(wort.text);
                }
            }
        }
        EXPECT_GT(aufTeilen, 0);
        // Every edge glued along a tab can be found by its number.
        for (const int k : n.koerper.kante)
            EXPECT_TRUE(nummern.count(QString::number(k))) << k;
    }
};

// The start-up star in pieces at a low peak and a high one, and one half
// alone with its tabs along the outline.
TEST_F(LaschenText, ThePdfPrintsEveryLabelOnATab)
{
    pruefe(0.5, 2);
    pruefe(3.8, 2);
    pruefe(0.5, 1);
}

} // namespace
