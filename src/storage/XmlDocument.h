#pragma once

#include "storage/XmlNode.h"

#include <memory>
#include <optional>
#include <string>

namespace pugi {
class xml_document;
}

// An XML document: the program's only way into the XML engine. Every engine failure becomes
// false or a null node; no engine error leaves this class.
class XmlDocument {
public:
    XmlDocument();
    ~XmlDocument();
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    bool Load(const std::wstring& path);
    bool New(const std::wstring& rootName, const std::wstring& encoding, const std::wstring& prefix,
             const std::wstring& namespaceUri);
    XmlNode Root() const;
    bool Indent();
    // Without a path the document goes to the file it was last loaded from or saved to.
    bool Save(const std::optional<std::wstring>& path = std::nullopt);
    void Close();

    const std::wstring& Path() const { return path; }
    int EngineVersion() const { return engineVersion; }

private:
    bool CreateEngine();

    std::shared_ptr<pugi::xml_document> engine;
    std::wstring path;
    int engineVersion = 0;
    bool indented = false;
};
