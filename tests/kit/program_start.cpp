// SPDX-License-Identifier: GPL-3.0-or-later

#include "program_start.h"

#include <QFileInfo>

#include <signal.h>
#include <unistd.h>

namespace kit {

QStringList windowsWindowRun()
{
    const QString program = QStringLiteral(BRANNOCK_WINDOWS_WINDOW_RUN);
    if (!QFileInfo::exists(program))
        return {};
    return {QStringLiteral(BRANNOCK_SOURCE_DIR "/scripts/with-wine.sh"),
            QStringLiteral(BRANNOCK_SOURCE_DIR "/tests/wine/run.sh"), program};
}

bool startProgram(QProcess &process, const QStringList &command,
                  const QProcessEnvironment &environment)
{
    process.setProcessEnvironment(environment);
    process.setChildProcessModifier([] { setpgid(0, 0); });
    process.start(command.first(), command.mid(1));
    return process.waitForStarted(10000);
}

bool endProgram(QProcess &process, int timeoutMs)
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
