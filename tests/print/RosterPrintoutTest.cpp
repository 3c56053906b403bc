#include "PrintoutFixture.h"
#include "RecordingPrintContext.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {
constexpr int kPageLimit = 1000;
const std::wstring kTitle = L"Cleaning roster";

PrintDeviceMetrics Printer(int dpi, int width, int height, int offsetX = 0, int offsetY = 0)
{
    return PrintDeviceMetrics{dpi, dpi, offsetX, offsetY, width, height};
}

// A 600 dpi page whose content, inside its 180 unit margins, is `contentHeight` high. With a 96 dpi
// screen the title band is 187 + 2 * 62 = 311 high and a row 87 + 2 * 31 = 149.
PrintDeviceMetrics PageWithContent(int contentHeight)
{
    return Printer(600, 4800, contentHeight + 2 * 180);
}

struct PrintedJob {
    int maxPage = 0;
    std::vector<RecordedPage> pages;
};

// The four outlines of each cell of a row, cell by cell: top, right side, bottom, left side.
std::vector<RecordedLine> BoxedRow(int top, int bottom, const std::array<int, 4>& edges, int pen)
{
    std::vector<RecordedLine> lines;
    for (std::size_t i = 0; i < 3; ++i) {
        const int left = edges[i], right = edges[i + 1];
        lines.insert(lines.end(),
                     {{left, top, right, top, pen},
                      {right, top, right, bottom, pen},
                      {right, bottom, left, bottom, pen},
                      {left, bottom, left, top, pen}});
    }
    return lines;
}

std::vector<RecordedLine> FirstRowLines(const RecordedPage& page)
{
    return {page.lines.begin(), page.lines.begin() + std::min<std::size_t>(12, page.lines.size())};
}

// The texts of the page's rows, without the title.
std::vector<RecordedText> RowTexts(const RecordedPage& page)
{
    std::vector<RecordedText> texts;
    for (const RecordedText& text : page.texts)
        if (text.text != kTitle)
            texts.push_back(text);
    return texts;
}

class RosterPrintoutTest : public PrintoutFixture {
protected:
    // Prepares, then draws pages until the page hook says the job is complete, as a print of all
    // pages does.
    PrintedJob PrintAll(const PrintDeviceMetrics& metrics)
    {
        RosterPrintout printout(Source());
        EXPECT_TRUE(printout.PreparePrinting());
        RecordingPrintContext dc(metrics);
        PrintJobInfo info;
        printout.BeginPrinting(dc, info);
        PrintedJob job{info.maxPage, {}};
        for (info.currentPage = 1; info.continuePrinting && info.currentPage <= kPageLimit;
             ++info.currentPage) {
            printout.PrintPage(dc, info);
            job.pages.push_back(dc.TakePage());
            EXPECT_EQ(dc.SelectedFont(), PrintFont{}) << "page " << info.currentPage << " kept its font";
            EXPECT_EQ(dc.SelectedPen(), PrintPen{}) << "page " << info.currentPage << " kept its pen";
        }
        printout.EndPrinting();
        return job;
    }
};

struct GeometryCase {
    const char* name;
    int dpi;
    int screenDpi;
    int titleFont, rowFont, titleInset, cellInset, pen, margin;
};

const GeometryCase kGeometryCases[] = {
    {"600 dpi printer, 96 dpi screen", 600, 96, 187, 87, 62, 31, 6, 180},
    {"300 dpi printer, 96 dpi screen", 300, 96, 93, 43, 31, 15, 3, 90},
    {"600 dpi printer, 120 dpi screen", 600, 120, 150, 70, 50, 25, 5, 180},
};
} // namespace

