#include "recurrence/Vocabulary.h"

#include <array>

namespace {
constexpr std::array<VocabularyEntry, 7> weekdays{{
    {0, L"mon", L"Monday"},
    {1, L"tue", L"Tuesday"},
    {2, L"wed", L"Wednesday"},
    {3, L"thu", L"Thursday"},
    {4, L"fri", L"Friday"},
    {5, L"sat", L"Saturday"},
    {6, L"sun", L"Sunday"},
}};

constexpr std::array<VocabularyEntry, 5> ordinals{{
    {0, L"first", L"first"},
    {1, L"second", L"second"},
    {2, L"third", L"third"},
    {3, L"fourth", L"fourth"},
    {4, L"last", L"last"},
}};

constexpr std::array<VocabularyEntry, 12> months{{
    {0, L"jan", L"January"},
    {1, L"feb", L"February"},
    {2, L"mar", L"March"},
    {3, L"apr", L"April"},
    {4, L"may", L"May"},
    {5, L"jun", L"June"},
    {6, L"jul", L"July"},
    {7, L"aug", L"August"},
    {8, L"sep", L"September"},
    {9, L"oct", L"October"},
    {10, L"nov", L"November"},
    {11, L"dec", L"December"},
}};

// Only the keys of the timing modes are ever shown, in the roster file.
constexpr std::array<VocabularyEntry, 2> timingModes{{
    {0, L"fixed_day", L"fixed_day"},
    {1, L"specific_weekday", L"specific_weekday"},
}};

const VocabularyEntry& RowByValue(VocabularyTable table, std::int32_t value)
{
    if (value >= 0 && static_cast<std::size_t>(value) < table.size() && table[value].value == value)
        return table[value];
    for (const auto& row : table)
        if (row.value == value)
            return row;
    return table.front();
}

// key == rowKey without measuring rowKey first: most rows differ from the key in the first letter.
bool IsRowKey(std::wstring_view key, const wchar_t* rowKey)
{
    std::size_t i = 0;
    for (; i < key.size() && rowKey[i] != L'\0'; ++i)
        if (key[i] != rowKey[i])
            return false;
    return i == key.size() && rowKey[i] == L'\0';
}
} // namespace

const VocabularyTable WeekdayTable{weekdays};
const VocabularyTable OrdinalTable{ordinals};
const VocabularyTable MonthTable{months};
const VocabularyTable TimingModeTable{timingModes};

std::wstring DisplayByValue(VocabularyTable table, std::int32_t value)
{
    return RowByValue(table, value).display;
}

std::wstring KeyByValue(VocabularyTable table, std::int32_t value)
{
    return RowByValue(table, value).key;
}

bool ValueByKey(VocabularyTable table, std::wstring_view key, std::int32_t& value)
{
    for (const auto& row : table) {
        if (IsRowKey(key, row.key)) {
            value = row.value;
            return true;
        }
    }
    return false;
}

bool HasValue(VocabularyTable table, std::int32_t value)
{
    for (const auto& row : table)
        if (row.value == value)
            return true;
    return false;
}

std::wstring OrdinalNumber(int n)
{
    const wchar_t* suffix = L"th";
    if (n < 11 || n > 13) {
        switch (n % 10) {
        case 1:
            suffix = L"st";
            break;
        case 2:
            suffix = L"nd";
            break;
        case 3:
            suffix = L"rd";
            break;
        default:
            break;
        }
    }
    return std::to_wstring(n) + suffix;
}

std::wstring UnitWord(int count, const std::wstring& singular, const std::wstring& plural)
{
    return count == 1 ? singular : plural;
}

std::int32_t WeekdayValue(const Date& day)
{
    const int fromSunday = day.day_of_week().as_number();
    return fromSunday == 0 ? 6 : fromSunday - 1;
}
