#include "roster/Task.h"

#include <utility>

Task::Task()
    : frequency(std::make_shared<Frequency>())
{
}

Task::Task(std::wstring name)
    : name(std::move(name))
    , frequency(std::make_shared<Frequency>())
{
}
