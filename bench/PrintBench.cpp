// Printing costs: a thousand rows drawn through the printout's hooks against the same lines and
// texts drawn by a bare QPainter loop, and the preview of those rows opened with every page painted.

#include "print/PainterPrintContext.h"
#include "print/PrintJob.h"
#include "print/RosterPrintout.h"
#include "roster/Schedule.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

const Date kFrom(2010, 3, 10);
// Four tasks due every day for 250 days: 1,000 rows.
const Date kUntil = kFrom + boost::gregorian::days(249);
constexpr int kScreenDpi = 96, kSheetDpi = 300;

Roster ThousandRows()
{
    Roster roster(L"Bench");
    for (const wchar_t* name : {L"John", L"Linda", L"Mei"})
        roster.AddPerson(std::make_unique<Person>(name));
    for (const wchar_t* name : {L"Clean sink", L"Sweep floors", L"Empty the bins", L"Wipe the hob"}) {
        auto task = std::make_unique<Task>(name);
        task->GetFrequency().selected = 0;
        task->GetFrequency().daily.every_n_days = 1;
        task->GetFrequency().daily.first_day = kFrom;
        roster.AddTask(std::move(task));
    }
    return roster;
}

PrintSource SourceFor(const Roster& roster)
{
    return PrintSource{[] { return true; },   [&roster] { return &roster; }, [] { return kFrom; },
                       [] { return kUntil; }, [] { return kScreenDpi; },     [](const std::wstring&) {}};
}

// An A4 page at 300 dpi.
QImage Sheet()
{
    QImage sheet(2480, 3508, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    sheet.setDotsPerMeterX(qRound(kSheetDpi / 0.0254));
    sheet.setDotsPerMeterY(qRound(kSheetDpi / 0.0254));
    return sheet;
}

void Hooks(benchmark::State& state)
{
    const Roster roster = ThousandRows();
    RosterPrintout printout(SourceFor(roster));
    QImage sheet = Sheet();
    QPainter painter(&sheet);
    PainterPrintContext dc(painter, PainterPrintContext::PaintDeviceMetrics(sheet));
    int pages = 0;
    for (auto _ : state) {
        printout.PreparePrinting();
        PrintJobInfo info;
        printout.BeginPrinting(dc, info);
        for (info.currentPage = 1; info.continuePrinting; ++info.currentPage)
            printout.PrintPage(dc, info);
        printout.EndPrinting();
        pages = info.maxPage;
    }
    state.counters["pages"] = pages;
}

// The same rows with their texts made beforehand, the same fonts, pen and grid, and nothing else.
void BareQPainter(benchmark::State& state)
{
    struct Row {
        QString date, person, task;
    };
    std::vector<Row> rows;
    Schedule schedule;
    schedule.Generate(ThousandRows(), kFrom, kUntil);
    for (const ScheduleEntry& entry : schedule.Entries())
        rows.push_back({QStringLiteral("%1, %2 %3")
                            .arg(QString::fromStdWString(entry.date.day_of_week().as_long_wstring()),
                                 QString::fromStdWString(entry.date.month().as_short_wstring()))
                            .arg(entry.date.day()),
                        QString::fromStdWString(entry.person), QString::fromStdWString(entry.task)});

    QImage sheet = Sheet();
    QPainter painter(&sheet);
    const double scale = static_cast<double>(kSheetDpi) / kScreenDpi;
    const QFont titleFont
        = PainterPrintContext::ToQFont({L"Times New Roman", static_cast<int>(30 * scale), 700});
    const QFont rowFont
        = PainterPrintContext::ToQFont({L"Times New Roman", static_cast<int>(14 * scale), 400});
    const QPen pen(Qt::black, static_cast<int>(scale), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    const int margin = kSheetDpi * 3 / 10, inset = static_cast<int>(5 * scale);
    const int left = margin, right = sheet.width() - margin, top = margin, bottom = sheet.height() - margin;
    const int band = QFontMetrics(titleFont, &sheet).height() + 2 * static_cast<int>(10 * scale);
    const int rowHeight = QFontMetrics(rowFont, &sheet).height() + 2 * inset;
    const int edges[] = {left, left + (right - left) / 4, left + (right - left) / 2, right};
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    for (auto _ : state) {
        painter.setFont(titleFont);
        painter.drawText(QRect(left, top, right - left, band), Qt::AlignCenter,
                         QStringLiteral("Cleaning roster"));
        painter.setFont(rowFont);
        painter.setPen(pen);
        int y = top + band;
        for (const Row& row : rows) {
            if (y + rowHeight > bottom)
                y = top;
            const QString* texts[] = {&row.date, &row.person, &row.task};
            for (int cell = 0; cell < 3; ++cell) {
                const int l = edges[cell], r = edges[cell + 1];
                painter.drawLine(l, y, r, y);
                painter.drawLine(r, y, r, y + rowHeight);
                painter.drawLine(r, y + rowHeight, l, y + rowHeight);
                painter.drawLine(l, y + rowHeight, l, y);
                painter.drawText(QRect(l + inset, y, r - l - 2 * inset, rowHeight), flags, *texts[cell]);
            }
            y += rowHeight;
        }
    }
}

void Preview(benchmark::State& state)
{
    const Roster roster = ThousandRows();
    RosterPrintout printout(SourceFor(roster));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setResolution(600);
    PrintJob job(printout, printer, nullptr);
    // Paints every page of the preview without showing it.
    PrintDialogScript script;
    for (auto _ : state)
        job.Preview(QStringLiteral("cleaning roster"));
    state.counters["pages"] = script.PreviewPages().value(0);
}

} // namespace

BENCHMARK(Hooks)->Name("Print/Hooks1000Rows")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BareQPainter)->Name("Print/BareQPainter1000Rows")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Preview)->Name("Print/Preview1000Rows")->Unit(benchmark::kMillisecond)->UseRealTime();
