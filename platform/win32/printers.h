// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The printers as the spooler knows them: the default one and whether it is ready, the printers
// that write files and which is which, and whether such a printer completed its file. The spooler
// is loaded the first time a report goes out, so the program starts without it.

#include "printing.h"

#include <optional>
#include <string>
#include <vector>

namespace platform::win32 {

// A printer as the spooler lists it: its name, which users may change, its driver's name, and
// whether it takes jobs now (as the default printer must to be printed on).
struct PrinterEntry
{
    std::wstring name;
    std::wstring driver;
    bool ready = true;
};

// The local printers and the connections to shared ones.
std::vector<PrinterEntry> installedPrinters();

// The first ready printer among `printers` that writes a file of `kind` (a PDF or XPS file),
// known by its driver, since its name is the user's or the system language's; none where there
// is none. A printer that is paused or in error would hold the file's job, or lose it.
std::optional<std::wstring> filePrinter(const std::vector<PrinterEntry> &printers, FileKind kind);

DefaultPrinter defaultPrinter();

// Deletes the job `job` of `printer` from its queue, where it still is.
void cancelJob(const std::wstring &printer, int job);

// Whether the file at `path` has content and no one writes it any more, asked every 100 ms for
// up to `milliseconds`: the spooler writes a printed file after EndDoc, later, or never.
bool fileCompleted(const std::wstring &path, unsigned long milliseconds);

// How long a printer that prints into a file has to complete it after EndDoc, and how often it
// is looked at meanwhile; the spooler usually takes well under a second.
inline constexpr unsigned long fileWaitMilliseconds = 10000;
inline constexpr unsigned long filePollMilliseconds = 100;

} // namespace platform::win32
