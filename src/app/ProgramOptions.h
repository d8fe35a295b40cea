#pragma once
// The program's own command-line options, read before anything else starts, so that "--help" and
// "--version" work without a display. Options of one dash belong to Qt and are left alone; the
// other arguments ("editor", "register") go on to the start-up sequence.

#include <string>
#include <vector>

namespace qor {

struct ProgramOptions {
    bool help = false;
    bool version = false;
    bool exitAfterStart = false;
    std::string screenshot; // file
    std::string script;     // file
    std::vector<std::string> arguments;
    std::string error; // set for an unknown option or one without its value
};

// `arguments` without the program's name.
ProgramOptions ReadProgramOptions(const std::vector<std::string>& arguments);

// What "--help" prints.
std::string ProgramUsage();

} // namespace qor
