// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/netzsvg.h"

#include "platform/sprache.h"

#include <QCoreApplication>
#include <QXmlStreamWriter>
#include <algorithm>

namespace {

class Faltnetz {
    Q_DECLARE_TR_FUNCTIONS(Faltnetz)
};

const QString kInkscape = QStringLiteral("http://www.inkscape.org/namespaces/inkscape");

QString zahl(double v)
{
    QString t = QString::number(v, 'f', 3);
    while (t.contains(QLatin1Char('.')) && (t.endsWith(QLatin1Char('0')) || t.endsWith(QLatin1Char('.'))))
        t.chop(1);
    return t == QLatin1String("-0") ? QStringLiteral("0") : t;
}

QString punkt(zeichnung::Punkt p)
{
    return zahl(p.x) + QLatin1Char(',') + zahl(p.y);
}

QString farbe(zeichnung::Rolle r)
{
    switch (r) {
    case zeichnung::Rolle::Schnitt:
        return QStringLiteral("#000000");
    case zeichnung::Rolle::Berg:
        return QStringLiteral("#ff0000");
    case zeichnung::Rolle::Tal:
        return QStringLiteral("#0000ff");
    case zeichnung::Rolle::Zeichen:
    case zeichnung::Rolle::Blatt:
        break;
    }
    return QStringLiteral("#808080");
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

void text(QXmlStreamWriter& x, zeichnung::Punkt ort, double mm, const QString& t, bool mittig)
{
    x.writeStartElement(QStringLiteral("text"));
    x.writeAttribute(QStringLiteral("x"), zahl(ort.x));
    x.writeAttribute(QStringLiteral("y"), zahl(ort.y));
    x.writeAttribute(QStringLiteral("font-family"), QStringLiteral("Liberation Sans, sans-serif"));
    x.writeAttribute(QStringLiteral("font-size"), zahl(mm));
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
    using zeichnung::Rolle;
    return QColor(farbe(!art ? Rolle::Schnitt : *art == netz::Falz::Berg ? Rolle::Berg : Rolle::Tal));
}

QByteArray netzSvg(const zeichnung::Zeichnung& z)
{
    using zeichnung::Rolle;
    QByteArray svg;
    QXmlStreamWriter x(&svg);
    x.setAutoFormatting(true);
    x.writeStartDocument();
    x.writeStartElement(QStringLiteral("svg"));
    x.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    x.writeNamespace(kInkscape, QStringLiteral("inkscape"));
    x.writeAttribute(QStringLiteral("width"), zahl(z.breite) + QStringLiteral("mm"));
    x.writeAttribute(QStringLiteral("height"), zahl(z.hoehe) + QStringLiteral("mm"));
    x.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("0 0 %1 %2").arg(zahl(z.breite), zahl(z.hoehe)));

    const auto linie = [&](const zeichnung::Linie& l) {
        QString d;
        for (std::size_t i = 0; i < l.punkte.size(); ++i)
            d += (i == 0 ? QStringLiteral("M") : QStringLiteral(" L")) + punkt(l.punkte[i]);
        pfad(x, l.geschlossen ? d + QStringLiteral(" Z") : d, farbe(l.rolle));
    };
    // Under everything, so that the lines show on the colours; a layer of
    // its own, for the printer, which the cutter leaves aside.
    if (!z.farbflaechen.empty()) {
        ebene(x, QStringLiteral("druck"), Faltnetz::tr("Druck"));
        for (const zeichnung::Farbflaeche& f : z.farbflaechen) {
            QString d;
            for (std::size_t i = 0; i < f.punkte.size(); ++i)
                d += (i == 0 ? QStringLiteral("M") : QStringLiteral(" L")) + punkt(f.punkte[i]);
            x.writeEmptyElement(QStringLiteral("path"));
            x.writeAttribute(QStringLiteral("d"), d + QStringLiteral(" Z"));
            x.writeAttribute(QStringLiteral("fill"), QColor(f.rot, f.gruen, f.blau).name());
            x.writeAttribute(QStringLiteral("stroke"), QStringLiteral("none"));
        }
        x.writeEndElement();
    }
    for (int b = 0; b < z.blaetter; ++b) {
        ebene(x, QStringLiteral("blatt%1").arg(b + 1), Faltnetz::tr("Blatt %1").arg(b + 1));
        for (const zeichnung::Linie& l : z.linien)
            if (l.blatt == b && l.rolle != Rolle::Blatt && l.rolle != Rolle::Zeichen)
                linie(l);
        x.writeEndElement();
    }

    const bool beschriftet = std::any_of(z.linien.begin(), z.linien.end(),
        [](const zeichnung::Linie& l) { return l.rolle == Rolle::Blatt || l.rolle == Rolle::Zeichen; });
    if (beschriftet || !z.schriften.empty()) {
        ebene(x, QStringLiteral("beschriftung"), Faltnetz::tr("Beschriftung"));
        for (const zeichnung::Linie& l : z.linien)
            if (l.rolle == Rolle::Blatt || l.rolle == Rolle::Zeichen)
                linie(l);
        for (const zeichnung::Schrift& s : z.schriften)
            text(x, s.ort, s.hoehe, sprache::text(s.text), s.mittig);
        x.writeEndElement();
    }
    x.writeEndElement();
    x.writeEndDocument();
    return svg;
}
