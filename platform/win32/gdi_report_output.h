// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Stands in for the GDI printing until it is merged, which replaces this file pair: no printer
// and no documents folder, so a run ends with the core's message that the report could be
// neither printed nor saved.

#include "printing.h"

namespace platform::win32 {

class GdiReportOutput final : public ReportOutput
{
public:
    DefaultPrinter defaultPrinter() override;
    std::unique_ptr<PageCanvas> printJob(const std::string &printer) override;
    LocalTime now() override;
    Folder documentsFolder() override;
    std::string pathIn(const std::string &folder, const std::string &name) override;
    FileCreation createNewFile(const std::string &path) override;
    std::unique_ptr<PageCanvas> fileWriter(const std::string &path) override;
    void removeFile(const std::string &path) override;
};

} // namespace platform::win32
