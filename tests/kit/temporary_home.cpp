// SPDX-License-Identifier: GPL-3.0-or-later

#include "temporary_home.h"

#include <QDir>
#include <QFile>

namespace kit {

namespace {

// The variables that point a program at its home, with their values for that home.
std::vector<std::pair<QString, QString>> homeVariables(const TemporaryHome &home)
{
    return {{QStringLiteral("HOME"), home.home()},
            {QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config"))},
            {QStringLiteral("CUPS_SERVER"), home.noScheduler()}};
}

} // namespace

TemporaryHome::~TemporaryHome()
{
    for (const auto &[name, value] : m_saved) {
        if (value.isNull())
            qunsetenv(name.constData());
        else
            qputenv(name.constData(), value);
    }
}

bool TemporaryHome::setDocumentsInUserDirs(const QString &relative) const
{
    if (!QDir(home()).mkpath(QStringLiteral(".config")))
        return false;
    QFile userDirs(filePath(QStringLiteral(".config/user-dirs.dirs")));
    return userDirs.open(QIODevice::WriteOnly)
           && userDirs.write("XDG_DOCUMENTS_DIR=\"$HOME/" + relative.toUtf8() + "\"\n") > 0;
}

QProcessEnvironment TemporaryHome::environment(QProcessEnvironment base) const
{
    for (const auto &[name, value] : homeVariables(*this))
        base.insert(name, value);
    return base;
}

void TemporaryHome::makeCurrent()
{
    for (const auto &[name, value] : homeVariables(*this)) {
        const QByteArray variable = name.toLatin1();
        m_saved.emplace_back(variable, qEnvironmentVariableIsSet(variable.constData())
                                               ? qgetenv(variable.constData())
                                               : QByteArray());
        qputenv(variable.constData(), QFile::encodeName(value));
    }
}

} // namespace kit
