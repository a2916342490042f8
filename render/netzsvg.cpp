// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/netzsvg.h"

#include "platform/sprache.h"

#include <QCoreApplication>
#include <QXmlStreamWriter>

namespace {

class Faltnetz {
    Q_DECLARE_TR_FUNCTIONS(Faltnetz)
};

const QString kInkscape = QStringLiteral("http://www.inkscape.org/namespaces/inkscape");
// Between the sheets, in mm.
constexpr double kZwischenraum = 10;
constexpr double kPunktMm = 25.4 / 72;

QString zahl(double v)
{
    QString t = QString::number(v, 'f', 3);
    while (t.contains(QLatin1Char('.')) && (t.endsWith(QLatin1Char('0')) || t.endsWith(QLatin1Char('.'))))
        t.chop(1);
    return t == QLatin1String("-0") ? QStringLiteral("0") : t;
}

QString punkt(netz::Punkt p, double links)
{
    return zahl(links + p.x * 10) + QLatin1Char(',') + zahl(p.y * 10);
}

void ebene(QXmlStreamWriter& x, const QString& id, const QString& name)
{
    x.writeStartElement(QStringLiteral("g"));
    x.writeAttribute(kInkscape, QStringLiteral("groupmode"), QStringLiteral("layer"));
    x.writeAttribute(kInkscape, QStringLiteral("label"), name);
    x.writeAttribute(QStringLiteral("id"), id);
}

void pfad(QXmlStreamWriter& x, const QString& d, const QString& farbe)
{
    x.writeEmptyElement(QStringLiteral("path"));
    x.writeAttribute(QStringLiteral("d"), d);
    x.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    x.writeAttribute(QStringLiteral("stroke"), farbe);
    x.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("0.2"));
}

void text(QXmlStreamWriter& x, double mx, double my, double punkte, const QString& t, bool mittig)
{
    x.writeStartElement(QStringLiteral("text"));
    x.writeAttribute(QStringLiteral("x"), zahl(mx));
    x.writeAttribute(QStringLiteral("y"), zahl(my));
    x.writeAttribute(QStringLiteral("font-family"), QStringLiteral("Liberation Sans, sans-serif"));
    x.writeAttribute(QStringLiteral("font-size"), zahl(punkte * kPunktMm));
    x.writeAttribute(QStringLiteral("fill"), QStringLiteral("#808080"));
    if (mittig) {
        x.writeAttribute(QStringLiteral("text-anchor"), QStringLiteral("middle"));
        x.writeAttribute(QStringLiteral("dominant-baseline"), QStringLiteral("central"));
    }
    x.writeCharacters(t);
    x.writeEndElement();
}

} // namespace

QColor netzFarbe(std::optional<netz::Falz> art)
{
    if (!art)
        return Qt::black;
    return *art == netz::Falz::Berg ? QColor(255, 0, 0) : QColor(0, 0, 255);
}

QByteArray netzSvg(const netz::Netz& n, const QString& name)
{
    const double breite = n.blattBreite * 10, hoehe = n.blattHoehe * 10;
    const auto links = [&](int blatt) { return blatt * (breite + kZwischenraum); };
    const double ganz = n.blaetter * breite + (n.blaetter - 1) * kZwischenraum;
    QByteArray svg;
    QXmlStreamWriter x(&svg);
    x.setAutoFormatting(true);
    x.writeStartDocument();
    x.writeStartElement(QStringLiteral("svg"));
    x.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    x.writeNamespace(kInkscape, QStringLiteral("inkscape"));
    x.writeAttribute(QStringLiteral("width"), zahl(ganz) + QStringLiteral("mm"));
    x.writeAttribute(QStringLiteral("height"), zahl(hoehe) + QStringLiteral("mm"));
    x.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("0 0 %1 %2").arg(zahl(ganz), zahl(hoehe)));

    for (int b = 0; b < n.blaetter; ++b) {
        ebene(x, QStringLiteral("blatt%1").arg(b + 1), Faltnetz::tr("Blatt %1").arg(b + 1));
        for (const netz::Teil& t : n.teile) {
            if (t.blatt != b)
                continue;
            QString d;
            for (std::size_t i = 0; i < t.schnitt.size(); ++i)
                d += (i == 0 ? QStringLiteral("M") : QStringLiteral(" L")) + punkt(t.schnitt[i], links(b));
            pfad(x, d + QStringLiteral(" Z"), netzFarbe(std::nullopt).name());
            for (const netz::Falte& f : t.falten) {
                pfad(x, QStringLiteral("M") + punkt(f.a, links(b)) + QStringLiteral(" L") + punkt(f.b, links(b)),
                    netzFarbe(f.art).name());
            }
        }
        x.writeEndElement();
    }

    ebene(x, QStringLiteral("beschriftung"), Faltnetz::tr("Beschriftung"));
    for (int b = 0; b < n.blaetter; ++b) {
        x.writeEmptyElement(QStringLiteral("rect"));
        x.writeAttribute(QStringLiteral("x"), zahl(links(b)));
        x.writeAttribute(QStringLiteral("y"), QStringLiteral("0"));
        x.writeAttribute(QStringLiteral("width"), zahl(breite));
        x.writeAttribute(QStringLiteral("height"), zahl(hoehe));
        x.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
        x.writeAttribute(QStringLiteral("stroke"), QStringLiteral("#808080"));
        x.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("0.2"));
        const double fuss = hoehe - netz::kFusszeile * 10 + 6;
        text(x, links(b), fuss, 8, Faltnetz::tr("schwarz: schneiden, rot: Bergfalte, blau: Talfalte"), false);
        text(x, links(b), fuss + 5, 9, Faltnetz::tr("Blatt %1 von %2 – %3").arg(b + 1).arg(n.blaetter).arg(name),
            false);
    }
    for (const netz::Teil& t : n.teile) {
        for (const netz::Text& s : t.texte)
            text(x, links(t.blatt) + s.mitte.x * 10, s.mitte.y * 10, s.punkte, sprache::text(s.text), true);
    }
    x.writeEndElement();
    x.writeEndElement();
    x.writeEndDocument();
    return svg;
}
