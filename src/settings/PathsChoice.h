#pragma once
// The data-folder dialog TXPaths without its window: what a browse button proposes and accepts,
// and what "OK" stores, asks and reports.

#include "settings/FileChooser.h"
#include "settings/RecordingPrefixes.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

// The folders the dialog shows, as program paths.
struct PathFolders {
    std::string program;
    std::string user;          // "Benutzer-Verzeichnis"
    std::string wave;          // "XF:"
    std::string ownRecordings; // "XU:"
    std::string business;      // "XW:"
    std::string law;           // "XR:"
    bool operator==(const PathFolders&) const = default;
};

// The mask bits of the folder settings' writer (the same values it uses).
enum PathsMask : int {
    kPathsMaskWave = 0x02,
    kPathsMaskOwnRecordings = 0x04,
    kPathsMaskUser = 0x20,
    kPathsMaskBusiness = 0x80,
    kPathsMaskLaw = 0x100,
};

enum class PathsBrowseField { Wave, OwnRecordings, User };

// The request a browse button makes for the folder in its field.
FileChoiceRequest PathsBrowseRequest(PathsBrowseField field, std::string_view fieldText);

// The new field text after the learner chose `chosenFile`, or nothing when the choice equals the
// field or fails the field's check.
std::optional<std::string> AcceptPathsChoice(PathsBrowseField field, std::string_view fieldText,
                                             std::string_view chosenFile);

// "OK": stores every entered folder that differs from the stored one (a folder that is not empty
// is stored with a trailing separator), asks about moving the recording index behind "XU:",
// reports the user folder's late start, and calls `saveFolderSettings` with the mask when it is
// not 0. Returns the mask. `recordings` may be null (no index loaded).
int ApplyPathsDialog(PathFolders& stored, const PathFolders& entered, RecordingPrefixes* recordings,
                     const std::function<void(int mask)>& saveFolderSettings);

} // namespace qor
