// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/ansicht.h"

#include <QPoint>
#include <QWidget>

// The folded star in 3D, to be turned with the left mouse button, zoomed
// with the wheel and set back to the starting view by a double click. It is
// painted at the screen's own resolution.
class SternAnsicht : public QWidget {
    Q_OBJECT
public:
    explicit SternAnsicht(QWidget* parent = nullptr);

    // The star to show; the camera stays as it was, so that the view keeps
    // its angle while the star's size or height changes.
    // The scene carries the halves' colours and whether the star is lit
    // (netz::Szene::farbe, leuchtend, einsatz): set them before handing it over.
    void zeigen(netz::Szene szene);
    // The "leuchtend" switch alone, for the scene shown.
    void setLeuchtend(bool an);
    const netz::Kamera& kamera() const { return m_kamera; }

    QSize sizeHint() const override { return {320, 320}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    netz::Szene m_szene;
    netz::Kamera m_kamera = netz::startKamera();
    QPoint m_letzte;
    bool m_dreht = false;  // while the left button turns the star
};
