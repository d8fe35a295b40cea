#pragma once
// Data paths in pages, sentence tables and the recording index may start with a folder prefix:
// "XF:" the wave folder, "XU:" the learner's own recordings, "XR:" the law recordings,
// "XW:" the business recordings.

#include "app/AppSettings.h"

#include <string>
#include <string_view>

namespace qor {

enum DataPathCode : int {
    kDataPathFound = 0,
    kDataPathMissing = 4,  // empty input, no such file, or "XF:" without a wave folder
    kDataPathNoFolder = 5, // the folder of "XU:", "XR:" or "XW:" is not set
};

struct ResolvedDataPath {
    std::string file; // an existing file, or empty
    int code = kDataPathMissing;
};

ResolvedDataPath ResolveDataPath(std::string_view path, const AppSettings& settings);
ResolvedDataPath ResolveDataPath(std::string_view path); // with Settings()

} // namespace qor
