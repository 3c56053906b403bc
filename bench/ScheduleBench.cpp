// Planning costs: a large roster over a long period, the same with every rotation setting in use (the
// rotation counted from ten years before the period, so every task first walks ten years of due
// dates), and the daily rule's answer far from its first day, which must not walk there day by day.

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

// Two weeks away each spring and autumn for every person, over the rotation's twenty years; a week or
// month turn for every third task; a swap on a due date of every task in the period.
Roster FairRoster(const Date& rotationFrom, const Date& from, Assignment assignment)
{
    Roster roster = GeneratedRoster(10, 100, 7);
    roster.SetRotationFrom(rotationFrom);
    roster.SetStaggered(true);
    roster.SetAssignment(assignment);
    int index = 0;
    for (const auto& person : roster.Persons()) {
        Person::AwayList away;
        for (int year = rotationFrom.year(); year < rotationFrom.year() + 20; ++year) {
            const Date spring(year, 4, 1 + index);
            const Date autumn(year, 10, 1 + index);
            away.push_back({spring, spring + boost::gregorian::days(13)});
            away.push_back({autumn, autumn + boost::gregorian::days(13)});
        }
        person->SetAway(std::move(away));
        ++index;
    }
    for (std::size_t i = 0; i < roster.TaskCount(); ++i) {
        Task& task = *roster.Tasks()[i];
        task.SetTurnLength(static_cast<TurnLength>(i % 3));
        task.SetEffort(static_cast<int>(i % 7) * 10);
        const Date due
            = task.GetFrequency().NextAfter(from + boost::gregorian::days(static_cast<long>(i) * 30));
        roster.GiveTurn(task.GetName(), due, roster.Persons()[i % 10]->GetName());
    }
    return roster;
}

void GenerateFair(benchmark::State& state)
{
    const Date from(2010, 3, 10);
    const Date until = from + boost::gregorian::years(10) - boost::gregorian::days(1);
    const auto assignment = static_cast<Assignment>(state.range(0));
    const Roster roster = FairRoster(from - boost::gregorian::years(10), from, assignment);
    for (auto _ : state) {
        Schedule schedule;
        schedule.Generate(roster, from, until);
        benchmark::DoNotOptimize(schedule);
    }
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
BENCHMARK(GenerateFair)
    ->Name("Schedule/Generate100Tasks10YearsFair")
    ->ArgName("balanced")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(DailyNextAfter)->Name("Daily/NextAfter")->Arg(1)->Arg(10000);
