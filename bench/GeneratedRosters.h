#pragma once

#include "roster/Roster.h"

// A roster of made-up persons and tasks, the four kinds of rule in turn, each with its own
// parameters; the same seed gives the same roster.
Roster GeneratedRoster(int persons, int tasks, unsigned seed);
