// SPDX-License-Identifier: GPL-3.0-or-later

#include "private_cups.h"

#include "program_start.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace print_queue {

namespace {

// Where Debian installs the scheduler's helpers, and the cups-pdf backend and driver.
const QString systemServerBin = QStringLiteral("/usr/lib/cups");
const QString cupsPdfBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString cupsPdfPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd");
constexpr int toolTimeoutMs = 30000;
constexpr QFile::Permissions executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions readable
        = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
constexpr int startTimeoutMs = 15000;

QString findTool(const QString &name)
{
    // The administration tools live in sbin, which a CI shell may not have on its PATH.
    QString found = QStandardPaths::findExecutable(name);
    if (found.isEmpty())
        found = QStandardPaths::findExecutable(
                name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    return found;
}

// Sets *error to the text; false, for a return.
bool failed(QString *error, const QString &text)
{
    *error = text;
    return false;
}

bool writeFile(const QString &path, const QByteArray &contents, QFile::Permissions permissions,
               QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(contents) < 0
        || !file.setPermissions(permissions))
        return failed(error, QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return true;
}

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A process environment for the lp tools: C messages, and no CUPS_SERVER of the caller's.
QProcessEnvironment toolEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("CUPS_SERVER"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    return environment;
}

} // namespace

PrivateCups::PrivateCups()
{
    if (geteuid() != 0) {
        m_unavailable = QStringLiteral("the cups-pdf backend and its private configuration need "
                                       "root; run the tests as root (CI does)");
        return;
    }
    QString error;
    if (!m_folder.isValid())
        m_unavailable = QStringLiteral("no temporary folder: ") + m_folder.errorString();
    else if (!writeConfiguration(&error) || !start(&error))
        m_unavailable = error;
}

PrivateCups::~PrivateCups()
{
    kit::endProgram(m_cupsd, 0);
}

QString PrivateCups::server() const
{
    return path(QStringLiteral("cups.sock"));
}

QString PrivateCups::path(const QString &relative) const
{
    return m_folder.filePath(relative);
}

bool PrivateCups::writeConfiguration(QString *error)
{
    for (const QString &file : {findTool(QStringLiteral("cupsd")), cupsPdfBackend, cupsPdfPpd}) {
        if (file.isEmpty() || !QFileInfo::exists(file))
            return failed(error, QStringLiteral("CUPS or cups-pdf is not installed (missing %1); "
                                                "install the Debian packages cups and "
                                                "printer-driver-cups-pdf")
                                         .arg(file.isEmpty() ? QStringLiteral("cupsd") : file));
    }
    const QString unshare = findTool(QStringLiteral("unshare"));
    if (unshare.isEmpty()
        || QProcess::execute(unshare, {QStringLiteral("--mount"), QStringLiteral("true")}) != 0)
        return failed(error,
                      QStringLiteral("cannot make a mount namespace (unshare --mount), so cups-pdf "
                                     "cannot be given a private configuration"));
    const group *lp = getgrnam("lp");
    if (!lp)
        return failed(error, QStringLiteral("there is no group lp for the scheduler's filters"));

    // The filters run as lp: they must reach the spool, the helpers and the temporary files.
    if (!QFile::setPermissions(m_folder.path(), QFile::ReadOwner | QFile::WriteOwner
                                                        | QFile::ExeOwner | QFile::ReadGroup
                                                        | QFile::ExeGroup | QFile::ReadOther
                                                        | QFile::ExeOther))
        return failed(error, QStringLiteral("cannot open the temporary folder to the lp user"));
    QDir folder(m_folder.path());
    for (const char *sub : {"conf", "root", "spool", "cache", "state", "log", "tmp", "bin/backend",
                            "cups-pdf/etc", "cups-pdf/spool", "out"}) {
        if (!folder.mkpath(QString::fromLatin1(sub)))
            return failed(error,
                          QStringLiteral("cannot create %1").arg(path(QString::fromLatin1(sub))));
    }
    const QByteArray tmp = QFile::encodeName(path(QStringLiteral("tmp")));
    if (chown(tmp.constData(), 0, lp->gr_gid) != 0 || chmod(tmp.constData(), 01770) != 0)
        return failed(error,
                      QStringLiteral("cannot give the temporary files folder to the group lp"));
    // The private ServerBin: the system's filters and helpers, and the wrapped backend.
    for (const char *sub : {"cgi-bin", "daemon", "driver", "filter", "monitor", "notifier"}) {
        const QString name = QString::fromLatin1(sub);
        if (!QFile::link(QDir(systemServerBin).filePath(name), path(QStringLiteral("bin/")) + name))
            return failed(error,
                          QStringLiteral("cannot link the scheduler's helper folder %1").arg(name));
    }

    // Every path of the configuration is below the temporary folder, written @ROOT@ here.
    const auto below = [this](const char *text) {
        return QByteArray(text).replace("@ROOT@", QFile::encodeName(m_folder.path()));
    };
    QByteArray wrapper = below(R"(#!/bin/bash
# cups-pdf reads /etc/cups/cups-pdf.conf; in a mount namespace of its own it reads this test
# scheduler's settings there instead. CUPS names the device in DEVICE_URI and in argv[0].
exec @UNSHARE@ --mount /bin/bash -c \
    'mount --bind "$0" /etc/cups && exec -a "$DEVICE_URI" @BACKEND@ "$@"' \
    @ROOT@/cups-pdf/etc "$@"
)");
    wrapper.replace("@UNSHARE@", QFile::encodeName(unshare))
            .replace("@BACKEND@", QFile::encodeName(cupsPdfBackend));
    const QByteArray cupsPdfConf = below(R"(Out @ROOT@/out
AnonDirName @ROOT@/out
Spool @ROOT@/cups-pdf/spool
Log @ROOT@/log
Grp root
Label 1
LogType 3
)");
    const QByteArray cupsFiles = below(R"(ServerRoot @ROOT@/root
RequestRoot @ROOT@/spool
CacheDir @ROOT@/cache
StateDir @ROOT@/state
TempDir @ROOT@/tmp
ServerBin @ROOT@/bin
AccessLog @ROOT@/log/access_log
ErrorLog @ROOT@/log/error_log
PageLog @ROOT@/log/page_log
User lp
Group lp
SystemGroup root
FileDevice No
Sandboxing Relaxed
)");
    // Only its own socket, no browsing, no web pages, no authentication; a failed job is
    // aborted instead of stopping the queue; jobs and their files are kept for the tests.
    const QByteArray cupsd = below(R"(LogLevel info
MaxLogSize 0
Listen @ROOT@/cups.sock
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
ErrorPolicy abort-job
PreserveJobFiles Yes
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
)");
    return writeFile(path(QStringLiteral("bin/backend/cups-pdf")), wrapper, executable, error)
           && writeFile(path(QStringLiteral("cups-pdf/etc/cups-pdf.conf")), cupsPdfConf, readable,
                        error)
           && writeFile(path(QStringLiteral("conf/cups-files.conf")), cupsFiles, readable, error)
           && writeFile(path(QStringLiteral("conf/cupsd.conf")), cupsd, readable, error);
}

bool PrivateCups::start(QString *error)
{
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.setStandardOutputFile(path(QStringLiteral("log/cupsd_output")));
    if (!kit::startProgram(m_cupsd,
                           {findTool(QStringLiteral("cupsd")), QStringLiteral("-f"),
                            QStringLiteral("-c"), path(QStringLiteral("conf/cupsd.conf")),
                            QStringLiteral("-s"), path(QStringLiteral("conf/cups-files.conf"))},
                           toolEnvironment()))
        return failed(error, QStringLiteral("cupsd did not start: ") + m_cupsd.errorString());
    const QDeadlineTimer deadline(startTimeoutMs);
    while (!deadline.hasExpired()) {
        if (m_cupsd.state() == QProcess::NotRunning)
            return failed(error, QStringLiteral("cupsd stopped at start:\n") + logs());
        QString output;
        QString ignored;
        if (QFileInfo::exists(server())
            && lpTool(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &ignored, &output)
            && output.trimmed() == QStringLiteral("scheduler is running"))
            return true;
        QThread::msleep(50);
    }
    return failed(error, QStringLiteral("cupsd did not answer within %1 ms:\n").arg(startTimeoutMs)
                                 + logs());
}

bool PrivateCups::lpTool(const QString &program, const QStringList &arguments, QString *error,
                         QString *output) const
{
    QString ignored;
    if (!output)
        output = &ignored;
    const QString tool = findTool(program);
    if (tool.isEmpty())
        return failed(error, program + QStringLiteral(" is not installed"));
    QProcess process;
    process.setProcessEnvironment(toolEnvironment());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, QStringList{QStringLiteral("-h"), server()} + arguments);
    if (!process.waitForFinished(toolTimeoutMs) || process.exitStatus() != QProcess::NormalExit) {
        *error = program + QStringLiteral(" did not finish: ") + process.errorString();
        process.kill();
        process.waitForFinished();
        return false;
    }
    *output = QString::fromLocal8Bit(process.readAll());
    if (process.exitCode() != 0)
        return failed(error, QStringLiteral("%1 %2 failed: %3")
                                     .arg(program, arguments.join(QLatin1Char(' ')), *output));
    return true;
}

