// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollBar>
#include <functional>

// A scroll bar with the two events the program relies on. Change runs on every
// change of the value, from the user or from code, before setValue returns, and
// once when a dragged thumb is released on a new value; an assignment of the
// value the bar already has runs nothing. Scroll runs on every step while the
// thumb is dragged. A vertical bar has its larger end at the top, so the value
// grows as the thumb moves up. The bar takes the keyboard focus.
class ScrollBar : public QScrollBar {
public:
    ScrollBar(Qt::Orientation orientation, QWidget* parent);

    // The value as the program counts it. A vertical bar counts from its
    // bottom end: its top end is the larger number.
    int value() const;
    void setValue(int value);

    void onChange(std::function<void()> handler) { m_change = std::move(handler); }
    void onScroll(std::function<void()> handler) { m_scroll = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> m_change;
    std::function<void()> m_scroll;
    bool m_fromBottom;
    int m_valueAtPress = 0;
};
