// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/picturewidget.h"

#include "platform/artwork.h"
#include "platform/colors.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

PictureWidget::PictureWidget(QWidget* parent, BgrColor background, double unitsPerPixel, int border)
    : QWidget(parent)
    , m_background(toQColor(background))
    , m_unitsPerPixel(unitsPerPixel)
    , m_border(border)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The drawing area inside the border is the widget's contents, so that
    // what stands on the picture can be placed where the picture draws.
    setContentsMargins(border, border, border, border);
}

PictureWidget::~PictureWidget() = default;

QPainter& PictureWidget::painter()
{
    if (!m_painter) {
        if (m_image.isNull())
            fillPicture();
        // The painter takes the image's device pixel ratio as its scale, so
        // that everything drawn through it stays in logical pixels.
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        // Clipped to a rectangle, thin lines are written straight into the
        // image instead of through the general span painter; the picture
        // looks the same.
        m_painter->setClipRect(QRectF(QPointF(), m_image.deviceIndependentSize()).toAlignedRect());
        // The painter is opened by the first drawing call after the picture
        // was last shown, so one update here covers everything drawn with it.
        updatePicture();
    }
    return *m_painter;
}

void PictureWidget::endPainting() const
{
    m_painter.reset();
}

QPointF PictureWidget::toPixels(double x, double y) const
{
    return {x / m_unitsPerPixel, y / m_unitsPerPixel};
}

void PictureWidget::clear()
{
    endPainting();
    fillPicture();
    updatePicture();
}

double PictureWidget::pixelRatio() const
{
    return m_exportPicture ? 1.0 : devicePixelRatioF();
}

void PictureWidget::fillPicture()
{
    // The picture is cleared on every change; its memory is kept unless a copy
    // handed out still shares it, which fill() then leaves alone. A ratio that
    // changed since (another screen) takes effect here.
    const double ratio = pixelRatio();
    const QSize size = innerSize() * ratio;
    if (m_image.size() != size || m_image.devicePixelRatio() != ratio) {
        m_image = QImage(size, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
    }
    m_image.fill(m_background);
}

void PictureWidget::setLineWidth(int width)
{
    m_lineWidth = width;
}

void PictureWidget::setLineStyle(LineStyle style)
{
    m_lineStyle = style;
}

static Qt::PenStyle penStyle(LineStyle s)
{
    switch (s) {
    case LineStyle::Dash: return Qt::DashLine;
    case LineStyle::Dot: return Qt::DotLine;
    case LineStyle::Solid: break;
    }
    return Qt::SolidLine;
}

void PictureWidget::line(double x1, double y1, double x2, double y2, BgrColor color)
{
    QPainter& p = painter();
    const QLineF l(toPixels(x1, y1), toPixels(x2, y2));
    // Above one device pixel Qt would stroke the round ends as curves; at a
    // ratio of 1 thin lines stay Qt's single-pixel lines.
    if (m_lineWidth * m_image.devicePixelRatio() > 1 && m_lineStyle == LineStyle::Solid) {
        wideLine(l, toQColor(color).rgb());
        return;
    }
    // The same pen is handed over again while nothing changes, which the
    // painter recognises at once. Dots and dashes wider than a device pixel
    // end flat: round ends would lengthen each of them by the line width.
    const bool flat = m_lineWidth * m_image.devicePixelRatio() > 1;
    const PenKey key{m_lineWidth, m_lineStyle, color, flat};
    if (key != m_linePenKey) {
        m_linePen = QPen(toQColor(color), m_lineWidth, penStyle(m_lineStyle), flat ? Qt::FlatCap : Qt::RoundCap);
        m_linePenKey = key;
    }
    p.setPen(m_linePen);
    p.drawLine(l);
}

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The points (x, y) with lo < a * x + b0 + b1 * y < hi: in row y an open run
// of x, or for a = 0 every x or none.
class Slab {
public:
    Slab(double a, double b0, double b1, double lo, double hi)
        : m_a(a), m_b0(b0), m_b1(b1), m_lo(lo), m_hi(hi)
    {
        if (a != 0) {
            m_from = (a > 0 ? lo - b0 : hi - b0) / a;
            m_to = (a > 0 ? hi - b0 : lo - b0) / a;
            m_slope = -b1 / a;
        }
    }

    // Narrows the runs from .. to of n rows, the first centred on y0, to
    // this slab.
    void clip(double y0, int n, double* from, double* to) const
    {
        if (m_a == 0) {
            for (int k = 0; k < n; ++k) {
                const double v = m_b0 + m_b1 * (y0 + k);
                if (!(m_lo < v && v < m_hi))
                    to[k] = from[k];
            }
            return;
        }
        for (int k = 0; k < n; ++k) {
            const double y = y0 + k;
            from[k] = std::max(from[k], m_from + m_slope * y);
            to[k] = std::min(to[k], m_to + m_slope * y);
        }
    }

private:
    double m_a, m_b0, m_b1, m_lo, m_hi;
    double m_from = 0, m_to = 0, m_slope = 0;
};

// Whole pixels from a position, which is first clamped to just outside the
// picture: the first pixel whose centre lies past v, the last one before v.
int firstAfter(double v, int limit)
{
    v = std::clamp(v - 0.5, -2.0, limit + 2.0);
    const int i = int(v);
    return i - (v < i) + 1;
}

int lastBefore(double v, int limit)
{
    v = std::clamp(v - 0.5, -2.0, limit + 2.0);
    const int i = int(v);
    return i + (v > i) - 1;
}

// Sets the pixels of a row of the given width whose centres lie strictly
// between from and to.
void fillRun(QRgb* row, int width, double from, double to, QRgb color)
{
    const double left = from - 0.5;
    const int first = left >= 0 ? int(std::min(left, width + 2.0)) + 1 : 0;
    const double right = std::clamp(to - 0.5, -1.0, width - 0.5);
    const int whole = int(right);
    const int last = whole - 1 + (right > whole);
    for (int x = first; x <= last; ++x)
        row[x] = color;
}

} // namespace

