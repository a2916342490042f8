// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/format.h"

#include "star/ranges.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>

namespace plx {

namespace {

constexpr std::string_view kZeilenende = "\r\n";
constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool leer(char c)
{
    return c == ' ' || c == '\t';
}

bool trenner(char c)
{
    return c == ',' || c == '\r' || c == '\n';
}

// The file one field at a time: a field ends at a comma, a line end or the end
// of the file; blanks before it are skipped, and a field between double quotes
// is taken without them. CR LF, LF and CR alone all end a line.
class Felder {
public:
    explicit Felder(std::string_view text) : m_text(text) {}

    // Nothing but blanks and line ends is left. A last line end, or a few
    // blank lines after the last radius, are no further field.
    bool amEnde() const
    {
        return std::all_of(m_text.begin() + std::ptrdiff_t(m_pos), m_text.end(),
            [](char c) { return leer(c) || c == '\r' || c == '\n'; });
    }

    std::string_view naechstes()
    {
        while (m_pos < m_text.size() && leer(m_text[m_pos]))
            ++m_pos;
        std::string_view feld;
        if (m_pos < m_text.size() && m_text[m_pos] == '"') {
            const std::size_t anfang = m_pos + 1;
            const std::size_t ende = std::min(m_text.find('"', anfang), m_text.size());
            feld = m_text.substr(anfang, ende - anfang);
            m_pos = std::min(ende + 1, m_text.size());
            // Whatever follows the closing quote on the field is dropped.
            while (m_pos < m_text.size() && !trenner(m_text[m_pos]))
                ++m_pos;
        } else {
            const std::size_t anfang = m_pos;
            while (m_pos < m_text.size() && !trenner(m_text[m_pos]))
                ++m_pos;
            feld = m_text.substr(anfang, m_pos - anfang);
            while (!feld.empty() && leer(feld.back()))
                feld.remove_suffix(1);
        }
        if (m_pos < m_text.size()) {
            const char c = m_text[m_pos++];
            if (c == '\r' && m_pos < m_text.size() && m_text[m_pos] == '\n')
                ++m_pos;
        }
        return feld;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

Phrase feldName(int nr)
{
    static const std::array<Phrase, 19> namen{Phrase(), PELOX_TEXT("plx", "Kennung"),
        PELOX_TEXT("plx", "Zwei A-4 Blätter"), PELOX_TEXT("plx", "Aussen-Durchmesser"),
        PELOX_TEXT("plx", "Innen-Durchmesser"), PELOX_TEXT("plx", "Anzahl Spitzen"), PELOX_TEXT("plx", "Höhe"),
        PELOX_TEXT("plx", "Kurvenwert 1"), PELOX_TEXT("plx", "Kurvenwert 2"), PELOX_TEXT("plx", "Kurvenwert 3"),
        PELOX_TEXT("plx", "Kurvenpunkt X1"), PELOX_TEXT("plx", "Kurvenpunkt Y1"),
        PELOX_TEXT("plx", "Kurvenpunkt X2"), PELOX_TEXT("plx", "Kurvenpunkt Y2"),
        PELOX_TEXT("plx", "Kurvenpunkt X3"), PELOX_TEXT("plx", "Kurvenpunkt Y3"), PELOX_TEXT("plx", "Peloxform"),
        PELOX_TEXT("plx", "Strichdicke"), PELOX_TEXT("plx", "Rückstellen")};
    const Phrase name = nr < int(namen.size()) ? namen[std::size_t(nr)]
                                               : PELOX_TEXT("plx", "Eckenradius %1").arg(nr - 18);
    return PELOX_TEXT("plx", "Feld %1 (%2)").arg(nr).arg(name);
}

// Reads the fields after the header in their order and checks each as it
// comes. The first fault found is kept as the reason.
class Leser {
public:
    explicit Leser(Felder& felder) : m_felder(felder) {}

    Phrase grund;

    // A number within the magnitude every value of the file is bounded by.
    std::optional<double> zahl(int nr)
    {
        if (m_felder.amEnde())
            return fehler(PELOX_TEXT("plx", "die Datei endet vor %1").arg(feldName(nr)));
        std::string_view text = m_felder.naechstes();
        if (text.size() > 1 && text[0] == '+' && text[1] != '-')
            text.remove_prefix(1);
        double wert = 0;
        const auto [ende, ec] = std::from_chars(text.data(), text.data() + text.size(), wert);
        if (ec == std::errc::result_out_of_range && ende == text.data() + text.size())
            return fehler(ausserhalb(nr));
        if (ec != std::errc() || ende != text.data() + text.size() || !std::isfinite(wert))
            return fehler(PELOX_TEXT("plx", "%1 ist keine Zahl").arg(feldName(nr)));
        if (!star::inRange(wert, -double(kGroessterBetrag), double(kGroessterBetrag)))
            return fehler(ausserhalb(nr));
        return wert;
    }

    std::optional<float> einfach(int nr)
    {
        const std::optional<double> wert = zahl(nr);
        if (!wert)
            return std::nullopt;
        return static_cast<float>(*wert);
    }

    std::optional<std::int16_t> ganz(int nr, int von = std::numeric_limits<std::int16_t>::min(),
        int bis = std::numeric_limits<std::int16_t>::max())
    {
        const std::optional<double> wert = zahl(nr);
        if (!wert)
            return std::nullopt;
        if (*wert != std::trunc(*wert))
            return fehler(PELOX_TEXT("plx", "%1 ist keine ganze Zahl").arg(feldName(nr)));
        if (!star::inRange(*wert, von, bis))
            return fehler(von == std::numeric_limits<std::int16_t>::min()
                    ? ausserhalb(nr)
                    : feldIn(nr, PELOX_TEXT("plx", "%1 muss zwischen %2 und %3 liegen").arg(von).arg(bis)));
        return static_cast<std::int16_t>(*wert);
    }

    // A value the window puts into a scroll bar as faktor times the value,
    // rounded a half to the even neighbour; the bar must be able to take it.
    std::optional<float> balken(int nr, double faktor, int von, int bis, const Phrase& bereich)
    {
        const std::optional<float> wert = einfach(nr);
        if (!wert)
            return std::nullopt;
        const double stellung = std::nearbyint(double(*wert) * faktor);
        if (!star::inRange(stellung, von, bis))
            return fehler(feldIn(nr, bereich));
        return wert;
    }

    std::optional<float> radius(int nr)
    {
        const std::optional<float> wert = einfach(nr);
        if (wert && *wert < 0)
            return fehler(PELOX_TEXT("plx", "%1 darf nicht negativ sein").arg(feldName(nr)));
        return wert;
    }

private:
    static Phrase ausserhalb(int nr)
    {
        return PELOX_TEXT("plx", "%1 liegt ausserhalb des erlaubten Bereichs").arg(feldName(nr));
    }

    // The field's name goes into a range's text as its %1, before the bounds.
    static Phrase feldIn(int nr, Phrase bereich)
    {
        bereich.args.insert(bereich.args.begin(), feldName(nr));
        return bereich;
    }

    std::nullopt_t fehler(Phrase text)
    {
        grund = std::move(text);
        return std::nullopt;
    }

    Felder& m_felder;
};

// Takes each value in turn; false at the first one that is missing or wrong.
template <typename T, typename U>
bool nimm(std::optional<U> wert, T& ziel)
{
    if (!wert)
        return false;
    ziel = *wert;
    return true;
}

// The diameters' range in cm; max is their scroll bars', in half centimetres.
Phrase durchmesserBereich(double von, int stellen, int max)
{
    return PELOX_TEXT("plx", "%1 muss zwischen %2 und %3 cm liegen").arg(von, stellen).arg(max / 2);
}

} // namespace

Inhalt ausZustand(const PeloxState& s)
{
    Inhalt in;
    in.ZweiA4 = s.ZweiA4;
    in.AussenDurchmesserNeu = s.AussenDurchmesserNeu;
    in.InnenDurchmesserNeu = s.InnenDurchmesserNeu;
    in.AnzahlSpitzen = s.AnzahlSpitzen;
    in.YFaktor = s.YFaktor;
    in.KurvenWert1 = s.KurvenWert[1];
    in.KurvenWert2 = s.KurvenWert[2];
    in.KurvenWert3 = s.KurvenWert[3];
    in.KurveX1 = s.KurveX1;
    in.KurveY1 = s.KurveY1;
    in.KurveX2 = s.KurveX2;
    in.KurveY2 = s.KurveY2;
    in.KurveX3 = s.KurveX3;
    in.KurveY3 = s.KurveY3;
    in.PeloxForm = s.PeloxForm;
    in.StrichDicke = s.StrichDicke;
    in.Gezogen = s.Gezogen;
    in.Radien.assign(s.Radius.begin() + 1, s.Radius.begin() + 1 + s.AnzahlEcken);
    return in;
}

Inhalt entwurf(const PeloxState& s)
{
    Inhalt in = ausZustand(s);
    in.Radien.assign(s.Radius.begin() + 1, s.Radius.begin() + 1 + kMeisteRadien);
    return in;
}

std::string zahlText(float v)
{
    // Negative zero would be written with its sign.
    if (v == 0)
        return "0";
    std::array<char, 32> text{};
    const auto ergebnis = std::to_chars(text.begin(), text.end(), v, std::chars_format::general, 7);
    return std::string(text.begin(), ergebnis.ptr);
}

std::string schreiben(const Inhalt& in, std::string_view kennung)
{
    std::string t;
    const auto zeile = [&t](const std::string& feld) {
        t += feld;
        t += kZeilenende;
    };
    const auto ganz = [&](std::int16_t v) { zeile(std::to_string(v)); };
    const auto zahl = [&](float v) { zeile(zahlText(v)); };

    std::string kopf(1, '"');
    kopf += kennung;
    kopf += '"';
    zeile(kopf);
    ganz(in.ZweiA4);
    zahl(in.AussenDurchmesserNeu);
    zahl(in.InnenDurchmesserNeu);
    ganz(in.AnzahlSpitzen);
    zahl(in.YFaktor);
    for (const float v : {in.KurvenWert1, in.KurvenWert2, in.KurvenWert3, in.KurveX1, in.KurveY1,
             in.KurveX2, in.KurveY2, in.KurveX3, in.KurveY3})
        zahl(v);
    ganz(in.PeloxForm);
    ganz(in.StrichDicke);
    ganz(in.Gezogen);
    for (const float r : in.Radien)
        zahl(r);
    return t;
}

Bytes laden(const std::string& pfad)
{
    Bytes b;
    std::error_code fehler;
    const std::filesystem::file_status art = std::filesystem::status(pfad, fehler);
    if (std::filesystem::exists(art) && !std::filesystem::is_regular_file(art)) {
        b.befund = Bytes::KeineDatei;
        return b;
    }
    std::ifstream datei(pfad, std::ios::binary);
    b.bytes.resize(kGroessteDatei + 1);
    datei.read(b.bytes.data(), std::streamsize(b.bytes.size()));
    b.bytes.resize(std::size_t(datei.gcount()));
    // Reading stops at the end of the file or at the limit; anything else
    // that stopped it was a fault of the file or the disk.
    if (!datei.is_open() || datei.bad() || (datei.fail() && !datei.eof())) {
        b.befund = Bytes::NichtLesbar;
        b.bytes.clear();
    }
    return b;
}

Gelesen lesen(std::string_view datei, std::string_view kennung, bool zweiA4Jetzt)
{
    Gelesen g;
    // The limit counts the mark, as the bytes were read with it.
    const std::size_t groesse = datei.size();
    if (datei.starts_with(kBom))
        datei.remove_prefix(kBom.size());
    Felder felder(datei);
    // The header decides first, so that any other file, however large, is
    // answered as not being a star file.
    if (felder.naechstes() != kennung) {
        g.befund = Gelesen::KeinePeloxDatei;
        return g;
    }
    const auto beschaedigt = [&g](Phrase grund) {
        g.befund = Gelesen::Beschaedigt;
        g.grund = std::move(grund);
        g.inhalt = Inhalt();
        return g;
    };
    if (groesse > kGroessteDatei)
        return beschaedigt(PELOX_TEXT("plx", "die Datei ist größer, als eine Pelox-Datei sein kann"));

    Inhalt& in = g.inhalt;
    Leser l(felder);
    if (!nimm(l.ganz(2), in.ZweiA4))
        return beschaedigt(l.grund);
    const bool zweiBlatt = in.ZweiA4 == 1 || (in.ZweiA4 != 0 && zweiA4Jetzt);
    const int max = star::durchmesserMax(zweiBlatt);
    const Phrase hoeheBereich = PELOX_TEXT("plx", "%1 muss zwischen %2 und %3 % liegen")
                                    .arg(star::kHoeheMin * 10)
                                    .arg(star::kHoeheMax * 10);
    const bool fest
        = nimm(l.balken(3, 2, star::kAussenMin, max, durchmesserBereich(1, 0, max)), in.AussenDurchmesserNeu)
        && nimm(l.balken(4, 2, star::kInnenMin, max, durchmesserBereich(0.5, 1, max)), in.InnenDurchmesserNeu)
        && nimm(l.ganz(5, star::kSpitzenMin, star::kSpitzenMax), in.AnzahlSpitzen)
        && nimm(l.balken(6, 10, star::kHoeheMin, star::kHoeheMax, hoeheBereich), in.YFaktor)
        && nimm(l.einfach(7), in.KurvenWert1) && nimm(l.einfach(8), in.KurvenWert2)
        && nimm(l.einfach(9), in.KurvenWert3) && nimm(l.einfach(10), in.KurveX1)
        && nimm(l.einfach(11), in.KurveY1) && nimm(l.einfach(12), in.KurveX2)
        && nimm(l.einfach(13), in.KurveY2) && nimm(l.einfach(14), in.KurveX3)
        && nimm(l.einfach(15), in.KurveY3) && nimm(l.ganz(16), in.PeloxForm)
        && nimm(l.ganz(17), in.StrichDicke) && nimm(l.ganz(18), in.Gezogen);
    if (!fest)
        return beschaedigt(l.grund);

    // At least one radius; the list ends with the file, not with a count.
    do {
        if (in.Radien.size() == kMeisteRadien)
            return beschaedigt(PELOX_TEXT("plx", "die Datei enthält mehr als %1 Eckenradien").arg(int(kMeisteRadien)));
        float r = 0;
        if (!nimm(l.radius(19 + int(in.Radien.size())), r))
            return beschaedigt(l.grund);
        in.Radien.push_back(r);
    } while (!felder.amEnde());
    return g;
}

} // namespace plx
