// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the folded star's dialog and its files tell the user about the star:
// its real size on the dialog and page 1, the natural height in the peak's
// field, the choices kept from one opening to the next and over a save, the
// reasons in the desktop's language, the folds' colours as in the SVG, and
// advice for a net too large for its paper that works when followed.
#include "support/dateitest.h"
#include "support/program.h"

#include "app/faltsterndialog.h"
#include "platform/sprache.h"
#include "poster/plan.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

// examples/bethlehemstern.plx: 8 points at 7 cm, corners pulled to 6 and
// 12.5 cm, so that the star measures 12.0 × 18.5 cm.
const char kBethlehem[] = "\"Pelox-Datei\"\r\n0\r\n7\r\n2.5\r\n8\r\n1\r\n0\r\n0\r\n0\r\n608.75\r\n487.5\r\n1217.5\r\n"
                          "487.5\r\n1826.25\r\n487.5\r\n0\r\n0\r\n1\r\n6\r\n1.25\r\n3.5\r\n1.25\r\n12.5\r\n1.25\r\n"
                          "3.5\r\n1.25\r\n6\r\n1.25\r\n3.5\r\n1.25\r\n6\r\n1.25\r\n3.5\r\n1.25\r\n";

class Groesse : public DateiTest {
protected:
    void TearDown() override
    {
        DateiTest::TearDown();
        sprache::laden(*qApp, QLocale(QLocale::German));
    }

    void bethlehem()
    {
        schreibe(pfad("bethlehem.plx"), kBethlehem);
        lese(pfad("bethlehem.plx"));
    }

    // The program run on its own; its messages on the error stream.
    Lauf pelox(const QStringList& args)
    {
        return starte(QStringLiteral(PELOX_PROGRAM), args,
            {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}, {"LANGUAGE", ""}, {"LC_ALL", ""},
                {"LC_MESSAGES", ""}, {"LANG", "de_DE.UTF-8"}});
    }
};

} // namespace

TEST_F(Groesse, TheDialogAndPageOneGiveTheSizeTheStarFoldsInto)
{
    bethlehem();
    ASSERT_FLOAT_EQ(w->AussenDurchmesser, 7);
    w->mnuFaltstern->trigger();
    FaltsternDialog* d = w->dlgFaltstern;
    d->cboPapier->setCurrentIndex(d->cboPapier->findData("A4"));
    d->spnHoehe->setValue(3.5);
    EXPECT_TRUE(d->lblErgebnis->text().startsWith("Fertiger Stern: 12,0 × 18,5 cm, 7,0 cm dick\n"))
        << d->lblErgebnis->text().toStdString();
    // The peak may rise as high as the star is long, not only to the 7 cm
    // of its diameter.
    EXPECT_DOUBLE_EQ(d->spnHoehe->maximum(), 18.5);
    d->spnHoehe->setValue(18.5);
    EXPECT_DOUBLE_EQ(d->hoehe(), 18.5);
    d->spnHoehe->setValue(3.5);

    fileDialog.answers = {pfad("netz.pdf")};
    d->cmdPdf->click();
    const QString seite = QString::fromUtf8(run(QStringLiteral("pdftotext"), {"-f", "1", "-l", "1", pfad("netz.pdf"), "-"}))
                              .simplified();
    EXPECT_TRUE(seite.contains("Größe 12,0 × 18,5 cm, Spitze 3,5 cm über der Mitte")) << seite.toStdString();
    EXPECT_TRUE(seite.contains("Fertiger Stern: 12,0 × 18,5 cm, 7,0 cm dick")) << seite.toStdString();
    EXPECT_FALSE(seite.contains("7,0 cm,") || seite.contains("25,0")) << seite.toStdString();
}

TEST_F(Groesse, TheFieldShowsAndHoldsTheNaturalHeightTheNetIsMadeAt)
{
    w->hsbAnzahl->setValue(36);
    w->hsbInnen->setValue(30);
    w->mnuFaltstern->trigger();
    FaltsternDialog* d = w->dlgFaltstern;
    ASSERT_TRUE(d->cmdNatuerlich->isEnabled());
    d->cmdNatuerlich->click();
    const double natuerlich = *netz::natuerlicheHoehe(poster::skaliert(*w, 19));
    ASSERT_GT(natuerlich, 21.2);
    EXPECT_EQ(d->hoehe(), natuerlich);
    EXPECT_NEAR(d->spnHoehe->value(), natuerlich, 0.005);
    EXPECT_EQ(d->koerper()->hoehe, natuerlich);
    EXPECT_GE(d->spnHoehe->maximum(), d->spnHoehe->value());
    EXPECT_TRUE(d->cmdNatuerlich->toolTip().endsWith(": " + d->spnHoehe->text())) << d->cmdNatuerlich->toolTip().toStdString();
    // The height shown is one the field takes back as it is.
    const double gezeigt = d->spnHoehe->value();
    d->spnHoehe->setValue(gezeigt - 1);
    d->spnHoehe->setValue(gezeigt);
    EXPECT_EQ(d->spnHoehe->value(), gezeigt);

    // The command line takes the same height, above the diameter, as the
    // dialog shows it.
    speichere(pfad("hoch.plx"));
    const Lauf l = pelox({"--stl", pfad("hoch.stl"), "--peak", d->spnHoehe->text().section(' ', 0, 0), pfad("hoch.plx")});
    EXPECT_EQ(l.status, 0) << l.meldungen().join('\n').toStdString();
}

