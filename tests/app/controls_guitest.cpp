// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window.h"

#include <QApplication>
#include <QSet>
#include <QTest>

using Controls = WindowTest;

// Every bar sets the star and its label, also step by step while its thumb is
// dragged; none computes the bent edges while the curve is off.
TEST_F(Controls, BarsSetTheStarAndTheirLabels)
{
    w->KurvePunktX[1][1] = 1234;
    w->hsbAnzahl->setValue(2);
    EXPECT_EQ(w->AnzahlEcken, 4);
    EXPECT_EQ(w->lblAnzahl->text(), "2");
    w->hsbInnen->setValue(1);
    EXPECT_EQ(w->lblInnen->text(), "0,5");

    QStringList seen;
    w->hsbAussen->setSliderDown(true);
    for (int v = 37; v >= 30; --v) {
        w->hsbAussen->setSliderPosition(v);
        seen << w->lblAussen->text();
        EXPECT_NEAR(w->PunktX[1], v / 4.0, 1e-5);  // the figure shrinks with the thumb
    }
    w->hsbAussen->setSliderDown(false);
    EXPECT_EQ(seen, QStringList({"18,5", "18,0", "17,5", "17,0", "16,5", "16,0", "15,5", "15,0"}));

    w->vsbYFaktor->setValue(30);
    EXPECT_EQ(w->lblYFaktor->text(), "300");
    EXPECT_NEAR(w->PunktY[2], 0.75, 1e-4);  // 0.25 cm stretched threefold
    w->vsbYFaktor->setValue(7);
    EXPECT_EQ(w->lblYFaktor->text(), "70");
    w->vsbYFaktor->setValue(25);
    EXPECT_TRUE(w->cmdSetFaktor->isEnabled());
    w->cmdSetFaktor->click();
    EXPECT_EQ(w->lblYFaktor->text(), "100");
    EXPECT_FLOAT_EQ(w->YFaktor, 1.0f);
    EXPECT_FALSE(w->cmdSetFaktor->isEnabled());

    w->optPeloxForm[1]->click();
    w->optStrichDicke[1]->click();
    EXPECT_EQ(w->KurvePunktX[1][1], 1234);
    w->KurveEin = true;
    w->hsbAnzahl->setValue(13);
    EXPECT_NE(w->KurvePunktX[1][1], 1234);
}

TEST_F(Controls, FormAndThicknessRedrawTheStar)
{
    const QImage duenn = w->picPelox->image();
    w->optStrichDicke[1]->click();
    const QImage dick = w->picPelox->image();
    EXPECT_GT(dunkel(dick, dick.rect()), dunkel(duenn, duenn.rect()) * 3 / 2);

    const QPoint speiche(int(w->MitteX + 5 * w->Massstab), int(w->MitteY));
    EXPECT_NE(dick.pixelColor(speiche), Qt::black);
    w->optPeloxForm[1]->click();
    EXPECT_EQ(w->picPelox->image().pixelColor(speiche), Qt::black);

    // A click on the button already selected runs its handler too: it sets
    // the field again, whatever a file left in it, and redraws.
    w->PeloxForm = 2;
    w->StrichDicke = 2;
    w->picPelox->clear();
    QTest::mouseClick(w->optPeloxForm[1], Qt::LeftButton);
    EXPECT_EQ(w->PeloxForm, 1);
    EXPECT_EQ(w->picPelox->image().pixelColor(speiche), Qt::black);
    QTest::mouseClick(w->optStrichDicke[1], Qt::LeftButton);
    EXPECT_EQ(w->StrichDicke, 1);
}

// Keys reach a bar through the window, as the window system delivers them,
// once a click or Tab has given the bar the focus.
TEST_F(Controls, KeysChangeTheBarThatHasTheFocus)
{
    w->activateWindow();
    QApplication::setActiveWindow(w.get());
    const auto taste = [&](Qt::Key key) { QTest::keyClick(w->windowHandle(), key); };

    // Tab visits all four bars.
    QSet<QWidget*> besucht;
    for (int i = 0; i < 40; ++i) {
        taste(Qt::Key_Tab);
        besucht.insert(QApplication::focusWidget());
    }
    for (QWidget* bar : {static_cast<QWidget*>(w->hsbAnzahl), static_cast<QWidget*>(w->hsbAussen),
             static_cast<QWidget*>(w->hsbInnen), static_cast<QWidget*>(w->vsbYFaktor)})
        EXPECT_TRUE(besucht.contains(bar)) << bar->objectName().toStdString();
    for (int i = 0; i < 40 && QApplication::focusWidget() != w->hsbAnzahl; ++i)
        taste(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), w->hsbAnzahl);
    taste(Qt::Key_Right);
    EXPECT_EQ(w->AnzahlEcken, 18);
    EXPECT_EQ(w->lblAnzahl->text(), "9");
    taste(Qt::Key_End);
    EXPECT_EQ(w->AnzahlSpitzen, 36);

    // A click on the first arrow takes one step and gives the bar the focus.
    QTest::mouseClick(w->hsbAussen, Qt::LeftButton, {}, QPoint(4, 4));
    ASSERT_EQ(QApplication::focusWidget(), w->hsbAussen);
    taste(Qt::Key_Left);
    EXPECT_EQ(w->lblAussen->text(), "18,0");
    EXPECT_NEAR(w->PunktX[1], 9, 1e-5);
    taste(Qt::Key_PageUp);
    taste(Qt::Key_Home);
    EXPECT_EQ(w->lblAussen->text(), "1,0");

    // The height bar's top end is the larger height, for the keys too.
    QTest::mouseClick(w->vsbYFaktor, Qt::LeftButton, {}, QPoint(4, 4));
    ASSERT_EQ(QApplication::focusWidget(), w->vsbYFaktor);
    taste(Qt::Key_Up);
    EXPECT_EQ(w->lblYFaktor->text(), "120");
    taste(Qt::Key_PageDown);
    taste(Qt::Key_PageDown);
    EXPECT_EQ(w->lblYFaktor->text(), "100");
    taste(Qt::Key_Home);
    EXPECT_EQ(w->lblYFaktor->text(), "300");
    EXPECT_TRUE(w->cmdSetFaktor->isEnabled());
}