TEST_F(RosterPrintoutTest, ScalesTheLayoutToThePrinterAndScreen)
{
    PlanRows(80);
    for (const GeometryCase& c : kGeometryCases) {
        SCOPED_TRACE(c.name);
        screenDpi = c.screenDpi;
        const int offsetX = c.dpi / 4, offsetY = c.dpi / 5, width = 8 * c.dpi, height = 10 * c.dpi;
        const PrintedJob job = PrintAll(Printer(c.dpi, width, height, offsetX, offsetY));
        ASSERT_GE(job.pages.size(), 2u);

        // The margins lie inside the printable area, which is itself counted from its offsets.
        const PrintRect content{offsetX + c.margin, offsetY + c.margin, offsetX + width - c.margin,
                                offsetY + height - c.margin};
        const int band = c.titleFont + 2 * c.titleInset, row = c.rowFont + 2 * c.cellInset;
        const int x1 = content.left + (content.right - content.left) / 4;
        const int x2 = content.left + (content.right - content.left) / 2;
        const std::array<int, 4> edges{content.left, x1, x2, content.right};
        const PrintFont rowFont{L"Times New Roman", c.rowFont, 400};

        EXPECT_EQ(job.pages[0].texts.front(),
                  (RecordedText{kTitle,
                                {content.left, content.top, content.right, content.top + band},
                                TextAlign::Centre,
                                PrintFont{L"Times New Roman", c.titleFont, 700}}));
        const int top = content.top + band;
        EXPECT_EQ(FirstRowLines(job.pages[0]), BoxedRow(top, top + row, edges, c.pen));
        EXPECT_EQ(RowTexts(job.pages[0])[0],
                  (RecordedText{L"Monday, Jan 1",
                                {content.left + c.cellInset, top, x1 - c.cellInset, top + row},
                                TextAlign::Left,
                                rowFont}));
        EXPECT_EQ(RowTexts(job.pages[0])[2],
                  (RecordedText{L"Dust the shelves",
                                {x2 + c.cellInset, top, content.right - c.cellInset, top + row},
                                TextAlign::Left,
                                rowFont}));
        EXPECT_EQ(FirstRowLines(job.pages[1]), BoxedRow(content.top, content.top + row, edges, c.pen));
    }
}

namespace {
struct PaginationCase {
    const char* name;
    int contentHeight;
    int rows;
    std::vector<int> rowsPerPage;
    // Of the last row printed, or empty for none.
    std::wstring lastDate;
};

const PaginationCase kPaginationCases[] = {
    {"an empty schedule prints the title alone", 1801, 0, {0}, L""},
    {"rows that end exactly on the content's bottom end the job there",
     311 + 10 * 149,
     10,
     {10},
     L"Wednesday, Jan 10"},
    {"one row more opens a page of its own", 1801, 11, {10, 1}, L"Thursday, Jan 11"},
    {"a page without the title holds more rows", 1801, 22, {10, 12}, L"Monday, Jan 22"},
    // The count from the heights alone, ceil((187 + 24 * 149) / 1949), would announce 2 pages.
    {"room left at each page's foot takes a page more", 1949, 24, {10, 13, 1}, L"Wednesday, Jan 24"},
    {"a page without content height prints the title page alone", 0, 5, {0}, L""},
    {"a page of negative content height prints the title page alone", -60, 5, {0}, L""},
    {"a page too low for a row prints the title page alone", 100, 5, {0}, L""},
};
} // namespace

TEST_F(RosterPrintoutTest, PaginatesEveryRowOnceAndAnnouncesTheTruePageCount)
{
    for (const PaginationCase& c : kPaginationCases) {
        SCOPED_TRACE(c.name);
        roster = Roster();
        roster.AddPerson(std::make_unique<Person>(L"Ann"));
        PlanRows(c.rows);
        const PrintedJob job = PrintAll(PageWithContent(c.contentHeight));

        EXPECT_EQ(job.maxPage, static_cast<int>(c.rowsPerPage.size()));
        std::vector<int> rowsPerPage;
        std::vector<std::wstring> dates;
        for (std::size_t page = 0; page < job.pages.size(); ++page) {
            const std::vector<RecordedText> texts = RowTexts(job.pages[page]);
            EXPECT_EQ(job.pages[page].texts.size() - texts.size(), page == 0 ? 1u : 0u)
                << "titles on page " << page + 1;
            EXPECT_EQ(job.pages[page].lines.size(), texts.size() * 4);
            rowsPerPage.push_back(static_cast<int>(texts.size() / 3));
            for (std::size_t i = 0; i < texts.size(); i += 3)
                dates.push_back(texts[i].text);
        }
        EXPECT_EQ(rowsPerPage, c.rowsPerPage);
        // The rows fall on days one after another: in order, each once, and none missing.
        EXPECT_EQ(std::set<std::wstring>(dates.begin(), dates.end()).size(), dates.size());
        if (!c.lastDate.empty()) {
            ASSERT_EQ(dates.size(), static_cast<std::size_t>(c.rows));
            EXPECT_EQ(dates.front(), L"Monday, Jan 1");
            EXPECT_EQ(dates.back(), c.lastDate);
        }
    }
}

