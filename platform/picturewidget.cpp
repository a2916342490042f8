// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/picturewidget.h"

#include "platform/artwork.h"
#include "platform/colors.h"
#include "platform/widelines.h"

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

void PictureWidget::endPainting()
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

void PictureWidget::allocatePicture()
{
    // The picture is cleared on every change; its memory is kept unless a copy
    // handed out still shares it, which filling it then leaves alone. A ratio
    // that changed since (another screen) takes effect here.
    if (!pictureFits()) {
        const double ratio = pixelRatio();
        m_image = QImage(innerSize() * ratio, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
    }
}

bool PictureWidget::pictureFits() const
{
    const double ratio = pixelRatio();
    return m_image.size() == innerSize() * ratio && m_image.devicePixelRatio() == ratio;
}

void PictureWidget::fillPicture()
{
    allocatePicture();
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
    case LineStyle::DashDot: return Qt::DashDotLine;
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
    // At a ratio of 2 a line 2 pixels wide is 4 device pixels wide, with
    // steps of one device pixel.
    const double s = m_image.devicePixelRatio();
    if (m_lineWidth * s > 1 && m_lineStyle == LineStyle::Solid) {
        setWideLine(m_image, l.p1() * s, l.p2() * s, m_lineWidth * s / 2.0, toQColor(color).rgb());
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

void PictureWidget::circle(double x, double y, double radius, BgrColor color)
{
    QPainter& p = painter();
    const double r = radius / m_unitsPerPixel;
    // On a scaled screen a solid circle is set pixel by pixel like the wide
    // lines; at a ratio of 1 it stays the circle Qt has always drawn.
    const double s = m_image.devicePixelRatio();
    if (s > 1 && m_lineStyle == LineStyle::Solid) {
        setRing(m_image, toPixels(x, y) * s, std::max(0.0, r - m_lineWidth / 2.0) * s,
            (r + m_lineWidth / 2.0) * s, toQColor(color).rgb());
        return;
    }
    p.setPen(QPen(toQColor(color), m_lineWidth, penStyle(m_lineStyle)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(toPixels(x, y), r, r);
}

QImage PictureWidget::image()
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

bool PictureWidget::event(QEvent* event)
{
    // Qt tells every widget when its window has moved to another screen.
    if (event->type() == QEvent::ScreenChangeInternal && !m_image.isNull() && !pictureFits())
        emit pixelRatioChanged();
    return QWidget::event(event);
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
    // grows or shrinks; the new area is background. The resize sent when the
    // window is first shown leaves the size as it was, and the picture too.
    if (m_image.isNull() || pictureFits())
        return;
    endPainting();
    const QImage kept = std::exchange(m_image, QImage());
    fillPicture();
    QPainter(&m_image).drawImage(0, 0, kept);
}
