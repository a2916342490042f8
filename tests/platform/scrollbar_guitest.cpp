// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/scrollbar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

TEST(ScrollBar, ChangeRunsOncePerNewValueAndBeforeTheAssignmentReturns)
{
    ScrollBar bar(Qt::Horizontal, nullptr);
    bar.setRange(2, 38);
    bar.setValue(10);
    int changes = 0, scrolls = 0, valueSeen = 0;
    bar.onChange([&] { ++changes; valueSeen = bar.value(); });
    bar.onScroll([&] { ++scrolls; });

    bar.setValue(20);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(valueSeen, 20);
    bar.setValue(20);
    EXPECT_EQ(changes, 1);

    // Lowering the maximum below the value moves the value, and that is a change.
    bar.setMaximum(15);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(bar.value(), 15);
    bar.setMaximum(54);
    EXPECT_EQ(changes, 2);

    // A dragged thumb scrolls on every step and changes once when released.
    bar.setSliderDown(true);
    bar.setSliderPosition(12);
    bar.setSliderPosition(11);
    bar.setSliderDown(false);
    EXPECT_EQ(scrolls, 2);
    EXPECT_EQ(changes, 3);
    // Released where it was taken: no change.
    bar.setSliderDown(true);
    bar.setSliderPosition(12);
    bar.setSliderPosition(11);
    bar.setSliderDown(false);
    EXPECT_EQ(changes, 3);
}

TEST(ScrollBar, VerticalBarGrowsTowardItsTop)
{
    ScrollBar bar(Qt::Vertical, nullptr);
    bar.setRange(1, 30);
    bar.resize(17, 97);
    bar.setValue(10);
    bar.show();

    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(&bar, &up);
    EXPECT_EQ(bar.value(), 11);

    // A click on the arrow at the top end raises the value as well.
    const QPoint topArrow(8, 4);
    QMouseEvent press(QEvent::MouseButtonPress, topArrow, bar.mapToGlobal(topArrow), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, topArrow, bar.mapToGlobal(topArrow), Qt::LeftButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&bar, &press);
    QApplication::sendEvent(&bar, &release);
    EXPECT_EQ(bar.value(), 12);

    // The thumb of the largest value sits at the top.
    bar.setValue(30);
    EXPECT_EQ(bar.QScrollBar::value(), bar.minimum());
}
