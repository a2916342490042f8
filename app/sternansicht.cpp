// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sternansicht.h"

#include "platform/colors.h"
#include "render/sternbild.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

// The picture's faces and lines on a painter in logical pixels; the painter
// of a widget draws them at the screen's resolution.
class MalerFlaeche : public SternbildFlaeche {
public:
    explicit MalerFlaeche(QPainter& p) : m_p(p) {}

    void dreieck(const std::array<netz::Punkt, 3>& ecken, BgrColor farbe) override
    {
        const QPointF punkte[3] = {{ecken[0].x, ecken[0].y}, {ecken[1].x, ecken[1].y}, {ecken[2].x, ecken[2].y}};
        // A thin edge of the face's own colour closes the seams the
        // smoothing would leave between neighbours.
        const QColor c = toQColor(farbe);
        m_p.setPen(QPen(c, 1.0));
        m_p.setBrush(c);
        m_p.drawConvexPolygon(punkte, 3);
    }

    void strich(netz::Punkt a, netz::Punkt b, double breite, BgrColor farbe) override
    {
        m_p.setPen(QPen(toQColor(farbe), breite, Qt::SolidLine, Qt::RoundCap));
        m_p.drawLine(QPointF(a.x, a.y), QPointF(b.x, b.y));
    }

private:
    QPainter& m_p;
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

void SternAnsicht::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), toQColor(kWeiss));
    p.setRenderHint(QPainter::Antialiasing);
    MalerFlaeche f(p);
    sternbildZeichnen(f, netz::abbilden(m_szene, m_kamera, width(), height()), 1.2);
}

void SternAnsicht::mousePressEvent(QMouseEvent* event)
{
    m_letzte = event->position().toPoint();
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
