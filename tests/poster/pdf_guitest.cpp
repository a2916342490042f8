// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The poster's PDF from the command line, read back: the check scale on the
// map and on every sheet, inner ones too, with no line of the star on it,
// and every word inside the margin asked for, in German and in English.
#include "support/dateitest.h"
#include "support/pdfseiten.h"
#include "support/program.h"
#include "support/sprachlauf.h"

#include <QFileInfo>

namespace {

using PosterPdf = DateiTest;

} // namespace

// The start-up star at 60 cm has sheets in the middle that its spokes cross
// in every corner. The widest margin with a long file name, whose lines
// must wrap, in both languages; every paper, no glue strip and the widest.
TEST_F(PosterPdf, EveryPageCarriesTheCheckScaleAndEveryWordStaysInsideTheMargin)
{
    w->optPeloxForm[1]->click();
    const QString lang = pfad("ein Stern mit einem recht langen Namen, der kaum auf eine Zeile passt.plx");
    speichere(lang);
    const struct {
        QString datei;
        QStringList optionen;
        double randMm;
        const Sprache& sprache;
    } faelle[] = {
        {lang, {"--diameter", "60", "--margin", "30"}, 30, kDeutsch},
        {lang, {"--diameter", "60", "--margin", "30"}, 30, kEnglisch},
        {lang, {"--diameter", "45", "--margin", "27", "--paper", "Letter", "--glue", "0"}, 27, kEnglisch},
        {beispiel("weihnachtsstern"), {"--diameter", "90", "--paper", "A3", "--glue", "3"}, 6.35, kDeutsch},
        {beispiel("sonne"), {"--diameter", "50", "--paper", "Legal", "--margin", "15"}, 15, kEnglisch},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE((QFileInfo(f.datei).fileName() + ' ' + f.optionen.join(' ') + ' ' + f.sprache.lang).toStdString());
        const QString pdf = pfad("poster.pdf");
        ASSERT_EQ(pelox(f.sprache, QStringList{"--poster", pdf} + f.optionen + QStringList{f.datei}), 0);
        const std::vector<PdfSeite> seiten = pdfSeiten(pdf);
        ASSERT_GE(seiten.size(), 5u);
        for (std::size_t i = 0; i < seiten.size(); ++i)
            pruefeSeite(pdf, int(i) + 1, seiten[i], f.randMm, f.sprache.erstesWort);
    }
}
