// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: with no arguments the window as always; a design file to
// open in it; or a design written to PDF, SVG or bitmap without a window.
#include "app/commandline.h"

#include "app/frmpelox.h"
#include "platform/qtports.h"
#include "platform/qtprinter.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdio>
#include <cstring>
#include <fontconfig/fontconfig.h>
#include <thread>

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
};

bool hasOption(int argc, char** argv, std::initializer_list<const char*> options)
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : options)
            if (std::strncmp(argv[i], option, std::strlen(option)) == 0)
                return true;
    return false;
}

int writeFiles(const QCommandLineParser& args, const QString& design)
{
    ConsoleMessages messages;
    QtFileDialog unusedDialog(nullptr);
    QtPrinter printer;
    frmPelox w(Ports{unusedDialog, messages, printer});
    w.DateiPfad = QFileInfo(design).absoluteFilePath().toStdString();
    w.DateiLesen();
    if (messages.shown > 0)
        return 1;
    // As in the window, a star spread over two sheets has no picture; say so
    // before anything is written.
    const bool bild = args.isSet(QStringLiteral("bmp"));
    if (bild && w.chkZweiA4->isChecked()) {
        messages.show(
            QStringLiteral(" Ein Pelox auf zwei A4-Blättern kann nicht als Bild gespeichert werden !! "), {}, 0);
        return 1;
    }
    if (args.isSet(QStringLiteral("pdf")) && !w.PdfSchreiben(args.value(QStringLiteral("pdf"))))
        return 1;
    if (args.isSet(QStringLiteral("svg")) && !w.SvgSchreiben(args.value(QStringLiteral("svg"))))
        return 1;
    if (bild) {
        w.BildGrösseRechnen();
        w.SpeichernZeichnen();
        if (!w.BildSchreiben(args.value(QStringLiteral("bmp"))))
            return 1;
    }
    return 0;
}

} // namespace

int runPelox(int argc, char** argv)
{
    // Files are written, and help and version told, without a display.
    const bool files = hasOption(argc, argv, {"--pdf", "--svg", "--bmp"});
    const bool noWindow = files || hasOption(argc, argv, {"-h", "--help", "-?", "-v", "--version"});
    if (noWindow && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // fontconfig reads its configuration, some fifty XML files, the first time
    // a font is needed, which takes about as long as connecting to the display:
    // it is read on a second thread meanwhile.
    std::jthread fontconfig(FcInit);
    QApplication app(argc, argv);
    fontconfig.join();
    QApplication::setApplicationName(QStringLiteral("pelox"));
    QApplication::setApplicationVersion(QStringLiteral("1.7"));
    // The program speaks German; so do Qt's own dialogs where translations exist.
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);

    QCommandLineParser args;
    args.setApplicationDescription(
        QStringLiteral("Sterne entwerfen und in Originalgröße drucken.\n"
                       "Ohne Datei öffnet sich das Fenster; mit einer Pelox-Datei (*.plx) öffnet es sie.\n"
                       "Mit --pdf, --svg oder --bmp wird die Datei ohne Fenster geschrieben."));
    args.addHelpOption();
    args.addVersionOption();
    args.addOption({QStringLiteral("pdf"), QStringLiteral("Den Ausdruck als PDF-Datei <datei> schreiben."),
        QStringLiteral("datei")});
    args.addOption({QStringLiteral("svg"), QStringLiteral("Den Umriss in Originalgröße als SVG-Datei <datei> schreiben."),
        QStringLiteral("datei")});
    args.addOption({QStringLiteral("bmp"), QStringLiteral("Das Bild des Sterns als Bitmap-Datei <datei> schreiben."),
        QStringLiteral("datei")});
    args.addPositionalArgument(QStringLiteral("pelox-datei"), QStringLiteral("Die Pelox-Datei (*.plx)."),
        QStringLiteral("[pelox-datei]"));
    args.process(app);

    const QStringList designs = args.positionalArguments();
    if (designs.size() > 1) {
        std::fprintf(stderr, "pelox: nur eine Pelox-Datei angeben\n");
        return 2;
    }
    if (files) {
        if (designs.isEmpty()) {
            std::fprintf(stderr, "pelox: --pdf, --svg und --bmp brauchen eine Pelox-Datei\n");
            return 2;
        }
        return writeFiles(args, designs.constFirst());
    }

    app.setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QtFileDialog fileDialog(nullptr);
    QtMessageBox messageBox(nullptr);
    QtPrinter printer;
    frmPelox window(Ports{fileDialog, messageBox, printer});
    window.show();
    if (!designs.isEmpty()) {
        window.DateiPfad = QFileInfo(designs.constFirst()).absoluteFilePath().toStdString();
        window.DateiLesen();
    }
    return app.exec();
}
