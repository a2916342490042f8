// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dateitest.h"

#include "platform/picturewidget.h"
#include "platform/scrollbar.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

namespace {

// What the user sees and what the star holds.
struct Ansicht {
    QImage stern;
    QImage kurve;
    QStringList texte;
    std::vector<double> werte;
};

Ansicht ansicht(const frmPelox& w)
{
    Ansicht a{w.picPelox->image(), w.picKurvenForm->image(),
        {w.lblAnzahl->text(), w.lblAussen->text(), w.lblInnen->text(), w.lblYFaktor->text(),
            w.lblKurvenWerte->text(), w.lblDateiName->text()},
        {double(w.hsbAnzahl->value()), double(w.hsbAussen->value()), double(w.hsbAussen->maximum()),
            double(w.hsbInnen->value()), double(w.vsbYFaktor->value()), double(w.chkZweiA4->isChecked()),
            double(w.optPeloxForm[1]->isChecked()), double(w.optStrichDicke[1]->isChecked()),
            double(w.cmdRückstellen->isEnabled()), double(w.cmdSetFaktor->isEnabled()), double(w.AnzahlSpitzen),
            w.AussenDurchmesser, w.AussenDurchmesserNeu, w.InnenDurchmesser, w.InnenDurchmesserNeu, w.YFaktor,
            w.KurvenWert[1], w.KurvenWert[2], w.KurvenWert[3], w.KurveY1, w.KurveY2, w.KurveY3,
            double(w.KurveEin), double(w.PeloxForm), double(w.StrichDicke), double(w.ZweiA4),
            double(w.Gezogen), double(w.AnzahlEcken)}};
    a.werte.insert(a.werte.end(), w.Radius.begin() + 1, w.Radius.end());
    for (int i = 1; i <= w.AnzahlEcken + 1; ++i) {
        a.werte.insert(a.werte.end(), {w.PunktX[i], w.PunktY[i]});
        for (int k = 1; k <= 3 && i <= w.AnzahlEcken && w.KurveEin; ++k)
            a.werte.insert(a.werte.end(), {w.KurvePunktX[i][k], w.KurvePunktY[i][k]});
    }
    return a;
}

// Values agree to the seven digits the file keeps (relative to the value, or to
// 1 cm near zero); pictures and texts exactly.
void erwarteGleich(const Ansicht& ist, const Ansicht& soll, double genau = 0)
{
    EXPECT_TRUE(ist.stern == soll.stern) << "star picture differs";
    EXPECT_TRUE(ist.kurve == soll.kurve) << "curve editor differs";
    EXPECT_EQ(ist.texte, soll.texte);
    ASSERT_EQ(ist.werte.size(), soll.werte.size());
    for (std::size_t i = 0; i < ist.werte.size(); ++i)
        EXPECT_NEAR(ist.werte[i], soll.werte[i], std::max(std::abs(soll.werte[i]), 1.0) * genau) << "value " << i;
}

const QByteArray kStartStern = "\"Pelox-Datei\"\r\n0\r\n19\r\n8\r\n8\r\n1\r\n0\r\n0\r\n0\r\n"
                               "608.75\r\n487.5\r\n1217.5\r\n487.5\r\n1826.25\r\n487.5\r\n0\r\n0\r\n0\r\n"
    + QByteArray("9.5\r\n4\r\n").repeated(8);

} // namespace