bool PrivateCups::addDefaultQueue(const QString &queue, const QString &device, QString *error)
{
    return lpTool(QStringLiteral("lpadmin"),
                  {QStringLiteral("-p"), queue, QStringLiteral("-E"), QStringLiteral("-v"), device,
                   QStringLiteral("-P"), cupsPdfPpd},
                  error)
           && lpTool(QStringLiteral("lpadmin"), {QStringLiteral("-d"), queue}, error);
}

bool PrivateCups::addDefaultPdfPrinter(const QString &queue, QString *error)
{
    return addDefaultQueue(queue, QStringLiteral("cups-pdf:/"), error);
}

bool PrivateCups::addDefaultFailingPrinter(const QString &queue, QString *error)
{
    // A backend that lists itself when asked and fails every job it is given.
    const QByteArray backend = R"(#!/bin/sh
if [ $# -eq 0 ]; then
    echo 'direct failing "Unknown" "A device that fails every job"'
    exit 0
fi
echo "ERROR: the device failed" >&2
exit 1
)";
    return writeFile(path(QStringLiteral("bin/backend/failing")), backend, executable, error)
           && addDefaultQueue(queue, QStringLiteral("failing:/"), error);
}

bool PrivateCups::stopQueue(const QString &queue, QString *error)
{
    return lpTool(QStringLiteral("cupsdisable"), {queue}, error);
}

