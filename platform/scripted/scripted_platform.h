// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A platform for tests and benchmarks: answers prompts from a list of replies (then from an
// optional responder), and records every prompt, message, field write and printer operation
// in order.

#include "platform.h"

#include <array>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

// Thrown by inputBox when a prompt comes that the script has no reply for.
class ScriptExhausted : public std::runtime_error
{
public:
    explicit ScriptExhausted(const std::string &prompt);
};

class ScriptedPlatform final : public PromptService, public FieldService, public PrinterSurface
{
public:
    // Gives the reply to a prompt once the list is used up.
    using Responder = std::function<std::string(const std::string &prompt)>;

    explicit ScriptedPlatform(std::vector<std::string> replies = {});

    void setResponder(Responder responder) { m_responder = std::move(responder); }
    void setPrintOutcome(PrintOutcome outcome) { m_outcome = std::move(outcome); }
    // Stops recording the event log (counters and field texts are still kept); for benchmarks.
    void setRecording(bool on) { m_recording = on; }
    Services services() { return Services{*this, *this, *this}; }

    std::string inputBox(const std::string &prompt) override;
    void showMessage(const std::string &text) override;
    void setFieldText(Field field, const std::string &text) override;
    void setPosition(int xTwips, int yTwips) override;
    void setFontName(const std::string &name) override;
    void setFontSize(double points) override;
    void printLine(std::optional<int> column, const std::vector<std::string> &items) override;
    void printEmptyLine() override;
    PrintOutcome endDocument() override;

    // Every event in order, one line each: "ask: <prompt>", "message: <text>",
    // "Text1=<text>", "position 2000 1000", "font <name>", "size 12",
    // "line 30 [item][item]", "empty line", "end document".
    const std::vector<std::string> &log() const { return m_log; }
    // The log lines that start with the given prefix, the prefix removed.
    std::vector<std::string> logOf(const std::string &prefix) const;
    // The text of every printed line, items concatenated; empty lines are empty strings.
    const std::vector<std::string> &printedLines() const { return m_printed; }
    const std::string &fieldText(Field field) const;

    std::size_t repliesLeft() const { return m_replies.size() - m_next; }
    std::size_t documentsEnded() const { return m_documents; }

private:
    void record(std::string line);

    std::vector<std::string> m_replies;
    std::size_t m_next = 0;
    Responder m_responder;
    PrintOutcome m_outcome;
    bool m_recording = true;
    std::vector<std::string> m_log;
    std::vector<std::string> m_printed;
    std::array<std::string, 9> m_fields;
    std::size_t m_documents = 0;
};

} // namespace platform
