#include "recurrence/Frequency.h"

#include "recurrence/ElementName.h"

#include "storage/XmlNode.h"

Frequency::Frequency()
    : kinds{{{&daily, L"Daily"}, {&weekly, L"Weekly"}, {&monthly, L"Monthly"}, {&yearly, L"Yearly"}}}
{
}

std::wstring Frequency::GetDescription() const
{
    return Selected().GetDescription();
}

bool Frequency::SaveXml(const XmlNode& parent) const
{
    const XmlNode element = parent.AppendChildElement(L"frequency");
    element.SetIntAttribute(L"selected", selected);
    bool saved = true;
    for (const Kind& entry : kinds)
        saved = entry.kind->SaveXml(element) && saved;
    return saved;
}

bool Frequency::LoadXml(const XmlNode& element)
{
    if (!IsElementNamed(element, L"frequency"))
        return false;
    selected = element.GetIntAttribute(L"selected", 0);
    // Only the editor writes the selection, and it writes 0 to 3; anything else falls back to daily.
    if (selected < 0 || selected >= static_cast<std::int32_t>(kinds.size()))
        selected = 0;

    bool complete = true;
    const wchar_t* const elementNames[] = {FrequencyDaily::ElementName, FrequencyWeekly::ElementName,
                                           FrequencyMonthly::ElementName, FrequencyYearly::ElementName};
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const XmlNode child = element.FindChildElement(elementNames[i], false);
        if (child.IsNull())
            complete = false;
        else
            kinds[i].kind->LoadXml(child);
    }
    // Also without its element the weekly rule gets its day now: it would get it at the next save
    // and reload, and a rule must not change on its way through the file.
    weekly.EnableMondayWhenNoDayIs();
    return complete;
}

DetailsPanelBase* Frequency::GetDetailsPanel()
{
    return nullptr;
}

void Frequency::CreateDetailsPanel(DetailsPanelParent&)
{
}

Date Frequency::NextAfter(const Date& day) const
{
    return Selected().NextAfter(day);
}

const FrequencyBase& Frequency::Selected() const
{
    const bool inRange = selected >= 0 && selected < static_cast<std::int32_t>(kinds.size());
    return *kinds[inRange ? selected : 0].kind;
}
