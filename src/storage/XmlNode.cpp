#include "storage/XmlNode.h"

#include <pugixml.hpp>

#include <algorithm>
#include <climits>
#include <cstring>
#include <mutex>
#include <unordered_map>

namespace {

// The engine reports trouble by throwing (XPath errors, exhausted memory); callers of the wrapper
// only ever see the neutral result.
template <typename Result, typename Body>
Result Guarded(Result failure, Body body) noexcept
{
    try {
        return body();
    } catch (...) {
        return failure;
    }
}

// The engine would happily write any text as a name and so produce a file nobody can read back;
// refusing bad names here keeps every saved document well-formed. Beyond ASCII the caller is trusted.
bool IsXmlName(const std::wstring& name)
{
    auto isStart = [](wchar_t c) {
        return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'_' || c == L':' || c > 0x7F;
    };
    auto isPart = [&](wchar_t c) { return isStart(c) || (c >= L'0' && c <= L'9') || c == L'-' || c == L'.'; };
    return !name.empty() && isStart(name.front()) && std::all_of(name.begin() + 1, name.end(), isPart);
}

// An element's name without its prefix, as XPath's local-name() gives it.
const char* LocalName(const char* name)
{
    const char* colon = std::strchr(name, ':');
    return colon ? colon + 1 : name;
}

std::wstring QualifiedName(const std::wstring& prefix, const std::wstring& name)
{
    return prefix.empty() ? name : prefix + L':' + name;
}

// The namespace URI that prefix (empty: the default namespace) stands for at node, if any.
std::optional<std::string> BoundNamespace(pugi::xml_node node, const std::string& prefix)
{
    const std::string declaration = prefix.empty() ? "xmlns" : "xmlns:" + prefix;
    for (; node; node = node.parent())
        if (const pugi::xml_attribute bound = node.attribute(declaration.c_str()))
            return std::string(bound.value());
    return std::nullopt;
}

// Compiling an expression costs far more than running it, and the program asks the same few
// expressions over and over while it reads a file.
std::shared_ptr<const pugi::xpath_query> CompiledQuery(const std::string& expression)
{
    // Expressions are fixed texts in the code; the bound only guards against a caller that builds them.
    constexpr std::size_t kMaxCached = 256;
    static std::mutex mutex;
    static std::unordered_map<std::string, std::shared_ptr<const pugi::xpath_query>> cache;

    const std::lock_guard lock(mutex);
    if (auto found = cache.find(expression); found != cache.end())
        return found->second;
    auto query = std::make_shared<const pugi::xpath_query>(expression.c_str()); // throws when malformed
    if (cache.size() >= kMaxCached)
        cache.clear();
    cache.emplace(expression, query);
    return query;
}

bool IsSpace(wchar_t c)
{
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

// Base 10 as strtol reads it, clamped to the 32-bit range.
std::int32_t ParseDecimal(const std::wstring& text)
{
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        negative = text[i++] == L'-';
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT32_MIN) : INT32_MAX;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i)
        magnitude = std::min(limit, magnitude * 10 + (text[i] - L'0'));
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace

XmlNode::XmlNode(std::shared_ptr<pugi::xml_document> document, pugi::xml_node_struct* node)
    : document(std::move(document))
    , node(node)
{
}

bool XmlNode::IsNull() const
{
    return node == nullptr;
}

std::wstring XmlNode::GetName() const
{
    return Guarded(std::wstring(), [&] { return pugi::as_wide(pugi::xml_node(node).name()); });
}

XmlNode XmlNode::AppendChildElement(const std::wstring& name) const
{
    return Guarded(XmlNode(), [&] {
        pugi::xml_node parent(node);
        if (!IsXmlName(name))
            return XmlNode();
        pugi::xml_node child = parent.append_child(pugi::node_element);
        if (!child || !child.set_name(pugi::as_utf8(name).c_str()))
            return XmlNode();
        // The new element belongs to no namespace, so it must not inherit a default one.
        const auto inherited = BoundNamespace(parent, "");
        if (inherited && !inherited->empty() && name.find(L':') == std::wstring::npos)
            child.append_attribute("xmlns").set_value("");
        return XmlNode(document, child.internal_object());
    });
}

XmlNode XmlNode::FindChildElement(const std::wstring& localName, bool create) const
{
    // The first match of "*[local-name(.) = '...']" in document order, found by walking the children:
    // reading a file asks this five times for every task, and a query evaluation costs far more.
    const XmlNode found = Guarded(XmlNode(), [&] {
        const std::string wanted = pugi::as_utf8(localName);
        for (pugi::xml_node child = pugi::xml_node(node).first_child(); child; child = child.next_sibling())
            if (child.type() == pugi::node_element && wanted == LocalName(child.name()))
                return XmlNode(document, child.internal_object());
        return XmlNode();
    });
    if (!found.IsNull())
        return found;
    return create ? AppendChildElement(localName) : XmlNode();
}

XmlNodeList XmlNode::SelectNodes(const std::wstring& xpath) const
{
    return Guarded(XmlNodeList(), [&] {
        if (!node)
            return XmlNodeList();
        const auto query = CompiledQuery(pugi::as_utf8(xpath));
        pugi::xpath_node_set selected = query->evaluate_node_set(pugi::xml_node(node));
        selected.sort();
        std::vector<pugi::xml_node_struct*> nodes;
        // A handle designates a node, never an attribute, so selected attributes are left out.
        for (const pugi::xpath_node& each : selected)
            if (each.node())
                nodes.push_back(each.node().internal_object());
        return XmlNodeList(document, std::move(nodes), false);
    });
}

XmlNodeList XmlNode::ChildElements() const
{
    return SelectNodes(L"child::*");
}

std::wstring XmlNode::GetAttribute(const std::wstring& name, const std::optional<std::wstring>& fallback) const
{
    std::wstring value = Guarded(std::wstring(), [&] {
        return pugi::as_wide(pugi::xml_node(node).attribute(pugi::as_utf8(name).c_str()).value());
    });
    if (value.empty() && fallback)
        return *fallback;
    return value;
}

std::int32_t XmlNode::GetIntAttribute(const std::wstring& name, std::int32_t fallback) const
{
    const std::wstring text = GetAttribute(name);
    return text.empty() ? fallback : ParseDecimal(text);
}

bool XmlNode::SetAttribute(const std::wstring& name, const std::wstring& value, const std::wstring& prefix,
                           const std::wstring& namespaceUri) const
{
    return Guarded(false, [&] {
        pugi::xml_node element(node);
        const std::wstring qualified = QualifiedName(prefix, name);
        if (element.type() != pugi::node_element || !IsXmlName(qualified))
            return false;
        if (!namespaceUri.empty()) {
            // Only a prefixed attribute can be in a namespace, and a prefix already bound to
            // another URI cannot be rebound here without moving the names that use it.
            if (prefix.empty())
                return false;
            const std::string uri = pugi::as_utf8(namespaceUri);
            const std::string declaration = "xmlns:" + pugi::as_utf8(prefix);
            const auto bound = BoundNamespace(element, pugi::as_utf8(prefix));
            if (bound && *bound != uri)
                return false;
            if (!bound && !element.append_attribute(declaration.c_str()).set_value(uri.c_str()))
                return false;
        }
        const std::string key = pugi::as_utf8(qualified);
        pugi::xml_attribute attribute = element.attribute(key.c_str());
        if (!attribute)
            attribute = element.append_attribute(key.c_str());
        return attribute.set_value(pugi::as_utf8(value).c_str());
    });
}

bool XmlNode::SetIntAttribute(const std::wstring& name, std::int32_t value, const std::wstring& prefix,
                              const std::wstring& namespaceUri) const
{
    return SetAttribute(name, std::to_wstring(value), prefix, namespaceUri);
}

XmlNodeList::XmlNodeList(std::shared_ptr<pugi::xml_document> document, std::vector<pugi::xml_node_struct*> nodes,
                         bool failed)
    : document(std::move(document))
    , nodes(std::move(nodes))
    , failed(failed)
{
}

int XmlNodeList::Count() const
{
    if (failed)
        return -1;
    return static_cast<int>(std::min<std::size_t>(nodes.size(), INT_MAX));
}

XmlNode XmlNodeList::Item(int index) const
{
    if (index < 0 || index >= Count())
        return XmlNode();
    return XmlNode(document, nodes[static_cast<std::size_t>(index)]);
}