TEST_F(Groesse, TheDialogKeepsItsChoicesOverASaveAndReopensWithThem)
{
    w->mnuFaltstern->trigger();
    FaltsternDialog* d = w->dlgFaltstern;
    d->spnDurchmesser->setValue(25);
    d->spnHoehe->setValue(5.25);
    d->spnLasche->setValue(1.5);
    d->cboPapier->setCurrentIndex(d->cboPapier->findData("Letter"));
    d->cboHaelften->setCurrentIndex(1);
    d->cboZiel->setCurrentIndex(1);
    const FaltsternWahl vorher = d->wahl();
    for (const char* datei : {"stern.stl", "netz.svg", "netz.pdf"}) {
        SCOPED_TRACE(datei);
        fileDialog.answers = {pfad(datei)};
        (QString(datei).endsWith("stl") ? d->cmdStl : QString(datei).endsWith("svg") ? d->cmdSvg : d->cmdPdf)->click();
        EXPECT_TRUE(QFile::exists(pfad(datei)));
        ASSERT_TRUE(w->dlgFaltstern && w->dlgFaltstern->isVisible());
        EXPECT_EQ(d->cboPapier->currentData(), "Letter");
        EXPECT_EQ(d->durchmesser(), 25);
        EXPECT_EQ(d->hoehe(), 5.25);
    }
    d->cmdAbbrechen->click();
    EXPECT_FALSE(w->dlgFaltstern && w->dlgFaltstern->isVisible());

    const auto gleich = [](const FaltsternWahl& a, const FaltsternWahl& b) {
        return a.durchmesser == b.durchmesser && a.hoehe == b.hoehe && a.natuerlich == b.natuerlich
            && a.lasche == b.lasche && a.papier == b.papier && a.haelften == b.haelften && a.ziel == b.ziel;
    };
    w->mnuFaltstern->trigger();
    d = w->dlgFaltstern;
    EXPECT_TRUE(gleich(d->wahl(), vorher));
    EXPECT_EQ(d->netz()->blattBreite, frmPelox::NetzPapier(QPageSize::Letter).width());

    // The natural height stays chosen, and follows a diameter changed since.
    d->cmdNatuerlich->click();
    d->reject();
    w->mnuFaltstern->trigger();
    d = w->dlgFaltstern;
    EXPECT_EQ(d->hoehe(), *netz::natuerlicheHoehe(poster::skaliert(*w, 25)));
    d->spnDurchmesser->setValue(30);
    EXPECT_EQ(d->hoehe(), *netz::natuerlicheHoehe(poster::skaliert(*w, 30)));
}

TEST_F(Groesse, TheEnglishDialogGivesItsReasonsInEnglish)
{
    sprache::laden(*qApp, QLocale(QLocale::English, QLocale::UnitedStates));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    w.reset();
    open();
    w->mnuFaltstern->trigger();
    FaltsternDialog* d = w->dlgFaltstern;
    d->cboPapier->setCurrentIndex(d->cboPapier->findData("A4"));
    EXPECT_TRUE(d->lblErgebnis->text().startsWith("Finished star: 19.0 × 19.0 cm, 7.6 cm thick\n"))
        << d->lblErgebnis->text().toStdString();
    d->spnDurchmesser->setValue(100);
    d->spnHoehe->setValue(40);
    ASSERT_FALSE(d->netz());
    const QString grund = d->lblErgebnis->text();
    EXPECT_TRUE(grund.contains("A single face with its tabs is larger than the sheet.")) << grund.toStdString();
    EXPECT_FALSE(grund.contains("Fläche") || grund.contains("Stern") || grund.contains(",0 cm")) << grund.toStdString();
}