void PictureWidget::wideLine(const QLineF& l, QRgb color)
{
    // A wide line with round ends covers the points closer to the segment than
    // half its width; a pixel is set when its centre is such a point. Each row
    // of pixels meets that convex shape in one run, the union of where the row
    // crosses the band along the segment and the discs at its two ends. Qt
    // would stroke two curved caps for every line, which dominated the redraw.
    // The pixels are the image's device pixels: at a ratio of 2 a line 2
    // pixels wide is 4 device pixels wide, with steps of one device pixel.
    const double s = m_image.devicePixelRatio();
    const double r = m_lineWidth * s / 2.0;
    const double ax = l.x1() * s, ay = l.y1() * s, bx = l.x2() * s, by = l.y2() * s;
    const double len = std::hypot(bx - ax, by - ay);
    const double ux = len > 0 ? (bx - ax) / len : 0;
    const double uy = len > 0 ? (by - ay) / len : 0;
    const Slab along(ux, -ax * ux - ay * uy, uy, 0, len);
    const Slab across(-uy, ax * uy - ay * ux, ux, -r, r);

    const int w = m_image.width();
    const int h = m_image.height();
    const int top = std::max(0, firstAfter(std::min(ay, by) - r, h));
    const int bottom = std::min(h - 1, lastBefore(std::max(ay, by) + r, h));
    uchar* bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    // The rows are taken a block at a time: first the band's run in every
    // row, each a straight function of the row; then the discs, which only
    // the rows near an end meet; then the pixels.
    constexpr int kBlock = 128;
    double from[kBlock];
    double to[kBlock];
    for (int y0 = top; y0 <= bottom; y0 += kBlock) {
        const int n = std::min(kBlock, bottom - y0 + 1);
        const double cy0 = y0 + 0.5;
        std::fill_n(from, n, -kInfinity);
        std::fill_n(to, n, len > 0 ? kInfinity : -kInfinity);
        if (len > 0) {
            along.clip(cy0, n, from, to);
            across.clip(cy0, n, from, to);
        }
        // The rows that may meet the disc at an end, with a row more on
        // either side against rounding; each is checked.
        const auto nearEnd = [&](const QPointF& end) {
            return std::pair(std::max(0, firstAfter(end.y() - r, h) - 1 - y0),
                std::min(n - 1, lastBefore(end.y() + r, h) + 1 - y0));
        };
        const QPointF ends[2] = {{ax, ay}, {bx, by}};
        for (const QPointF& end : ends) {
            const auto [k0, k1] = nearEnd(end);
            for (int k = k0; k <= k1; ++k) {
                if (!(from[k] < to[k])) {
                    from[k] = kInfinity;
                    to[k] = -kInfinity;
                }
            }
        }
        for (const QPointF& end : ends) {
            const auto [k0, k1] = nearEnd(end);
            for (int k = k0; k <= k1; ++k) {
                const double dy = cy0 + k - end.y();
                if (std::abs(dy) < r) {
                    const double dx = std::sqrt(r * r - dy * dy);
                    from[k] = std::min(from[k], end.x() - dx);
                    to[k] = std::max(to[k], end.x() + dx);
                }
            }
        }
        for (int k = 0; k < n; ++k) {
            if (from[k] < to[k])
                fillRun(reinterpret_cast<QRgb*>(bits + (y0 + k) * stride), w, from[k], to[k], color);
        }
    }
}

