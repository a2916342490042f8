// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/scrollbar.h"

#include <QApplication>
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
    bar.setValue(20);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(valueSeen, 20);
    // Lowering the maximum below the value moves the value: a change.
    bar.setMaximum(15);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(bar.value(), 15);

    // A dragged thumb scrolls on every step and changes once when released,
    // and not at all when released where it was taken.
    for (int drag = 0; drag < 2; ++drag) {  // from 15 to 11, then from 11 back to 11
        bar.setSliderDown(true);
        bar.setSliderPosition(12);
        bar.setSliderPosition(11);
        bar.setSliderDown(false);
    }
    EXPECT_EQ(scrolls, 4);
    EXPECT_EQ(changes, 3);
}

TEST(ScrollBar, VerticalBarGrowsTowardItsTop)
{
    ScrollBar bar(Qt::Vertical, nullptr);
    bar.setRange(1, 30);
    bar.resize(17, 97);
    bar.setValue(10);
    bar.show();

    // Keys are tested through the window, where the focus decides.
    const QPoint topArrow(8, 4);
    QMouseEvent press(QEvent::MouseButtonPress, topArrow, bar.mapToGlobal(topArrow), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bar, &press);
    EXPECT_EQ(bar.value(), 11);
    bar.setValue(30);
    EXPECT_EQ(bar.QScrollBar::value(), bar.minimum());  // the thumb at the top
}