bool PrivateCups::rejectJobs(const QString &queue, QString *error)
{
    return lpTool(QStringLiteral("cupsreject"), {queue}, error);
}

QList<int> PrivateCups::jobIds(const QString &which) const
{
    // lpstat -o lists one job a line, "queue-id user size date".
    QString error;
    QString output;
    QList<int> ids;
    if (!lpTool(QStringLiteral("lpstat"), {QStringLiteral("-W"), which, QStringLiteral("-o")},
                &error, &output))
        return ids;
    for (const QString &line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString job = line.section(QLatin1Char(' '), 0, 0);
        bool ok = false;
        const int id = job.section(QLatin1Char('-'), -1).toInt(&ok);
        if (ok)
            ids << id;
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

bool PrivateCups::waitUntilNoJobIsPending(int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    do {
        if (jobIds(QStringLiteral("not-completed")).isEmpty())
            return true;
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return false;
}

bool PrivateCups::jobCompleted(int jobId) const
{
    return readFile(path(QStringLiteral("log/error_log")))
            .contains(QStringLiteral("[Job %1] Job completed.").arg(jobId));
}

QStringList PrivateCups::submittedFiles(int jobId) const
{
    // The scheduler names a job's files d<id, five digits>-<file number, three digits>.
    QStringList files;
    const QDir spool(path(QStringLiteral("spool")));
    const QString pattern = QStringLiteral("d%1-*").arg(jobId, 5, 10, QLatin1Char('0'));
    for (const QString &name : spool.entryList({pattern}, QDir::Files, QDir::Name))
        files << spool.filePath(name);
    return files;
}

QString PrivateCups::printedFile(int jobId) const
{
    // With Label 1, cups-pdf names its output job_<id>-<title>.pdf.
    const QDir out(path(QStringLiteral("out")));
    const QStringList names
            = out.entryList({QStringLiteral("job_%1-*.pdf").arg(jobId)}, QDir::Files);
    return names.size() == 1 ? out.filePath(names.first()) : QString();
}

QStringList PrivateCups::printedFiles() const
{
    return QDir(path(QStringLiteral("out"))).entryList(QDir::Files, QDir::Name);
}

QString PrivateCups::logs() const
{
    QString text;
    const QDir log(path(QStringLiteral("log")));
    for (const QString &name : log.entryList(QDir::Files, QDir::Name))
        text += QStringLiteral("--- %1\n").arg(name) + readFile(log.filePath(name));
    return text;
}

} // namespace print_queue
