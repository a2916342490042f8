// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/scrollbar.h"

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{
    if (orientation == Qt::Vertical) {
        setInvertedAppearance(true);
        setInvertedControls(true);
    }
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
