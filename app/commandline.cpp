// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: with no arguments the window as always; a design file to
// open in it; or a design written to files without a window. Which options
// there are and what they take is the table in app/optionen.cpp.
#include "app/commandline.h"

#include "app/calibration.h"
#include "app/frmpelox.h"
#include "app/optionen.h"
#include "bogen/zeichnen.h"
#include "platform/artwork.h"
#include "platform/pdffile.h"
#include "platform/qtports.h"
#include "platform/qtprinter.h"
#include "platform/sessionbus.h"
#include "platform/settings.h"
#include "platform/sprache.h"
#include "net/netz.h"
#include "net/stl.h"
#include "net/zeichnen.h"
#include "print/faltnetz.h"
#include "print/poster.h"
#include "print/sternbogen.h"
#include "render/umrisszeichnung.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QFontDatabase>
#include <QScopeGuard>
#include <QStyleFactory>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fontconfig/fontconfig.h>
#include <latch>
#include <thread>
#include <unistd.h>
#include <tuple>

namespace {

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

using namespace kommandozeile;

const QString kDurchmesser = QStringLiteral("diameter");
const QString kPapier = QStringLiteral("paper");
const QString kRand = QStringLiteral("margin");
const QString kNurSchnitt = QStringLiteral("cut-only");
const QString kFalze = QStringLiteral("folds");

// The paper the options name; the table took only names it knows.
QPageSize papier(const Auftrag& a)
{
    return poster::papier(a.wert(kPapier)).value_or(QPageSize(QPageSize::A4));
}

// The net from the options and the design read, or the reason it cannot be made.
struct NetzWahl {
    std::optional<netz::Netz> netz;
    faltnetz::Angaben angaben;
    QString fehler;
};

// What the net and the solid both take: the folded star's size and the
// height of its peaks, or the reason they cannot be taken.
struct Faltmass {
    double durchmesser = 0;
    double hoehe = 0;
    QString fehler;
};

Faltmass faltmass(const Auftrag& a, const frmPelox& w)
{
    Faltmass m;
    m.durchmesser = a.gesetzt(kDurchmesser) ? a.zahl(kDurchmesser) : w.AussenDurchmesser;
    const PeloxState stern = poster::skaliert(w, m.durchmesser);
    const Spitze s = spitze(a.wert(QStringLiteral("peak")), stern);
    m.fehler = s.fehler;
    if (s.hoehe) {
        m.hoehe = *s.hoehe;
    } else if (m.fehler.isEmpty()) {
        const std::optional<double> h = netz::natuerlicheHoehe(stern);
        if (!h)
            m.fehler = Kommandozeile::tr("Dieser Stern hat keine natürliche Höhe: bei keiner Höhe der Spitze "
                                         "ergeben die Winkel einer Hälfte genau 360°");
        m.hoehe = h.value_or(0);
    }
    return m;
}

// The paper of the files laid out on sheets (the net, the sheets of stars)
// with the margin the options give it.
PdfPaper dateiPapier(const Auftrag& a)
{
    PdfPaper p{papier(a)};
    if (a.gesetzt(kRand))
        p.marginMm = a.zahl(kRand);
    return p;
}

// What the drawings for cutting hold and how their folds are made.
zeichnung::Umfang umfang(const Auftrag& a)
{
    zeichnung::Umfang u;
    u.nurSchnitt = a.gesetzt(kNurSchnitt);
    if (!a.gesetzt(kFalze))
        return u;
    const QString falze = a.wert(kFalze);
    u.falze.art = falze == QLatin1String("perforate") ? zeichnung::Falzart::Perforieren
        : falze == QLatin1String("none")              ? zeichnung::Falzart::Keine
                                                      : zeichnung::Falzart::Ritzen;
    std::tie(u.falze.schnitt, u.falze.luecke) = a.paar(QStringLiteral("perforation"));
    return u;
}

int haelften(const Auftrag& a)
{
    return a.wert(QStringLiteral("halves")).toInt();
}

// The lantern the options ask for: colours, labels, windows, opening, hanger.
void laterne(const Auftrag& a, netz::Vorgabe& v)
{
    const QString farbe = QStringLiteral("colour"), rahmen = QStringLiteral("windows"),
                  oeffnung = QStringLiteral("opening"), beschriftung = QStringLiteral("labels");
    v.farbig = a.gesetzt(farbe);
    if (v.farbig)
        v.farbe = *farben(a.wert(farbe));
    v.schattiert = a.gesetzt(QStringLiteral("shaded"));
    // Without a choice, the labels keep off a coloured outside.
    const bool laschen = a.gesetzt(beschriftung) ? a.wert(beschriftung) == QLatin1String("tabs") : v.farbig;
    v.beschriftung = laschen ? netz::Beschriftung::Laschen : netz::Beschriftung::Flaechen;
    if (a.gesetzt(rahmen)) {
        v.fensterRahmen = a.zahl(rahmen) / 10;
        v.fensterJedes = a.wert(QStringLiteral("windows-every")).toInt();
        v.einsaetze = a.gesetzt(QStringLiteral("inserts"));
    }
    if (a.gesetzt(oeffnung))
        v.oeffnung = a.zahl(oeffnung);
    v.aufhaenger = a.gesetzt(QStringLiteral("hanger"));
}

NetzWahl netzWahl(const Auftrag& a, const frmPelox& w)
{
    NetzWahl n;
    const Faltmass m = faltmass(a, w);
    if (!m.fehler.isEmpty()) {
        n.fehler = m.fehler;
        return n;
    }
    netz::Vorgabe v;
    v.hoehe = m.hoehe;
    v.lasche = a.zahl(QStringLiteral("tab"));
    v.haelften = haelften(a);
    v.ziel = a.wert(QStringLiteral("fewest")) == QLatin1String("sheets") ? netz::Ziel::WenigeBlaetter
                                                                        : netz::Ziel::WenigeTeile;
    v.kopien = int(a.zahl(QStringLiteral("copies")));
    const QSizeF blatt = dateiPapier(a).drawingArea();
    v.blattBreite = faltnetz::cm(blatt.width());
    v.blattHoehe = faltnetz::cm(blatt.height());
    laterne(a, v);
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
netz::Stl stlWahl(const Auftrag& a, const frmPelox& w)
{
    const Faltmass m = faltmass(a, w);
    if (!m.fehler.isEmpty())
        return {{}, Phrase(m.fehler.toStdString())};
    const netz::Gefaltet g = netz::falten(poster::skaliert(w, m.durchmesser), m.hoehe);
    if (!g.koerper)
        return {{}, g.grund};
    return netz::stlDatei(*g.koerper, haelften(a));
}

// The sheet of stars the options ask for, on the files' paper within their
// margin, or the reason there is none.
bogen::Ergebnis sternbogen(const Auftrag& a, const frmPelox& w)
{
    std::vector<bogen::Groesse> g;
    for (const auto& [durchmesser, anzahl] : groessen(a.wert(kDurchmesser), int(a.zahl(QStringLiteral("copies")))).liste)
        g.push_back({durchmesser, anzahl});
    const QSizeF bereich = dateiPapier(a).drawingArea();
    return bogen::auslegen(w, g, sternbogen::cm(bereich.width()), sternbogen::cm(bereich.height()),
        a.zahl(QStringLiteral("gap")) / 10);
}

int writeFiles(const Auftrag& a, const std::string& design)
{
    ConsoleMessages messages;
    QtFileDialog unusedDialog(nullptr);
    QtSettings settings;
    QtPrinter printer(settings);
    frmPelox w(Ports{unusedDialog, messages, printer, settings});
    w.DateiPfad = design;
    w.DateiLesen();
    if (messages.shown > 0)
        return 1;
    // As in the window, a star spread over two sheets has no picture; say so
    // before anything is written.
    if (a.gilt(kBmp) && w.chkZweiA4->isChecked()) {
        messages.show(
            Kommandozeile::tr(" Ein Pelox auf zwei A4-Blättern kann nicht als Bild gespeichert werden !! "), {}, 0);
        return 1;
    }
    // The net is made before anything is written, so that a refused one
    // leaves no file behind.
    NetzWahl netz;
    if (a.gilt(kNetz) || a.gilt(kNetzSvg) || a.gilt(kNetzDxf)) {
        netz = netzWahl(a, w);
        if (!netz.netz) {
            messages.show(netz.fehler, {}, 0);
            return 2;
        }
    }
    std::optional<bogen::Bogen> sterne;
    if (a.gilt(kBogen) || a.gilt(kBogenSvg) || a.gilt(kBogenDxf)) {
        bogen::Ergebnis e = sternbogen(a, w);
        if (!e.bogen) {
            messages.show(sprache::text(e.grund), {}, 0);
            return 2;
        }
        sterne = std::move(e.bogen);
    }
    netz::Stl stl;
    if (a.gilt(kStl)) {
        stl = stlWahl(a, w);
        if (stl.daten.empty()) {
            messages.show(sprache::text(stl.grund), {}, 0);
            return 2;
        }
    }
    const bool nurSchnitt = a.gesetzt(kNurSchnitt);
    if (a.gilt(kPdf) && nurSchnitt) {
        PdfPaper seite;
        if (a.gesetzt(kRand))
            seite.marginMm = a.zahl(kRand);
        if (!w.SchnittPdfSchreiben(a.datei(kPdf), umrissZeichnung(w, false, true), seite))
            return 1;
    } else if (a.gilt(kPdf) && !(w.PdfPasst() && w.PdfSchreiben(a.datei(kPdf)))) {
        return 1;
    }
    if (a.gilt(kSvg) && !w.SvgSchreiben(a.datei(kSvg)))
        return 1;
    if (a.gilt(kPoster)) {
        const poster::Vorgabe vorgabe{a.zahl(kDurchmesser), a.zahl(QStringLiteral("glue"))};
        PdfPaper blatt{papier(a)};
        blatt.marginMm = a.zahl(QStringLiteral("margin"));
        if (!w.PosterPdfSchreiben(a.datei(kPoster), vorgabe, blatt))
            return 1;
    }
    if (netz.netz) {
        const zeichnung::Zeichnung z = netz::zeichnen(*netz.netz, umfang(a), netz.angaben.name.toStdString());
        if (a.gilt(kNetz)
            && !(nurSchnitt ? w.SchnittPdfSchreiben(a.datei(kNetz), z, dateiPapier(a))
                            : w.NetzPdfSchreiben(a.datei(kNetz), *netz.netz, netz.angaben, dateiPapier(a))))
            return 1;
        if (a.gilt(kNetzSvg) && !w.ZeichnungSchreiben(a.datei(kNetzSvg), z, false))
            return 1;
        if (a.gilt(kNetzDxf) && !w.ZeichnungSchreiben(a.datei(kNetzDxf), z, true))
            return 1;
    }
    if (a.gilt(kDxf) && !w.DxfSchreiben(a.datei(kDxf), nurSchnitt))
        return 1;
    if (sterne) {
        const zeichnung::Zeichnung z = bogen::zeichnen(*sterne, nurSchnitt, w.EntwurfName().toStdString());
        if (a.gilt(kBogen)
            && !(nurSchnitt ? w.SchnittPdfSchreiben(a.datei(kBogen), z, dateiPapier(a))
                            : w.SternbogenPdfSchreiben(a.datei(kBogen), *sterne, dateiPapier(a))))
            return 1;
        if (a.gilt(kBogenSvg) && !w.ZeichnungSchreiben(a.datei(kBogenSvg), z, false))
            return 1;
        if (a.gilt(kBogenDxf) && !w.ZeichnungSchreiben(a.datei(kBogenDxf), z, true))
            return 1;
    }
    if (a.gilt(kStl) && !w.StlSchreiben(a.datei(kStl), stl.daten))
        return 1;
    if (a.gilt(kBmp)) {
        if (!w.BildGrösseRechnen())
            return 1;
        w.SpeichernZeichnen();
        if (!w.BildSchreiben(a.datei(kBmp)))
            return 1;
    }
    return 0;
}

void melden(const QString& text)
{
    std::fprintf(stderr, "pelox: %s\n", qPrintable(text));
}

enum class Gefragt { Fenster, OhneFenster, Offen };

// What the arguments ask for. Arguments the parser does not know may be Qt's
// own (-style, -platform), which the application takes before the parser
// sees them again; until then it is open. Help and arguments refused need no
// window either.
Gefragt gefragt(const QStringList& arguments)
{
    QCommandLineParser args;
    beschreiben(args);
    if (!args.parse(arguments))
        return Gefragt::Offen;
    const Auftrag a = pruefen(args);
    return a.dateien.empty() && !a.hilfe && a.fehler.isEmpty() ? Gefragt::Fenster : Gefragt::OhneFenster;
}

// Whether Qt would find no display to open its platform on: it would end
// the program at once, before a word of help or of the reason.
bool keinBildschirm()
{
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Counted down once the application has made its platform; runPelox runs
// once in a process.
std::latch plattformDa(1);

} // namespace

bool ohneFenster(const QStringList& arguments)
{
    return gefragt(arguments) == Gefragt::OhneFenster;
}

namespace {

// The design's absolute path as the file system spells it: the argument's
// own bytes, which a name that is not UTF-8 would lose on its way through
// the parser's text.
std::string designPfad(const QString& design, int argc, char** argv)
{
    std::string roh = design.toLocal8Bit().toStdString();
    for (int i = 1; i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]) == design)
            roh = argv[i];
    }
    if (roh.starts_with('/'))
        return roh;
    std::string hier(PATH_MAX, '\0');
    if (!getcwd(hier.data(), hier.size()))
        return QFileInfo(design).absoluteFilePath().toStdString();
    hier.resize(std::strlen(hier.c_str()));
    return hier + '/' + roh;
}

} // namespace

