// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The default print queue, reached through libcups: Qt Print Support neither says whether a
// queue accepts jobs nor whether the scheduler took the job, and a report must not be lost
// silently in either case.

#include "print_queue.h"

namespace platform::qt {

// The default destination of the scheduler that CUPS_SERVER (or the system) names, if any.
std::optional<PrintQueue> defaultPrintQueue();

// Sends a PDF file to the queue as one job; false when the scheduler refuses it or the job fails
// within a few seconds (then it is not left in the queue).
bool submitPdfJob(const QString &queue, const QString &path, const QString &title);

} // namespace platform::qt
