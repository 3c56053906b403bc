#include "roster/Person.h"

#include <utility>

Person::Person(std::wstring name)
    : name(std::move(name))
{
}
