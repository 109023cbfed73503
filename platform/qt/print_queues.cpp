// SPDX-License-Identifier: GPL-3.0-or-later
// The print plugin found beside the program and loaded on first use.

#include "print_queues.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace platform::qt {

namespace {

// The plugin's one place: its lib folder, found from the program's own folder by the same
// relative path in the installed tree and in the build tree, which is laid out alike.
QString pluginPath()
{
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                                   .filePath(QStringLiteral(BRANNOCK_MODULE_DIR_FROM_BIN "/")
                                             + QStringLiteral(BRANNOCK_PRINT_QUEUE_MODULE_FILE)));
}

} // namespace

PrintQueueSystem *loadPrintQueueSystem(QString *error)
{
    const QString path = pluginPath();
    QString problem;
    if (!QFileInfo::exists(path)) {
        problem = QStringLiteral("no print plugin at %1").arg(path);
    } else {
        // Never unloaded: libcups and Qt Print Support keep state that must outlive the job.
        QPluginLoader loader(path);
        if (auto *system = qobject_cast<PrintQueueSystem *>(loader.instance()))
            return system;
        problem = loader.errorString();
        if (loader.isLoaded()) {
            problem = QStringLiteral("%1 is not a print plugin of this version").arg(path);
            loader.unload();
        }
    }
    if (error)
        *error = problem;
    return nullptr;
}

} // namespace platform::qt
