// SPDX-License-Identifier: GPL-3.0-or-later
// The report drawn and measured with GDI on a printer's device context: a job on paper, or into
// a file through a printer that writes files.

#include "gdi_report_output.h"

#include "fonts.h"
#include "line_break.h"
#include "texts.h"
#include "units.h"
#include "utf16.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace platform::win32 {

namespace {

constexpr double twipsPerInch = design::twipsPerInch;

struct DcDeleter
{
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using DcHandle = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

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

    std::size_t fitting(const PrintFont &font, const std::string &text, double width) override
    {
        const std::wstring wide = toUtf16(text);
        const Selection selected(m_dc.get(), use(font));
        const int extent = std::max(0, static_cast<int>(std::floor(width * m_dpiX / twipsPerInch)));
        INT fit = 0;
        SIZE size{};
        if (!selected
            || !GetTextExtentExPointW(m_dc.get(), wide.c_str(), static_cast<int>(wide.size()),
                                      extent, &fit, nullptr, &size)) {
            m_failed = true;
            fit = static_cast<INT>(wide.size());
        }
        return codePointsIn(wide.c_str(), static_cast<std::size_t>(std::max(fit, 0)));
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

} // namespace

std::unique_ptr<PageCanvas> GdiReportOutput::printJob(const std::string &printer)
{
    return openCanvas<GdiCanvas>(toUtf16(printer), std::wstring());
}

std::unique_ptr<PageCanvas> GdiReportOutput::fileWriter(FileKind kind, const std::string &path)
{
    // The printer writes the file named in the document's output, with no dialog.
    const std::optional<std::wstring> printer = filePrinterFor(kind);
    return printer ? openCanvas<GdiCanvas>(*printer, toUtf16(path)) : nullptr;
}

} // namespace platform::win32
