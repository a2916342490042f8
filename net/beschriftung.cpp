// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/beschriftung.h"

#include "net/platzsuche.h"
#include "net/zugleich.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

namespace netz {

namespace {

constexpr double kPunktCm = 2.54 / 72;
// The sizes the labels are printed at where they have room, in points.
constexpr double kKantenSchrift = 7;
constexpr double kBuchstabenSchrift = 9;
constexpr double kTeilSchrift = 9;
// Room kept round every text, cm: more than half a cut line's width.
constexpr double kRand = 0.03;
// The line of Liberation Sans, in ems of its size: the PDF sets it from half
// an em above the point the text is centred on down to the descent, 0.617
// below it; the SVG's central baseline puts 0.56 on either side.
constexpr double kOben = 0.56;
constexpr double kUnten = 0.62;
// Advances of Liberation Sans in ems: digits, capitals, small letters.
constexpr double kZiffer = 0.556;
constexpr double kGross[26] = {0.667, 0.667, 0.722, 0.722, 0.667, 0.611, 0.778, 0.722, 0.278, 0.5, 0.667, 0.556,
    0.833, 0.722, 0.778, 0.667, 0.778, 0.722, 0.667, 0.611, 0.722, 0.667, 0.944, 0.667, 0.667, 0.611};
constexpr double kKlein[26] = {0.556, 0.556, 0.5, 0.556, 0.556, 0.278, 0.556, 0.556, 0.222, 0.222, 0.5, 0.222,
    0.833, 0.556, 0.556, 0.556, 0.556, 0.333, 0.5, 0.278, 0.556, 0.5, 0.722, 0.5, 0.5, 0.5};
constexpr double kLeer = 0.278;
constexpr double kScharfesS = 0.611;
// Anything else, should it ever come: an em, wider than any of these.
constexpr double kUnbekannt = 1;
// A translated text is drawn in the reader's language: it is given its
// German advance and a little more, and at least this much per letter,
// which the English names stay within (the widest, "Bottom half" for
// "Unterteil", takes 0.56 em per German letter).
constexpr double kUebersetzt = 1.04;
constexpr double kJeBuchstabe = 0.6;

// The advance of a character of Latin-1, in ems, and whether it is a letter.
std::pair<double, bool> zeichen(char32_t c)
{
    if (c >= '0' && c <= '9')
        return {kZiffer, false};
    if (c >= 'A' && c <= 'Z')
        return {kGross[c - 'A'], true};
    if (c >= 'a' && c <= 'z')
        return {kKlein[c - 'a'], true};
    switch (c) {
    case ' ':
        return {kLeer, false};
    case U'Ä':
        return {kGross['A' - 'A'], true};
    case U'Ö':
        return {kGross['O' - 'A'], true};
    case U'Ü':
        return {kGross['U' - 'A'], true};
    case U'ä':
    case U'ö':
    case U'ü':
        return {kKlein['a' - 'a'], true};
    case U'ß':
        return {kScharfesS, true};
    default:
        return {kUnbekannt, false};
    }
}

// The text's advance in ems, as the reader will see it.
double ems(const Phrase& p)
{
    const std::string t = p.asWritten();
    double b = 0;
    int buchstaben = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        char32_t c = static_cast<unsigned char>(t[i]);
        // Two bytes of UTF-8 are enough for every character of German; the
        // first byte of a longer one counts as a character unknown.
        if ((c & 0xC0) == 0x80)
            continue;
        if ((c & 0xE0) == 0xC0 && i + 1 < t.size())
            c = ((c & 0x1F) << 6) | (static_cast<unsigned char>(t[++i]) & 0x3F);
        const auto [breite, buchstabe] = zeichen(c);
        b += breite;
        buchstaben += buchstabe;
    }
    return p.context ? std::max(kUebersetzt * b, kJeBuchstabe * buchstaben) : b;
}

// Neighbouring faces of one edge of the star on the piece (a bent edge has
// one face per segment): anzahl of them from face von on, once round a
// closed piece.
struct Strang {
    std::size_t von = 0;
    std::size_t anzahl = 0;
    int kante = 0;
};

std::vector<Strang> straenge(const Teil& t, const Koerper& k)
{
    const std::size_t n = k.umriss.size();
    std::vector<Strang> s;
    for (std::size_t j = 0; j < t.flaechen.size(); ++j) {
        const int kante = k.kante[std::size_t(t.flaechen[j]) % n];
        if (s.empty() || s.back().kante != kante)
            s.push_back({j, 0, kante});
        ++s.back().anzahl;
    }
    if (t.anfang.empty() && s.size() > 1 && s.back().kante == s.front().kante) {
        s.front().von = s.back().von;
        s.front().anzahl += s.back().anzahl;
        s.pop_back();
    }
    return s;
}

// The marks of the piece, those bound to a small place first: the tabs',
// the letters beside the cut spokes, the edge numbers, the name.
std::vector<Marke> marken(const Teil& t, const Koerper& k)
{
    const std::size_t n = k.umriss.size(), m = t.dreiecke.size();
    const auto nummer = [](int kante) { return Phrase(std::to_string(kante)); };
    std::vector<Marke> marken;

    // Each edge's number on the largest tab glued along it, the spoke's
    // letter on the spoke's tab.
    std::map<int, std::vector<Punkt>> groessteLasche;
    for (std::size_t q = 0; q < t.laschen.size(); ++q) {
        // A bent edge's tab is several parts; a label goes on its largest.
        const std::vector<Punkt>& l = *std::max_element(t.laschen[q].begin(), t.laschen[q].end(),
            [](const auto& x, const auto& y) { return flaeche(x) < flaeche(y); });
        const int f = t.laschenFlaeche[q];
        if (f < 0) {
            marken.push_back({{Phrase(t.ende)}, kBuchstabenSchrift, {l}, mittel(l), {}});
            continue;
        }
        std::vector<Punkt>& g = groessteLasche[k.kante[std::size_t(t.flaechen[std::size_t(f)]) % n]];
        if (flaeche(l) > flaeche(g))
            g = l;
    }
    for (const auto& [kante, l] : groessteLasche)
        marken.push_back({{nummer(kante)}, kKantenSchrift, {l}, mittel(l), {}});

    // The faces of a run as one polygon round the peak, and a point a little
    // way in from the middle of one of its sides.
    const Punkt spitze = t.dreiecke.front()[0];
    const auto anfangsEcke = [&](const Strang& s) { return t.dreiecke[s.von % m][1]; };
    const auto endEcke = [&](const Strang& s) { return t.dreiecke[(s.von + s.anzahl - 1) % m][2]; };
    const auto faecher = [&](const Strang& s) {
        std::vector<Punkt> v{spitze};
        for (std::size_t j = s.von; j < s.von + s.anzahl; ++j)
            v.push_back(t.dreiecke[j % m][1]);
        v.push_back(endEcke(s));
        return v;
    };
    const auto hinein = [&](const Strang& s, Punkt seite, double weit, double anteil) {
        const Punkt z = (1.0 / 3) * (spitze + anfangsEcke(s) + endEcke(s)) - seite;
        return seite + std::min(weit, anteil * laenge(z)) / laenge(z) * z;
    };
    const std::vector<Strang> alle = straenge(t, k);
    if (!t.anfang.empty()) {
        marken.push_back({{Phrase(t.anfang)}, kBuchstabenSchrift, {faecher(alle.front())},
            hinein(alle.front(), 0.5 * (spitze + anfangsEcke(alle.front())), 0.5, 0.5), {}});
        marken.push_back({{Phrase(t.ende)}, kBuchstabenSchrift, {faecher(alle.back())},
            hinein(alle.back(), 0.5 * (spitze + endEcke(alle.back())), 0.5, 0.5), {}});
    }

    // Each edge's number once on the piece, on its faces where they are
    // longest here; it may cross the folds between them.
    std::map<int, std::pair<double, Strang>> laengster;
    for (const Strang& s : alle) {
        double l = 0;
        for (std::size_t j = s.von; j < s.von + s.anzahl; ++j)
            l += laenge(t.dreiecke[j % m][2] - t.dreiecke[j % m][1]);
        auto& [bisher, strang] = laengster[s.kante];
        if (l > bisher) {
            bisher = l;
            strang = s;
        }
    }
    for (const auto& [kante, strang] : laengster) {
        const Strang& s = strang.second;
        const Punkt seite = 0.5 * (anfangsEcke(s) + endEcke(s));
        marken.push_back({{nummer(kante)}, kKantenSchrift, {faecher(s)}, hinein(s, seite, 0.6, 0.4), {}});
    }

    // The name halfway out along the middle of the piece, on its faces
    // between two folds through the peak; a closed piece without any is
    // its outline.
    std::vector<std::size_t> falten;
    for (std::size_t j = t.anfang.empty() ? 0 : 1; j < m; ++j) {
        const auto an = [&](Punkt p, Punkt q) { return laenge(p - q) < 1e-6; };
        if (std::any_of(t.falten.begin(), t.falten.end(),
                [&](const Falte& f) { return an(f.a, spitze) && an(f.b, t.dreiecke[j][1]); }))
            falten.push_back(j);
    }
    std::vector<std::vector<Punkt>> flaechen;
    if (!t.anfang.empty()) {
        falten.insert(falten.begin(), 0);
        falten.push_back(m);
    } else if (falten.empty()) {
        flaechen.emplace_back();
        for (const auto& d : t.dreiecke)
            flaechen.back().push_back(d[1]);
    } else {
        falten.push_back(falten.front() + m);
    }
    for (std::size_t i = 0; i + 1 < falten.size(); ++i)
        flaechen.push_back(faecher({falten[i], falten[i + 1] - falten[i], 0}));
    double kurz = INFINITY;
    for (const auto& d : t.dreiecke)
        kurz = std::min({kurz, laenge(d[1] - spitze), laenge(d[2] - spitze)});
    const Punkt u = (1 / laenge(t.dreiecke[0][1] - spitze)) * (t.dreiecke[0][1] - spitze);
    const double w = (t.oberteil ? 1 : -1) * t.winkel / 2;
    const Punkt r{std::cos(w) * u.x - std::sin(w) * u.y, std::sin(w) * u.x + std::cos(w) * u.y};
    std::vector<std::vector<Punkt>> laschen;
    for (const Lasche& l : t.laschen)
        laschen.insert(laschen.end(), l.begin(), l.end());
    std::sort(laschen.begin(), laschen.end(), [](const auto& a, const auto& b) { return flaeche(a) > flaeche(b); });
    marken.push_back({{t.oberteil ? PELOX_TEXT("netz", "Oberteil") : PELOX_TEXT("netz", "Unterteil"),
                          PELOX_TEXT("netz", "Teil %1 von %2").arg(t.nummer).arg(t.anzahl)},
        kTeilSchrift, flaechen, spitze + 0.5 * kurz * r, laschen});
    return marken;
}

// With the labels on the tabs alone: each tab's number or letter on it, a
// cut piece's first letter on the tab of its first edge where it has one,
// and the name on the tabs. An edge glued onto a tab carries nothing: it
// is the one of the same number on the piece the tab is glued to, found in
// the order the tabs follow round the outline. A piece without any tab
// (the upper half in one piece) has nothing to say and nothing to match.
// A label may stand on any part of its tab, nearest its largest.
std::vector<Marke> laschenMarken(const Teil& t, const Koerper& k)
{
    const std::size_t n = k.umriss.size();
    std::vector<Marke> marken;
    if (t.laschen.empty())
        return marken;
    const auto groesste = [](const Lasche& l) -> const std::vector<Punkt>& {
        return *std::max_element(
            l.begin(), l.end(), [](const auto& x, const auto& y) { return flaeche(x) < flaeche(y); });
    };
    std::vector<std::vector<Punkt>> teile;
    for (std::size_t q = 0; q < t.laschen.size(); ++q) {
        const Lasche& l = t.laschen[q];
        teile.insert(teile.end(), l.begin(), l.end());
        if (t.laschenFlaeche[q] < 0) {
            // Toward the outline, leaving the rest of the tab to the name
            // where this is the piece's only tab.
            const std::vector<Punkt>& s = groesste(l);
            marken.push_back({{Phrase(t.ende)}, kBuchstabenSchrift, l, 0.5 * (mittel(s) + s[1]), {}});
        } else if (!t.anfang.empty() && laenge(l.front()[0] - t.dreiecke.front()[1]) < 1e-9) {
            // Beside the cut spoke it starts with, where the other piece's
            // spoke tab will lie under the first face.
            const std::vector<Punkt>& s = l.front();
            marken.push_back({{Phrase(t.anfang)}, kBuchstabenSchrift, l, mittel({s[0], mittel(s), mittel(s)}), {}});
        }
    }
    for (std::size_t q = 0; q < t.laschen.size(); ++q) {
        const int f = t.laschenFlaeche[q];
        if (f >= 0) {
            // Off the middle toward its start, leaving room for the name.
            const std::vector<Punkt>& s = groesste(t.laschen[q]);
            marken.push_back({{Phrase(std::to_string(k.kante[std::size_t(t.flaechen[std::size_t(f)]) % n]))},
                kKantenSchrift, t.laschen[q], 0.5 * (mittel(s) + s[0]), {}});
        }
    }
    std::sort(teile.begin(), teile.end(), [](const auto& a, const auto& b) { return flaeche(a) > flaeche(b); });
    marken.push_back({{t.oberteil ? PELOX_TEXT("netz", "Oberteil") : PELOX_TEXT("netz", "Unterteil"),
                          PELOX_TEXT("netz", "Teil %1 von %2").arg(t.nummer).arg(t.anzahl)},
        kTeilSchrift, teile, mittel(teile.front()), {}});
    return marken;
}

} // namespace

