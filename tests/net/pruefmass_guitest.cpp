// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The net's PDF from the command line, read back: the check scale on every
// page, in German and in English, with nothing of the net on it.
#include "support/dateitest.h"
#include "support/pdfseiten.h"
#include "support/program.h"

#include "paper/blatt.h"

#include <QFileInfo>

namespace {

struct Sprache {
    const char* lang;
    QString erstesWort;
};

const Sprache kDeutsch{"de_DE.UTF-8", QStringLiteral("Prüfmaß:")};
const Sprache kEnglisch{"en_US.UTF-8", QStringLiteral("Check")};

int pelox(const Sprache& s, const QStringList& args)
{
    return starte(QStringLiteral(PELOX_PROGRAM), args,
        {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}, {"LANGUAGE", ""}, {"LC_ALL", ""},
            {"LC_MESSAGES", ""}, {"LANG", s.lang}})
        .status;
}

QString beispiel(const QString& name)
{
    return QFileInfo(QStringLiteral(PELOX_PROGRAM)).absolutePath() + QStringLiteral("/share/pelox/examples/")
        + name + QStringLiteral(".plx");
}

using NetzPruefmass = DateiTest;

} // namespace

// Examples on every paper, with few sheets and with few pieces, narrow and
// wide tabs: the pieces take the top corners and the legend runs along the
// whole bottom; the scale keeps its corner all the same.
TEST_F(NetzPruefmass, EveryPageOfTheNetCarriesTheCheckScaleWithNothingOnIt)
{
    speichere(pfad("start.plx"));
    const struct {
        QString datei;
        QStringList optionen;
        const Sprache& sprache;
    } faelle[] = {
        {pfad("start.plx"), {"--peak", "1", "--tab", "2"}, kDeutsch},
        {pfad("start.plx"), {"--peak", "3.8", "--fewest", "sheets", "--tab", "0.5", "--paper", "Letter"}, kEnglisch},
        {beispiel("sonne"), {"--peak", "1.5", "--paper", "Legal"}, kDeutsch},
        {beispiel("blume"), {"--peak", "2", "--halves", "1", "--paper", "A3"}, kEnglisch},
        {beispiel("kompassrose"), {"--peak", "2", "--fewest", "sheets"}, kDeutsch},
        {beispiel("weihnachtsstern"), {"--peak", "natural", "--paper", "Letter"}, kEnglisch},
        {beispiel("bethlehemstern"), {"--peak", "0.5", "--halves", "1"}, kDeutsch},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE((f.datei + ' ' + f.optionen.join(' ')).toStdString());
        const QString pdf = pfad("netz.pdf");
        ASSERT_EQ(pelox(f.sprache, QStringList{"--net", pdf} + f.optionen + QStringList{f.datei}), 0);
        const std::vector<PdfSeite> seiten = pdfSeiten(pdf);
        ASSERT_GE(seiten.size(), 2u);
        for (std::size_t i = 0; i < seiten.size(); ++i)
            pruefeSeite(pdf, int(i) + 1, seiten[i], blatt::kPdfRandMm, f.sprache.erstesWort);
    }
}
