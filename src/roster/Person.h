#pragma once

#include "recurrence/Date.h"

#include <string>
#include <vector>

class XmlNode;

// Days on which a person takes no turns, both ends included.
struct AwayPeriod {
    Date from;
    Date until;

    bool Contains(const Date& day) const { return from <= day && day <= until; }
    bool operator==(const AwayPeriod&) const = default;
};

// Someone who takes a turn at the tasks of a roster.
class Person {
public:
    using AwayList = std::vector<AwayPeriod>;

    Person() = default;
    explicit Person(std::wstring name);

    std::wstring GetName() const { return name; }
    void SetName(const std::wstring& text) { name = text; }

    // While away, a person's turns go to whoever is next and present.
    const AwayList& GetAway() const { return away; }
    void SetAway(AwayList periods);
    bool IsAway(const Date& day) const;

    // The record's form in the roster file, defined with the rest of that file in RosterFile.cpp.
    bool ToXml(const XmlNode& parent) const;
    bool FromXml(const XmlNode& element);

private:
    std::wstring name;
    AwayList away;
    // The same days as away, sorted and joined where periods overlap: planning asks about
    // every due date, so the answer is looked up instead of scanning the periods as entered.
    AwayList awayDays;
};
