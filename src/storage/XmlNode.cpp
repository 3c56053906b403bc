#include "storage/XmlNode.h"

#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <atomic>
#include <climits>
#include <cstring>
#include <mutex>
#include <string_view>
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

// ASCII that XML 1.0 can carry as it is: everything from the blank on, and tab, line feed and
// carriage return below it.
bool IsPlainAscii(wchar_t c)
{
    return (c >= 0x20 && c < 0x80) || c == L'\t' || c == L'\n' || c == L'\r';
}

// What XML 1.0 can carry at all. Lone surrogates only reach here as the path converter's escapes
// for bytes that are not UTF-8.
bool IsXmlChar(wchar_t c)
{
    return IsPlainAscii(c) || (c >= 0x80 && c < 0xD800) || (c > 0xDFFF && c < 0xFFFE)
        || (c > 0xFFFF && c <= 0x10FFFF);
}

bool IsAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The program's names and nearly all of its values are ASCII, where one code unit is one byte: that
// needs neither the engine's two passes nor its buffers. Other text goes through the engine, with
// every character XML cannot carry replaced by U+FFFD: written raw or as a character reference it
// would make the whole file unreadable.
std::string ToUtf8(std::wstring_view text)
{
    if (std::all_of(text.begin(), text.end(), IsPlainAscii))
        return std::string(text.begin(), text.end());
    std::wstring carried(text);
    std::replace_if(
        carried.begin(), carried.end(), [](wchar_t c) { return !IsXmlChar(c); }, L'\uFFFD');
    return pugi::as_utf8(carried);
}

// Text as the engine takes it, UTF-8 and NUL-terminated. Reading a file asks for a handful of
// attribute names many thousands of times, so short ASCII text is converted on the stack.
class Utf8Text {
public:
    explicit Utf8Text(std::wstring_view text)
    {
        if (text.size() < sizeof shortText && CopyAscii(text)) {
            shortText[text.size()] = '\0';
            size = text.size();
        } else {
            longText = ToUtf8(text);
            converted = longText.c_str();
            size = longText.size();
        }
    }
    Utf8Text(const Utf8Text&) = delete;
    Utf8Text& operator=(const Utf8Text&) = delete;

    const char* c_str() const { return converted; }
    std::string_view View() const { return {converted, size}; }

private:
    // Copies and checks in one pass; false at the first character beyond ASCII.
    bool CopyAscii(std::wstring_view text)
    {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (!IsPlainAscii(text[i]))
                return false;
            shortText[i] = static_cast<char>(text[i]);
        }
        return true;
    }

    char shortText[64];
    std::string longText;
    const char* converted = shortText;
    std::size_t size = 0;
};

std::wstring ToWide(const char* text)
{
    const std::string_view bytes(text);
    if (IsAscii(bytes))
        return std::wstring(bytes.begin(), bytes.end());
    return pugi::as_wide(text);
}

// ToWide into text, keeping its room (assigning from narrow iterators would build a temporary
// string first). ASCII is copied in the same pass that looks for anything else.
void AssignWide(const char* bytes, std::wstring& text)
{
    text.clear();
    for (const char* c = bytes; *c != '\0'; ++c) {
        if (static_cast<unsigned char>(*c) >= 0x80) {
            text = pugi::as_wide(bytes);
            return;
        }
        text.push_back(static_cast<wchar_t>(*c));
    }
}

// ASCII bytes compared with wide text as ToWide would give them, without converting.
bool SameAscii(std::string_view bytes, std::wstring_view text)
{
    return bytes.size() == text.size()
        && std::equal(bytes.begin(), bytes.end(), text.begin(),
                      [](char b, wchar_t c) { return static_cast<wchar_t>(b) == c; });
}

// The engine would happily write any text as a name and so produce a file nobody can read back;
// refusing bad names here keeps every saved document well-formed. Beyond ASCII the caller is trusted.
// Saving looks at every name it writes, so the ASCII classes come from a table.
enum NameCharacter : unsigned char { kNameStart = 1, kNamePart = 2 };

