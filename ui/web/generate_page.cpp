// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the window's page, its style sheet, the app manifest and the cost floor page into the
// folder given, when the program is built.

#include "window_page.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

bool write(const std::string &path, const std::string &content)
{
    std::ofstream file(path, std::ios::binary);
    file << content;
    file.close();
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_page FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool written = write(folder + "/index.html", ui::web::pageHtml())
                         && write(folder + "/brannock.css", ui::web::pageCss())
                         && write(folder + "/manifest.webmanifest", ui::web::manifestJson())
                         && write(folder + "/floor.html", ui::web::floorHtml());
    return written ? 0 : 1;
}
