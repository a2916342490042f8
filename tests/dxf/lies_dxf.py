#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Pelox developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads a DXF back with ezdxf, a reader independent of the one that wrote
it, and prints what a cutter's program would see as JSON: the audit's errors,
the units, the layers with their colours, every entity's type and layer, each
polyline's points, whether it is closed and its length."""
import json
import math
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
linien = []
typen = []
texte = []
for e in doc.modelspace():
    typen.append(e.dxftype())
    if e.dxftype() == "LWPOLYLINE":
        punkte = [(p[0], p[1]) for p in e.get_points("xyb")]
        boegen = sum(1 for p in e.get_points("xyb") if p[2] != 0)
        laenge = sum(math.dist(punkte[i - 1], punkte[i]) for i in range(1, len(punkte)))
        if e.closed:
            laenge += math.dist(punkte[-1], punkte[0])
        linien.append({"ebene": e.dxf.layer, "geschlossen": bool(e.closed), "laenge": laenge,
                       "punkte": punkte, "boegen": boegen, "farbe": e.dxf.color})
    elif e.dxftype() == "TEXT":
        # Beyond ASCII a DXF of this version writes \U+ and the code.
        texte.append({"ebene": e.dxf.layer, "text": ezdxf.decode_dxf_unicode(e.plain_text())})
print(json.dumps({
    "fehler": [f"{x.code} {x.message}" for x in auditor.errors],
    "insunits": doc.header.get("$INSUNITS"),
    "measurement": doc.header.get("$MEASUREMENT"),
    "ebenen": {l.dxf.name: l.dxf.color for l in doc.layers},
    "typen": sorted(set(typen)),
    "linien": linien,
    "texte": texte,
}))
