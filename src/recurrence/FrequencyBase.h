#pragma once

#include "recurrence/Date.h"
#include "recurrence/LazySignal.h"

#include <string>

class XmlNode;
class DetailsPanelBase;
class DetailsPanelParent;

// The interface of every recurrence rule: the four kinds and the holder a task owns.
// Objects are never destroyed through this interface, so it has no virtual destructor.
class FrequencyBase {
public:
    FrequencyBase() = default;
    FrequencyBase(const FrequencyBase&) = delete;
    FrequencyBase& operator=(const FrequencyBase&) = delete;

    // Announces that a kind took over new values from its editor panel; runs its slots at once.
    LazySignal<void(FrequencyBase*)> Changed;

    // The one-line English description of the rule.
    virtual std::wstring GetDescription() const = 0;
    // Appends the rule's own element under parent.
    virtual bool SaveXml(const XmlNode& parent) const = 0;
    // Reads the rule's own element; false when the element is not the rule's.
    virtual bool LoadXml(const XmlNode& element) = 0;
    // The rule's editor panel, or null when the user interface supplied none.
    virtual DetailsPanelBase* GetDetailsPanel() = 0;
    // Creates the editor panel's window inside the editor that hosts it.
    virtual void CreateDetailsPanel(DetailsPanelParent& parent) = 0;
    // The first date after day on which the rule falls due.
    virtual Date NextAfter(const Date& day) const = 0;

protected:
    ~FrequencyBase() = default;
};
