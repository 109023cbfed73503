// SPDX-License-Identifier: GPL-3.0-or-later
// A platform that answers from a script and records every event.

#include "scripted_platform.h"

#include "double_chars.h"

namespace platform {

namespace {

std::string numberText(double value)
{
    std::array<char, 64> buffer{};
    auto result = toChars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

} // namespace

ScriptExhausted::ScriptExhausted(const std::string &prompt)
    : std::runtime_error("no scripted reply for prompt: " + prompt)
{}

ScriptedPlatform::ScriptedPlatform(std::vector<std::string> replies)
    : m_replies(std::move(replies))
{}

void ScriptedPlatform::record(std::string line)
{
    if (m_recording)
        m_log.push_back(std::move(line));
}

std::string ScriptedPlatform::inputBox(const std::string &prompt)
{
    record("ask: " + prompt);
    if (m_next < m_replies.size())
        return m_replies[m_next++];
    if (m_responder)
        return m_responder(prompt);
    throw ScriptExhausted(prompt);
}

void ScriptedPlatform::showMessage(const std::string &text)
{
    record("message: " + text);
}

void ScriptedPlatform::setFieldText(Field field, const std::string &text)
{
    m_fields[static_cast<std::size_t>(field)] = text;
    record(std::string(fieldName(field)) + "=" + text);
}

const std::string &ScriptedPlatform::fieldText(Field field) const
{
    return m_fields[static_cast<std::size_t>(field)];
}

void ScriptedPlatform::setPosition(int xTwips, int yTwips)
{
    record("position " + std::to_string(xTwips) + " " + std::to_string(yTwips));
}

void ScriptedPlatform::setFontName(const std::string &name)
{
    record("font " + name);
}

void ScriptedPlatform::setFontSize(double points)
{
    record("size " + numberText(points));
}

void ScriptedPlatform::printLine(std::optional<int> column, const std::vector<std::string> &items)
{
    std::string line = "line";
    if (column) {
        line += ' ';
        line += std::to_string(*column);
    }
    line += ' ';
    std::string text;
    for (const auto &item : items) {
        line.append("[").append(item).append("]");
        text += item;
    }
    record(std::move(line));
    if (m_recording)
        m_printed.push_back(std::move(text));
}

void ScriptedPlatform::printEmptyLine()
{
    record("empty line");
    if (m_recording)
        m_printed.emplace_back();
}

PrintOutcome ScriptedPlatform::endDocument()
{
    ++m_documents;
    record("end document");
    return m_outcome;
}

std::vector<std::string> ScriptedPlatform::logOf(const std::string &prefix) const
{
    std::vector<std::string> found;
    for (const auto &line : m_log) {
        if (line.compare(0, prefix.size(), prefix) == 0)
            found.push_back(line.substr(prefix.size()));
    }
    return found;
}

} // namespace platform
