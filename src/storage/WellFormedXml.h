#pragma once

#include <string_view>

// True when bytes are a well-formed XML 1.0 document that the XML engine reads without loss. The
// engine itself is lenient: it reads an undefined entity, a raw '<' in an attribute value or a
// doubled attribute, and the next save would then write the document back altered. Documents that
// declare entities are refused too: the engine never expands them, so their text could not be
// saved as it was read.
bool IsWellFormedXml(std::string_view bytes);
