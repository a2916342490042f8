// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/ansicht.h"

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <future>
#include <memory>

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
    // Its picture is drawn at once on a helper thread, while the caller goes
    // on with other work, and shown with the next paint.
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
    // What a picture shows: the scene, seen how, at which size and ratio.
    struct Stand {
        std::shared_ptr<const netz::Szene> szene;
        netz::Kamera kamera;
        QSize groesse;
        double ratio = 1;
        bool glatt = true;
        friend bool operator==(const Stand&, const Stand&) = default;
    };
    Stand stand() const;
    static QImage bild(const Stand& s);

    std::shared_ptr<const netz::Szene> m_szene = std::make_shared<netz::Szene>();
    netz::Kamera m_kamera = netz::startKamera();
    QPoint m_letzte;
    bool m_dreht = false;  // while the left button turns the star
    // The picture being drawn ahead for the scene last shown, and the one
    // painted last; each with what it shows.
    std::future<QImage> m_vorab;
    Stand m_vorabFuer;
    QImage m_bild;
    Stand m_bildFuer;
};
