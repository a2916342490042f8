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

PictureWidget::PictureWidget(QWidget* parent, VbColor background, double unitsPerPixel, int border)
    : QWidget(parent)
    , m_background(toQColor(background))
    , m_unitsPerPixel(unitsPerPixel)
    , m_border(border)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PictureWidget::~PictureWidget() = default;

QPainter& PictureWidget::painter()
{
    if (!m_painter) {
        if (m_image.isNull()) {
            m_image = QImage(std::max(1, width() - 2 * m_border), std::max(1, height() - 2 * m_border),
                QImage::Format_RGB32);
            m_image.fill(m_background);
        }
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
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
    m_image = QImage(std::max(1, width() - 2 * m_border), std::max(1, height() - 2 * m_border),
        QImage::Format_RGB32);
    m_image.fill(m_background);
    update();
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

void PictureWidget::line(double x1, double y1, double x2, double y2, VbColor color)
{
    QPainter& p = painter();
    p.setPen(QPen(toQColor(color), m_lineWidth, penStyle(m_lineStyle), Qt::RoundCap));
    p.drawLine(QLineF(toPixels(x1, y1), toPixels(x2, y2)));
    update();
}

void PictureWidget::circle(double x, double y, double radius, VbColor color)
{
    QPainter& p = painter();
    p.setPen(QPen(toQColor(color), m_lineWidth, penStyle(m_lineStyle)));
    p.setBrush(Qt::NoBrush);
    const double r = radius / m_unitsPerPixel;
    p.drawEllipse(toPixels(x, y), r, r);
    update();
}

QImage PictureWidget::image() const
{
    endPainting();
    return m_image;
}

void PictureWidget::loadEmptyPicture()
{
    endPainting();
    m_image = QImage();
    update();
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

void PictureWidget::paintEvent(QPaintEvent*)
{
    endPainting();
    QPainter p(this);
    const QRect inner = rect().adjusted(m_border, m_border, -m_border, -m_border);
    p.fillRect(inner, m_background);
    if (!m_image.isNull())
        p.drawImage(inner.topLeft(), m_image);
    if (m_border > 0) {
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
    QImage grown(std::max(1, width() - 2 * m_border), std::max(1, height() - 2 * m_border),
        QImage::Format_RGB32);
    grown.fill(m_background);
    QPainter p(&grown);
    p.drawImage(0, 0, m_image);
    p.end();
    m_image = grown;
}
