// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window as an editor: every change one step back and forth, the changed
// marker and the question before it is lost, dropped files and shortcuts.
#include "support/dateitest.h"

#include <QApplication>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <functional>

namespace {

class Bearbeiten : public DateiTest {
protected:
    // The design as a saved file, and what the window shows of it.
    struct Stand {
        QByteArray datei;
        QImage stern;
        QImage kurve;
        QString werte;
        bool operator==(const Stand&) const = default;
    };

    Stand stand()
    {
        return {gespeichert(), w->picPelox->image(), w->picKurvenForm->image(), w->lblKurvenWerte->text()};
    }

    void ziehe(double x, double y, double dx, double dy)
    {
        move(w->picPelox, x, y);
        for (int i = 1; i <= 4; ++i)
            move(w->picPelox, x + dx * i / 4, y + dy * i / 4, 1);
        move(w->picPelox, x + dx, y + dy);
    }

    void ablegen(const QString& datei)
    {
        QMimeData daten;
        daten.setUrls({QUrl::fromLocalFile(datei)});
        const QPoint wo(100, 100);
        QDragEnterEvent hinein(wo, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &hinein);
        ASSERT_TRUE(hinein.isAccepted());
        QDropEvent ablage(QPointF(wo), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        const std::size_t gefragt = messageBox.choiceAsked.size();
        const plx::Inhalt vorher = plx::ausZustand(*w);
        QApplication::sendEvent(w.get(), &ablage);
        // The drop itself returns at once, before any question or read.
        EXPECT_TRUE(ablage.isAccepted());
        EXPECT_EQ(messageBox.choiceAsked.size(), gefragt);
        EXPECT_TRUE(plx::ausZustand(*w) == vorher);
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST_F(Bearbeiten, EveryKindOfChangeIsOneStepThatUndoAndRedoTakeExactly)
{
    entwurf(false);
    speichere(pfad("anders.plx"));
    open();
    const std::pair<const char*, std::function<void()>> aenderungen[] = {
        {"Anzahl Spitzen", [&] {
             w->hsbAnzahl->setSliderDown(true);
             for (int v : {9, 10, 11})
                 w->hsbAnzahl->setSliderPosition(v);
             w->hsbAnzahl->setSliderDown(false);
         }},
        {"Aussen-Durchmesser", [&] {
             for (int i = 0; i < 3; ++i)
                 w->hsbAussen->triggerAction(QAbstractSlider::SliderSingleStepSub);
         }},
        {"Höhe", [&] { w->vsbYFaktor->triggerAction(QAbstractSlider::SliderPageStepSub); }},
        {"Höhe 100%", [&] { w->cmdSetFaktor->click(); }},
        {"Peloxform", [&] { w->optPeloxForm[1]->click(); }},
        {"Strichdicke", [&] { w->optStrichDicke[1]->click(); }},
        {"Ecke ziehen", [&] { ziehe(sx(3), sy(3), -12, -12); }},
        {"Kurve biegen", [&] { biege(2, w->KurveY2 - 300); }},
        {"Kurve aus", [&] { w->cmdKurveAus->click(); }},
        {"Rückstellen", [&] { w->cmdRückstellen->click(); }},
        {"Zwei A-4 Blätter", [&] { w->chkZweiA4->click(); }},
        {"Lesen", [&] { lese(pfad("anders.plx")); }},
    };
    for (const auto& [name, aendern] : aenderungen) {
        const Stand vorher = stand();
        const int schritte = w->Rueckgaengig->count();
        aendern();
        const Stand nachher = stand();
        ASSERT_EQ(w->Rueckgaengig->count(), schritte + 1) << name;
        ASSERT_NE(nachher.datei, vorher.datei) << name;
        EXPECT_EQ(w->mnuRueckgaengig->text(), QStringLiteral("Rückgängig: ") + QString::fromUtf8(name));
        w->mnuRueckgaengig->trigger();
        EXPECT_TRUE(stand() == vorher) << name;
        EXPECT_EQ(w->mnuWiederholen->text(), QStringLiteral("Wiederholen: ") + QString::fromUtf8(name));
        w->mnuWiederholen->trigger();
        EXPECT_TRUE(stand() == nachher) << name;
        EXPECT_FALSE(w->mnuWiederholen->isEnabled());
    }
    // A bar dragged away and back again leaves no step.
    const int schritte = w->Rueckgaengig->count();
    w->hsbInnen->setSliderDown(true);
    w->hsbInnen->setSliderPosition(w->hsbInnen->value() + 3);
    w->hsbInnen->setSliderPosition(w->hsbInnen->value() - 3);
    w->hsbInnen->setSliderDown(false);
    EXPECT_EQ(w->Rueckgaengig->count(), schritte);

    // Two drags of the same kind are two steps: corners let go in between,
    // a bar's thumb taken anew.
    ziehe(sx(5), sy(5), -10, -10);
    ziehe(sx(7), sy(7), -10, -10);
    EXPECT_EQ(w->Rueckgaengig->count(), schritte + 2);
    for (int v : {4, 3}) {
        w->hsbAnzahl->setSliderDown(true);
        w->hsbAnzahl->setSliderPosition(v);
        w->hsbAnzahl->setSliderDown(false);
    }
    EXPECT_EQ(w->Rueckgaengig->count(), schritte + 4);
}

TEST_F(Bearbeiten, ClosingAChangedStarAsksFirst)
{
    EXPECT_TRUE(w->windowTitle().endsWith("[*]"));
    EXPECT_FALSE(w->isWindowModified());
    w->cmdBeenden->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(messageBox.choiceAsked.empty());

    open();
    w->optPeloxForm[1]->click();
    EXPECT_TRUE(w->isWindowModified());
    // Cancel, then Yes with the save dialog cancelled, then Yes with a save
    // that fails: the window stays each time.
    schreibe(pfad("datei"), {});
    messageBox.choices = {MessageBoxPort::Answer::Cancel, MessageBoxPort::Answer::Yes, MessageBoxPort::Answer::Yes};
    fileDialog.answers = {QString(), pfad("datei/stern.plx")};
    for (int i = 0; i < 3; ++i) {
        w->cmdBeenden->click();
        EXPECT_TRUE(w->isVisible()) << i;
    }
    EXPECT_EQ(messageBox.choiceAsked.size(), 3u);
    EXPECT_EQ(messageBox.shown.size(), 1u);  // the failed save
    // Yes with a good name saves and ends.
    messageBox.choices = {MessageBoxPort::Answer::Yes};
    fileDialog.answers = {pfad("stern.plx")};
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(inhalt(pfad("stern.plx")).contains("\r\n1\r\n0\r\n0\r\n"));  // Drei-D, dünn, not pulled

    // Saved, then taken back: changed again. No ends without saving.
    open();
    w->optStrichDicke[1]->click();
    speichere(pfad("dick.plx"));
    EXPECT_FALSE(w->isWindowModified());
    w->mnuRueckgaengig->trigger();
    EXPECT_TRUE(w->isWindowModified());
    messageBox.choices = {MessageBoxPort::Answer::No};
    w->close();
    EXPECT_FALSE(w->isVisible());
}

TEST_F(Bearbeiten, DroppedFilesAreReadAsLesenReadsThemAndShortcutsClickTheButtons)
{
    entwurf(true);
    speichere(pfad("zwei.plx"));
    open();
    ablegen(pfad("zwei.plx"));
    EXPECT_TRUE(w->chkZweiA4->isChecked());
    EXPECT_EQ(w->lblDateiName->text(), pfad("zwei.plx"));
    EXPECT_FALSE(w->isWindowModified());
    EXPECT_EQ(w->mnuRueckgaengig->text(), QStringLiteral("Rückgängig: Lesen"));

    // A file that is no star file: the message, and nothing changes.
    schreibe(pfad("brief.txt"), "Lieber Stern,\r\n");
    const QByteArray vorher = gespeichert();
    ablegen(pfad("brief.txt"));
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_TRUE(messageBox.shown[0].text.contains("keine Pelox-Datei"));
    // Over a changed star the question comes first; Cancel reads nothing.
    w->hsbAnzahl->setValue(5);
    messageBox.choices = {MessageBoxPort::Answer::Cancel};
    ablegen(pfad("stand.plx"));
    EXPECT_EQ(messageBox.choiceAsked.size(), 1u);
    EXPECT_EQ(w->AnzahlSpitzen, 5);
    messageBox.choices = {MessageBoxPort::Answer::No};
    ablegen(pfad("stand.plx"));
    EXPECT_EQ(gespeichert(), vorher);

    // Ctrl+O, Ctrl+S and Ctrl+P click their buttons; Ctrl+Z, Ctrl+Shift+Z
    // and Ctrl+Y take steps back and forth.
    w->activateWindow();
    QApplication::setActiveWindow(w.get());
    QWindow* fenster = w->windowHandle();
    fileDialog.shown.clear();
    QTest::keyClick(fenster, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(fenster, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(fileDialog.shown.size(), 2u);
    EXPECT_FALSE(fileDialog.shown[0].save);
    EXPECT_TRUE(fileDialog.shown[1].save);
    const std::size_t auftraege = printer.jobs.size();
    messageBox.answers = {true};  // the pulled corner reaches beyond the sheet
    QTest::keyClick(fenster, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printer.jobs.size(), auftraege + 2);  // two sheets
    w->hsbAnzahl->setValue(7);
    QTest::keyClick(fenster, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w->AnzahlSpitzen, 11);
    QTest::keyClick(fenster, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w->AnzahlSpitzen, 7);
    QTest::keyClick(fenster, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(fenster, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(w->AnzahlSpitzen, 7);
}

TEST_F(Bearbeiten, TakingBackAReadPutsBackTheFileItBelongsTo)
{
    entwurf(false);
    speichere(pfad("b.plx"));
    open();
    speichere(pfad("a.plx"));
    ASSERT_FALSE(w->isWindowModified());
    lese(pfad("b.plx"));
    ASSERT_EQ(w->lblDateiName->text(), pfad("b.plx"));

    // A design read outside any step, as the command line reads it, is where
    // undo starts.
    open();
    w->DateiPfad = pfad("b.plx").toStdString();
    w->DateiLesen();
    EXPECT_EQ(w->Rueckgaengig->count(), 0);
    EXPECT_FALSE(w->isWindowModified());
    open();
    speichere(pfad("a.plx"));
    lese(pfad("b.plx"));

    // Back: the design of a.plx, its name, unchanged; the next save offers a.plx.
    w->mnuRueckgaengig->trigger();
    EXPECT_EQ(w->lblDateiName->text(), pfad("a.plx"));
    EXPECT_EQ(QString::fromStdString(w->DateiPfad), pfad("a.plx"));
    EXPECT_FALSE(w->isWindowModified());
    const QByteArray b = inhalt(pfad("b.plx"));
    fileDialog.shown.clear();
    fileDialog.answers = {QString()};
    w->cmdDatenSpeichern->click();
    ASSERT_EQ(fileDialog.shown.size(), 1u);
    EXPECT_EQ(fileDialog.shown[0].request.fileName, pfad("a.plx"));
    EXPECT_EQ(inhalt(pfad("b.plx")), b);

    // Forth again: b.plx as read. A change after it and a save keep their
    // file when the change is taken back.
    w->mnuWiederholen->trigger();
    EXPECT_EQ(w->lblDateiName->text(), pfad("b.plx"));
    EXPECT_EQ(QString::fromStdString(w->DateiPfad), pfad("b.plx"));
    EXPECT_FALSE(w->isWindowModified());
    w->hsbAnzahl->setValue(6);
    speichere(pfad("c.plx"));
    w->mnuRueckgaengig->trigger();
    EXPECT_EQ(w->lblDateiName->text(), pfad("c.plx"));
    EXPECT_TRUE(w->isWindowModified());
}
