#pragma once

#include "recurrence/Date.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// One word of the calendar vocabulary: the value the model holds, the key written to the roster
// file and the English text shown to the user.
struct VocabularyEntry {
    std::int32_t value;
    const wchar_t* key;
    const wchar_t* display;
};

// The rows of a table in the order of the editor's combo boxes; every value equals its row index.
using VocabularyTable = std::span<const VocabularyEntry>;

extern const VocabularyTable WeekdayTable;
extern const VocabularyTable OrdinalTable;
extern const VocabularyTable MonthTable;
extern const VocabularyTable TimingModeTable;

// Weekday values: Monday 0 ... Sunday 6. Ordinal values: first 0 ... fourth 3, last 4.
enum Weekday : std::int32_t { Monday, Tuesday, Wednesday, Thursday, Friday, Saturday, Sunday };
enum WeekOrdinal : std::int32_t { FirstWeek, SecondWeek, ThirdWeek, FourthWeek, LastWeek };
enum TimingMode : std::int32_t { FixedDay, SpecificWeekday };

// By-value lookups never fail: a value without a row gives the first row.
std::wstring DisplayByValue(VocabularyTable table, std::int32_t value);
std::wstring KeyByValue(VocabularyTable table, std::int32_t value);
// True and the row's value when a key matches exactly (case-sensitive); value is untouched otherwise.
bool ValueByKey(VocabularyTable table, std::wstring_view key, std::int32_t& value);
// True when some row of the table has this value.
bool HasValue(VocabularyTable table, std::int32_t value);

// 1st, 2nd, 3rd, 4th ... 11th, 12th, 13th ... 21st.
std::wstring OrdinalNumber(int n);

// The singular word for exactly one, the plural otherwise (zero included).
std::wstring UnitWord(int count, const std::wstring& singular, const std::wstring& plural);

// The model's weekday value of a date (the calendar library counts from Sunday).
std::int32_t WeekdayValue(const Date& day);
