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

// `text` as a JSON string, quotes included; UTF-8 passes as it is.
inline std::string jsonString(const std::string &text)
{
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            json += {'\\', c};
        else if (static_cast<unsigned char>(c) < 0x20) // as \u00XX
            json += std::string("\\u00") + "0123456789abcdef"[c >> 4] + "0123456789abcdef"[c & 15];
        else
            json += c;
    }
    return json + '"';
}

// A list of texts as a JSON array.
inline std::string jsonArray(const std::vector<std::string> &texts)
{
    std::string json = "[";
    for (std::size_t i = 0; i < texts.size(); ++i)
        json += (i ? ", " : "") + jsonString(texts[i]);
    return json + "]";
}

// Writes it to the file; false when it cannot be written whole.
inline bool writeWindowRunResult(const std::filesystem::path &path, std::size_t prompts,
                                 const std::vector<std::string> &messages)
{
    std::ofstream file(path, std::ios::binary);
    file << "{\"prompts\": " << prompts << ", \"messages\": " << jsonArray(messages) << "}\n";
    file.close();
    return static_cast<bool>(file);
}

} // namespace kit
