#include "recurrence/FrequencyDaily.h"

#include "recurrence/Calendar.h"
#include "recurrence/ElementName.h"
#include "recurrence/Today.h"
#include "storage/XmlNode.h"

#include <algorithm>

FrequencyDaily::FrequencyDaily()
    : first_day(Today())
{
}

std::wstring FrequencyDaily::GetDescription() const
{
    if (every_n_days == 1)
        return L"Every day";
    return L"Every " + std::to_wstring(every_n_days) + L" days";
}

bool FrequencyDaily::SaveXml(const XmlNode& parent) const
{
    const XmlNode element = parent.AppendChildElement(ElementName);
    element.SetAttribute(L"every_n_days", std::to_wstring(every_n_days));
    element.SetAttribute(L"first_day", DateText(first_day));
    return true;
}

bool FrequencyDaily::LoadXml(const XmlNode& element)
{
    if (!IsElementNamed(element, ElementName))
        return false;
    // An interval below 1 would never advance; such a file can only come from elsewhere.
    every_n_days = std::max(element.GetIntAttribute(L"every_n_days", 0), 1);
    first_day = ParseDateText(element.GetAttribute(L"first_day"));
    return true;
}

Date FrequencyDaily::NextAfter(const Date& day) const
{
    if (first_day > day)
        return first_day;
    // The series first_day + k * interval, computed directly: no walk from first_day.
    const std::int64_t interval = std::max(every_n_days, 1);
    const std::int64_t steps = (day - first_day).days() / interval + 1;
    return AddDays(first_day, steps * interval);
}

void FrequencyDaily::OnPanelChanged(DetailsPanel<FrequencyDaily>* changed)
{
    const Values values = changed->GetValues();
    every_n_days = values.every_n_days;
    first_day = values.first_day;
    Changed(this);
}
