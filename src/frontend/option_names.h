// The option names and module names the program reads, as typed on the command line.
#pragma once

#include <string_view>

namespace recpack::options {

inline constexpr std::string_view help = "-help";
inline constexpr std::string_view type = "-type";
inline constexpr std::string_view output = "-o";

inline constexpr std::string_view name = "-name";
inline constexpr std::string_view midFile = "-midFile";

inline constexpr std::string_view file = "-file";

inline constexpr std::string_view content = "-content";
inline constexpr std::string_view next = "-next";
inline constexpr std::string_view prev = "-prev";
inline constexpr std::string_view status = "-status";
inline constexpr std::string_view menu = "-menu";
inline constexpr std::string_view done = "-done";
inline constexpr std::string_view nav = "-nav";
inline constexpr std::string_view base = "-base";

}  // namespace recpack::options

namespace recpack::modules {

inline constexpr std::string_view midi = "midi";
inline constexpr std::string_view wave = "wave";
inline constexpr std::string_view tips = "tips";

}  // namespace recpack::modules
