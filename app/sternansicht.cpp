// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sternansicht.h"

#include "platform/colors.h"
#include "render/sternbild.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QWheelEvent>

namespace {

// The picture's faces and lines on a painter in logical pixels; the painter
// of a widget draws them at the screen's resolution. Smoothed faces cost the
// painter twenty times as much as plain ones, too much for a picture that
// follows the mouse: the faces are filled plain, without seams between them,
// and the lines, which hide most of their steps, are smoothed only while the
// picture stands still.
class MalerFlaeche : public SternbildFlaeche {
public:
    MalerFlaeche(QPainter& p, double ratio, bool glatt) : m_p(p), m_ratio(ratio), m_glatt(glatt) {}

    void dreieck(const std::array<netz::Punkt, 3>& ecken, BgrColor farbe) override
    {
        const QPointF punkte[3] = {{ecken[0].x, ecken[0].y}, {ecken[1].x, ecken[1].y}, {ecken[2].x, ecken[2].y}};
        m_p.setRenderHint(QPainter::Antialiasing, false);
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(toQColor(farbe));
        m_p.drawConvexPolygon(punkte, 3);
    }

    void vieleck(const std::vector<netz::Punkt>& ecken, BgrColor farbe) override
    {
        QPolygonF punkte;
        punkte.reserve(qsizetype(ecken.size()));
        for (const netz::Punkt& e : ecken)
            punkte.append({e.x, e.y});
        m_p.setRenderHint(QPainter::Antialiasing, false);
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(toQColor(farbe));
        m_p.drawPolygon(punkte);
    }

    void strich(netz::Punkt a, netz::Punkt b, double breite, BgrColor farbe) override
    {
        // Lines of device pixels take the painter's quick way.
        QPen stift(toQColor(farbe), breite * m_ratio);
        stift.setCosmetic(true);
        m_p.setRenderHint(QPainter::Antialiasing, m_glatt);
        m_p.setPen(stift);
        m_p.drawLine(QPointF(a.x, a.y), QPointF(b.x, b.y));
    }

private:
    QPainter& m_p;
    double m_ratio;
    bool m_glatt;
};

} // namespace

SternAnsicht::SternAnsicht(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 120);
}

void SternAnsicht::zeigen(netz::Szene szene)
{
    m_szene = std::move(szene);
    update();
}

void SternAnsicht::setLeuchtend(bool an)
{
    m_szene.leuchtend = an;
    update();
}

void SternAnsicht::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), toQColor(hintergrund(m_szene)));
    MalerFlaeche f(p, devicePixelRatioF(), !m_dreht);
    sternbildZeichnen(f, m_szene, m_kamera, width(), height(), 1.2);
}

void SternAnsicht::mousePressEvent(QMouseEvent* event)
{
    m_letzte = event->position().toPoint();
    m_dreht = event->button() == Qt::LeftButton;
}

void SternAnsicht::mouseReleaseEvent(QMouseEvent*)
{
    m_dreht = false;
    update();
}

void SternAnsicht::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint hier = event->position().toPoint();
    m_kamera = netz::gedreht(m_kamera, hier.x() - m_letzte.x(), hier.y() - m_letzte.y());
    m_letzte = hier;
    update();
}

void SternAnsicht::mouseDoubleClickEvent(QMouseEvent*)
{
    m_kamera = netz::startKamera();
    update();
}

void SternAnsicht::wheelEvent(QWheelEvent* event)
{
    m_kamera = netz::gezoomt(m_kamera, event->angleDelta().y() / 120.0);
    update();
}
