// Planning costs: a large roster over a long period, and the daily rule's answer far from its
// first day, which must not walk there day by day.

#include "GeneratedRosters.h"

#include "recurrence/FrequencyDaily.h"
#include "roster/Schedule.h"

#include <benchmark/benchmark.h>

namespace {

void Generate(benchmark::State& state)
{
    const Roster roster = GeneratedRoster(10, 100, 7);
    const Date from(2010, 3, 10);
    const Date until = from + boost::gregorian::years(10) - boost::gregorian::days(1);
    for (auto _ : state) {
        Schedule schedule;
        schedule.Generate(roster, from, until);
        benchmark::DoNotOptimize(schedule);
    }
    Schedule counted;
    counted.Generate(roster, from, until);
    state.counters["entries"] = static_cast<double>(counted.Entries().size());
}

void DailyNextAfter(benchmark::State& state)
{
    FrequencyDaily daily;
    daily.first_day = Date(2010, 3, 10);
    daily.every_n_days = 3;
    const Date asked = daily.first_day + boost::gregorian::days(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(daily.NextAfter(asked));
}

} // namespace

BENCHMARK(Generate)->Name("Schedule/Generate100Tasks10Years")->Unit(benchmark::kMillisecond);
BENCHMARK(DailyNextAfter)->Name("Daily/NextAfter")->Arg(1)->Arg(10000);
