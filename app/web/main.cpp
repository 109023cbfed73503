// SPDX-License-Identifier: GPL-3.0-or-later
// The program in a web page: the start and end buttons' handlers, which page.js calls.

#include "run.h"
#include "web_platform.h"

#include <emscripten/emscripten.h>

namespace {

platform::web::WebPromptService prompts;
platform::web::WebFieldService fields;
platform::web::WebReportOutput output;
platform::web::WebProgramEnd programEnd;
adjustment::RunStarter starter;

} // namespace

extern "C" {

// Command1: one run through the page's boxes and fields.
EMSCRIPTEN_KEEPALIVE void brannock_start()
{
    starter.start(prompts, fields, output);
}

// Command2: ends the program.
EMSCRIPTEN_KEEPALIVE void brannock_end()
{
    programEnd.endProgram();
}
}

int main()
{
    return 0;
}
