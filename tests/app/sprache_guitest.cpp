// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's language: German as written under a German desktop and under
// none, English under English and under any language without a translation.
#include "support/window.h"

#include "platform/sprache.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTranslator>
#include <map>

namespace {

class Sprache : public WindowTest {
protected:
    void SetUp() override {}
    void TearDown() override
    {
        WindowTest::TearDown();
        sprache::laden(*qApp, QLocale(QLocale::German));
    }

    void oeffnen(const QLocale& sprache)
    {
        sprache::laden(*qApp, sprache);
        QLocale::setDefault(sprache);
        w.reset();
        open();
    }

    // Every text the window shows or offers, by the object that shows it.
    std::map<QString, QString> texte()
    {
        std::map<QString, QString> t{{"fenster", w->windowTitle()}};
        int n = 0;
        for (QWidget* teil : w->findChildren<QWidget*>()) {
            const QString name = QString::number(n++) + QLatin1Char(' ') + teil->metaObject()->className();
            if (auto* l = qobject_cast<QLabel*>(teil))
                t[name] = l->text();
            if (auto* b = qobject_cast<QAbstractButton*>(teil))
                t[name] = b->text();
            if (auto* g = qobject_cast<QGroupBox*>(teil))
                t[name] = g->title();
            if (!teil->toolTip().isEmpty())
                t[name + " tip"] = teil->toolTip();
        }
        for (QAction* a : w->mnuBild->actions())
            t[QStringLiteral("menu ") + QString::number(n++)] = a->text();
        return t;
    }
};

} // namespace

TEST_F(Sprache, GermanAndNoLanguageShowTheTextsAsWritten)
{
    EXPECT_TRUE(sprache::deutsch(QLocale(QLocale::German, QLocale::Austria)));
    EXPECT_TRUE(sprache::deutsch(QLocale::c()));
    EXPECT_TRUE(sprache::deutsch(QLocale(QStringLiteral("POSIX"))));
    EXPECT_FALSE(sprache::deutsch(QLocale(QLocale::English)));
    EXPECT_FALSE(sprache::deutsch(QLocale(QLocale::French)));

    // Under each, the texts are those of the sources, as the window shows
    // them with no translation at all.
    for (const QLocale& l : {QLocale(QLocale::German, QLocale::Germany), QLocale::c()}) {
        for (QTranslator* t : qApp->findChildren<QTranslator*>())
            QCoreApplication::removeTranslator(t);
        QLocale::setDefault(l);
        w.reset();
        open();
        const std::map<QString, QString> geschrieben = texte();
        EXPECT_EQ(w->windowTitle(), "Pelox-Programm  V1.7[*]");
        EXPECT_EQ(w->cmdDrucken->text(), "Drucken");
        EXPECT_EQ(w->picPelox->toolTip(), "Rechte Maustaste: PDF, SVG, Poster, Faltstern, Drucker einmessen …");
        oeffnen(l);
        EXPECT_EQ(texte(), geschrieben) << l.name().toStdString();
    }
}

TEST_F(Sprache, EnglishAndUntranslatedLanguagesShowEnglishThatFits)
{
    oeffnen(QLocale(QLocale::German));
    const std::map<QString, QString> deutsch = texte();
    for (const QLocale& l : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::French)}) {
        oeffnen(l);
        EXPECT_EQ(w->windowTitle(), "Pelox program  V1.7[*]");
        EXPECT_EQ(w->lblAnzahlSpitzen->text(), "Number of points");
        EXPECT_EQ(w->fraDaten->title(), "Data");
        EXPECT_EQ(w->cmdDatenLesen->text(), "Open");
        EXPECT_EQ(w->cmdDrucken->text(), "Print");
        EXPECT_EQ(w->cmdBeenden->text(), "Quit");
        EXPECT_EQ(w->optPeloxForm[1]->text(), "3-D");
        EXPECT_EQ(w->mnuPoster->text(), "Print on several sheets …");
        EXPECT_EQ(w->picPelox->toolTip(), "Right mouse button: PDF, SVG, poster, folded star, printer calibration …");
        EXPECT_EQ(w->mnuFaltstern->text(), "Folded star …");
        EXPECT_EQ(w->mnuRueckgaengig->text(), "Undo");
        w->hsbAnzahl->setValue(9);
        EXPECT_EQ(w->mnuRueckgaengig->text(), "Undo: Number of points");
        // The same objects, and only the words that are the same in both
        // languages are left as they were.
        const std::map<QString, QString> englisch = texte();
        ASSERT_EQ(englisch.size(), deutsch.size());
        for (const auto& [wo, text] : englisch) {
            const QString vorher = deutsch.at(wo);
            const bool gleich
                = QStringList{"cm", "Test", "normal"}.contains(vorher) || !vorher.contains(QRegularExpression("[A-Za-z]"))
                || vorher.startsWith(" Kp1=");
            if (!gleich) {
                EXPECT_NE(text, vorher) << wo.toStdString();
            }
        }
    }
    // The layout is fixed: every caption of a button, box and label fits
    // where the German one does, on as many lines as the control has room for.
    const auto passt = [](QWidget* teil, const QString& text, int rand) {
        const QRect platz(0, 0, teil->width() - rand, teil->height());
        const QRect braucht = teil->fontMetrics().boundingRect(
            platz, Qt::TextWordWrap, QString(text).remove(QLatin1Char('&')));
        return braucht.width() <= platz.width() && braucht.height() <= platz.height();
    };
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
        EXPECT_TRUE(passt(b, b->text(), b->inherits("QPushButton") ? 4 : 18)) << b->text().toStdString();
    for (QGroupBox* g : w->findChildren<QGroupBox*>())
        EXPECT_TRUE(passt(g, g->title(), 8)) << g->title().toStdString();
    for (QLabel* l : w->findChildren<QLabel*>()) {
        if (l != w->lblDateiName) {
            EXPECT_TRUE(passt(l, l->text(), 0)) << l->text().toStdString();
        }
    }
}
