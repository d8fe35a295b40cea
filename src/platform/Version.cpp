#include "platform/Version.h"

#include "platform/VersionInfo.h"

#include <cstdio>

namespace qor {

ProgramVersion CurrentVersion() {
    // "+ 0" keeps a version component that the project version leaves out (an empty macro) at 0.
    return ProgramVersion{QOR_VERSION_MAJOR + 0, QOR_VERSION_MINOR + 0, QOR_VERSION_PATCH + 0,
                          QOR_VERSION_TWEAK + 0};
}

std::string VersionText(const ProgramVersion& version) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d.%d%d%d", version.major, version.minor, version.release,
                  version.build);
    return buffer;
}

std::string VersionText() {
    return VersionText(CurrentVersion());
}

} // namespace qor
