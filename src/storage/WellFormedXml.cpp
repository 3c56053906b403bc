#include "storage/WellFormedXml.h"

#include <expat.h>

#include <climits>
#include <memory>
#include <type_traits>

namespace {

struct ParserDeleter {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};
using Parser = std::unique_ptr<std::remove_pointer_t<XML_Parser>, ParserDeleter>;

void Refuse(void* userData)
{
    XML_StopParser(static_cast<XML_Parser>(userData), XML_FALSE);
}

void XMLCALL RefuseEntity(void* userData, const XML_Char*, int, const XML_Char*, int, const XML_Char*,
                          const XML_Char*, const XML_Char*, const XML_Char*)
{
    Refuse(userData);
}

// A reference to an entity the document does not define, left unread because of an external subset.
void XMLCALL RefuseSkippedEntity(void* userData, const XML_Char*, int)
{
    Refuse(userData);
}

} // namespace

bool IsWellFormedXml(std::string_view bytes)
{
    const Parser parser(XML_ParserCreate(nullptr));
    if (!parser)
        return false;
    XML_SetUserData(parser.get(), parser.get());
    XML_SetEntityDeclHandler(parser.get(), RefuseEntity);
    XML_SetSkippedEntityHandler(parser.get(), RefuseSkippedEntity);
    // The parser takes its input in pieces whose length fits an int.
    constexpr std::size_t kPiece = INT_MAX / 2;
    do {
        const std::string_view piece = bytes.substr(0, kPiece);
        bytes.remove_prefix(piece.size());
        const XML_Bool last = bytes.empty() ? XML_TRUE : XML_FALSE;
        if (XML_Parse(parser.get(), piece.data(), static_cast<int>(piece.size()), last) != XML_STATUS_OK)
            return false;
    } while (!bytes.empty());
    return true;
}
