// The module's side of print_queue_module.h: libcups for the queue's state and the job, Qt Print
// Support for the queue's paper.

#include "print_queue_module.h"

#include "cups_queue.h"

#include <QPrinterInfo>

namespace {

bool defaultQueue(QString *name, bool *ready)
{
    const auto queue = platform::qt::defaultPrintQueue();
    if (!queue)
        return false;
    *name = queue->name;
    *ready = queue->ready;
    return true;
}

QPageSize defaultPaper(const QString &queue)
{
    return QPrinterInfo::printerInfo(queue).defaultPageSize();
}

constexpr platform::qt::PrintQueueModule module{platform::qt::printQueueModuleVersion, defaultQueue,
                                                defaultPaper, platform::qt::submitPdf};

} // namespace

extern "C" Q_DECL_EXPORT const platform::qt::PrintQueueModule *brannock_print_queue_module()
{
    return &module;
}
