// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet of stars from the command line, read back as the user gets it:
// the PDF's pages with their footers and check scales, the SVG's stars on
// their sheets; the sizes, counts, gaps and papers at both ends of their
// ranges and just past them.
#include "support/dateitest.h"
#include "support/program.h"

#include <QDir>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

class Sternbogen : public EntwurfTest {
protected:
    Lauf pelox(const QStringList& args) const
    {
        return starte(QStringLiteral(PELOX_PROGRAM), args + QStringList{design},
            {{"QT_QPA_PLATFORM", "offscreen"}, {"LANGUAGE", ""}, {"LC_ALL", ""}, {"LC_MESSAGES", ""},
                {"LANG", "C.UTF-8"}});
    }

    // Refused with exit 2 and the reason, and nothing written.
    void abgelehnt(const QStringList& args, const QString& grund) const
    {
        const Lauf l = pelox(QStringList{"--sheet", pfad("nein.pdf")} + args);
        EXPECT_EQ(l.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(l.meldungen().join('\n').contains(grund))
            << args.join(' ').toStdString() << ": " << l.meldungen().join('\n').toStdString();
        EXPECT_FALSE(QFile::exists(pfad("nein.pdf")));
    }

    void angenommen(const QStringList& args) const
    {
        const Lauf l = pelox(QStringList{"--sheet", pfad("ja.pdf")} + args);
        EXPECT_EQ(l.status, 0) << args.join(' ').toStdString() << ": " << l.fehler.toStdString();
        EXPECT_TRUE(QFile::exists(pfad("ja.pdf"))) << args.join(' ').toStdString();
        QFile::remove(pfad("ja.pdf"));
    }

    QString seiten(const QString& pdf) const
    {
        return QString::fromUtf8(run(QStringLiteral("pdfinfo"), {pdf}));
    }
};

// The SVG's sheets (x, width, height in mm) and its stars' corners.
struct SvgBogen {
    std::vector<std::array<double, 3>> blaetter;
    std::vector<std::vector<std::pair<double, double>>> sterne;
};

// The SVG's sheets (x, width, height in mm), their grey frames, and its
// stars' corners, each a closed black path.
SvgBogen lesen(const QByteArray& svg)
{
    SvgBogen b;
    static const QRegularExpression punkt(QStringLiteral("([-0-9.]+),([-0-9.]+)"));
    QXmlStreamReader x(svg);
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement || x.name() != QLatin1String("path"))
            continue;
        const QString d = x.attributes().value("d").toString();
        std::vector<std::pair<double, double>> ecken;
        for (auto p = punkt.globalMatch(d); p.hasNext();) {
            const auto q = p.next();
            ecken.emplace_back(q.captured(1).toDouble(), q.captured(2).toDouble());
        }
        const QStringView strich = x.attributes().value("stroke");
        EXPECT_TRUE(d.endsWith(" Z")) << d.toStdString();
        if (strich == QLatin1String("#808080") && ecken.size() == 4) {
            EXPECT_EQ(ecken[0].second, 0);
            b.blaetter.push_back({ecken[0].first, ecken[2].first - ecken[0].first, ecken[2].second});
        } else {
            EXPECT_EQ(strich, QLatin1String("#000000"));
            b.sterne.push_back(ecken);
        }
    }
    EXPECT_FALSE(x.hasError());
    return b;
}

} // namespace

TEST_F(Sternbogen, ThirtyStarsComeAsPdfPagesWithCheckScalesAndAsSvgSheets)
{
    const Lauf l = pelox({"--sheet", pfad("b.pdf"), "--sheet-svg", pfad("b.svg"), "--copies", "30", "--diameter", "5"});
    ASSERT_EQ(l.status, 0) << l.fehler.toStdString();
    const QString info = seiten(pfad("b.pdf"));
    static const QRegularExpression anzahl(QStringLiteral("Pages:\\s+(\\d+)"));
    const int n = anzahl.match(info).captured(1).toInt();
    ASSERT_GE(n, 1);
    EXPECT_TRUE(info.contains("595 x 842 pts")) << info.toStdString();

    int gesamt = 0;
    for (int s = 1; s <= n; ++s) {
        const QString text = QString::fromUtf8(run(QStringLiteral("pdftotext"),
            {"-f", QString::number(s), "-l", QString::number(s), pfad("b.pdf"), "-"})).simplified();
        const QRegularExpression fuss(
            QStringLiteral("Sternbogen – Blatt %1 von %2 (\\d+) Sterne? – d\\.plx").arg(s).arg(n));
        const auto m = fuss.match(text);
        ASSERT_TRUE(m.hasMatch()) << text.toStdString();
        gesamt += m.captured(1).toInt();
        EXPECT_TRUE(text.contains("Prüfmaß: nachmessen,")) << "sheet " << s << " lacks its check scale";
    }
    EXPECT_EQ(gesamt, 30);

    const SvgBogen b = lesen(inhalt(pfad("b.svg")));
    EXPECT_EQ(int(b.blaetter.size()), n);
    ASSERT_EQ(b.sterne.size(), 30u);
    // The start-up star at 5 cm: more to a sheet than its circles packed
    // hexagonally (20) even with the check scale's corner kept free, so two
    // sheets.
    EXPECT_EQ(n, 2);
    for (const auto& stern : b.sterne) {
        double links = 1e9, rechts = -1e9, oben = 1e9, unten = -1e9;
        for (const auto& [x, y] : stern) {
            links = std::min(links, x), rechts = std::max(rechts, x);
            oben = std::min(oben, y), unten = std::max(unten, y);
        }
        EXPECT_NEAR(std::max(rechts - links, unten - oben), 50, 1);
        const auto blatt = std::find_if(b.blaetter.begin(), b.blaetter.end(),
            [&](const auto& r) { return links >= r[0] - 1e-3 && rechts <= r[0] + r[1] + 1e-3; });
        ASSERT_NE(blatt, b.blaetter.end());
        EXPECT_GE(oben, -1e-3);
        EXPECT_LE(unten, (*blatt)[2] + 1e-3);
    }
}

