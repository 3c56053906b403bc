#include "roster/RosterCollection.h"

#include <loki/Singleton.h>

#include <stdexcept>
#include <utility>

RosterCollection& RosterCollection::Instance()
{
    using Holder = Loki::SingletonHolder<RosterCollection, Loki::CreateUsingNew, Loki::DefaultLifetime,
                                         Loki::SingleThreaded>;
    return Holder::Instance();
}

void RosterCollection::Add(Roster roster)
{
    rosters.push_back(roster);
    RosterAdded(roster);
}

Roster& RosterCollection::At(int index)
{
    return rosters.at(static_cast<std::size_t>(index));
}

const Roster& RosterCollection::At(int index) const
{
    return rosters.at(static_cast<std::size_t>(index));
}

void RosterCollection::RemoveAt(int index)
{
    if (index < 0 || index >= Count())
        throw std::out_of_range("no roster at this index");
    rosters.erase(rosters.begin() + index);
}

Roster* RosterCollection::Current()
{
    if (currentIndex < 0 || currentIndex >= Count())
        return nullptr;
    return &rosters[static_cast<std::size_t>(currentIndex)];
}
