// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A home of a test's own, for its process or a program it starts: documents folder, Qt's and
// CUPS's settings, no print scheduler; nothing of the machine's user is read or written.

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <map>

namespace kit {

class TemporaryHome
{
public:
    // Gives the process its own home back when this one was made current.
    ~TemporaryHome()
    {
        for (const auto &[name, value] : m_saved)
            value.isNull() ? qunsetenv(name.constData()) : qputenv(name.constData(), value);
    }

    bool isValid() const { return m_folder.isValid(); }
    QString home() const { return m_folder.path(); }
    QString documents() const { return filePath(QStringLiteral("Documents")); }
    QString filePath(const QString &relative) const { return m_folder.filePath(relative); }
    // A socket where no scheduler listens: a program told to use it finds no printer at all.
    QString noScheduler() const { return filePath(QStringLiteral("no-scheduler/cups.sock")); }

    // Names the documents folder in the user-dirs file, as a desktop does; path is below home.
    bool setDocumentsInUserDirs(const QString &relative) const
    {
        QFile userDirs(filePath(QStringLiteral(".config/user-dirs.dirs")));
        return QDir(home()).mkpath(QStringLiteral(".config")) && userDirs.open(QIODevice::WriteOnly)
               && userDirs.write("XDG_DOCUMENTS_DIR=\"$HOME/" + relative.toUtf8() + "\"\n") > 0;
    }

    // The environment of a program living here: HOME, XDG_CONFIG_HOME and no scheduler.
    QProcessEnvironment environment(QProcessEnvironment base
                                    = QProcessEnvironment::systemEnvironment()) const
    {
        for (const auto &[name, value] : variables())
            base.insert(QString::fromLatin1(name), value);
        return base;
    }

    // Makes this the test process's own home, without a scheduler, until it is destroyed.
    void makeCurrent()
    {
        for (const auto &[name, value] : variables()) {
            m_saved.emplace(name, qgetenv(name.constData())); // null when unset
            qputenv(name.constData(), QFile::encodeName(value));
        }
    }

private:
    std::map<QByteArray, QString> variables() const
    {
        return {{"HOME", home()},
                {"XDG_CONFIG_HOME", filePath(QStringLiteral(".config"))},
                {"CUPS_SERVER", noScheduler()}};
    }

    QTemporaryDir m_folder;
    std::map<QByteArray, QByteArray> m_saved; // the variables set, and their values before
};

} // namespace kit
