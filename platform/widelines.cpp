// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widelines.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

    // Narrows the run from .. to of the row centred on y to this slab.
    void clip(double y, double& from, double& to) const
    {
        if (m_a == 0) {
            const double v = m_b0 + m_b1 * y;
            if (!(m_lo < v && v < m_hi))
                to = from;
            return;
        }
        from = std::max(from, m_from + m_slope * y);
        to = std::min(to, m_to + m_slope * y);
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

// A line with round ends covers the points closer to the segment than its
// radius. Each row of pixels meets that convex shape in one run, the union of
// where the row crosses the band along the segment and the discs at its two
// ends.
void setWideLine(QImage& image, QPointF a, QPointF b, double r, QRgb color)
{
    const int w = image.width();
    const int h = image.height();
    const double len = std::hypot(b.x() - a.x(), b.y() - a.y());
    // The direction of the segment, none for a point.
    const double ux = len > 0 ? (b.x() - a.x()) / len : 0;
    const double uy = len > 0 ? (b.y() - a.y()) / len : 0;
    const Slab along(ux, -a.x() * ux - a.y() * uy, uy, 0, len);
    const Slab across(-uy, a.x() * uy - a.y() * ux, ux, -r, r);
    const int top = std::max(0, firstAfter(std::min(a.y(), b.y()) - r, h));
    const int bottom = std::min(h - 1, lastBefore(std::max(a.y(), b.y()) + r, h));
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = top; y <= bottom; ++y) {
        const double cy = y + 0.5;
        double from = -kInfinity;
        double to = len > 0 ? kInfinity : -kInfinity;
        if (len > 0) {
            along.clip(cy, from, to);
            across.clip(cy, from, to);
        }
        // A row that misses the band starts empty, so that the discs alone
        // make its run.
        if (!(from < to)) {
            from = kInfinity;
            to = -kInfinity;
        }
        for (const QPointF& end : {a, b}) {
            const double dy = cy - end.y();
            if (std::abs(dy) < r) {
                const double dx = std::sqrt(r * r - dy * dy);
                from = std::min(from, end.x() - dx);
                to = std::max(to, end.x() + dx);
            }
        }
        if (from < to)
            fillRun(reinterpret_cast<QRgb*>(bits + y * stride), w, from, to, color);
    }
}

void setRing(QImage& image, QPointF centre, double inner, double outer, QRgb color)
{
    // Each row of pixels meets the ring in two runs, or in one where it
    // passes above or below the hole.
    const double cx = centre.x(), cy = centre.y();
    const int w = image.width();
    const int h = image.height();
    const int top = std::max(0, firstAfter(cy - outer, h));
    const int bottom = std::min(h - 1, lastBefore(cy + outer, h));
    for (int y = top; y <= bottom; ++y) {
        const double dy = y + 0.5 - cy;
        if (!(std::abs(dy) < outer))
            continue;
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
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
