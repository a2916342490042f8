// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Everything is worked out on the pieces as they lie on their sheets: each
// face is a triangle there, peak first, and the same face of the folded star
// in the other half is its mirror image, so the same point of a triangle in
// both halves is one point of the folded star's tip.
#include "net/laterne.h"

#include "net/anordnung.h"
#include "net/ansicht.h"
#include "net/netz.h"
#include "net/oeffnung.h"
#include "net/vieleck.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace netz {

namespace {

constexpr double kPi = std::numbers::pi;
// What the opening and its slit keep clear of the faces' other edges.
constexpr double kOeffnungRand = 0.3;


// The bisector of the triangle's angle at corner i, as a unit vector.
Punkt winkelhalbierende(const std::array<Punkt, 3>& d, std::size_t i)
{
    return einheit(einheit(d[(i + 1) % 3] - d[i]) + einheit(d[(i + 2) % 3] - d[i]));
}

double innenWinkel(const std::array<Punkt, 3>& d, std::size_t i)
{
    const Punkt u = d[(i + 1) % 3] - d[i], w = d[(i + 2) % 3] - d[i];
    return std::abs(std::atan2(kreuz(u, w), skalar(u, w)));
}

// The centroid of the area of a simple polygon.
Punkt flaechenmitte(const std::vector<Punkt>& p)
{
    double a = 0, x = 0, y = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const Punkt u = p[i], w = p[(i + 1) % p.size()];
        const double k = kreuz(u, w);
        a += k;
        x += (u.x + w.x) * k;
        y += (u.y + w.y) * k;
    }
    return {x / (3 * a), y / (3 * a)};
}

} // namespace

namespace {

struct Ort {
    std::size_t teil = 0;
    std::size_t flaeche = 0;  // into Teil::dreiecke
};

std::vector<Ort> orte(const Netz& netz, int flaeche)
{
    std::vector<Ort> o;
    for (std::size_t t = 0; t < netz.teile.size(); ++t)
        for (std::size_t j = 0; j < netz.teile[t].flaechen.size(); ++j)
            if (netz.teile[t].flaechen[j] == flaeche)
                o.push_back({t, j});
    return o;
}

// The triangle's height over its outline side: how far the peak is from it.
double hoeheUeberRand(const std::array<Punkt, 3>& d)
{
    return abstandZurGeraden(d[0], d[1], d[2]);
}

// The opening's cable slit: along a spoke inside a lower piece, where
// both faces beside it leave room beyond its end; where no piece holds a
// spoke with room, along the middle of the face with the most.
struct Schlitz {
    int flaeche = -1;       // index into Koerper::flaechen
    bool speiche = false;   // along the spoke the face starts with, else its middle
    double platz = 0;

    // Which faces it runs in (as indices into Koerper::flaechen).
    bool in(int f, std::size_t n) const
    {
        const int vorher = flaeche - int(n) == 0 ? int(2 * n) - 1 : flaeche - 1;
        return f == flaeche || (speiche && f == vorher);
    }
    // Its direction from the peak in face j of a piece, radians.
    double richtung(const std::array<Punkt, 3>& d) const
    {
        const Punkt u = speiche ? d[1] - d[0] : winkelhalbierende(d, 0);
        return std::atan2(u.y, u.x);
    }
};

std::optional<Schlitz> schlitzWaehlen(const Netz& netz, double r)
{
    std::optional<Schlitz> speiche, mitte;
    const double weit = r + kSchlitzLaenge + kOeffnungRand;
    for (const Teil& t : netz.teile) {
        const std::size_t m = t.dreiecke.size();
        const bool rund = t.schnitt.end() == std::find_if(t.schnitt.begin(), t.schnitt.end(),
                                                 [&](Punkt p) { return gleich(p, t.dreiecke.front()[0]); });
        for (std::size_t j = 0; !t.oberteil && j < m; ++j) {
            const std::array<Punkt, 3>& d = t.dreiecke[j];
            if (j > 0 || rund) {
                const double p = std::min(hoeheUeberRand(d), hoeheUeberRand(t.dreiecke[(j + m - 1) % m])) - weit;
                if (p >= 0 && (!speiche || p > speiche->platz))
                    speiche = Schlitz{t.flaechen[j], true, p};
            }
            const double p = std::min(hoeheUeberRand(d) - weit,
                r * std::sin(innenWinkel(d, 0) / 2) - kSchlitzBreite / 2 - kOeffnungRand);
            if (p >= 0 && (!mitte || p > mitte->platz))
                mitte = Schlitz{t.flaechen[j], false, p};
        }
    }
    return speiche ? speiche : mitte;
}

// The hanger's hole in the face over segment s, near its tip at outline
// point `spitze`: on the bisector of the face's angle there, as far in as
// keeps it clear of both edges; none where the third edge is then too near.
std::optional<Punkt> aufhaengerPunkt(const std::array<Punkt, 3>& d, std::size_t ecke)
{
    const double frei = kAufhaengerLoch / 2 + kAufhaengerAbstand;
    const Punkt c = d[ecke] + (frei / std::sin(innenWinkel(d, ecke) / 2)) * winkelhalbierende(d, ecke);
    // A thin face sends it past the third edge, out of the face.
    const Punkt a = d[(ecke + 1) % 3], b = d[(ecke + 2) % 3];
    if (kreuz(b - a, c - a) * kreuz(b - a, d[ecke] - a) <= 0 || abstandZurGeraden(c, a, b) < frei)
        return std::nullopt;
    return c;
}

// A piece's tab parts with the rectangles around them, looked at for every
// face of the piece.
struct Laschenteile {
    std::vector<const std::vector<Punkt>*> teile;
    std::vector<Rechteck> kasten;

