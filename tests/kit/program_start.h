// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Starts the programs the tests drive, each in a process group of its own, so that one that does
// not end is stopped with all it started (Wine, an Xvfb), its scripts' clean-up included.

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <signal.h>
#include <unistd.h>

namespace kit {

// The Windows window run of the Windows build (preset windows) under Wine, in a fresh prefix of
// its own whose print system is the one BRANNOCK_WINE_CUPS_SERVER names; empty when not built.
inline QStringList windowsWindowRun()
{
    if (!QFileInfo::exists(QStringLiteral(BRANNOCK_WINDOWS_WINDOW_RUN)))
        return {};
    return {QStringLiteral(BRANNOCK_SOURCE_DIR "/scripts/with-wine.sh"),
            QStringLiteral(BRANNOCK_SOURCE_DIR "/tests/wine/run.sh"),
            QStringLiteral(BRANNOCK_WINDOWS_WINDOW_RUN)};
}

// Starts the command, its program first, with that environment; whether it started.
inline bool startProgram(QProcess &process, const QStringList &command,
                         const QProcessEnvironment &environment)
{
    process.setProcessEnvironment(environment);
    process.setChildProcessModifier([] { setpgid(0, 0); });
    process.start(command.first(), command.mid(1));
    return process.waitForStarted(10000);
}

// Waits up to timeoutMs for the program to end, and stops it otherwise; whether it ended itself.
inline bool endProgram(QProcess &process, int timeoutMs)
{
    const bool ended = process.waitForFinished(timeoutMs);
    if (!ended && process.processId() > 0) {
        ::kill(-static_cast<pid_t>(process.processId()), SIGTERM);
        if (!process.waitForFinished(10000))
            ::kill(-static_cast<pid_t>(process.processId()), SIGKILL);
        process.waitForFinished();
    }
    return ended;
}

} // namespace kit
