// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window moved between two screens of different pixel ratios: CTest runs
// this program on the offscreen screens of screens.json, at ratios 1 and 2.
#include "support/window.h"

#include "platform/picturewidget.h"

#include <QApplication>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

using ScreenChange = WindowTest;

TEST_F(ScreenChange, BothPicturesDrawnAgainAtTheNewScreensRatio)
{
    QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2) << "run on the screens of screens.json";
    if (screens[0]->devicePixelRatio() > screens[1]->devicePixelRatio())
        screens.swapItemsAt(0, 1);
    ASSERT_EQ(screens[0]->devicePixelRatio(), 1.0);
    ASSERT_EQ(screens[1]->devicePixelRatio(), 2.0);
    // Thick lines, which a scaled picture shows blurred most plainly.
    w->optStrichDicke[1]->click();

    for (const int k : {1, 0, 1}) {
        w->windowHandle()->setScreen(screens[k]);
        QApplication::processEvents();
        const double ratio = screens[k]->devicePixelRatio();
        const QImage stern = w->picPelox->image();
        const QImage kurve = w->picKurvenForm->image();
        for (const auto& [pic, bild] : {std::pair(w->picPelox, stern), std::pair(w->picKurvenForm, kurve)}) {
            EXPECT_EQ(bild.devicePixelRatio(), ratio) << k;
            EXPECT_EQ(bild.size(), (pic->size() - QSize(4, 4)) * ratio) << k;
        }
        // Each is the picture a change would draw there.
        w->Zeichnen();
        EXPECT_TRUE(w->picPelox->image() == stern) << k;
        w->RasterZeichnen();
        w->KurvenFormPunkte();
        EXPECT_TRUE(w->picKurvenForm->image() == kurve) << k;
    }
}
