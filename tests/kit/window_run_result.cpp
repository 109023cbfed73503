// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_run_result.h"

#include <fstream>

namespace kit {

namespace {

// A JSON string: quotes, backslashes and control characters escaped, other bytes as they are.
std::string jsonString(const std::string &text)
{
    static constexpr char hex[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
            quoted += {'\\', c};
        else if (byte < 0x20)
            quoted += std::string("\\u00") + hex[byte >> 4] + hex[byte & 0xF];
        else
            quoted += c;
    }
    return quoted + '"';
}

} // namespace

std::string windowRunResult(std::size_t prompts, const std::vector<std::string> &messages)
{
    std::string json = "{\"prompts\": " + std::to_string(prompts) + ", \"messages\": [";
    for (std::size_t i = 0; i < messages.size(); ++i)
        json += (i ? ", " : "") + jsonString(messages[i]);
    return json + "]}\n";
}

bool writeWindowRunResult(const std::filesystem::path &path, std::size_t prompts,
                          const std::vector<std::string> &messages)
{
    std::ofstream file(path, std::ios::binary);
    file << windowRunResult(prompts, messages);
    file.close();
    return !file.fail();
}

} // namespace kit
