#pragma once

#include "roster/Schedule.h"

#include <cstdint>
#include <string>
#include <vector>

// What one person does in a plan.
struct PersonShare {
    std::wstring person;
    int turns = 0;
    // The efforts of the person's turns; a task without effort adds nothing.
    std::int64_t minutes = 0;

    bool operator==(const PersonShare&) const = default;
};

// Every person of the roster in its order, with their turns and minutes in entries; a person named
// in the entries but no longer in the roster (renamed or removed since) follows them.
std::vector<PersonShare> SummarizePlan(const Roster& roster, const Schedule::EntryList& entries);