TEST_F(Groesse, ThePreviewDrawsEachFoldInTheSvgsColourOfItsKind)
{
    w->mnuFaltstern->trigger();
    FaltsternDialog* d = w->dlgFaltstern;
    d->cboPapier->setCurrentIndex(d->cboPapier->findData("A3"));
    fileDialog.answers = {pfad("netz.svg")};
    d->cmdSvg->click();
    // The length of the folds in the SVG by their colour.
    std::map<QString, double> laenge;
    QFile f(pfad("netz.svg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QXmlStreamReader x(&f);
    const QRegularExpression linie(R"(^M([-\d.]+),([-\d.]+) L([-\d.]+),([-\d.]+)$)");
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement || x.name() != QLatin1String("path"))
            continue;
        const QRegularExpressionMatch m = linie.match(x.attributes().value("d").toString());
        if (m.hasMatch())
            laenge[x.attributes().value("stroke").toString()]
                += std::hypot(m.captured(3).toDouble() - m.captured(1).toDouble(),
                    m.captured(4).toDouble() - m.captured(2).toDouble());
    }
    ASSERT_EQ(laenge.size(), 2u);
    // Red for the mountain folds and blue for the valley folds, as the
    // sheets' legend says.
    std::map<netz::Falz, double> soll;
    for (const netz::Teil& t : d->netz()->teile)
        for (const netz::Falte& falte : t.falten)
            soll[falte.art] += 10 * std::hypot(falte.b.x - falte.a.x, falte.b.y - falte.a.y);
    EXPECT_NEAR(laenge["#ff0000"], soll[netz::Falz::Berg], 1);
    EXPECT_NEAR(laenge["#0000ff"], soll[netz::Falz::Tal], 1);
    const QColor a(laenge.begin()->first), b(laenge.rbegin()->first);
    // The preview's pixels nearest to each colour, counted.
    int beiA = 0, beiB = 0;
    const QImage bild = d->picBlaetter->pixmap().toImage();
    const auto abstand = [](QColor p, QColor q) {
        return std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue());
    };
    for (int y = 0; y < bild.height(); ++y)
        for (int xx = 0; xx < bild.width(); ++xx) {
            const QColor p = bild.pixelColor(xx, y);
            beiA += abstand(p, a) < 200 && abstand(p, a) < abstand(p, b);
            beiB += abstand(p, b) < 200 && abstand(p, b) < abstand(p, a);
        }
    const double la = laenge.begin()->second, lb = laenge.rbegin()->second;
    ASSERT_TRUE(la > 1.5 * lb || lb > 1.5 * la) << la << " " << lb;
    EXPECT_EQ(la > lb, beiA > beiB) << la << " " << lb << " " << beiA << " " << beiB;
}

TEST_F(Groesse, TheCommandLinesAdviceForANetTooLargeWorksWhenFollowed)
{
    speichere(pfad("stern.plx"));
    schreibe(pfad("bethlehem.plx"), kBethlehem);
    struct Fall {
        QString datei;
        QStringList zuGross;
    };
    const Fall faelle[] = {{pfad("stern.plx"), {"--peak", "50", "--diameter", "100"}},
        {pfad("stern.plx"), {"--peak", "30", "--diameter", "60"}},
        {pfad("bethlehem.plx"), {"--peak", "10", "--diameter", "100"}},
        {pfad("bethlehem.plx"), {"--peak", "natural", "--diameter", "100"}}};
    const QRegularExpression durchmesser(R"(Außendurchmesser von (\d+),(\d) cm)");
    const QRegularExpression spitze(R"(Spitze von (höchstens )?(\d+),(\d) cm)");
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.zuGross.join(' ').toStdString());
        const Lauf nein = pelox(QStringList{"--net", pfad("netz.pdf")} + f.zuGross + QStringList{f.datei});
        ASSERT_EQ(nein.status, 2);
        const QString rat = nein.meldungen().join('\n');
        QStringList args = f.zuGross;
        if (const auto m = durchmesser.match(rat); m.hasMatch()) {
            EXPECT_GE(m.captured(1).toInt(), 5) << rat.toStdString();
            args[3] = m.captured(1) + '.' + m.captured(2);
        }
        if (const auto m = spitze.match(rat); m.hasMatch())
            args[1] = m.captured(2) + '.' + m.captured(3);
        ASSERT_NE(args, f.zuGross) << rat.toStdString();
        const Lauf ja = pelox(QStringList{"--net", pfad("netz.pdf")} + args + QStringList{f.datei});
        EXPECT_EQ(ja.status, 0) << rat.toStdString() << " → " << args.join(' ').toStdString() << ": "
                                << ja.meldungen().join('\n').toStdString();
    }
}
