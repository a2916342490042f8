// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The design's own file: only a file that was read or saved becomes it, and
// the label, the title, the save dialog and the printout all name it. Files
// from elsewhere: a byte-order mark, a name that is not UTF-8, a named pipe.
#include "support/dateitest.h"
#include "support/program.h"
#include "support/rohr.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <chrono>
#include <fstream>

namespace {

using namespace std::chrono_literals;

class EigeneDatei : public DateiTest {
protected:
    // What names the design's file: the label, the title, the name the save
    // dialog offers (cancelled), the printout's line and the path itself.
    QStringList benannt()
    {
        w->cmdDrucken->click();
        const QStringList texte = printer.jobs.back().texte();
        fileDialog.answers.push_back(QString());
        w->cmdDatenSpeichern->click();
        const QString angeboten = fileDialog.shown.back().request.fileName;
        const auto zeile = std::find_if(
            texte.begin(), texte.end(), [](const QString& t) { return t.startsWith("  Dateiname = "); });
        return {w->lblDateiName->text(), w->windowTitle(), angeboten, zeile == texte.end() ? QString() : *zeile,
            QString::fromStdString(w->DateiPfad)};
    }

    QStringList benannt(const QString& datei)
    {
        return {datei, "Pelox-Programm  V1.7 – " + QFileInfo(datei).fileName() + "[*]", datei,
            "  Dateiname = " + datei, datei};
    }

    void ablegen(const QUrl& url)
    {
        QMimeData daten;
        daten.setUrls({url});
        QDragEnterEvent hinein(QPoint(100, 100), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &hinein);
        QDropEvent ablage(QPointF(100, 100), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &ablage);
        QCoreApplication::processEvents();
    }
};

// A file of that name written byte for byte, whatever encoding the name has.
void roh(const QByteArray& name, const QByteArray& bytes)
{
    std::ofstream(name.toStdString(), std::ios::binary) << bytes.toStdString();
}

const QByteArray kStern = "\"Pelox-Datei\"\r\n0\r\n15\r\n6\r\n7\r\n1\r\n0\r\n0\r\n0\r\n"
                          "608.75\r\n487.5\r\n1217.5\r\n487.5\r\n1826.25\r\n487.5\r\n0\r\n0\r\n0\r\n7.5\r\n3\r\n";

} // namespace

TEST_F(EigeneDatei, ARefusedFileNeverBecomesTheDesignsFileByLesenOrByADrop)
{
    // Unsaved, the design has no file: the save offers the start name in the
    // start folder, the printout says so.
    const QStringList neu = benannt();
    EXPECT_EQ(neu, (QStringList{"", "Pelox-Programm  V1.7[*]", QDir::currentPath() + "/Pelox_1.plx",
                       "  Dateiname = (nicht gespeichert)", ""}));
    schreibe(pfad("notizen.txt"), "Einkaufen: Milch, Brot\r\n");
    lese(pfad("notizen.txt"));
    ablegen(QUrl::fromLocalFile(pfad("notizen.txt")));
    ASSERT_EQ(messageBox.shown.size(), 2u);
    EXPECT_EQ(benannt(), neu);

    speichere(pfad("a.plx"));
    EXPECT_EQ(benannt(), benannt(pfad("a.plx")));
    for (const QString& falsch : {pfad("notizen.txt"), pfad("fehlt.plx"), dir.path()}) {
        messageBox.shown.clear();
        lese(falsch);
        ablegen(QUrl::fromLocalFile(falsch));
        EXPECT_EQ(messageBox.shown.size(), 2u) << falsch.toStdString();
        EXPECT_EQ(benannt(), benannt(pfad("a.plx"))) << falsch.toStdString();
    }
    EXPECT_EQ(inhalt(pfad("notizen.txt")), "Einkaufen: Milch, Brot\r\n");

    // The command line names its design before the read; refused, the
    // design keeps the file it had.
    w->DateiPfad = pfad("notizen.txt").toStdString();
    w->DateiLesen();
    EXPECT_EQ(benannt(), benannt(pfad("a.plx")));
    w = std::make_unique<frmPelox>(Ports{fileDialog, messageBox, printer, settings});
    w->DateiPfad = pfad("notizen.txt").toStdString();
    w->DateiLesen();
    EXPECT_EQ(benannt(), neu);

    // A cancelled save keeps the file; one that is read becomes it.
    lese(pfad("a.plx"));
    EXPECT_EQ(benannt(), benannt(pfad("a.plx")));
}

