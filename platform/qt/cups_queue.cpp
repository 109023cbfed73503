#include "cups_queue.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cups/cups.h>

#include <cstring>

namespace platform::qt {

namespace {

// How long a job the queue took is watched for an early failure. A longer wait would keep the
// window waiting whenever the printer is merely busy.
constexpr int watchMilliseconds = 3000;
constexpr unsigned long pollMilliseconds = 50;

bool optionIs(const cups_dest_t &dest, const char *name, const char *value)
{
    const char *actual = cupsGetOption(name, dest.num_options, dest.options);
    return actual && std::strcmp(actual, value) == 0;
}

// IPP printer-state 5 is "stopped": a job would wait in the queue until someone resumes it.
bool stopped(const cups_dest_t &dest)
{
    return optionIs(dest, "printer-state", "5");
}

bool queueStopped(const char *queue)
{
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue, nullptr);
    if (!dest)
        return false;
    const bool result = stopped(*dest);
    cupsFreeDests(1, dest);
    return result;
}

// The job's state; completed when the scheduler no longer lists it.
ipp_jstate_t jobState(const char *queue, int job)
{
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue, 0, CUPS_WHICHJOBS_ALL);
    ipp_jstate_t state = IPP_JSTATE_COMPLETED;
    for (int i = 0; i < count; ++i) {
        if (jobs[i].id == job)
            state = jobs[i].state;
    }
    cupsFreeJobs(count, jobs);
    return state;
}

// Watches a job the queue took: false when it fails at once (a filter or the device erred).
// A job held because the printer stopped on the error is cancelled, so that it does not come
// out later as well as being saved.
bool jobGoesThrough(const char *queue, int job)
{
    const QDeadlineTimer deadline(watchMilliseconds);
    for (;;) {
        const ipp_jstate_t state = jobState(queue, job);
        if (state == IPP_JSTATE_COMPLETED)
            return true;
        if (state == IPP_JSTATE_CANCELED || state == IPP_JSTATE_ABORTED)
            return false;
        if (state == IPP_JSTATE_STOPPED || queueStopped(queue)) {
            cupsCancelJob2(CUPS_HTTP_DEFAULT, queue, job, 0);
            return false;
        }
        if (deadline.hasExpired())
            return true; // pending behind other jobs or still printing: the queue has it
        // The window keeps painting while it waits.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(pollMilliseconds);
    }
}

} // namespace

std::optional<PrintQueue> defaultPrintQueue()
{
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!dest)
        return std::nullopt;
    PrintQueue queue;
    queue.name = QString::fromUtf8(dest->name);
    queue.ready = !optionIs(*dest, "printer-is-accepting-jobs", "false") && !stopped(*dest);
    cupsFreeDests(1, dest);
    return queue;
}

bool submitPdf(const QString &queue, const QString &path, const QString &title)
{
    // The scheduler answers with a job id, or 0 when it refused the job.
    const QByteArray name = queue.toUtf8();
    const int job = cupsPrintFile(name.constData(), QFile::encodeName(path).constData(),
                                  title.toUtf8().constData(), 0, nullptr);
    return job != 0 && jobGoesThrough(name.constData(), job);
}

} // namespace platform::qt
