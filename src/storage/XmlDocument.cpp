#include "storage/XmlDocument.h"

#include "storage/AtomicFileWriter.h"
#include "storage/FileBytes.h"
#include "storage/Utf8.h"
#include "storage/WellFormedXml.h"

#include <pugixml.hpp>

#include <exception>
#include <string>

#include <sys/stat.h>

namespace {

// Whitespace between elements is layout, not content, so it is dropped; declarations, comments and
// processing instructions are kept so that a document is saved as it was read. A DOCTYPE is skipped
// and entities are never expanded: nothing outside the file is ever read.
constexpr unsigned kParseOptions
    = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi;
constexpr const char* kIndentUnit = "  ";

class StringWriter : public pugi::xml_writer {
public:
    explicit StringWriter(std::string& out)
        : out(out)
    {
    }
    void write(const void* data, std::size_t size) override
    {
        out.append(static_cast<const char*>(data), size);
    }

private:
    std::string& out;
};

// A document is mostly saved over its previous version, of about the same size. Room for that at
// once spares growing the text step by step through fresh memory, which costs more than writing it.
void ReserveRoomFor(const std::string& file, std::string& text) noexcept
{
    struct stat previous { };
    if (::stat(file.c_str(), &previous) != 0 || !S_ISREG(previous.st_mode))
        return;
    const auto size = static_cast<std::size_t>(previous.st_size);
    try {
        text.reserve(size + size / 8);
    } catch (const std::exception&) {
        // Only a hint: the text grows as it must.
    }
}

} // namespace

XmlDocument::XmlDocument() = default;

XmlDocument::~XmlDocument()
{
    Close();
}

bool XmlDocument::Load(const std::wstring& path)
{
    try {
        // The engine's own allocator lets it parse the file's bytes where they lie.
        std::optional<FileBytes> contents = FileBytes::ReadRegularFile(
            ToUtf8(path), pugi::get_memory_allocation_function(), pugi::get_memory_deallocation_function());
        if (!contents || !CreateEngine())
            return false;
        this->path = path;
        // Only a well-formed document goes to the engine: what it would read of anything else could
        // not be saved back as it was.
        if (!IsWellFormedXml(contents->View()))
            return false;
        // The engine owns the bytes from here on, whether or not they parse.
        const std::size_t size = contents->Size();
        if (engine->load_buffer_inplace_own(contents->Release(), size, kParseOptions))
            return true;
        // A failed parse leaves a fragment behind; callers must not mistake it for the file.
        engine->reset();
        return false;
    } catch (...) {
        return false;
    }
}

bool XmlDocument::New(const std::wstring& rootName, const std::wstring& encoding, const std::wstring& prefix,
                      const std::wstring& namespaceUri)
{
    try {
        if (!CreateEngine())
            return false;
        pugi::xml_node declaration = engine->append_child(pugi::node_declaration);
        declaration.append_attribute("version").set_value("1.0");
        declaration.append_attribute("encoding").set_value(pugi::as_utf8(encoding).c_str());

        const XmlNode document(engine, engine->internal_object());
        const XmlNode root
            = document.AppendChildElement(prefix.empty() ? rootName : prefix + L':' + rootName);
        if (root.IsNull())
            return false;
        if (namespaceUri.empty())
            return prefix.empty(); // a prefix means nothing unless it is bound to a namespace
        return prefix.empty() ? root.SetAttribute(L"xmlns", namespaceUri)
                              : root.SetAttribute(prefix, namespaceUri, L"xmlns");
    } catch (...) {
        return false;
    }
}

XmlNode XmlDocument::Root() const
{
    if (!engine)
        return XmlNode();
    const pugi::xml_node root = engine->document_element();
    return root ? XmlNode(engine, root.internal_object()) : XmlNode();
}

// The engine keeps no layout whitespace, so indenting is a way of writing the document: the
// declaration becomes the one an indented file carries and every later Save lays elements out.
bool XmlDocument::Indent()
{
    try {
        if (!engine || !engine->document_element())
            return false;
        pugi::xml_node declaration = engine->first_child();
        if (declaration.type() != pugi::node_declaration)
            declaration = engine->prepend_child(pugi::node_declaration);
        while (declaration.first_attribute())
            declaration.remove_attribute(declaration.first_attribute());
        const bool written = declaration.append_attribute("version").set_value("1.0")
            && declaration.append_attribute("encoding").set_value("UTF-8")
            && declaration.append_attribute("standalone").set_value("yes");
        indented = written;
        return written;
    } catch (...) {
        return false;
    }
}

bool XmlDocument::Save(const std::optional<std::wstring>& path)
{
    try {
        if (!engine)
            return false;
        const std::wstring& target = path ? *path : this->path;
        if (target.empty())
            return false;
        const std::string file = ToUtf8(target);
        std::string text;
        ReserveRoomFor(file, text);
        StringWriter writer(text);
        const unsigned layout = indented ? pugi::format_indent : pugi::format_raw;
        engine->save(writer, kIndentUnit, layout | pugi::format_no_declaration, pugi::encoding_utf8);
        if (!AtomicFileWriter::Replace(file, text))
            return false;
        if (path)
            this->path = *path;
        return true;
    } catch (...) {
        return false;
    }
}

void XmlDocument::Close()
{
    path.clear();
    engineVersion = 0;
    indented = false;
    engine.reset();
}

bool XmlDocument::CreateEngine()
{
    Close();
    engine = std::make_shared<pugi::xml_document>();
    engineVersion = PUGIXML_VERSION;
    return true;
}
