#include "recurrence/ElementName.h"

#include "storage/XmlNode.h"

bool IsElementNamed(const XmlNode& element, std::wstring_view localName)
{
    const std::wstring name = element.GetName();
    const std::size_t colon = name.find(L':');
    return std::wstring_view(name).substr(colon == std::wstring::npos ? 0 : colon + 1) == localName;
}
