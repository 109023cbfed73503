// SPDX-License-Identifier: GPL-3.0-or-later
// The print plugin's side: the default CUPS queue, its paper, and a PDF job watched to its end.

#include "cups_queue.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QPrinterInfo>
#include <QTimer>

#include <cups/cups.h>

#include <cstring>

namespace platform::qt {

namespace {

// How long a job the queue took is watched for an early failure. A longer wait would keep the
// window waiting whenever the printer is merely busy.
constexpr int watchMilliseconds = 3000;
constexpr int pollMilliseconds = 50;

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

enum class JobVerdict { Pending, Through, Failed };

// A job's state now: through once the scheduler no longer lists it, failed when a filter or the
// device erred. A job held because the printer stopped on the error is cancelled, so that it
// does not come out later as well as being saved.
JobVerdict judgeJob(const char *queue, int job)
{
    const ipp_jstate_t state = jobState(queue, job);
    if (state == IPP_JSTATE_COMPLETED)
        return JobVerdict::Through;
    if (state == IPP_JSTATE_CANCELED || state == IPP_JSTATE_ABORTED)
        return JobVerdict::Failed;
    if (state == IPP_JSTATE_STOPPED || queueStopped(queue)) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, queue, job, 0);
        return JobVerdict::Failed;
    }
    return JobVerdict::Pending;
}

// Watches a job the queue took for an early failure: false when it fails within the watch. A
// job still pending when the watch ends (behind other jobs, or printing) counts as printed. The
// window keeps painting while it waits, but takes no input until the job is judged.
bool jobGoesThrough(const char *queue, int job)
{
    JobVerdict verdict = judgeJob(queue, job);
    if (verdict == JobVerdict::Pending) {
        const QDeadlineTimer deadline(watchMilliseconds);
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            verdict = judgeJob(queue, job);
            if (verdict != JobVerdict::Pending || deadline.hasExpired())
                loop.quit();
        });
        poll.start(pollMilliseconds);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return verdict != JobVerdict::Failed;
}

} // namespace

std::optional<PrintQueue> CupsPrintQueueSystem::defaultQueue() const
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

QPageSize CupsPrintQueueSystem::defaultPaper(const QString &queue) const
{
    return QPrinterInfo::printerInfo(queue).defaultPageSize();
}

bool CupsPrintQueueSystem::submitPdf(const QString &queue, const QString &path,
                                     const QString &title)
{
    // The scheduler answers with a job id, or 0 when it refused the job.
    const QByteArray name = queue.toUtf8();
    const int job = cupsPrintFile(name.constData(), QFile::encodeName(path).constData(),
                                  title.toUtf8().constData(), 0, nullptr);
    return job != 0 && jobGoesThrough(name.constData(), job);
}

} // namespace platform::qt
