// SPDX-License-Identifier: GPL-3.0-or-later
// The services' C++ side: each call goes to the page's object Brannock (page.js).

#include "web_platform.h"

#include "css_fonts.h"
#include "units.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

// clang-format off
EM_ASYNC_JS(char *, page_ask, (const char *prompt), {
    const reply = await Brannock.ask(UTF8ToString(prompt));
    const size = lengthBytesUTF8(reply) + 1;
    const copy = _malloc(size);
    if (copy)
        stringToUTF8(reply, copy, size);
    return copy;
});
EM_ASYNC_JS(void, page_tell, (const char *text), {
    await Brannock.tell(UTF8ToString(text));
});
EM_JS(void, page_set_field, (const char *name, const char *text), {
    Brannock.setField(UTF8ToString(name), UTF8ToString(text));
});
EM_JS(void, page_end, (), {
    Brannock.end();
});
EM_JS(void, page_begin_report, (double width, double height), {
    Brannock.beginReport(width, height);
});
EM_JS(double, page_advance, (const char *font, const char *text), {
    return Brannock.advance(UTF8ToString(font), UTF8ToString(text));
});
EM_JS(void, page_metrics, (const char *font, double *out), {
    const metrics = Brannock.metrics(UTF8ToString(font));
    for (let i = 0; i < 3; ++i)
        HEAPF64[(out >> 3) + i] = metrics[i];
});
EM_JS(int, page_fitting, (const char *font, const char *text, double width), {
    return Brannock.fitting(UTF8ToString(font), UTF8ToString(text), width);
});
EM_JS(void, page_draw_text, (double x, double baseline, const char *font, const char *text), {
    Brannock.drawText(x, baseline, UTF8ToString(font), UTF8ToString(text));
});
EM_JS(void, page_new_page, (), {
    Brannock.newPage();
});
EM_JS(void, page_print_report, (), {
    Brannock.printReport();
});
// clang-format on

namespace platform::web {

namespace {

// A4, the paper the page asks the browser's print dialog for.
constexpr double paperWidth = 11906;
constexpr double paperHeight = 16838;

// The report's font as the browser takes it, sized in twips: the SVG pages are drawn in twips,
// and a font of so many pixels measures in them too.
std::string twipsFont(const PrintFont &font)
{
    return cssFont(font.name, font.points * design::twipsPerPoint, false);
}

// The report drawn as SVG pages in twips, measured by the browser's own text shaping; at finish
// the pages become the page's print content and the browser's print dialog opens.
class SvgCanvas final : public PageCanvas
{
public:
    SvgCanvas() { page_begin_report(paperWidth, paperHeight); }

    double advance(const PrintFont &font, const std::string &text) override
    {
        return page_advance(twipsFont(font).c_str(), text.c_str());
    }

    // A font's vertical measures in whole twips, as the desktops' font engines give them in whole
    // device units: the ascent and the descent each rounded up, the line's height to the nearest.
    // The browser measures in whole pixels: 16 times as large, it is exact enough to round.
    FontMetrics metrics(const PrintFont &font) override
    {
        constexpr double scale = 16;
        double measures[3] = {}; // ascent, descent, line box
        page_metrics(cssFont(font.name, font.points * design::twipsPerPoint * scale, false).c_str(),
                     measures);
        const double height = std::ceil(measures[0] / scale) + std::ceil(measures[1] / scale);
        return {height, std::ceil(measures[0] / scale),
                std::max(height, std::round(measures[2] / scale))};
    }

    // A PDF saved from the browser has no unprintable edge: the same margin as a saved report's.
    PrintableArea printableArea() override
    {
        return {fileMarginTwips, fileMarginTwips, paperWidth - fileMarginTwips,
                paperHeight - fileMarginTwips};
    }

    std::size_t fitting(const PrintFont &font, const std::string &text, double width) override
    {
        const int count = page_fitting(twipsFont(font).c_str(), text.c_str(), width);
        return count > 0 ? static_cast<std::size_t>(count) : 0;
    }

    void drawText(const PlacedText &piece) override
    {
        page_draw_text(piece.x, piece.baseline, twipsFont(piece.font).c_str(), piece.text.c_str());
    }

    bool newPage() override
    {
        page_new_page();
        return true;
    }

    bool finish() override
    {
        page_print_report();
        return true;
    }
};

} // namespace

std::string WebPromptService::inputBox(const std::string &prompt)
{
    char *reply = page_ask(prompt.c_str());
    std::string text = reply ? reply : "";
    std::free(reply);
    return text;
}

void WebPromptService::showMessage(const std::string &text)
{
    page_tell(text.c_str());
}

void WebFieldService::setFieldText(Field field, const std::string &text)
{
    page_set_field(fieldName(field), text.c_str());
}

void WebProgramEnd::endProgram()
{
    page_end();
}

DefaultPrinter WebReportOutput::defaultPrinter()
{
    return {DefaultPrinter::State::Ready, "browser"};
}

std::unique_ptr<PageCanvas> WebReportOutput::printJob(const std::string &)
{
    return std::make_unique<SvgCanvas>();
}

} // namespace platform::web
