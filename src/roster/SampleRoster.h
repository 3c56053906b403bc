#pragma once

#include "roster/Roster.h"

// The roster a first run starts with, so that a new user sees how persons, tasks and their
// recurrence fit together. First days are counted from Today().
Roster BuildSampleRoster();
