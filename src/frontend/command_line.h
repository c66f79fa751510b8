// The command-line pass: arguments into the option table, help requests answered on the spot.
#pragma once

namespace recpack {

// Stores arguments 1, 3, 5, ... as names and the argument after each as its value. Returns
// when every pair was stored and none asked for help; otherwise ends the run (help: exit 0,
// a last name without a value: exit 1).
void parseCommandLine(int count, const char* const* arguments);

}  // namespace recpack
