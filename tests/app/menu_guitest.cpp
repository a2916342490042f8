// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/dateitest.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>

using PictureMenu = DateiTest;

TEST_F(PictureMenu, RightClickOpensTheMenuAndMovesNothing)
{
    const auto radien = w->Radius;
    move(w->picPelox, sx(1), sy(1));
    move(w->picPelox, sx(1) + 5, sy(1), 2);
    const QPoint pos(int(sx(1)), int(sy(1)));
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, w->picPelox->mapToGlobal(pos));
    QApplication::sendEvent(w->picPelox, &event);
    EXPECT_TRUE(w->mnuBild->isVisible());
    QStringList eintraege;
    for (const QAction* a : w->mnuBild->actions())
        eintraege << (a->isSeparator() ? QStringLiteral("-") : a->text() + (a->isEnabled() ? "" : " (aus)"));
    EXPECT_EQ(eintraege, (QStringList{"Rückgängig (aus)", "Wiederholen (aus)", "-", "Als PDF speichern …",
                             "Als SVG speichern …", "Als DXF speichern …", "Nur Schnittlinien", "-", "Auf mehreren Blättern drucken …", "Faltstern …", "Sternbogen …",
                             "Prüfmaß mitdrucken", "Drucker einmessen …"}));
    w->mnuBild->hide();
    EXPECT_EQ(w->Radius, radien);
}

TEST_F(PictureMenu, SavesThroughTheDialogAndNeverLeavesAHalfFile)
{
    const QString svg = pfad("stern.svg");
    fileDialog.answers = {svg};
    w->mnuSvgSpeichern->trigger();
    ASSERT_EQ(fileDialog.shown.size(), 1u);
    EXPECT_TRUE(fileDialog.shown[0].save);
    EXPECT_EQ(fileDialog.shown[0].request.fileName, QDir::currentPath() + "/Pelox_1.svg");
    EXPECT_EQ(fileDialog.shown[0].request.filter, "SVG-Dateien (*.svg)|*.svg|Alle Dateien (*.*)|*.*|");
    EXPECT_EQ(fileDialog.shown[0].request.flags & 2, 2);
    EXPECT_TRUE(inhalt(svg).contains("width=\"19.6cm\""));
    EXPECT_EQ(w->lblDateiName->text(), "");  // an export is not the design's file

    // A folder that is a plain file cannot hold anything, not even for root.
    schreibe(pfad("sperre"), {});
    for (QAction* aktion : {w->mnuSvgSpeichern, w->mnuPdfSpeichern, w->mnuDxfSpeichern}) {
        messageBox.shown.clear();
        const QString ziel = pfad("sperre/stern.x");
        fileDialog.answers = {ziel};
        aktion->trigger();
        ASSERT_EQ(messageBox.shown.size(), 1u);
        EXPECT_EQ(messageBox.shown[0].title, "Speichern nicht möglich !!");
        EXPECT_TRUE(messageBox.shown[0].text.contains(ziel));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 2);

    // The DXF beside it, in millimetres.
    fileDialog.answers = {pfad("stern.dxf")};
    w->mnuDxfSpeichern->trigger();
    // The dialog starts in the folder the last export was asked for.
    EXPECT_EQ(fileDialog.shown.back().request.fileName, pfad("sperre/Pelox_1.dxf"));
    EXPECT_EQ(fileDialog.shown.back().request.filter, "DXF-Dateien (*.dxf)|*.dxf|Alle Dateien (*.*)|*.*|");
    EXPECT_TRUE(inhalt(pfad("stern.dxf")).contains("$INSUNITS\n 70\n4\n"));
    EXPECT_EQ(w->lblDateiName->text(), "");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 3);

    // A cancel writes nothing.
    fileDialog.answers = {QString()};
    w->mnuPdfSpeichern->trigger();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 3);
}
