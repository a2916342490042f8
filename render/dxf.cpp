// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/dxf.h"

#include "platform/sprache.h"

#include <QFile>
#include <QTemporaryFile>
#include <dl_dxf.h>

namespace {

struct Ebene {
    const char* name;
    int farbe;
};

constexpr Ebene kCut{"CUT", 7};
constexpr Ebene kBerg{"MOUNTAIN", DL_Codes::red};
constexpr Ebene kTal{"VALLEY", DL_Codes::blue};
constexpr Ebene kText{"TEXT", DL_Codes::gray};
constexpr Ebene kBlatt{"SHEET", DL_Codes::l_gray};

const Ebene& ebene(zeichnung::Rolle r)
{
    switch (r) {
    case zeichnung::Rolle::Schnitt:
        return kCut;
    case zeichnung::Rolle::Berg:
        return kBerg;
    case zeichnung::Rolle::Tal:
        return kTal;
    case zeichnung::Rolle::Zeichen:
        return kText;
    case zeichnung::Rolle::Blatt:
        break;
    }
    return kBlatt;
}

// Drawn in the colour of its layer.
DL_Attributes auf(const Ebene& e)
{
    return DL_Attributes(e.name, 256, -1, "BYLAYER", 1.0);
}

// A DXF of this version reads its texts in the file's code page; every
// character beyond ASCII is written as its code, which every reader knows.
std::string dxfText(const QString& t)
{
    std::string s;
    for (const char32_t c : t.toUcs4()) {
        if (c < 0x80)
            s += char(c);
        else
            s += QStringLiteral("\\U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper().toStdString();
    }
    return s;
}

void kopf(DL_Dxf& dxf, DL_WriterA& dw)
{
    dxf.writeHeader(dw);
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 4);
    dw.dxfString(9, "$MEASUREMENT");
    dw.dxfInt(70, 1);
    dw.sectionEnd();
    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "BYBLOCK", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "BYLAYER", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
    dw.tableEnd();
    const Ebene ebenen[] = {{"0", 7}, kCut, kBerg, kTal, kText, kBlatt};
    dw.tableLayers(int(std::size(ebenen)));
    for (const Ebene& e : ebenen)
        dxf.writeLayer(dw, DL_LayerData(e.name, 0), DL_Attributes("", e.farbe, -3, "CONTINUOUS", 1.0));
    dw.tableEnd();
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "arial.ttf", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 1, 1, 1, 1, 1);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();
    dw.sectionBlocks();
    dxf.writeBlock(dw, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Model_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space0", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space0");
    dw.sectionEnd();
}

} // namespace

QByteArray dxfDatei(const zeichnung::Zeichnung& z)
{
    // The library writes to a file by its name only; the bytes are taken
    // from there, so that the target is written as every other file is.
    QTemporaryFile zwischen;
    if (!zwischen.open())
        return {};
    {
        DL_Dxf dxf;
        DL_WriterA dw(QFile::encodeName(zwischen.fileName()).constData(), DL_Codes::AC1015);
        if (dw.openFailed())
            return {};
        kopf(dxf, dw);
        dw.sectionEntities();
        // DXF counts y upward from the bottom of the drawing.
        const auto x = [](zeichnung::Punkt p) { return p.x; };
        const auto y = [&z](zeichnung::Punkt p) { return z.hoehe - p.y; };
        for (const zeichnung::Linie& l : z.linien) {
            dxf.writePolyline(dw, DL_PolylineData(int(l.punkte.size()), 0, 0, l.geschlossen ? 1 : 0),
                auf(ebene(l.rolle)));
            for (const zeichnung::Punkt& p : l.punkte)
                dxf.writeVertex(dw, DL_VertexData(x(p), y(p)));
            dxf.writePolylineEnd(dw);
        }
        for (const zeichnung::Schrift& s : z.schriften) {
            // Centred on its point, or from the left end of its baseline.
            const int waagrecht = s.mittig ? 1 : 0, senkrecht = s.mittig ? 2 : 0;
            dxf.writeText(dw,
                DL_TextData(x(s.ort), y(s.ort), 0, x(s.ort), y(s.ort), 0, s.hoehe, 1.0, 0, waagrecht, senkrecht,
                    dxfText(sprache::text(s.text)), "Standard", 0.0),
                auf(kText));
        }
        dw.sectionEnd();
        dxf.writeObjects(dw);
        dxf.writeObjectsEnd(dw);
        dw.dxfEOF();
        dw.close();
    }
    return zwischen.readAll();
}
