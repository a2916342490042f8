// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window.h"

#include <QApplication>
#include <QSet>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <cmath>

using Controls = WindowTest;

TEST_F(Controls, BarsSetTheStarAndTheirLabels)
{
    w->hsbAnzahl->setValue(2);
    EXPECT_EQ(w->AnzahlEcken, 4);
    EXPECT_EQ(w->lblAnzahl->text(), "2");
    w->hsbAussen->setValue(2);
    EXPECT_EQ(w->lblAussen->text(), "1,0");
    w->hsbInnen->setValue(1);
    EXPECT_EQ(w->lblInnen->text(), "0,5");

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
}

TEST_F(Controls, DraggingTheThumbFollowsEveryStep)
{
    QStringList seen;
    w->hsbAussen->setSliderDown(true);
    for (int v = 37; v >= 30; --v) {
        w->hsbAussen->setSliderPosition(v);
        seen << w->lblAussen->text();
        EXPECT_NEAR(w->PunktX[1], v / 4.0, 1e-5);  // the figure shrinks with the thumb
    }
    w->hsbAussen->setSliderDown(false);
    EXPECT_EQ(seen, QStringList({"18,5", "18,0", "17,5", "17,0", "16,5", "16,0", "15,5", "15,0"}));
}

TEST_F(Controls, FormAndThicknessRedrawTheStar)
{
    const QImage duenn = w->picPelox->image();
    w->optStrichDicke[1]->click();
    const QImage dick = w->picPelox->image();
    const auto schwarz = [](const QImage& img) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += qGray(img.pixel(x, y)) < 128;
        return n;
    };
    EXPECT_GT(schwarz(dick), schwarz(duenn) * 3 / 2);

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

TEST_F(Controls, CurveStaysUncomputedWhileItIsOff)
{
    w->KurvePunktX[1][1] = 1234;
    w->hsbAnzahl->setValue(12);
    w->hsbAussen->setValue(30);
    w->vsbYFaktor->setValue(15);
    w->optPeloxForm[1]->click();
    w->optStrichDicke[1]->click();
    EXPECT_EQ(w->KurvePunktX[1][1], 1234);
    w->KurveEin = true;
    w->hsbAnzahl->setValue(13);
    EXPECT_NE(w->KurvePunktX[1][1], 1234);
}

// Keys reach a bar through the window, as the window system delivers them,
// once a click or Tab has given the bar the focus.
TEST_F(Controls, KeysChangeTheBarThatHasTheFocus)
{
    w->activateWindow();
    QApplication::setActiveWindow(w.get());
    QWindow* fenster = w->windowHandle();
    const auto taste = [&](Qt::Key key) { QTest::keyClick(fenster, key); };
    const auto klickAufDenSchieber = [](ScrollBar* bar) {
        QStyleOptionSlider opt;
        opt.initFrom(bar);
        opt.orientation = bar->orientation();
        opt.minimum = bar->minimum();
        opt.maximum = bar->maximum();
        opt.sliderPosition = bar->sliderPosition();
        opt.sliderValue = bar->QScrollBar::value();
        opt.pageStep = bar->pageStep();
        opt.singleStep = bar->singleStep();
        const QRect schieber = bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar);
        QTest::mouseClick(bar, Qt::LeftButton, {}, schieber.center());
    };

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

    klickAufDenSchieber(w->hsbAussen);
    ASSERT_EQ(QApplication::focusWidget(), w->hsbAussen);
    EXPECT_EQ(w->hsbAussen->value(), 38);
    taste(Qt::Key_Left);
    EXPECT_EQ(w->lblAussen->text(), "18,5");
    EXPECT_NEAR(w->PunktX[1], 9.25, 1e-5);
    taste(Qt::Key_PageUp);
    taste(Qt::Key_Home);
    EXPECT_EQ(w->lblAussen->text(), "1,0");

    // The height bar's top end is the larger height, for the keys too.
    klickAufDenSchieber(w->vsbYFaktor);
    ASSERT_EQ(QApplication::focusWidget(), w->vsbYFaktor);
    taste(Qt::Key_Up);
    EXPECT_EQ(w->lblYFaktor->text(), "110");
    taste(Qt::Key_PageDown);
    taste(Qt::Key_PageDown);
    EXPECT_EQ(w->lblYFaktor->text(), "90");
    taste(Qt::Key_Home);
    EXPECT_EQ(w->lblYFaktor->text(), "300");
    EXPECT_TRUE(w->cmdSetFaktor->isEnabled());
}
