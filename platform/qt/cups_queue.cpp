#include "cups_queue.h"

#include <cups/cups.h>

#include <cstring>

namespace platform::qt {

namespace {

bool optionIs(const cups_dest_t &dest, const char *name, const char *value)
{
    const char *actual = cupsGetOption(name, dest.num_options, dest.options);
    return actual && std::strcmp(actual, value) == 0;
}

} // namespace

std::optional<PrintQueue> defaultPrintQueue()
{
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!dest)
        return std::nullopt;
    PrintQueue queue;
    queue.name = QString::fromUtf8(dest->name);
    // IPP printer-state 5 is "stopped": a job would wait in the queue until someone resumes it.
    queue.ready = !optionIs(*dest, "printer-is-accepting-jobs", "false")
                  && !optionIs(*dest, "printer-state", "5");
    cupsFreeDests(1, dest);
    return queue;
}

bool submitPdf(const QString &queue, const QString &path, const QString &title)
{
    // The scheduler answers with a job id, or 0 when it refused the job.
    const int job = cupsPrintFile(queue.toUtf8().constData(), path.toLocal8Bit().constData(),
                                  title.toUtf8().constData(), 0, nullptr);
    return job != 0;
}

} // namespace platform::qt
