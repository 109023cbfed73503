#include "print_queues.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace platform::qt {

namespace {

// Where the module may be, in order: next to the program, in the installed tree relative to the
// program (bin/../lib/brannock), where it was installed, and, for a program or test running from
// the build tree only, where the build wrote it: an installed program never loads code from a
// build folder that may no longer be what it was.
QStringList candidates()
{
    const QString file = QStringLiteral(BRANNOCK_PRINT_QUEUE_MODULE_FILE);
    const QString programDir = QCoreApplication::applicationDirPath();
    const QDir program(programDir);
    QStringList paths{
            program.filePath(file),
            program.filePath(QStringLiteral("../" BRANNOCK_INSTALL_LIBDIR "/brannock/") + file),
            QDir(QStringLiteral(BRANNOCK_INSTALL_FULL_LIBDIR "/brannock")).filePath(file)};
    const QString buildRoot = QDir::cleanPath(QStringLiteral(BRANNOCK_BUILD_ROOT));
    if (QDir::cleanPath(programDir).startsWith(buildRoot + QLatin1Char('/')))
        paths << QDir(QStringLiteral(BRANNOCK_PRINT_QUEUE_MODULE_BUILD_DIR)).filePath(file);
    return paths;
}

} // namespace

const PrintQueueModule *loadPrintQueueModule(QString *error)
{
    QStringList tried;
    for (const QString &path : candidates()) {
        if (!QFileInfo::exists(path))
            continue;
        // Never unloaded: libcups and Qt Print Support keep state that must outlive the job.
        QLibrary library(path);
        if (!library.load()) {
            tried << library.errorString();
            continue;
        }
        const auto entry
                = reinterpret_cast<PrintQueueModuleEntry>(library.resolve(printQueueModuleEntry));
        const PrintQueueModule *module = entry ? entry() : nullptr;
        if (module && module->version == printQueueModuleVersion)
            return module;
        tried << QStringLiteral("%1 is not a print module of this version").arg(path);
    }
    if (error) {
        *error = tried.isEmpty() ? QStringLiteral("no %1 in %2")
                                           .arg(QStringLiteral(BRANNOCK_PRINT_QUEUE_MODULE_FILE),
                                                candidates().join(QStringLiteral(", ")))
                                 : tried.join(QStringLiteral("; "));
    }
    return nullptr;
}

} // namespace platform::qt
