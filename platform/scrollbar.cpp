// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/scrollbar.h"

#include <QKeyEvent>

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
    , m_fromBottom(orientation == Qt::Vertical)
{
    setTracking(true);
    // Clicks and Tab give the bar the focus, so that the arrow keys, Page Up
    // and Down, Home and End change it like a click on the bar does.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSlider::sliderPressed, this, [this] { m_valueAtPress = value(); });
    connect(this, &QAbstractSlider::sliderReleased, this, [this] {
        if (value() != m_valueAtPress && m_change)
            m_change();
    });
    connect(this, &QAbstractSlider::valueChanged, this, [this] {
        if (isSliderDown()) {
            if (m_scroll)
                m_scroll();
        } else if (m_change) {
            m_change();
        }
    });
}

int ScrollBar::value() const
{
    const int q = QScrollBar::value();
    return m_fromBottom ? minimum() + maximum() - q : q;
}

void ScrollBar::setValue(int value)
{
    QScrollBar::setValue(m_fromBottom ? minimum() + maximum() - value : value);
}

void ScrollBar::keyPressEvent(QKeyEvent* event)
{
    // Qt's scroll bar turns Left and Right round; here Right moves the thumb
    // right, to the larger value, as Down and Page Down already do.
    const bool links = event->key() == Qt::Key_Left;
    if (orientation() == Qt::Horizontal && (links || event->key() == Qt::Key_Right)
        && event->modifiers() == Qt::NoModifier) {
        triggerAction(links ? SliderSingleStepSub : SliderSingleStepAdd);
        return;
    }
    QScrollBar::keyPressEvent(event);
}
