// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/poster.h"

#include "paper/papier.h"
#include "print/posterclip.h"
#include "render/figure.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace poster {

namespace {

class Posterdruck {
    Q_DECLARE_TR_FUNCTIONS(Posterdruck)
};

} // namespace

Poster entwerfen(const PeloxState& s, const druck::Steuerung& st, const Vorgabe& v, QSizeF hochkant)
{
    Poster p;
    p.stern = skaliert(s, v.durchmesser);
    p.steuerung = st;
    // The plan sees exactly what the figure routine will draw.
    SegmentSurface figur;
    drawFigure(figur, p.stern, FigureMapping{1, 0, 0, false}, 1, p.stern.AnzahlEcken, st.dreiD,
        kMittenKreis / kTwipsProCm);
    p.figur = std::move(figur.strecken);
    p.plan = planen(p.figur, hochkant.width() / kTwipsProCm, hochkant.height() / kTwipsProCm, v.kleben,
        v.ausrichtung, st.pruefmass ? kPruefmassFuss : 0);
    p.seite = p.plan.quer ? hochkant.transposed() : hochkant;
    p.name = s.DateiPfad.empty() ? Posterdruck::tr("(nicht gespeichert)")
                                 : QFileInfo(QString::fromStdString(s.DateiPfad)).fileName();
    return p;
}

druck::Ergebnis PosterDrucken(PrinterPort& p, const Poster& poster)
{
    if (!p.available())
        return druck::Ergebnis::KeinDrucker;
    p.setLandscape(poster.plan.quer);
    KartenSeite(p, poster);
    for (std::size_t i = 0; i < poster.plan.blaetter.size(); ++i) {
        p.newPage();
        BlattZeichnen(p, poster, i);
    }
    const bool genommen = p.endDoc();
    // Whatever is printed next stands upright again.
    p.setLandscape(false);
    return genommen ? druck::Ergebnis::Gedruckt : druck::Ergebnis::Abgelehnt;
}

QString blaetterText(const Plan& plan)
{
    const auto zahl = [](qsizetype n, const QString& eins, const QString& mehr) {
        return QString::number(n) + QLatin1Char(' ') + (n == 1 ? eins : mehr);
    };
    return QStringLiteral("%1 (%2 × %3, %4)")
        .arg(zahl(qsizetype(plan.blaetter.size()), Posterdruck::tr("Blatt"), Posterdruck::tr("Blätter")),
            zahl(plan.spalten, Posterdruck::tr("Spalte"), Posterdruck::tr("Spalten")),
            zahl(plan.zeilen, Posterdruck::tr("Zeile"), Posterdruck::tr("Zeilen")),
            plan.quer ? Posterdruck::tr("quer") : Posterdruck::tr("hoch"));
}

QStringList papierNamen()
{
    QStringList namen;
    for (const papier::Format& f : papier::formate())
        namen << QString::fromLatin1(f.name.data(), qsizetype(f.name.size()));
    return namen;
}

std::optional<QPageSize> papier(const QString& name)
{
    const papier::Format* f = papier::format(name.toStdString());
    if (!f)
        return std::nullopt;
    // The office papers come out as Qt's own sizes, which printers know by
    // name; the mats as sizes of their own.
    return QPageSize(QSizeF(f->breiteMm, f->hoeheMm), QPageSize::Millimeter, name);
}

} // namespace poster
