#include "app/DataPath.h"

#include "platform/WinPath.h"

namespace qor {

namespace {

// The folder a prefix names; nullptr when the path carries none of ours.
const std::string* PrefixFolder(std::string_view prefix, const AppSettings& settings) {
    if (prefix == "XF:")
        return &settings.waveFolder;
    if (prefix == "XU:")
        return &settings.ownRecordingsFolder;
    if (prefix == "XR:")
        return &settings.lawRecordingsFolder;
    if (prefix == "XW:")
        return &settings.businessRecordingsFolder;
    return nullptr;
}

} // namespace

ResolvedDataPath ResolveDataPath(std::string_view path, const AppSettings& settings) {
    ResolvedDataPath result;
    if (path.empty())
        return result;
    std::string candidate(path);
    std::string_view prefix = path.substr(0, 3);
    if (const std::string* folder = PrefixFolder(prefix, settings)) {
        // The prefix and the separator after it are dropped.
        std::string rest = path.size() > 4 ? std::string(path.substr(4)) : std::string();
        if (folder->empty()) {
            if (prefix == "XF:")
                return result;
            result.code = kDataPathNoFolder;
        } else {
            candidate = *folder + rest;
        }
    }
    if (FileExists(candidate)) {
        result.code = kDataPathFound;
        result.file = candidate;
    }
    return result;
}

ResolvedDataPath ResolveDataPath(std::string_view path) {
    return ResolveDataPath(path, Settings());
}

} // namespace qor
