// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Everything beyond the window's own controls speaks the desktop's language
// too: the dialogs, the printouts and the net's pages, the reasons the core
// gives, the command line. German as written under a German desktop and
// under none, English under any other.
#include "support/dateitest.h"
#include "support/program.h"

#include "app/posterdialog.h"
#include "net/netz.h"
#include "net/zeichnen.h"
#include "paper/zeichnung.h"
#include "print/faltnetz.h"
#include "platform/pdffile.h"
#include "platform/sprache.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>

namespace {

struct Sprache {
    const char* name;
    QLocale locale;
    const char* lang;  // the desktop's LANG for the program run on its own
    bool deutsch;
};

const Sprache kSprachen[] = {
    {"German", QLocale(QLocale::German, QLocale::Germany), "de_DE.UTF-8", true},
    {"C", QLocale::c(), "C", true},
    {"English", QLocale(QLocale::English, QLocale::UnitedStates), "en_US.UTF-8", false},
};

// Words of the German texts that no English one has.
const QStringList kNurDeutsch{"Faltstern", "Oberteil", "Unterteil", "Teil ", "Blatt", "schneiden", "falte",
    "Fertiger", "Prüfmaß", "Außen", "gespeichert", "Anzahl", "Aussenmass", "Dateiname", "Höhe"};

class Texte : public DateiTest {
protected:
    void TearDown() override
    {
        DateiTest::TearDown();
        sprache::laden(*qApp, QLocale(QLocale::German));
    }

    void oeffnen(const Sprache& s)
    {
        sprache::laden(*qApp, s.locale);
        QLocale::setDefault(s.locale);
        w.reset();
        open();
    }

    // The text of a PDF on one line, so that phrases broken over two are found.
    QString pdfText(const QString& pdf)
    {
        return QString::fromUtf8(run(QStringLiteral("pdftotext"), {pdf, "-"})).simplified();
    }

    // Every text the poster dialog shows, its entries to choose from included.
    static QString dialogTexte(const PosterDialog& d)
    {
        QStringList t{d.windowTitle()};
        for (const QLabel* l : d.findChildren<QLabel*>())
            t << l->text();
        for (const QAbstractButton* b : d.findChildren<QAbstractButton*>())
            t << b->text();
        for (const QComboBox* c : d.findChildren<QComboBox*>())
            for (int i = 0; i < c->count(); ++i)
                t << c->itemText(i);
        return t.join(QLatin1Char('|'));
    }

    // The program run on its own under the desktop's language; its own lines
    // on the error stream, or with --help its output.
    QString pelox(const Sprache& s, const QStringList& args)
    {
        const Lauf l = starte(QStringLiteral(PELOX_PROGRAM), args,
            {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}, {"LANGUAGE", ""}, {"LC_ALL", ""},
                {"LC_MESSAGES", ""}, {"LANG", s.lang}});
        return QString::fromUtf8(l.ausgabe) + l.meldungen().join(QLatin1Char('\n'));
    }
};

// Every one of the texts is found in t; and under English none of the
// German words is.
void pruefe(const QString& t, const Sprache& s, const QStringList& deutsch, const QStringList& englisch)
{
    for (const QString& erwartet : s.deutsch ? deutsch : englisch)
        EXPECT_TRUE(t.contains(erwartet)) << s.name << ": " << erwartet.toStdString() << " in " << t.toStdString();
    if (!s.deutsch) {
        for (const QString& wort : kNurDeutsch)
            EXPECT_FALSE(t.contains(wort)) << wort.toStdString() << " in " << t.toStdString();
    }
}

} // namespace

