#pragma once

#include "print/PrintContext.h"
#include "recurrence/Date.h"
#include "roster/Schedule.h"

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class Roster;

// Shown when planning the period runs past the calendar's last day; nothing is printed then.
inline constexpr const wchar_t* kRosterBeyondCalendarMessage
    = L"The roster cannot be planned for this period: a due date lies beyond the last date the calendar "
      L"knows.";

// A schedule date as the printout shows it: "Monday, Jan 5".
std::wstring PrintedDateText(const Date& day);

// What the window that prints supplies to a printout.
struct PrintSource {
    // Checks that the current roster can be printed; shows its own messages when it cannot.
    std::function<bool()> validate;
    // The roster to print, or null when there is none.
    std::function<const Roster*()> currentRoster;
    // The period to print, both days inclusive.
    std::function<Date()> from;
    std::function<Date()> until;
    // The horizontal logical resolution of the window's screen, in dots per inch.
    std::function<int()> screenDpiX;
    // Shows an error that ended a job before it began.
    std::function<void(const std::wstring&)> showError;
};

// What passes between a print job and the page hooks: the pages of the job and the page to draw.
struct PrintJobInfo {
    int minPage = 1;
    int maxPage = 1;
    int currentPage = 1;
    // Cleared by the page hook once the last page is drawn.
    bool continuePrinting = true;
};

// The printed roster: a title on page 1, then one boxed row of date, person and task per schedule
// entry. A print job calls the four hooks in order: prepare before its print dialog, begin once with
// the device, the page hook for each page, end once at the end.
class RosterPrintout {
public:
    explicit RosterPrintout(PrintSource source);

    // Validates and plans the period; false when there is nothing to print.
    bool PreparePrinting();
    // Measures the device, makes the fonts and lays out every page; sets the job's pages.
    void BeginPrinting(PrintContext& dc, PrintJobInfo& info);
    void PrintPage(PrintContext& dc, PrintJobInfo& info);
    void EndPrinting();

private:
    void MeasureContent(const PrintDeviceMetrics& metrics);
    void MakeFonts();
    void MeasureHeights(PrintContext& dc);
    void Paginate();
    // The row after the last one that fits on page `page` when it starts with row `first`.
    std::size_t PageEnd(int page, std::size_t first) const;
    void DrawTitle(PrintContext& dc) const;
    void DrawRow(PrintContext& dc, const ScheduleEntry& entry, int top) const;
    void DrawCell(PrintContext& dc, const PrintRect& cell, const std::wstring& text) const;
    int Scaled(int screenPixels) const;

    PrintSource source;

    std::vector<ScheduleEntry> printRows;
    // Page number (from 1) to the index of its first row, for every page of the job.
    std::map<int, std::size_t> pageFirstRow;
    PrintRect contentRect;
    double printScale = 1.0;
    std::optional<PrintFont> titleFont;
    std::optional<PrintFont> rowFont;
    // Screen pixels, scaled to the device by begin.
    const int titleInsetBase = 10;
    const int cellInsetBase = 5;
    int titleInset = 0;
    int cellInset = 0;
    int titleBandHeight = 0;
    int rowHeight = 0;
};