TEST_F(Sternbogen, SeveralSizesAndTheCuttingMatsAsPaper)
{
    const Lauf l = pelox({"--sheet", pfad("m.pdf"), "--sheet-svg", pfad("m.svg"), "--diameter", "3:10+5,5:4+8",
        "--copies", "2", "--paper", "mat12x24", "--gap", "0"});
    ASSERT_EQ(l.status, 0) << l.fehler.toStdString();
    EXPECT_TRUE(seiten(pfad("m.pdf")).contains("865 x 1729 pts"));
    EXPECT_EQ(lesen(inhalt(pfad("m.svg"))).sterne.size(), 16u);
    for (const QString& mat : {QStringLiteral("mat12x12"), QStringLiteral("mat12x24")}) {
        const Lauf p = starte(QStringLiteral(PELOX_PROGRAM),
            {"--poster", pfad("p.pdf"), "--diameter", "60", "--paper", mat, design}, {{"QT_QPA_PLATFORM", "offscreen"}});
        EXPECT_EQ(p.status, 0) << p.fehler.toStdString();
        EXPECT_TRUE(seiten(pfad("p.pdf")).contains(mat == "mat12x12" ? "865 x 865 pts" : "865 x 1729 pts"));
    }
}

TEST_F(Sternbogen, CountsSizesAndGapsAtBothEndsOfTheirRanges)
{
    angenommen({"--copies", "1", "--diameter", "1", "--gap", "0"});
    angenommen({"--copies", "500", "--diameter", "1", "--gap", "20"});
    angenommen({"--diameter", "19,5", "--paper", "A4"});
    angenommen({"--diameter", "1:250+2:250"});
    abgelehnt({"--copies", "0", "--diameter", "5"}, "Anzahl 0: erlaubt sind 1 bis 500");
    abgelehnt({"--copies", "501", "--diameter", "5"}, "Anzahl 501: erlaubt sind 1 bis 500");
    abgelehnt({"--copies", "2.5", "--diameter", "5"}, "Anzahl 2.5: nur ganze Zahlen");
    abgelehnt({"--gap", "-0.1", "--diameter", "5"}, "Abstand -0.1: erlaubt sind 0 bis 20 mm");
    abgelehnt({"--gap", "20.1", "--diameter", "5"}, "Abstand 20.1: erlaubt sind 0 bis 20 mm");
    abgelehnt({"--gap", "nan", "--diameter", "5"}, "Abstand nan");
    abgelehnt(
        {"--diameter", "0.9"}, "Durchmesser 0.9: erlaubt sind 1 bis 100 cm (für --sheet, --sheet-svg, --sheet-dxf)");
    abgelehnt({"--diameter", "100.1"}, "Durchmesser 100.1: erlaubt sind 1 bis 100 cm");
    abgelehnt({"--diameter", "inf"}, "Durchmesser inf");
    abgelehnt({"--diameter", "3:0"}, "Anzahl 0: erlaubt sind 1 bis 500");
    abgelehnt({"--diameter", "3:501"}, "Anzahl 501: erlaubt sind 1 bis 500");
    abgelehnt({"--diameter", "1:250+2:251"}, "501 Sterne: höchstens 500 auf einmal");
    // The comma is a decimal sign; sizes are joined by "+".
    abgelehnt({"--diameter", "3:10,5:6"}, "mehrere als Durchmesser:Anzahl mit + verbunden, etwa 3:10+5:6");
    abgelehnt({"--diameter", "2,500"}, "ein Komma vor drei Ziffern");
    abgelehnt({"--diameter", "100"}, "Ein Stern von 100,0 cm passt nicht auf das Blatt (19,7 × 28,4 cm).");
    abgelehnt({"--diameter", "25"}, "Ein Stern von 25,0 cm passt nicht");
    abgelehnt({"--paper", "mat12x36", "--diameter", "5"}, "Papier mat12x36: erlaubt sind");
    abgelehnt({"--copies", "3"}, "--sheet braucht --diameter");
}
