#pragma once

#include <filesystem>

// Gives every test run a home of its own: HOME and the XDG data, config and runtime folders point
// into a fresh temporary folder, the C locale is in force and today is pinned to the day below.
void SetUpTestEnvironment();

// The folder that stands in for the user's home during this run.
std::filesystem::path TestHome();

// The day every test sees as today unless it pins another one.
inline constexpr int kTestTodayYear = 2010, kTestTodayMonth = 3, kTestTodayDay = 10;
