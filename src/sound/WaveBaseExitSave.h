#pragma once
// Offering to save the recording index when the program ends.

#include "platform/WriteProtection.h"

#include <optional>
#include <string>
#include <string_view>

namespace qor {

class TXWaveBase;

// The save-as dialog of the alternative-location step; the front end shows a file dialog, tests
// answer from a script.
class WaveBaseSaveDialog {
public:
    virtual ~WaveBaseSaveDialog() = default;
    // The chosen file, or nothing when cancelled.
    virtual std::optional<std::string> AskSaveFile(std::string_view title, std::string_view fileName,
                                                   std::string_view filter) = 0;
};

enum class ExitSaveResult { Unchanged, WriteProtected, Declined, Saved, GaveUp };

// "Die Datenbank für die Sprachaufnahmen wurde verändert. ..." (Yes/No).
std::string WaveBaseChangedQuestion();

// When the index changed (and the installation is not write-protected): asks, sorts, saves to the
// file it was loaded from and, when that fails, offers another place until it works or the
// learner gives up. A successful save is remembered as the index's saved location.
ExitSaveResult SaveWaveBaseAtExit(TXWaveBase& base, WriteProtection protection, WaveBaseSaveDialog& dialog);
// The same once the learner has said yes: sort, save, and the alternative places.
ExitSaveResult SaveAgreedWaveBase(TXWaveBase& base, WaveBaseSaveDialog& dialog);

} // namespace qor
