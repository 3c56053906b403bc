#include "roster/TaskRotation.h"

std::int64_t TurnKey(TurnLength length, const Date& due)
{
    switch (length) {
    case TurnLength::Week:
        // The week's Monday; the calendar counts Sunday as day 0.
        return static_cast<std::int64_t>(due.day_number()) - (due.day_of_week().as_number() + 6) % 7;
    case TurnLength::Month:
        return static_cast<std::int64_t>(due.year()) * 12 + due.month().as_number();
    case TurnLength::DueDate:
        break;
    }
    return static_cast<std::int64_t>(due.day_number());
}

int FirstPresent(const Roster::PersonList& persons, std::size_t start, const Date& day)
{
    for (std::size_t step = 0; step < persons.size(); ++step) {
        const std::size_t index = (start + step) % persons.size();
        if (!persons[index]->IsAway(day))
            return static_cast<int>(index);
    }
    return -1;
}

TaskRotation::TaskRotation(const Roster::PersonList& persons, TurnLength length, std::size_t first)
    : persons(persons)
    , length(length)
    , next(first % persons.size())
{
}

TaskRotation::Turn TaskRotation::Assign(const Date& due)
{
    const std::int64_t key = TurnKey(length, due);
    if (turn != key) {
        turn = key;
        owner = next;
        holder = -1;
    }
    if (holder < 0) {
        // Nobody present leaves the turn with its owner for the turn's next date, and for the next turn.
        holder = FirstPresent(persons, owner, due);
        if (holder >= 0)
            next = (static_cast<std::size_t>(holder) + 1) % persons.size();
        return Turn{holder, owner};
    }
    if (!persons[static_cast<std::size_t>(holder)]->IsAway(due))
        return Turn{holder, owner};
    return Turn{FirstPresent(persons, static_cast<std::size_t>(holder) + 1, due), owner};
}
