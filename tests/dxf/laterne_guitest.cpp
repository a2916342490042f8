// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The lantern in the files the command line writes: the windows, the
// opening, the hanger's hole and the inserts read back from the SVG and the
// DXF as closed cuts, each piece's inside before its outline; the colours
// in the SVG's print layer alone; the PDF rendered, the colour on the faces,
// the tabs and the check scale untouched by it.
#include "dxf/lesen.h"
#include "support/dateitest.h"
#include "support/pdfseiten.h"
#include "support/program.h"

#include "net/netz.h"
#include "net/vieleck.h"
#include "print/faltnetz.h"

#include <QImage>
#include <QPageSize>
#include <set>

namespace {

using netz::operator+;
using netz::operator-;
using netz::operator*;

constexpr netz::Rgb kRot{192, 48, 48};
constexpr netz::Rgb kBlau{32, 64, 160};
constexpr double kPeak = 3.8;

using Pfad = std::vector<QPointF>;

bool innerhalb(const Pfad& aussen, QPointF p)
{
    std::vector<netz::Punkt> v;
    for (const QPointF& q : aussen)
        v.push_back({q.x(), q.y()});
    return netz::drinnen(v, {p.x(), p.y()});
}

class Laterne : public EntwurfTest {
protected:
    // What the options below ask for, and the net made here from it as the
    // program makes it.
    netz::Vorgabe vorgabe(bool fenster, bool schattiert) const
    {
        netz::Vorgabe v;
        v.hoehe = kPeak;
        const QSizeF blatt = frmPelox::NetzPapier(QPageSize(QPageSize::A3));
        v.blattBreite = blatt.width();
        v.blattHoehe = blatt.height();
        v.farbig = true;
        v.schattiert = schattiert;
        v.farbe = {kRot, kBlau};
        v.beschriftung = netz::Beschriftung::Laschen;
        if (fenster) {
            v.fensterRahmen = 0.5;
            v.einsaetze = true;
            v.oeffnung = 4;
            v.aufhaenger = true;
        }
        return v;
    }

    netz::Netz erwartet(const netz::Vorgabe& v)
    {
        netz::Ergebnis e = w->Faltnetz(w->AussenDurchmesser, v);
        EXPECT_TRUE(e.netz) << e.grund;
        return e.netz.value_or(netz::Netz{});
    }

    netz::Netz erwartet(bool fenster, bool schattiert) { return erwartet(vorgabe(fenster, schattiert)); }

    static QStringList laterne()
    {
        return {"--peak", QString::number(kPeak), "--paper", "A3", "--colour", "c03030,2040a0", "--windows", "5",
            "--inserts", "--opening", "4", "--hanger"};
    }
};

// The closed cuts in the order the file holds them, top-down in mm.
std::vector<Pfad> schnitte(const std::vector<Linie>& linien, const QString& rolle, double hoehe = -1)
{
    std::vector<Pfad> r;
    for (const Linie& l : linien) {
        if (l.rolle != rolle)
            continue;
        EXPECT_TRUE(l.geschlossen);
        Pfad p = l.punkte;
        if (hoehe >= 0)
            for (QPointF& q : p)
                q.setY(hoehe - q.y());
        r.push_back(p);
    }
    return r;
}

// The file's cuts are, in order, each piece's holes and then its outline,
// then the inserts; a cut that lies inside another comes before it; and
// around the lower peak of every lower piece, the opening's edge.
void pruefeSchnitte(std::vector<Pfad> datei, const netz::Netz& n, const char* was)
{
    const double breite = n.blattBreite * 10;
    const auto mm = [&](netz::Punkt p, int blatt) { return QPointF(blatt * (breite + 10) + p.x * 10, p.y * 10); };
    std::vector<std::pair<std::vector<netz::Punkt>, int>> soll;
    int loecher = 0, oeffnung = 0;
    for (const netz::Teil& t : n.teile) {
        for (const netz::Loch& l : t.loecher) {
            soll.emplace_back(l.pfad, t.blatt);
            ++loecher;
        }
        soll.emplace_back(t.schnitt, t.blatt);
    }
    for (const netz::Einsatz& e : n.einsaetze)
        soll.emplace_back(e.umriss, e.blatt);
    std::stable_sort(datei.begin(), datei.end(), [&](const Pfad& a, const Pfad& b) {
        return int(a.front().x() / (breite + 10)) < int(b.front().x() / (breite + 10));
    });
    ASSERT_EQ(datei.size(), soll.size()) << was;
    // The SVG holds its sheets one after the other; the order within a
    // sheet is the one that counts.
    std::stable_sort(soll.begin(), soll.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    for (std::size_t i = 0; i < soll.size(); ++i) {
        ASSERT_EQ(datei[i].size(), soll[i].first.size()) << was << " " << i;
        for (std::size_t k = 0; k < datei[i].size(); ++k) {
            const QPointF d = datei[i][k] - mm(soll[i].first[k], soll[i].second);
            EXPECT_LT(std::hypot(d.x(), d.y()), 0.01) << was << " " << i << " " << k;
        }
    }
    int innen = 0;
    for (std::size_t i = 0; i < datei.size(); ++i) {
        for (std::size_t j = 0; j < datei.size(); ++j) {
            const auto drin = [&](QPointF p) { return innerhalb(datei[j], p); };
            if (i == j || !std::all_of(datei[i].begin(), datei[i].end(), drin))
                continue;
            EXPECT_LT(i, j) << was << ": cut " << i << " inside " << j;
            ++innen;
        }
    }
    EXPECT_EQ(innen, loecher) << was;
    for (const netz::Teil& t : n.teile) {
        if (t.oberteil)
            continue;
        const QPointF spitze = mm(t.dreiecke.front()[0], t.blatt);
        for (const Pfad& p : datei)
            oeffnung += int(std::count_if(p.begin(), p.end(), [&](QPointF q) {
                return std::abs(std::hypot(q.x() - spitze.x(), q.y() - spitze.y()) - 20) < 0.05;
            }));
    }
    EXPECT_GT(oeffnung, 20) << was;
}

// The fills of the SVG's layer "druck", by colour, and whether any fill lies
// elsewhere.
struct Druck {
    std::map<QString, int> farben;
    int anderswo = 0;
};

Druck druckEbene(const QByteArray& svg)
{
    Druck d;
    QXmlStreamReader x(svg);
    QString ebene;
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (x.name() == QLatin1String("g"))
            ebene = x.attributes().value("id").toString();
        const QString f = x.attributes().value("fill").toString();
        if (x.name() != QLatin1String("path") || f.isEmpty() || f == QLatin1String("none"))
            continue;
        if (ebene == QLatin1String("druck"))
            ++d.farben[f];
        else
            ++d.anderswo;
    }
    return d;
}

} // namespace

