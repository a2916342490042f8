// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

QStringList Lauf::meldungen() const
{
    return fehler.split('\n').filter(QRegularExpression(QStringLiteral("^pelox: ")));
}

Lauf starte(const QString& program, const QStringList& args, const QMap<QString, QString>& umgebung)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (auto it = umgebung.begin(); it != umgebung.end(); ++it) {
        if (it.value().isEmpty())
            env.remove(it.key());
        else
            env.insert(it.key(), it.value());
    }
    p.setProcessEnvironment(env);
    p.start(program, args);
    const bool beendet = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit;
    return {beendet ? p.exitCode() : -1, p.readAllStandardOutput(), QString::fromLocal8Bit(p.readAllStandardError())};
}

QByteArray run(const QString& program, const QStringList& args, const QMap<QString, QString>& umgebung)
{
    const Lauf l = starte(program, args, umgebung);
    EXPECT_EQ(l.status, 0) << program.toStdString() << " failed: " << l.fehler.toStdString();
    return l.ausgabe;
}
