// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/painterprinter.h"

#include "platform/colors.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace {

// Dashes a reader can follow with scissors, whatever the printer's resolution.
constexpr double kStrichMm = 3;
constexpr double kLueckeMm = 1.5;
constexpr double kPunktMm = 0.3;

} // namespace

QPointF PainterPrinter::toDevice(double x, double y)
{
    const double pixelsPerTwip = resolution() / 1440.0;
    return {x * pixelsPerTwip, y * pixelsPerTwip};
}

void PainterPrinter::applyPen(QPainter& p, BgrColor color)
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
    }
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
}

void PainterPrinter::setFontName(const QString& name)
{
    m_fontName = name;
}

void PainterPrinter::setFontSize(double points)
{
    m_fontSize = points;
}

void PainterPrinter::setLineWidth(int width)
{
    m_lineWidth = width;
    m_lineWidthMm = 0;
}

void PainterPrinter::fillPolygon(const std::vector<QPointF>& points, BgrColor color)
{
    QPainter* p = documentPainter();
    if (!p)
        return;
    QPolygonF ecken;
    for (const QPointF& q : points)
        ecken << toDevice(q.x(), q.y());
    QPainterPath weg;
    weg.addPolygon(ecken);
    p->fillPath(weg, toQColor(color));
}

void PainterPrinter::setLineWidthMm(double mm)
{
    m_lineWidthMm = mm;
}

void PainterPrinter::setLineStyle(LineStyle style)
{
    m_lineStyle = style;
}

void PainterPrinter::line(double x1, double y1, double x2, double y2, BgrColor color)
{
    QPainter* p = documentPainter();
    if (!p)
        return;
    applyPen(*p, color);
    p->drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void PainterPrinter::circle(double x, double y, double radius, BgrColor color)
{
    QPainter* p = documentPainter();
    if (!p)
        return;
    applyPen(*p, color);
    const QPointF r = toDevice(radius, radius);
    p->drawEllipse(toDevice(x, y), r.x(), r.y());
}

double PainterPrinter::applyFont(QPainter& p)
{
    // Asked for by name only, so that the font configuration's substitutes
    // for "courier" apply (a metric twin of the typewriter face); without any,
    // the hint still gives a face with fixed pitch.
    QFont font(m_fontName);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(m_fontSize);
    p.setFont(font);
    p.setPen(toQColor(kSchwarz));
    return QFontMetricsF(p.font(), device()).ascent();
}

void PainterPrinter::printLine(const QString& text)
{
    QPainter* p = documentPainter();
    if (!p)
        return;
    const double ascent = applyFont(*p);
    p->drawText(QPointF(0, m_textY + ascent), text);
    m_textY += QFontMetricsF(p->font(), device()).lineSpacing();
}

void PainterPrinter::textAt(double x, double y, const QString& text)
{
    QPainter* p = documentPainter();
    if (!p)
        return;
    const double ascent = applyFont(*p);
    p->drawText(toDevice(x, y) + QPointF(0, ascent), text);
}

void PainterPrinter::fill(double x, double y, double width, double height, BgrColor color)
{
    QPainter* p = documentPainter();
    if (!p)
        return;
    p->fillRect(QRectF(toDevice(x, y), toDevice(x + width, y + height)), toQColor(color));
}
