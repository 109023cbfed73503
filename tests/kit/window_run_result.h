// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a window run saw, written as the print queue tests read it back, by the Linux and the
// Windows window runs alike:
//   {"prompts": <number of prompt boxes answered>, "messages": [<message box texts, UTF-8>]}

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kit {

// Writes it to the file; false when it cannot be written whole.
inline bool writeWindowRunResult(const std::filesystem::path &path, std::size_t prompts,
                                 const std::vector<std::string> &messages)
{
    std::string json = "{\"prompts\": " + std::to_string(prompts) + ", \"messages\": [";
    for (std::size_t i = 0; i < messages.size(); ++i) {
        json += i ? ", \"" : "\"";
        for (const char c : messages[i]) {
            if (c == '"' || c == '\\')
                json += {'\\', c};
            else if (static_cast<unsigned char>(c) < 0x20) // as \u00XX
                json += std::string("\\u00") + "0123456789abcdef"[c >> 4]
                        + "0123456789abcdef"[c & 15];
            else
                json += c;
        }
        json += '"';
    }
    std::ofstream file(path, std::ios::binary);
    file << json << "]}\n";
    file.close();
    return static_cast<bool>(file);
}

} // namespace kit
