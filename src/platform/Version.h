#pragma once
// The program file's version (the project version of the build).

#include <string>

namespace qor {

struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int release = 0;
    int build = 0;
};

ProgramVersion CurrentVersion();
// "%d.%d%d%d" of major, minor, release, build: version 3.0.4.0 gives "3.040".
std::string VersionText(const ProgramVersion& version);
std::string VersionText();

} // namespace qor
