#pragma once

#include <QString>

#include <optional>

// The options the program answers before it starts its windows. Any other command line
// names the settings folder, as the program has always taken it.
namespace CommandLine {

// The text printed for "--help".
QString usage();

// When the arguments (argv[1..]) are exactly "--help" or "--version", prints the answer
// on standard output and gives the exit status; otherwise nothing. Needs no display and
// no application object, so it runs before either exists.
std::optional<int> answerInfoRequest(int argc, const char *const *argv);

}
