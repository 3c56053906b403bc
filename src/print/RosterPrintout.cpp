#include "print/RosterPrintout.h"

#include "roster/Roster.h"

#include <algorithm>
#include <stdexcept>

namespace {
const std::wstring kTitle = L"Cleaning roster";
// A short text with both an ascender and a descender: its height is the height of any row's text.
const std::wstring kRowSample = L"by";
const std::wstring kFace = L"Times New Roman";
// Font heights and the grid pen in screen pixels, scaled to the device like the insets.
constexpr double kTitleHeight = 30.0, kRowHeight = 14.0, kPenWidth = 1.0;
constexpr int kBold = 700, kNormal = 400;
constexpr double kMarginInches = 0.3;
// What a screen that reports no resolution is taken to have.
constexpr int kUsualScreenDpi = 96;
} // namespace

// The calendar's own English names, whatever the user's language.
std::wstring PrintedDateText(const Date& day)
{
    return std::wstring(day.day_of_week().as_long_wstring()) + L", " + day.month().as_short_wstring() + L" "
        + std::to_wstring(day.day());
}

RosterPrintout::RosterPrintout(PrintSource source)
    : source(std::move(source))
{
}

bool RosterPrintout::PreparePrinting()
{
    if (!source.validate())
        return false;
    const Roster* roster = source.currentRoster();
    if (!roster)
        return false;
    printRows.clear();
    pageFirstRow.clear();
    Schedule schedule;
    try {
        schedule.Generate(*roster, source.from(), source.until());
    } catch (const std::out_of_range&) {
        // The calendar's range errors: a rule stepped past its last day. Half a roster is no roster.
        source.showError(kRosterBeyondCalendarMessage);
        return false;
    }
    printRows = schedule.Entries();
    return true;
}

void RosterPrintout::BeginPrinting(PrintContext& dc, PrintJobInfo& info)
{
    const PrintDeviceMetrics metrics = dc.DeviceMetrics();
    const int screenDpi = source.screenDpiX();
    printScale = static_cast<double>(metrics.dpiX) / (screenDpi > 0 ? screenDpi : kUsualScreenDpi);
    MeasureContent(metrics);
    MakeFonts();
    titleInset = Scaled(titleInsetBase);
    cellInset = Scaled(cellInsetBase);
    MeasureHeights(dc);
    // Laid out here, once, so that the job knows its true last page and any page can be drawn alone.
    Paginate();
    info.minPage = 1;
    info.maxPage = static_cast<int>(pageFirstRow.size());
}

void RosterPrintout::PrintPage(PrintContext& dc, PrintJobInfo& info)
{
    const int page = info.currentPage;
    const auto first = pageFirstRow.find(page);
    if (first == pageFirstRow.end()) {
        info.continuePrinting = false;
        return;
    }
    int y = contentRect.top;
    if (page == 1) {
        DrawTitle(dc);
        y += titleBandHeight;
    }
    const PrintFont previousFont = dc.SelectFont(*rowFont);
    const PrintPen previousPen = dc.SelectPen(PrintPen{static_cast<int>(kPenWidth * printScale)});
    for (std::size_t i = first->second, end = PageEnd(page, first->second); i < end; ++i, y += rowHeight)
        DrawRow(dc, printRows[i], y);
    dc.SelectPen(previousPen);
    dc.SelectFont(previousFont);
    if (page == static_cast<int>(pageFirstRow.size()))
        info.continuePrinting = false;
}

void RosterPrintout::EndPrinting()
{
    printRows.clear();
    pageFirstRow.clear();
    titleFont.reset();
    rowFont.reset();
}

void RosterPrintout::MeasureContent(const PrintDeviceMetrics& metrics)
{
    const PrintRect page{metrics.offsetX, metrics.offsetY, metrics.offsetX + metrics.width,
                         metrics.offsetY + metrics.height};
    const int marginX = static_cast<int>(kMarginInches * metrics.dpiX);
    const int marginY = static_cast<int>(kMarginInches * metrics.dpiY);
    // Kept as the page's own coordinates although drawing starts at the printable corner: the table
    // sits the physical offsets further in, as it always has on paper.
    contentRect = PrintRect{std::clamp(page.left + marginX, page.left, page.right),
                            std::clamp(page.top + marginY, page.top, page.bottom),
                            std::clamp(page.right - marginX, page.left, page.right),
                            std::clamp(page.bottom - marginY, page.top, page.bottom)};
}

void RosterPrintout::MakeFonts()
{
    if (!titleFont)
        titleFont = PrintFont{kFace, static_cast<int>(kTitleHeight * printScale), kBold};
    if (!rowFont)
        rowFont = PrintFont{kFace, static_cast<int>(kRowHeight * printScale), kNormal};
}

void RosterPrintout::MeasureHeights(PrintContext& dc)
{
    PrintFont previous = dc.SelectFont(*titleFont);
    titleBandHeight = dc.TextExtent(kTitle).height + 2 * titleInset;
    dc.SelectFont(*rowFont);
    rowHeight = dc.TextExtent(kRowSample).height + 2 * cellInset;
    dc.SelectFont(previous);
}

void RosterPrintout::Paginate()
{
    pageFirstRow.clear();
    pageFirstRow[1] = 0;
    std::size_t next = PageEnd(1, 0);
    for (int page = 2; next < printRows.size(); ++page) {
        const std::size_t end = PageEnd(page, next);
        // A page that holds no row would be followed by more just like it: the job ends here.
        if (end == next)
            break;
        pageFirstRow[page] = next;
        next = end;
    }
}

std::size_t RosterPrintout::PageEnd(int page, std::size_t first) const
{
    int y = page == 1 ? contentRect.top + titleBandHeight : contentRect.top;
    std::size_t i = first;
    // A row whose bottom lies exactly on the content's bottom still fits.
    for (; i < printRows.size() && y + rowHeight <= contentRect.bottom; ++i)
        y += rowHeight;
    return i;
}

void RosterPrintout::DrawTitle(PrintContext& dc) const
{
    const PrintFont previous = dc.SelectFont(*titleFont);
    dc.SetTransparentBackground();
    const PrintRect band{contentRect.left, contentRect.top, contentRect.right,
                         contentRect.top + titleBandHeight};
    dc.DrawTextLine(kTitle, band, TextAlign::Centre);
    dc.SelectFont(previous);
}

void RosterPrintout::DrawRow(PrintContext& dc, const ScheduleEntry& entry, int top) const
{
    const int width = contentRect.right - contentRect.left;
    const int x1 = contentRect.left + width / 4, x2 = contentRect.left + width / 2;
    const int bottom = top + rowHeight;
    DrawCell(dc, PrintRect{contentRect.left, top, x1, bottom}, PrintedDateText(entry.date));
    DrawCell(dc, PrintRect{x1, top, x2, bottom}, EntryPersonText(entry));
    DrawCell(dc, PrintRect{x2, top, contentRect.right, bottom}, entry.task);
}

void RosterPrintout::DrawCell(PrintContext& dc, const PrintRect& cell, const std::wstring& text) const
{
    dc.MoveTo(cell.left, cell.top);
    dc.LineTo(cell.right, cell.top);
    dc.LineTo(cell.right, cell.bottom);
    dc.LineTo(cell.left, cell.bottom);
    dc.LineTo(cell.left, cell.top);
    dc.DrawTextLine(text, PrintRect{cell.left + cellInset, cell.top, cell.right - cellInset, cell.bottom},
                    TextAlign::Left);
}

int RosterPrintout::Scaled(int screenPixels) const
{
    return static_cast<int>(screenPixels * printScale);
}
