#include "print/ExportFileName.h"

#include "storage/Utf8.h"

#include <boost/date_time/gregorian/gregorian.hpp>

namespace {
// Most file systems allow 255 bytes for a name; the dates and the extension need the rest.
constexpr std::size_t kMaxRosterNameBytes = 200;

// Exported files travel to other systems and to memory sticks, so the characters that Windows
// refuses are replaced as well as the ones Linux refuses.
bool IsForbidden(wchar_t c)
{
    return c < 0x20 || c == 0x7f || std::wstring_view(L"/\\:*?\"<>|").find(c) != std::wstring_view::npos;
}

std::wstring CutToBytes(std::wstring name, std::size_t maxBytes)
{
    while (ToUtf8(name).size() > maxBytes)
        name.pop_back();
    return name;
}

std::wstring IsoText(const Date& day)
{
    const std::string text = boost::gregorian::to_iso_extended_string(day);
    return std::wstring(text.begin(), text.end());
}
} // namespace

std::wstring ExportFileName(const std::wstring& rosterName, const Date& from, const Date& until,
                            const std::wstring& extension)
{
    std::wstring name = CutToBytes(rosterName, kMaxRosterNameBytes);
    for (wchar_t& c : name) {
        if (IsForbidden(c))
            c = L'_';
    }
    // A name that is all blanks or starts with a dot would hide the file or look like no name.
    if (name.find_first_not_of(L' ') == std::wstring::npos || name.front() == L'.')
        name.insert(0, L"Rota");
    return name + L" " + IsoText(from) + L" to " + IsoText(until) + extension;
}