constexpr std::array<unsigned char, 0x80> kNameCharacters = [] {
    std::array<unsigned char, 0x80> table{};
    for (char c = 'a'; c <= 'z'; ++c)
        table[c] = table[c - 'a' + 'A'] = kNameStart | kNamePart;
    table['_'] = table[':'] = kNameStart | kNamePart;
    for (char c = '0'; c <= '9'; ++c)
        table[c] = kNamePart;
    table['-'] = table['.'] = kNamePart;
    return table;
}();

bool IsNameCharacter(wchar_t c, NameCharacter kind)
{
    return c > 0x7F || (c >= 0 && (kNameCharacters[c] & kind) != 0);
}

bool IsXmlName(std::wstring_view name)
{
    return !name.empty() && IsNameCharacter(name.front(), kNameStart)
        && std::all_of(name.begin() + 1, name.end(), [](wchar_t c) { return IsNameCharacter(c, kNamePart); });
}

// An element's name without its prefix, as XPath's local-name() gives it.
const char* LocalName(const char* name)
{
    const char* colon = std::strchr(name, ':');
    return colon ? colon + 1 : name;
}

// name itself when there is no prefix, else the prefixed name, kept in storage.
std::wstring_view QualifiedName(std::wstring_view prefix, std::wstring_view name, std::wstring& storage)
{
    if (prefix.empty())
        return name;
    storage.assign(prefix).append(1, L':').append(name);
    return storage;
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

bool IsNamespaceDeclaration(const char* attributeName)
{
    // Asked for every attribute written; nearly all differ in the first letter.
    return attributeName[0] == 'x' && std::strncmp(attributeName, "xmlns", 5) == 0
        && (attributeName[5] == '\0' || attributeName[5] == ':');
}

bool DeclaresAnyNamespace(pugi::xml_document& document)
{
    struct Finder : pugi::xml_tree_walker {
        bool for_each(pugi::xml_node& node) override
        {
            for (const pugi::xml_attribute attribute : node.attributes())
                found = found || IsNamespaceDeclaration(attribute.name());
            return !found;
        }
        bool found = false;
    } finder;
    document.traverse(finder);
    return finder.found;
}

// Whether a document declares no namespace at all, remembered for the last document a thread asked
// about. Saving appends many thousands of elements to a document without namespaces, and each would
// otherwise search all its ancestors for a default namespace. Only this file writes the attributes
// of elements, and every declaration it writes makes every thread ask again.
class NamespaceFreeDocuments {
public:
    static bool Includes(const std::shared_ptr<pugi::xml_document>& document)
    {
        thread_local Answer last;
        const unsigned long written = declarationsWritten.load(std::memory_order_acquire);
        // Owners compare by control block, which the weak reference keeps from being reused.
        const bool known = !last.document.owner_before(document) && !document.owner_before(last.document)
            && !last.document.expired() && last.declarationsWritten == written;
        if (!known)
            last = {document, written, !DeclaresAnyNamespace(*document)};
        return last.free;
    }

    static void DeclarationWritten() { declarationsWritten.fetch_add(1, std::memory_order_acq_rel); }

private:
    struct Answer {
        std::weak_ptr<pugi::xml_document> document;
        unsigned long declarationsWritten = 0;
        bool free = false;
    };

    static inline std::atomic<unsigned long> declarationsWritten{0};
};

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

// A selection made only of child steps, each a name or '*' ("persons/*", "child::*"), picks the
// same elements as the query engine when the children are walked in document order, and costs far
// less than evaluating a query. Only ASCII names qualify, which keeps the step itself free of
// anything the engine would read as an axis, a prefix or an operator.
std::wstring_view WithoutChildAxis(std::wstring_view step)
{
    constexpr std::wstring_view axis = L"child::";
    return step.starts_with(axis) ? step.substr(axis.size()) : step;
}

bool IsPlainName(std::wstring_view step)
{
    auto isLetter
        = [](wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'_'; };
    auto isPart
        = [&](wchar_t c) { return isLetter(c) || (c >= L'0' && c <= L'9') || c == L'-' || c == L'.'; };
    return !step.empty() && isLetter(step.front()) && std::all_of(step.begin() + 1, step.end(), isPart);
}

bool IsChildStepPath(std::wstring_view path)
{
    for (;;) {
        const std::size_t slash = path.find(L'/');
        const std::wstring_view step = WithoutChildAxis(path.substr(0, slash));
        if (step != L"*" && !IsPlainName(step))
            return false;
        if (slash == std::wstring_view::npos)
            return true;
        path.remove_prefix(slash + 1);
    }
}

// The engine compares an element's qualified name, prefix and all, with the step's name.
bool MatchesStep(const pugi::xml_node& element, std::wstring_view step)
{
    if (step == L"*")
        return true;
    const char* name = element.name();
    for (const wchar_t c : step)
        if (*name++ != static_cast<char>(c))
            return false;
    return *name == '\0';
}

void SelectChildSteps(const pugi::xml_node& parent, std::wstring_view path,
                      std::vector<pugi::xml_node_struct*>& selected)
{
    const std::size_t slash = path.find(L'/');
    const std::wstring_view step = WithoutChildAxis(path.substr(0, slash));
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element || !MatchesStep(child, step))
            continue;
        if (slash == std::wstring_view::npos)
            selected.push_back(child.internal_object());
        else
            SelectChildSteps(child, path.substr(slash + 1), selected);
    }
}

