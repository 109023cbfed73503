#pragma once

// The print system, kept out of the program's start: Qt Print Support and libcups live in a
// module (brannock_print_queue) that the program loads the first time it prints a report. This
// header is the contract between the two sides; the loader side lives in print_queues.cpp.

#include <QPageSize>
#include <QString>

namespace platform::qt {

// What the module offers. A changed layout of this table must change `version`.
struct PrintQueueModule
{
    int version;
    // The default destination of the scheduler that CUPS_SERVER (or the system) names: false
    // when there is none. `ready`: accepting jobs and not stopped, so a job sent now will print.
    bool (*defaultQueue)(QString *name, bool *ready);
    // The queue's default paper; invalid when the queue does not say.
    QPageSize (*defaultPaper)(const QString &queue);
    // Sends a PDF file to the queue as one job; false when the scheduler refuses it or the job
    // fails within a few seconds (then it is not left in the queue).
    bool (*submitPdf)(const QString &queue, const QString &path, const QString &title);
};

inline constexpr int printQueueModuleVersion = 1;
// The module's one exported symbol, a function returning its table.
inline constexpr char printQueueModuleEntry[] = "brannock_print_queue_module";
using PrintQueueModuleEntry = const PrintQueueModule *(*)();

} // namespace platform::qt
