// Choosing and running the module named by -type, and the presence test for mandatory options.
#pragma once

#include <string_view>

namespace recpack {

// Runs the packer named by -type; returns when it has written its file.
void runModule();

// Returns when the option is on the command line (an empty value counts); otherwise ends the
// run with the missing-option message.
void requireOption(std::string_view name);

}  // namespace recpack
