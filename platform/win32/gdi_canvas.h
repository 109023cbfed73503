// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The report drawn and measured with GDI on a printer's device context: a job on paper, or into
// a file through a printer that writes files.

#include "printing.h"

#include <memory>
#include <string>

namespace platform::win32 {

// A canvas for one document on `printer`, into the file `output` unless it is empty (a file
// keeps the half-inch margin of a saved report); null when the printer cannot be reached or
// the document or its first page not begun. A file is complete only when the printer has
// written it whole; one that is not is cancelled.
std::unique_ptr<PageCanvas> openGdiCanvas(const std::wstring &printer, const std::wstring &output);

} // namespace platform::win32
