#pragma once

// The default print queue, reached through libcups: Qt Print Support neither says whether a
// queue accepts jobs nor whether the scheduler took the job, and a report must not be lost
// silently in either case.

#include <QString>

#include <optional>

namespace platform::qt {

struct PrintQueue
{
    QString name;
    bool ready = false; // accepting jobs and not stopped: a job sent now will print
};

// The default destination of the scheduler that CUPS_SERVER (or the system) names, if any.
std::optional<PrintQueue> defaultPrintQueue();

// Sends a PDF file to the queue as one job; false when the scheduler refuses it or the job fails
// within a few seconds (then it is not left in the queue).
bool submitPdf(const QString &queue, const QString &path, const QString &title);

} // namespace platform::qt
