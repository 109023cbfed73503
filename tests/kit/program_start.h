// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Starts the programs the tests drive, each in a process group of its own, and stops one that
// does not end with everything it started (Wine, its server, an Xvfb), its scripts' clean-up
// included.

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace kit {

// The Windows window run of the Windows build (preset windows) under Wine, in a fresh prefix of
// its own whose print system is the one BRANNOCK_WINE_CUPS_SERVER names; empty when that build
// has not made it.
QStringList windowsWindowRun();

// Starts the command, its program first, with that environment; whether it started.
bool startProgram(QProcess &process, const QStringList &command,
                  const QProcessEnvironment &environment);

// Waits up to timeoutMs for the program to end by itself, and stops it otherwise; whether it
// ended by itself.
bool endProgram(QProcess &process, int timeoutMs);

} // namespace kit
