#include "storage/Utf8.h"

namespace {
constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kEscapedByte = 0xDC00;

bool IsScalarValue(char32_t c)
{
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

bool IsEscapedByte(char32_t c)
{
    return c >= kEscapedByte + 0x80 && c <= kEscapedByte + 0xFF;
}

void Append(std::string& out, char32_t c)
{
    if (IsEscapedByte(c)) {
        out.push_back(static_cast<char>(c - kEscapedByte));
        return;
    }
    if (!IsScalarValue(c))
        c = kReplacement;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes the sequence at text[i] and advances i past it; an invalid byte is escaped on its own.
char32_t Decode(std::string_view text, std::size_t& i)
{
    const std::size_t start = i;
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    int length = 0;
    char32_t c = 0, minimum = 0;
    if ((lead & 0xE0) == 0xC0)
        length = 1, c = lead & 0x1F, minimum = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        length = 2, c = lead & 0x0F, minimum = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        length = 3, c = lead & 0x07, minimum = 0x10000;
    for (int k = 0; length > 0 && k < length; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            length = 0;
            break;
        }
        c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    if (length == 0 || c < minimum || !IsScalarValue(c)) {
        i = start + 1;
        return kEscapedByte + lead;
    }
    return c;
}
} // namespace

std::string ToUtf8(std::wstring_view text)
{
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text)
        Append(out, static_cast<char32_t>(c));
    return out;
}

std::wstring FromUtf8(std::string_view text)
{
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();)
        out.push_back(static_cast<wchar_t>(Decode(text, i)));
    return out;
}
