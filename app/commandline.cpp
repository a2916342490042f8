// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: with no arguments the window as always; a design file to
// open in it; or a design written to PDF, SVG or bitmap without a window.
#include "app/commandline.h"

#include "app/calibration.h"
#include "app/frmpelox.h"
#include "platform/artwork.h"
#include "platform/pdffile.h"
#include "platform/qtports.h"
#include "platform/qtprinter.h"
#include "platform/sessionbus.h"
#include "platform/settings.h"
#include "platform/sprache.h"
#include "net/netz.h"
#include "net/stl.h"
#include "print/faltnetz.h"
#include "print/poster.h"
#include "star/ranges.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLocale>
#include <QScopeGuard>
#include <QStyleFactory>
#include <cmath>
#include <cstdio>
#include <fontconfig/fontconfig.h>
#include <latch>
#include <thread>

namespace {

class Kommandozeile {
    Q_DECLARE_TR_FUNCTIONS(Kommandozeile)
};

// Messages go to the standard error stream, one line each, instead of a box.
class ConsoleMessages : public MessageBoxPort {
public:
    int shown = 0;
    void show(const QString& text, const QString&, int) override
    {
        ++shown;
        std::fprintf(stderr, "pelox: %s\n", qPrintable(text.simplified()));
    }
    // Files are written without a window, so nothing is ever closed over
    // unsaved changes.
    Answer askYesNoCancel(const QString&, const QString&) override { return Answer::No; }
    // Nobody is there to answer: the warning is told, without its question,
    // and the file written all the same.
    bool ask(const QString& text, const QString&) override
    {
        std::fprintf(stderr, "pelox: %s\n",
            qPrintable(Kommandozeile::tr("Warnung: %1").arg(text.section(QLatin1Char('\n'), 0, -2).simplified())));
        return true;
    }
};

const QString kPdf = QStringLiteral("pdf");
const QString kSvg = QStringLiteral("svg");
const QString kBmp = QStringLiteral("bmp");
const QString kEinmessblatt = QStringLiteral("calibration-pdf");
const QString kPoster = QStringLiteral("poster");
const QString kDurchmesser = QStringLiteral("diameter");
const QString kPapier = QStringLiteral("paper");
const QString kKleben = QStringLiteral("glue");
const QString kNetz = QStringLiteral("net");
const QString kNetzSvg = QStringLiteral("net-svg");
const QString kSpitze = QStringLiteral("peak");
const QString kLasche = QStringLiteral("tab");
const QString kHaelften = QStringLiteral("halves");
const QString kWenigste = QStringLiteral("fewest");
const QString kRand = QStringLiteral("margin");
const QString kStl = QStringLiteral("stl");

struct Optionen {
    QCommandLineOption hilfe;
    QCommandLineOption version;
};

Optionen beschreiben(QCommandLineParser& args)
{
    args.setApplicationDescription(
        Kommandozeile::tr("Sterne entwerfen und in Originalgröße drucken.\n"
                          "Ohne Datei öffnet sich das Fenster; mit einer Pelox-Datei (*.plx) öffnet es sie.\n"
                          "Mit --pdf, --svg, --bmp oder --poster wird die Datei ohne Fenster geschrieben, mit\n"
                          "--calibration-pdf das Einmessblatt für den Drucker."));
    Optionen o{args.addHelpOption(), args.addVersionOption()};
    const QString datei = Kommandozeile::tr("datei");
    args.addOption({kPdf, Kommandozeile::tr("Den Ausdruck als PDF-Datei <datei> schreiben."), datei});
    args.addOption({kSvg, Kommandozeile::tr("Den Umriss in Originalgröße als SVG-Datei <datei> schreiben."), datei});
    args.addOption({kBmp, Kommandozeile::tr("Das Bild des Sterns als Bitmap-Datei <datei> schreiben."), datei});
    args.addOption({kEinmessblatt,
        Kommandozeile::tr("Das Einmessblatt (Lineale zum Einmessen des Druckers) als PDF-Datei <datei> schreiben."),
        datei});
    args.addOption({kPoster,
        Kommandozeile::tr("Den Stern auf mehreren Blättern als PDF-Datei <datei> schreiben, mit Übersicht."), datei});
    args.addOption({kDurchmesser, Kommandozeile::tr("Außendurchmesser des Posters in cm (5 bis 200)."),
        QStringLiteral("cm")});
    args.addOption({kPapier, Kommandozeile::tr("Papier des Posters: A4, A3, Letter oder Legal (A4)."),
        Kommandozeile::tr("papier"), QStringLiteral("A4")});
    args.addOption({kKleben, Kommandozeile::tr("Breite des Klebestreifens in cm (0 bis 3, 1)."),
        QStringLiteral("cm"), QStringLiteral("1")});
    args.addOption({kNetz,
        Kommandozeile::tr("Das Faltnetz des Sterns in 3D (Teile zum Ausschneiden, Falten und Kleben) als PDF-Datei "
                          "<datei> schreiben; braucht --peak."),
        datei});
    args.addOption(
        {kNetzSvg, Kommandozeile::tr("Das Faltnetz für Schneideplotter als SVG-Datei <datei> schreiben."), datei});
    args.addOption({kSpitze,
        Kommandozeile::tr("Höhe der Spitzen des Faltsterns über der Mitte in cm (0,1 bis zum Durchmesser), "
                          "oder natural für die Höhe, bei der er sich ohne Schnitt falten lässt."),
        QStringLiteral("cm|natural")});
    args.addOption({kLasche, Kommandozeile::tr("Breite der Klebelaschen des Faltnetzes in cm (0.5 bis 2, 1)."),
        QStringLiteral("cm"), QStringLiteral("1")});
    args.addOption({kHaelften, Kommandozeile::tr("Beide Hälften des Faltsterns (2) oder nur eine (1)."),
        QStringLiteral("1|2"), QStringLiteral("2")});
    args.addOption({kWenigste,
        Kommandozeile::tr(
            "Das Faltnetz in möglichst wenige Teile (pieces) oder auf möglichst wenige Blätter (sheets)."),
        QStringLiteral("pieces|sheets"), QStringLiteral("pieces")});
    args.addOption({kRand, Kommandozeile::tr("Rand der PDF-Seiten des Posters in mm (6.35 bis 30, 6.35)."),
        QStringLiteral("mm"), QStringLiteral("6.35")});
    args.addOption({kStl,
        Kommandozeile::tr(
            "Den gefalteten Stern als 3D-Modell (binäres STL in mm) in <datei> schreiben; braucht --peak."),
        datei});
    args.addPositionalArgument(Kommandozeile::tr("pelox-datei"), Kommandozeile::tr("Die Pelox-Datei (*.plx)."),
        Kommandozeile::tr("[pelox-datei]"));
    return o;
}

bool dateienSchreiben(const QCommandLineParser& args)
{
    return args.isSet(kPdf) || args.isSet(kSvg) || args.isSet(kBmp) || args.isSet(kPoster) || args.isSet(kNetz)
        || args.isSet(kNetzSvg) || args.isSet(kStl);
}

// The poster's values from the options, or the reason they cannot be taken.
struct PosterWahl {
    poster::Vorgabe vorgabe;
    PdfPaper papier;
    QString fehler;
};

PosterWahl posterWahl(const QCommandLineParser& args)
{
    PosterWahl w;
    // The option's number, if it is one within the range; else the reason.
    const auto zahl = [&](const QString& option, double von, double bis, const char* text, double& ziel) {
        bool gelesen = false;
        ziel = QLocale::c().toDouble(args.value(option), &gelesen);
        if (w.fehler.isEmpty() && !(gelesen && star::inRange(ziel, von, bis)))
            w.fehler = Kommandozeile::tr(text).arg(
                args.value(option), QLocale::c().toString(von), QLocale::c().toString(bis));
    };
    if (!args.isSet(kDurchmesser))
        w.fehler = Kommandozeile::tr("--poster braucht --diameter CM");
    zahl(kDurchmesser, poster::kDurchmesserMin, poster::kDurchmesserMax,
        QT_TRANSLATE_NOOP("Kommandozeile", "Durchmesser %1: erlaubt sind %2 bis %3 cm"), w.vorgabe.durchmesser);
    zahl(kKleben, 0, poster::kKlebenMax,
        QT_TRANSLATE_NOOP("Kommandozeile", "Klebestreifen %1: erlaubt sind %2 bis %3 cm"), w.vorgabe.kleben);
    zahl(kRand, blatt::kPdfRandMm, poster::kRandMax,
        QT_TRANSLATE_NOOP("Kommandozeile", "Rand %1: erlaubt sind %2 bis %3 mm"), w.papier.marginMm);
    const std::optional<QPageSize::PageSizeId> papier = poster::papier(args.value(kPapier));
    if (w.fehler.isEmpty() && !papier)
        w.fehler = Kommandozeile::tr("unbekanntes Papier %1: A4, A3, Letter oder Legal").arg(args.value(kPapier));
    w.papier.size = papier.value_or(QPageSize::A4);
    return w;
}

// A number as the command line takes it: with a point, finite.
std::optional<double> endlicheZahl(const QString& text)
{
    bool zahl = false;
    const double v = QLocale::c().toDouble(text, &zahl);
    if (!zahl || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// The net from the options and the design read, or the reason it cannot be made.
struct NetzWahl {
    std::optional<netz::Netz> netz;
    faltnetz::Angaben angaben;
    QPageSize::PageSizeId papier = QPageSize::A4;
    QString fehler;
};

std::optional<double> zahlIn(const QCommandLineParser& args, const QString& option, double min, double max)
{
    const std::optional<double> v = endlicheZahl(args.value(option));
    if (v && *v >= min && *v <= max)
        return v;
    return std::nullopt;
}

// What the net and the solid both take: the folded star's size, the height
// of its peaks and the halves, or the reason they cannot be taken. wofuer
// is the option that needs them.
struct Faltmass {
    double durchmesser = 0;
    double hoehe = 0;
    int haelften = 2;
    QString fehler;
};

Faltmass faltmass(const QCommandLineParser& args, const frmPelox& w, const QString& wofuer)
{
    Faltmass m;
    m.durchmesser = w.AussenDurchmesser;
    const QString haelften = args.value(kHaelften);
    if (args.isSet(kDurchmesser)) {
        const std::optional<double> d = zahlIn(args, kDurchmesser, netz::kDurchmesserMin, netz::kDurchmesserMax);
        if (!d) {
            m.fehler = Kommandozeile::tr("Durchmesser %1: erlaubt sind 5 bis 100 cm").arg(args.value(kDurchmesser));
            return m;
        }
        m.durchmesser = *d;
    }
    if (!args.isSet(kSpitze)) {
        m.fehler = Kommandozeile::tr("%1 braucht --peak CM oder --peak natural").arg(wofuer);
    } else if (haelften != QLatin1String("1") && haelften != QLatin1String("2")) {
        m.fehler = Kommandozeile::tr("Hälften %1: 1 oder 2").arg(haelften);
    } else if (args.value(kSpitze) == QLatin1String("natural")) {
        const std::optional<double> h = netz::natuerlicheHoehe(poster::skaliert(w, m.durchmesser));
        if (!h)
            m.fehler = Kommandozeile::tr("Dieser Stern hat keine natürliche Höhe: bei keiner Höhe der Spitze "
                                         "ergeben die Winkel einer Hälfte genau 360°");
        m.hoehe = h.value_or(0);
    } else {
        const std::optional<double> h = zahlIn(args, kSpitze, 0.1, m.durchmesser);
        if (!h)
            m.fehler
                = Kommandozeile::tr("Höhe der Spitze %1: erlaubt sind 0.1 cm bis zum Durchmesser (%2 cm) oder natural")
                      .arg(args.value(kSpitze), QString::number(m.durchmesser));
        m.hoehe = h.value_or(0);
    }
    m.haelften = haelften.toInt();
    return m;
}

NetzWahl netzWahl(const QCommandLineParser& args, const frmPelox& w)
{
    NetzWahl n;
    const Faltmass m = faltmass(args, w, QStringLiteral("--net"));
    netz::Vorgabe v;
    const std::optional<double> lasche = zahlIn(args, kLasche, netz::kLascheMin, netz::kLascheMax);
    const QString wenigste = args.value(kWenigste);
    const std::optional<QPageSize::PageSizeId> papier = poster::papier(args.value(kPapier));
    if (!m.fehler.isEmpty())
        n.fehler = m.fehler;
    else if (!lasche)
        n.fehler = Kommandozeile::tr("Laschen %1: erlaubt sind 0.5 bis 2 cm").arg(args.value(kLasche));
    else if (wenigste != QLatin1String("pieces") && wenigste != QLatin1String("sheets"))
        n.fehler = Kommandozeile::tr("--fewest %1: pieces oder sheets").arg(wenigste);
    else if (!papier)
        n.fehler = Kommandozeile::tr("unbekanntes Papier %1: A4, A3, Letter oder Legal").arg(args.value(kPapier));
    if (!n.fehler.isEmpty())
        return n;
    v.hoehe = m.hoehe;
    v.lasche = *lasche;
    v.haelften = m.haelften;
    v.ziel = wenigste == QLatin1String("sheets") ? netz::Ziel::WenigeBlaetter : netz::Ziel::WenigeTeile;
    n.papier = *papier;
    const QSizeF blatt = frmPelox::NetzPapier(n.papier);
    v.blattBreite = blatt.width();
    v.blattHoehe = blatt.height();
    netz::Ergebnis e = w.Faltnetz(m.durchmesser, v);
    if (!e.netz) {
        n.fehler = sprache::text(e.grund);
        return n;
    }
    // What the net leaves to the user's care is said, and the net written.
    for (const Phrase& h : e.netz->hinweise)
        std::fprintf(stderr, "pelox: %s\n", qPrintable(sprache::text(h)));
    n.netz = std::move(e.netz);
    n.angaben = w.NetzAngaben(m.durchmesser);
    return n;
}

// The solid from the options and the design read: the file's bytes, or
// none with the reason.
netz::Stl stlWahl(const QCommandLineParser& args, const frmPelox& w)
{
    const Faltmass m = faltmass(args, w, QStringLiteral("--stl"));
    if (!m.fehler.isEmpty())
        return {{}, Phrase(m.fehler.toStdString())};
    const netz::Gefaltet g = netz::falten(poster::skaliert(w, m.durchmesser), m.hoehe);
    if (!g.koerper)
        return {{}, g.grund};
    return netz::stlDatei(*g.koerper, m.haelften);
}

int writeFiles(const QCommandLineParser& args, const QString& design)
{
    ConsoleMessages messages;
    const PosterWahl poster = posterWahl(args);
    if (args.isSet(kPoster) && !poster.fehler.isEmpty()) {
        messages.show(poster.fehler, {}, 0);
        return 2;
    }
    QtFileDialog unusedDialog(nullptr);
    QtSettings settings;
    QtPrinter printer(settings);
    frmPelox w(Ports{unusedDialog, messages, printer, settings});
    w.DateiPfad = QFileInfo(design).absoluteFilePath().toStdString();
    w.DateiLesen();
    if (messages.shown > 0)
        return 1;
    // As in the window, a star spread over two sheets has no picture; say so
    // before anything is written.
    const bool bild = args.isSet(kBmp);
    if (bild && w.chkZweiA4->isChecked()) {
        messages.show(
            Kommandozeile::tr(" Ein Pelox auf zwei A4-Blättern kann nicht als Bild gespeichert werden !! "), {}, 0);
        return 1;
    }
    // The net is made before anything is written, so that a refused one
    // leaves no file behind.
    NetzWahl netz;
    if (args.isSet(kNetz) || args.isSet(kNetzSvg)) {
        netz = netzWahl(args, w);
        if (!netz.netz) {
            messages.show(netz.fehler, {}, 0);
            return 2;
        }
    }
    netz::Stl stl;
    if (args.isSet(kStl)) {
        stl = stlWahl(args, w);
        if (stl.daten.empty()) {
            messages.show(sprache::text(stl.grund), {}, 0);
            return 2;
        }
    }
    if (args.isSet(kPdf) && !(w.PdfPasst() && w.PdfSchreiben(args.value(kPdf))))
        return 1;
    if (args.isSet(kSvg) && !w.SvgSchreiben(args.value(kSvg)))
        return 1;
    if (args.isSet(kPoster) && !w.PosterPdfSchreiben(args.value(kPoster), poster.vorgabe, poster.papier))
        return 1;
    if (args.isSet(kNetz) && !w.NetzPdfSchreiben(args.value(kNetz), *netz.netz, netz.angaben, netz.papier))
        return 1;
    if (args.isSet(kNetzSvg) && !w.NetzSvgSchreiben(args.value(kNetzSvg), *netz.netz, netz.angaben))
        return 1;
    if (args.isSet(kStl) && !w.StlSchreiben(args.value(kStl), stl.daten))
        return 1;
    if (bild) {
        if (!w.BildGrösseRechnen())
            return 1;
        w.SpeichernZeichnen();
        if (!w.BildSchreiben(args.value(kBmp)))
            return 1;
    }
    return 0;
}

enum class Gefragt { Fenster, OhneFenster, Offen };

// What the arguments ask for. Arguments the parser does not know may be Qt's
// own (-style, -platform), which the application takes before the parser
// sees them again; until then it is open.
Gefragt gefragt(const QStringList& arguments)
{
    QCommandLineParser args;
    const Optionen o = beschreiben(args);
    if (!args.parse(arguments))
        return Gefragt::Offen;
    return dateienSchreiben(args) || args.isSet(kEinmessblatt) || args.isSet(o.hilfe) || args.isSet(o.version)
        ? Gefragt::OhneFenster
        : Gefragt::Fenster;
}

// Counted down once the application has made its platform; runPelox runs
// once in a process.
std::latch plattformDa(1);

} // namespace

bool ohneFenster(const QStringList& arguments)
{
    return gefragt(arguments) == Gefragt::OhneFenster;
}

int runPelox(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // The platform is chosen when the application is made, so whether a
    // display is needed is decided before.
    const Gefragt art = gefragt(arguments);
    const bool fenster = art == Gefragt::Fenster;
    if (art == Gefragt::OhneFenster && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (fenster)
        skipHopelessBusLaunch();

    // fontconfig reads its configuration, some fifty XML files, the first time
    // a font is needed, which takes about as long as connecting to the display:
    // it is read on a second thread meanwhile. For the window, the same thread
    // then draws the window icon and fills Qt's font database, once the
    // application has its platform, while the application is finished and the
    // window begun.
    qAddPreRoutine([] { plattformDa.count_down(); });
    std::jthread vorarbeit([fenster] {
        FcInit();
        if (!fenster)
            return;
        plattformDa.wait();
        drawIconAhead();
        QFontDatabase::families();
    });
    QApplication app(argc, argv);
    // The thread uses the application, so it ends first, on every way out;
    // without the window the parser may end the program at once (the help,
    // a wrong option), so it ends before the parser runs.
    const auto vorarbeitEnde = qScopeGuard([&vorarbeit] {
        if (vorarbeit.joinable())
            vorarbeit.join();
    });
    if (!fenster)
        vorarbeit.join();
    QApplication::setApplicationName(QStringLiteral("pelox"));
    QApplication::setApplicationVersion(QStringLiteral("1.7"));
    // German on a German desktop or none, English elsewhere; Qt's own
    // dialogs follow.
    sprache::laden(app, sprache::desktop());

    QCommandLineParser args;
    beschreiben(args);
    args.process(app);

    const QStringList designs = args.positionalArguments();
    if (designs.size() > 1) {
        std::fprintf(stderr, "pelox: %s\n", qPrintable(Kommandozeile::tr("nur eine Pelox-Datei angeben")));
        return 2;
    }
    if (args.isSet(kEinmessblatt)) {
        const QString pfad = args.value(kEinmessblatt);
        if (!EinmessblattSchreiben(pfad)) {
            std::fprintf(stderr, "pelox: %s\n",
                qPrintable(Kommandozeile::tr("Die Datei %1 konnte nicht gespeichert werden").arg(pfad)));
            return 1;
        }
        if (!dateienSchreiben(args))
            return 0;
    }
    if (dateienSchreiben(args)) {
        if (designs.isEmpty()) {
            std::fprintf(stderr, "pelox: %s\n",
                qPrintable(
                    Kommandozeile::tr("--pdf, --svg, --bmp, --poster, --net und --stl brauchen eine Pelox-Datei")));
            return 2;
        }
        return writeFiles(args, designs.constFirst());
    }

    app.setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QtFileDialog fileDialog(nullptr);
    QtMessageBox messageBox(nullptr);
    QtSettings settings;
    QtPrinter printer(settings);
    frmPelox window(Ports{fileDialog, messageBox, printer, settings});
    window.show();
    if (!designs.isEmpty()) {
        window.DateiPfad = QFileInfo(designs.constFirst()).absoluteFilePath().toStdString();
        window.DateiLesen();
    }
    return app.exec();
}
