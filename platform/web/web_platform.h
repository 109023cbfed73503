// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The services in a web page: the prompt box is an HTML dialog the run waits on (ASYNCIFY), the
// fields are the page's inputs, and the report is drawn as SVG pages that the browser prints.
// The page's side of each is the object Brannock in page.js.

#include "platform.h"
#include "printing.h"

namespace platform::web {

class WebPromptService final : public PromptService
{
public:
    std::string inputBox(const std::string &prompt) override;
    void showMessage(const std::string &text) override;
};

class WebFieldService final : public FieldService
{
public:
    void setFieldText(Field field, const std::string &text) override;
};

// Closes the page's tab, or, where the browser refuses, replaces the window by a note that
// Brannock has ended and a link that starts it again.
class WebProgramEnd final : public ProgramEnd
{
public:
    void endProgram() override;
};

// The browser is the one printer: the report goes to its print dialog, where the user picks a
// printer or "Save as PDF", and the page learns nothing of the outcome. No file is written.
class WebReportOutput final : public PrintOnlyOutput
{
public:
    DefaultPrinter defaultPrinter() override;
    std::unique_ptr<PageCanvas> printJob(const std::string &printer) override;
};

} // namespace platform::web
