#pragma once

#include <string_view>

class XmlNode;

// True when the element's local name is localName, whatever its prefix. The readers find their
// elements by local name, so they accept them by local name too.
bool IsElementNamed(const XmlNode& element, std::wstring_view localName);
