// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Where libdbus looks for the session bus that Qt's accessibility support
// asks for while the window is built: the address in the environment, else
// the user's bus in the runtime folder, else one started by dbus-launch.
struct SessionBusPlaces {
    QByteArray address;
    QString runtimeDir;
    // Where dbus-launch may be: libdbus's own folder and those of PATH.
    QStringList launcherDirs;
};

// True when none of the places can give a session bus.
bool sessionBusOutOfReach(const SessionBusPlaces& places);

// Where the session bus is out of reach, says so to libdbus before it is
// asked. Otherwise libdbus forks the program to look for dbus-launch in
// every folder of PATH, which can only fail, and the window waits for it.
// Call it before any other thread runs: it may set an environment variable.
void skipHopelessBusLaunch();
