// The rota of a large roster: opening the rota window on its 36,530 rows (the model reset and the
// first paint of the window) and writing them as an iCalendar file of as many events.

#include "print/RotaCalendar.h"
#include "roster/RosterCollection.h"
#include "roster/Schedule.h"
#include "ui/QuillmereView.h"
#include "ui/RotaModel.h"
#include "ui/RotaWindow.h"

#include <QDateEdit>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {
const Date kFrom(2010, 3, 10);
const Date kUntil(2020, 3, 9);

// A hundred tasks, each due every ten days over ten years: 36,530 rows.
Roster HundredTasks()
{
    Roster roster(L"Bench");
    for (const wchar_t* name : {L"John", L"Linda", L"Mei", L"Olu"})
        roster.AddPerson(std::make_unique<Person>(name));
    for (int i = 0; i < 100; ++i) {
        auto task = std::make_unique<Task>(L"Task number " + std::to_wstring(i + 1));
        task->GetFrequency().selected = 0;
        task->GetFrequency().daily.every_n_days = 10;
        task->GetFrequency().daily.first_day = kFrom + boost::gregorian::days(i % 10);
        roster.AddTask(std::move(task));
    }
    return roster;
}

void OpenRotaWindow(benchmark::State& state)
{
    RosterCollection rosters;
    rosters.Add(HundredTasks());
    QuillmereView view(rosters);
    view.findChildren<QDateEdit*>().at(1)->setDate(QDate(2020, 3, 9));
    RotaWindow rota(view, rosters);
    rota.setAttribute(Qt::WA_DontShowOnScreen);
    rota.show();
    for (auto _ : state) {
        rota.Replan();
        const QPixmap painted = rota.grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
    state.counters["rows"] = static_cast<double>(rota.Model().rowCount());
}
BENCHMARK(OpenRotaWindow)->Name("Rota/OpenWindow36530Rows")->Unit(benchmark::kMillisecond)->UseRealTime();

void WriteCalendar(benchmark::State& state)
{
    Schedule schedule;
    schedule.Generate(HundredTasks(), kFrom, kUntil);
    const Schedule::EntryList entries = schedule.Entries();
    const std::filesystem::path path = std::filesystem::path(std::getenv("XDG_DATA_HOME")) / "rota.ics";
    const RotaCalendar calendar(L"Bench", 1268179200);
    for (auto _ : state)
        benchmark::DoNotOptimize(calendar.Write(path, entries));
    state.counters["events"] = static_cast<double>(entries.size());
}
BENCHMARK(WriteCalendar)->Name("Rota/WriteIcs36530Events")->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace
