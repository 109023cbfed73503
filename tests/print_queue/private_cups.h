// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A CUPS scheduler of the tests' own: configuration, spool, cache, state, logs and its listening
// unix socket all live in one temporary folder, and nothing of the machine's print system is
// read or written. CUPS_SERVER=server() names it for a program under test.
//
// Its PDF printer is Debian's cups-pdf backend. That backend reads its settings from the fixed
// path /etc/cups/cups-pdf.conf; a wrapper in the scheduler's private ServerBin starts it in a
// mount namespace of its own, where a private folder is mounted over /etc/cups, so its output,
// spool and log go to the temporary folder too. The scheduler keeps each job's submitted files
// (PreserveJobFiles), so a test can read what the program sent as well as what was printed.
//
// cups-pdf runs only as root, and the namespace needs root as well: elsewhere the scheduler is
// not started and unavailableReason() says why.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace print_queue {

class PrivateCups
{
public:
    // Writes the configuration and starts the scheduler; waits until it answers.
    PrivateCups();
    // Stops the scheduler and removes the folder.
    ~PrivateCups();
    PrivateCups(const PrivateCups &) = delete;
    PrivateCups &operator=(const PrivateCups &) = delete;

    // Empty when the scheduler runs; otherwise why it does not (for a skipped test).
    QString unavailableReason() const { return m_unavailable; }
    // The scheduler's unix socket, for CUPS_SERVER and the -h option of the lp tools.
    QString server() const;

    // Adds a cups-pdf queue, enabled and accepting jobs, as the default destination.
    // On failure returns false and sets *error.
    bool addDefaultPdfPrinter(const QString &queue, QString *error);
    // Adds a queue whose device fails every job, as the default destination: the scheduler
    // takes the job, then aborts it when the backend reports the failure.
    bool addDefaultFailingPrinter(const QString &queue, QString *error);
    // cupsdisable: the queue accepts jobs but does not print them.
    bool stopQueue(const QString &queue, QString *error);
    // cupsreject: the queue refuses new jobs.
    bool rejectJobs(const QString &queue, QString *error);

    // Ids of the scheduler's jobs, in order; which is "all", "completed" or "not-completed".
    QList<int> jobIds(const QString &which = QStringLiteral("all")) const;
    // Waits until no job is pending or printing; false after timeoutMs.
    bool waitUntilNoJobIsPending(int timeoutMs) const;
    // True when the scheduler logged the job as completed (not cancelled, not aborted).
    bool jobCompleted(int jobId) const;
    // The files the program submitted for the job, as the scheduler keeps them.
    QStringList submittedFiles(int jobId) const;
    // What cups-pdf wrote for the job; empty when it wrote nothing.
    QString printedFile(int jobId) const;
    // Every file cups-pdf wrote.
    QStringList printedFiles() const;
    // The scheduler's and cups-pdf's logs, for the message of a failed check.
    QString logs() const;

private:
    bool writeConfiguration(QString *error);
    bool start(QString *error);
    // Runs an lp tool against this scheduler, its output in *output when given; false with
    // *error when the tool cannot run or fails.
    bool lpTool(const QString &program, const QStringList &arguments, QString *error,
                QString *output = nullptr) const;
    // Adds a queue on that device with cups-pdf's driver, as the default destination.
    bool addDefaultQueue(const QString &queue, const QString &device, QString *error);
    QString path(const QString &relative) const;

    QTemporaryDir m_folder;
    QProcess m_cupsd;
    QString m_unavailable;
};

} // namespace print_queue
