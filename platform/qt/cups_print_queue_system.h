// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The plugin's side of print_queue.h: libcups for the queue's state and the job (cups_queue.h),
// Qt Print Support for the queue's paper.

#include "print_queue.h"

#include <QObject>

namespace platform::qt {

class CupsPrintQueueSystem final : public QObject, public PrintQueueSystem
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID BRANNOCK_PRINT_QUEUE_SYSTEM_IID)
    Q_INTERFACES(platform::qt::PrintQueueSystem)

public:
    std::optional<PrintQueue> defaultQueue() const override;
    QPageSize defaultPaper(const QString &queue) const override;
    bool submitPdf(const QString &queue, const QString &path, const QString &title) override;
};

} // namespace platform::qt
