#pragma once

#include "recurrence/Frequency.h"

#include <memory>
#include <string>

class XmlNode;

// A chore and its recurrence rule. Copies share the rule: editing it through one copy shows in all.
class Task {
public:
    Task();
    explicit Task(std::wstring name);

    std::wstring GetName() const { return name; }
    void SetName(const std::wstring& text) { name = text; }
    // Never null; the same object for the task's whole life.
    Frequency& GetFrequency() const { return *frequency; }

    // The record's form in the roster file, defined with the rest of that file in RosterFile.cpp.
    bool ToXml(const XmlNode& parent) const;
    bool FromXml(const XmlNode& element);

private:
    std::wstring name;
    std::shared_ptr<Frequency> frequency;
};
