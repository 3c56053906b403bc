#pragma once

#include "recurrence/FrequencyDaily.h"
#include "recurrence/FrequencyMonthly.h"
#include "recurrence/FrequencyWeekly.h"
#include "recurrence/FrequencyYearly.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The recurrence rule a task owns: one rule of each kind at all times, and which of them is in
// force. Switching kinds loses nothing; all four are saved.
class Frequency : public FrequencyBase {
public:
    struct Kind {
        FrequencyBase* kind;
        // One of the fixed names, so a rule's list costs no allocation.
        std::wstring_view name;
    };

    Frequency();
    ~Frequency() = default;

    std::wstring GetDescription() const override;
    bool SaveXml(const XmlNode& parent) const override;
    bool LoadXml(const XmlNode& element) override;
    DetailsPanelBase* GetDetailsPanel() override;
    void CreateDetailsPanel(DetailsPanelParent& parent) override;
    Date NextAfter(const Date& day) const override;

    // The kind in force; a selection outside the list counts as the first kind.
    const FrequencyBase& Selected() const;

    FrequencyDaily daily;
    FrequencyWeekly weekly;
    FrequencyMonthly monthly;
    FrequencyYearly yearly;
    // Daily 0, Weekly 1, Monthly 2, Yearly 3: the index is stored in the file and is the item index
    // of the editor's kind selector.
    const std::array<Kind, 4> kinds;
    std::int32_t selected = 0;
};
