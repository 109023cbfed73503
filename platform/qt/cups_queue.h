// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The plugin's side of print_queue.h. The default queue is reached through libcups: Qt Print
// Support neither says whether a queue accepts jobs nor whether the scheduler took the job, and a
// report must not be lost silently in either case. Qt Print Support gives the queue's paper.

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
