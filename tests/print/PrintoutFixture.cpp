#include "PrintoutFixture.h"

#include <memory>

PrintoutFixture::PrintoutFixture()
{
    roster.AddPerson(std::make_unique<Person>(L"Ann"));
}

void PrintoutFixture::AddDailyTask(const wchar_t* name, int interval, Date first)
{
    auto task = std::make_unique<Task>(name);
    task->GetFrequency().selected = 0;
    task->GetFrequency().daily.every_n_days = interval;
    task->GetFrequency().daily.first_day = first;
    roster.AddTask(std::move(task));
}

void PrintoutFixture::PlanRows(int rows)
{
    AddDailyTask(L"Dust the shelves", 1, from);
    until = from + boost::gregorian::days(rows - 1);
}

PrintSource PrintoutFixture::Source()
{
    return PrintSource{
        [this] { return valid; },
        [this] { return hasRoster ? &roster : nullptr; },
        [this] { return from; },
        [this] { return until; },
        [this] {
            ++screenDpiReads;
            return screenDpi;
        },
        [this](const std::wstring& text) { errors.push_back(text); },
    };
}
