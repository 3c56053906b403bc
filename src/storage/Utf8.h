#pragma once

#include <string>
#include <string_view>

// The program's text is wide; files, paths and the XML engine speak UTF-8. A byte that is not part
// of valid UTF-8 (a file name in another encoding) decodes to U+DC80 + byte and encodes back to the
// same byte, so any path survives the round trip; other code points outside Unicode encode as U+FFFD.
std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);
