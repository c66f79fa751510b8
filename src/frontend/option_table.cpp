#include "frontend/option_table.h"

namespace recpack {

void OptionTable::store(std::string_view name, std::string_view value)
{
    auto found = entries_.find(name);
    if (found != entries_.end()) {
        found->second.assign(value);
    } else {
        entries_.emplace(std::string(name), std::string(value));
    }
}

bool OptionTable::contains(std::string_view name) const
{
    return entries_.find(name) != entries_.end();
}

std::string OptionTable::valueOf(std::string_view name) const
{
    auto found = entries_.find(name);
    return found != entries_.end() ? found->second : std::string();
}

void OptionTable::clear()
{
    entries_.clear();
}

OptionTable& optionTable()
{
    static OptionTable table;
    return table;
}

std::string optionValue(std::string_view name)
{
    return optionTable().valueOf(name);
}

bool hasOption(std::string_view name)
{
    return optionTable().contains(name);
}

}  // namespace recpack
