// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line checked against its table of options. The help is written
// from the same table, so that what the help states is what the check takes.
#include "app/optionen.h"

#include "app/optionstabelle.h"
#include "bogen/bogen.h"
#include "net/netz.h"
#include "platform/sprache.h"
#include "star/ranges.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <sys/stat.h>

namespace kommandozeile {
namespace {

QString option(const Zeile& z)
{
    return QStringLiteral("--") + QLatin1String(z.name);
}

// The options that write the files among a, as the user types them.
QStringList dateiOptionen(unsigned a)
{
    QStringList namen;
    for (const Zeile& z : tabelle())
        if (z.art == Art::Datei && (z.ausgaben & a))
            namen << option(z);
    return namen;
}

QString liste(unsigned a)
{
    return dateiOptionen(a).join(QStringLiteral(", "));
}

// The words to choose from, as one says them: "1 oder 2".
QString wahl(const Zeile& z)
{
    if (z.wahl.size() < 2)
        return z.wahl.join(QString());
    return Kommandozeile::tr("%1 oder %2")
        .arg(z.wahl.mid(0, z.wahl.size() - 1).join(QStringLiteral(", ")), z.wahl.constLast());
}

// The reason a comma before three digits is refused, with the number as it
// can be written instead; none for anything else.
QString mehrdeutig(const Zeile& z, const QString& wert)
{
    const QString punkt = QString(wert).replace(QLatin1Char(','), QLatin1Char('.'));
    if (zahl(wert) || wert.count(QLatin1Char(',')) != 1 || wert.contains(QLatin1Char('.')) || !zahl(punkt))
        return {};
    return Kommandozeile::tr(
        "%1 %2: ein Komma vor drei Ziffern kann Tausender trennen; Dezimalstellen mit Punkt schreiben "
        "(%3), Tausender ohne Trennzeichen")
        .arg(Kommandozeile::tr(z.was), wert, punkt);
}

// Whether v lies within the limits as the program states them; those lie
// within the range, so that every limit stated is taken when given back.
bool innerhalb(double v, double von, double bis)
{
    return star::inRange(v, grenze(von, false).toDouble(), grenze(bis, true).toDouble());
}

// The number's reason to be refused for the files asked for, or none; ziel
// is the number, within every range that holds for them.
QString zahlFehler(const Zeile& z, const QString& wert, unsigned ausgaben, double& ziel)
{
    const QString komma = mehrdeutig(z, wert);
    if (!komma.isEmpty())
        return komma;
    const std::optional<double> v = zahl(wert);
    for (const Bereich& b : z.bereiche) {
        if (!(b.fuer & ausgaben))
            continue;
        if (!v || !innerhalb(*v, b.von, b.bis)) {
            const QString grund = Kommandozeile::tr("%1 %2: erlaubt sind %3 bis %4 %5")
                                      .arg(Kommandozeile::tr(z.was), wert, grenze(b.von, false), grenze(b.bis, true),
                                          QLatin1String(z.einheit))
                                      .trimmed();
            return z.bereiche.size() > 1 ? Kommandozeile::tr("%1 (für %2)").arg(grund, liste(b.fuer & ausgaben))
                                         : grund;
        }
        if (z.ganz && *v != std::floor(*v))
            return Kommandozeile::tr("%1 %2: nur ganze Zahlen").arg(Kommandozeile::tr(z.was), wert);
        ziel = std::clamp(*v, b.von, b.bis);
    }
    return {};
}

// Two lengths for one option, "1,2" or "1.5,2.5": the comma parts them, so
// their decimals take a point. The reason they are refused, or none; ziel
// the pair, within the option's range.
QString paarFehler(const Zeile& z, const QString& wert, std::pair<double, double>& ziel)
{
    static const QRegularExpression form(
        QStringLiteral("^([0-9]+(\\.[0-9]+)?|\\.[0-9]+),([0-9]+(\\.[0-9]+)?|\\.[0-9]+)$"));
    const QRegularExpressionMatch m = form.match(wert);
    const Bereich& b = z.bereiche.front();
    const double erste = m.captured(1).toDouble(), zweite = m.captured(3).toDouble();
    if (!m.hasMatch() || !innerhalb(erste, b.von, b.bis) || !innerhalb(zweite, b.von, b.bis))
        return Kommandozeile::tr("%1 %2: erlaubt sind zwei Längen von %3 bis %4 %5, mit Komma getrennt, "
                                 "Dezimalstellen mit Punkt (1,2 oder 1.5,2.5)")
            .arg(Kommandozeile::tr(z.was), wert, grenze(b.von, false), grenze(b.bis, true), QLatin1String(z.einheit));
    ziel = {std::clamp(erste, b.von, b.bis), std::clamp(zweite, b.von, b.bis)};
    return {};
}

const Zeile& zeile(Art art)
{
    return *std::find_if(tabelle().begin(), tabelle().end(), [art](const Zeile& z) { return z.art == art; });
}

// A file as the system knows it: an existing one by its device and inode,
// whatever name or link leads to it; a new one by the real folder it will be
// made in and its name, after the links that lead to that name.
QString kennung(const QString& pfad)
{
    struct stat st { };
    if (::stat(QFile::encodeName(pfad).constData(), &st) == 0)
        return QStringLiteral("%1:%2").arg(st.st_dev).arg(st.st_ino);
    QFileInfo f(pfad);
    for (int i = 0; i < 40 && f.isSymLink(); ++i)
        f = QFileInfo(f.symLinkTarget());
    const QString ordner = QFileInfo(f.absolutePath()).canonicalFilePath();
    return (ordner.isEmpty() ? f.absolutePath() : ordner) + QLatin1Char('/') + f.fileName();
}

// No file asked for is the design or another file asked for: each would
// leave only the last written.
QString dateiFehler(const Auftrag& a)
{
    const QString design = a.design.isEmpty() ? QString() : kennung(a.design);
    std::map<QString, QString> belegt;
    for (const Zeile& z : tabelle()) {
        if (z.art != Art::Datei || !a.gilt(Ausgabe(z.ausgaben)))
            continue;
        const QString pfad = a.datei(Ausgabe(z.ausgaben));
        const QString k = kennung(pfad);
        if (k == design)
            return Kommandozeile::tr("%1 %2 ist die Pelox-Datei selbst; sie würde überschrieben").arg(option(z), pfad);
        if (belegt.count(k))
            return Kommandozeile::tr("%1 %2 ist dieselbe Datei wie %3; nur eine bliebe übrig")
                .arg(option(z), pfad, belegt[k]);
        belegt[k] = option(z);
    }
    return {};
}

} // namespace

void beschreiben(QCommandLineParser& args)
{
    args.setApplicationDescription(
        Kommandozeile::tr("Sterne entwerfen und in Originalgröße drucken.\n"
                          "Ohne Datei öffnet sich das Fenster; mit einer Pelox-Datei (*.plx) öffnet es sie.\n"
                          "Mit --pdf, --svg, --dxf, --bmp, --poster, --net, --net-svg, --net-dxf, --stl, --sheet,\n"
                          "--sheet-svg oder --sheet-dxf wird die Datei ohne Fenster geschrieben, mit --calibration-pdf\n"
                          "das Einmessblatt für den Drucker.\n"
                          "Zahlen mit Punkt oder Komma (2.5 oder 2,5), ohne Tausendertrennung."));
    args.addHelpOption();
    args.addVersionOption();
    static const QRegularExpression platz(QStringLiteral("%[1-9]"));
    for (const Zeile& z : tabelle()) {
        QStringList werte;
        for (const Bereich& b : z.bereiche)
            werte << grenze(b.von, false) << grenze(b.bis, true);
        if (!z.wahl.isEmpty())
            werte << wahl(z);
        if (z.vorgabe)
            werte << QLatin1String(z.vorgabe);
        QString hilfe = Kommandozeile::tr(z.hilfe);
        for (qsizetype i = 0, n = hilfe.count(platz); i < n; ++i)
            hilfe = hilfe.arg(werte.value(i));
        if (z.art == Art::Schalter)
            args.addOption({QLatin1String(z.name), hilfe});
        else
            args.addOption({QLatin1String(z.name), hilfe, Kommandozeile::tr(z.wertName)});
    }
    args.addPositionalArgument(Kommandozeile::tr("pelox-datei"), Kommandozeile::tr("Die Pelox-Datei (*.plx)."),
        Kommandozeile::tr("[pelox-datei]"));
}

Auftrag pruefen(const QCommandLineParser& args)
{
    Auftrag a;
    a.hilfe = args.isSet(QStringLiteral("help")) || args.isSet(QStringLiteral("help-all"))
        || args.isSet(QStringLiteral("version"));
    const auto fehler = [&a](const QString& text) {
        if (a.fehler.isEmpty())
            a.fehler = text;
    };
    const QStringList designs = args.positionalArguments();
    if (designs.size() > 1)
        fehler(Kommandozeile::tr("nur eine Pelox-Datei angeben"));
    a.design = designs.value(0);
    unsigned ausgaben = 0;
    for (const Zeile& z : tabelle()) {
        const QStringList werte = args.values(QLatin1String(z.name));
        if (werte.size() > 1)
            fehler(Kommandozeile::tr("%1 ist mehr als einmal angegeben").arg(option(z)));
        if (z.art == Art::Datei && !werte.isEmpty()) {
            ausgaben |= z.ausgaben;
            a.dateien[Ausgabe(z.ausgaben)] = werte.constLast();
        }
    }
    if (ausgaben & kMitDesign && a.design.isEmpty())
        fehler(Kommandozeile::tr("%1 brauchen eine Pelox-Datei").arg(liste(kMitDesign)));
    if (ausgaben == kEinmessblatt && !a.design.isEmpty())
        fehler(Kommandozeile::tr("--calibration-pdf allein liest keine Pelox-Datei"));
    const bool nurSchnitt = args.isSet(QStringLiteral("cut-only"));
    for (const Zeile& z : tabelle()) {
        if (z.art == Art::Datei)
            continue;
        const QString name = QLatin1String(z.name);
        const bool gegeben = args.isSet(name);
        if (gegeben && !(z.ausgaben & ausgaben)) {
            fehler(Kommandozeile::tr("%1 gilt nur für %2").arg(option(z), liste(z.ausgaben)));
            continue;
        }
        if (gegeben && nurSchnitt && z.gedruckt) {
            fehler(Kommandozeile::tr("%1 zeigt sich nur im Druck und gilt nicht mit --cut-only").arg(option(z)));
            continue;
        }
        if (gegeben && z.mit && !args.isSet(QLatin1String(z.mit))) {
            fehler(Kommandozeile::tr("%1 braucht --%2").arg(option(z), QLatin1String(z.mit)));
            continue;
        }
        if (gegeben && !nurSchnitt && !(z.ausgaben & ~z.nurMitSchnitt & ausgaben)) {
            fehler(Kommandozeile::tr("%1 gilt für %2 nur mit --cut-only")
                       .arg(option(z), liste(z.nurMitSchnitt & ausgaben)));
            continue;
        }
        if (z.art == Art::Schalter) {
            if (gegeben)
                a.schalter << name;
            continue;
        }
        if (!gegeben && (z.braucht & ausgaben))
            fehler(
                Kommandozeile::tr("%1 braucht %2 %3")
                    .arg(dateiOptionen(z.braucht & ausgaben).constFirst(), option(z), Kommandozeile::tr(z.wertName)));
        if (!(z.ausgaben & ausgaben) || (!gegeben && !z.vorgabe))
            continue;
        const QString wert = gegeben ? args.value(name) : QLatin1String(z.vorgabe);
        if (z.art == Art::Zahl) {
            // A list of sizes is checked item by item; the files that take
            // one number check it as before.
            if (z.liste & ausgaben) {
                fehler(groessen(wert, 1).fehler);
                a.werte[name] = wert;
            }
            if (ausgaben & z.ausgaben & ~z.liste) {
                double v = 0;
                const QString grund = zahlFehler(z, wert, ausgaben & ~z.liste, v);
                if (!grund.isEmpty())
                    fehler(grund);
                a.zahlen[name] = v;
            }
        } else if (z.art == Art::Paar) {
            std::pair<double, double> p;
            const QString grund = paarFehler(z, wert, p);
            if (!grund.isEmpty())
                fehler(grund);
            a.paare[name] = p;
        } else if (z.art == Art::Farbe) {
            const std::optional<std::array<netz::Rgb, 2>> f = farben(wert);
            if (!f)
                fehler(Kommandozeile::tr("%1 %2: erlaubt sind eine Farbe RRGGBB aus sechs hexadezimalen Ziffern "
                                         "oder zwei mit Komma getrennt (ff0000 oder ff0000,0000ff)")
                           .arg(Kommandozeile::tr(z.was), wert));
            else if (wert.contains(QLatin1Char(',')) && a.werte.count(QStringLiteral("halves"))
                && a.werte.at(QStringLiteral("halves")) == QLatin1String("1"))
                fehler(Kommandozeile::tr("%1 %2: zwei Farben brauchen zwei Hälften")
                           .arg(Kommandozeile::tr(z.was), wert));
            a.werte[name] = wert;
        } else if (z.art == Art::Wahl) {
            if (!z.wahl.contains(wert))
                fehler(Kommandozeile::tr("%1 %2: erlaubt sind %3").arg(Kommandozeile::tr(z.was), wert, wahl(z)));
            a.werte[name] = wert;
        } else {
            // Its upper end, the diameter, is known once the design is read.
            a.werte[name] = wert;
        }
    }
    if (a.fehler.isEmpty() && (ausgaben & kSternbogen)) {
        int summe = 0;
        for (const auto& [durchmesser, anzahl] :
            groessen(a.wert(QStringLiteral("diameter")), int(a.zahl(QStringLiteral("copies")))).liste)
            summe += anzahl;
        if (summe > bogen::kAnzahlMax)
            fehler(Kommandozeile::tr("%1 Sterne: höchstens %2 auf einmal").arg(summe).arg(bogen::kAnzahlMax));
    }
    if (args.isSet(QStringLiteral("perforation")) && a.werte[QStringLiteral("folds")] != QLatin1String("perforate"))
        fehler(Kommandozeile::tr("--perforation braucht --folds perforate"));
    if (a.fehler.isEmpty())
        a.fehler = dateiFehler(a);
    return a;
}

Groessen groessen(const QString& text, int kopien)
{
    const Zeile& z = *std::find_if(tabelle().begin(), tabelle().end(), [](const Zeile& r) { return r.liste != 0; });
    const Bereich& b = *std::find_if(z.bereiche.begin(), z.bereiche.end(), [&z](const Bereich& r) { return r.fuer & z.liste; });
    Groessen g;
    static const QRegularExpression ganz(QStringLiteral("^[0-9]+$"));
    for (const QString& teil : text.split(QLatin1Char('+'))) {
        const QStringList paar = teil.split(QLatin1Char(':'));
        const std::optional<double> d = zahl(paar.constFirst());
        if (paar.size() > 2 || !d || (paar.size() == 2 && !ganz.match(paar.constLast()).hasMatch())) {
            const QString komma = paar.size() == 1 ? mehrdeutig(z, teil) : QString();
            g.fehler = !komma.isEmpty() ? komma
                                        : Kommandozeile::tr("%1 %2: ein Durchmesser in cm, oder mehrere als "
                                                            "Durchmesser:Anzahl mit + verbunden, etwa 3:10+5:6")
                                              .arg(Kommandozeile::tr(z.was), text);
            return g;
        }
        if (!innerhalb(*d, b.von, b.bis)) {
            g.fehler = Kommandozeile::tr("%1 %2: erlaubt sind %3 bis %4 %5 (für %6)")
                           .arg(Kommandozeile::tr(z.was), paar.constFirst(), grenze(b.von, false), grenze(b.bis, true),
                               QLatin1String(z.einheit), liste(z.liste));
            return g;
        }
        const int n = paar.size() == 2 ? paar.constLast().toInt() : kopien;
        if (paar.size() == 2 && !star::inRange(paar.constLast().toDouble(), 1, bogen::kAnzahlMax)) {
            g.fehler = Kommandozeile::tr("Anzahl %1: erlaubt sind 1 bis %2").arg(paar.constLast()).arg(bogen::kAnzahlMax);
            return g;
        }
        g.liste.emplace_back(std::clamp(*d, b.von, b.bis), n);
    }
    return g;
}

Spitze spitze(const QString& text, const PeloxState& stern)
{
    if (text == QLatin1String("natural"))
        return {};
    const Zeile& z = zeile(Art::Spitze);
    const double von = z.bereiche.front().von;
    const double bis = netz::hoeheMax(stern);
    const std::optional<double> v = zahl(text);
    if (v && innerhalb(*v, von, bis))
        return {std::clamp(*v, von, bis), {}};
    const QString komma = mehrdeutig(z, text);
    return {0.0, !komma.isEmpty() ? komma : sprache::text(netz::hoeheNichtErlaubt(stern, text.toStdString()))};
}

std::optional<double> zahl(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^-?([0-9]+([.,][0-9]+)?|[.,][0-9]+)$"));
    static const QRegularExpression tausender(QStringLiteral(",[0-9]{3}$"));
    if (!form.match(text).hasMatch() || tausender.match(text).hasMatch())
        return std::nullopt;
    return QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

std::optional<std::array<netz::Rgb, 2>> farben(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9a-fA-F]{6})(,([0-9a-fA-F]{6}))?$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const auto rgb = [](const QString& hex) {
        const uint v = hex.toUInt(nullptr, 16);
        return netz::Rgb{int(v >> 16), int((v >> 8) & 0xff), int(v & 0xff)};
    };
    const netz::Rgb oben = rgb(m.captured(1));
    return std::array<netz::Rgb, 2>{oben, m.hasCaptured(3) ? rgb(m.captured(3)) : oben};
}

QString grenze(double v, bool oben)
{
    if (!std::isfinite(v))
        return QLocale::c().toString(v);
    // The small allowance keeps 6.35, which is 6.3499999… as a double, 6.35.
    // Adding zero makes a limit of 0, rounded up from -0.000001, no "-0".
    const double gerundet = (oben ? std::floor(v * 1e4 + 1e-6) : std::ceil(v * 1e4 - 1e-6)) / 1e4 + 0.0;
    return QLocale::c().toString(gerundet, 'f', 4).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

} // namespace kommandozeile
