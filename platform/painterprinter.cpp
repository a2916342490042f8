// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/painterprinter.h"

#include "platform/colors.h"

#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace {

// Dashes a reader can follow with scissors, whatever the printer's resolution.
constexpr double kStrichMm = 3;
constexpr double kLueckeMm = 1.5;
constexpr double kPunktMm = 0.3;

} // namespace

QPainter* PainterPage::painter()
{
    QPainter* p = documentPainter();
    if (p) {
        const kalibrierung::Korrektur k = pageCorrection();
        p->setTransform(QTransform::fromScale(k.x, k.y));
    }
    return p;
}

QSizeF PainterPage::pageSize()
{
    const QSizeF area = deviceArea();
    const kalibrierung::Korrektur k = pageCorrection();
    return {area.width() / k.x, area.height() / k.y};
}

QPointF PainterPage::toDevice(double x, double y)
{
    const double pixelsPerTwip = resolution() / 1440.0;
    return {x * pixelsPerTwip, y * pixelsPerTwip};
}

void PainterPage::applyPen(QPainter& p, BgrColor color)
{
    QPen pen(toQColor(color));
    pen.setCosmetic(true);
    const int width = m_lineWidthMm > 0 ? std::max(1, int(std::lround(m_lineWidthMm * resolution() / 25.4)))
                                        : m_lineWidth;
    pen.setWidth(width);
    // A cosmetic pen counts its pattern in multiples of its width.
    const double perMm = resolution() / 25.4 / std::max(width, 1);
    switch (m_lineStyle) {
    case LineStyle::Solid:
        break;
    case LineStyle::Dash:
        pen.setDashPattern({kStrichMm * perMm, kLueckeMm * perMm});
        break;
    case LineStyle::Dot:
        pen.setDashPattern({kPunktMm * perMm, kLueckeMm * perMm});
        break;
    case LineStyle::DashDot:
        pen.setDashPattern({kStrichMm * perMm, kLueckeMm * perMm, kPunktMm * perMm, kLueckeMm * perMm});
        break;
    }
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
}

void PainterPage::setFontName(const QString& name)
{
    m_fontName = name;
}

void PainterPage::setFontSize(double points)
{
    m_fontSize = points;
}

void PainterPage::setLineWidth(int width)
{
    m_lineWidth = width;
    m_lineWidthMm = 0;
}

void PainterPage::fillPolygon(const std::vector<QPointF>& points, BgrColor color)
{
    QPainter* p = painter();
    if (!p)
        return;
    QPolygonF ecken;
    for (const QPointF& q : points)
        ecken << toDevice(q.x(), q.y());
    QPainterPath weg;
    weg.addPolygon(ecken);
    p->fillPath(weg, toQColor(color));
}

void PainterPage::setLineWidthMm(double mm)
{
    m_lineWidthMm = mm;
}

void PainterPage::setLineStyle(LineStyle style)
{
    m_lineStyle = style;
}

void PainterPage::line(double x1, double y1, double x2, double y2, BgrColor color)
{
    QPainter* p = painter();
    if (!p)
        return;
    applyPen(*p, color);
    p->drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void PainterPage::lines(const std::vector<QLineF>& twips, BgrColor color)
{
    if (twips.empty())
        return;
    QPainter* p = painter();
    if (!p)
        return;
    applyPen(*p, color);
    // A line that goes on from where the one before ended continues its
    // path, so that a document states the shared point once and a cut
    // outline is one line with joined corners.
    QPainterPath path;
    for (const QLineF& l : twips) {
        const QPointF a = toDevice(l.x1(), l.y1());
        if (path.elementCount() == 0 || path.currentPosition() != a)
            path.moveTo(a);
        path.lineTo(toDevice(l.x2(), l.y2()));
    }
    p->drawPath(path);
}

void PainterPage::circle(double x, double y, double radius, BgrColor color)
{
    QPainter* p = painter();
    if (!p)
        return;
    applyPen(*p, color);
    const QPointF r = toDevice(radius, radius);
    p->drawEllipse(toDevice(x, y), r.x(), r.y());
}

QFont PainterPage::font() const
{
    // Asked for by name only, so that the font configuration's substitutes
    // for "courier" apply (a metric twin of the typewriter face); without any,
    // the hint still gives a face with fixed pitch.
    QFont f(m_fontName);
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSizeF(m_fontSize);
    return f;
}

double PainterPage::applyFont(QPainter& p)
{
    p.setFont(font());
    p.setPen(toQColor(m_textColor));
    return QFontMetricsF(p.font(), device()).ascent();
}

// Measured on the document's device, whose resolution the font's hinting
// depends on; that opens the document, as any output does.
double PainterPage::lineHeight()
{
    if (!painter())
        return m_fontSize * 20;
    return QFontMetricsF(font(), device()).lineSpacing() * 1440 / resolution();
}

double PainterPage::textWidth(const QString& text)
{
    if (!painter())
        return m_fontSize * 20 * double(text.size());
    return QFontMetricsF(font(), device()).horizontalAdvance(text) * 1440 / resolution();
}

void PainterPage::printLine(const QString& text)
{
    QPainter* p = painter();
    if (!p)
        return;
    const double ascent = applyFont(*p);
    p->drawText(QPointF(0, m_textY + ascent), text);
    m_textY += QFontMetricsF(p->font(), device()).lineSpacing();
}

void PainterPage::textAt(double x, double y, const QString& text)
{
    QPainter* p = painter();
    if (!p)
        return;
    const double ascent = applyFont(*p);
    p->drawText(toDevice(x, y) + QPointF(0, ascent), text);
}

void PainterPage::fill(double x, double y, double width, double height, BgrColor color)
{
    QPainter* p = painter();
    if (!p)
        return;
    p->fillRect(QRectF(toDevice(x, y), toDevice(x + width, y + height)), toQColor(color));
}
