// SPDX-License-Identifier: GPL-3.0-or-later
// The texts that carry a number: the prompts of a point or segment, and the route summary.

#include "texts.h"

namespace adjustment::texts {

std::string pointNamePrompt(long index)
{
    return "请输入第" + std::to_string(index) + " 个待定点的点名  :";
}

std::string segmentDistancePrompt(long index)
{
    return "请输入第" + std::to_string(index) + " 段前后视距离 S  :";
}

std::string routeSummary(const std::string &n)
{
    return "  附合水准路线共有" + n + "个待定点";
}

} // namespace adjustment::texts
