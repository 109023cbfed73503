// SPDX-License-Identifier: GPL-3.0-or-later

#include "gdi_report_output.h"

#include "fonts.h"
#include "texts.h"
#include "utf16.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>
#include <winspool.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <map>
#include <memory>
#include <type_traits>

namespace platform::win32 {

namespace {

constexpr double twipsPerInch = 1440.0;

// The drivers of the printers that print into a file, as Windows names them in every language.
constexpr std::wstring_view pdfDriver = L"Microsoft Print To PDF";
constexpr std::wstring_view xpsDriver = L"Microsoft XPS Document Writer v4"; // Windows 8 on
constexpr std::wstring_view xpsDriverWindows7 = L"Microsoft XPS Document Writer";

// A printer that is paused, off line, in error or out of paper would hold a job or lose it.
constexpr DWORD notReadyStatus = PRINTER_STATUS_PAUSED | PRINTER_STATUS_ERROR
                                 | PRINTER_STATUS_PAPER_JAM | PRINTER_STATUS_PAPER_OUT
                                 | PRINTER_STATUS_PAPER_PROBLEM | PRINTER_STATUS_OFFLINE
                                 | PRINTER_STATUS_NOT_AVAILABLE;

// How long a printer that prints into a file has to complete it after EndDoc, and how often it
// is looked at meanwhile; the spooler usually takes well under a second.
constexpr unsigned long fileWaitMilliseconds = 10000;
constexpr DWORD filePollMilliseconds = 100;

struct DcDeleter
{
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using DcHandle = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

// The spooler's and the shell's functions, found the first time a report goes out, so that the
// program starts without loading winspool.drv and shell32.dll (as the Linux program starts
// without its print plugin). Each is null where it cannot be found.
struct LateFunctions
{
    decltype(&::GetDefaultPrinterW) getDefaultPrinter = nullptr;
    decltype(&::OpenPrinterW) openPrinter = nullptr;
    decltype(&::GetPrinterW) getPrinter = nullptr;
    decltype(&::ClosePrinter) closePrinter = nullptr;
    decltype(&::EnumPrintersW) enumPrinters = nullptr;
    decltype(&::SetJobW) setJob = nullptr;
    decltype(&::SHGetKnownFolderPath) getKnownFolderPath = nullptr;
    decltype(&::SHCreateDirectoryExW) createDirectory = nullptr;
};

// A DLL of the system folder, by its full path: never one that lies beside the program.
HMODULE systemLibrary(const wchar_t *name)
{
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    return LoadLibraryW((std::wstring(folder, length) + L"\\" + name).c_str());
}

template<typename Function>
void find(HMODULE library, const char *name, Function &function)
{
    if (library)
        function = reinterpret_cast<Function>(
                reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

const LateFunctions &late()
{
    static const LateFunctions functions = [] {
        LateFunctions found;
        const HMODULE spooler = systemLibrary(L"winspool.drv");
        find(spooler, "GetDefaultPrinterW", found.getDefaultPrinter);
        find(spooler, "OpenPrinterW", found.openPrinter);
        find(spooler, "GetPrinterW", found.getPrinter);
        find(spooler, "ClosePrinter", found.closePrinter);
        find(spooler, "EnumPrintersW", found.enumPrinters);
        find(spooler, "SetJobW", found.setJob);
        const HMODULE shell = systemLibrary(L"shell32.dll");
        find(shell, "SHGetKnownFolderPath", found.getKnownFolderPath);
        find(shell, "SHCreateDirectoryExW", found.createDirectory);
        return found;
    }();
    return functions;
}

struct PrinterCloser
{
    void operator()(HANDLE printer) const { late().closePrinter(printer); }
};
using PrinterHandle = std::unique_ptr<void, PrinterCloser>;

struct FileCloser
{
    void operator()(HANDLE file) const { CloseHandle(file); }
};
using FileHandle = std::unique_ptr<void, FileCloser>; // never INVALID_HANDLE_VALUE

// Selects a GDI object into a device context for its lifetime, then the one it replaced.
class Selection
{
public:
    Selection(HDC dc, HGDIOBJ object)
        : m_dc(dc)
        , m_old(object ? SelectObject(dc, object) : nullptr)
    {}
    ~Selection()
    {
        if (*this)
            SelectObject(m_dc, m_old);
    }
    Selection(const Selection &) = delete;
    Selection &operator=(const Selection &) = delete;

    explicit operator bool() const { return m_old != nullptr; } // null: not selected

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

wchar_t asciiLower(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
}

bool sameName(std::wstring_view a, std::wstring_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](wchar_t x, wchar_t y) { return asciiLower(x) == asciiLower(y); });
}

bool isHan(wchar_t c)
{
    return (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF);
}

bool isBlank(wchar_t c)
{
    return c == L' ' || c == 0x3000;
}

bool isLowSurrogate(wchar_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The characters of a UTF-8 text: its bytes that do not continue a sequence.
std::size_t characters(std::string_view text)
{
    return static_cast<std::size_t>(
            std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// Deletes the job `job` of `printer` from its queue, where it still is.
void cancelJob(std::wstring printer, int job)
{
    const LateFunctions &spooler = late();
    HANDLE opened = nullptr;
    if (job <= 0 || !spooler.openPrinter || !spooler.setJob || !spooler.closePrinter
        || !spooler.openPrinter(printer.data(), &opened, nullptr))
        return;
    const PrinterHandle handle(opened);
    spooler.setJob(opened, static_cast<DWORD>(job), 0, nullptr, JOB_CONTROL_DELETE);
}

// A report printed with GDI: a job on a printer, or into a file through a printer that writes
// files. Twips from the paper's corner become device units from the printable part's corner,
// where GDI's origin is. Any GDI failure while the page is made fails the whole document.
class GdiCanvas final : public PageCanvas
{
public:
    // A job on `printer`, into the file `output` unless it is empty; see isOpen.
    GdiCanvas(const std::wstring &printer, const std::wstring &output)
        : m_dc(CreateDCW(L"WINSPOOL", printer.c_str(), nullptr, nullptr))
        , m_printer(printer)
        , m_output(output)
    {
        if (!m_dc)
            return;
        HDC dc = m_dc.get();
        m_dpiX = GetDeviceCaps(dc, LOGPIXELSX);
        m_dpiY = GetDeviceCaps(dc, LOGPIXELSY);
        if (m_dpiX <= 0 || m_dpiY <= 0)
            return;
        m_offsetX = GetDeviceCaps(dc, PHYSICALOFFSETX);
        m_offsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
        m_area = {twipsX(m_offsetX), twipsY(m_offsetY),
                  twipsX(m_offsetX + GetDeviceCaps(dc, HORZRES)),
                  twipsY(m_offsetY + GetDeviceCaps(dc, VERTRES))};
        if (!output.empty())
            keepFileMargin(dc);
        const std::wstring name = toUtf16(adjustment::texts::ProgramName);
        DOCINFOW document{};
        document.cbSize = sizeof document;
        document.lpszDocName = name.c_str();
        document.lpszOutput = output.empty() ? nullptr : output.c_str();
        m_job = StartDocW(dc, &document);
        if (m_job <= 0)
            return;
        m_inDocument = true;
        m_open = StartPage(dc) > 0;
    }

    ~GdiCanvas() override
    {
        if (m_inDocument)
            AbortDoc(m_dc.get());
    }

    GdiCanvas(const GdiCanvas &) = delete;
    GdiCanvas &operator=(const GdiCanvas &) = delete;

    // False when the printer cannot be reached, or the document or its first page not begun.
    bool isOpen() const { return m_open; }

    double advance(const PrintFont &font, const std::string &text) override
    {
        const std::wstring wide = toUtf16(text);
        const Selection selected(m_dc.get(), use(font));
        SIZE size{};
        if (!selected
            || !GetTextExtentPoint32W(m_dc.get(), wide.c_str(), static_cast<int>(wide.size()),
                                      &size)) {
            m_failed = true;
            return 0;
        }
        return twipsX(size.cx);
    }

    FontMetrics metrics(const PrintFont &font) override
    {
        const Selection selected(m_dc.get(), use(font));
        TEXTMETRICW metrics{};
        if (!selected || !GetTextMetricsW(m_dc.get(), &metrics)) {
            m_failed = true;
            return {};
        }
        return {twipsY(metrics.tmHeight), twipsY(metrics.tmAscent),
                twipsY(metrics.tmHeight + metrics.tmExternalLeading)};
    }

    PrintableArea printableArea() override { return m_area; }

    std::vector<std::string> breakLine(const PrintFont &font, const std::string &text,
                                       double width) override
    {
        const std::wstring wide = toUtf16(text);
        const Selection selected(m_dc.get(), use(font));
        const int extent = std::max(0, static_cast<int>(std::floor(width * m_dpiX / twipsPerInch)));
        std::vector<std::string> pieces;
        for (std::wstring_view rest = wide; !rest.empty();) {
            INT fit = 0;
            SIZE size{};
            if (!selected
                || !GetTextExtentExPointW(m_dc.get(), rest.data(), static_cast<int>(rest.size()),
                                          extent, &fit, nullptr, &size)) {
                m_failed = true;
                fit = static_cast<INT>(rest.size());
            }
            const std::size_t cut = lineCut(rest, static_cast<std::size_t>(std::max(fit, 0)));
            pieces.push_back(toUtf8(rest.substr(0, cut)));
            rest.remove_prefix(cut);
        }
        return pieces;
    }

    void drawText(const PlacedText &piece) override
    {
        const std::wstring wide = toUtf16(piece.text);
        HDC dc = m_dc.get();
        const Selection selected(dc, use(piece.font));
        const int x = static_cast<int>(std::lround(piece.x * m_dpiX / twipsPerInch)) - m_offsetX;
        const int y
                = static_cast<int>(std::lround(piece.baseline * m_dpiY / twipsPerInch)) - m_offsetY;
        if (!selected || SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP) == GDI_ERROR
            || SetBkMode(dc, TRANSPARENT) == 0
            || !TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size())))
            m_failed = true;
    }

    bool newPage() override
    {
        return !m_failed && EndPage(m_dc.get()) > 0 && StartPage(m_dc.get()) > 0;
    }

    bool finish() override
    {
        if (m_failed || EndPage(m_dc.get()) <= 0)
            return false; // the document is abandoned with the canvas
        m_inDocument = false;
        if (EndDoc(m_dc.get()) <= 0)
            return false;
        if (m_output.empty() || fileCompleted(m_output, fileWaitMilliseconds))
            return true;
        // Held by the spooler or lost: it must not come out later beside what replaces it.
        cancelJob(m_printer, m_job);
        return false;
    }

private:
    double twipsX(int device) const { return device * twipsPerInch / m_dpiX; }
    double twipsY(int device) const { return device * twipsPerInch / m_dpiY; }

    // A file has no unprintable edge (the PDF printer's printable part is the whole paper): its
    // printable area keeps the margin of the Linux program's PDF, or the printer's where wider.
    void keepFileMargin(HDC dc)
    {
        const double width = twipsX(GetDeviceCaps(dc, PHYSICALWIDTH));
        const double height = twipsY(GetDeviceCaps(dc, PHYSICALHEIGHT));
        if (width <= 2 * fileMarginTwips || height <= 2 * fileMarginTwips)
            return; // no paper size to keep a margin on
        m_area = {std::max(m_area.left, fileMarginTwips), std::max(m_area.top, fileMarginTwips),
                  std::min(m_area.right, width - fileMarginTwips),
                  std::min(m_area.bottom, height - fileMarginTwips)};
    }

    // The GDI font for `font`, sized at the printer's resolution, made anew only when the report
    // changes its font; null when it cannot be made.
    HFONT use(const PrintFont &font)
    {
        if (!m_font || m_fontKey != font) {
            m_font = createFont(font.name, font.points, false, m_dpiY);
            m_fontKey = font;
        }
        if (!m_font)
            m_failed = true;
        return m_font.get();
    }

    DcHandle m_dc;
    std::wstring m_printer;
    std::wstring m_output; // the file printed into, or empty for paper
    int m_job = 0;         // the spooler's number of the document's job
    int m_dpiX = 0;
    int m_dpiY = 0;
    int m_offsetX = 0; // of the printable part from the paper's corner, in device units
    int m_offsetY = 0;
    PrintableArea m_area;
    bool m_inDocument = false;
    bool m_open = false;
    bool m_failed = false;
    PrintFont m_fontKey;
    FontHandle m_font;
};

// The report's lines in a UTF-8 text file with a byte-order mark and CRLF line ends, as Notepad
// reads it. Every character is one column wide, a piece's distance from the paper's left edge
// becomes blanks before it, and the pieces on one baseline make one line. A text file has no
// paper edge, so nothing wraps and no page breaks.
class TextFileCanvas final : public PageCanvas
{
public:
    // The file made by createNewFile, emptied; see isOpen.
    explicit TextFileCanvas(const std::wstring &path)
    {
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            m_file.reset(file);
    }

    bool isOpen() const { return m_file != nullptr; }

    double advance(const PrintFont &, const std::string &text) override
    {
        return columnTwips * static_cast<double>(characters(text));
    }

    FontMetrics metrics(const PrintFont &) override { return {lineTwips, ascentTwips, lineTwips}; }

    PrintableArea printableArea() override { return {0, 0, noEdge, noEdge}; }

    std::vector<std::string> breakLine(const PrintFont &, const std::string &text,
                                       double width) override
    {
        const std::wstring wide = toUtf16(text);
        const auto columns = static_cast<std::size_t>(std::max(0.0, width / columnTwips));
        std::vector<std::string> pieces;
        for (std::wstring_view rest = wide; !rest.empty();) {
            std::size_t fit = 0; // the UTF-16 units of the first `columns` characters
            for (std::size_t column = 0; column < columns && fit < rest.size(); ++column)
                fit += fit + 1 < rest.size() && isLowSurrogate(rest[fit + 1]) ? 2U : 1U;
            const std::size_t cut = lineCut(rest, fit);
            pieces.push_back(toUtf8(rest.substr(0, cut)));
            rest.remove_prefix(cut);
        }
        return pieces;
    }

    void drawText(const PlacedText &piece) override
    {
        const long column = std::max(0L, std::lround(piece.x / columnTwips));
        m_rows[std::lround(piece.baseline / lineTwips)].emplace(column, piece.text);
    }

    bool newPage() override
    {
        endPage();
        m_lines.emplace_back();
        return true;
    }

    bool finish() override
    {
        endPage();
        std::string content = "\xEF\xBB\xBF";
        for (const std::string &line : m_lines)
            content += line + "\r\n";
        DWORD written = 0;
        const bool wrote = WriteFile(m_file.get(), content.data(),
                                     static_cast<DWORD>(content.size()), &written, nullptr)
                           && written == content.size();
        return CloseHandle(m_file.release()) && wrote;
    }

private:
    static constexpr double columnTwips = 120; // the "0" of a 10-point fixed-pitch face
    static constexpr double lineTwips = 240;
    static constexpr double ascentTwips = 192;
    static constexpr double noEdge = 1e12;

    // The page's rows as lines, the rows between them as empty lines.
    void endPage()
    {
        long previous = m_rows.empty() ? 0 : m_rows.begin()->first;
        for (const auto &[row, pieces] : m_rows) {
            for (; previous + 1 < row; ++previous)
                m_lines.emplace_back();
            previous = row;
            std::string line;
            std::size_t length = 0; // in columns
            for (const auto &[column, text] : pieces) {
                const auto at = static_cast<std::size_t>(column);
                if (at > length) {
                    line.append(at - length, ' ');
                    length = at;
                }
                line += text;
                length += characters(text);
            }
            m_lines.push_back(std::move(line));
        }
        m_rows.clear();
    }

    FileHandle m_file;
    std::map<long, std::multimap<long, std::string>> m_rows; // row → column → text
    std::vector<std::string> m_lines;
};

template<typename Canvas>
std::unique_ptr<PageCanvas> opened(std::unique_ptr<Canvas> canvas)
{
    if (!canvas->isOpen())
        return nullptr;
    return canvas;
}

// Whether a printer of this state takes jobs now: not paused, in error, out of paper or off line.
bool takesJobs(const PRINTER_INFO_2W &info)
{
    return (info.Status & notReadyStatus) == 0
           && (info.Attributes & PRINTER_ATTRIBUTE_WORK_OFFLINE) == 0;
}

// Whether the printer `name` takes jobs now.
bool isReady(std::wstring name)
{
    const LateFunctions &spooler = late();
    HANDLE opened = nullptr;
    if (!spooler.openPrinter || !spooler.getPrinter || !spooler.closePrinter
        || !spooler.openPrinter(name.data(), &opened, nullptr))
        return false;
    const PrinterHandle printer(opened);
    DWORD needed = 0;
    spooler.getPrinter(opened, 2, nullptr, 0, &needed);
    if (needed == 0)
        return false;
    std::vector<BYTE> buffer(needed);
    if (!spooler.getPrinter(opened, 2, buffer.data(), needed, &needed))
        return false;
    return takesJobs(*reinterpret_cast<const PRINTER_INFO_2W *>(buffer.data()));
}

// The local printers and the connections to shared ones.
std::vector<PrinterEntry> installedPrinters()
{
    const auto enumPrinters = late().enumPrinters;
    if (!enumPrinters)
        return {};
    const DWORD which = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0;
    DWORD count = 0;
    std::vector<BYTE> buffer;
    // A printer added between asking for the size and listing asks for more room.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (enumPrinters(which, nullptr, 2, buffer.data(), static_cast<DWORD>(buffer.size()),
                         &needed, &count))
            break;
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            return {};
        buffer.resize(needed);
        count = 0;
    }
    const auto *info = reinterpret_cast<const PRINTER_INFO_2W *>(buffer.data());
    std::vector<PrinterEntry> printers;
    for (DWORD i = 0; i < count; ++i) {
        printers.push_back({info[i].pPrinterName ? info[i].pPrinterName : L"",
                            info[i].pDriverName ? info[i].pDriverName : L"", takesJobs(info[i])});
    }
    return printers;
}

// Whether a file can be made in `folder`: a temporary one is made there and removed.
bool canCreateFileIn(const std::wstring &folder)
{
    wchar_t probe[MAX_PATH] = {};
    if (GetTempFileNameW(folder.c_str(), L"brn", 0, probe) == 0)
        return false;
    DeleteFileW(probe);
    return true;
}

} // namespace

