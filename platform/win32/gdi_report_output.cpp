// SPDX-License-Identifier: GPL-3.0-or-later

#include "gdi_report_output.h"

namespace platform::win32 {

DefaultPrinter GdiReportOutput::defaultPrinter()
{
    return {DefaultPrinter::State::None, {}};
}

std::unique_ptr<PageCanvas> GdiReportOutput::printJob(const std::string &)
{
    return nullptr;
}

LocalTime GdiReportOutput::now()
{
    return {};
}

Folder GdiReportOutput::documentsFolder()
{
    return {"", false};
}

std::string GdiReportOutput::pathIn(const std::string &folder, const std::string &name)
{
    return folder + '\\' + name;
}

FileCreation GdiReportOutput::createNewFile(const std::string &)
{
    return FileCreation::Failed;
}

std::unique_ptr<PageCanvas> GdiReportOutput::fileWriter(const std::string &)
{
    return nullptr;
}

void GdiReportOutput::removeFile(const std::string &) {}

} // namespace platform::win32