TEST_F(RosterPrintoutTest, PrintsAnyPageAloneAsInTheWholeJob)
{
    PlanRows(60);
    const PrintedJob whole = PrintAll(PageWithContent(1801));
    ASSERT_EQ(whole.maxPage, 6);

    RosterPrintout printout(Source());
    ASSERT_TRUE(printout.PreparePrinting());
    RecordingPrintContext dc(PageWithContent(1801));
    PrintJobInfo info;
    printout.BeginPrinting(dc, info);
    for (int page : {3, 4, 6}) {
        info.currentPage = page;
        printout.PrintPage(dc, info);
        EXPECT_EQ(dc.TakePage(), whole.pages[page - 1]) << "page " << page;
        EXPECT_EQ(info.continuePrinting, page != 6);
    }
}

TEST_F(RosterPrintoutTest, WritesDatesWithTheCalendarsEnglishNames)
{
    const std::pair<Date, const wchar_t*> cases[] = {
        {Date(2009, 1, 5), L"Monday, Jan 5"},
        {Date(2010, 1, 1), L"Friday, Jan 1"},
        {Date(2024, 2, 29), L"Thursday, Feb 29"},
        {Date(2023, 12, 31), L"Sunday, Dec 31"},
    };
    for (const auto& [day, text] : cases) {
        roster = Roster();
        roster.AddPerson(std::make_unique<Person>(L"Ann"));
        from = until = day;
        AddDailyTask(L"Mop", 1, day);
        const PrintedJob job = PrintAll(PageWithContent(1801));
        ASSERT_EQ(RowTexts(job.pages[0]).size(), 3u);
        EXPECT_EQ(RowTexts(job.pages[0])[0].text, text);
    }
}

// The person column says who stands in for whom, and when nobody can do it.
TEST_F(RosterPrintoutTest, PrintsStandInsSwapsAndDaysWithNobody)
{
    roster.AddPerson(std::make_unique<Person>(L"Ben"));
    roster.Persons()[0]->SetAway(
        {{Date(2024, 1, 1), Date(2024, 1, 1)}, {Date(2024, 1, 3), Date(2024, 1, 3)}});
    roster.Persons()[1]->SetAway({{Date(2024, 1, 3), Date(2024, 1, 3)}});
    until = Date(2024, 1, 4);
    AddDailyTask(L"Mop", 1, from);
    roster.GiveTurn(L"Mop", Date(2024, 1, 4), L"Ann");
    std::vector<std::wstring> persons;
    for (const RecordedPage& page : PrintAll(PageWithContent(18000)).pages) {
        const std::vector<RecordedText> texts = RowTexts(page);
        for (std::size_t i = 1; i < texts.size(); i += 3)
            persons.push_back(texts[i].text);
    }
    EXPECT_EQ(persons,
              (std::vector<std::wstring>{L"Ben (for Ann)", L"Ann", L"(nobody available)", L"Ann (for Ben)"}));
}

TEST_F(RosterPrintoutTest, PreparesNothingWhenThereIsNothingToPrint)
{
    const struct {
        const char* name;
        std::function<void()> arrange;
        std::vector<std::wstring> errors;
    } cases[] = {
        {"validation fails", [this] { valid = false; }, {}},
        {"no roster is current", [this] { hasRoster = false; }, {}},
        {"a due date past the calendar's last day",
         [this] {
             from = Date(9999, 12, 1);
             until = Date(9999, 12, 31);
             AddDailyTask(L"Sweep", 10, Date(9999, 12, 20));
         },
         {L"The roster cannot be planned for this period: a due date lies beyond the last date the calendar "
          L"knows."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        valid = hasRoster = true;
        errors.clear();
        c.arrange();
        RosterPrintout printout(Source());
        EXPECT_FALSE(printout.PreparePrinting());
        EXPECT_EQ(errors, c.errors);
    }
}

TEST_F(RosterPrintoutTest, ReadsTheScreenOncePerJob)
{
    PlanRows(3);
    PrintAll(PageWithContent(1801));
    EXPECT_EQ(screenDpiReads, 1);
}
