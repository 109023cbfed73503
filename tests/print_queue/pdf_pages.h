// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Pages of a PDF as poppler sees them: how many there are, and whether one has ink on it. The
// output of cups-pdf is redistilled by Ghostscript into Type 3 fonts, so its text cannot be read
// back; a rendered page shows whether anything was printed on it.

#include <QString>

namespace print_queue {

// The page count pdfinfo reports; -1 when pdfinfo cannot read the file.
int pdfPageCount(const QString &path);

// Dark pixels on the page (numbered from 1) rendered in grey at a low resolution; -1 when it
// cannot be rendered.
int inkedPixels(const QString &path, int page);

} // namespace print_queue
