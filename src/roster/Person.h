#pragma once

#include <string>

class XmlNode;

// Someone who takes a turn at the tasks of a roster.
class Person {
public:
    Person() = default;
    explicit Person(std::wstring name);

    std::wstring GetName() const { return name; }
    void SetName(const std::wstring& text) { name = text; }

    // The record's form in the roster file, defined with the rest of that file in RosterFile.cpp.
    bool ToXml(const XmlNode& parent) const;
    bool FromXml(const XmlNode& element);

private:
    std::wstring name;
};
