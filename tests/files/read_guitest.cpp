// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/dateitest.h"

#include "files/format.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>

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

} // namespace

// A new window has one sheet: the box must be ticked before the 27 cm
// diameter of the design is applied, or the bar would stop at 19 cm.
TEST_F(DateiTest, ADesignComesBackOnAFreshWindowWhileCancelsAndBadFilesChangeNothing)
{
    speichere(pfad("stern.plx"));
    EXPECT_EQ(inhalt(pfad("stern.plx")), kStartStern);
    EXPECT_EQ(fileDialog.shown.at(0).request.fileName, QDir::currentPath() + "/Pelox_1.plx");
    EXPECT_TRUE(fileDialog.shown[0].request.flags & CommonDialog::kOverwritePrompt);
    entwurf(true);
    speichere(pfad("a.plx"));
    const QStringList vorher = ansicht(*w);
    speichere(QString());
    EXPECT_EQ(QString::fromStdString(w->DateiPfad), pfad("a.plx"));
    lese(QString());
    EXPECT_EQ(ansicht(*w), vorher);
    EXPECT_TRUE(messageBox.shown.empty());

    w = std::make_unique<frmPelox>(Ports{fileDialog, messageBox, printer, settings});
    lese(pfad("a.plx"));
    EXPECT_EQ(ansicht(*w), vorher);

    const QString kaputt = " Die Pelox-Datei ist beschädigt: die Datei %1 !! ";
    // Name, bytes and message; no bytes: the name is not a file that can be read.
    const std::tuple<const char*, QByteArray, QString> faelle[] = {
        {"case.plx", QByteArray(kStartStern).replace("Pelox", "pelox"), " Das ist keine Pelox-Datei (*.plx) !! "},
        {"kurz.plx", kStartStern.left(kStartStern.indexOf("9.5")), kaputt.arg("endet vor Feld 19 (Eckenradius 1)")},
        {"viele.plx", kStartStern + QByteArray("1\r\n").repeated(85), kaputt.arg("enthält mehr als 100 Eckenradien")},
        {"riesig.plx", kStartStern.leftJustified(70000), kaputt.arg("ist größer, als eine Pelox-Datei sein kann")},
        {"fehlt.plx", {}, {}},
    };
    for (const auto& [name, bytes, text] : faelle) {
        if (!bytes.isEmpty())
            schreibe(pfad(name), bytes);
        messageBox.shown.clear();
        lese(pfad(name));
        ASSERT_EQ(messageBox.shown.size(), 1u) << name;
        EXPECT_EQ(messageBox.shown[0].title, bytes.isEmpty() ? "Lesen nicht möglich !!" : "Falsche Datei !!");
        EXPECT_EQ(messageBox.shown[0].text, bytes.isEmpty() ? " Die Datei " + pfad(name) + " kann nicht gelesen werden !! " : text);
        EXPECT_EQ(ansicht(*w), vorher);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the wait pointer is gone
}

// Values other than 0 and 1 are kept and leave their controls alone; radii
// missing from the file keep the window's, scaled to the new diameters.
TEST_F(DateiTest, HandWrittenFilesChangeOnlyWhatTheyHold)
{
    w->chkZweiA4->setChecked(true);
    w->optStrichDicke[1]->setChecked(true);
    w->cmdRückstellen->setEnabled(true);
    w->hsbAussen->setValue(30);
    w->hsbInnen->setValue(10);
    w->Radius[5] = 10;
    schreibe(pfad("x.plx"), "\"Pelox-Datei\"\r\n3\r\n19\r\n8\r\n8\r\n1\r\n0\r\n0\r\n0.5\r\n"
                            "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n2\r\n-1\r\n5\r\n12\r\n3\r\n11\r\n");
    lese(pfad("x.plx"));
    // Radius 4 and 6 scaled from 5 to 8 cm, 5 (pulled) and 7 from 15 to 19 cm.
    EXPECT_EQ(std::vector<float>(w->Radius.begin() + 1, w->Radius.begin() + 8),
        (std::vector<float>{12, 3, 11, 4, 10 * 19.f / 15, 4, 9.5f}));
    EXPECT_TRUE(w->KurveEin);  // one bend value is not 0
    EXPECT_EQ((std::array{w->ZweiA4, w->PeloxForm, w->StrichDicke, w->Gezogen}),
        (std::array<std::int16_t, 4>{3, 2, -1, 5}));
    EXPECT_EQ((std::array{w->chkZweiA4->isChecked(), w->optPeloxForm[0]->isChecked(),
                  w->optStrichDicke[1]->isChecked(), w->cmdRückstellen->isEnabled()}),
        (std::array{true, true, true, true}));
}