    explicit Laschenteile(const Teil& t)
    {
        for (const Lasche& l : t.laschen) {
            for (const std::vector<Punkt>& s : l) {
                teile.push_back(&s);
                kasten.push_back(umriss(s));
            }
        }
    }
};

bool beruehren(const Rechteck& a, const Rechteck& b)
{
    return a.links <= b.rechts && b.links <= a.rechts && a.oben <= b.unten && b.oben <= a.unten;
}

// Whether the triangle's side from corner i to i + 1 is a cut: neither
// neighbouring face of the piece shares it nor is a tab glued along it.
bool schnittkante(const Teil& t, const Laschenteile& l, std::size_t j, std::size_t i)
{
    const Punkt a = t.dreiecke[j][i], b = t.dreiecke[j][(i + 1) % 3];
    const auto dieselbe = [&](Punkt p, Punkt q) { return (gleich(p, a) && gleich(q, b)) || (gleich(p, b) && gleich(q, a)); };
    const std::size_t m = t.dreiecke.size();
    for (const std::size_t k : {(j + 1) % m, (j + m - 1) % m})
        for (std::size_t e = 0; k != j && e < 3; ++e)
            if (dieselbe(t.dreiecke[k][e], t.dreiecke[k][(e + 1) % 3]))
                return false;
    const Rechteck seite = umriss({a, b});
    for (std::size_t k = 0; k < l.teile.size(); ++k)
        if (beruehren(seite, l.kasten[k]) && dieselbe((*l.teile[k])[0], (*l.teile[k])[1]))
            return false;
    return true;
}

// The face's colour: grown beyond its cut sides only, and kept off each tab
// by the line that parts it from the face and leaves the most colour.
std::vector<Punkt> anschnitt(const Teil& t, const Laschenteile& l, std::size_t j)
{
    const std::vector<Punkt> d = linksrum({t.dreiecke[j].begin(), t.dreiecke[j].end()});
    std::vector<bool> geschnitten;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto ecke = std::find_if(t.dreiecke[j].begin(), t.dreiecke[j].end(), [&](Punkt p) { return gleich(p, d[i]); });
        const std::size_t e = std::size_t(ecke - t.dreiecke[j].begin());
        const bool vorwaerts = gleich(t.dreiecke[j][(e + 1) % 3], d[(i + 1) % 3]);
        geschnitten.push_back(schnittkante(t, l, j, vorwaerts ? e : (e + 2) % 3));
    }
    std::vector<Punkt> f = wachsen(d, kAnschnitt, false, geschnitten);
    for (std::size_t k = 0; k < l.teile.size() && !f.empty(); ++k) {
        if (!beruehren(umriss(f), l.kasten[k]))
            continue;
        const std::vector<Punkt> stueck = linksrum(*l.teile[k]);
        if (!ueberlappen(huelle(f), stueck))
            continue;
        std::vector<Punkt> beste;
        for (const std::vector<Punkt>* p : {&stueck, &d}) {
            for (std::size_t i = 0; i < p->size(); ++i) {
                const Punkt a = (*p)[i], u = (*p)[(i + 1) % p->size()] - a;
                // Toward the face: from a tab's side outward, from the face's inward.
                const Punkt n = (p == &d ? 1 : -1) * einheit(Punkt{-u.y, u.x});
                const auto seite = [&](const std::vector<Punkt>& q, double vz) {
                    return std::all_of(q.begin(), q.end(), [&](Punkt x) { return vz * skalar(x - a, n) >= -1e-9; });
                };
                if (!seite(d, 1) || !seite(stueck, -1))
                    continue;
                std::vector<Punkt> g = abschneiden(f, a, n, 0);
                if (umlaufFlaeche(g) > umlaufFlaeche(beste))
                    beste = std::move(g);
            }
        }
        f = std::move(beste);
    }
    return f;
}

} // namespace

