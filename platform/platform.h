// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The services through which an adjustment run reaches the user and the printer.
// The run is written against these interfaces only, so it runs the same with the Qt
// realisation (platform/qt) and with the scripted one used by the tests.
// All text is UTF-8.

#include <optional>
#include <string>
#include <vector>

namespace platform {

// The nine display fields of the main window, named as in the window.
enum class Field { Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9 };

// "Text1" … "Text9".
const char *fieldName(Field field);

// Thrown by a service when the program is being ended while a run waits on it (the session
// ends, say): the run unwinds and the click handler returns, so the program can end.
struct ProgramEnding
{};

class PromptService
{
public:
    virtual ~PromptService() = default;
    // Modal prompt box with an empty edit line; returns the line as typed,
    // or empty text for Cancel or a box closed by its frame. Never trims or converts.
    // Throws ProgramEnding when the box cannot be answered because the program is ending.
    virtual std::string inputBox(const std::string &prompt) = 0;
    // Modal message with one OK button; returns when the user has dismissed it.
    virtual void showMessage(const std::string &text) = 0;
};

class FieldService
{
public:
    virtual ~FieldService() = default;
    // Replaces the whole text of a field; the text is visible while the next prompt is open.
    virtual void setFieldText(Field field, const std::string &text) = 0;
};

// How a printed document ended: printed, or why not, and then what became of its file.
// What a saved report's file is: a PDF, an XPS document, or the report's lines as plain text.
enum class FileKind { Pdf, Xps, Text };

struct PrintOutcome
{
    enum class Printing {
        Printed,   // handed to the default printer
        NoPrinter, // the print system names no default printer
        // the print system cannot be reached, the default printer is stopped or refuses jobs,
        // or the job could not be made, was refused, or failed
        Failed,
    };
    // Only for a report that was not printed: it is then saved in the documents folder.
    enum class Saving {
        NotNeeded,         // it was printed
        Saved,             // saved as the file `path`
        FolderNotWritable, // the documents folder `path` (empty when not found) cannot be
                           // created or written
        FileNotWritable,   // the file `path` cannot be created or written whole
        NoFreeName,        // every name the report may take in the folder `path` is taken
    };
    Printing printing = Printing::Printed;
    Saving saving = Saving::NotNeeded;
    std::string path;
    FileKind kind = FileKind::Pdf; // of the saved file, or of the one that could not be saved
};

// Printer surface bound to the default printer. Positions are in twips (1/1440 inch)
// from the paper's top-left corner. The document begins with the first output.
class PrinterSurface
{
public:
    virtual ~PrinterSurface() = default;
    // Moves the current position.
    virtual void setPosition(int xTwips, int yTwips) = 0;
    // Selects a font by name for the following output.
    virtual void setFontName(const std::string &name) = 0;
    // Selects the font size in points for the following output.
    virtual void setFontSize(double points) = 0;
    // Prints one line: an optional positioning item (a column count), the items one directly
    // after the other, then a line end that moves to the left edge of the next line.
    virtual void printLine(std::optional<int> column, const std::vector<std::string> &items) = 0;
    // Prints a line end only.
    virtual void printEmptyLine() = 0;
    // Ends the document and submits it as one job.
    virtual PrintOutcome endDocument() = 0;
};

class ProgramEnd
{
public:
    virtual ~ProgramEnd() = default;
    // Ends the program at once: the window closes without a question.
    virtual void endProgram() = 0;
};

// The services one adjustment run uses.
struct Services
{
    PromptService &prompts;
    FieldService &fields;
    PrinterSurface &printer;
};

} // namespace platform