FileWriterChoice chooseFileWriter(const std::vector<PrinterEntry> &printers)
{
    FileWriterChoice choice;
    for (const PrinterEntry &printer : printers) {
        if (!printer.ready)
            continue;
        if (sameName(printer.driver, pdfDriver))
            return {FileKind::Pdf, printer.name};
        if (choice.kind == FileKind::Text
            && (sameName(printer.driver, xpsDriver) || sameName(printer.driver, xpsDriverWindows7)))
            choice = {FileKind::Xps, printer.name};
    }
    return choice;
}

bool fileCompleted(const std::wstring &path, unsigned long milliseconds)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        // Its size is read without opening it, so as not to stand in the spooler's way; then
        // an opening that lets no one else write fails while its writer still holds it.
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)
            && (data.nFileSizeHigh != 0 || data.nFileSizeLow != 0)) {
            const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file != INVALID_HANDLE_VALUE) {
                CloseHandle(file);
                return true;
            }
        }
        if (GetTickCount64() >= end)
            return false;
        Sleep(filePollMilliseconds);
    }
}

std::size_t lineCut(std::wstring_view text, std::size_t fits)
{
    if (fits >= text.size())
        return text.size();
    // What fits up to a blank takes the blanks after it along: they need no room on paper.
    if (isBlank(text[fits])) {
        std::size_t cut = fits;
        while (cut < text.size() && isBlank(text[cut]))
            ++cut;
        return cut;
    }
    for (std::size_t cut = fits; cut > 0; --cut) {
        if (isBlank(text[cut - 1]) || (isHan(text[cut - 1]) && isHan(text[cut])))
            return cut;
    }
    std::size_t cut = std::max<std::size_t>(fits, 1);
    if (cut < text.size() && isLowSurrogate(text[cut]))
        cut = cut > 1 ? cut - 1 : cut + 1;
    return cut;
}

