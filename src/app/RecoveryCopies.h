#pragma once
// Copies of learner data that could not be saved in their own place at the end of the program:
// they go to the program's data folder, and the next start names them.

#include <optional>
#include <string>
#include <string_view>

namespace qor {

// $XDG_DATA_HOME/qor/ (when it is an absolute path), else $HOME/.local/share/qor/; empty when
// neither is known. A program path ending in a separator.
std::string RecoveryFolder();

// Writes `contents` under `fileName` in the recovery folder, or under "name (2).ext", "name (3).ext"
// … when an earlier copy has that name, so nothing saved before is overwritten. The path written,
// or nothing when the folder cannot be made or written.
std::optional<std::string> WriteRecoveryCopy(std::string_view fileName, std::string_view contents);

// Remembers for the next start that `what` (a German description: "die Bibliothek ohne Namen")
// was saved to `path`, when the learner could not be told now.
void NoteRecoveryForNextStart(std::string_view what, std::string_view path);

// The message of the next start: each copy noted since, then the note is removed. Nothing is
// shown when there is none.
void ReportRecoveryCopiesOfLastRun();

} // namespace qor
