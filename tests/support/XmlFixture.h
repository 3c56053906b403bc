#pragma once

#include "storage/XmlDocument.h"

#include <string>

// Reads an XML text the way the program reads its roster file and hands back the document
// element. The node keeps its document alive.
XmlNode ParseXml(const std::string& text);

// A fresh document with one empty root element, for writers to append to.
XmlNode NewXmlRoot(const std::wstring& name = L"root");