DefaultPrinter GdiReportOutput::defaultPrinter()
{
    const auto getDefaultPrinter = late().getDefaultPrinter;
    if (!getDefaultPrinter)
        return {DefaultPrinter::State::Unreachable, {}};
    DWORD size = 0;
    if (!getDefaultPrinter(nullptr, &size)) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            return {DefaultPrinter::State::None, {}};
        if (error != ERROR_INSUFFICIENT_BUFFER)
            return {DefaultPrinter::State::Unreachable, {}};
    }
    std::wstring name(size, L'\0');
    if (!getDefaultPrinter(name.data(), &size))
        return {DefaultPrinter::State::Unreachable, {}};
    name.resize(std::wcslen(name.c_str()));
    return {isReady(name) ? DefaultPrinter::State::Ready : DefaultPrinter::State::NotReady,
            toUtf8(name)};
}

std::unique_ptr<PageCanvas> GdiReportOutput::printJob(const std::string &printer)
{
    return opened(std::make_unique<GdiCanvas>(toUtf16(printer), std::wstring()));
}

LocalTime GdiReportOutput::now()
{
    SYSTEMTIME time{};
    GetLocalTime(&time);
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

Folder GdiReportOutput::documentsFolder()
{
    // Where the user's Documents are, also when they are redirected, whether they exist or not.
    const LateFunctions &shell = late();
    if (!shell.getKnownFolderPath || !shell.createDirectory)
        return {{}, false};
    PWSTR found = nullptr;
    const HRESULT result
            = shell.getKnownFolderPath(FOLDERID_Documents, KF_FLAG_DONT_VERIFY, nullptr, &found);
    const std::wstring folder = SUCCEEDED(result) && found ? found : L"";
    CoTaskMemFree(found);
    if (folder.empty())
        return {{}, false};
    const int made = shell.createDirectory(nullptr, folder.c_str(), nullptr);
    const bool exists
            = made == ERROR_SUCCESS || made == ERROR_ALREADY_EXISTS || made == ERROR_FILE_EXISTS;
    return {toUtf8(folder), exists && canCreateFileIn(folder)};
}

std::string GdiReportOutput::pathIn(const std::string &folder, const std::string &name)
{
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/')
        return folder + name;
    return folder + "\\" + name;
}

FileCreation GdiReportOutput::createNewFile(const std::string &path)
{
    const HANDLE file = CreateFileW(toUtf16(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? FileCreation::Exists
                                                                           : FileCreation::Failed;
    }
    CloseHandle(file);
    return FileCreation::Created;
}

FileKind GdiReportOutput::savedFileKind()
{
    m_writer = chooseFileWriter(installedPrinters());
    m_writerChosen = true;
    return m_writer.kind;
}

std::unique_ptr<PageCanvas> GdiReportOutput::fileWriter(const std::string &path)
{
    if (!m_writerChosen)
        savedFileKind();
    if (m_writer.kind == FileKind::Text)
        return opened(std::make_unique<TextFileCanvas>(toUtf16(path)));
    // The printer writes the file named in the document's output, with no dialog.
    return opened(std::make_unique<GdiCanvas>(m_writer.printer, toUtf16(path)));
}

void GdiReportOutput::removeFile(const std::string &path)
{
    // A spooler whose job was just cancelled may hold the file a moment longer.
    const std::wstring wide = toUtf16(path);
    for (unsigned long tries = 0;
         !DeleteFileW(wide.c_str()) && GetLastError() == ERROR_SHARING_VIOLATION
         && tries < fileWaitMilliseconds / filePollMilliseconds;
         ++tries)
        Sleep(filePollMilliseconds);
}

std::optional<FileKind> GdiReportOutput::nextFileWriter()
{
    if (m_writer.kind == FileKind::Text)
        return std::nullopt;
    m_writer = {}; // a text file: no spooler stands between it and the disk
    return m_writer.kind;
}

} // namespace platform::win32
