// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a window run saw, written as the print queue tests read it back, by the Linux and the
// Windows window runs alike:
//   {"prompts": <number of prompt boxes answered>, "messages": [<message box texts>]}

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace kit {

// The JSON text of a window run's result; the messages are UTF-8.
std::string windowRunResult(std::size_t prompts, const std::vector<std::string> &messages);

// Writes it to the file; false when it cannot be written whole.
bool writeWindowRunResult(const std::filesystem::path &path, std::size_t prompts,
                          const std::vector<std::string> &messages);

} // namespace kit
