#include "recurrence/ElementName.h"

#include "storage/XmlNode.h"

bool IsElementNamed(const XmlNode& element, std::wstring_view localName)
{
    return element.HasLocalName(localName);
}
