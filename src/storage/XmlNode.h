#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pugi {
class xml_document;
struct xml_node_struct;
} // namespace pugi

class XmlNodeList;

// A handle to one element of a document; may be null. Copies share the element, and a handle
// keeps its document alive.
class XmlNode {
public:
    XmlNode() = default;

    bool IsNull() const;
    std::wstring GetName() const;
    // Whether GetName without its prefix is localName, told without building the name.
    bool HasLocalName(std::wstring_view localName) const;

    // Names, expressions and values are taken as views, so that the program's literal names pass
    // without building a string on every call; results are strings of their own.
    XmlNode AppendChildElement(std::wstring_view name) const;
    // The first child element whose local name is localName, whatever its prefix.
    XmlNode FindChildElement(std::wstring_view localName, bool create) const;
    XmlNodeList SelectNodes(std::wstring_view xpath) const;
    XmlNodeList ChildElements() const;

    // Empty text, or fallback when given, for a missing or empty attribute.
    std::wstring GetAttribute(std::wstring_view name,
                              std::optional<std::wstring_view> fallback = std::nullopt) const;
    // GetAttribute without fallback into value, whose room is reused: a reader that looks at many
    // attributes in turn needs one string for all of them.
    void ReadAttribute(std::wstring_view name, std::wstring& value) const;
    // Base-10 like the C library's strtol, saturating at the 32-bit limits.
    std::int32_t GetIntAttribute(std::wstring_view name, std::int32_t fallback = 0) const;
    bool SetAttribute(std::wstring_view name, std::wstring_view value, std::wstring_view prefix = {},
                      std::wstring_view namespaceUri = {}) const;
    bool SetIntAttribute(std::wstring_view name, std::int32_t value, std::wstring_view prefix = {},
                         std::wstring_view namespaceUri = {}) const;

private:
    friend class XmlDocument;
    friend class XmlNodeList;
    XmlNode(std::shared_ptr<pugi::xml_document> document, pugi::xml_node_struct* node);

    std::shared_ptr<pugi::xml_document> document;
    pugi::xml_node_struct* node = nullptr;
};

// The nodes of a selection, in document order.
class XmlNodeList {
public:
    XmlNodeList() = default;

    // -1 on failure, so that a counting loop runs zero times.
    int Count() const;
    XmlNode Item(int index) const;

private:
    friend class XmlNode;
    XmlNodeList(std::shared_ptr<pugi::xml_document> document, std::vector<pugi::xml_node_struct*> nodes,
                bool failed);

    std::shared_ptr<pugi::xml_document> document;
    std::vector<pugi::xml_node_struct*> nodes;
    bool failed = true;
};
