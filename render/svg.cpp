// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/svg.h"

#include "platform/drawing.h"
#include "render/figure.h"

#include <QString>

namespace {

QString zahl(double v)
{
    QString t = QString::number(v, 'f', 4);
    while (t.contains(QLatin1Char('.')) && (t.endsWith(QLatin1Char('0')) || t.endsWith(QLatin1Char('.'))))
        t.chop(1);
    return t == QLatin1String("-0") ? QStringLiteral("0") : t;
}

// Collects what the figure routine draws; a line that starts where the last
// one ended continues the same path, so the outline is cut in one stroke.
class SvgSurface : public DrawingSurface {
public:
    QString body;

    void setLineWidth(int) override {}
    void setLineStyle(LineStyle) override {}
    void line(double x1, double y1, double x2, double y2, BgrColor) override
    {
        if (!m_open || x1 != m_lastX || y1 != m_lastY) {
            closePath();
            m_path = QStringLiteral("M%1 %2").arg(zahl(x1), zahl(y1));
            m_open = true;
        }
        m_path += QStringLiteral(" L%1 %2").arg(zahl(x2), zahl(y2));
        m_lastX = x2;
        m_lastY = y2;
    }
    void circle(double x, double y, double r, BgrColor) override
    {
        closePath();
        body += QStringLiteral("    <circle cx=\"%1\" cy=\"%2\" r=\"%3\"/>\n").arg(zahl(x), zahl(y), zahl(r));
    }
    void closePath()
    {
        if (m_open)
            body += QStringLiteral("    <path d=\"%1\"/>\n").arg(m_path);
        m_open = false;
    }

private:
    QString m_path;
    bool m_open = false;
    double m_lastX = 0;
    double m_lastY = 0;
};

} // namespace

QByteArray starSvg(const PeloxState& s, bool dreiD, bool dick)
{
    const UmrissRahmen r = umrissRahmen(s);
    const double breite = r.breite, hoehe = r.hoehe;

    SvgSurface svg;
    drawFigure(svg, s, {1.0, r.links, r.oben, false}, 1, s.AnzahlEcken, dreiD, r.kreis);
    svg.closePath();

    QString doc;
    doc += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    doc += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"%1cm\" height=\"%2cm\" "
                          "viewBox=\"0 0 %1 %2\">\n")
               .arg(zahl(breite), zahl(hoehe));
    doc += QStringLiteral("  <title>Pelox</title>\n");
    doc += QStringLiteral("  <g fill=\"none\" stroke=\"#000000\" stroke-width=\"%1\" stroke-linecap=\"round\" "
                          "stroke-linejoin=\"round\">\n")
               .arg(dick ? QStringLiteral("0.03") : QStringLiteral("0.01"));
    doc += svg.body;
    doc += QStringLiteral("  </g>\n</svg>\n");
    return doc.toUtf8();
}