TEST_F(Laterne, WindowsOpeningAndHoleAreClosedCutsBeforeTheirPiecesOutline)
{
    const Lauf l = pelox(laterne() + QStringList{"--net-svg", pfad("n.svg"), "--net-dxf", pfad("n.dxf"), design});
    ASSERT_EQ(l.status, 0) << l.fehler.toStdString();
    const netz::Netz n = erwartet(true, false);
    int fenster = 0, aufhaenger = 0;
    for (const netz::Teil& t : n.teile) {
        for (const netz::Loch& h : t.loecher) {
            fenster += h.art == netz::Loch::Art::Fenster;
            aufhaenger += h.art == netz::Loch::Art::Aufhaenger;
        }
    }
    EXPECT_GT(fenster, 16);
    EXPECT_EQ(aufhaenger, 2);
    EXPECT_EQ(std::size_t(fenster), n.einsaetze.size());

    pruefeSchnitte(schnitte(svgLinien(inhalt(pfad("n.svg")), 1), "#000000"), n, "svg");
    const Dxf d = lies(pfad("n.dxf"));
    gueltig(d);
    pruefeSchnitte(schnitte(d.linien, "CUT", n.blattHoehe * 10), n, "dxf");

    // The faces' colours in the print layer alone, one fill per face, the
    // upper half red and the lower blue; the DXF has none (gueltig).
    int flaechen[2] = {};
    for (const netz::Teil& t : n.teile)
        flaechen[t.oberteil ? 0 : 1] += int(t.anstrich.size());
    const Druck f = druckEbene(inhalt(pfad("n.svg")));
    EXPECT_EQ(f.farben, (std::map<QString, int>{{"#c03030", flaechen[0]}, {"#2040a0", flaechen[1]}}));
    EXPECT_EQ(f.anderswo, 0);

    // With a colour and no choice, the labels are those of the net with its
    // labels on the tabs, not on the faces.
    const auto mitten = [](const netz::Netz& netz) {
        std::vector<std::pair<int, int>> m;
        for (const netz::Teil& t : netz.teile)
            for (const netz::Text& x : t.texte)
                m.emplace_back(int(std::lround((t.blatt * (netz.blattBreite + 1) + x.mitte.x) * 100)),
                    int(std::lround(x.mitte.y * 100)));
        std::sort(m.begin(), m.end());
        return m;
    };
    std::vector<std::pair<int, int>> gelesen;
    QXmlStreamReader x(inhalt(pfad("n.svg")));
    while (!x.atEnd()) {
        if (x.readNext() == QXmlStreamReader::StartElement && x.name() == QLatin1String("text")
            && x.attributes().value("text-anchor") == QLatin1String("middle")) {
            const double tx = x.attributes().value("x").toDouble(), ty = x.attributes().value("y").toDouble();
            if (tx < n.blaetter * (n.blattBreite * 10 + 10))
                gelesen.emplace_back(int(std::lround(tx * 10)), int(std::lround(ty * 10)));
        }
    }
    std::sort(gelesen.begin(), gelesen.end());
    EXPECT_EQ(gelesen, mitten(n));
    netz::Vorgabe aufFlaechen = vorgabe(true, false);
    aufFlaechen.beschriftung = netz::Beschriftung::Flaechen;
    EXPECT_NE(gelesen, mitten(erwartet(aufFlaechen)));

    // Cut only: the same cuts in the same order, no colour, no mark.
    const Lauf nur = pelox({"--peak", QString::number(kPeak), "--paper", "A3", "--windows", "5", "--inserts",
        "--opening", "4", "--hanger", "--cut-only", "--net-svg", pfad("s.svg"), design});
    ASSERT_EQ(nur.status, 0) << nur.fehler.toStdString();
    const std::vector<Linie> s = svgLinien(inhalt(pfad("s.svg")), 1);
    pruefeSchnitte(schnitte(s, "#000000"), n, "cut-only svg");
    EXPECT_TRUE(druckEbene(inhalt(pfad("s.svg"))).farben.empty());
    EXPECT_TRUE(std::all_of(s.begin(), s.end(), [](const Linie& x) { return x.rolle != "#808080"; }));
}

