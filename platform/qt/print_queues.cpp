#include "print_queues.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace platform::qt {

namespace {

// The module's one place: its lib folder, found from the program's own folder by the same
// relative path in the installed tree and in the build tree, which is laid out alike.
QString modulePath()
{
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                                   .filePath(QStringLiteral(BRANNOCK_MODULE_DIR_FROM_BIN "/")
                                             + QStringLiteral(BRANNOCK_PRINT_QUEUE_MODULE_FILE)));
}

} // namespace

const PrintQueueModule *loadPrintQueueModule(QString *error)
{
    const QString path = modulePath();
    QString problem;
    if (!QFileInfo::exists(path)) {
        problem = QStringLiteral("no print module at %1").arg(path);
    } else {
        // Never unloaded: libcups and Qt Print Support keep state that must outlive the job.
        QLibrary library(path);
        if (library.load()) {
            const auto entry = reinterpret_cast<PrintQueueModuleEntry>(
                    library.resolve(printQueueModuleEntry));
            const PrintQueueModule *module = entry ? entry() : nullptr;
            if (module && module->version == printQueueModuleVersion)
                return module;
            problem = QStringLiteral("%1 is not a print module of this version").arg(path);
        } else {
            problem = library.errorString();
        }
    }
    if (error)
        *error = problem;
    return nullptr;
}

} // namespace platform::qt