TEST_F(EigeneDatei, ExportsKeepTheirOwnFolderAndLeaveTheDesignsFileAlone)
{
    speichere(pfad("a.plx"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("bilder"));
    fileDialog.answers = {pfad("bilder/stern.svg")};
    w->mnuSvgSpeichern->trigger();
    fileDialog.answers = {pfad("bilder/stern.pdf")};
    w->mnuPdfSpeichern->trigger();
    fileDialog.answers = {pfad("bilder/stern.jpg")};
    w->cmdBildSpeichern->click();
    ASSERT_TRUE(QFile::exists(pfad("bilder/stern.svg")) && QFile::exists(pfad("bilder/stern.pdf"))
        && QFile::exists(pfad("bilder/stern.jpg")));
    EXPECT_EQ(benannt(), benannt(pfad("a.plx")));

    // "Lesen" starts at the design's file, the next export where the last went.
    fileDialog.shown.clear();
    lese(QString());
    EXPECT_EQ(fileDialog.shown.at(0).request.fileName, pfad("a.plx"));
    fileDialog.answers = {QString()};
    w->mnuSvgSpeichern->trigger();
    EXPECT_EQ(fileDialog.shown.at(1).request.fileName, pfad("bilder/Pelox_1.svg"));
}

TEST_F(EigeneDatei, FilesFromOtherSystemsAreReadAndPipesAndDevicesRefusedAtOnce)
{
    // A byte-order mark as editors elsewhere write one.
    schreibe(pfad("bom.plx"), "\xEF\xBB\xBF" + kStern);
    lese(pfad("bom.plx"));
    EXPECT_TRUE(messageBox.shown.empty()) << messageBox.shown.at(0).text.toStdString();
    EXPECT_EQ(w->AnzahlSpitzen, 7);
    EXPECT_EQ(benannt(), benannt(pfad("bom.plx")));

    // A name in Latin-1, by a drop and from the command line.
    const QByteArray latin1 = QFile::encodeName(dir.path()) + "/St\xE4rn.plx";
    roh(latin1, QByteArray(kStern).replace("\r\n7\r\n", "\r\n5\r\n"));
    ablegen(QUrl::fromEncoded("file://" + latin1.toPercentEncoding("/")));
    EXPECT_TRUE(messageBox.shown.empty()) << messageBox.shown.at(0).text.toStdString();
    EXPECT_EQ(w->AnzahlSpitzen, 5);
    EXPECT_EQ(w->DateiPfad, latin1.toStdString());
    w = std::make_unique<frmPelox>(Ports{fileDialog, messageBox, printer, settings});
    w->DateiPfad = latin1.toStdString();
    w->DateiLesen();
    EXPECT_TRUE(messageBox.shown.empty()) << messageBox.shown.at(0).text.toStdString();
    EXPECT_EQ(w->AnzahlSpitzen, 5);
    // The real command line, where the argument's bytes are the name.
    const Lauf l = starte(QStringLiteral("/bin/sh"),
        {"-c", R"sh(exec "$0" --svg "$1" "$(printf '%s/St\344rn.plx' "$2")")sh", QStringLiteral(PELOX_PROGRAM),
            pfad("latin1.svg"), dir.path()});
    EXPECT_EQ(l.status, 0) << l.fehler.toStdString();
    EXPECT_TRUE(QFile::exists(pfad("latin1.svg")));

    // A named pipe nobody writes to, and a device: refused with the reason
    // at once, by the window and by the command line, which reads as the
    // window does.
    const QString rohr = pfad("rohr.plx");
    const Rohr waechter(QFile::encodeName(rohr).toStdString());
    for (const QString& keine : {rohr, QStringLiteral("/dev/null")}) {
        const QString grund
            = " " + keine + " ist keine gewöhnliche Datei, sondern ein Ordner, eine benannte Pipe oder ein Gerät, "
                            "und wird nicht gelesen !! ";
        messageBox.shown.clear();
        auto anfang = std::chrono::steady_clock::now();
        lese(keine);
        EXPECT_LT(std::chrono::steady_clock::now() - anfang, 1s) << keine.toStdString();
        ASSERT_EQ(messageBox.shown.size(), 1u) << keine.toStdString();
        EXPECT_EQ(messageBox.shown[0].text, grund);

        anfang = std::chrono::steady_clock::now();
        const Lauf l = starte(QStringLiteral(PELOX_PROGRAM), {"--pdf", pfad("aus.pdf"), keine}, {{"LANG", "C"}});
        EXPECT_LT(std::chrono::steady_clock::now() - anfang, 2s) << keine.toStdString();
        EXPECT_EQ(l.status, 1);
        EXPECT_EQ(l.meldungen(), QStringList("pelox:" + grund.chopped(1)));
        EXPECT_FALSE(QFile::exists(pfad("aus.pdf")));
    }
    EXPECT_EQ(w->AnzahlSpitzen, 5);
}
