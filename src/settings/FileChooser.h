#pragma once
// The open-file dialog as the settings dialogs need it: the Qt one on screen, a scripted one in
// tests. Texts are Windows-1252 program paths.

#include <optional>
#include <string>

namespace qor {

struct FileChoiceRequest {
    std::string startFolder;  // empty: the dialog's own choice
    std::string proposedName; // shown in the name field, may hold a "*" pattern
    std::string filter;       // "Beschreibung|*.ext" pairs; empty: every file
    std::string title;        // empty: the dialog's own caption
    bool operator==(const FileChoiceRequest&) const = default;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file, or nothing when the learner cancelled.
    virtual std::optional<std::string> ChooseFile(const FileChoiceRequest& request) = 0;
};

} // namespace qor