TEST_F(DateiTest, StartUpStarIsSavedAsListedAndReadBackUnchanged)
{
    const QString pfad0 = QString::fromStdString(w->Pfad);
    speichere(pfad("stern.plx"));
    EXPECT_EQ(inhalt(pfad("stern.plx")), kStartStern);
    EXPECT_EQ(w->lblDateiName->text(), pfad("stern.plx"));
    ASSERT_EQ(fileDialog.shown.size(), 1u);
    const FileDialogRequest gespeichert = fileDialog.shown[0].request;
    EXPECT_TRUE(fileDialog.shown[0].save);
    EXPECT_EQ(gespeichert.fileName, pfad0 + "Pelox_1.plx");
    EXPECT_EQ(gespeichert.initDir, pfad0);
    EXPECT_EQ(gespeichert.filter, "Pelox-Dateien (*.plx)|*.plx|Alle Dateien (*.*)|*.*|");
    EXPECT_EQ(gespeichert.flags & CommonDialog::kOverwritePrompt, CommonDialog::kOverwritePrompt);

    const Ansicht vorher = ansicht(*w);
    lese(pfad("stern.plx"));
    erwarteGleich(ansicht(*w), vorher);
    EXPECT_TRUE(messageBox.shown.empty());
    // The open dialog offers the name left from the save, and no closing bar.
    const FileDialogRequest gelesen = fileDialog.shown.at(1).request;
    EXPECT_FALSE(fileDialog.shown[1].save);
    EXPECT_EQ(gelesen.fileName, pfad("stern.plx"));
    EXPECT_EQ(gelesen.initDir, pfad0);
    EXPECT_EQ(gelesen.filter, "Pelox-Dateien (*.plx)|*.plx|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(DateiTest, ComplexDesignComesBackOnAFreshWindow)
{
    w->chkZweiA4->setChecked(true);
    w->hsbAussen->setValue(54);
    w->hsbInnen->setValue(13);
    w->hsbAnzahl->setValue(11);
    w->vsbYFaktor->setValue(17);
    w->optPeloxForm[1]->setChecked(true);
    w->optStrichDicke[1]->setChecked(true);
    // Bend points 1 and 2 dragged in the curve editor.
    biege(1, 700);
    biege(2, 260);
    ASSERT_TRUE(w->KurveEin);
    // Two corners pulled as a drag leaves them: a screen distance over the scale.
    w->Radius[3] = static_cast<float>(181.3 / w->Massstab);
    w->Radius[8] = static_cast<float>(7.7 / w->Massstab);
    w->Gezogen = 1;
    w->cmdRückstellen->setEnabled(true);
    w->Neuzeichnen();
    speichere(pfad("a.plx"));
    const Ansicht vorher = ansicht(*w);

    // A new window has one sheet: the box must be ticked before the 27 cm
    // diameter is applied, or the bar would stop at 19 cm.
    open();
    ASSERT_FALSE(w->chkZweiA4->isChecked());
    lese(pfad("a.plx"));
    ASSERT_TRUE(messageBox.shown.empty()) << messageBox.shown[0].text.toStdString();
    erwarteGleich(ansicht(*w), vorher, 1e-6);
    EXPECT_EQ(w->lblAussen->text(), "27,0");

    speichere(pfad("b.plx"));
    EXPECT_EQ(inhalt(pfad("b.plx")), inhalt(pfad("a.plx")));
}

TEST_F(DateiTest, FewerRadiiThanCornersKeepTheRestAsTheDiametersLeftThem)
{
    w->hsbAussen->setValue(30);
    w->hsbInnen->setValue(10);
    w->Radius[5] = 10;
    w->Radius[6] = 1;
    schreibe(pfad("kurz.plx"), "\"Pelox-Datei\"\r\n0\r\n19\r\n8\r\n8\r\n1\r\n0\r\n0\r\n0.5\r\n"
                               "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n12\r\n3\r\n11\r\n");
    lese(pfad("kurz.plx"));
    ASSERT_TRUE(messageBox.shown.empty());
    // Radius 4 and 6 scaled from 5 to 8 cm, 5 (pulled) and 7 from 15 to 19 cm.
    EXPECT_EQ(std::vector<float>(w->Radius.begin() + 1, w->Radius.begin() + 8),
        (std::vector<float>{12, 3, 11, 4, 10 * 19.f / 15, 1.6f, 9.5f}));
    EXPECT_TRUE(w->KurveEin);  // one bend value is not 0
}

TEST_F(DateiTest, ValuesOtherThanZeroOrOneAreKeptAndLeaveTheirControls)
{
    w->chkZweiA4->setChecked(true);
    w->hsbAussen->setValue(54);
    w->optStrichDicke[1]->setChecked(true);
    biege(2, 300);
    w->Radius[3] = 2;
    schreibe(pfad("x.plx"), "\"Pelox-Datei\"\r\n3\r\n27\r\n8\r\n8\r\n1\r\n0\r\n0\r\n0\r\n"
                            "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n2\r\n-1\r\n5\r\n9.5\r\n");
    lese(pfad("x.plx"));
    ASSERT_TRUE(messageBox.shown.empty());
    EXPECT_EQ((std::array{w->ZweiA4, w->PeloxForm, w->StrichDicke, w->Gezogen}),
        (std::array<std::int16_t, 4>{3, 2, -1, 5}));
    EXPECT_EQ((std::array{w->chkZweiA4->isChecked(), w->optPeloxForm[0]->isChecked(),
                  w->optStrichDicke[1]->isChecked(), w->cmdRückstellen->isEnabled()}),
        (std::array{true, true, true, false}));
    EXPECT_EQ(w->hsbAussen->value(), 54);
    EXPECT_EQ(w->Radius[3], 2);  // the box was not touched, so nothing was reset
    EXPECT_FALSE(w->KurveEin);
}

TEST_F(DateiTest, CancellingEitherDialogChangesNothing)
{
    speichere(pfad("a.plx"));
    const QStringList vorher = QDir(dir.path()).entryList(QDir::Files);
    const Ansicht stand = ansicht(*w);
    speichere(QString());
    EXPECT_EQ(w->DateiPfad, "");
    lese(QString());
    EXPECT_EQ(w->DateiPfad, "");
    erwarteGleich(ansicht(*w), stand);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), vorher);
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(DateiTest, BadFilesAreRefusedAndLeaveEverythingAsItWas)
{
    const QByteArray gut = kStartStern;
    const QByteArray ohneRadien = gut.left(gut.indexOf("9.5"));
    const struct {
        const char* name;
        QByteArray bytes;  // empty: the name is not a file
        const char* titel;
        const char* text;
    } faelle[] = {
        {"case.plx", QByteArray(gut).replace("Pelox-Datei", "pelox-datei"), "Falsche Datei !!",
            " Das ist keine Pelox-Datei (*.plx) !! "},
        {"kurz.plx", ohneRadien, "Falsche Datei !!",
            " Die Pelox-Datei ist beschädigt: die Datei endet vor Feld 19 (Eckenradius 1) !! "},
        {"spitzen.plx", QByteArray(gut).replace("\r\n8\r\n1\r\n", "\r\n40\r\n1\r\n"), "Falsche Datei !!",
            " Die Pelox-Datei ist beschädigt: Feld 5 (Anzahl Spitzen) muss zwischen 2 und 36 liegen !! "},
        {"gross.plx", QByteArray(gut).replace("\r\n19\r\n", "\r\n27\r\n"), "Falsche Datei !!",
            " Die Pelox-Datei ist beschädigt: Feld 3 (Aussen-Durchmesser) muss zwischen 1 und 19 cm liegen !! "},
        {"viele.plx", gut + QByteArray("1\r\n").repeated(85), "Falsche Datei !!",
            " Die Pelox-Datei ist beschädigt: die Datei enthält mehr als 100 Eckenradien !! "},
        {"riesig.plx", gut + QByteArray(70000, '\n'), "Falsche Datei !!",
            " Die Pelox-Datei ist beschädigt: die Datei ist größer, als eine Pelox-Datei sein kann !! "},
        {"fehlt.plx", {}, "Lesen nicht möglich !!", nullptr},
        {"ordner.plx", {}, "Lesen nicht möglich !!", nullptr},
    };
    ASSERT_TRUE(QDir(dir.path()).mkdir("ordner.plx"));

    // A design far from the start-up star, so that any change would show.
    w->hsbAnzahl->setValue(5);
    w->vsbYFaktor->setValue(25);
    biege(3, 300);
    w->Radius[4] = 1.25f;
    w->Neuzeichnen();
    speichere(pfad("gut.plx"));
    const Ansicht vorher = ansicht(*w);

    for (const auto& fall : faelle) {
        if (!fall.bytes.isEmpty())
            schreibe(pfad(fall.name), fall.bytes);
        messageBox.shown.clear();
        lese(pfad(fall.name));
        ASSERT_EQ(messageBox.shown.size(), 1u) << fall.name;
        EXPECT_EQ(messageBox.shown[0].title, fall.titel) << fall.name;
        EXPECT_EQ(messageBox.shown[0].flags, MessageBoxPort::kExclamation);
        if (fall.text)
            EXPECT_EQ(messageBox.shown[0].text, fall.text) << fall.name;
        else
            EXPECT_TRUE(messageBox.shown[0].text.contains(pfad(fall.name))) << fall.name;
        erwarteGleich(ansicht(*w), vorher);
        EXPECT_EQ(w->DateiPfad, pfad(fall.name).toStdString());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

namespace {

// Remembers the pointer that was up over each box.
class ZeigerBox : public MessageBoxPort {
public:
    std::vector<int> zeiger;
    void show(const QString&, const QString&, int) override
    {
        const QCursor* c = QApplication::overrideCursor();
        zeiger.push_back(c ? int(c->shape()) : -1);
    }
};

} // namespace

TEST_F(DateiTest, TheWaitPointerGivesWayToTheArrowOverAMessage)
{
    ZeigerBox box;
    w = std::make_unique<frmPelox>(Ports{fileDialog, box, printer});
    schreibe(pfad("fremd.txt"), "Hallo");
    lese(pfad("fremd.txt"));
    ASSERT_EQ(box.zeiger, std::vector<int>{Qt::ArrowCursor});
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
