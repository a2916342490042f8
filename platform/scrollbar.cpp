// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/scrollbar.h"

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
    , m_fromBottom(orientation == Qt::Vertical)
{
    setTracking(true);
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
