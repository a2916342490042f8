// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widelines.h"

#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

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

// Rows are shared out in this many strips when a batch is large enough to be
// worth a second thread.
constexpr int kStrips = 8;
constexpr long kRowsForTwoThreads = 4000;

} // namespace

// A line with round ends covers the points closer to the segment than its
// radius. Each row of pixels meets that convex shape in one run, the union of
// where the row crosses the band along the segment and the discs at its two
// ends.
struct WideLines::Line {
    double ax, ay, bx, by, r, len;
    // The direction of the segment, none for a point.
    double ux, uy;
    Slab along, across;
    int top, bottom;
    QRgb color;

    Line(QPointF a, QPointF b, double radius, QRgb c, int h)
        : ax(a.x()), ay(a.y()), bx(b.x()), by(b.y()), r(radius), len(std::hypot(bx - ax, by - ay))
        , ux(len > 0 ? (bx - ax) / len : 0), uy(len > 0 ? (by - ay) / len : 0)
        , along(ux, -ax * ux - ay * uy, uy, 0, len)
        , across(-uy, ax * uy - ay * ux, ux, -r, r)
        , top(std::max(0, firstAfter(std::min(ay, by) - r, h)))
        , bottom(std::min(h - 1, lastBefore(std::max(ay, by) + r, h)))
        , color(c)
    {
    }

    // Sets the line's pixels in rows lo to hi of the image. On processors
    // that have them, the wider vector instructions take four rows at a time
    // through the band's runs. They bring no fused multiply-add, so the
    // arithmetic, and every pixel, stays the same.
    [[gnu::target_clones("avx2", "default")]]
    void setRows(uchar* bits, qsizetype stride, int w, int h, int lo, int hi) const
    {
        // The rows are taken a block at a time: first the band's run in
        // every row, each a straight function of the row; then the discs,
        // which only the rows near an end meet; then the pixels.
        constexpr int kBlock = 128;
        double from[kBlock];
        double to[kBlock];
        for (int y0 = std::max(lo, top); y0 <= std::min(hi, bottom); y0 += kBlock) {
            const int n = std::min(kBlock, std::min(hi, bottom) - y0 + 1);
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
};

// A batch shared out in strips of rows: each thread takes the next strip
// until none is left. The thread that handed the batch out waits only for
// the strips taken; a helper that starts after that finds none left and
// touches neither the lines nor the image.
//
// Waking a helper takes about as long as a few strips. When the picture's
// last batch was shared, the helper is woken as the next drawing begins, and
// waits for its batch while the lines are collected and the rest of the
// window is painted. It stops waiting after a while, as when the picture is
// not shown; the batch is then shared as if no helper had been woken.
struct WideLines::Strips {
    const std::vector<Line>* lines = nullptr;
    std::optional<QRgb> background;
    uchar* bits = nullptr;
    qsizetype stride = 0;
    int w = 0, h = 0;
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    enum State { Waiting, HandedOut, Cancelled };
    std::atomic<int> state{Waiting};

    // Rows lo to hi: the background first, while they are at hand, then the
    // lines. Built for AVX2 as well, like the lines' rows, which its AVX2
    // version then calls directly.
    [[gnu::target_clones("avx2", "default")]]
    void setRows(int lo, int hi) const
    {
        if (background) {
            for (int y = lo; y <= hi; ++y)
                std::fill_n(reinterpret_cast<QRgb*>(bits + y * stride), w, *background);
        }
        for (const Line& l : *lines)
            l.setRows(bits, stride, w, h, lo, hi);
    }

    void work()
    {
        for (int s; (s = next.fetch_add(1)) < kStrips;) {
            setRows(h * s / kStrips, h * (s + 1) / kStrips - 1);
            done.fetch_add(1, std::memory_order_release);
        }
    }

    // Moves on from Waiting; false when the other side already has.
    bool leaveWaiting(State to)
    {
        int waiting = Waiting;
        return state.compare_exchange_strong(waiting, to, std::memory_order_acq_rel);
    }

    void help()
    {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(5);
        while (state.load(std::memory_order_acquire) == Waiting) {
            if (std::chrono::steady_clock::now() > giveUp && leaveWaiting(Cancelled))
                return;
            std::this_thread::yield();
        }
        if (state.load(std::memory_order_acquire) == HandedOut)
            work();
    }

    // Shares the rows between this thread and the helper.
    void share()
    {
        work();
        while (done.load(std::memory_order_acquire) < kStrips)
            std::this_thread::yield();
    }
};

namespace {

void wakeHelper(const std::shared_ptr<WideLines::Strips>& strips)
{
    QThreadPool::globalInstance()->start([strips] { strips->help(); });
}

bool twoThreads(long rows)
{
    static const bool twoCores = QThread::idealThreadCount() >= 2;
    return rows >= kRowsForTwoThreads && twoCores;
}

} // namespace

WideLines::WideLines() = default;

WideLines::~WideLines()
{
    discard();
}

void WideLines::add(QPointF a, QPointF b, double radius, QRgb color, int imageHeight)
{
    const Line& l = m_lines.emplace_back(a, b, radius, color, imageHeight);
    m_rows += std::max(0, l.bottom - l.top + 1);
}

void WideLines::fillFirst(QRgb background)
{
    m_background = background;
    if (!m_helper && twoThreads(m_lastRows)) {
        m_helper = std::make_shared<Strips>();
        wakeHelper(m_helper);
    }
}

void WideLines::discard()
{
    if (m_helper)
        std::exchange(m_helper, nullptr)->leaveWaiting(Strips::Cancelled);
    m_lines.clear();
    m_rows = 0;
    m_background.reset();
}

void WideLines::draw(QImage& image)
{
    if (m_lines.empty() && !m_background)
        return;
    m_lastRows = m_rows;
    // The batch is complete before it is handed out.
    const auto handOut = [&](Strips& strips) {
        strips.lines = &m_lines;
        strips.background = m_background;
        strips.bits = image.bits();
        strips.stride = image.bytesPerLine();
        strips.w = image.width();
        strips.h = image.height();
        return strips.leaveWaiting(Strips::HandedOut);
    };
    if (!twoThreads(m_rows)) {
        Strips alone;
        handOut(alone);
        alone.setRows(0, alone.h - 1);
    } else {
        std::shared_ptr<Strips> strips = std::exchange(m_helper, nullptr);
        if (!strips || !handOut(*strips)) {
            strips = std::make_shared<Strips>();
            handOut(*strips);
            wakeHelper(strips);
        }
        strips->share();
    }
    // A helper still waiting is sent away with the batch.
    discard();
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
