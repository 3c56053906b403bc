#include "storage/Utf8.h"

#include <gtest/gtest.h>

TEST(Utf8, RoundTripsEveryPlane)
{
    for (const std::wstring text :
         {L"", L"Kitchen", L"Zo\u00eb", L"\u6e05\u6d01", L"\U0001F9F9 broom", L"a\u0000b"}) {
        EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    }
    EXPECT_EQ(ToUtf8(L"Zo\u00eb"), "Zo\xc3\xab");
    EXPECT_EQ(ToUtf8(L"\U0001F9F9"), "\xf0\x9f\xa7\xb9");
}

TEST(Utf8, KeepsBytesThatAreNotUtf8)
{
    // A file name written in Latin-1 must still name the same file after the round trip.
    for (const std::string bytes : {"Zo\xeb", "\xff\xfe", "\xc3", "\xe6\xb8", "\xc0\xaf", "\xed\xa0\x80"})
        EXPECT_EQ(ToUtf8(FromUtf8(bytes)), bytes);
    EXPECT_EQ(FromUtf8("a\xffz"), std::wstring(L"a") + wchar_t(0xDCFF) + L"z");
}

TEST(Utf8, ReplacesCodePointsOutsideUnicode)
{
    EXPECT_EQ(ToUtf8(std::wstring(1, wchar_t(0xD800))), "\xef\xbf\xbd");
    EXPECT_EQ(ToUtf8(std::wstring(1, wchar_t(0x110000))), "\xef\xbf\xbd");
}
