// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The net's labels as the PDF prints them, read back word by word: on their
// pieces, apart from each other and from the cut lines, within the room the
// net gave them, in German and in English.
#include "support/dateitest.h"
#include "support/netzworte.h"
#include "support/program.h"

#include "net/beschriftung.h"
#include "net/vieleck.h"
#include "print/faltnetz.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <map>

namespace {

using netz::Punkt;
using netz::Rechteck;

Punkt mitte(const Rechteck& r)
{
    return {(r.links + r.rechts) / 2, (r.oben + r.unten) / 2};
}

class NetzBeschriftung : public DateiTest {
protected:
    QString beispiel(const QString& name) const
    {
        return QFileInfo(QStringLiteral(PELOX_PROGRAM)).absolutePath() + QStringLiteral("/share/pelox/examples/")
            + name;
    }

    // The net of the design as the command line makes it with these options
    // beside --net, and that net computed here.
    void pruefe(const QString& datei, const QStringList& optionen, double hoehe, int haelften, bool englisch,
        double durchmesser = 0)
    {
        SCOPED_TRACE((datei + " " + optionen.join(' ') + (englisch ? " en" : "")).toStdString());
        const QString pdf = pfad("netz.pdf");
        const Lauf l = starte(QStringLiteral(PELOX_PROGRAM), QStringList{"--net", pdf} + optionen + QStringList{datei},
            {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}, {"LANGUAGE", englisch ? "en" : "de"}});
        ASSERT_EQ(l.status, 0) << l.fehler.toStdString();
        netz::Vorgabe v;
        v.hoehe = hoehe;
        v.haelften = haelften;
        const QSizeF blatt = frmPelox::NetzPapier(QPageSize::A4);
        v.blattBreite = blatt.width();
        v.blattHoehe = blatt.height();
        const netz::Ergebnis e = w->Faltnetz(durchmesser > 0 ? durchmesser : w->AussenDurchmesser, v);
        ASSERT_TRUE(e.netz) << e.grund;
        const netz::Netz& n = *e.netz;
        int fehlend = 0;
        for (const Phrase& h : n.hinweise)
            fehlend += h.source.starts_with("Beschriftungen") ? std::stoi(h.args.at(0).source) : 0;
        // The command line says what the net says, once each.
        EXPECT_EQ(l.meldungen().size(), n.hinweise.size()) << l.meldungen().join('\n').toStdString();
        EXPECT_EQ(l.meldungen().filter(QRegularExpression("^pelox: (Beschriftungen|Labels) ")).size(), fehlend > 0 ? 1 : 0)
            << l.meldungen().join('\n').toStdString();

        for (int b = 0; b < n.blaetter; ++b) {
            // Each word within the room of exactly one label, inside its
            // piece, crossing no cut line, apart from every other label's.
            std::vector<std::pair<Wort, const netz::Text*>> gefunden;
            std::map<const netz::Text*, int> jeText;
            for (const Wort& wort : woerter(pdf, b + 2)) {
                const netz::Teil* teil = nullptr;
                const netz::Text* text = nullptr;
                int treffer = 0;
                for (const netz::Teil& t : n.teile) {
                    for (const netz::Text& x : t.texte) {
                        const Punkt m = mitte(wort.r);
                        if (t.blatt == b && netz::textRahmen(x).erweitert(-0.02).enthaelt({m.x, m.y, m.x, m.y})) {
                            ++treffer;
                            teil = &t;
                            text = &x;
                        }
                    }
                }
                if (treffer == 0)
                    continue;  // the legend, the sheet's name, the check scale
                ASSERT_EQ(treffer, 1) << wort.text.toStdString();
                EXPECT_TRUE(netz::textRahmen(*text).erweitert(0.005).enthaelt(wort.r)) << wort.text.toStdString();
                if (!englisch) {
                    EXPECT_TRUE(QString::fromStdString(text->text.asWritten()).split(' ').contains(wort.text))
                        << wort.text.toStdString();
                }
                const Rechteck& r = wort.r;
                for (const Punkt& p : {Punkt{r.links, r.oben}, Punkt{r.rechts, r.oben}, Punkt{r.links, r.unten},
                         Punkt{r.rechts, r.unten}}) {
                    EXPECT_TRUE(netz::drinnen(teil->schnitt, p)) << wort.text.toStdString();
                }
                for (std::size_t i = 0; i < teil->schnitt.size(); ++i) {
                    const blatt::Strecke s{teil->schnitt[i], teil->schnitt[(i + 1) % teil->schnitt.size()]};
                    EXPECT_FALSE(blatt::schneidet(s, r)) << wort.text.toStdString();
                }
                for (const auto& [anderes, von] : gefunden) {
                    EXPECT_FALSE(von != text && r.links < anderes.r.rechts && anderes.r.links < r.rechts
                        && r.oben < anderes.r.unten && anderes.r.oben < r.unten)
                        << wort.text.toStdString() << " / " << anderes.text.toStdString();
                }
                gefunden.push_back({wort, text});
                ++jeText[text];
            }
            // Every label of the sheet printed.
            for (const netz::Teil& t : n.teile) {
                for (const netz::Text& x : t.texte)
                    EXPECT_TRUE(t.blatt != b || jeText.count(&x)) << x.text;
            }
        }
    }
};

