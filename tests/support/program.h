// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// How a run of a program ended: its exit status (-1 when it crashed or did
// not end within a minute), what it wrote on its output and on its error
// stream.
struct Lauf {
    int status = -1;
    QByteArray ausgabe;
    QString fehler;

    // The program's own lines on the error stream, without Qt's.
    QStringList meldungen() const;
};

// Runs a program to its end with the environment variables given set, or
// removed where the value is empty.
Lauf starte(const QString& program, const QStringList& args, const QMap<QString, QString>& umgebung = {});

// The same for a run that must succeed, which fails the test otherwise;
// gives what the program wrote on its output.
QByteArray run(const QString& program, const QStringList& args, const QMap<QString, QString>& umgebung = {});