TEST_F(Texte, ThePosterDialogThePrintoutAndTheNetSpeakTheDesktopsLanguage)
{
    for (const Sprache& s : kSprachen) {
        oeffnen(s);
        w->mnuPoster->trigger();
        ASSERT_TRUE(w->dlgPoster);
        w->dlgPoster->spnDurchmesser->setValue(19);
        pruefe(dialogTexte(*w->dlgPoster), s,
            {"Auf mehreren Blättern drucken", "Außendurchmesser:", "Papier des Druckers (zum Drucken)",
                "A3 (für PDF)", "automatisch (wenigste Blätter)", "Ausrichtung:", "Querformat", "Rand der PDF-Seite:",
                "Abbrechen",
                "1 Blatt (1 Spalte × 1 Zeile, hoch) und eine Übersicht;\n0 leere ausgelassen"},
            {"Print on several sheets", "Outer diameter:", "Printer's paper (to print)", "A3 (for PDF)",
                "automatic (fewest sheets)", "Orientation:", "Landscape", "PDF page margin:", "Cancel",
                "1 sheet (1 column × 1 row, portrait) and an overview;\n0 empty ones left out"});
        w->dlgPoster->close();

        ASSERT_TRUE(w->PdfSchreiben(pfad("druck.pdf")));
        pruefe(pdfText(pfad("druck.pdf")), s,
            {"Dateiname =", "Anzahl Spitzen =", "Aussenmass = 19 cm", "Höhe = 100%",
                "Prüfmaß: nachmessen, beide Striche müssen 5 cm lang sein."},
            {"File name =", "Number of points =", "Outer size = 19 cm", "Height = 100%",
                "Check scale: both bars must measure exactly 5 cm."});

        netz::Vorgabe v;
        v.hoehe = 3.8;
        const QSizeF a4 = frmPelox::NetzPapier(QPageSize::A4);
        v.blattBreite = a4.width();
        v.blattHoehe = a4.height();
        const netz::Ergebnis e = w->Faltnetz(19, v);
        ASSERT_TRUE(e.netz) << e.grund;
        ASSERT_TRUE(w->NetzPdfSchreiben(pfad("netz.pdf"), *e.netz, w->NetzAngaben(19), PdfPaper{QPageSize::A4}));
        pruefe(pdfText(pfad("netz.pdf")), s,
            {"Faltstern – (nicht gespeichert)", "Größe 19,0 × 19,0 cm, Spitze 3,8 cm über der Mitte",
                "Oberteil", "Unterteil", "Teil 1 von", "Blatt 1 von", "schneiden", "Talfalte (nach vorn falten)",
                "Bergfalte", "Fertiger Stern: 19,0 × 19,0 cm, 7,6 cm dick", "Prüfmaß: nachmessen,"},
            {"Folded star – (not saved)", "Size 19.0 × 19.0 cm, peak 3.8 cm above the centre", "Top half",
                "Bottom half", "Piece 1 of", "Sheet 1 of", "cut", "valley fold (fold to the front)",
                "mountain fold", "Finished star: 19.0 × 19.0 cm, 7.6 cm thick", "Check scale: both"});
        ASSERT_TRUE(w->ZeichnungSchreiben(pfad("netz.svg"), netz::zeichnen(*e.netz, {}, "Pelox_1.plx"), false));
        pruefe(QString::fromUtf8(inhalt(pfad("netz.svg"))), s,
            {">Oberteil<", ">Teil 1 von ", "schwarz: schneiden, rot: Bergfalte, blau: Talfalte"},
            {">Top half<", ">Piece 1 of ", "black: cut, red: mountain fold, blue: valley fold"});
    }
}

TEST_F(Texte, TheCommandLineSpeaksTheDesktopsLanguage)
{
    speichere(pfad("stern.plx"));
    // Points out of range in a file that is otherwise the design.
    QList<QByteArray> felder = inhalt(pfad("stern.plx")).split('\n');
    felder[4] = "99\r";
    schreibe(pfad("kaputt.plx"), felder.join('\n'));
    for (const Sprache& s : kSprachen) {
        const QString netz = pfad("netz.pdf");
        pruefe(pelox(s, {"--help"}), s, {"Den Ausdruck als PDF-Datei <datei> schreiben.", "[pelox-datei]"},
            {"Write the printout as PDF file <file>.", "[pelox-file]"});
        pruefe(pelox(s, {"--net", netz, "--peak", "3", "--tab", "2.5", pfad("stern.plx")}), s,
            {"pelox: Laschen 2.5: erlaubt sind 0.5 bis 2 cm"}, {"pelox: tabs 2.5: 0.5 to 2 cm are allowed"});
        pruefe(pelox(s, {"--net", netz, "--peak", "10", "--diameter", "100", pfad("stern.plx")}), s,
            {"passt der Stern auf dieses Papier bis zu einem Außendurchmesser von 54,5 cm."},
            {"At this height the star fits on this paper up to an outer diameter of 54.5 cm."});
        pruefe(pelox(s, {"--pdf", pfad("kaputt.pdf"), pfad("kaputt.plx")}), s,
            {"pelox: Die Pelox-Datei ist beschädigt: Feld 5 (Anzahl Spitzen) muss zwischen 2 und 36 liegen !!"},
            {"pelox: The Pelox file is damaged: field 5 (Number of points) must lie between 2 and 36 !!"});
        EXPECT_FALSE(QFile::exists(netz));
    }
}
