// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/zeilen.h"

#include <QRegularExpression>

namespace zeilen {

QStringList umbrechen(PageSurface& p, const QString& text, double breite)
{
    static const QRegularExpression nummer(QStringLiteral("^ *(\\d+\\. +)?"));
    const QString kopf = nummer.match(text).captured();
    const QString leer(QLatin1Char(' '));
    // As many spaces as reach as far as the number, but never so many that
    // the following lines have no room left.
    QString einzug;
    while (einzug.size() < kopf.size() * 3 && p.textWidth(einzug + leer) <= p.textWidth(kopf)
        && p.textWidth(einzug + leer) < breite / 2)
        einzug += leer;

    QStringList zeilen;
    QString zeile = kopf;
    const auto nurEinzug = [&] { return zeile.size() == (zeilen.isEmpty() ? kopf : einzug).size(); };
    for (const QString& wort : text.mid(kopf.size()).split(leer, Qt::SkipEmptyParts)) {
        const QString mit = nurEinzug() ? zeile + wort : zeile + leer + wort;
        if (p.textWidth(mit) <= breite) {
            zeile = mit;
            continue;
        }
        if (!nurEinzug()) {
            zeilen << zeile;
            zeile = einzug;
        }
        // The word alone on its line, and where even that is too wide, as
        // much of it on each line as fits.
        for (const QChar c : wort) {
            if (!nurEinzug() && p.textWidth(zeile + c) > breite) {
                zeilen << zeile;
                zeile = einzug;
            }
            zeile += c;
        }
    }
    if (!nurEinzug() || zeilen.isEmpty())
        zeilen << zeile;
    return zeilen;
}

QString kuerzen(PageSurface& p, const QString& text, double breite)
{
    if (p.textWidth(text) <= breite)
        return text;
    const QString punkte(QChar(0x2026));
    QString kurz = text;
    while (!kurz.isEmpty() && p.textWidth(kurz + punkte) > breite)
        kurz.chop(1);
    return kurz + punkte;
}

} // namespace zeilen
