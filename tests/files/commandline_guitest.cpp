// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/dateitest.h"
#include "support/program.h"

#include "app/commandline.h"
#include "platform/pdffile.h"
#include "print/poster.h"

#include <QRegularExpression>

namespace {

// Runs the program itself, with neither a display nor a chosen platform, and
// gives its exit status and its own lines on the standard error stream.
std::pair<int, QStringList> pelox(const QStringList& args)
{
    const Lauf l = starte(QStringLiteral(PELOX_PROGRAM), args,
        {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}});
    return {l.status, l.meldungen()};
}

} // namespace

TEST_F(DateiTest, CommandLineWritesWhatTheWindowWritesOrFailsWithOneLineAndNoFile)
{
    entwurf(false);
    speichere(pfad("entwurf.plx"));
    EXPECT_EQ(pelox({"--svg", pfad("a.svg"), "--bmp", pfad("a.bmp"), pfad("entwurf.plx")}),
        std::pair(0, QStringList()));
    fileDialog.answers = {pfad("b.svg"), pfad("b.bmp")};
    w->mnuSvgSpeichern->trigger();
    w->cmdBildSpeichern->click();
    for (const QString art : {"svg", "bmp"})
        EXPECT_EQ(inhalt(pfad("a." + art)), inhalt(pfad("b." + art))) << art.toStdString();

    // The poster on the paper asked for, one page more than it has sheets.
    EXPECT_EQ(pelox({"--poster", pfad("poster.pdf"), "--diameter", "80", "--paper", "A3", "--glue", "2",
                  pfad("entwurf.plx")}),
        std::pair(0, QStringList()));
    druck::Steuerung st;
    st.dreiD = true;
    const poster::Poster erwartet =
        poster::entwerfen(*w, st, {80, 2, poster::Ausrichtung::Automatisch}, PdfPaper{QPageSize::A3}.drawingArea());
    const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {pfad("poster.pdf")}));
    const QString seiten = QStringLiteral("Pages:\\s+%1\n").arg(erwartet.plan.blaetter.size() + 1);
    EXPECT_TRUE(info.contains(QRegularExpression(seiten))) << info.toStdString();
    EXPECT_TRUE(info.contains("(A3)"));

    // Both ends of every range are taken; without --glue the strip is 1 cm.
    const std::pair<QStringList, const char*> genommen[] = {
        {{"--diameter", "200", "--glue", "0"}, "Klebestreifen 0 cm"},
        {{"--diameter", "5", "--glue", "3", "--margin", "30"}, "Klebestreifen 3 cm"},
        {{"--diameter", "60", "--margin", "6.35"}, "Klebestreifen 1 cm"},
    };
    for (const auto& [werte, text] : genommen) {
        EXPECT_EQ(pelox(QStringList{"--poster", pfad("ende.pdf")} + werte + QStringList{pfad("entwurf.plx")}),
            std::pair(0, QStringList()))
            << text;
        const QString karte = QString::fromUtf8(run(QStringLiteral("pdftotext"), {"-l", "1", pfad("ende.pdf"), "-"}));
        EXPECT_TRUE(karte.contains(text)) << karte.toStdString();
    }

    // Every reading error takes the same way out; the reader's messages are
    // tested with the window.
    schreibe(pfad("kaputt.plx"), "\"Pelox-Datei\"\r\n0\r\n19\r\n8\r\n99\r\n");
    w->Radius[1] = 1000;
    w->PeloxBerechnung();
    speichere(pfad("riesig.plx"));
    w->chkZweiA4->click();
    speichere(pfad("zwei.plx"));
    const auto poster = [&](const QStringList& werte) {
        return QStringList{"--poster", pfad("x.pdf")} + werte + QStringList{pfad("entwurf.plx")};
    };
    const std::pair<QStringList, const char*> faelle[] = {
        {{"--pdf", pfad("x.pdf"), "--svg", pfad("x.svg"), pfad("kaputt.plx")}, "Feld 5 (Anzahl Spitzen)"},
        // A star on two sheets has no picture, as in the window.
        {{"--svg", pfad("x.svg"), "--bmp", pfad("x.bmp"), pfad("zwei.plx")}, "zwei A4-Blättern"},
        {{"--svg", pfad("x.svg")}, "brauchen eine Pelox-Datei"},
        // The picture is refused before a byte of it is made.
        {{"--bmp", pfad("x.bmp"), pfad("riesig.plx")}, "Pixel je Seite"},
        {poster({"--diameter", "4.99"}), "5 bis 200 cm"},
        {poster({"--diameter", "200.01"}), "5 bis 200 cm"},
        {poster({"--diameter", "gross"}), "5 bis 200 cm"},
        {poster({"--diameter", "nan"}), "5 bis 200 cm"},
        {poster({"--diameter", "inf"}), "5 bis 200 cm"},
        {poster({"--diameter", "-inf"}), "5 bis 200 cm"},
        {poster({}), "--diameter"},
        {poster({"--diameter", "60", "--paper", "A5"}), "Papier A5"},
        {poster({"--diameter", "60", "--glue", "-0.01"}), "0 bis 3 cm"},
        {poster({"--diameter", "60", "--glue", "3.01"}), "0 bis 3 cm"},
        {poster({"--diameter", "60", "--glue", "nan"}), "0 bis 3 cm"},
        {poster({"--diameter", "60", "--margin", "6.34"}), "6.35 bis 30 mm"},
        {poster({"--diameter", "60", "--margin", "30.01"}), "6.35 bis 30 mm"},
        {poster({"--diameter", "60", "--margin", "inf"}), "6.35 bis 30 mm"},
    };
    for (const auto& [args, grund] : faelle) {
        const auto [status, fehler] = pelox(args);
        EXPECT_NE(status, 0) << grund;
        ASSERT_EQ(fehler.size(), 1) << fehler.join('\n').toStdString();
        EXPECT_TRUE(fehler[0].contains(grund)) << fehler[0].toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList({"x.*"}), QStringList());
    }

    // Refused once the start's second thread works for the window, and by the
    // parser, which ends the program at once: an orderly end either way.
    const std::pair<QStringList, int> abgelehnt[] = {
        {{pfad("entwurf.plx"), pfad("zwei.plx")}, 2}, {{"--pdfx", pfad("x.pdf")}, 1}};
    for (const auto& [args, erwartet] : abgelehnt) {
        const Lauf l = starte(QStringLiteral(PELOX_PROGRAM), args, {{"QT_QPA_PLATFORM", "offscreen"}});
        EXPECT_EQ(l.status, erwartet) << l.fehler.toStdString();
        EXPECT_EQ(l.meldungen().size(), 1) << l.fehler.toStdString();
    }
}

// Only what the parser takes as an option decides that no display is needed.
TEST(CommandLine, OptionsAreWholeWordsAndEndAtTwoDashes)
{
    const auto ohne = [](const QStringList& args) { return ohneFenster(QStringList{"pelox"} + args); };
    EXPECT_TRUE(ohne({"-v"}));
    EXPECT_TRUE(ohne({"--help"}));
    EXPECT_TRUE(ohne({"--pdf", "a.pdf", "stern.plx"}));
    EXPECT_TRUE(ohne({"--bmp=a.bmp", "stern.plx"}));
    EXPECT_TRUE(ohne({"--poster", "a.pdf", "--diameter", "60", "stern.plx"}));
    // A refusal needs no window to be told.
    EXPECT_TRUE(ohne({"--halves", "1", "stern.plx"}));
    EXPECT_FALSE(ohne({"stern.plx"}));
    EXPECT_FALSE(ohne({"-vorlage.plx"}));
    EXPECT_FALSE(ohne({"--", "-vorlage.plx"}));
    EXPECT_FALSE(ohne({"--", "--pdf"}));
    EXPECT_FALSE(ohne({"--pdfx", "a.pdf"}));
}