void PictureWidget::ring(QPointF centre, double radius, QRgb color)
{
    // The line of a circle covers the points whose distance from the centre
    // is within half the line width of the radius; each row of pixels meets
    // it in two runs, or in one where it passes above or below the hole.
    const double s = m_image.devicePixelRatio();
    const double cx = centre.x() * s, cy = centre.y() * s;
    const double outer = (radius + m_lineWidth / 2.0) * s;
    const double inner = std::max(0.0, radius - m_lineWidth / 2.0) * s;
    const int w = m_image.width();
    const int h = m_image.height();
    const int top = std::max(0, firstAfter(cy - outer, h));
    const int bottom = std::min(h - 1, lastBefore(cy + outer, h));
    for (int y = top; y <= bottom; ++y) {
        const double dy = y + 0.5 - cy;
        if (!(std::abs(dy) < outer))
            continue;
        auto* row = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        const double o = std::sqrt(outer * outer - dy * dy);
        if (std::abs(dy) < inner) {
            const double i = std::sqrt(inner * inner - dy * dy);
            fillRun(row, w, cx - o, cx - i, color);
            fillRun(row, w, cx + i, cx + o, color);
        } else {
            fillRun(row, w, cx - o, cx + o, color);
        }
    }
}

void PictureWidget::circle(double x, double y, double radius, BgrColor color)
{
    QPainter& p = painter();
    // On a scaled screen a solid circle is set pixel by pixel like the wide
    // lines; at a ratio of 1 it stays the circle Qt has always drawn.
    if (m_image.devicePixelRatio() > 1 && m_lineStyle == LineStyle::Solid) {
        ring(toPixels(x, y), radius / m_unitsPerPixel, toQColor(color).rgb());
        return;
    }
    p.setPen(QPen(toQColor(color), m_lineWidth, penStyle(m_lineStyle)));
    p.setBrush(Qt::NoBrush);
    const double r = radius / m_unitsPerPixel;
    p.drawEllipse(toPixels(x, y), r, r);
}

QImage PictureWidget::image() const
{
    endPainting();
    return m_image;
}

void PictureWidget::setExportPicture(bool exportPicture)
{
    m_exportPicture = exportPicture;
}

void PictureWidget::loadEmptyPicture()
{
    endPainting();
    m_image = QImage();
    updatePicture();
}

void PictureWidget::setPointerShape(int shape)
{
    m_pointerShape = shape;
    if (shape == kHand)
        setCursor(handCursor());
    else
        unsetCursor();
}

double PictureWidget::scaleWidth() const
{
    return (width() - 2 * m_border) * m_unitsPerPixel;
}

double PictureWidget::scaleHeight() const
{
    return (height() - 2 * m_border) * m_unitsPerPixel;
}

QRect PictureWidget::innerRect() const
{
    return contentsRect();
}

QSize PictureWidget::innerSize() const
{
    return {std::max(1, width() - 2 * m_border), std::max(1, height() - 2 * m_border)};
}

void PictureWidget::updatePicture()
{
    // The sunken border stays as it is: repainting it costs more than the
    // picture inside.
    update(innerRect());
}

void PictureWidget::paintEvent(QPaintEvent* event)
{
    endPainting();
    QPainter p(this);
    const QRect inner = innerRect();
    if (m_image.size() != inner.size() * m_image.devicePixelRatio())
        p.fillRect(inner, m_background);
    if (!m_image.isNull())
        p.drawImage(inner.topLeft(), m_image);
    if (m_border > 0 && !inner.contains(event->rect())) {
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = rect();
        frame.lineWidth = m_border;
        frame.midLineWidth = 0;
        frame.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_Frame, &frame, &p, this);
    }
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event)
{
    const int buttons = int(event->buttons() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
    const int shift = int((event->modifiers() & Qt::ShiftModifier) ? 1 : 0)
        | int((event->modifiers() & Qt::ControlModifier) ? 2 : 0)
        | int((event->modifiers() & Qt::AltModifier) ? 4 : 0);
    const QPointF pos = event->position() - QPointF(m_border, m_border);
    // Positions arrive as single-precision values, like every coordinate here.
    emit mouseMoved(buttons, shift, double(float(pos.x() * m_unitsPerPixel)),
        double(float(pos.y() * m_unitsPerPixel)));
}

void PictureWidget::contextMenuEvent(QContextMenuEvent* event)
{
    emit contextMenuRequested(event->globalPos());
}

void PictureWidget::resizeEvent(QResizeEvent*)
{
    // The retained picture keeps its content at the top-left when the surface
    // grows or shrinks; the new area is background.
    if (m_image.isNull())
        return;
    endPainting();
    const QImage kept = std::exchange(m_image, QImage());
    fillPicture();
    QPainter(&m_image).drawImage(0, 0, kept);
}
