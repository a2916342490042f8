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
    m_szene = std::make_shared<const netz::Szene>(std::move(szene));
    m_vorabFuer = stand();
    m_vorab = std::async(std::launch::async, [s = m_vorabFuer] { return bild(s); });
    update();
}

void SternAnsicht::setLeuchtend(bool an)
{
    auto szene = std::make_shared<netz::Szene>(*m_szene);
    szene->leuchtend = an;
    m_szene = std::move(szene);
    update();
}

SternAnsicht::Stand SternAnsicht::stand() const
{
    return {m_szene, m_kamera, size(), devicePixelRatioF(), !m_dreht};
}

QImage SternAnsicht::bild(const Stand& s)
{
    if (s.groesse.isEmpty())
        return {};
    QImage b(s.groesse * s.ratio, QImage::Format_RGB32);
    b.setDevicePixelRatio(s.ratio);
    QPainter p(&b);
    p.fillRect(QRect(QPoint(), s.groesse), toQColor(hintergrund(*s.szene)));
    MalerFlaeche f(p, s.ratio, s.glatt);
    sternbildZeichnen(f, *s.szene, s.kamera, s.groesse.width(), s.groesse.height(), 1.2);
    return b;
}

void SternAnsicht::paintEvent(QPaintEvent*)
{
    if (m_vorab.valid()) {
        m_bild = m_vorab.get();
        m_bildFuer = m_vorabFuer;
    }
    // Drawn anew where the view has changed since, as while it is turned.
    if (!(m_bildFuer == stand())) {
        m_bildFuer = stand();
        m_bild = bild(m_bildFuer);
    }
    QPainter(this).drawImage(QPoint(), m_bild);
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
