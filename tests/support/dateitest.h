// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/window.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cmath>

// The real window with a temporary folder for its files. The fake dialog
// answers each "Speichern" and "Lesen" with the name the test gives.
class DateiTest : public WindowTest {
protected:
    QTemporaryDir dir;

    QString pfad(const QString& name) const { return dir.filePath(name); }
    void speichere(const QString& datei) { fileDialog.answers.push_back(datei); w->cmdDatenSpeichern->click(); }
    void lese(const QString& datei) { fileDialog.answers.push_back(datei); w->cmdDatenLesen->click(); }

    // The design as "Speichern" writes it now.
    QByteArray gespeichert()
    {
        speichere(pfad("stand.plx"));
        return inhalt(pfad("stand.plx"));
    }

    // Drags bend point k of the curve editor in steps its catch distance follows.
    void biege(int k, float ziel)
    {
        const float x = std::array{w->KurveX1, w->KurveX2, w->KurveX3}[std::size_t(k - 1)];
        const float* y = std::array{&w->KurveY1, &w->KurveY2, &w->KurveY3}[std::size_t(k - 1)];
        move(w->picKurvenForm, x, *y);
        while (std::abs(*y - ziel) > 1)
            move(w->picKurvenForm, x, *y + std::clamp(ziel - *y, -100.f, 100.f), 1);
    }

    // A design far from the start-up star in every value a file holds: the
    // curve on, two corners pulled as a drag leaves them (a screen distance
    // over the scale), and on request two sheets with 27 cm.
    void entwurf(bool zweiBlatt)
    {
        w->chkZweiA4->setChecked(zweiBlatt);
        w->hsbAussen->setValue(zweiBlatt ? 54 : 30);
        w->hsbInnen->setValue(13);
        w->hsbAnzahl->setValue(11);
        w->vsbYFaktor->setValue(17);
        w->optPeloxForm[1]->setChecked(true);
        w->optStrichDicke[1]->setChecked(true);
        biege(1, 700);
        biege(2, 260);
        ASSERT_TRUE(w->KurveEin);
        w->Radius[3] = static_cast<float>(181.3 / w->Massstab);
        w->Radius[8] = static_cast<float>(7.7 / w->Massstab);
        w->Gezogen = 1;
        w->cmdRückstellen->setEnabled(true);
        w->Neuzeichnen();
    }

    static QByteArray inhalt(const QString& datei)
    {
        QFile f(datei);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void schreibe(const QString& datei, const QByteArray& bytes)
    {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
};

// The same with the design saved first, for the command line to read; its
// file's name shows in the printouts' footers.
class EntwurfTest : public DateiTest {
protected:
    QString design;

    virtual QString name() const { return QStringLiteral("d.plx"); }

    void SetUp() override
    {
        DateiTest::SetUp();
        design = pfad(name());
        speichere(design);
    }
};