// Pulled corners (the Bethlehem star) low and lower, and one half alone.
TEST_F(NetzBeschriftung, PulledCornersInGermanAndEnglish)
{
    lese(beispiel("bethlehemstern.plx"));
    for (const bool englisch : {false, true})
        pruefe(beispiel("bethlehemstern.plx"), {"--peak", "0.5"}, 0.5, 2, englisch);
    pruefe(beispiel("bethlehemstern.plx"), {"--peak", "0.1"}, 0.1, 2, false);
    pruefe(beispiel("bethlehemstern.plx"), {"--peak", "0.5", "--halves", "1"}, 0.5, 1, true);
}

// The start star at its lowest peak, and 36 points: curved, and so small
// that labels are left out, which the command line says.
TEST_F(NetzBeschriftung, LowPeaksAndManyPoints)
{
    speichere(pfad("stern.plx"));
    pruefe(pfad("stern.plx"), {"--peak", "0.1"}, 0.1, 2, false);
    w->hsbAnzahl->setValue(36);
    speichere(pfad("viele.plx"));
    pruefe(pfad("viele.plx"), {"--peak", "1"}, 1, 2, false);
    pruefe(pfad("viele.plx"), {"--peak", "1", "--diameter", "5"}, 1, 2, false, 5);
    w->hsbInnen->setValue(30);
    biege(1, w->KurveY1 - 10);
    biege(3, w->KurveY3 + 8);
    ASSERT_TRUE(w->KurveEin);

    speichere(pfad("gebogen.plx"));
    pruefe(pfad("gebogen.plx"), {"--peak", "2"}, 2, 2, true);
}

// The room given to a text is at least its advance in the font the PDF
// and the SVG draw with: for every digit and capital of the numbers and
// letters, and for the names in German and in English.
TEST(NetzSchrift, TheRoomCoversTheFontsAdvance)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(1000);
    f.setHintingPreference(QFont::PreferNoHinting);
    ASSERT_EQ(QFontInfo(f).family(), QStringLiteral("Liberation Sans"));
    const QFontMetricsF m(f);
    // At this size an em is a centimetre; the room round the text aside.
    const auto ems = [](const Phrase& p) {
        const auto breite = [](const Phrase& q) { return netz::textRahmen({{0, 0}, 72 / 2.54, q}).breite(); };
        return breite(p) - breite(Phrase());
    };
    for (const QChar c : QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"))
        EXPECT_GE(ems(Phrase(QString(c).toStdString())) + 1e-3, m.horizontalAdvance(c) / 1000) << c.toLatin1();
    const std::pair<Phrase, QStringList> namen[] = {
        {PELOX_TEXT("netz", "Oberteil"), {"Oberteil", "Top half"}},
        {PELOX_TEXT("netz", "Unterteil"), {"Unterteil", "Bottom half"}},
        {PELOX_TEXT("netz", "Teil %1 von %2").arg(1).arg(1), {"Teil 1 von 1", "Piece 1 of 1"}},
        {PELOX_TEXT("netz", "Teil %1 von %2").arg(38).arg(38), {"Teil 38 von 38", "Piece 38 of 38"}},
    };
    for (const auto& [p, texte] : namen) {
        for (const QString& t : texte)
            EXPECT_GE(ems(p), m.horizontalAdvance(t) / 1000) << t.toStdString();
    }
}

} // namespace
