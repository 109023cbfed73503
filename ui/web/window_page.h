// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The web page of the window Brannock, made from the design data when the program is built, so
// that the page's first frame shows the whole window before the program has loaded: every
// control with its name as id, its place at 15 twips a CSS pixel, caption, font, colour, tab order
// and spoken name; the prompt box; the note shown once the program has ended; the report's
// print-only pages.

#include <string>

namespace ui::web {

// The page: index.html of the site, with pageCss() put inline when the site is assembled; it loads
// page.js beside it, which loads the program, brannock.js.
std::string pageHtml();

// The page's style sheet.
std::string pageCss();

// The web app manifest: the name, the window's colour and the icons, so that the page installs.
std::string manifestJson();

// A page that shows the window's 21 captions in the same fonts at the same places and loads no
// program: the floor the page's first frame is measured against.
std::string floorHtml();

// `text` with &, <, > and " as character references, for text and attribute values.
std::string escaped(std::string_view text);

} // namespace ui::web