Rechteck textRahmen(const Text& t)
{
    const double em = t.punkte * kPunktCm;
    const double b = ems(t.text) * em;
    return Rechteck{t.mitte.x - b / 2, t.mitte.y - kOben * em, t.mitte.x + b / 2, t.mitte.y + kUnten * em}.erweitert(
        kRand);
}

void beschriften(Netz& n, Beschriftung wo)
{
    std::vector<int> ohnePlatz(n.teile.size()), texte(n.teile.size());
    zugleich(n.teile.size(), [&](std::size_t i) {
        Teil& t = n.teile[i];
        t.texte.clear();
        const std::vector<Marke> m
            = wo == Beschriftung::Laschen ? laschenMarken(t, n.koerper) : marken(t, n.koerper);
        ohnePlatz[i] = platzieren(t, m);
        for (const Marke& x : m)
            texte[i] += int(x.zeilen.size());
    });
    const int fehlend = std::accumulate(ohnePlatz.begin(), ohnePlatz.end(), 0);
    const int alle = std::accumulate(texte.begin(), texte.end(), 0);
    if (fehlend > 0 && wo == Beschriftung::Laschen) {
        // A tab is as wide as chosen however large the star: a text that
        // lies across a steep one needs a wider tab.
        n.hinweise.push_back(PELOX_TEXT("netz",
            "Beschriftungen ohne Platz auf ihrem Teil, auch in 6 pt: %1 von %2. Sie fehlen im Netz; breitere "
            "Laschen, ein größerer Durchmesser oder die Beschriftung auf den Flächen geben ihnen Platz.")
                                 .arg(fehlend)
                                 .arg(alle));
    } else if (fehlend > 0) {
        n.hinweise.push_back(PELOX_TEXT("netz",
            "Beschriftungen ohne Platz auf ihrem Teil, auch in 6 pt: %1 von %2. Sie fehlen im Netz; ein größerer "
            "Durchmesser oder weniger Spitzen geben ihnen Platz.")
                                 .arg(fehlend)
                                 .arg(alle));
    }
}

} // namespace netz
