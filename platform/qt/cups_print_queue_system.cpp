// SPDX-License-Identifier: GPL-3.0-or-later

#include "cups_print_queue_system.h"

#include "cups_queue.h"

#include <QPrinterInfo>

namespace platform::qt {

std::optional<PrintQueue> CupsPrintQueueSystem::defaultQueue() const
{
    return defaultPrintQueue();
}

QPageSize CupsPrintQueueSystem::defaultPaper(const QString &queue) const
{
    return QPrinterInfo::printerInfo(queue).defaultPageSize();
}

bool CupsPrintQueueSystem::submitPdf(const QString &queue, const QString &path,
                                     const QString &title)
{
    return submitPdfJob(queue, path, title);
}

} // namespace platform::qt
