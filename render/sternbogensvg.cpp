// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/sternbogensvg.h"

#include <QCoreApplication>
#include <QXmlStreamWriter>

namespace {

class Sternbogen {
    Q_DECLARE_TR_FUNCTIONS(Sternbogen)
};

const QString kInkscape = QStringLiteral("http://www.inkscape.org/namespaces/inkscape");
constexpr double kZwischenraum = 10;  // mm between the sheets

QString zahl(double v)
{
    QString t = QString::number(v, 'f', 3);
    while (t.contains(QLatin1Char('.')) && (t.endsWith(QLatin1Char('0')) || t.endsWith(QLatin1Char('.'))))
        t.chop(1);
    return t == QLatin1String("-0") ? QStringLiteral("0") : t;
}

void ebene(QXmlStreamWriter& x, const QString& id, const QString& name, const QString& farbe, const QString& breite)
{
    x.writeStartElement(QStringLiteral("g"));
    x.writeAttribute(kInkscape, QStringLiteral("groupmode"), QStringLiteral("layer"));
    x.writeAttribute(kInkscape, QStringLiteral("label"), name);
    x.writeAttribute(QStringLiteral("id"), id);
    x.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    x.writeAttribute(QStringLiteral("stroke"), farbe);
    x.writeAttribute(QStringLiteral("stroke-width"), breite);
}

} // namespace

QByteArray sternbogenSvg(const bogen::Bogen& b)
{
    const double breite = b.bereich.breite() * 10, hoehe = b.bereich.hoehe() * 10;
    const double gesamt = b.blaetter * breite + std::max(0, b.blaetter - 1) * kZwischenraum;
    const auto links = [&](int blatt) { return blatt * (breite + kZwischenraum); };
    QByteArray svg;
    QXmlStreamWriter x(&svg);
    x.setAutoFormatting(true);
    x.writeStartDocument();
    x.writeNamespace(kInkscape, QStringLiteral("inkscape"));
    x.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    x.writeStartElement(QStringLiteral("svg"));
    x.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    x.writeAttribute(QStringLiteral("width"), zahl(gesamt) + QStringLiteral("mm"));
    x.writeAttribute(QStringLiteral("height"), zahl(hoehe) + QStringLiteral("mm"));
    x.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("0 0 %1 %2").arg(zahl(gesamt), zahl(hoehe)));
    x.writeTextElement(QStringLiteral("title"), Sternbogen::tr("Sternbogen"));

    ebene(x, QStringLiteral("blaetter"), Sternbogen::tr("Blätter"), QStringLiteral("#999999"), QStringLiteral("0.2"));
    for (int i = 0; i < b.blaetter; ++i) {
        x.writeEmptyElement(QStringLiteral("rect"));
        x.writeAttribute(QStringLiteral("x"), zahl(links(i)));
        x.writeAttribute(QStringLiteral("y"), QStringLiteral("0"));
        x.writeAttribute(QStringLiteral("width"), zahl(breite));
        x.writeAttribute(QStringLiteral("height"), zahl(hoehe));
    }
    x.writeEndElement();

    ebene(x, QStringLiteral("schnitt"), Sternbogen::tr("Schnitt"), QStringLiteral("#000000"), QStringLiteral("0.3"));
    for (int i = 0; i < b.blaetter; ++i)
        for (const std::vector<bogen::Punkt>& u : b.umrisse(i)) {
            QString d;
            for (std::size_t k = 0; k < u.size(); ++k)
                d += (k == 0 ? QStringLiteral("M") : QStringLiteral(" L")) + zahl(links(i) + u[k].x * 10)
                    + QLatin1Char(',') + zahl(u[k].y * 10);
            x.writeEmptyElement(QStringLiteral("path"));
            x.writeAttribute(QStringLiteral("d"), d + QStringLiteral(" Z"));
        }
    x.writeEndElement();
    x.writeEndElement();
    x.writeEndDocument();
    return svg;
}
