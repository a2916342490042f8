// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The files for cutting machines read back: the DXF by an independent
// reader (ezdxf, through lies_dxf.py), the SVG's paths as its elements say.
#include "support/program.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineF>
#include <QPointF>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <vector>

struct Linie {
    QString rolle;  // the DXF's layer, or the SVG's stroke colour
    bool geschlossen = false;
    std::vector<QPointF> punkte;
    double laenge = 0;
};

struct Dxf {
    QJsonObject json;
    std::vector<Linie> linien;
};

inline Dxf lies(const QString& datei)
{
    Dxf d;
    d.json = QJsonDocument::fromJson(run(QStringLiteral(PELOX_PYTHON), {QStringLiteral(PELOX_DXF_LESER), datei}))
                 .object();
    for (const QJsonValue v : d.json["linien"].toArray()) {
        const QJsonObject o = v.toObject();
        Linie l{o["ebene"].toString(), o["geschlossen"].toBool(), {}, o["laenge"].toDouble()};
        for (const QJsonValue p : o["punkte"].toArray())
            l.punkte.emplace_back(p[0].toDouble(), p[1].toDouble());
        EXPECT_EQ(o["boegen"].toInt(), 0);
        d.linien.push_back(l);
    }
    return d;
}

// Every path of an SVG with its stroke colour, its points scaled to mm.
inline std::vector<Linie> svgLinien(const QByteArray& svg, double mm)
{
    std::vector<Linie> r;
    QXmlStreamReader x(svg);
    QString strich = QStringLiteral("#000000");
    static const QRegularExpression zahl(QStringLiteral("-?[0-9.]+"));
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (x.attributes().hasAttribute("stroke"))
            strich = x.attributes().value("stroke").toString();
        if (x.name() != QLatin1String("path"))
            continue;
        const QString d = x.attributes().value("d").toString();
        Linie l{strich, d.endsWith('Z'), {}, 0};
        QStringList z;
        for (auto it = zahl.globalMatch(d); it.hasNext();)
            z << it.next().captured();
        for (qsizetype i = 0; i + 1 < z.size(); i += 2)
            l.punkte.emplace_back(z[i].toDouble() * mm, z[i + 1].toDouble() * mm);
        for (std::size_t i = 1; i < l.punkte.size(); ++i)
            l.laenge += QLineF(l.punkte[i - 1], l.punkte[i]).length();
        if (l.geschlossen)
            l.laenge += QLineF(l.punkte.back(), l.punkte.front()).length();
        r.push_back(l);
    }
    EXPECT_FALSE(x.hasError());
    return r;
}

inline const std::map<QString, int> kEbenen{{"CUT", 7}, {"MOUNTAIN", 1}, {"VALLEY", 5}, {"TEXT", 8}, {"SHEET", 252}};

inline void gueltig(const Dxf& d)
{
    EXPECT_TRUE(d.json["fehler"].toArray().isEmpty()) << QJsonDocument(d.json["fehler"].toArray()).toJson().constData();
    EXPECT_EQ(d.json["insunits"].toInt(), 4);
    EXPECT_EQ(d.json["measurement"].toInt(), 1);
    for (const auto& [name, farbe] : kEbenen)
        EXPECT_EQ(d.json["ebenen"][name].toInt(-1), farbe) << name.toStdString();
    for (const QJsonValue t : d.json["typen"].toArray())
        EXPECT_TRUE(t == QLatin1String("LWPOLYLINE") || t == QLatin1String("TEXT")) << t.toString().toStdString();
}