std::optional<Phrase> laterneEinbauen(Netz& netz, const Vorgabe& v)
{
    const double rahmen = v.fensterRahmen, radius = v.fensterRadius, oeffnung = v.oeffnung;
    if (!std::isfinite(rahmen) || (rahmen != 0 && (rahmen < kRahmenMin || rahmen > kRahmenMax)))
        return PELOX_TEXT("netz", "Der Fensterrahmen darf 0,3 bis 2 cm breit sein.");
    if (!std::isfinite(radius) || radius < 0 || radius > kFensterRadiusMax || (v.fensterJedes != 1 && v.fensterJedes != 2))
        return PELOX_TEXT("netz", "Die Fensterecken dürfen bis 1 cm gerundet sein, Fenster in jeder oder jeder zweiten Fläche.");
    if (!std::isfinite(oeffnung) || (oeffnung != 0 && (oeffnung < kOeffnungMin || oeffnung > kOeffnungMax)))
        return PELOX_TEXT("netz", "Die Öffnung für Licht darf 2 bis 8 cm weit sein.");
    const Koerper& k = netz.koerper;
    const std::size_t n = k.umriss.size();
    const double r = oeffnung / 2;
    std::optional<Schlitz> schlitz;
    if (oeffnung > 0) {
        if (std::none_of(netz.teile.begin(), netz.teile.end(), [](const Teil& t) { return !t.oberteil; }))
            return PELOX_TEXT("netz", "Die Öffnung für Licht braucht das Unterteil.");
        for (const Teil& t : netz.teile) {
            for (const std::array<Punkt, 3>& d : t.dreiecke) {
                if (!t.oberteil && hoeheUeberRand(d) < r + kOeffnungRand)
                    return PELOX_TEXT("netz", "Eine Öffnung von %1 cm passt nicht in die Flächen des Unterteils.")
                        .arg(oeffnung, 1);
            }
        }
        schlitz = schlitzWaehlen(netz, r);
        if (!schlitz) {
            return PELOX_TEXT("netz", "Eine Öffnung von %1 cm mit dem Schlitz für das Kabel passt nicht in die Flächen des Unterteils.")
                .arg(oeffnung, 1);
        }
    }
    // The hanger's hole: the same point of the tip's face in both halves.
    std::vector<std::pair<Ort, Punkt>> aufhaenger;
    if (v.aufhaenger) {
        if (v.aufhaengerEcke >= int(n))
            return PELOX_TEXT("netz", "Der Aufhänger braucht eine Spitze des Sterns.");
        std::size_t spitze = 0;
        for (std::size_t i = 0; i < n; ++i)
            if (v.aufhaengerEcke < 0 ? k.umriss[i].y > k.umriss[spitze].y : int(i) == v.aufhaengerEcke)
                spitze = i;
        // Of the two faces at the tip, the one that lets the hole nearest to it.
        double naechste = INFINITY;
        for (const std::size_t s : {(spitze + n - 1) % n, spitze}) {
            const std::size_t ecke = s == spitze ? 1 : 2;
            std::vector<std::pair<Ort, Punkt>> hier;
            for (const int f : {int(s), int(s + n)}) {
                for (const Ort& o : orte(netz, f)) {
                    const std::array<Punkt, 3>& d = netz.teile[o.teil].dreiecke[o.flaeche];
                    if (const std::optional<Punkt> c = aufhaengerPunkt(d, ecke))
                        hier.push_back({o, *c});
                }
            }
            if (hier.empty())
                continue;
            const Ort& o = hier.front().first;
            const double weit = laenge(hier.front().second - netz.teile[o.teil].dreiecke[o.flaeche][ecke]);
            if (weit < naechste) {
                naechste = weit;
                aufhaenger = std::move(hier);
            }
        }
        if (aufhaenger.empty())
            return PELOX_TEXT("netz", "Für den Aufhänger ist an dieser Spitze kein Platz: das Loch hält 3 mm Abstand von jeder Kante.");
    }
    for (Teil& t : netz.teile) {
        t.loecher.clear();
        t.anstrich.clear();
    }
    int nummer = 0;
    for (std::size_t ti = 0; ti < netz.teile.size(); ++ti) {
        Teil& t = netz.teile[ti];
        const Laschenteile laschen(t);
        for (std::size_t j = 0; j < t.dreiecke.size(); ++j) {
            const std::array<Punkt, 3>& d = t.dreiecke[j];
            std::vector<Punkt> frei = linksrum({d.begin(), d.end()});
            if (oeffnung > 0 && !t.oberteil) {
                const double weit = r + (schlitz->in(t.flaechen[j], n) ? kSchlitzLaenge + kSchlitzBreite / 2 : 0);
                frei = abschneiden(frei, d[0], winkelhalbierende(d, 0), weit);
            }
            for (const auto& [o, c] : aufhaenger) {
                if (o.teil == ti && o.flaeche == j)
                    frei = abschneiden(frei, c, einheit(d[0] - c), kAufhaengerLoch / 2);
            }
            const int segment = t.flaechen[j] % int(n);
            if (rahmen > 0 && segment % v.fensterJedes == 0 && !frei.empty()
                && !schrumpfen(frei, rahmen + std::max(radius, kSchlitzBreite / 2)).empty()) {
                const std::vector<Punkt> kern = schrumpfen(frei, rahmen + radius);
                t.loecher.push_back({Loch::Art::Fenster, ++nummer, int(j), radius > 0 ? wachsen(kern, radius, true) : kern});
            }
            Anstrich a;
            const Flaeche& f = k.flaechen[std::size_t(t.flaechen[j])];
            const Punkt3 u{f.b.x - f.a.x, f.b.y - f.a.y, f.b.z - f.a.z}, w{f.c.x - f.a.x, f.c.y - f.a.y, f.c.z - f.a.z};
            Punkt3 normale{u.y * w.z - u.z * w.y, u.z * w.x - u.x * w.z, u.x * w.y - u.y * w.x};
            // The lower half is lit as the view shows it turned half round.
            if (!f.oben)
                normale = {-normale.x, normale.y, -normale.z};
            a.helligkeit = v.schattiert ? helligkeit(normale) : 1;
            if (v.farbig || v.schattiert)
                a.anschnitt = anschnitt(t, laschen, j);
            t.anstrich.push_back(std::move(a));
        }
        for (const auto& [o, c] : aufhaenger)
            if (o.teil == ti)
                t.loecher.push_back({Loch::Art::Aufhaenger, 0, int(o.flaeche), kreis(c, kAufhaengerLoch / 2)});
        if (oeffnung > 0 && !t.oberteil) {
            std::optional<double> richtung;
            for (std::size_t j = 0; j < t.dreiecke.size(); ++j) {
                if (t.flaechen[j] == schlitz->flaeche)
                    richtung = schlitz->richtung(t.dreiecke[j]);
            }
            if (!oeffnungSchneiden(t, r, richtung))
                return PELOX_TEXT("netz", "Eine Öffnung von %1 cm passt nicht in die Flächen des Unterteils.").arg(oeffnung, 1);
        }
    }
    netz.einsaetze.clear();
    netz.einsatzBlaetter = 0;
    if (!v.einsaetze || rahmen == 0)
        return std::nullopt;
    std::vector<std::vector<Punkt>> huellen;
    std::vector<Punkt> mitten;
    for (const Teil& t : netz.teile) {
        for (const Loch& l : t.loecher) {
            if (l.art != Loch::Art::Fenster)
                continue;
            Einsatz e;
            e.nummer = l.nummer;
            e.fenster = l.pfad;
            e.umriss = wachsen(l.pfad, kEinsatzRand, false);
            const Rechteck u = umriss(e.umriss);
            e.mitte = {(u.links + u.rechts) / 2, (u.oben + u.unten) / 2};
            std::vector<Punkt> h;
            for (const Punkt& p : e.umriss)
                h.push_back(p - e.mitte);
            if (!einpassen(h, netz.blattBreite, teilHoehe(netz.blattHoehe), true))
                return PELOX_TEXT("netz", "Ein Einsatz passt nicht auf das Papier.");
            huellen.push_back(std::move(h));
            netz.einsaetze.push_back(std::move(e));
        }
    }
    const Anordnung a = anordnen(huellen, netz.blattBreite, teilHoehe(netz.blattHoehe));
    for (std::size_t i = 0; i < netz.einsaetze.size(); ++i) {
        Einsatz& e = netz.einsaetze[i];
        const Lage& lage = a.plaetze[i].lage;
        // The number at the window's centroid, which a convex window holds
        // where the middle of its rectangle may lie on its edge.
        const Punkt schwerpunkt = flaechenmitte(e.fenster);
        for (std::vector<Punkt>* p : {&e.umriss, &e.fenster})
            for (Punkt& q : *p)
                q = lage(q - e.mitte);
        e.mitte = lage(schwerpunkt - e.mitte);
        e.blatt = netz.blaetter + a.plaetze[i].blatt;
    }
    netz.einsatzBlaetter = a.blaetter;
    return std::nullopt;
}

Rgb druckfarbe(const Netz& n, const Teil& t, const Anstrich& a)
{
    const Rgb& f = n.vorgabe.farbe[t.oberteil ? 0 : 1];
    const auto kanal = [&](int wert) { return int(std::lround(std::clamp(wert * a.helligkeit, 0.0, 255.0))); };
    return {kanal(f.rot), kanal(f.gruen), kanal(f.blau)};
}

} // namespace netz