template <typename Char>
bool IsSpace(Char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Base 10 as strtol reads it, clamped to the 32-bit range.
template <typename Text>
std::int32_t ParseDecimal(const Text& text)
{
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT32_MIN) : INT32_MAX;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        magnitude = std::min(limit, magnitude * 10 + (text[i] - '0'));
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
    return Guarded(std::wstring(), [&] { return ToWide(pugi::xml_node(node).name()); });
}

bool XmlNode::HasLocalName(std::wstring_view localName) const
{
    // Every reader checks the name of the element it is given, and the names are ASCII.
    const std::string_view name
        = Guarded(std::string_view(), [&] { return std::string_view(pugi::xml_node(node).name()); });
    if (IsAscii(name)) {
        const std::size_t colon = name.find(':');
        return SameAscii(name.substr(colon == std::string_view::npos ? 0 : colon + 1), localName);
    }
    const std::wstring wide = GetName();
    const std::size_t colon = wide.find(L':');
    return std::wstring_view(wide).substr(colon == std::wstring::npos ? 0 : colon + 1) == localName;
}

XmlNode XmlNode::AppendChildElement(std::wstring_view name) const
{
    return Guarded(XmlNode(), [&] {
        pugi::xml_node parent(node);
        if (!IsXmlName(name))
            return XmlNode();
        pugi::xml_node child = parent.append_child(pugi::node_element);
        if (!child || !child.set_name(Utf8Text(name).c_str()))
            return XmlNode();
        // The new element belongs to no namespace, so it must not inherit a default one.
        if (name.find(L':') == std::wstring_view::npos && !NamespaceFreeDocuments::Includes(document)) {
            const auto inherited = BoundNamespace(parent, "");
            if (inherited && !inherited->empty())
                child.append_attribute("xmlns").set_value("");
        }
        return XmlNode(document, child.internal_object());
    });
}

XmlNode XmlNode::FindChildElement(std::wstring_view localName, bool create) const
{
    // The first match of "*[local-name(.) = '...']" in document order, found by walking the children:
    // reading a file asks this five times for every task, and a query evaluation costs far more.
    const XmlNode found = Guarded(XmlNode(), [&] {
        const Utf8Text wanted(localName);
        for (pugi::xml_node child = pugi::xml_node(node).first_child(); child; child = child.next_sibling())
            if (child.type() == pugi::node_element && wanted.View() == LocalName(child.name()))
                return XmlNode(document, child.internal_object());
        return XmlNode();
    });
    if (!found.IsNull())
        return found;
    return create ? AppendChildElement(localName) : XmlNode();
}

