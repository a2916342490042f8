// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dateitest.h"

#include "files/format.h"
#include "platform/picturewidget.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLabel>

namespace {

// What the user sees, the pictures as a hash of their pixels, and every value
// of the star as a save would write it, with the radii beyond the last corner.
QStringList ansicht(const frmPelox& w)
{
    plx::Inhalt werte = plx::ausZustand(w);
    werte.Radien.assign(w.Radius.begin() + 1, w.Radius.end());
    const auto an = [](bool b) { return QString::number(b); };
    const auto bild = [](const QImage& b) {
        return QString(QCryptographicHash::hash({b.constBits(), b.sizeInBytes()}, QCryptographicHash::Sha1).toHex());
    };
    return {bild(w.picPelox->image()), bild(w.picKurvenForm->image()), w.lblAnzahl->text(), w.lblAussen->text(),
        w.lblInnen->text(), w.lblYFaktor->text(), w.lblKurvenWerte->text(), w.lblDateiName->text(),
        an(w.chkZweiA4->isChecked()), an(w.optPeloxForm[1]->isChecked()), an(w.optStrichDicke[1]->isChecked()),
        an(w.cmdRückstellen->isEnabled()), an(w.KurveEin), QString::fromStdString(plx::schreiben(werte, ""))};
}

const QByteArray kStartStern = "\"Pelox-Datei\"\r\n0\r\n19\r\n8\r\n8\r\n1\r\n0\r\n0\r\n0\r\n"
                               "608.75\r\n487.5\r\n1217.5\r\n487.5\r\n1826.25\r\n487.5\r\n0\r\n0\r\n0\r\n"
    + QByteArray("9.5\r\n4\r\n").repeated(8);

// Remembers the pointer that was up over each box.
struct ZeigerBox : FakeMessageBox {
    std::vector<int> zeiger;
    void show(const QString& text, const QString& title, int flags) override
    {
        const QCursor* c = QApplication::overrideCursor();
        zeiger.push_back(c ? int(c->shape()) : -1);
        FakeMessageBox::show(text, title, flags);
    }
};

} // namespace

TEST_F(DateiTest, StartUpStarIsSavedAsListedReadBackUnchangedAndCancelTouchesNothing)
{
    speichere(pfad("stern.plx"));
    EXPECT_EQ(inhalt(pfad("stern.plx")), kStartStern);
    const QStringList vorher = ansicht(*w);
    lese(pfad("stern.plx"));
    EXPECT_EQ(ansicht(*w), vorher);
    // The save dialog offers the start-up name and asks before it replaces a
    // file; the open dialog offers the name left from the save.
    EXPECT_EQ(fileDialog.shown.at(0).request.fileName, QString::fromStdString(w->Pfad) + "Pelox_1.plx");
    EXPECT_TRUE(fileDialog.shown[0].request.flags & CommonDialog::kOverwritePrompt);
    EXPECT_EQ(fileDialog.shown.at(1).request.fileName, pfad("stern.plx"));

    lese(QString());
    EXPECT_EQ(w->DateiPfad, "");
    speichere(pfad("stern.plx"));
    speichere(QString());
    EXPECT_EQ(w->DateiPfad, "");
    EXPECT_EQ(ansicht(*w), vorher);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"stern.plx"});
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(DateiTest, HandWrittenFilesChangeOnlyWhatTheyHold)
{
    w->hsbAussen->setValue(30);
    w->hsbInnen->setValue(10);
    w->Radius[5] = 10;
    w->Radius[6] = 1;
    schreibe(pfad("kurz.plx"), "\"Pelox-Datei\"\r\n0\r\n19\r\n8\r\n8\r\n1\r\n0\r\n0\r\n0.5\r\n"
                               "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n12\r\n3\r\n11\r\n");
    lese(pfad("kurz.plx"));
    // Fewer radii than corners: radius 4 and 6 scaled from 5 to 8 cm, 5 (pulled)
    // and 7 from 15 to 19 cm.
    EXPECT_EQ(std::vector<float>(w->Radius.begin() + 1, w->Radius.begin() + 8),
        (std::vector<float>{12, 3, 11, 4, 10 * 19.f / 15, 1.6f, 9.5f}));
    EXPECT_TRUE(w->KurveEin);  // one bend value is not 0

    // Values other than 0 and 1 are kept and leave their controls alone.
    w->chkZweiA4->setChecked(true);
    w->hsbAussen->setValue(54);
    w->optStrichDicke[1]->setChecked(true);
    w->Radius[3] = 2;
    schreibe(pfad("x.plx"), "\"Pelox-Datei\"\r\n3\r\n27\r\n8\r\n8\r\n1\r\n0\r\n0\r\n0\r\n"
                            "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n2\r\n-1\r\n5\r\n9.5\r\n");
    lese(pfad("x.plx"));
    EXPECT_EQ((std::array{w->ZweiA4, w->PeloxForm, w->StrichDicke, w->Gezogen}),
        (std::array<std::int16_t, 4>{3, 2, -1, 5}));
    EXPECT_EQ((std::array{w->chkZweiA4->isChecked(), w->optPeloxForm[0]->isChecked(),
                  w->optStrichDicke[1]->isChecked(), w->cmdRückstellen->isEnabled(), w->KurveEin}),
        (std::array{true, true, true, false, false}));
    EXPECT_EQ(w->hsbAussen->value(), 54);
    EXPECT_EQ(w->Radius[3], 2);  // the box was not touched, so nothing was reset
}

