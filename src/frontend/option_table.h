// The run's options: name/value byte strings from the command line, filled once by
// parseCommandLine and read by the dispatcher and the packers through optionValue/hasOption.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace recpack {

class OptionTable {
public:
    // Inserts the pair, or replaces the value of an existing name: the last occurrence wins.
    void store(std::string_view name, std::string_view value);
    [[nodiscard]] bool contains(std::string_view name) const;
    // The stored value, or the empty string when the name is absent.
    [[nodiscard]] std::string valueOf(std::string_view name) const;
    void clear();

private:
    // std::string orders by unsigned bytes (char_traits<char>::lt), which is the table's key order.
    std::map<std::string, std::string, std::less<>> entries_;
};

// The one table of the process.
OptionTable& optionTable();

std::string optionValue(std::string_view name);
bool hasOption(std::string_view name);

}  // namespace recpack
