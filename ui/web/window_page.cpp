// SPDX-License-Identifier: GPL-3.0-or-later
// The window's page and style sheet, written from the design data.

#include "window_page.h"

#include "box.h"
#include "css_fonts.h"
#include "design.h"

#include <string_view>

namespace ui::web {

namespace {

// The layout band that a phone shows when the page opens, in CSS pixels: from Label16's left to
// Text8's right, from a little above Label1 down.
constexpr design::Rect text8 = design::fields[design::indexOf(design::fields, "Text8")].box;
constexpr int bandLeft = design::px(design::labels[design::labelIndex("Label16")].box.left);
constexpr int bandRight = design::px(text8.left + text8.width);
constexpr int bandTop = design::px(design::labels[design::labelIndex("Label1")].box.top) - 8;
constexpr int bandWidth = bandRight - bandLeft;

// An edit line that takes text as typed: no completion, capitals, corrections or spelling marks,
// which a phone's keyboard would otherwise bring to a point name.
constexpr std::string_view asTyped = " type=\"text\" autocomplete=\"off\" autocapitalize=\"off\" "
                                     "autocorrect=\"off\" spellcheck=\"false\"";

std::string number(int value)
{
    return std::to_string(value);
}

// A length in the page's unit: one CSS pixel, less on a screen narrower than the band.
std::string length(int pixels)
{
    return "calc(" + number(pixels) + " * var(--u))";
}

std::string colour(const design::Rgb &rgb)
{
    return "rgb(" + number(rgb.red) + ", " + number(rgb.green) + ", " + number(rgb.blue) + ")";
}

std::string font(design::Font which)
{
    const design::FontSpec &style = design::fontSpec(which);
    return std::string(style.bold ? "bold " : "") + length(design::pixelSize(style)) + " "
           + platform::web::cssFamilies(style.face.name);
}

std::string boxRule(std::string_view name, const design::PixelRect &box)
{
    return "#" + std::string(name) + " { left: " + length(box.left) + "; top: " + length(box.top)
           + "; width: " + length(box.width) + "; height: " + length(box.height) + "; }\n";
}

template<typename Control>
std::string placed(const Control &control)
{
    return boxRule(control.name, design::pixelRect(control.box, design::logicalDpi));
}

const design::FieldLabels &labelsOf(std::string_view field)
{
    for (const design::FieldLabels &names : design::fieldLabels) {
        if (names.field == field)
            return names;
    }
    return design::fieldLabels.front();
}

std::string labelsHtml()
{
    std::string html;
    for (const design::Label &label : design::labels) {
        html += "<span id=\"" + std::string(label.name) + "\" class=\"label font"
                + number(static_cast<int>(design::fontOf(label))) + "\">" + escaped(label.caption)
                + "</span>\n";
    }
    return html;
}

// Fields and buttons in tab order, so that Tab follows the design without tab indices.
std::string tabStopsHtml()
{
    std::string html;
    for (const design::TabStop &stop : design::tabOrder) {
        const std::string name(stop.name);
        if (stop.button) {
            html += "<button id=\"" + name + "\" type=\"button\">" + escaped(stop.caption)
                    + "</button>\n";
        } else {
            // The focus starts at the first stop.
            const bool first = stop.name == design::tabOrder.front().name;
            html += "<input id=\"" + name + "\"" + std::string(asTyped) + " aria-label=\""
                    + escaped(design::spokenName(labelsOf(stop.name))) + "\""
                    + (first ? " autofocus" : "") + ">\n";
        }
    }
    return html;
}

std::string linesHtml()
{
    std::string html;
    for (const design::LineEnds &line : design::lines)
        html += "<div id=\"" + std::string(line.name) + "\" class=\"line\"></div>\n";
    return html;
}

std::string captionsCss()
{
    std::string css;
    for (const design::Label &label : design::labels)
        css += placed(label);
    for (const design::Button &button : design::buttons)
        css += placed(button);
    for (std::size_t font = 0; font < design::windowFonts; ++font)
        css += ".font" + number(static_cast<int>(font))
               + " { font: " + web::font(static_cast<design::Font>(font)) + "; }\n";
    return css;
}

} // namespace

std::string escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The page allows its own files and nothing else; connect-src data: lets the program's loader read
// the WebAssembly held inside the script, which it first tries to fetch.
std::string pageHtml()
{
    const std::string title = escaped(design::windowCaption);
    return "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1, "
           "interactive-widget=resizes-content\">\n"
           "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
           "script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; img-src 'self'; "
           "manifest-src 'self'; worker-src 'self'; connect-src data:; base-uri 'none'; "
           "form-action 'none'\">\n"
           "<title>"
           + title
           + "</title>\n<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
             "<link rel=\"icon\" href=\"icon.svg\" type=\"image/svg+xml\">\n"
             "<link rel=\"stylesheet\" href=\"brannock.css\">\n</head>\n<body>\n"
             "<main id=\""
           + std::string(design::windowName) + "\" aria-label=\"" + title + "\">\n" + labelsHtml()
           + linesHtml() + tabStopsHtml() + "</main>\n<p id=\"Ended\" hidden>"
           + escaped(adjustment::texts::ProgramEnded) + " <a id=\"StartAgain\" href=\"\">"
           + escaped(adjustment::texts::StartAgain)
           + "</a></p>\n<dialog id=\"Box\" aria-labelledby=\"BoxPrompt\">\n"
             "<p id=\"BoxTitle\">"
           + escaped(design::boxCaption)
           + "</p>\n<p id=\"BoxPrompt\" aria-live=\"assertive\"></p>\n"
             "<input id=\"BoxReply\""
           + std::string(asTyped)
           + " "
             "aria-labelledby=\"BoxPrompt\">\n<p id=\"BoxButtons\"><button id=\"BoxOk\" "
             "type=\"button\">"
           + escaped(design::okCaption) + "</button> <button id=\"BoxCancel\" type=\"button\">"
           + escaped(design::cancelCaption)
           + "</button></p>\n</dialog>\n<div id=\"Report\"></div>\n"
             "<script src=\"page.js\" defer></script>\n</body>\n</html>\n";
}

std::string pageCss()
{
    std::string css
            = platform::web::cssFontFaces()
              + ":root { --u: 1px; }\n"
                "body { margin: 0; background: "
              + colour(design::windowColour)
              + "; }\n"
                "#Brannock { position: relative; width: "
              + length(design::px(design::openWidth))
              + "; height: " + length(design::px(design::openHeight))
              + "; overflow: hidden; }\n"
                "#Brannock > * { position: absolute; box-sizing: border-box; margin: 0; }\n"
                ".label { white-space: pre; overflow: hidden; color: "
              + colour(design::captionColour) + "; background: " + colour(design::windowColour)
              + "; }\n"
                ".line { background: "
              + colour(design::lineColour)
              + "; forced-color-adjust: none; }\n"
                "#Brannock input, #Brannock button { font: "
              + font(design::Font::Standard)
              + "; padding: 0 2px; }\n"
                "#Brannock button { color: "
              + colour(design::captionColour) + "; background: " + colour(design::buttonColour)
              + "; border: 2px outset " + colour(design::buttonColour) + "; }\n" + captionsCss();
    for (const design::Field &field : design::fields)
        css += placed(field);
    for (const design::LineEnds &line : design::lines)
        css += boxRule(line.name, design::pixelRect(line, design::logicalDpi));
    const std::string boxFont = font(design::Font::Boxes);
    css += "#Box { font: " + boxFont + "; min-width: min("
           + number(design::boxMeasures.promptMinimum)
           + "px, 100vw - 32px); max-width: calc(100vw - 32px); box-sizing: border-box; }\n"
             // Above the layout, which begins lower down, so that the fields stay in view; on a
             // phone below it, just above the on-screen keyboard.
             "#Box { margin-top: 16px; }\n"
             "#Box input, #Box button { font: "
           + boxFont
           + "; }\n"
             "#BoxTitle { font-weight: bold; margin: 0 0 8px; }\n"
             "#BoxPrompt { white-space: pre-wrap; overflow-wrap: anywhere; }\n"
             "#BoxReply { width: 100%; box-sizing: border-box; }\n"
             "#BoxReply[hidden], #BoxCancel[hidden] { display: none; }\n"
             "#BoxButtons { text-align: right; margin-bottom: 0; }\n"
             "#BoxButtons button { min-width: "
           + number(design::boxMeasures.buttonWidth)
           + "px; }\n"
             "#Ended { font: "
           + boxFont
           + "; margin: 16px; }\n"
             "#Report { display: none; }\n"
             "#Report svg { display: block; break-after: page; }\n"
             "#Report text { white-space: pre; }\n"
             "@page { size: A4; margin: 0; }\n"
             "@media print {\n"
             "  body.reported > :not(#Report) { display: none; }\n"
             "  body.reported > #Report { display: block; }\n"
             "}\n"
             // A phone shows the layout band, at no less than 0.9 of its size on the narrowest.
             "@media (max-width: "
           + number(design::px(design::openWidth) - 1)
           + "px) {\n"
             "  #Brannock { left: "
           + length(-bandLeft) + "; top: " + length(-bandTop) + "; width: " + length(bandRight)
           + "; }\n"
             "  #Box { margin: auto auto 8px; }\n"
             "}\n"
             "@media (max-width: "
           + number(bandWidth - 1) + "px) { :root { --u: calc(100vw / " + number(bandWidth)
           + "); } }\n";
    return css;
}

std::string manifestJson()
{
    const std::string name(design::windowCaption);
    const std::string background = "\"" + colour(design::windowColour) + "\"";
    return "{\n  \"name\": \"" + name + "\",\n  \"short_name\": \"" + name
           + "\",\n  \"lang\": \"zh-CN\",\n  \"start_url\": \"./\",\n  \"scope\": \"./\",\n"
             "  \"display\": \"standalone\",\n  \"background_color\": "
           + background + ",\n  \"theme_color\": " + background
           + ",\n  \"icons\": [\n"
             "    {\"src\": \"icon-192.png\", \"sizes\": \"192x192\", \"type\": \"image/png\"},\n"
             "    {\"src\": \"icon-512.png\", \"sizes\": \"512x512\", \"type\": \"image/png\"},\n"
             "    {\"src\": \"icon.svg\", \"sizes\": \"any\", \"type\": \"image/svg+xml\"}\n  "
             "]\n}\n";
}

std::string floorHtml()
{
    std::string css = platform::web::cssFontFaces()
                      + "body { margin: 0; background: " + colour(design::windowColour)
                      + "; }\n:root { --u: 1px; }\n"
                        "span, div { position: absolute; white-space: pre; }\n"
                      + captionsCss();
    std::string html = "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>floor</title>\n<style>\n"
                       + css + "</style>\n</head>\n<body>\n" + labelsHtml();
    for (const design::Button &button : design::buttons)
        html += "<div id=\"" + std::string(button.name) + "\" class=\"font0\">"
                + escaped(button.caption) + "</div>\n";
    return html + "</body>\n</html>\n";
}

} // namespace ui::web
