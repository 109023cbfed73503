// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A home folder of a test's own, for the test process or a program it starts: the documents
// folder that takes saved reports, the per-user settings of Qt and CUPS, and no print scheduler,
// so nothing of the machine's user is read or written.

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <utility>
#include <vector>

namespace kit {

class TemporaryHome
{
public:
    TemporaryHome() = default;
    TemporaryHome(const TemporaryHome &) = delete;
    TemporaryHome &operator=(const TemporaryHome &) = delete;
    ~TemporaryHome(); // gives the process its own home back when this one was made current

    bool isValid() const { return m_folder.isValid(); }
    QString home() const { return m_folder.path(); }
    QString documents() const { return filePath(QStringLiteral("Documents")); }
    QString filePath(const QString &relative) const { return m_folder.filePath(relative); }
    // A socket where no scheduler listens: a program told to use it finds no printer at all.
    QString noScheduler() const { return filePath(QStringLiteral("no-scheduler/cups.sock")); }

    // Names the documents folder in the user-dirs file, as a desktop does; path is below home.
    bool setDocumentsInUserDirs(const QString &relative) const;

    // The environment of a program living here: HOME, XDG_CONFIG_HOME and no scheduler.
    QProcessEnvironment environment(QProcessEnvironment base
                                    = QProcessEnvironment::systemEnvironment()) const;

    // Makes this the test process's own home, without a scheduler, until it is destroyed.
    void makeCurrent();

private:
    QTemporaryDir m_folder;
    std::vector<std::pair<QByteArray, QByteArray>> m_saved; // variables set, and their values
};

} // namespace kit
