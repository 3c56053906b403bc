#include "roster/PlanSummary.h"

#include <algorithm>

namespace {
PersonShare& ShareOf(std::vector<PersonShare>& shares, const std::wstring& person)
{
    const auto found = std::find_if(shares.begin(), shares.end(),
                                    [&](const PersonShare& share) { return share.person == person; });
    if (found != shares.end())
        return *found;
    shares.push_back(PersonShare{person});
    return shares.back();
}
} // namespace

std::vector<PersonShare> SummarizePlan(const Roster& roster, const Schedule::EntryList& entries)
{
    std::vector<PersonShare> shares;
    for (const auto& person : roster.Persons())
        ShareOf(shares, person->GetName());
    for (const ScheduleEntry& entry : entries) {
        if (entry.person.empty() && entry.reason == EntryReason::NobodyAvailable)
            continue;
        PersonShare& share = ShareOf(shares, entry.person);
        ++share.turns;
        share.minutes += entry.minutes;
    }
    return shares;
}