TEST_F(Laterne, ThePdfHasTheColourOnTheFacesAndWhiteTabs)
{
    for (const bool schattiert : {false, true}) {
        QStringList args{"--peak", QString::number(kPeak), "--paper", "A3", "--colour", "c03030,2040a0", "--net",
            pfad("n.pdf"), design};
        if (schattiert)
            args << "--shaded";
        const Lauf l = pelox(args);
        ASSERT_EQ(l.status, 0) << l.fehler.toStdString();
        const netz::Netz n = erwartet(false, schattiert);
        constexpr double dpi = 100;
        run("pdftoppm", {"-r", QString::number(dpi), "-png", pfad("n.pdf"), pfad("seite")});
        // The sheets from page 2 on, each drawn from the PDF's margin.
        std::vector<QImage> blaetter;
        for (int b = 0; b < n.blaetter; ++b) {
            blaetter.emplace_back(pfad(QStringLiteral("seite-%1.png").arg(b + 2)));
            ASSERT_FALSE(blaetter.back().isNull()) << b;
        }
        const double rand = 0.635;
        const auto pixel = [&](netz::Punkt p, int blatt) {
            return blaetter[std::size_t(blatt)].pixelColor(
                int((rand + p.x) / 2.54 * dpi), int((rand + p.y) / 2.54 * dpi));
        };
        std::set<QRgb> farben;
        int weiss = 0;
        for (const netz::Teil& t : n.teile) {
            for (std::size_t j = 0; j < t.dreiecke.size(); ++j) {
                const std::array<netz::Punkt, 3>& d = t.dreiecke[j];
                const QColor c = pixel((1.0 / 3) * (d[0] + d[1] + d[2]), t.blatt);
                const netz::Rgb& halb = t.oberteil ? kRot : kBlau;
                const double h = t.anstrich[j].helligkeit;
                EXPECT_EQ(h == 1, !schattiert);
                EXPECT_NEAR(c.red(), halb.rot * h, 2) << j;
                EXPECT_NEAR(c.green(), halb.gruen * h, 2) << j;
                EXPECT_NEAR(c.blue(), halb.blau * h, 2) << j;
                farben.insert(c.rgb());
            }
            // Every tab part clear of a label is white in its middle.
            for (const netz::Lasche& lasche : t.laschen) {
                for (const std::vector<netz::Punkt>& teil : lasche) {
                    netz::Punkt m;
                    for (const netz::Punkt& p : teil)
                        m = m + (1.0 / double(teil.size())) * p;
                    if (std::any_of(t.texte.begin(), t.texte.end(),
                            [&](const netz::Text& x) { return netz::laenge(x.mitte - m) < 1; })
                        || !netz::drinnen(teil, m))
                        continue;
                    EXPECT_EQ(pixel(m, t.blatt), QColor(Qt::white));
                    ++weiss;
                }
            }
        }
        EXPECT_GT(weiss, 4);
        EXPECT_EQ(farben.size() > 2, schattiert);
        // The check scale at the bottom right stays black on white.
        const QImage& bild = blaetter.front();
        const int feld = int(netz::kPruefmassFeld / 2.54 * dpi);
        int schwarz = 0;
        for (int y = bild.height() - feld; y < bild.height(); ++y) {
            for (int x = bild.width() - feld; x < bild.width(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                EXPECT_TRUE(c.red() == c.green() && c.green() == c.blue()) << x << "," << y;
                schwarz += c.red() < 64;
            }
        }
        EXPECT_GT(schwarz, 100);
    }
}

TEST_F(Laterne, LabelsOnADarkColourStandOutAndTheInsertsFollowTheNet)
{
    const Lauf l = pelox({"--peak", QString::number(kPeak), "--paper", "A3", "--colour", "203060", "--labels", "faces",
        "--windows", "5", "--inserts", "--net", pfad("n.pdf"), design});
    ASSERT_EQ(l.status, 0) << l.fehler.toStdString();
    netz::Vorgabe v = vorgabe(true, false);
    v.oeffnung = 0;
    v.aufhaenger = false;
    v.beschriftung = netz::Beschriftung::Flaechen;
    const netz::Netz n = erwartet(v);
    const std::vector<PdfSeite> seiten = pdfSeiten(pfad("n.pdf"));
    ASSERT_GT(n.einsatzBlaetter, 0);
    ASSERT_EQ(int(seiten.size()), 1 + n.blaetter + n.einsatzBlaetter);
    const int gesamt = n.blaetter + n.einsatzBlaetter;

    // Every word on a sheet of the net differs clearly from what lies under
    // it: black on the white tabs, light on the dark faces.
    constexpr double dpi = 100;
    run("pdftoppm", {"-r", QString::number(dpi), "-f", "2", "-l", QString::number(1 + n.blaetter), "-png",
                        pfad("n.pdf"), pfad("seite")});
    const auto hell = [](QColor c) { return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue(); };
    int aufFarbe = 0;
    for (int b = 0; b < n.blaetter; ++b) {
        const QImage bild(pfad(QStringLiteral("seite-%1.png").arg(b + 2)));
        ASSERT_FALSE(bild.isNull());
        for (const PdfWort& w : seiten[std::size_t(b + 1)].woerter) {
            const QRect r(QPoint(int(w.box.left() / 72 * dpi), int(w.box.top() / 72 * dpi)),
                QPoint(int(w.box.right() / 72 * dpi), int(w.box.bottom() / 72 * dpi)));
            std::vector<double> werte;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    werte.push_back(hell(bild.pixelColor(x, y)));
            std::sort(werte.begin(), werte.end());
            // The most of the box is what lies under the word.
            const double grund = werte[werte.size() / 2];
            const double abstand = std::max(std::abs(werte.front() - grund), std::abs(werte.back() - grund));
            EXPECT_GT(abstand, 100) << w.text.toStdString() << " on sheet " << b + 1;
            aufFarbe += grund < 128;
        }
    }
    EXPECT_GT(aufFarbe, 10);
    // The windows' cuts run on the dark colour: light, as their labels.
    int fenster = 0;
    for (const netz::Teil& t : n.teile) {
        const QImage bild(pfad(QStringLiteral("seite-%1.png").arg(t.blatt + 2)));
        for (const netz::Loch& h : t.loecher) {
            std::size_t k = 0;
            for (std::size_t i = 1; i < h.pfad.size(); ++i)
                if (netz::laenge(h.pfad[(i + 1) % h.pfad.size()] - h.pfad[i])
                    > netz::laenge(h.pfad[(k + 1) % h.pfad.size()] - h.pfad[k]))
                    k = i;
            const netz::Punkt m = 0.5 * (h.pfad[k] + h.pfad[(k + 1) % h.pfad.size()]);
            const QPoint p(int((0.635 + m.x) / 2.54 * dpi), int((0.635 + m.y) / 2.54 * dpi));
            double hi = 0;
            for (int y = -2; y <= 2; ++y)
                for (int x = -2; x <= 2; ++x)
                    hi = std::max(hi, hell(bild.pixelColor(p + QPoint(x, y))));
            EXPECT_GT(hi, 150) << h.nummer;
            ++fenster;
        }
    }
    EXPECT_GT(fenster, 10);

    // The inserts' sheets: each insert's number, and the sheets counted on.
    for (int b = n.blaetter; b < gesamt; ++b) {
        QStringList woerter;
        for (const PdfWort& w : seiten[std::size_t(b + 1)].woerter)
            woerter << w.text;
        for (const netz::Einsatz& e : n.einsaetze) {
            if (e.blatt == b) {
                EXPECT_TRUE(woerter.contains(QString::number(e.nummer))) << e.nummer;
            }
        }
        EXPECT_TRUE(woerter.join(' ').contains(QStringLiteral("Blatt %1 von %2").arg(b + 1).arg(gesamt)))
            << woerter.join(' ').toStdString();
    }
}
