#pragma once

#include "print/RosterPrintout.h"
#include "roster/Roster.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A roster, a period and the answers the printing window gives a printout.
class PrintoutFixture : public testing::Test {
protected:
    PrintoutFixture();

    // A task due every `interval` days from `first`, done by Ann, the roster's one person.
    void AddDailyTask(const wchar_t* name, int interval, Date first);
    // Exactly `rows` rows: one task due every day of the period.
    void PlanRows(int rows);
    PrintSource Source();

    Roster roster;
    Date from{2024, 1, 1};
    Date until{2024, 1, 1};
    bool valid = true;
    bool hasRoster = true;
    int screenDpi = 96;
    int screenDpiReads = 0;
    std::vector<std::wstring> errors;
};
