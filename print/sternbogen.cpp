// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/sternbogen.h"

#include <QCoreApplication>
#include <QStringList>

namespace sternbogen {

namespace {

class Sternbogen {
    Q_DECLARE_TR_FUNCTIONS(Sternbogen)
};

constexpr double kTwips = blatt::kTwipsProCm;
constexpr double kSchnittMm = 0.3;

QString sterne(int n)
{
    return n == 1 ? Sternbogen::tr("1 Stern") : Sternbogen::tr("%1 Sterne").arg(n);
}

} // namespace

double cm(double twips)
{
    return twips / kTwips;
}

void BlattZeichnen(PrinterPort& p, const bogen::Bogen& b, const QString& name, int blatt, bool pruefmass)
{
    blatt::Inhalt belegt;
    p.setLineWidthMm(kSchnittMm);
    p.setLineStyle(LineStyle::Solid);
    for (const std::vector<bogen::Punkt>& u : b.umrisse(blatt))
        for (std::size_t i = 0; i < u.size(); ++i) {
            const bogen::Punkt a{u[i].x * kTwips, u[i].y * kTwips};
            const bogen::Punkt e{u[(i + 1) % u.size()].x * kTwips, u[(i + 1) % u.size()].y * kTwips};
            p.line(a.x, a.y, e.x, e.y, kSchwarz);
            belegt.strecke(a, e);
        }
    p.setFontName(QStringLiteral("Liberation Sans"));
    p.setFontSize(9);
    // The footer stands above the check scale, in the corner kept free for
    // both; a long file name is shortened to its width.
    const bogen::Rechteck ecke = bogen::vorbehalten(b.bereich.breite(), b.bereich.hoehe()).front();
    const double links = (ecke.links + 0.3) * kTwips, breite = (ecke.rechts - ecke.links - 0.3) * kTwips;
    const double oben = (ecke.oben + 0.1) * kTwips;
    const QString zeile1 = Sternbogen::tr("Sternbogen – Blatt %1 von %2").arg(blatt + 1).arg(b.blaetter);
    QString datei = name;
    const auto zeile2 = [&] { return Sternbogen::tr("%1 – %2").arg(sterne(b.anzahl(blatt)), datei); };
    while (p.textWidth(zeile2()) > breite && datei.size() > 1)
        datei = datei.left(datei.size() - 2) + QStringLiteral("…");
    p.textAt(links, oben, zeile1);
    p.textAt(links, oben + p.lineHeight(), zeile2());
    belegt.flaeche({links, oben, links + breite, oben + 2 * p.lineHeight()});
    druck::Steuerung st;
    st.pruefmass = pruefmass;
    p.setFontName(QStringLiteral("courier"));
    p.setFontSize(10);
    druck::PruefmassDrucken(p, st, belegt, {0, 0, p.pageWidth(), p.pageHeight()});
}

druck::Ergebnis BogenDrucken(PrinterPort& p, const bogen::Bogen& b, const QString& name, bool pruefmass)
{
    if (!p.available())
        return druck::Ergebnis::KeinDrucker;
    p.setLandscape(false);
    for (int i = 0; i < b.blaetter; ++i) {
        if (i > 0)
            p.newPage();
        BlattZeichnen(p, b, name, i, pruefmass);
    }
    return p.endDoc() ? druck::Ergebnis::Gedruckt : druck::Ergebnis::Abgelehnt;
}

QString blaetterText(const bogen::Bogen& b)
{
    QStringList zahlen;
    for (int i = 0; i < b.blaetter; ++i)
        zahlen << QString::number(b.anzahl(i));
    const QString liste = zahlen.size() > 1
        ? Sternbogen::tr("%1 und %2").arg(zahlen.mid(0, zahlen.size() - 1).join(QStringLiteral(", ")), zahlen.last())
        : zahlen.value(0);
    if (b.blaetter == 1)
        return Sternbogen::tr("1 Blatt: %1").arg(sterne(b.anzahl(0)));
    return Sternbogen::tr("%1 Blätter: %2 Sterne").arg(b.blaetter).arg(liste);
}

} // namespace sternbogen
