#pragma once

#include "recurrence/FrequencyKind.h"

#include <cstdint>

// Falls due every n days, counted from a first day.
class FrequencyDaily : public FrequencyKind<FrequencyDaily> {
public:
    // What the editor panel hands over.
    struct Values {
        std::int32_t every_n_days;
        Date first_day;
    };

    FrequencyDaily();

    // The rule's element in the roster file.
    static constexpr const wchar_t* ElementName = L"daily";

    std::wstring GetDescription() const override;
    bool SaveXml(const XmlNode& parent) const override;
    bool LoadXml(const XmlNode& element) override;
    Date NextAfter(const Date& day) const override;

    void OnPanelChanged(DetailsPanel<FrequencyDaily>* changed);

    std::int32_t every_n_days = 1;
    Date first_day;
};
