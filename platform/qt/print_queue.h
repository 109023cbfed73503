// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The print system, kept out of the program's start: Qt Print Support and libcups live in the
// Qt plugin brannock_print_queue, which the program loads the first time it prints a report.
// This header is the contract between the two sides; Qt's plugin loader checks that the plugin
// was built against a compatible Qt, and the interface id carries this contract's version.

#include <QPageSize>
#include <QString>
#include <QtPlugin>

#include <optional>

namespace platform::qt {

struct PrintQueue
{
    QString name;
    bool ready = false; // accepting jobs and not stopped: a job sent now will print
};

class PrintQueueSystem
{
public:
    virtual ~PrintQueueSystem() = default;

    // The default destination of the scheduler that CUPS_SERVER (or the system) names, if any.
    virtual std::optional<PrintQueue> defaultQueue() const = 0;
    // The queue's default paper; invalid when the queue does not say.
    virtual QPageSize defaultPaper(const QString &queue) const = 0;
    // Sends a PDF file to the queue as one job; false when the scheduler refuses it or the job
    // fails within a few seconds (then it is not left in the queue).
    virtual bool submitPdf(const QString &queue, const QString &path, const QString &title) = 0;
};

} // namespace platform::qt

#define BRANNOCK_PRINT_QUEUE_SYSTEM_IID "org.brannock.PrintQueueSystem/1"
Q_DECLARE_INTERFACE(platform::qt::PrintQueueSystem, BRANNOCK_PRINT_QUEUE_SYSTEM_IID)