int runPelox(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // The platform is chosen when the application is made, so whether a
    // display is needed is decided before. Without one, the parser's help
    // and its reasons are given on the offscreen platform.
    const Gefragt art = gefragt(arguments);
    const bool ohneBildschirm = keinBildschirm();
    const bool fenster = art == Gefragt::Fenster && !ohneBildschirm;
    if (art == Gefragt::OhneFenster || ohneBildschirm)
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
    const Auftrag a = pruefen(args);
    if (!a.fehler.isEmpty()) {
        melden(a.fehler);
        return 2;
    }
    if (!a.dateien.empty()) {
        // The sheet, which needs no design, comes last, so that a design
        // refused leaves no file at all.
        const int status = a.design.isEmpty() ? 0 : writeFiles(a, designPfad(a.design, argc, argv));
        if (status != 0 || !a.gilt(kEinmessblatt))
            return status;
        if (!EinmessblattSchreiben(a.datei(kEinmessblatt))) {
            melden(Kommandozeile::tr("Die Datei %1 konnte nicht gespeichert werden").arg(a.datei(kEinmessblatt)));
            return 1;
        }
        return 0;
    }
    // The platform chosen for want of a display shows nothing; a platform
    // named on the command line is the user's to choose.
    if (ohneBildschirm && !arguments.contains(QLatin1String("-platform"))
        && !arguments.contains(QLatin1String("--platform"))) {
        melden(Kommandozeile::tr("Das Fenster braucht einen Bildschirm: DISPLAY und WAYLAND_DISPLAY sind leer"));
        return 1;
    }

    app.setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QtFileDialog fileDialog(nullptr);
    QtMessageBox messageBox(nullptr);
    QtSettings settings;
    QtPrinter printer(settings);
    frmPelox window(Ports{fileDialog, messageBox, printer, settings});
    window.show();
    if (!a.design.isEmpty()) {
        window.DateiPfad = designPfad(a.design, argc, argv);
        window.DateiLesen();
    }
    return app.exec();
}
