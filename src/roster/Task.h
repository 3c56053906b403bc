#pragma once

#include "recurrence/Frequency.h"

#include <memory>
#include <string>

class XmlNode;

// How long one person keeps a task: each due date is a turn of its own, or every due date of one
// week (Monday to Sunday) or of one calendar month goes to the same person.
enum class TurnLength { DueDate, Week, Month };

// A chore and its recurrence rule. Copies share the rule: editing it through one copy shows in all.
class Task {
public:
    Task();
    explicit Task(std::wstring name);

    std::wstring GetName() const { return name; }
    void SetName(const std::wstring& text) { name = text; }
    // Never null; the same object for the task's whole life.
    Frequency& GetFrequency() const { return *frequency; }

    TurnLength GetTurnLength() const { return turnLength; }
    void SetTurnLength(TurnLength length) { turnLength = length; }
    // Minutes one turn takes; 0 when the task carries no effort.
    int GetEffort() const { return effortMinutes; }
    void SetEffort(int minutes) { effortMinutes = minutes > 0 ? minutes : 0; }

    // The record's form in the roster file, defined with the rest of that file in RosterFile.cpp.
    bool ToXml(const XmlNode& parent) const;
    bool FromXml(const XmlNode& element);

private:
    std::wstring name;
    std::shared_ptr<Frequency> frequency;
    TurnLength turnLength = TurnLength::DueDate;
    int effortMinutes = 0;
};