TEST_F(DateiTest, ADesignComesBackOnAFreshWindowAndBadFilesLeaveItAsItIs)
{
    entwurf(true);
    speichere(pfad("a.plx"));
    const QStringList vorher = ansicht(*w);
    // A new window has one sheet: the box must be ticked before the 27 cm
    // diameter is applied, or the bar would stop at 19 cm.
    ZeigerBox box;
    w = std::make_unique<frmPelox>(Ports{fileDialog, box, printer});
    lese(pfad("a.plx"));
    EXPECT_EQ(ansicht(*w), vorher);

    const QString kaputt = " Die Pelox-Datei ist beschädigt: die Datei %1 !! ";
    const QString unlesbar = " Die Datei %1 kann nicht gelesen werden !! ";
    // Name, bytes and message; no bytes: the name is not a file that can be read.
    const std::tuple<const char*, QByteArray, QString> faelle[] = {
        {"case.plx", QByteArray(kStartStern).replace("Pelox", "pelox"), " Das ist keine Pelox-Datei (*.plx) !! "},
        {"kurz.plx", kStartStern.left(kStartStern.indexOf("9.5")), kaputt.arg("endet vor Feld 19 (Eckenradius 1)")},
        {"viele.plx", kStartStern + QByteArray("1\r\n").repeated(85), kaputt.arg("enthält mehr als 100 Eckenradien")},
        {"riesig.plx", kStartStern.leftJustified(70000), kaputt.arg("ist größer, als eine Pelox-Datei sein kann")},
        {"fehlt.plx", {}, unlesbar.arg(pfad("fehlt.plx"))},
        {"ordner.plx", {}, unlesbar.arg(pfad("ordner.plx"))},
    };
    ASSERT_TRUE(QDir(dir.path()).mkdir("ordner.plx"));
    for (const auto& [name, bytes, text] : faelle) {
        if (!bytes.isEmpty())
            schreibe(pfad(name), bytes);
        box.shown.clear();
        lese(pfad(name));
        ASSERT_EQ(box.shown.size(), 1u) << name;
        EXPECT_EQ(box.shown[0].title, bytes.isEmpty() ? "Lesen nicht möglich !!" : "Falsche Datei !!");
        EXPECT_EQ(box.shown[0].text, text);
        EXPECT_EQ(ansicht(*w), vorher);
        EXPECT_EQ(w->DateiPfad, pfad(name).toStdString());
    }
    // The wait pointer gives way to the arrow over each message, and is gone after it.
    EXPECT_EQ(box.zeiger, std::vector<int>(std::size(faelle), Qt::ArrowCursor));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(DateiTest, TheStarIsDrawnOnChangesAfterARead)
{
    speichere(pfad("stern.plx"));
    w->hsbAnzahl->setValue(12);
    w->optPeloxForm[1]->click();
    lese(pfad("stern.plx"));
    const QImage gelesen = w->picPelox->image();
    EXPECT_EQ(w->AnzahlSpitzen, 8);

    w->hsbAnzahl->setValue(12);
    EXPECT_NE(w->picPelox->image(), gelesen);
}