XmlNodeList XmlNode::SelectNodes(std::wstring_view xpath) const
{
    return Guarded(XmlNodeList(), [&] {
        if (!node)
            return XmlNodeList();
        if (IsChildStepPath(xpath)) {
            // Collected where the room stays from call to call, then copied at their exact count:
            // growing the list one element at a time would cost several allocations per call.
            thread_local std::vector<pugi::xml_node_struct*> collected;
            collected.clear();
            SelectChildSteps(pugi::xml_node(node), xpath, collected);
            return XmlNodeList(document, {collected.begin(), collected.end()}, false);
        }
        const auto query = CompiledQuery(ToUtf8(xpath));
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

std::wstring XmlNode::GetAttribute(std::wstring_view name, std::optional<std::wstring_view> fallback) const
{
    std::wstring value = Guarded(std::wstring(), [&] {
        return ToWide(pugi::xml_node(node).attribute(Utf8Text(name).c_str()).value());
    });
    if (value.empty() && fallback)
        return std::wstring(*fallback);
    return value;
}

void XmlNode::ReadAttribute(std::wstring_view name, std::wstring& value) const
{
    const bool read = Guarded(false, [&] {
        AssignWide(pugi::xml_node(node).attribute(Utf8Text(name).c_str()).value(), value);
        return true;
    });
    if (!read)
        value.clear();
}

std::int32_t XmlNode::GetIntAttribute(std::wstring_view name, std::int32_t fallback) const
{
    // Spaces, signs and digits are ASCII, so an ASCII value is read from its bytes. Any other value
    // is read as text: decoding skips malformed bytes, and what remains decides.
    const std::string_view bytes = Guarded(std::string_view(), [&] {
        return std::string_view(pugi::xml_node(node).attribute(Utf8Text(name).c_str()).value());
    });
    if (IsAscii(bytes))
        return bytes.empty() ? fallback : ParseDecimal(bytes);
    const std::wstring text = GetAttribute(name);
    return text.empty() ? fallback : ParseDecimal(text);
}

bool XmlNode::SetAttribute(std::wstring_view name, std::wstring_view value, std::wstring_view prefix,
                           std::wstring_view namespaceUri) const
{
    return Guarded(false, [&] {
        pugi::xml_node element(node);
        std::wstring prefixed;
        const std::wstring_view qualified = QualifiedName(prefix, name, prefixed);
        if (element.type() != pugi::node_element || !IsXmlName(qualified))
            return false;
        const Utf8Text key(qualified);
        if (!namespaceUri.empty() || IsNamespaceDeclaration(key.c_str()))
            NamespaceFreeDocuments::DeclarationWritten();
        if (!namespaceUri.empty()) {
            // Only a prefixed attribute can be in a namespace, and a prefix already bound to
            // another URI cannot be rebound here without moving the names that use it.
            if (prefix.empty())
                return false;
            const std::string uri = ToUtf8(namespaceUri);
            const std::string declaration = "xmlns:" + ToUtf8(prefix);
            const auto bound = BoundNamespace(element, ToUtf8(prefix));
            if (bound && *bound != uri)
                return false;
            if (!bound && !element.append_attribute(declaration.c_str()).set_value(uri.c_str()))
                return false;
        }
        pugi::xml_attribute attribute = element.attribute(key.c_str());
        if (!attribute)
            attribute = element.append_attribute(key.c_str());
        return attribute.set_value(Utf8Text(value).c_str());
    });
}

bool XmlNode::SetIntAttribute(std::wstring_view name, std::int32_t value, std::wstring_view prefix,
                              std::wstring_view namespaceUri) const
{
    return SetAttribute(name, std::to_wstring(value), prefix, namespaceUri);
}

XmlNodeList::XmlNodeList(std::shared_ptr<pugi::xml_document> document,
                         std::vector<pugi::xml_node_struct*> nodes, bool failed)
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
