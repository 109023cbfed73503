// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The saved report's folder and files on Windows: the user's Documents folder wherever it is
// redirected, new files that never replace one, and their removal. The shell is loaded the
// first time a report is saved, so the program starts without it.

#include "printing.h"

#include <string>

namespace platform::win32 {

// The user's Documents folder, created if missing.
Folder documentsFolder();
std::string pathIn(const std::string &folder, const std::string &name);
FileCreation createNewFile(const std::string &path);
bool writeFile(const std::string &path, const std::string &content);
// Removes the file, waiting for a spooler that holds it a moment longer.
void removeFile(const std::string &path);

} // namespace platform::win32
